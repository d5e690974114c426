#include "features/about/registry_value.h"

#include "ui/gbk.h"

namespace registry {

Root rootForCode(int code) {
  switch (code) {
    case 1: return Root::classesRoot;
    case 2: return Root::currentConfig;
    case 4: return Root::localMachine;
    case 5: return Root::users;
    default: return Root::currentUser;
  }
}

KeyAndValueName splitKeyText(std::string_view keyText) {
  const gbk::SplitAtBackslash split = gbk::splitAtLastBackslash(keyText);
  return {std::string(split.before), std::string(split.after)};
}

StoredValue storedValue(const Value& value) {
  if (const auto* text = std::get_if<std::string>(&value)) {
    std::vector<std::uint8_t> data(text->begin(), text->end());
    data.push_back(0);
    return {kTypeText, std::move(data)};
  }
  if (const auto* number = std::get_if<std::uint32_t>(&value)) {
    const std::uint32_t n = *number;
    return {kTypeDword,
            {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n >> 16),
             static_cast<std::uint8_t>(n >> 24)}};
  }
  return {kTypeBinary, std::get<std::vector<std::uint8_t>>(value)};
}

}  // namespace registry
