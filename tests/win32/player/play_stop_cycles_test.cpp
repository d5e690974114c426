// A whole evening of clicks: a thousand Play and Stop cycles leave the process's threads, handles
// and memory where they were.
#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <cstdio>

#include "sound/player/effect_player_win32.h"
#include "tests/support/sound_images.h"
#include "tests/win32/player/wait_until.h"

using namespace test_images;

namespace {

struct Resources {
  int threads;
  DWORD handles;
  SIZE_T privateBytes;
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

Resources measure() {
  Resources r{threadCount(), 0, 0};
  GetProcessHandleCount(GetCurrentProcess(), &r.handles);
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
  r.privateBytes = memory.PrivateUsage;
  return r;
}

void print(const char* when, const Resources& r) {
  std::printf("%s: %d threads, %lu handles, %lu KB private\n", when, r.threads, static_cast<unsigned long>(r.handles),
              static_cast<unsigned long>(r.privateBytes / 1024));
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
  EXPECT_TRUE(waitUntil([&] { return threadCount() <= before.threads; }, 10000));
  const Resources after = measure();
  print("after", after);
  EXPECT_LE(after.threads, before.threads);
  EXPECT_LE(after.handles, before.handles + 4);
  // One leaked voice per cycle would be over 300 MB.
  EXPECT_LE(after.privateBytes, before.privateBytes + 4 * 1024 * 1024);
}

}  // namespace
