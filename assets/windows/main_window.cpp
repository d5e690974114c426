// The main window: the launcher at the top right of the screen, with its tray menu.
#include "assets/windows/main_window_ids.h"
#include "assets/windows/unit_properties.h"
#include "assets/windows/window_description.h"
#include "ui/format/property_data.h"

namespace {

using namespace main_window;
namespace tw = type_word;

std::string windowProperties(const PictureFolder& pictures) {
  WindowProperties p;
  p.border = 4;
  p.backgroundColour = 0x00FFFFFF;
  p.controlBox = 0;
  p.positionMode = 1;
  p.shownInTaskBar = 1;
  p.keepCaptionActive = 1;
  p.icon = pictures(u8"main-icon.ico");
  p.caption = "澜星助手工具箱v1.6";
  return p.write();
}

// A picture button with a normal and a hover picture: <stem>.normal.jpg and <stem>.hover.jpg.
std::string pictureButton(const PictureFolder& pictures, std::u8string_view stem) {
  PicBtnProperties p;
  p.normal = pictures(std::u8string(stem) + u8".normal.jpg");
  p.hover = pictures(std::u8string(stem) + u8".hover.jpg");
  return p.write();
}

// Frames round the big buttons, and the black ones behind the white link labels.
const std::string kButtonFrame = shapeFrame(kDefaultColour, 3, 0x008080);
const std::string kLinkFrame = shapeFrame(0x000000, 1, 0x00FFFF);

std::string smallFrame() {
  PicBoxProperties p;
  p.backgroundColour = 0x0080FF;
  return p.write();
}

std::string whiteLabel(std::string_view text) { return transLabel(text, 0x00FFFFFF); }

}  // namespace

WindowDescription mainWindowDescription(const PictureFolder& pictures) {
  const auto button = [&](Unit id, std::string_view name, std::u8string_view pictureStem, Unit parent, Rect rect,
                          Handler click) {
    return UnitDescription{id,
                           name,
                           tw::PicBtn,
                           parent,
                           rect,
                           flags::visible,
                           kHandCursor,
                           {on(event::click, click)},
                           pictureButton(pictures, pictureStem)};
  };
  const auto link = [&](Unit id, std::string_view name, Unit parent, std::string_view text, Handler leftUp) {
    return UnitDescription{id,
                           name,
                           tw::TransLabel,
                           parent,
                           {5, 1, 50, 20},
                           flags::visible,
                           kHandCursor,
                           {on(event::leftUp, leftUp)},
                           whiteLabel(text)};
  };
  const Rect small{1, 1, 30, 15}, big{1, 1, 130, 30};
  return WindowDescription{
      kWindowId,
      0x19010001,
      {
          {窗口,
           "",
           tw::window,
           0,
           {50, 50, 150, 340},
           flags::visible,
           0,
           {on(event::created, Handler::startMainWindow), on(event::trayIcon, Handler::mainWindowTrayIcon)},
           windowProperties(pictures)},
          {编辑框3, "编辑框3", tw::EditBox, 0, {88, 360, 22, 24}, flags::visibleTabStop},
          {编辑框2, "编辑框2", tw::EditBox, 0, {64, 360, 22, 24}, flags::visibleTabStop},
          {编辑框1, "编辑框1", tw::EditBox, 0, {42, 360, 22, 24}, flags::visibleTabStop},
          {标签1,
           "标签1",
           tw::Label,
           0,
           {8, 360, 30, 20},
           flags::visible,
           0,
           {on(event::feedback, Handler::hotkeyPressed)}},
          button(退出1, "退出1", u8"退出1", 退出2, small, Handler::quitProgram),
          button(隐藏1, "隐藏1", u8"隐藏1", 隐藏2, small, Handler::hideMainWindow),
          button(置顶1, "置顶1", u8"置顶1", 置顶2, small, Handler::toggleMainOnTop),
          button(网址导航1, "网址导航1", u8"网址导航1", 网址导航2, big, Handler::setBrowserStartPage),
          button(挂机工具1, "挂机工具1", u8"挂机工具1", 挂机工具2, big, Handler::openLockWindow),
          button(记事本1, "记事本1", u8"记事本1", 记事本2, big, Handler::openNotepadWindow),
          button(录音软件1, "录音软件1", u8"录音软件1", 录音软件2, big, Handler::openRecorderWindow),
          button(音频助手1, "音频助手1", u8"音频助手1", 音频助手2, big, Handler::openAudioWindow),
          {网址导航2, "网址导航2", tw::ShapeBox, 0, {6, 170, 132, 32}, flags::visible, 0, {}, kButtonFrame},
          {作者空间2, "作者空间2", tw::ShapeBox, 外形框1, {70, 49, 57, 22}, flags::visible, 0, {}, kLinkFrame},
          link(作者空间1, "作者空间1", 作者空间2, "作者空间", Handler::openAuthorPage),
          {收费标准2, "收费标准2", tw::ShapeBox, 外形框1, {5, 49, 57, 22}, flags::visible, 0, {}, kLinkFrame},
          link(收费标准1, "收费标准1", 收费标准2, "收费标准", Handler::showPriceListBox),
          {联系作者2, "联系作者2", tw::ShapeBox, 外形框1, {70, 20, 57, 22}, flags::visible, 0, {}, kLinkFrame},
          link(联系作者1, "联系作者1", 联系作者2, "联系作者", Handler::showContactBox),
          link(检测更新1, "检测更新1", 检测更新2, "检测更新", Handler::openUpdatePage),
          {检测更新2, "检测更新2", tw::ShapeBox, 外形框1, {5, 20, 57, 22}, flags::visible, 0, {}, kLinkFrame},
          {关于软件2,
           "关于软件2",
           tw::TransLabel,
           0,
           {3, 273, 140, 20},
           flags::visible,
           0,
           {},
           whiteLabel("└-------------------┘")},
          {关于软件1,
           "关于软件1",
           tw::TransLabel,
           0,
           {3, 206, 140, 20},
           flags::visible,
           0,
           {},
           whiteLabel("┌-(关于软件)--------┐")},
          {置顶选择框1, "置顶选择框1", tw::CheckBox, 0, {9, 291, 15, 15}, flags::visibleDisabledTabStop},
          {音频助手2, "音频助手2", tw::ShapeBox, 0, {6, 9, 132, 32}, flags::visible, 0, {}, kButtonFrame},
          {录音软件2, "录音软件2", tw::ShapeBox, 0, {6, 49, 132, 32}, flags::visible, 0, {}, kButtonFrame},
          {记事本2, "记事本2", tw::ShapeBox, 0, {6, 89, 132, 32}, flags::visible, 0, {}, kButtonFrame},
          {挂机工具2, "挂机工具2", tw::ShapeBox, 0, {6, 129, 132, 32}, flags::visible, 0, {}, kButtonFrame},
          {置顶2, "置顶2", tw::PicBox, 0, {24, 290, 32, 17}, flags::visible, 0, {}, smallFrame()},
          {退出2, "退出2", tw::PicBox, 0, {104, 290, 32, 17}, flags::visible, 0, {}, smallFrame()},
          {隐藏2, "隐藏2", tw::PicBox, 0, {64, 290, 32, 17}, flags::visible, 0, {}, smallFrame()},
          {外形框1,
           "外形框1",
           tw::ShapeBox,
           0,
           {6, 205, 132, 80},
           flags::visible,
           0,
           {},
           shapeFrame(0x000000, 2, 0x808040)},
      },
      {
          {托盘菜单, 0, menu_flag::notInMenuBar, "托盘菜单"},
          {显示程序, 1, 0, "显示程序", handlerReference(Handler::showMainWindow)},
          {退出程序, 1, 0, "退出程序", handlerReference(Handler::quitProgram)},
      }};
}
