#pragma once
// Polls a condition until it holds or the deadline passes.
#include <windows.h>

template <typename Condition>
[[nodiscard]] bool waitUntil(Condition condition, DWORD milliseconds = 20000) {
  const ULONGLONG deadline = GetTickCount64() + milliseconds;
  while (!condition()) {
    if (GetTickCount64() > deadline) return false;
    Sleep(5);
  }
  return true;
}
