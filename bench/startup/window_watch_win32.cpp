// The start-up benchmark's stopwatch inside the Wine session: prints "ready", then polls every
// millisecond for a visible top-level window with the given title and prints the moment it
// appeared, in seconds of the performance counter (Wine's is the system's raw monotonic clock, the one
// the benchmark script takes the launch time from). Exits 1 when the deadline passes first.
//   window_watch TITLE DEADLINE_MS
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

double now() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::fputs("usage: window_watch TITLE DEADLINE_MS\n", stderr);
    return 2;
  }
  const double deadline = now() + std::wcstod(argv[2], nullptr) / 1000.0;
  std::printf("ready\n");
  std::fflush(stdout);
  while (now() < deadline) {
    HWND hwnd = FindWindowW(nullptr, argv[1]);
    if (hwnd && IsWindowVisible(hwnd)) {
      std::printf("visible %.6f\n", now());
      return 0;
    }
    Sleep(1);
  }
  return 1;
}
