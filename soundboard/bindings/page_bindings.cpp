#include "soundboard/bindings/page_bindings.h"

#include <array>

namespace {

using Action = PageButtonBinding::Action;

constexpr PageButtonBinding play(int effect) { return {Action::playEffect, effect, false}; }
constexpr PageButtonBinding loop(int effect) { return {Action::playEffect, effect, true}; }
constexpr PageButtonBinding stop() { return {Action::stopOnly}; }
constexpr PageButtonBinding none() { return {Action::none}; }

// Page by page, buttons 1 to 20, four to a row as they are laid out. Button 4 of every page is the
// signature jingle, FX-02; button 20 stops all sound.
using Page = std::array<PageButtonBinding, audio_window::kButtonsPerPage>;
constexpr std::array<Page, audio_window::kPageCount> kBindings = {{
    Page{loop(41), loop(31), loop(63), play(2),  // 常用鼓点
         loop(43), loop(32), loop(64), loop(11), loop(23), loop(22), none(), none(),
         none(),   none(),   none(),   none(),   none(),   none(),   none(), stop()},
    Page{play(58), play(60), play(34), play(2),  // 人物配音
         play(46), play(28), play(16), play(37), play(9),  play(30), play(12), play(45),
         play(27), play(35), play(47), play(52), play(61), play(56), play(15), stop()},
    Page{play(62), play(51), play(48), play(2),  // 日常音效
         play(21), play(26), play(13), play(18), play(6),  play(57), play(8), play(59),
         play(42), play(36), play(29), play(40), play(20), play(44), play(5), stop()},
    Page{play(7),  play(3),  play(55), play(2),  // 主持必备
         play(38), play(24), play(25), play(4),  play(1),  play(50), play(33), play(19),
         play(53), play(10), play(39), play(14), play(49), play(17), play(54), stop()},
}};

}  // namespace

const PageButtonBinding& pageButtonBinding(int page, int n) {
  return kBindings.at(static_cast<std::size_t>(page)).at(static_cast<std::size_t>(n - 1));
}
