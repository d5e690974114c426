#include "sound/effects/tools/mandarin_syllables.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {
// Sorted by the character's UTF-8 bytes. 星 (xing1) has no recording in the voice: it is spoken
// as 心 (xin1), the nearest syllable that has one.
constexpr std::array<std::pair<std::u8string_view, std::u8string_view>, 73> kSyllables = {{
    {u8"一", u8"ㄧ4"},     {u8"上", u8"ㄕㄤ4"},   {u8"不", u8"ㄅㄨ2"},  {u8"么", u8"ㄇㄜ1"},   {u8"事", u8"ㄕ4"},
    {u8"人", u8"ㄖㄣ2"},   {u8"什", u8"ㄕㄣ2"},   {u8"今", u8"ㄐㄧㄣ"}, {u8"们", u8"ㄇㄣ"},    {u8"位", u8"ㄨㄟ4"},
    {u8"先", u8"ㄒㄧㄢ"},  {u8"公", u8"ㄍㄨㄥ"},  {u8"具", u8"ㄐㄩ4"},  {u8"到", u8"ㄉㄠ4"},   {u8"助", u8"ㄓㄨ4"},
    {u8"友", u8"ㄧㄡ3"},   {u8"发", u8"ㄈㄚ"},    {u8"各", u8"ㄍㄜ4"},  {u8"吧", u8"ㄅㄚ1"},   {u8"听", u8"ㄊㄧㄥ"},
    {u8"告", u8"ㄍㄠ4"},   {u8"命", u8"ㄇㄧㄥ4"}, {u8"哇", u8"ㄨㄚ"},   {u8"哦", u8"ㄛ2"},     {u8"啊", u8"ㄚ1"},
    {u8"在", u8"ㄗㄞ4"},   {u8"大", u8"ㄉㄚ4"},   {u8"天", u8"ㄊㄧㄢ"}, {u8"好", u8"ㄏㄠ3"},   {u8"家", u8"ㄐㄧㄚ"},
    {u8"屏", u8"ㄆㄧㄥ2"}, {u8"工", u8"ㄍㄨㄥ"},  {u8"很", u8"ㄏㄣ3"},  {u8"快", u8"ㄎㄨㄞ4"}, {u8"情", u8"ㄑㄧㄥ2"},
    {u8"想", u8"ㄒㄧㄤ3"}, {u8"感", u8"ㄍㄢ3"},   {u8"我", u8"ㄨㄛ3"},  {u8"所", u8"ㄙㄨㄛ3"}, {u8"手", u8"ㄕㄡ3"},
    {u8"持", u8"ㄔ2"},     {u8"播", u8"ㄅㄛ"},    {u8"支", u8"ㄓ"},     {u8"救", u8"ㄐㄧㄡ4"}, {u8"星", u8"ㄒㄧㄣ"},
    {u8"最", u8"ㄗㄨㄟ4"}, {u8"有", u8"ㄧㄡ3"},   {u8"朋", u8"ㄆㄥ2"},  {u8"权", u8"ㄑㄩㄢ2"}, {u8"来", u8"ㄌㄞ2"},
    {u8"欢", u8"ㄏㄨㄢ"},  {u8"歌", u8"ㄍㄜ"},    {u8"气", u8"ㄑㄧ4"},  {u8"澜", u8"ㄌㄢ2"},   {u8"版", u8"ㄅㄢ3"},
    {u8"生", u8"ㄕㄥ"},    {u8"的", u8"ㄉㄜ1"},   {u8"直", u8"ㄓ2"},    {u8"箱", u8"ㄒㄧㄤ"},  {u8"聊", u8"ㄌㄧㄠ2"},
    {u8"蝶", u8"ㄉㄧㄝ2"}, {u8"蠛", u8"ㄇㄧㄝ4"}, {u8"诉", u8"ㄙㄨ4"},  {u8"请", u8"ㄑㄧㄥ3"}, {u8"谢", u8"ㄒㄧㄝ4"},
    {u8"起", u8"ㄑㄧ3"},   {u8"趣", u8"ㄑㄩ4"},   {u8"迎", u8"ㄧㄥ2"},  {u8"近", u8"ㄐㄧㄣ4"}, {u8"错", u8"ㄘㄨㄛ4"},
    {u8"间", u8"ㄐㄧㄢ"},  {u8"雅", u8"ㄧㄚ3"},   {u8"首", u8"ㄕㄡ3"},
}};
}  // namespace

std::u8string_view syllableOf(std::u8string_view character) {
  const auto found = std::lower_bound(kSyllables.begin(), kSyllables.end(), character,
                                      [](const auto& row, std::u8string_view c) { return row.first < c; });
  return found != kSyllables.end() && found->first == character ? found->second : std::u8string_view{};
}
