#pragma once
// The vocabulary the window descriptions are written in: one row per unit in record order, parents
// by id, child lists worked out from the parents. toWindowEntry() turns a description into the
// stored window entry.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "assets/windows/handlers.h"
#include "ui/format/events.h"
#include "ui/format/template_block.h"

struct Rect {
  std::int32_t left, top, width, height;
};

namespace flags {
inline constexpr std::uint32_t visible = unit_flag::visible;
inline constexpr std::uint32_t visibleTabStop = unit_flag::visible | unit_flag::tabStop;
inline constexpr std::uint32_t visibleDisabledTabStop = unit_flag::visible | unit_flag::disabled | unit_flag::tabStop;
inline constexpr std::uint32_t hiddenTabStop = unit_flag::tabStop;
inline constexpr std::uint32_t nonVisual = 0;
}  // namespace flags

inline constexpr std::uint32_t kHandCursor = 32649;

struct UnitDescription {
  std::uint32_t id = 0;
  std::string_view name;
  std::uint32_t type = 0;
  std::uint32_t parent = 0;  // 0: the window
  Rect rect{};
  std::uint32_t flags = 0;
  std::uint32_t cursor = 0;  // a system cursor value; 0 none
  std::vector<EventBinding> bindings;
  std::string properties;               // stored property data; empty keeps every default
  std::string cursorImage;              // a cursor file of its own, in place of `cursor`
  std::vector<std::uint32_t> children;  // as stored; empty: the units whose parent this is
};

struct MenuItemDescription {
  std::uint32_t id = 0;
  std::uint32_t level = 0;
  std::uint32_t menuFlags = 0;
  std::string_view caption;
  std::uint32_t handler = kNoHandler;
};

struct WindowDescription {
  std::uint32_t id = 0, classId = 0;
  std::vector<UnitDescription> units;  // the window's own unit first
  std::vector<MenuItemDescription> menu;
};

inline EventBinding on(std::int32_t event, Handler h) { return {event, handlerReference(h)}; }

// Picture files by name from one folder; a missing file stops the build. File names are UTF-8
// (u8 literals), as on disk; the texts of the descriptions are GBK.
class PictureFolder {
 public:
  explicit PictureFolder(std::filesystem::path folder) : folder_(std::move(folder)) {}
  std::string operator()(std::u8string_view file) const;

 private:
  std::filesystem::path folder_;
};

WindowEntry toWindowEntry(const WindowDescription& description);

// The descriptions of the program's windows, in stored order.
WindowDescription mainWindowDescription(const PictureFolder& pictures);
WindowDescription audioWindowDescription(const PictureFolder& pictures);
WindowDescription recorderWindowDescription(const PictureFolder& pictures);
WindowDescription notepadWindowDescription();
WindowDescription lockWindowDescription(const PictureFolder& pictures);
