#include "ui/format/template_block.h"

#include "ui/format/record_io.h"

namespace {

template <class Io>
bool visitIds(Io& io, std::vector<std::uint32_t>& ids) {
  return io.list(ids, 4, [](Io& io, std::uint32_t& id) { return io.u32(id); });
}

template <class Io>
bool visitUnit(Io& io, UnitRecord& u) {
  return io.u32(u.typeWord) && io.u32(u.sharingUnitId) && io.reserved(16) && io.zeroTerminated(u.name) &&
         io.zeroTerminated(u.comment) && io.reserved(4) /* object slot */ && io.i32(u.left) && io.i32(u.top) &&
         io.i32(u.width) && io.i32(u.height) && io.reserved(4) /* cursor-handle slot */ && io.u32(u.parentId) &&
         visitIds(io, u.children) && io.counted(u.cursor) && io.zeroTerminated(u.tag) && io.reserved(4) &&
         io.u32(u.flags) && io.u32(u.focusOrder) &&
         io.list(u.bindings, 8, [](Io& io, EventBinding& b) { return io.i32(b.event) && io.u32(b.handler); }) &&
         io.reserved(20) && io.rest(u.propertyData);
}

template <class Io>
bool visitMenuItem(Io& io, MenuItemRecord& m) {
  std::uint32_t typeWord = type_word::menu;
  return io.u32(typeWord) && typeWord == type_word::menu && io.reserved(20) && io.zeroTerminated(m.name) &&
         io.zeroTerminated(m.comment) && io.u32(m.shortcut) && io.u32(m.level) && io.u32(m.menuFlags) &&
         io.zeroTerminated(m.caption) && io.u32(m.handler) && io.reserved(16);
}

bool recordReads(std::string_view record) {
  if (recordTypeWord(record) == type_word::menu) return readMenuItemRecord(record).has_value();
  return readUnitRecord(record).has_value();
}

// One window entry; the unit ids, offsets and block size must agree with the records that follow.
bool readWindowEntry(RecordReader& r, WindowEntry& w) {
  std::uint32_t count = 0, blockSize = 0;
  if (!(r.reserved(4) && r.u32(w.classId) && r.counted(w.name) && r.counted(w.comment) && r.u32(count) &&
        r.u32(blockSize)))
    return false;
  if (count == 0 || count > r.left() / 12 || blockSize > r.left()) return false;
  std::vector<std::uint32_t> offsets(count);
  w.units.assign(count, StoredUnit{});
  for (StoredUnit& u : w.units)
    if (!r.u32(u.id)) return false;
  for (std::uint32_t& o : offsets)
    if (!r.u32(o)) return false;
  std::uint64_t used = 8ull * count, offset = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (offsets[i] != offset || !r.counted(w.units[i].record) || !recordReads(w.units[i].record)) return false;
    offset += 4 + w.units[i].record.size();
  }
  used += offset;
  return used == blockSize && recordTypeWord(w.units.front().record) == type_word::window;
}

}  // namespace

std::uint32_t recordTypeWord(std::string_view record) {
  RecordReader r(record);
  std::uint32_t word = 0;
  return r.u32(word) ? word : 0;
}

std::optional<UnitRecord> readUnitRecord(std::string_view record) {
  UnitRecord u;
  if (!readWhole(record, u, visitUnit<RecordReader>) || u.typeWord == type_word::menu) return std::nullopt;
  return u;
}

std::optional<MenuItemRecord> readMenuItemRecord(std::string_view record) {
  MenuItemRecord m;
  if (!readWhole(record, m, visitMenuItem<RecordReader>)) return std::nullopt;
  return m;
}

std::string writeUnitRecord(const UnitRecord& unit) { return writeWhole(unit, visitUnit<RecordWriter>); }
std::string writeMenuItemRecord(const MenuItemRecord& item) { return writeWhole(item, visitMenuItem<RecordWriter>); }

std::optional<std::vector<WindowEntry>> readBlock(std::string_view block) {
  RecordReader r(block);
  std::uint32_t tableSize = 0;
  if (!r.u32(tableSize) || tableSize % 8 != 0 || tableSize > r.left()) return std::nullopt;
  std::vector<WindowEntry> windows(tableSize / 8);
  for (WindowEntry& w : windows)
    if (!r.u32(w.id)) return std::nullopt;
  if (!r.reserved(tableSize / 2)) return std::nullopt;  // window slots
  for (WindowEntry& w : windows)
    if (!readWindowEntry(r, w)) return std::nullopt;
  if (!r.atEnd()) return std::nullopt;
  return windows;
}

std::string writeBlock(const std::vector<WindowEntry>& windows) {
  RecordWriter w;
  w.u32(static_cast<std::uint32_t>(8 * windows.size()));
  for (const WindowEntry& e : windows) w.u32(e.id);
  w.reserved(4 * windows.size());
  for (const WindowEntry& e : windows) {
    w.reserved(4);
    w.u32(e.classId);
    w.counted(e.name);
    w.counted(e.comment);
    w.u32(static_cast<std::uint32_t>(e.units.size()));
    std::uint32_t records = 0;
    for (const StoredUnit& u : e.units) records += 4 + static_cast<std::uint32_t>(u.record.size());
    w.u32(static_cast<std::uint32_t>(8 * e.units.size()) + records);
    for (const StoredUnit& u : e.units) w.u32(u.id);
    std::uint32_t offset = 0;
    for (const StoredUnit& u : e.units) {
      w.u32(offset);
      offset += 4 + static_cast<std::uint32_t>(u.record.size());
    }
    for (const StoredUnit& u : e.units) w.counted(u.record);
  }
  return w.take();
}
