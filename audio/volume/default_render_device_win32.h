#pragma once
// The system's default output device for consoles (Core Audio), with one of its interfaces
// activated. COM must be initialised on the calling thread.
#include <windows.h>
#include <mmdeviceapi.h>

#include "ui/handles_win32.h"

// Nothing where the system has no Core Audio (Windows XP) or no output device.
ComPtr<IMMDevice> defaultRenderDevice();

template <class Interface>
ComPtr<Interface> activateOnDefaultRender() {
  const ComPtr<IMMDevice> device = defaultRenderDevice();
  void* activated = nullptr;
  if (!device || FAILED(device->Activate(__uuidof(Interface), CLSCTX_ALL, nullptr, &activated))) return nullptr;
  return ComPtr<Interface>(static_cast<Interface*>(activated));
}
