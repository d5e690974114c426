// The two label types. Label (标签) paints its parent's background and its caption, and answers
// the feedback message 0x8075 with its event 0. TransLabel (透明标签) draws only its text over
// whatever lies beneath it.
#include "ui/format/events.h"
#include "ui/format/property_data.h"
#include "ui/gbk_text_win32.h"
#include "ui/handles_win32.h"
#include "ui/loader_win32.h"
#include "ui/types/own_window_unit_win32.h"
#include "ui/types/stored_font_win32.h"
#include "ui/types/unit_types_win32.h"

namespace {

constexpr UINT kFeedbackMessage = 0x8075;

class TextUnit : public OwnWindowUnit {
 public:
  using OwnWindowUnit::OwnWindowUnit;
  std::optional<PropertyValue> property(int index) const override {
    if (index == label_property::caption) return text_;
    return OwnWindowUnit::property(index);
  }
  bool setProperty(int index, const PropertyValue& value) override {
    if (index != label_property::caption) return OwnWindowUnit::setProperty(index, value);
    const auto* text = std::get_if<std::string>(&value);
    if (!text) return false;
    text_ = *text;
    InvalidateRect(hwnd_, nullptr, FALSE);
    return true;
  }

 protected:
  void drawText(HDC dc) {
    RECT r;
    GetClientRect(hwnd_, &r);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour_);
    HGDIOBJ old = SelectObject(dc, fontOrDefault(font_));
    const std::wstring text = wideFromGbk(text_);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_LEFT | DT_TOP | DT_NOPREFIX | DT_WORDBREAK);
    SelectObject(dc, old);
  }

  std::string text_;
  COLORREF colour_ = 0;
  OwnedFont font_;  // none: the default GUI font
};

class Label final : public TextUnit {
 public:
  using TextUnit::TextUnit;
  bool create(const UnitContext& c) { return createWindow(c, L"LanxingLabel", 0); }

 private:
  LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == kFeedbackMessage) {
      const RaiseResult r =
          RaiseEvent(windowId, unitId, event::feedback, {static_cast<std::int32_t>(wp), static_cast<std::int32_t>(lp)});
      return r.returned ? *r.returned : 0;
    }
    if (msg == WM_PAINT || msg == WM_PRINTCLIENT) return paintWith(msg, wp, [this](HDC dc) { paint(dc); });
    if (msg == WM_ERASEBKGND) return 1;
    return TextUnit::handle(msg, wp, lp);
  }
  void paint(HDC dc) {
    paintParentBackground(hwnd_, dc);
    drawText(dc);
  }
};

// Paints `window` and the windows inside it, lowest first, into `dc` whose origin is `origin` on
// the screen.
void printWithChildren(HWND window, HDC dc, const RECT& origin) {
  RECT theirs;
  GetWindowRect(window, &theirs);
  POINT old;
  SetViewportOrgEx(dc, theirs.left - origin.left, theirs.top - origin.top, &old);
  SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
  SetViewportOrgEx(dc, old.x, old.y, nullptr);
  std::vector<HWND> children;
  for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if (IsWindowVisible(c)) children.push_back(c);
  for (auto c = children.rbegin(); c != children.rend(); ++c) printWithChildren(*c, dc, origin);
}

class TransLabel final : public TextUnit {
 public:
  using TextUnit::TextUnit;
  bool create(const UnitContext& c) {
    const auto p = propertiesOrDefaults<TransLabelProperties>(c.record);
    if (!p) return false;
    text_ = p->text;
    colour_ = storedColour(p->textColour, 0);
    font_ = fontFromProperty(p->font);
    return createWindow(c, L"LanxingTransLabel", 0);
  }

 private:
  LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_PRINTCLIENT) {
      drawText(reinterpret_cast<HDC>(wp));  // what lies beneath is already in the caller's picture
      return 0;
    }
    if (msg == WM_PAINT) return paintWith(msg, wp, [this](HDC dc) { paint(dc); });
    if (msg == WM_ERASEBKGND) return 1;
    return TextUnit::handle(msg, wp, lp);
  }
  // Off screen: the parent's background, the siblings below this label from the lowest up, then
  // the text.
  void paint(HDC dc) {
    RECT r;
    GetClientRect(hwnd_, &r);
    OwnedBitmap buffer(CreateCompatibleBitmap(dc, r.right, r.bottom));
    MemoryDc memory(dc, buffer.get());
    paintParentBackground(hwnd_, memory);
    RECT mine;
    GetWindowRect(hwnd_, &mine);
    std::vector<HWND> below;
    for (HWND s = GetWindow(hwnd_, GW_HWNDNEXT); s; s = GetWindow(s, GW_HWNDNEXT)) {
      RECT theirs, overlap;
      GetWindowRect(s, &theirs);
      if (IsWindowVisible(s) && IntersectRect(&overlap, &mine, &theirs)) below.push_back(s);
    }
    for (auto s = below.rbegin(); s != below.rend(); ++s) printWithChildren(*s, memory, mine);
    drawText(memory);
    BitBlt(dc, 0, 0, r.right, r.bottom, memory, 0, 0, SRCCOPY);
  }
};

}  // namespace

std::unique_ptr<Unit> createLabel(const UnitContext& c) { return createUnit<Label>(c); }
std::unique_ptr<Unit> createTransLabel(const UnitContext& c) { return createUnit<TransLabel>(c); }
