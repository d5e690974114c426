#pragma once
// Answers the next message box with a given title from a thread of its own, while the window's
// thread sits in the box's modal loop, and keeps what the box said.
#include <windows.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "tests/support/poll.h"

class MessageBoxWatch {
 public:
  explicit MessageBoxWatch(std::wstring title) : title_(std::move(title)), thread_([this] { watch(); }) {}
  ~MessageBoxWatch() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
  }
  MessageBoxWatch(const MessageBoxWatch&) = delete;
  MessageBoxWatch& operator=(const MessageBoxWatch&) = delete;

  // The box's text once it was answered; empty when none came (call after the box's caller returned).
  std::wstring text() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    return text_;
  }

 private:
  void watch() {
    HWND box = nullptr;
    const bool seen = test_support::pollUntil(
        [&] { return stop_ || (box = FindWindowW(L"#32770", title_.c_str())) != nullptr; }, std::chrono::seconds(10));
    if (!seen || !box) return;
    wchar_t text[512] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 512);  // the box's text is the static with id 65535
    text_ = text;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  }

  std::wstring title_;
  std::wstring text_;
  std::atomic<bool> stop_ = false;
  std::thread thread_;
};
