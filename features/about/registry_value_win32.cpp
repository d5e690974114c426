#include "features/about/registry_value_win32.h"

#include <windows.h>

#include <string>

#include "ui/handles_win32.h"

namespace {

HKEY rootKey(registry::Root root) {
  switch (root) {
    case registry::Root::classesRoot: return HKEY_CLASSES_ROOT;
    case registry::Root::currentConfig: return HKEY_CURRENT_CONFIG;
    case registry::Root::localMachine: return HKEY_LOCAL_MACHINE;
    case registry::Root::users: return HKEY_USERS;
    case registry::Root::currentUser: break;
  }
  return HKEY_CURRENT_USER;
}

}  // namespace

// The ANSI calls take the GBK bytes as they are, a text value with its zero byte.
bool WriteRegistryValue(int rootCode, std::string_view keyText, const registry::Value& value) {
  const HKEY root = rootKey(registry::rootForCode(rootCode));
  const registry::KeyAndValueName names = registry::splitKeyText(keyText);
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, names.keyPath.c_str(), 0, KEY_WRITE, &opened) != ERROR_SUCCESS &&
      RegCreateKeyA(root, names.keyPath.c_str(), &opened) != ERROR_SUCCESS)
    return false;
  const OwnedRegistryKey key(opened);
  const registry::StoredValue stored = registry::storedValue(value);
  return RegSetValueExA(key.get(), names.valueName.c_str(), 0, stored.type, stored.data.data(),
                        static_cast<DWORD>(stored.data.size())) == ERROR_SUCCESS;
}
