// The recorder's capture order on a device whose test returns the buffers by hand, from a thread
// of its own: out of step, partly filled, or empty.
#include <gtest/gtest.h>

#include <map>
#include <thread>

#include "audio/recorder/wave_record.h"
#include "tests/support/poll.h"
#include "tests/unit/recorder/recorder_test_support.h"

namespace {

// Every queued buffer waits until the test returns it with the bytes it chooses.
class HandDrivenInput final : public WaveInDevice {
 public:
  bool supports(Bytes) override { return true; }
  std::unique_ptr<WaveInStream> open(Bytes, std::size_t, WaveDone& done) override {
    done_ = &done;
    return borrowed();
  }

  bool add(std::size_t slot, std::span<std::byte> area) {
    std::lock_guard lock(mutex_);
    queued_[slot] = area;
    ++adds_;
    return true;
  }
  bool pause() { return true; }
  bool resume() { return true; }
  bool reset() {
    std::map<std::size_t, std::span<std::byte>> back;
    {
      std::lock_guard lock(mutex_);
      back.swap(queued_);
    }
    for (const auto& [slot, area] : back) done_->bufferDone(slot, 0);
    return true;
  }
  std::optional<std::uint32_t> position() { return 0; }

  // From another thread: fills queued buffer `slot` with `value` and returns `bytes` of it.
  void giveBack(std::size_t slot, std::size_t bytes, std::byte value) {
    std::span<std::byte> area;
    {
      std::lock_guard lock(mutex_);
      area = queued_.at(slot);
      queued_.erase(slot);
    }
    std::fill(area.begin(), area.end(), value);
    done_->bufferDone(slot, bytes);
  }
  [[nodiscard]] int adds() const {
    std::lock_guard lock(mutex_);
    return adds_;
  }
  [[nodiscard]] bool queued(std::size_t slot) const {
    std::lock_guard lock(mutex_);
    return queued_.count(slot) > 0;
  }

 private:
  // The stream the recorder gets: it forwards here, and closing it hands back what is queued.
  std::unique_ptr<WaveInStream> borrowed() {
    struct Borrowed final : WaveInStream {
      explicit Borrowed(HandDrivenInput& i) : input(i) {}
      ~Borrowed() override { (void)input.reset(); }
      bool add(std::size_t s, std::span<std::byte> a) override { return input.add(s, a); }
      bool pause() override { return input.pause(); }
      bool resume() override { return input.resume(); }
      bool reset() { return input.reset(); }
      std::optional<std::uint32_t> position() override { return input.position(); }
      HandDrivenInput& input;
    };
    return std::make_unique<Borrowed>(*this);
  }

  WaveDone* done_ = nullptr;
  mutable std::mutex mutex_;
  std::map<std::size_t, std::span<std::byte>> queued_;
  int adds_ = 0;
};

struct Returned {
  std::size_t slot, bytes;
  std::byte value;
  bool early = false;  // back before a buffer queued ahead of it: the recorder must hold it
};

// Starts a capture in `format`, returns the buffers as `returns` says, one after another from a
// thread of the test, and gives back the saved data.
std::vector<std::byte> captureHandDriven(RecordFormat format, const std::vector<Returned>& returns) {
  ScratchFolder folder;
  HandDrivenInput input;
  WaveRecord record(input, folder.path);
  EXPECT_TRUE(record.SetFormat(format.channels, format.rate, format.bits));
  EXPECT_TRUE(record.Start());
  std::thread device([&] {
    for (const Returned& r : returns) {
      EXPECT_TRUE(test_support::pollUntil([&] { return input.queued(r.slot); })) << "slot " << r.slot;
      const int adds = input.adds();
      input.giveBack(r.slot, r.bytes, r.value);
      if (r.early)
        EXPECT_FALSE(test_support::pollUntil([&] { return input.adds() > adds; }, std::chrono::milliseconds(100)))
            << "slot " << r.slot << " handled before the buffer queued ahead of it";
    }
  });
  device.join();
  const int addsWanted = 2 + static_cast<int>(returns.size());
  EXPECT_TRUE(test_support::pollUntil([&] { return input.adds() == addsWanted; })) << "each buffer queued again";
  EXPECT_TRUE(record.Stop());
  EXPECT_EQ(record.SaveToFile(folder.path / "out.wav", true), SaveFailure::none);
  const auto file = fileBytes(folder.path / "out.wav");
  return file.size() < kWavHeaderBytes ? std::vector<std::byte>{}
                                       : std::vector<std::byte>(file.begin() + kWavHeaderBytes, file.end());
}

std::vector<std::byte> runsOf(std::initializer_list<std::pair<std::size_t, std::byte>> runs) {
  std::vector<std::byte> out;
  for (const auto& [n, value] : runs) out.insert(out.end(), n, value);
  return out;
}

TEST(WaveRecordOrder, ChunksKeepTheOrderTheBuffersWereQueuedIn) {
  const std::byte a{0xA1}, b{0xB2}, c{0xC3}, d{0xD4};
  struct Case {
    const char* name;
    RecordFormat format;
    std::vector<Returned> returns;
    std::vector<std::byte> data;
  };
  const Case cases[] = {
      {"in step", {1, 8000, 16}, {{0, 4096, a}, {1, 4096, b}, {0, 4096, c}}, runsOf({{4096, a}, {4096, b}, {4096, c}})},
      {"the second buffer back first",
       {1, 8000, 16},
       {{1, 4096, b, true}, {0, 4096, a}, {1, 100, c, true}, {0, 4096, d}},
       runsOf({{4096, a}, {4096, b}, {4096, d}, {100, c}})},
      {"a buffer back empty adds nothing", {1, 8000, 16}, {{0, 0, a}, {1, 4096, b}}, runsOf({{4096, b}})},
      {"a partial trailing frame is dropped", {2, 44100, 16}, {{0, 4095, a}, {1, 6, b}}, runsOf({{4092, a}, {4, b}})},
      {"8-bit mono keeps every byte", {1, 11025, 8}, {{0, 4095, a}, {1, 1, b}}, runsOf({{4095, a}, {1, b}})},
  };
  for (const Case& c : cases) EXPECT_EQ(captureHandDriven(c.format, c.returns), c.data) << c.name;
}

}  // namespace
