// Every unit of the five windows, derived from the block the program embeds, against rows written
// out here by hand, in record order.
#include <gtest/gtest.h>

#include "assets/windows/handlers.h"
#include "catalogue_rows.h"
#include "ui/format/events.h"

namespace {

using H = Handler;
using Bindings = std::vector<EventBinding>;

EventBinding on(std::int32_t e, H h) { return {e, handlerReference(h)}; }
Bindings click(H h) { return {on(event::click, h)}; }

const char* const V = "visible";
const char* const VT = "visible, tab stop";
const char* const VDT = "visible, disabled, tab stop";
const char* const NV = "non-visual";

void expectRows(std::uint32_t windowId, const std::vector<CatalogueRow>& expected) {
  const std::vector<CatalogueRow> rows = rowsOf(embeddedWindow(windowId));
  ASSERT_EQ(rows.size(), expected.size());
  for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i], expected[i]) << "record " << i;
}

TEST(WindowCatalogue, MainWindow) {
  const auto big = [](const char* name, const char* parent, const char* pictures, H h) {
    return CatalogueRow{name, "PicBtn", parent, 1, 1, 130, 30, V, "hand", pictures, click(h)};
  };
  const auto small = [](const char* name, const char* parent, const char* pictures, H h) {
    return CatalogueRow{name, "PicBtn", parent, 1, 1, 30, 15, V, "hand", pictures, click(h)};
  };
  const auto link = [](const char* name, const char* parent, const char* text, H h) {
    return CatalogueRow{name, "TransLabel", parent, 5, 1, 50, 20, V, "hand", text, {on(event::leftUp, h)}};
  };
  const auto box = [](const char* name, const char* type, const char* parent, std::int32_t l, std::int32_t t,
                      std::int32_t w, std::int32_t h) { return CatalogueRow{name, type, parent, l, t, w, h, V}; };
  expectRows(0x52010001,
             {
                 {"(window)",
                  "window",
                  "-",
                  50,
                  50,
                  150,
                  340,
                  V,
                  "",
                  "澜星助手工具箱v1.6; icon 432254",
                  {on(event::created, H::startMainWindow), on(event::trayIcon, H::mainWindowTrayIcon)}},
                 {"编辑框3", "EditBox", "window", 88, 360, 22, 24, VT},
                 {"编辑框2", "EditBox", "window", 64, 360, 22, 24, VT},
                 {"编辑框1", "EditBox", "window", 42, 360, 22, 24, VT},
                 {"标签1", "Label", "window", 8, 360, 30, 20, V, "", "", {on(event::feedback, H::hotkeyPressed)}},
                 small("退出1", "退出2", "normal JPEG 1045; hover JPEG 1151", H::quitProgram),
                 small("隐藏1", "隐藏2", "normal JPEG 1058; hover JPEG 1185", H::hideMainWindow),
                 small("置顶1", "置顶2", "normal JPEG 1056; hover JPEG 1170", H::toggleMainOnTop),
                 big("网址导航1", "网址导航2", "normal JPEG 2849; hover JPEG 2905", H::setBrowserStartPage),
                 big("挂机工具1", "挂机工具2", "normal JPEG 2788; hover JPEG 2858", H::openLockWindow),
                 big("记事本1", "记事本2", "normal JPEG 2661; hover JPEG 2715", H::openNotepadWindow),
                 big("录音软件1", "录音软件2", "normal JPEG 2842; hover JPEG 2895", H::openRecorderWindow),
                 big("音频助手1", "音频助手2", "normal JPEG 2810; hover JPEG 2849", H::openAudioWindow),
                 box("网址导航2", "ShapeBox", "window", 6, 170, 132, 32),
                 box("作者空间2", "ShapeBox", "外形框1", 70, 49, 57, 22),
                 link("作者空间1", "作者空间2", "作者空间", H::openAuthorPage),
                 box("收费标准2", "ShapeBox", "外形框1", 5, 49, 57, 22),
                 link("收费标准1", "收费标准2", "收费标准", H::showPriceListBox),
                 box("联系作者2", "ShapeBox", "外形框1", 70, 20, 57, 22),
                 link("联系作者1", "联系作者2", "联系作者", H::showContactBox),
                 link("检测更新1", "检测更新2", "检测更新", H::openUpdatePage),
                 box("检测更新2", "ShapeBox", "外形框1", 5, 20, 57, 22),
                 {"关于软件2", "TransLabel", "window", 3, 273, 140, 20, V, "", "└-------------------┘"},
                 {"关于软件1", "TransLabel", "window", 3, 206, 140, 20, V, "", "┌-(关于软件)--------┐"},
                 {"置顶选择框1", "CheckBox", "window", 9, 291, 15, 15, VDT},
                 box("音频助手2", "ShapeBox", "window", 6, 9, 132, 32),
                 box("录音软件2", "ShapeBox", "window", 6, 49, 132, 32),
                 box("记事本2", "ShapeBox", "window", 6, 89, 132, 32),
                 box("挂机工具2", "ShapeBox", "window", 6, 129, 132, 32),
                 box("置顶2", "PicBox", "window", 24, 290, 32, 17),
                 box("退出2", "PicBox", "window", 104, 290, 32, 17),
                 box("隐藏2", "PicBox", "window", 64, 290, 32, 17),
                 box("外形框1", "ShapeBox", "window", 6, 205, 132, 80),
             });
}

// Captions of the page buttons as the catalogue prints them: row n, one column per page.
const char* const kPageCaptions[20][4] = {
    {"鼓点1", "说话快进", "汽车发动", "持续掌声"},  {"鼓点2", "女雅蠛蝶", "飞机轰鸣", "多人笑声"},
    {"鼓点3", "男人喊叫", "汽车鸣笛", "哇不错哦"},  {"作者版权", "作者版权", "作者版权", "作者版权"},
    {"鼓点4", "Oh~~No~~", "火车声音", "鄙视的哦"},  {"鼓点5", "悲痛笑声", "摩托声音", "飞吻音效"},
    {"鼓点6", "男惨叫声", "电话铃声", "乌鸦飞过"},  {"鼓点7", "搞笑呼救", "电话按键", "男声鬼叫"},
    {"鼓点8", "广东呼救", "电话嘟嘟", "灵异鬼声"},  {"鼓点9", "女人哭声", "电话忙音", "幽灵音效"},
    {"未添加", "鞭打男人", "小狗叫声", "紧张气氛"}, {"未添加", "男人干咳", "苍蝇叫声", "恐怖气氛"},
    {"未添加", "淫荡笑声", "倒水声音", "怪异气氛"}, {"未添加", "断续哭声", "新闻30分", "沉闷气氛"},
    {"未添加", "小孩笑声", "党庆栏目", "惊险气氛"}, {"未添加", "女孩哭声", "非诚勿扰", "赌神出场"},
    {"未添加", "婴儿哭声", "非诚勿扰", "开场音乐"}, {"未添加", "斗口哨声", "亮灯音效", "亡灵序曲"},
    {"未添加", "男嚎叫声", "灭灯音效", "卡农铃声"}, {"停止播放", "停止播放", "停止播放", "停止播放"},
};
const char* const kPages[4] = {"常用鼓点", "人物配音", "日常音效", "主持必备"};

// Page by page, 1 to 20: left 1, 79, 156 or 233 by column, top 5 + 30 per row. Number 20 stops
// all sound, 常用鼓点11 to 19 do nothing, every other button plays its effect.
std::vector<CatalogueRow> pageButtonRows() {
  std::vector<CatalogueRow> rows;
  const std::int32_t columns[] = {1, 79, 156, 233};
  for (int page = 0; page < 4; ++page)
    for (int n = 1; n <= 20; ++n) {
      const Bindings bindings = n == 20                ? click(H::stopAllSound)
                                : page == 0 && n >= 11 ? Bindings{}
                                                       : click(H::playPageEffect);
      rows.push_back({kPages[page] + std::to_string(n), "Button", "选择夹1", columns[(n - 1) % 4],
                      5 + 30 * ((n - 1) / 4), 60, 20, VT, "hand", kPageCaptions[n - 1][page], bindings});
    }
  return rows;
}

TEST(WindowCatalogue, AudioWindow) {
  const auto button = [](const char* name, const char* parent, std::int32_t l, std::int32_t t, std::int32_t w,
                         std::int32_t h, const char* flags, const char* caption, Bindings b) {
    return CatalogueRow{name, "Button", parent, l, t, w, h, flags, "hand", caption, std::move(b)};
  };
  const auto custom = [&](const char* name, std::int32_t left, H play, H choose) {
    return button(name, "外形框2", left, 35, 75, 20, VT, name, {on(event::click, play), on(event::rightUp, choose)});
  };
  const auto label = [](const char* name, const char* parent, std::int32_t l, std::int32_t t, std::int32_t w,
                        const char* text) {
    return CatalogueRow{name, "TransLabel", parent, l, t, w, 16, V, "", text};
  };
  const auto dialog = [](const char* name, std::int32_t left) {
    return CatalogueRow{name, "CommonDlg", "window", left, 328, 30, 30, NV, "", "open *.mp3|*.mp3"};
  };
  std::vector<CatalogueRow> rows = {
      {"(window)", "window", "-", 50, 50, 300, 320, V, "", "澜星音频助手", {on(event::created, H::startAudioWindow)}},
      {"编辑框3", "EditBox", "window", 75, 358, 30, 30, VT},
      {"编辑框2", "EditBox", "window", 46, 358, 30, 30, VT},
      {"编辑框1", "EditBox", "window", 16, 358, 30, 30, VT},
      dialog("通用对话框3", 75),
      dialog("通用对话框2", 46),
      dialog("通用对话框1", 16),
      custom("自定义音效3", 210, H::playCustomEffect3, H::chooseCustomEffect3),
      custom("自定义音效2", 110, H::playCustomEffect2, H::chooseCustomEffect2),
      custom("自定义音效1", 10, H::playCustomEffect1, H::chooseCustomEffect1),
      {"选择框1", "CheckBox", "window", 184, 272, 16, 16, VDT},
      {"声卡输出框1", "EditBox", "外形框2", 65, 7, 130, 18, V},
      label("分割线1", "外形框2", 3, 21, 304, "------------------------------------------------"),
      button("声卡确认1", "外形框2", 250, 6, 35, 18, V, "确认", click(H::confirmSoundCard)),
      button("声卡检测1", "外形框2", 205, 6, 35, 18, V, "检测", click(H::checkSoundCard)),
      label("声卡输出1", "外形框2", 6, 8, 59, "声卡输出："),
      button("退出1", "window", 249, 270, 40, 18, VT, "退出", click(H::closeAudioWindow)),
      button("置顶1", "window", 200, 270, 40, 18, VT, "置顶", click(H::toggleAudioOnTop)),
      {"系统音量1", "SysVolume", "window", 146, 270, 24, 18, NV},
      label("音量1", "window", 5, 272, 31, "音量："),
      {"音量拖动",
       "PicBtn",
       "window",
       64,
       275,
       30,
       8,
       V,
       "hand",
       "normal BMP 792",
       {on(event::leftDown, H::startKnobDrag), on(event::leftUp, H::endKnobDrag), on(event::mouseMove, H::moveKnob)}},
      button("类型4", "外形框1", 228, 18, 60, 20, VT, "主持必备", click(H::showPage4)),
      {"外形框2", "ShapeBox", "window", 0, 200, 294, 65, V},
      {"选择夹1", "Tab", "window", 0, 48, 294, 160, V, "", "常用鼓点, 人物配音, 日常音效, 主持必备"},
  };
  for (CatalogueRow& r : pageButtonRows()) rows.push_back(std::move(r));
  const std::vector<CatalogueRow> rest = {
      button("类型3", "外形框1", 154, 18, 60, 20, VT, "日常音效", click(H::showPage3)),
      button("类型1", "外形框1", 5, 18, 60, 20, VT, "常用鼓点", click(H::showPage1)),
      button("类型2", "外形框1", 80, 18, 60, 20, VT, "人物配音", click(H::showPage2)),
      label("类型选择2", "外形框1", 0, 33, 385, "└---------------------------------------------┘"),
      label("类型选择1", "外形框1", 0, 3, 304, "┌---(类型选择)--------------------------------┐"),
      {"外形框1", "ShapeBox", "window", 0, 3, 294, 45, V},
      {"音量底图1", "PicBtn", "window", 40, 275, 97, 12, V, "", "normal JPEG 9485"},
  };
  rows.insert(rows.end(), rest.begin(), rest.end());
  expectRows(0x52010041, rows);
}

TEST(WindowCatalogue, RecorderWindow) {
  const auto label = [](const char* name, std::int32_t left, const char* text) {
    return CatalogueRow{name, "TransLabel", "window", left, -2, 65, 24, V, "", text};
  };
  const auto choice = [](const char* name, std::int32_t left, const char* items) {
    return CatalogueRow{
        name, "ComboBox", "window", left, 20, 100, 20, VT, "", items, {on(event::itemChosen, H::recordFormatChosen)}};
  };
  const auto button = [](const char* name, std::int32_t left, const char* caption, H h) {
    return CatalogueRow{name, "Button", "window", left, 240, 50, 20, VT, "", caption, click(h)};
  };
  const auto outside = [](const char* name, const char* type, std::int32_t top, Bindings b = {}) {
    return CatalogueRow{name, type, "window", 376, top, 26, 26, NV, "", "", std::move(b)};
  };
  expectRows(0x52010137,
             {
                 {"(window)",
                  "window",
                  "-",
                  50,
                  50,
                  344,
                  290,
                  V,
                  "",
                  "澜星录音软件; icon 4286",
                  {on(event::created, H::startRecorderWindow), on(event::mayClose, H::stopRecorderBeforeClosing)}},
                 label("透明标签3", 230, "采样大小："),
                 label("透明标签2", 120, "采样率："),
                 label("透明标签1", 10, "线路数："),
                 choice("组合框3", 230, "8字节=8, 16字节=16"),
                 choice("组合框2", 120, "8000HZ=8000, 11025HZ=11025, 22050HZ=22050, 44100HZ=44100"),
                 choice("组合框1", 10, "单声道=1, 立体声双声道=2"),
                 outside("录音音波控件", "WaveInForm", 152),
                 outside("录音控件", "WaveRecord", 128),
                 outside("时间时钟", "Timer", 104, {on(event::tick, H::elapsedTimeTick)}),
                 {"通用对话框", "CommonDlg", "window", 376, 48, 26, 26, NV, "", "save 声音文件|*.wav preset *.wav"},
                 {"曲线图控件1", "LineChart", "外形框1", -46, -9, 407, 200, VT},
                 {"外形框1", "ShapeBox", "window", 7, 45, 325, 190, V},
                 button("保存按钮", 280, "保存", H::saveRecording),
                 button("继续按钮", 144, "继续", H::resumeRecording),
                 button("暂停按钮", 75, "暂停", H::pauseRecording),
                 button("停止按钮", 213, "停止", H::stopRecording),
                 outside("波形时钟", "Timer", 77, {on(event::tick, H::waveformTick)}),
                 button("录音按钮", 8, "录音", H::startRecording),
             });
}

TEST(WindowCatalogue, NotepadWindow) {
  expectRows(0x52010188,
             {
                 {"(window)",
                  "window",
                  "-",
                  50,
                  50,
                  509,
                  365,
                  V,
                  "",
                  "澜星　记事本",
                  {on(event::created, H::loadNotepadText), on(event::aboutToBeDestroyed, H::saveNotepadText)}},
                 {"编辑框1", "EditBox", "window", -1, -1, 505, 321, VT},
             });
}

TEST(WindowCatalogue, LockWindow) {
  const auto button = [](const char* name, std::int32_t l, std::int32_t t, const char* flags, const char* caption,
                         H h) {
    return CatalogueRow{name, "Button", "window", l, t, 40, 20, flags, "hand", caption, click(h)};
  };
  expectRows(0x5201019D,
             {
                 {"(window)",
                  "window",
                  "-",
                  50,
                  50,
                  270,
                  102,
                  V,
                  "own",
                  "澜星挂机工具",
                  {on(event::created, H::startLockWindow), on(event::mayClose, H::refuseClosingLockWindow)}},
                 {"透明标签3", "TransLabel", "window", 322, 3, 454, 20, V},
                 button("按钮3", 270, 5, "hidden, tab stop", "确认", H::unlock),
                 button("按钮2", 220, 55, VT, "取消", H::closeLockWindow),
                 button("按钮1", 170, 55, VT, "确认", H::setPasswordAndLock),
                 {"编辑框2", "EditBox", "window", 85, 30, 175, 20, VT},
                 {"编辑框1", "EditBox", "window", 85, 5, 175, 20, VT},
                 {"透明标签2", "TransLabel", "window", 10, 30, 70, 20, V, "", "请确认密码："},
                 {"透明标签1", "TransLabel", "window", 10, 5, 70, 20, V, "", "请设置密码："},
                 {"时钟1", "Timer", "window", 8, 52, 48, 32, NV, "", "", {on(event::tick, H::keepLockScreenInPlace)}},
             });
}

}  // namespace
