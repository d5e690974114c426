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
