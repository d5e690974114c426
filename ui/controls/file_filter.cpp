#include "ui/controls/file_filter.h"

std::vector<FilterEntry> parseFilter(std::string_view filter) {
  std::vector<std::string_view> parts;
  while (!filter.empty()) {
    const std::size_t bar = filter.find('|');
    parts.push_back(filter.substr(0, bar));
    filter = bar == std::string_view::npos ? std::string_view{} : filter.substr(bar + 1);
  }
  std::vector<FilterEntry> entries;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2)
    entries.push_back({std::string(parts[i]), std::string(parts[i + 1])});
  return entries;
}
