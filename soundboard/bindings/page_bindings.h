#pragma once
// What each of the audio window's 80 page buttons does when clicked: play a built-in effect (after
// stopping all sound, maybe in a loop), only stop all sound, or nothing at all.
#include <array>
#include <optional>
#include <string_view>

struct PageButtonBinding {
  enum class Action { playEffect, stopOnly, none };
  std::string_view unit;  // the button's unit name, e.g. "主持必备1"
  Action action;
  int effect = 0;  // FX number 1..64 for playEffect
  bool loop = false;
};

inline constexpr int kPageButtonCount = 80;
const std::array<PageButtonBinding, kPageButtonCount>& pageButtonBindings();

// The binding of a page button by unit name; nothing for a unit that is no page button.
std::optional<PageButtonBinding> pageButtonBinding(std::string_view unit);
