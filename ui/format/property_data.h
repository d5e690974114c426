#pragma once
// Stored property data of the unit types, one struct per layout. Each reads a record only when its
// version is one it knows; empty data means "every property at its default" and is the caller's
// case (read() is not called for it).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::uint32_t kDefaultColour = 0xFF000000;

struct WindowProperties {
  static constexpr std::uint32_t kVersion = 6;
  std::uint32_t version = kVersion;
  std::uint32_t border = 2;  // 0 none, 1/2 normal, 3/4 narrow caption, 5/6 sunken; odd = resizable
  std::uint32_t backgroundPictureMode = 1;
  std::uint32_t backgroundColour = kDefaultColour;
  std::uint32_t maximiseButton = 0, minimiseButton = 0, controlBox = 1;
  std::uint32_t positionMode = 0;  // 0 normal, 1 centred, 2 minimised, 3 maximised
  std::uint32_t movable = 1;
  std::uint32_t musicPlayCount = 0, enterMovesFocus = 0, escCloses = 0, f1OpensHelp = 0, helpContext = 0;
  std::uint32_t shownInTaskBar = 1;             // from version 2
  std::uint32_t dragByAnyPoint = 0, shape = 0;  // from version 3
  std::uint32_t alwaysOnTop = 0;                // from version 4
  std::uint32_t keepCaptionActive = 0;          // from version 5
  std::string className;                        // from version 6
  std::string backgroundPicture, icon, backgroundMusic;
  std::string caption, helpFile;

  static std::optional<WindowProperties> read(std::string_view data);
  std::string write() const;
};

struct PicBtnProperties {
  static constexpr std::uint32_t kVersion = 1;
  std::uint32_t version = kVersion;
  std::uint32_t kind = 0;  // 0 push, 1 toggle
  std::uint32_t selected = 0;
  std::uint32_t transparentColour = kDefaultColour;
  std::string normal, hover, pressed, disabled;  // picture file bytes

  static std::optional<PicBtnProperties> read(std::string_view data);
  std::string write() const;
};

struct ShapeBoxProperties {
  static constexpr std::uint32_t kVersion = 1;
  std::uint32_t version = kVersion;
  std::uint32_t backgroundColour = kDefaultColour;
  std::uint32_t shape = 0, option1 = 0, option2 = 1;
  std::uint32_t lineWidth = 1, lineColour = 0, fillColour = kDefaultColour;

  static std::optional<ShapeBoxProperties> read(std::string_view data);
  std::string write() const;
};

struct TransLabelProperties {
  static constexpr std::uint32_t kVersion = 1;
  std::uint32_t version = kVersion;
  std::uint32_t option1 = 0, textColour = 0, option2 = 0, option3 = 1, flag = 0;
  std::string font;  // a LOGFONT, or empty for the default font
  std::string text;

  static std::optional<TransLabelProperties> read(std::string_view data);
  std::string write() const;
};

struct PicBoxProperties {
  static constexpr std::uint32_t kVersion = 2;
  std::uint32_t version = kVersion;
  std::uint32_t border = 0, backgroundColour = kDefaultColour;
  std::string picture;
  std::uint32_t displayMode = 1, options = 0;

  static std::optional<PicBoxProperties> read(std::string_view data);
  std::string write() const;
};

struct EditBoxProperties {
  static constexpr std::uint32_t kVersion = 2;
  std::uint32_t version = kVersion;
  std::uint32_t border = 1, textColour = 0, backgroundColour = 0x00FFFFFF, option = 1, maxLength = 0;
  std::uint32_t multiLine = 0, scrollBars = 0, alignment = 0, inputMode = 0;
  std::uint16_t passwordChar = '*';
  std::uint32_t options = 0;
  std::string font, text, text2, text3;

  static std::optional<EditBoxProperties> read(std::string_view data);
  std::string write() const;
};
