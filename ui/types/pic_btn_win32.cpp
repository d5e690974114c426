// PicBtn (图形按钮): a button drawn only from pictures, one per visual state, following the mouse
// by the rules of picbtn_behaviour.h.
#include <windowsx.h>

#include "ui/format/events.h"
#include "ui/format/property_data.h"
#include "ui/picbtn_behaviour.h"
#include "ui/pictures/bitmaps_win32.h"
#include "ui/pictures/region_runs.h"
#include "ui/types/own_window_unit_win32.h"
#include "ui/types/unit_types_win32.h"

namespace {

using namespace picbtn;

class PicBtn final : public OwnWindowUnit {
 public:
  using OwnWindowUnit::OwnWindowUnit;
  bool create(const UnitContext& c) {
    const auto p = propertiesOrDefaults<PicBtnProperties>(c.record);
    if (!p) return false;  // a version above 1 fails the load
    data_ = *p;
    data_.kind = static_cast<std::uint32_t>(clampKind(static_cast<std::int32_t>(p->kind)));
    if (!createWindow(c, L"LanxingPicBtn", 0, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS)) return false;
    setSelected(data_.selected != 0);
    updateRegion();
    return true;
  }

  std::optional<PropertyValue> property(int index) const override {
    namespace p = picbtn_property;
    switch (index) {
      case p::kind: return static_cast<std::int32_t>(data_.kind);
      case p::selected: return std::int32_t{selected_ ? 1 : 0};
      case p::normal:
      case p::hover:
      case p::pressed:
      case p::disabled: return *picture(index - p::normal);
      case p::transparent: return static_cast<std::int32_t>(data_.transparentColour);
      default: return OwnWindowUnit::property(index);
    }
  }

  bool setProperty(int index, const PropertyValue& value) override {
    namespace p = picbtn_property;
    if (index >= p::normal && index <= p::disabled) {
      const auto* bytes = std::get_if<std::string>(&value);
      if (!bytes) return false;
      const int which = index - p::normal;
      *picture(which) = *bytes;
      bitmaps_[which].reset();
      decoded_[which] = false;
      const bool shown = which == 0 || (which == 1 && state_ == State::hover) ||
                         (which == 2 && state_ == State::pressed) || (which == 3 && !IsWindowEnabled(hwnd_));
      if (shown) redraw();
      return true;
    }
    const auto* number = std::get_if<std::int32_t>(&value);
    if (index < p::kind || index > p::transparent) return OwnWindowUnit::setProperty(index, value);
    if (!number) return false;
    if (index == p::kind) data_.kind = static_cast<std::uint32_t>(clampKind(*number));
    if (index == p::selected) {
      data_.selected = *number ? 1 : 0;
      setSelected(*number != 0);
    }
    if (index == p::transparent && static_cast<std::uint32_t>(*number) != data_.transparentColour) {
      data_.transparentColour = static_cast<std::uint32_t>(*number);
      redraw();
    }
    return true;
  }

 private:
  bool toggleMode() const { return data_.kind == 1; }

  // Pictures by index: normal, hover, pressed, disabled.
  std::string* picture(int i) {
    std::string* all[] = {&data_.normal, &data_.hover, &data_.pressed, &data_.disabled};
    return all[i];
  }
  const std::string* picture(int i) const { return const_cast<PicBtn*>(this)->picture(i); }

  void setSelected(bool on) {
    if (!toggleMode()) return;
    selected_ = on;
    setState(on ? State::pressed : State::normal);
  }

  HBITMAP chosenBitmap() const {
    if (!IsWindowEnabled(hwnd_))
      if (HBITMAP disabled = bitmap(3)) return disabled;
    const HBITMAP forState = state_ == State::hover ? bitmap(1) : state_ == State::pressed ? bitmap(2) : nullptr;
    return forState ? forState : bitmap(0);
  }

  // Each picture is decoded when it is first shown: most buttons are never hovered, pressed or
  // disabled while their window loads, and decoding is a good part of a window's load time.
  HBITMAP bitmap(int i) const {
    if (!decoded_[i]) {
      bitmaps_[i] = bitmapFromPicture(*picture(i));
      decoded_[i] = true;
    }
    return bitmaps_[i].get();
  }

  void setState(State s) {
    if (s == state_) return;
    state_ = s;
    redraw();
  }

  void redraw() {
    updateRegion();
    InvalidateRect(hwnd_, nullptr, FALSE);
    UpdateWindow(hwnd_);
  }

  // The shape: the chosen picture's pixels other than the transparent colour as the display
  // renders it.
  void updateRegion() {
    HBITMAP bitmap = chosenBitmap();
    if (data_.transparentColour == kDefaultColour || !bitmap) {
      if (shaped_) SetWindowRgn(hwnd_, nullptr, TRUE);
      shaped_ = false;
      return;
    }
    COLORREF key;
    {
      HDC screen = GetDC(nullptr);
      MemoryDc dc(screen, bitmap);
      const COLORREF old = GetPixel(dc, 0, 0);
      SetPixel(dc, 0, 0, data_.transparentColour & 0xFFFFFF);
      key = GetPixel(dc, 0, 0);
      SetPixel(dc, 0, 0, old);
      ReleaseDC(nullptr, screen);
    }
    const auto pixels = pixelsOfBitmap(bitmap);
    if (!pixels) return;
    // COLORREF is 0x00BBGGRR, the pixels 0x00RRGGBB.
    const std::uint32_t rgbKey = (key & 0xFF) << 16 | (key & 0xFF00) | (key >> 16 & 0xFF);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    for (const PixelRun& run : opaqueRuns(*pixels, rgbKey)) {
      OwnedRegion piece(CreateRectRgn(run.left, run.y, run.right, run.y + 1));
      CombineRgn(region, region, piece.get(), RGN_OR);
    }
    SetWindowRgn(hwnd_, region, TRUE);  // the window owns the region now
    shaped_ = true;
  }

  void paint(HDC dc) override {
    RECT r;
    GetClientRect(hwnd_, &r);
    OwnedBitmap buffer(CreateCompatibleBitmap(dc, r.right, r.bottom));
    MemoryDc memory(dc, buffer.get());
    FillRect(memory, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (HBITMAP bitmap = chosenBitmap()) {
      BITMAP b{};
      GetObjectW(bitmap, sizeof b, &b);
      MemoryDc source(dc, bitmap);
      BitBlt(memory, 0, 0, b.bmWidth, b.bmHeight, source, 0, 0, SRCCOPY);
    }
    BitBlt(dc, 0, 0, r.right, r.bottom, memory, 0, 0, SRCCOPY);
  }

  bool inside(LPARAM lp) const {
    RECT r;
    GetClientRect(hwnd_, &r);
    const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    return PtInRect(&r, p);
  }

  // The pointer is on the button: it is the window under the pointer, or no window is and the
  // point lies inside.
  bool pointerOver(LPARAM lp) const {
    POINT screen{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    ClientToScreen(hwnd_, &screen);
    HWND under = WindowFromPoint(screen);
    return under == hwnd_ || (!under && inside(lp));
  }

  LRESULT mouse(Input input, bool over, bool held) {
    const Situation s{IsWindowEnabled(hwnd_) != FALSE, over, held, GetCapture() == hwnd_};
    const Step step = toggleMode() ? toggle(state_, selected_, input, s) : push(state_, input, s);
    changingCapture_ = true;  // the WM_CAPTURECHANGED this causes is the button's own doing
    if (step.capture == Capture::take && GetCapture() != hwnd_) SetCapture(hwnd_);
    if (step.capture == Capture::release && GetCapture() == hwnd_) ReleaseCapture();
    changingCapture_ = false;
    if (step.flipSelected) selected_ = !selected_;
    setState(step.state);
    // Last: the click's handler may destroy this button with its window.
    if (step.click) raise(event::click);
    return 0;
  }

  LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override {
    switch (msg) {
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK: return mouse(Input::leftDown, inside(lp), true);
      case WM_MOUSEMOVE: return mouse(Input::move, pointerOver(lp), (wp & MK_LBUTTON) != 0);
      case WM_LBUTTONUP: return mouse(Input::leftUp, inside(lp), false);
      case WM_CAPTURECHANGED:
        if (changingCapture_ || reinterpret_cast<HWND>(lp) == hwnd_) return 0;
        return mouse(Input::captureLost, false, false);
      case WM_ENABLE: redraw(); return 0;
      default: return OwnWindowUnit::handle(msg, wp, lp);
    }
  }

  PicBtnProperties data_;
  mutable OwnedBitmap bitmaps_[4];  // normal, hover, pressed, disabled
  mutable bool decoded_[4] = {};
  State state_ = State::normal;
  bool selected_ = false;
  bool shaped_ = false;
  bool changingCapture_ = false;
};

}  // namespace

std::unique_ptr<Unit> createPicBtn(const UnitContext& c) { return createUnit<PicBtn>(c); }
