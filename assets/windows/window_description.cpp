#include "assets/windows/window_description.h"

#include <stdexcept>

#include "ui/format/record_io.h"
#include "ui/whole_file.h"

std::string PictureFolder::operator()(std::u8string_view file) const {
  const std::filesystem::path path = folder_ / std::filesystem::path(file);
  WholeFile picture = readWholeFile(path.string());
  if (picture.state != WholeFile::State::read) throw std::runtime_error("missing picture " + path.string());
  return std::move(picture.bytes);
}

namespace {

// A cursor file of the unit's own follows the marker 0xFFFFFFFF.
std::string cursorField(const UnitDescription& u) {
  if (u.cursor == 0 && u.cursorImage.empty()) return {};
  RecordWriter w;
  w.u32(u.cursorImage.empty() ? u.cursor : 0xFFFFFFFF);
  w.rest(u.cursorImage);
  return w.take();
}

}  // namespace

WindowEntry toWindowEntry(const WindowDescription& description) {
  WindowEntry entry{description.id, description.classId, {}, {}, {}};
  for (const UnitDescription& u : description.units) {
    UnitRecord r;
    r.typeWord = u.type;
    r.name = std::string(u.name);
    r.left = u.rect.left;
    r.top = u.rect.top;
    r.width = u.rect.width;
    r.height = u.rect.height;
    r.parentId = u.parent;
    r.children = u.children;
    if (r.children.empty())
      for (const UnitDescription& c : description.units)
        if (c.parent == u.id) r.children.push_back(c.id);
    r.cursor = cursorField(u);
    r.flags = u.flags;
    r.bindings = u.bindings;
    r.propertyData = u.properties;
    entry.units.push_back({u.id, writeUnitRecord(r)});
  }
  for (const MenuItemDescription& m : description.menu) {
    MenuItemRecord r;
    r.level = m.level;
    r.menuFlags = m.menuFlags;
    r.caption = std::string(m.caption);
    r.handler = m.handler;
    entry.units.push_back({m.id, writeMenuItemRecord(r)});
  }
  return entry;
}
