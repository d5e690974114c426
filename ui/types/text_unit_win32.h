#pragma once
// What the two label types share: a text (property 8) drawn in one colour without background.
#include "ui/gbk_text_win32.h"
#include "ui/types/own_window_unit_win32.h"
#include "ui/types/stored_font_win32.h"
#include "ui/types/unit_types_win32.h"

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
    setText(*text);
    InvalidateRect(hwnd_, nullptr, FALSE);
    return true;
  }

 protected:
  // The text drawn is also the window's text, for what reads windows by their text (screen
  // readers, the tests' window probe).
  void setText(std::string text) {
    text_ = std::move(text);
    if (hwnd_) SetWindowTextW(hwnd_, wideFromGbk(text_).c_str());
  }

  void drawText(HDC dc) {
    RECT r;
    GetClientRect(hwnd_, &r);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour_);
    HGDIOBJ old = SelectObject(dc, fontOrDefault(font_));
    const std::wstring text = wideFromGbk(text_);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_LEFT | DT_TOP | DT_NOPREFIX | wrapping(text));
    SelectObject(dc, old);
  }

  // Only spaces break a label's text into lines. The labels are sized for their text on one line,
  // a closing full-width colon hanging past the edge ("音量：" in 31 pixels: the colon's dots lie
  // in the left half of its cell). Breaking between Chinese characters, as Wine's DrawText does,
  // would carry the colon and the character before it down to a line the label has no room for.
  static UINT wrapping(const std::wstring& text) {
    return text.find(L' ') == std::wstring::npos ? 0u : static_cast<UINT>(DT_WORDBREAK);
  }

  std::string text_;
  COLORREF colour_ = 0;
  OwnedFont font_;  // none: the default GUI font
};
