#pragma once
// A Tab's child list as pages: page 1's units, a 0, page 2's units, and so on.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

using TabPages = std::vector<std::vector<std::uint32_t>>;

TabPages pagesOf(std::span<const std::uint32_t> children);

// The page holding `unit`, or none.
std::optional<std::size_t> pageOf(const TabPages& pages, std::uint32_t unit);

// The unit that takes the focus when `page` is shown: the lowest focus order, the first listed on
// a tie; none for an empty page.
std::optional<std::uint32_t> focusOnShow(const std::vector<std::uint32_t>& page,
                                         std::span<const std::uint32_t> focusOrders);
