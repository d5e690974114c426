#pragma once
// Owning wrappers for every system handle and COM object the program makes: GDI and USER
// objects, kernel handles, hooks, COM interfaces. One place, so each kind is freed one way.
#include <windows.h>
#include <unknwn.h>

#include <memory>
#include <type_traits>

struct GdiObjectDeleter {
  void operator()(void* h) const { DeleteObject(static_cast<HGDIOBJ>(h)); }
};
using OwnedBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;
using OwnedRegion = std::unique_ptr<std::remove_pointer_t<HRGN>, GdiObjectDeleter>;
using OwnedBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;
using OwnedFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using OwnedPen = std::unique_ptr<std::remove_pointer_t<HPEN>, GdiObjectDeleter>;

struct IconDeleter {
  void operator()(HICON h) const { DestroyIcon(h); }
};
using OwnedIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

struct CursorDeleter {
  void operator()(HCURSOR h) const { DestroyCursor(h); }
};
using OwnedCursor = std::unique_ptr<std::remove_pointer_t<HCURSOR>, CursorDeleter>;

struct MenuDeleter {
  void operator()(HMENU h) const { DestroyMenu(h); }
};
using OwnedMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

struct AcceleratorDeleter {
  void operator()(HACCEL h) const { DestroyAcceleratorTable(h); }
};
using OwnedAccelerators = std::unique_ptr<std::remove_pointer_t<HACCEL>, AcceleratorDeleter>;

struct HookDeleter {
  void operator()(HHOOK h) const { UnhookWindowsHookEx(h); }
};
using OwnedHook = std::unique_ptr<std::remove_pointer_t<HHOOK>, HookDeleter>;

struct WindowDeleter {
  void operator()(HWND h) const { DestroyWindow(h); }
};
using OwnedWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;

struct RegistryKeyDeleter {
  void operator()(HKEY h) const { RegCloseKey(h); }
};
using OwnedRegistryKey = std::unique_ptr<std::remove_pointer_t<HKEY>, RegistryKeyDeleter>;

// A kernel handle (file, snapshot, event, thread). Functions that fail with INVALID_HANDLE_VALUE
// go through ownedHandle(), which keeps that value out.
struct KernelHandleDeleter {
  void operator()(HANDLE h) const { CloseHandle(h); }
};
using OwnedHandle = std::unique_ptr<void, KernelHandleDeleter>;
inline OwnedHandle ownedHandle(HANDLE h) { return OwnedHandle(h == INVALID_HANDLE_VALUE ? nullptr : h); }

// A COM interface pointer, released once.
struct ComReleaser {
  void operator()(IUnknown* p) const { p->Release(); }
};
template <class Interface>
using ComPtr = std::unique_ptr<Interface, ComReleaser>;

// A memory device context with a bitmap selected into it, restored and freed together.
class MemoryDc {
 public:
  MemoryDc(HDC like, HBITMAP bitmap) : dc_(CreateCompatibleDC(like)), old_(SelectObject(dc_, bitmap)) {}
  ~MemoryDc() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  operator HDC() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_;
};
