#pragma once
// Stored property data of the standard controls the windows carry beside frames and labels:
// Button, Tab, ComboBox, CommonDlg and LineChart. Same rules as property_data.h: a known version
// reads whole or not at all.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/format/property_data.h"

struct ButtonProperties {
  static constexpr std::uint32_t kVersion = 1;
  std::uint32_t version = kVersion;
  std::uint32_t kind = 0;                                        // 0 normal, 1 default push button
  std::uint32_t horizontalAlignment = 1, verticalAlignment = 1;  // 0 left/top, 1 centre, 2 right/bottom
  std::string picture;  // picture file bytes; an icon or cursor becomes the button's icon
  std::string font;     // a LOGFONT, or empty for the default font
  std::string caption;

  static std::optional<ButtonProperties> read(std::string_view data);
  std::string write() const;
};

struct TabProperties {
  static constexpr std::uint32_t kVersion = 3;
  std::uint32_t version = kVersion;
  std::uint32_t options[4] = {1, 0, 0, 1};
  std::uint32_t option5 = 0;
  std::uint32_t backgroundColour = kDefaultColour;
  std::string font;
  std::vector<std::string> pageNames;  // stored as a u16 count, then counted texts

  static std::optional<TabProperties> read(std::string_view data);
  std::string write() const;
};

struct ComboBoxProperties {
  static constexpr std::uint32_t kVersion = 3;
  std::uint32_t version = kVersion;
  std::uint32_t listKind = 2;  // 2: drop-down list without an edit part
  std::uint32_t options[4] = {0, 0, 0, 0};
  std::uint32_t option5 = 1, option6 = 0;
  std::uint32_t colour = 0x00FFFFFF;
  std::uint32_t reserved = 0xFFFFFFFF;
  std::string font;
  std::vector<std::uint32_t> itemValues;  // stored as a byte length, then one u32 per item
  std::string editText;
  std::vector<std::string> items;  // stored as a u16 count, then counted texts
  std::string text2, text3;
  std::uint32_t last = 0;

  static std::optional<ComboBoxProperties> read(std::string_view data);
  std::string write() const;
};

struct CommonDlgProperties {
  static constexpr std::uint32_t kVersion = 1;
  std::uint32_t version = kVersion;
  std::uint32_t kind = 0;     // 0 open, 1 save
  std::uint32_t options = 0;  // the system's file-dialog flags
  std::string title, filter, initialFolder, defaultExtension, fileName;

  static std::optional<CommonDlgProperties> read(std::string_view data);
  std::string write() const;
};

struct LineChartProperties {
  static constexpr std::uint32_t kVersion = 1;
  std::uint32_t version = kVersion;
  std::uint32_t backgroundColour = 0x00000000, textColour = 0x00FFFFFF, lineColour = 0x0000FF00;
  std::uint32_t pointCount = 100;
  std::string title = "曲线图", xCaption = "点", yCaption = "值";

  static std::optional<LineChartProperties> read(std::string_view data);
  std::string write() const;
};

// A font property: a LOGFONT of the system's ANSI form (60 bytes), of which the layouts here use
// height, weight, character set and face.
struct StoredFont {
  std::int32_t height = 0, width = 0, escapement = 0, orientation = 0, weight = 400;
  std::uint8_t italic = 0, underline = 0, strikeOut = 0, charSet = 1;
  std::uint8_t outPrecision = 0, clipPrecision = 0, quality = 0, pitchAndFamily = 0;
  std::string face;  // at most 31 bytes

  static constexpr std::size_t kSize = 60;
  static std::optional<StoredFont> read(std::string_view logfont);
  std::string write() const;
};
