#pragma once
// A visible top-level window to put controls in, and a message pump for the skin tests.
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <vector>

#include "tests/support/poll.h"
#include "ui/handles_win32.h"

inline OwnedWindow testTopLevel(int width = 300, int height = 200) {
  return OwnedWindow(CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"skin test", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0,
                                     0, width, height, nullptr, nullptr, nullptr, nullptr));
}

inline HWND childControl(HWND parent, const wchar_t* className, DWORD style, const wchar_t* text = L"",
                         RECT r = {10, 10, 85, 33}) {
  return CreateWindowExW(0, className, text, WS_CHILD | style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                         parent, nullptr, nullptr, nullptr);
}

inline void pumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

template <class Done>
bool pumpUntil(Done done, std::chrono::milliseconds timeout = std::chrono::seconds(2)) {
  return test_support::pollUntil(
      [&] {
        pumpMessages();
        return done();
      },
      timeout, [] { MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT); });
}

// A window's client area as the screen shows it now, in the system's colour order 0x00BBGGRR.
class ScreenPicture {
 public:
  explicit ScreenPicture(HWND w) {
    RECT r;
    GetClientRect(w, &r);
    width_ = r.right;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), r.right, -r.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(w);
    OwnedBitmap bitmap(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap && bits) {
      MemoryDc memory(screen, bitmap.get());
      BitBlt(memory, 0, 0, r.right, r.bottom, screen, 0, 0, SRCCOPY);
      GdiFlush();
      const auto* rgb = static_cast<const std::uint32_t*>(bits);
      pixels_.assign(rgb, rgb + r.right * r.bottom);
    }
    ReleaseDC(w, screen);
  }
  COLORREF at(int x, int y) const {
    const std::uint32_t c = pixels_.at(static_cast<std::size_t>(y * width_ + x));
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
  }

 private:
  int width_ = 0;
  std::vector<std::uint32_t> pixels_;
};
