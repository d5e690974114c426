#include "bench/player/player_bench.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "bench/player/first_write_clock.h"
#include "sound/player/effect_player.h"
#include "tests/support/sound_images.h"

namespace {

using Clock = FirstWriteClock::Clock;

double microseconds(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

void playToFirstBuffer(const char* name, std::size_t dataBytes, WaveOutDevice& device, MidiOutput& midi, int runs) {
  FirstWriteClock clock(device);
  EffectPlayer player(clock, midi);
  const test_images::ByteVector data = test_images::samples(dataBytes);
  const test_images::ByteVector image = test_images::pcmWave(data);
  std::vector<std::byte> copy(data.size());
  std::vector<double> play, open, memcpyTimes;
  for (int i = 0; i < runs; ++i) {
    clock.reset();
    const Clock::time_point start = Clock::now();
    if (!player.Play(image)) {
      std::printf("%s: Play refused\n", name);
      return;
    }
    play.push_back(microseconds(clock.awaitFirstWrite() - start));
    open.push_back(microseconds(clock.lastOpen()));
    player.StopAndWait();

    const Clock::time_point copyStart = Clock::now();
    std::memcpy(copy.data(), data.data(), data.size());
    memcpyTimes.push_back(microseconds(Clock::now() - copyStart));
  }
  const double p = median(play), m = median(memcpyTimes);
  std::printf(
      "%-6s %9zu data bytes: Play to first buffer %9.1f us (opening the device %9.1f us), memcpy of the data %9.1f us, "
      "ratio %7.2f  (medians of %d)\n",
      name, dataBytes, p, median(open), m, p / m, runs);
}

void stopTenVoices(WaveOutDevice& device, MidiOutput& midi, const std::function<void(bool)>& hold, int runs) {
  EffectPlayer player(device, midi);
  const test_images::ByteVector image = test_images::pcmWave(test_images::samples(700'000));  // FX-07's size
  std::vector<double> stop, stopAndWait;
  for (int i = 0; i < runs; ++i) {
    if (hold) hold(true);
    for (int v = 0; v < 10; ++v)
      if (!player.Play(image, true)) {
        std::printf("stop: Play refused\n");
        return;
      }
    const Clock::time_point start = Clock::now();
    player.Stop();
    const Clock::time_point stopped = Clock::now();
    player.StopAndWait();
    const Clock::time_point ended = Clock::now();
    if (hold) hold(false);
    stop.push_back(microseconds(stopped - start));
    stopAndWait.push_back(microseconds(ended - start));
  }
  std::printf(
      "Stop with ten voices playing: %.1f us to return, %.1f us until all ten have closed their devices  (median of "
      "%d)\n",
      median(stop), median(stopAndWait), runs);
}

}  // namespace

void RunPlayerBench(WaveOutDevice& device, MidiOutput& midi, const std::function<void(bool)>& holdCompletions) {
  playToFirstBuffer("FX-46", 7'484, device, midi, 51);
  playToFirstBuffer("FX-20", 2'940'000, device, midi, 21);
  stopTenVoices(device, midi, holdCompletions, 21);
}
