#include "soundboard/bindings/page_bindings.h"

namespace {

using Action = PageButtonBinding::Action;

constexpr PageButtonBinding play(std::string_view unit, int effect) { return {unit, Action::playEffect, effect, false}; }
constexpr PageButtonBinding loop(std::string_view unit, int effect) { return {unit, Action::playEffect, effect, true}; }
constexpr PageButtonBinding stop(std::string_view unit) { return {unit, Action::stopOnly}; }
constexpr PageButtonBinding none(std::string_view unit) { return {unit, Action::none}; }

// Button 4 of every page is the signature jingle, FX-02; button 20 stops all sound.
constexpr std::array<PageButtonBinding, kPageButtonCount> kBindings = {{
    loop("常用鼓点1", 41), loop("常用鼓点2", 31), loop("常用鼓点3", 63), play("常用鼓点4", 2),
    loop("常用鼓点5", 43), loop("常用鼓点6", 32), loop("常用鼓点7", 64), loop("常用鼓点8", 11),
    loop("常用鼓点9", 23), loop("常用鼓点10", 22), none("常用鼓点11"), none("常用鼓点12"),
    none("常用鼓点13"), none("常用鼓点14"), none("常用鼓点15"), none("常用鼓点16"),
    none("常用鼓点17"), none("常用鼓点18"), none("常用鼓点19"), stop("常用鼓点20"),

    play("人物配音1", 58), play("人物配音2", 60), play("人物配音3", 34), play("人物配音4", 2),
    play("人物配音5", 46), play("人物配音6", 28), play("人物配音7", 16), play("人物配音8", 37),
    play("人物配音9", 9), play("人物配音10", 30), play("人物配音11", 12), play("人物配音12", 45),
    play("人物配音13", 27), play("人物配音14", 35), play("人物配音15", 47), play("人物配音16", 52),
    play("人物配音17", 61), play("人物配音18", 56), play("人物配音19", 15), stop("人物配音20"),

    play("日常音效1", 62), play("日常音效2", 51), play("日常音效3", 48), play("日常音效4", 2),
    play("日常音效5", 21), play("日常音效6", 26), play("日常音效7", 13), play("日常音效8", 18),
    play("日常音效9", 6), play("日常音效10", 57), play("日常音效11", 8), play("日常音效12", 59),
    play("日常音效13", 42), play("日常音效14", 36), play("日常音效15", 29), play("日常音效16", 40),
    play("日常音效17", 20), play("日常音效18", 44), play("日常音效19", 5), stop("日常音效20"),

    play("主持必备1", 7), play("主持必备2", 3), play("主持必备3", 55), play("主持必备4", 2),
    play("主持必备5", 38), play("主持必备6", 24), play("主持必备7", 25), play("主持必备8", 4),
    play("主持必备9", 1), play("主持必备10", 50), play("主持必备11", 33), play("主持必备12", 19),
    play("主持必备13", 53), play("主持必备14", 10), play("主持必备15", 39), play("主持必备16", 14),
    play("主持必备17", 49), play("主持必备18", 17), play("主持必备19", 54), stop("主持必备20"),
}};

}  // namespace

const std::array<PageButtonBinding, kPageButtonCount>& pageButtonBindings() { return kBindings; }

std::optional<PageButtonBinding> pageButtonBinding(std::string_view unit) {
  for (const PageButtonBinding& b : kBindings)
    if (b.unit == unit) return b;
  return std::nullopt;
}
