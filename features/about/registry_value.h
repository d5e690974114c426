#pragma once
// WriteRegistryValue's portable half: which root a code names, where a key text splits into key
// path and value name, and the bytes each kind of value is stored as.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace registry {

enum class Root { classesRoot, currentConfig, currentUser, localMachine, users };

// 1 classes root, 2 current config, 3 current user, 4 local machine, 5 users; anything else is the
// current user.
Root rootForCode(int code);

struct KeyAndValueName {
  std::string keyPath;
  std::string valueName;
  bool operator==(const KeyAndValueName&) const = default;
};

// Splits at the last backslash that is a character of its own: a GBK trail byte equal to 0x5C is
// stepped over. No backslash: an empty key path and the whole text as the value name.
KeyAndValueName splitKeyText(std::string_view keyText);

using Value = std::variant<std::string, std::uint32_t, std::vector<std::uint8_t>>;

// The value's registry type and data: REG_SZ with its terminating zero byte, REG_DWORD little-
// endian, REG_BINARY as given.
inline constexpr std::uint32_t kTypeText = 1, kTypeBinary = 3, kTypeDword = 4;
struct StoredValue {
  std::uint32_t type;
  std::vector<std::uint8_t> data;
  bool operator==(const StoredValue&) const = default;
};
StoredValue storedValue(const Value& value);

}  // namespace registry
