#pragma once
// The window-template block: header, window entries, unit records and menu item records, as they
// lie in the program's read-only data. One layout serves the build-time writer and the reader.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/format/type_words.h"

struct EventBinding {
  std::int32_t event = 0;
  std::uint32_t handler = kNoHandler;
  bool operator==(const EventBinding&) const = default;
};

// A unit record of any type but `menu`.
struct UnitRecord {
  std::uint32_t typeWord = 0;
  std::uint32_t sharingUnitId = 0;
  std::string name, comment;
  std::int32_t left = 0, top = 0, width = 0, height = 0;
  std::uint32_t parentId = 0;
  std::vector<std::uint32_t> children;
  std::string cursor;  // the cursor field's data
  std::string tag;
  std::uint32_t flags = 0;
  std::uint32_t focusOrder = 0;
  std::vector<EventBinding> bindings;
  std::string propertyData;
  bool operator==(const UnitRecord&) const = default;
};

struct MenuItemRecord {
  std::string name, comment;
  std::uint32_t shortcut = 0;
  std::uint32_t level = 0;
  std::uint32_t menuFlags = 0;  // bit 0: not in the menu bar; bit 1: greyed
  std::string caption;
  std::uint32_t handler = kNoHandler;
  bool operator==(const MenuItemRecord&) const = default;
};

namespace menu_flag {
inline constexpr std::uint32_t notInMenuBar = 1;
inline constexpr std::uint32_t greyed = 2;
}  // namespace menu_flag

struct StoredUnit {
  std::uint32_t id = 0;
  std::string record;  // the record's bytes without the length prefix
  bool operator==(const StoredUnit&) const = default;
};

struct WindowEntry {
  std::uint32_t id = 0;
  std::uint32_t classId = 0;
  std::string name, comment;
  std::vector<StoredUnit> units;  // the window's own unit first
  bool operator==(const WindowEntry&) const = default;
};

// Records: a unit record starts with any type word but `menu`'s.
std::uint32_t recordTypeWord(std::string_view record);  // 0 when shorter than a word
std::optional<UnitRecord> readUnitRecord(std::string_view record);
std::optional<MenuItemRecord> readMenuItemRecord(std::string_view record);
std::string writeUnitRecord(const UnitRecord& unit);
std::string writeMenuItemRecord(const MenuItemRecord& item);

// The block: nothing when it is truncated or malformed, including any record that does not read
// whole and a first unit that is not a window.
std::optional<std::vector<WindowEntry>> readBlock(std::string_view block);
std::string writeBlock(const std::vector<WindowEntry>& windows);
