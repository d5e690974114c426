#include "ui/skin/skinned_control_win32.h"

namespace {

using skin::Message;

Message skinMessage(UINT msg, WPARAM wp) {
  switch (msg) {
    case WM_SETFOCUS: return Message::focusGained;
    case WM_KILLFOCUS: return Message::focusLost;
    case WM_ENABLE: return wp ? Message::enabled : Message::disabled;
    case WM_MOUSEMOVE: return Message::mouseMove;
    case WM_MOUSELEAVE: return Message::mouseLeave;
    case WM_PAINT: return Message::paint;
    case WM_NCPAINT: return Message::nonClientPaint;
    case WM_SETTEXT: return Message::setText;
    case WM_ERASEBKGND: return Message::eraseBackground;
    case BM_SETCHECK: return Message::setCheck;
    case BM_SETSTATE: return Message::setPushed;
    case BM_SETSTYLE: return Message::setStyle;
    case WM_HSCROLL:
    case WM_VSCROLL: return Message::scroll;
    case WM_NCMOUSEMOVE: return Message::nonClientMouseMove;
    case WM_LBUTTONDOWN: return Message::leftButtonDown;
    case WM_LBUTTONUP: return Message::leftButtonUp;
    default: return Message::other;
  }
}

bool drawnAsButton(skin::Kind kind) {
  return kind == skin::Kind::pushButton || kind == skin::Kind::checkBox || kind == skin::Kind::radioButton ||
         kind == skin::Kind::groupBox;
}

int checkStateOf(HWND control, skin::Kind kind) {
  return drawnAsButton(kind) ? static_cast<int>(SendMessageW(control, BM_GETCHECK, 0, 0)) : 0;
}

}  // namespace

SkinnedControl::SkinnedControl(ControlSkin& owner, HWND control, skin::Kind kind)
    : owner_(owner),
      control_(control),
      kind_(kind),
      flags_(skin::initialFlags(kind, static_cast<std::uint32_t>(GetWindowLongW(control, GWL_STYLE)),
                                GetFocus() == control, checkStateOf(control, kind))) {
  HDC dc = GetDC(control);
  askParentColours(dc);
  ReleaseDC(control, dc);
}

void SkinnedControl::askParentColours(HDC dc) {
  HWND parent = GetParent(control_);
  if (!drawnAsButton(kind_) || !parent || !dc) return;
  const LRESULT brush =
      SendMessageW(parent, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control_));
  parent_ = {reinterpret_cast<HBRUSH>(brush), GetTextColor(dc)};
}

LRESULT SkinnedControl::subclassedMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCDESTROY) {
    // The control's own destruction first; the record goes after it.
    const LRESULT result = passToNextProcedure(hwnd, msg, wp, lp);
    forgetSkinned(owner_, this);
    return result;
  }
  if (msg == WM_PRINTCLIENT) {
    // A window printing this control into its own picture (a transparent label over it) gets the
    // skinned look too, not only the screen.
    const LRESULT result = passToNextProcedure(hwnd, msg, wp, lp);
    paintSkinned(hwnd, {kind_, flags_, schemeOf(owner_), parent_}, skin::Handling::Repaint::whole,
                 reinterpret_cast<HDC>(wp));
    return result;
  }
  const skin::Handling handling = skin::handleMessage(kind_, flags_, skinMessage(msg, wp), wp, (wp & MK_LBUTTON) != 0);
  if (handling.askParentColours) askParentColours(reinterpret_cast<HDC>(wp));
  if (handling.trackMouseLeave) {
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, hwnd, 0};
    TrackMouseEvent(&track);
  }
  const LRESULT result = handling.procedure == skin::Handling::Procedure::own ? passToNextProcedure(hwnd, msg, wp, lp)
                                                                              : DefWindowProcW(hwnd, msg, wp, lp);
  paintSkinned(hwnd, {kind_, flags_, schemeOf(owner_), parent_}, handling.repaint);
  return result;
}
