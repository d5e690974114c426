// A whole evening of clicks: a thousand Play and Stop cycles leave the process's threads, handles
// and memory where they were.
#include <gtest/gtest.h>

#include <windows.h>
#include <tlhelp32.h>

#include <cstdint>
#include <cstdio>

#include "sound/player/effect_player_win32.h"
#include "tests/support/sound_images.h"
#include "tests/support/poll.h"

using namespace test_images;

namespace {

struct Resources {
  int threads;
  int handles;
  std::size_t committedPrivate;
};

int threadCount() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  int count = 0;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
    count += entry.th32OwnerProcessID == GetCurrentProcessId();
  CloseHandle(snapshot);
  return count;
}

// Counted by asking about every handle value in turn: Wine's GetProcessHandleCount gives 0.
int handleCount() {
  int count = 0;
  for (std::uintptr_t value = 4; value < 0x40000; value += 4) {
    DWORD flags = 0;
    count += GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags) != 0;
  }
  return count;
}

// Committed private memory, from the address space itself: Wine's GetProcessMemoryInfo gives 0.
std::size_t committedPrivateBytes() {
  std::size_t total = 0;
  MEMORY_BASIC_INFORMATION region{};
  for (const char* at = nullptr; VirtualQuery(at, &region, sizeof region) == sizeof region; at += region.RegionSize) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
    if (reinterpret_cast<std::uintptr_t>(at) + region.RegionSize < reinterpret_cast<std::uintptr_t>(at)) break;
  }
  return total;
}

Resources measure() { return {threadCount(), handleCount(), committedPrivateBytes()}; }

void print(const char* when, const Resources& r) {
  std::printf("%s: %d threads, %d handles, %lu KB committed private memory\n", when, r.threads, r.handles,
              static_cast<unsigned long>(r.committedPrivate / 1024));
}

TEST(PlayStopCycles, ThousandCyclesLeaveThreadsHandlesAndMemoryAsTheyWere) {
  const ByteVector image = pcmWave(samples(15360 * 30));  // more than one block of buffers
  EffectPlayer& player = TheEffectPlayer();
  auto cycle = [&] {
    player.Stop();
    ASSERT_TRUE(player.Play(image));
  };
  // Warm up: the first opens load the sound drivers and start their threads.
  for (int i = 0; i < 20; ++i) cycle();
  player.StopAndWait();
  const Resources before = measure();
  print("before", before);

  for (int i = 0; i < 1000; ++i) cycle();
  player.StopAndWait();
  // Threads of finished voices may take a moment to leave the process's list.
  EXPECT_TRUE(test_support::pollUntil([&] { return threadCount() <= before.threads; }, std::chrono::seconds(10)));
  const Resources after = measure();
  print("after", after);
  EXPECT_LE(after.threads, before.threads);
  // The sound system opens a couple of handles of its own once (two under Wine); a leak would be one
  // or more per cycle.
  EXPECT_LE(after.handles, before.handles + 8);
  // One leaked voice per cycle would be over 700 MB.
  EXPECT_LE(after.committedPrivate, before.committedPrivate + 4 * 1024 * 1024);
}

}  // namespace
