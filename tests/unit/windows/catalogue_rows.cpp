#include "catalogue_rows.h"

#include <map>
#include <ostream>
#include <stdexcept>

#include "ui/format/control_properties.h"
#include "ui/format/cursor_field.h"
#include "ui/pictures/picture_format.h"
#include "ui/whole_file.h"

namespace {

const std::map<std::uint32_t, std::string> kTypeNames = {
    {0x00010001, "window"},     {0x00010005, "EditBox"},   {0x00010006, "PicBox"},     {0x00010007, "ShapeBox"},
    {0x0001000A, "Label"},      {0x0001000B, "Button"},    {0x0001000C, "CheckBox"},   {0x0001000E, "ComboBox"},
    {0x00010015, "Tab"},        {0x0001001F, "CommonDlg"}, {0x00010020, "Timer"},      {0x0001002D, "PicBtn"},
    {0x00040005, "TransLabel"}, {0x00050001, "SysVolume"}, {0x00050002, "WaveRecord"}, {0x00050004, "WaveInForm"},
    {0x00060003, "LineChart"},
};

std::string flagsText(std::uint32_t flags) {
  if (flags == 0) return "non-visual";
  std::string text = (flags & unit_flag::visible) ? "visible" : "hidden";
  if (flags & unit_flag::disabled) text += ", disabled";
  if (flags & unit_flag::tabStop) text += ", tab stop";
  return text;
}

std::string cursorText(const std::string& field) {
  const CursorRequest c = readCursorField(field);
  if (c.fileOnly) return "own";
  return c.systemCursor == kHandCursorValue ? "hand" : "";
}

std::string picture(const char* role, const std::string& bytes) {
  if (bytes.empty()) return {};
  const PictureFormat f = recognisePicture(bytes);
  const char* format = f == PictureFormat::jpeg ? "JPEG" : f == PictureFormat::bmp ? "BMP" : "?";
  return std::string(role) + " " + format + " " + std::to_string(bytes.size());
}

std::string joined(const std::vector<std::string>& parts) {
  std::string out;
  for (const std::string& p : parts) out += (out.empty() ? "" : ", ") + p;
  return out;
}

std::string textOf(const UnitRecord& u) {
  const std::string& data = u.propertyData;
  if (data.empty()) return {};
  switch (u.typeWord) {
    case type_word::window: {
      const auto p = WindowProperties::read(data);
      return p->icon.empty() ? p->caption : p->caption + "; icon " + std::to_string(p->icon.size());
    }
    case type_word::Button: return ButtonProperties::read(data)->caption;
    case type_word::TransLabel: return TransLabelProperties::read(data)->text;
    case type_word::Tab: return joined(TabProperties::read(data)->pageNames);
    case type_word::PicBtn: {
      const auto p = PicBtnProperties::read(data);
      const std::string hover = picture("hover", p->hover);
      return picture("normal", p->normal) + (hover.empty() ? "" : "; " + hover);
    }
    case type_word::ComboBox: {
      const auto p = ComboBoxProperties::read(data);
      std::vector<std::string> items;
      for (std::size_t i = 0; i < p->items.size(); ++i)
        items.push_back(p->items[i] + "=" + std::to_string(p->itemValues.at(i)));
      return joined(items);
    }
    case type_word::CommonDlg: {
      const auto p = CommonDlgProperties::read(data);
      return std::string(p->kind == 1 ? "save " : "open ") + p->filter +
             (p->fileName.empty() ? "" : " preset " + p->fileName);
    }
    default: return {};
  }
}

}  // namespace

std::vector<WindowEntry> embeddedBlock() {
  auto block = readBlock(readWholeFile(LANXING_WINDOW_BLOCK_FILE).bytes);
  if (!block) throw std::runtime_error("the embedded block does not read");
  return *block;
}

const WindowEntry& embeddedWindow(std::uint32_t windowId) {
  static const std::vector<WindowEntry> block = embeddedBlock();
  for (const WindowEntry& w : block)
    if (w.id == windowId) return w;
  throw std::runtime_error("no such window");
}

std::vector<CatalogueRow> rowsOf(const WindowEntry& window) {
  std::map<std::uint32_t, std::string> names;
  std::vector<UnitRecord> units;
  for (const StoredUnit& s : window.units) {
    if (recordTypeWord(s.record) == type_word::menu) continue;
    units.push_back(*readUnitRecord(s.record));
    names[s.id] = units.back().name;
  }
  std::vector<CatalogueRow> rows;
  for (const UnitRecord& u : units) {
    const bool own = u.typeWord == type_word::window;
    rows.push_back({own ? "(window)" : u.name, kTypeNames.at(u.typeWord),
                    own          ? "-"
                    : u.parentId ? names.at(u.parentId)
                                 : "window",
                    u.left, u.top, u.width, u.height, flagsText(u.flags), cursorText(u.cursor), textOf(u), u.bindings});
  }
  return rows;
}

std::ostream& operator<<(std::ostream& out, const CatalogueRow& r) {
  out << r.name << " | " << r.type << " | " << r.parent << " | " << r.left << ", " << r.top << ", " << r.width << ", "
      << r.height << " | " << r.flags << " | " << r.cursor << " | " << r.text << " |";
  for (const EventBinding& b : r.bindings) out << " " << b.event << ":" << b.handler;
  return out;
}
