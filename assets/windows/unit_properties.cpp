#include "assets/windows/unit_properties.h"

#include "ui/format/control_properties.h"

namespace {

// The system's file-dialog flags the stored options carry.
constexpr std::uint32_t kHideReadOnly = 0x4, kPathMustExist = 0x800, kFileMustExist = 0x1000;

std::string button(std::string_view caption, std::uint32_t kind) {
  ButtonProperties p;
  p.kind = kind;
  p.caption = std::string(caption);
  return p.write();
}

}  // namespace

WindowProperties ownedWindow(std::string_view caption) {
  WindowProperties p;
  p.border = 4;
  p.controlBox = 0;
  p.positionMode = 1;
  p.shownInTaskBar = 0;
  p.caption = std::string(caption);
  return p;
}

std::string pushButton(std::string_view caption) { return button(caption, 0); }
std::string defaultPushButton(std::string_view caption) { return button(caption, 1); }

std::string transLabel(std::string_view text, std::uint32_t colour, std::string font) {
  TransLabelProperties p;
  p.textColour = colour;
  p.font = std::move(font);
  p.text = std::string(text);
  return p.write();
}

std::string shapeFrame(std::uint32_t background, std::uint32_t lineWidth, std::uint32_t lineColour) {
  ShapeBoxProperties p;
  p.backgroundColour = background;
  p.lineWidth = lineWidth;
  p.lineColour = lineColour;
  return p.write();
}

std::string fileDialog(std::uint32_t kind, std::string_view filter, std::string_view presetName) {
  CommonDlgProperties p;
  p.kind = kind;
  p.options = kHideReadOnly | kPathMustExist | (kind == file_dialog::open ? kFileMustExist : 0);
  p.filter = std::string(filter);
  p.fileName = std::string(presetName);
  return p.write();
}
