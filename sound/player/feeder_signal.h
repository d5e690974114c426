#pragma once
// What a feeder thread waits on: a counting wake semaphore and a manual-reset stop event, waited
// for together. Pending wakes are served before the stop, so a voice stopped right after its start
// still queues its first buffers and then stops.
#include <chrono>
#include <condition_variable>
#include <mutex>

class FeederSignal {
 public:
  enum class Outcome { wake, stop, timeout };

  FeederSignal(int initialWakes, int maximumWakes) : wakes_(initialWakes), maximum_(maximumWakes) {}

  // Adds wakes; the count never passes the maximum. (A Win32 semaphore would refuse the whole
  // release instead, which after a loop restart could leave the feeder one wake per buffer.)
  void release(int count);
  // Sets the stop event; it stays set.
  void stop();
  // Takes one wake if one is pending, else reports the stop, else waits up to `limit` for either.
  [[nodiscard]] Outcome wait(std::chrono::milliseconds limit);

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  int wakes_;
  const int maximum_;
  bool stopped_ = false;
};
