// What each of the audio window's 80 page buttons does when clicked, worked out the way the program
// does it (the click binding stored in the embedded window description, then the button's place
// from its unit id and the soundboard's table at that place) and held against the bindings written
// out here by hand.
#include <gtest/gtest.h>

#include <map>

#include "assets/windows/audio_window_ids.h"
#include "assets/windows/handlers.h"
#include "catalogue_rows.h"
#include "soundboard/bindings/page_bindings.h"
#include "ui/format/control_properties.h"
#include "ui/format/events.h"

namespace {

struct ButtonAction {
  std::string caption;
  std::string action;  // "FX-nn", "FX-nn loop", "stop" or "none"
  bool operator==(const ButtonAction&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ButtonAction& a) { return out << a.caption << " → " << a.action; }

std::string fx(int n) { return (n < 10 ? "FX-0" : "FX-") + std::to_string(n); }

ButtonAction actionOf(std::uint32_t id, const UnitRecord& unit) {
  const auto properties = ButtonProperties::read(unit.propertyData);
  const std::string caption = properties ? properties->caption : "?";
  for (const EventBinding& b : unit.bindings) {
    if (b.event != event::click) continue;
    if (b.handler == handlerReference(Handler::stopAllSound)) return {caption, "stop"};
    if (b.handler != handlerReference(Handler::playPageEffect)) return {caption, "other handler"};
    const auto position = audio_window::pageButtonPosition(id);
    if (!position) return {caption, "no page button"};
    const PageButtonBinding& binding = pageButtonBinding(position->page, position->n);
    if (binding.action != PageButtonBinding::Action::playEffect) return {caption, "no effect"};
    return {caption, fx(binding.effect) + (binding.loop ? " loop" : "")};
  }
  return {caption, "none"};
}

// Page by page, buttons 1 to 20.
const std::vector<std::vector<ButtonAction>> kExpected = {
    {{"鼓点1", "FX-41 loop"}, {"鼓点2", "FX-31 loop"}, {"鼓点3", "FX-63 loop"}, {"作者版权", "FX-02"},
     {"鼓点4", "FX-43 loop"}, {"鼓点5", "FX-32 loop"}, {"鼓点6", "FX-64 loop"}, {"鼓点7", "FX-11 loop"},
     {"鼓点8", "FX-23 loop"}, {"鼓点9", "FX-22 loop"}, {"未添加", "none"},      {"未添加", "none"},
     {"未添加", "none"},      {"未添加", "none"},      {"未添加", "none"},      {"未添加", "none"},
     {"未添加", "none"},      {"未添加", "none"},      {"未添加", "none"},      {"停止播放", "stop"}},
    {{"说话快进", "FX-58"}, {"女雅蠛蝶", "FX-60"}, {"男人喊叫", "FX-34"}, {"作者版权", "FX-02"}, {"Oh~~No~~", "FX-46"},
     {"悲痛笑声", "FX-28"}, {"男惨叫声", "FX-16"}, {"搞笑呼救", "FX-37"}, {"广东呼救", "FX-09"}, {"女人哭声", "FX-30"},
     {"鞭打男人", "FX-12"}, {"男人干咳", "FX-45"}, {"淫荡笑声", "FX-27"}, {"断续哭声", "FX-35"}, {"小孩笑声", "FX-47"},
     {"女孩哭声", "FX-52"}, {"婴儿哭声", "FX-61"}, {"斗口哨声", "FX-56"}, {"男嚎叫声", "FX-15"}, {"停止播放", "stop"}},
    {{"汽车发动", "FX-62"}, {"飞机轰鸣", "FX-51"}, {"汽车鸣笛", "FX-48"}, {"作者版权", "FX-02"}, {"火车声音", "FX-21"},
     {"摩托声音", "FX-26"}, {"电话铃声", "FX-13"}, {"电话按键", "FX-18"}, {"电话嘟嘟", "FX-06"}, {"电话忙音", "FX-57"},
     {"小狗叫声", "FX-08"}, {"苍蝇叫声", "FX-59"}, {"倒水声音", "FX-42"}, {"新闻30分", "FX-36"}, {"党庆栏目", "FX-29"},
     {"非诚勿扰", "FX-40"}, {"非诚勿扰", "FX-20"}, {"亮灯音效", "FX-44"}, {"灭灯音效", "FX-05"}, {"停止播放", "stop"}},
    {{"持续掌声", "FX-07"}, {"多人笑声", "FX-03"}, {"哇不错哦", "FX-55"}, {"作者版权", "FX-02"}, {"鄙视的哦", "FX-38"},
     {"飞吻音效", "FX-24"}, {"乌鸦飞过", "FX-25"}, {"男声鬼叫", "FX-04"}, {"灵异鬼声", "FX-01"}, {"幽灵音效", "FX-50"},
     {"紧张气氛", "FX-33"}, {"恐怖气氛", "FX-19"}, {"怪异气氛", "FX-53"}, {"沉闷气氛", "FX-10"}, {"惊险气氛", "FX-39"},
     {"赌神出场", "FX-14"}, {"开场音乐", "FX-49"}, {"亡灵序曲", "FX-17"}, {"卡农铃声", "FX-54"}, {"停止播放", "stop"}},
};

TEST(PageButtonActions, EveryButtonDoesWhatItsCaptionPromises) {
  std::map<std::uint32_t, UnitRecord> units;
  for (const StoredUnit& stored : embeddedWindow(audio_window::kWindowId).units)
    if (auto unit = readUnitRecord(stored.record)) units[stored.id] = *unit;
  for (int page = 0; page < audio_window::kPageCount; ++page) {
    for (int n = 1; n <= audio_window::kButtonsPerPage; ++n) {
      const auto found = units.find(audio_window::pageButton(page, n));
      ASSERT_NE(found, units.end()) << "page " << page + 1 << " button " << n;
      EXPECT_EQ(actionOf(found->first, found->second),
                kExpected[static_cast<std::size_t>(page)][static_cast<std::size_t>(n - 1)])
          << found->second.name;
    }
  }
}

}  // namespace
