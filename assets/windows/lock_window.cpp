// The lock window: the two password fields with their buttons, and what the lock tool brings into
// view when it covers the screen (按钮3, 透明标签3); its own cursor.
#include "assets/windows/lock_window_ids.h"
#include "assets/windows/unit_properties.h"
#include "assets/windows/window_description.h"
#include "ui/format/control_properties.h"

namespace {

using namespace lock_window;
namespace tw = type_word;

std::string windowProperties() {
  WindowProperties p = ownedWindow("澜星挂机工具");
  p.backgroundPictureMode = 2;
  p.backgroundColour = 0x00FFFFFF;
  p.movable = 0;
  p.keepCaptionActive = 1;
  return p.write();
}

// 透明标签3's own font: 宋体, 21 pixels, normal weight, GB2312 character set.
std::string songtiFont() {
  StoredFont f;
  f.height = -21;
  f.weight = 400;
  f.charSet = 134;
  f.face = "宋体";
  return f.write();
}

UnitDescription button(Unit id, std::string_view name, Rect rect, std::uint32_t flags, std::string_view caption,
                       Handler click) {
  return {id, name, tw::Button, 0, rect, flags, kHandCursor, {on(event::click, click)}, pushButton(caption)};
}

}  // namespace

WindowDescription lockWindowDescription(const PictureFolder& pictures) {
  UnitDescription window{
      窗口,
      "",
      tw::window,
      0,
      {50, 50, 270, 102},
      flags::visible,
      0,
      {on(event::created, Handler::startLockWindow), on(event::mayClose, Handler::refuseClosingLockWindow)},
      windowProperties()};
  window.cursorImage = pictures(u8"lock-cursor.cur");
  return WindowDescription{
      kWindowId,
      0x1901019D,
      {
          window,
          {透明标签3,
           "透明标签3",
           tw::TransLabel,
           0,
           {322, 3, 454, 20},
           flags::visible,
           0,
           {},
           transLabel("", 0, songtiFont())},
          button(按钮3, "按钮3", {270, 5, 40, 20}, flags::hiddenTabStop, "确认", Handler::unlock),
          button(按钮2, "按钮2", {220, 55, 40, 20}, flags::visibleTabStop, "取消", Handler::closeLockWindow),
          button(按钮1, "按钮1", {170, 55, 40, 20}, flags::visibleTabStop, "确认", Handler::setPasswordAndLock),
          {编辑框2, "编辑框2", tw::EditBox, 0, {85, 30, 175, 20}, flags::visibleTabStop},
          {编辑框1, "编辑框1", tw::EditBox, 0, {85, 5, 175, 20}, flags::visibleTabStop},
          {透明标签2,
           "透明标签2",
           tw::TransLabel,
           0,
           {10, 30, 70, 20},
           flags::visible,
           0,
           {},
           transLabel("请确认密码：", 0)},
          {透明标签1,
           "透明标签1",
           tw::TransLabel,
           0,
           {10, 5, 70, 20},
           flags::visible,
           0,
           {},
           transLabel("请设置密码：", 0)},
          {时钟1,
           "时钟1",
           tw::Timer,
           0,
           {8, 52, 48, 32},
           flags::nonVisual,
           0,
           {on(event::tick, Handler::keepLockScreenInPlace)}},
      },
      {}};
}
