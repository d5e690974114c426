#include "ui/controls/tab_pages.h"

#include <algorithm>

TabPages pagesOf(std::span<const std::uint32_t> children) {
  TabPages pages(1);
  for (std::uint32_t id : children) {
    if (id == 0)
      pages.emplace_back();
    else
      pages.back().push_back(id);
  }
  return pages;
}

std::optional<std::size_t> pageOf(const TabPages& pages, std::uint32_t unit) {
  for (std::size_t p = 0; p < pages.size(); ++p)
    if (std::find(pages[p].begin(), pages[p].end(), unit) != pages[p].end()) return p;
  return std::nullopt;
}

std::optional<std::uint32_t> focusOnShow(const std::vector<std::uint32_t>& page,
                                         std::span<const std::uint32_t> focusOrders) {
  if (page.empty()) return std::nullopt;
  std::size_t best = 0;
  for (std::size_t i = 1; i < page.size() && i < focusOrders.size(); ++i)
    if (focusOrders[i] < focusOrders[best]) best = i;
  return page[best];
}
