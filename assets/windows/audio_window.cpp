// The audio window: the soundboard's four pages of effect buttons on 选择夹1, the custom effects
// and the sound-card check in 外形框2, on-top and exit buttons and the volume knob.
#include <array>
#include <string>

#include "assets/windows/audio_window_ids.h"
#include "assets/windows/unit_properties.h"
#include "assets/windows/window_description.h"
#include "ui/format/control_properties.h"

namespace {

using namespace audio_window;
namespace tw = type_word;

constexpr std::array<std::string_view, kPageCount> kPageNames = {"常用鼓点", "人物配音", "日常音效", "主持必备"};

// Captions of the page buttons, page by page, buttons 1 to 20.
constexpr std::string_view kCaptions[kPageCount][kButtonsPerPage] = {
    {"鼓点1",  "鼓点2",  "鼓点3",  "作者版权", "鼓点4",  "鼓点5",  "鼓点6",  "鼓点7",  "鼓点8",  "鼓点9",
     "未添加", "未添加", "未添加", "未添加",   "未添加", "未添加", "未添加", "未添加", "未添加", "停止播放"},
    {"说话快进", "女雅蠛蝶", "男人喊叫", "作者版权", "Oh~~No~~", "悲痛笑声", "男惨叫声",
     "搞笑呼救", "广东呼救", "女人哭声", "鞭打男人", "男人干咳", "淫荡笑声", "断续哭声",
     "小孩笑声", "女孩哭声", "婴儿哭声", "斗口哨声", "男嚎叫声", "停止播放"},
    {"汽车发动", "飞机轰鸣", "汽车鸣笛", "作者版权", "火车声音", "摩托声音", "电话铃声",
     "电话按键", "电话嘟嘟", "电话忙音", "小狗叫声", "苍蝇叫声", "倒水声音", "新闻30分",
     "党庆栏目", "非诚勿扰", "非诚勿扰", "亮灯音效", "灭灯音效", "停止播放"},
    {"持续掌声", "多人笑声", "哇不错哦", "作者版权", "鄙视的哦", "飞吻音效", "乌鸦飞过",
     "男声鬼叫", "灵异鬼声", "幽灵音效", "紧张气氛", "恐怖气氛", "怪异气氛", "沉闷气氛",
     "惊险气氛", "赌神出场", "开场音乐", "亡灵序曲", "卡农铃声", "停止播放"},
};

// Unit names of the page buttons: the page's name and the number.
const std::string& pageButtonName(int page, int n) {
  static const auto names = [] {
    std::array<std::array<std::string, kButtonsPerPage>, kPageCount> all;
    for (int p = 0; p < kPageCount; ++p)
      for (int i = 0; i < kButtonsPerPage; ++i) all[p][i] = std::string(kPageNames[p]) + std::to_string(i + 1);
    return all;
  }();
  return names[page][n - 1];
}

std::string windowProperties() {
  WindowProperties p = ownedWindow("澜星音频助手");
  p.backgroundColour = 0x00FFFFFF;
  return p.write();
}

std::string tabProperties() {
  TabProperties p;
  p.pageNames.assign(kPageNames.begin(), kPageNames.end());
  return p.write();
}

std::string pictureButton(std::string picture, std::uint32_t transparentColour = kDefaultColour) {
  PicBtnProperties p;
  p.normal = std::move(picture);
  p.transparentColour = transparentColour;
  return p.write();
}

std::string soundCardField() {
  EditBoxProperties p;
  p.inputMode = 1;  // read-only
  return p.write();
}

// A page button plays its effect, stops all sound ("停止播放") or does nothing ("未添加").
std::vector<EventBinding> pageButtonBindings(std::string_view caption) {
  if (caption == "未添加") return {};
  return {on(event::click, caption == "停止播放" ? Handler::stopAllSound : Handler::playPageEffect)};
}

// 选择夹1's child list: each page's buttons from 20 down to 1, a 0 between pages.
std::vector<std::uint32_t> tabChildren() {
  std::vector<std::uint32_t> children;
  for (int p = 0; p < kPageCount; ++p) {
    if (p > 0) children.push_back(0);
    for (int n = kButtonsPerPage; n >= 1; --n) children.push_back(pageButton(p, n));
  }
  return children;
}

void addPageButtons(std::vector<UnitDescription>& units) {
  constexpr std::int32_t kColumns[] = {1, 79, 156, 233};
  for (int p = 0; p < kPageCount; ++p)
    for (int n = 1; n <= kButtonsPerPage; ++n) {
      const std::string_view caption = kCaptions[p][n - 1];
      const Rect rect{kColumns[(n - 1) % 4], 5 + 30 * ((n - 1) / 4), 60, 20};
      units.push_back({pageButton(p, n), pageButtonName(p, n), tw::Button, 选择夹1, rect, flags::visibleTabStop,
                       kHandCursor, pageButtonBindings(caption), pushButton(caption)});
    }
}

}  // namespace

WindowDescription audioWindowDescription(const PictureFolder& pictures) {
  const auto customEffect = [](Unit id, std::string_view name, Rect rect, Handler play, Handler choose) {
    return UnitDescription{id,
                           name,
                           tw::Button,
                           外形框2,
                           rect,
                           flags::visibleTabStop,
                           kHandCursor,
                           {on(event::click, play), on(event::rightUp, choose)},
                           pushButton(name)};
  };
  const auto pageSelector = [](Unit id, std::string_view name, Rect rect, int page, Handler show) {
    return UnitDescription{id,
                           name,
                           tw::Button,
                           外形框1,
                           rect,
                           flags::visibleTabStop,
                           kHandCursor,
                           {on(event::click, show)},
                           defaultPushButton(kPageNames[page])};
  };
  constexpr std::uint32_t white = 0x00FFFFFF, green = 0x0000FF00, black = 0;
  const std::string mp3Dialog = fileDialog(file_dialog::open, "*.mp3|*.mp3");
  const std::string greenFrame = shapeFrame(black, 3, green);

  WindowDescription description{kWindowId, 0x19010041, {}, {}};
  std::vector<UnitDescription>& u = description.units;
  u.push_back({窗口,
               "",
               tw::window,
               0,
               {50, 50, 300, 320},
               flags::visible,
               0,
               {on(event::created, Handler::startAudioWindow)},
               windowProperties()});
  u.push_back({编辑框3, "编辑框3", tw::EditBox, 0, {75, 358, 30, 30}, flags::visibleTabStop});
  u.push_back({编辑框2, "编辑框2", tw::EditBox, 0, {46, 358, 30, 30}, flags::visibleTabStop});
  u.push_back({编辑框1, "编辑框1", tw::EditBox, 0, {16, 358, 30, 30}, flags::visibleTabStop});
  u.push_back({通用对话框3, "通用对话框3", tw::CommonDlg, 0, {75, 328, 30, 30}, flags::nonVisual, 0, {}, mp3Dialog});
  u.push_back({通用对话框2, "通用对话框2", tw::CommonDlg, 0, {46, 328, 30, 30}, flags::nonVisual, 0, {}, mp3Dialog});
  u.push_back({通用对话框1, "通用对话框1", tw::CommonDlg, 0, {16, 328, 30, 30}, flags::nonVisual, 0, {}, mp3Dialog});
  u.push_back(customEffect(自定义音效3, "自定义音效3", {210, 35, 75, 20}, Handler::playCustomEffect3,
                           Handler::chooseCustomEffect3));
  u.push_back(customEffect(自定义音效2, "自定义音效2", {110, 35, 75, 20}, Handler::playCustomEffect2,
                           Handler::chooseCustomEffect2));
  u.push_back(customEffect(自定义音效1, "自定义音效1", {10, 35, 75, 20}, Handler::playCustomEffect1,
                           Handler::chooseCustomEffect1));
  u.push_back({选择框1, "选择框1", tw::CheckBox, 0, {184, 272, 16, 16}, flags::visibleDisabledTabStop});
  u.push_back(
      {声卡输出框1, "声卡输出框1", tw::EditBox, 外形框2, {65, 7, 130, 18}, flags::visible, 0, {}, soundCardField()});
  u.push_back({分割线1,
               "分割线1",
               tw::TransLabel,
               外形框2,
               {3, 21, 304, 16},
               flags::visible,
               0,
               {},
               transLabel("------------------------------------------------", green)});
  u.push_back({声卡确认1,
               "声卡确认1",
               tw::Button,
               外形框2,
               {250, 6, 35, 18},
               flags::visible,
               kHandCursor,
               {on(event::click, Handler::confirmSoundCard)},
               pushButton("确认")});
  u.push_back({声卡检测1,
               "声卡检测1",
               tw::Button,
               外形框2,
               {205, 6, 35, 18},
               flags::visible,
               kHandCursor,
               {on(event::click, Handler::checkSoundCard)},
               pushButton("检测")});
  u.push_back({声卡输出1,
               "声卡输出1",
               tw::TransLabel,
               外形框2,
               {6, 8, 59, 16},
               flags::visible,
               0,
               {},
               transLabel("声卡输出：", white)});
  u.push_back({退出1,
               "退出1",
               tw::Button,
               0,
               {249, 270, 40, 18},
               flags::visibleTabStop,
               kHandCursor,
               {on(event::click, Handler::closeAudioWindow)},
               pushButton("退出")});
  u.push_back({置顶1,
               "置顶1",
               tw::Button,
               0,
               {200, 270, 40, 18},
               flags::visibleTabStop,
               kHandCursor,
               {on(event::click, Handler::toggleAudioOnTop)},
               pushButton("置顶")});
  u.push_back({系统音量1, "系统音量1", tw::SysVolume, 0, {146, 270, 24, 18}, flags::nonVisual});
  u.push_back(
      {音量1, "音量1", tw::TransLabel, 0, {5, 272, 31, 16}, flags::visible, 0, {}, transLabel("音量：", black)});
  u.push_back({音量拖动,
               "音量拖动",
               tw::PicBtn,
               0,
               {64, 275, 30, 8},
               flags::visible,
               kHandCursor,
               {on(event::leftDown, Handler::startKnobDrag), on(event::leftUp, Handler::endKnobDrag),
                on(event::mouseMove, Handler::moveKnob)},
               pictureButton(pictures(u8"volume-knob.bmp"), 0x00FF00FF)});
  u.push_back(pageSelector(类型4, "类型4", {228, 18, 60, 20}, 3, Handler::showPage4));
  u.push_back({外形框2, "外形框2", tw::ShapeBox, 0, {0, 200, 294, 65}, flags::visible, 0, {}, greenFrame});
  u.push_back(
      {选择夹1, "选择夹1", tw::Tab, 0, {0, 48, 294, 160}, flags::visible, 0, {}, tabProperties(), {}, tabChildren()});
  addPageButtons(u);
  u.push_back(pageSelector(类型3, "类型3", {154, 18, 60, 20}, 2, Handler::showPage3));
  u.push_back(pageSelector(类型1, "类型1", {5, 18, 60, 20}, 0, Handler::showPage1));
  u.push_back(pageSelector(类型2, "类型2", {80, 18, 60, 20}, 1, Handler::showPage2));
  u.push_back({类型选择2,
               "类型选择2",
               tw::TransLabel,
               外形框1,
               {0, 33, 385, 16},
               flags::visible,
               0,
               {},
               transLabel("└---------------------------------------------┘", white)});
  u.push_back({类型选择1,
               "类型选择1",
               tw::TransLabel,
               外形框1,
               {0, 3, 304, 16},
               flags::visible,
               0,
               {},
               transLabel("┌---(类型选择)--------------------------------┐", white)});
  u.push_back({外形框1, "外形框1", tw::ShapeBox, 0, {0, 3, 294, 45}, flags::visible, 0, {}, greenFrame});
  u.push_back({音量底图1,
               "音量底图1",
               tw::PicBtn,
               0,
               {40, 275, 97, 12},
               flags::visible,
               0,
               {},
               pictureButton(pictures(u8"volume-bar.jpg"))});
  return description;
}
