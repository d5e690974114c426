#pragma once
// A created unit: its window (for visual types), its common properties 0-7 and what its type adds
// from index 8 on. Each type is one small file with a factory listed in unit_types_win32.cpp.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "ui/event_router.h"
#include "ui/format/template_block.h"
#include "ui/subclass_win32.h"

using PropertyValue = std::variant<std::int32_t, std::string>;
class Unit;

// What a unit asks of the framework that made it: its events raised, and for holders of other units
// (the Tab's pages) the units and records of its window.
class UnitHost {
 public:
  virtual RaiseResult raiseEvent(std::uint32_t windowId, std::uint32_t unitId, std::int32_t event,
                                 std::span<const std::int32_t> args) = 0;
  virtual Unit* GetUnit(std::uint32_t windowId, std::uint32_t unitId) = 0;
  virtual const WindowTable& windowTable() const = 0;

 protected:
  ~UnitHost() = default;
};

namespace common_property {
inline constexpr int left = 0, top = 1, width = 2, height = 3, tag = 4, visible = 5, disabled = 6, cursor = 7;
}

struct UnitContext {
  UnitHost& host;
  const UnitRecord& record;
  std::uint32_t windowId = 0, unitId = 0;
  HWND parent = nullptr;  // the window for units; the owner for the window's own unit
  int controlId = 0;
  DWORD style = 0;  // from the flags: disabled and tab stop
  COLORREF windowBackground = CLR_INVALID;
};

class Unit {
 public:
  explicit Unit(const UnitContext& c) : windowId(c.windowId), unitId(c.unitId), host_(c.host), tag_(c.record.tag) {}
  virtual ~Unit();
  Unit(const Unit&) = delete;
  Unit& operator=(const Unit&) = delete;

  HWND hwnd() const { return hwnd_; }
  virtual std::optional<PropertyValue> property(int index) const;
  // False when the type has no such property or the value has the wrong kind.
  virtual bool setProperty(int index, const PropertyValue& value);

  // Every message of the unit's window passes here first (see attach); the default passes it on.
  virtual LRESULT subclassedMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return passToNextProcedure(hwnd, msg, wp, lp);
  }

  // Raises one of this unit's events.
  RaiseResult raise(std::int32_t event, std::initializer_list<std::int32_t> args = {}) {
    return host_.raiseEvent(windowId, unitId, event, std::span<const std::int32_t>(args.begin(), args.size()));
  }

  const std::uint32_t windowId, unitId;
  std::int32_t cursorValue = 0;

 protected:
  // Marks `hwnd` as this unit's window: its messages reach subclassedMessage, and messages to it (or
  // to windows inside it) find the unit. False when the system refuses.
  [[nodiscard]] bool attach(HWND hwnd);

  // The background the unit's parent paints, for units that draw no background of their own.
  static void paintParentBackground(HWND hwnd, HDC dc);
  // A stored background colour over the whole client area; the default colour shows the parent's.
  static void paintBackground(HWND hwnd, HDC dc, std::uint32_t colour);

  UnitHost& host_;
  HWND hwnd_ = nullptr;
  std::string tag_;
};

// The unit whose window is `hwnd` or holds it, or none.
Unit* unitOfWindow(HWND hwnd);

// Reads property data only when present; empty data keeps every default.
template <class Properties>
std::optional<Properties> propertiesOrDefaults(const UnitRecord& record) {
  if (record.propertyData.empty()) return Properties{};
  return Properties::read(record.propertyData);
}

using UnitFactory = std::unique_ptr<Unit> (*)(const UnitContext&);

struct UnitType {
  std::uint32_t typeWord;
  UnitFactory create;
  bool visual;
};

// Nothing for a type this program cannot create.
const UnitType* findUnitType(std::uint32_t typeWord);

// Registers a window class once; `name` doubles as the class name.
ATOM registerUnitClass(const wchar_t* name, WNDPROC proc, UINT style = 0);

// GDI colour from a stored 0x00BBGGRR colour, or `fallback` for the default colour.
COLORREF storedColour(std::uint32_t colour, COLORREF fallback);
