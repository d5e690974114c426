#pragma once
// A file dialog's filter text: "display|pattern" pairs joined by '|', e.g. "声音文件|*.wav".
#include <string>
#include <string_view>
#include <vector>

struct FilterEntry {
  std::string display, pattern;
  bool operator==(const FilterEntry&) const = default;
};

// A trailing display without a pattern is dropped; empty text gives no entries.
std::vector<FilterEntry> parseFilter(std::string_view filter);
