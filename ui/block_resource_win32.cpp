#include "ui/block_resource_win32.h"

#include <windows.h>

#include "ui/resources.h"

std::string_view windowBlockResource() {
  HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(LANXING_WINDOW_BLOCK_RESOURCE), MAKEINTRESOURCEW(10));
  if (!found) return {};
  HGLOBAL loaded = LoadResource(nullptr, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return {};
  return {static_cast<const char*>(bytes), SizeofResource(nullptr, found)};
}
