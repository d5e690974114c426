#pragma once
// WriteRegistryValue: one value written under a root key, the key opened for writing or created.
#include <string_view>

#include "features/about/registry_value.h"

// `rootCode` as registry::rootForCode reads it; `keyText` is the key path and the value name
// joined by a backslash (registry::splitKeyText). False when the key could be neither opened nor
// created or the value was refused.
bool WriteRegistryValue(int rootCode, std::string_view keyText, const registry::Value& value);
