#pragma once
// Each window's units as rows of text (name, type, parent, rectangle, flags, cursor, what it shows,
// its bindings), derived from the embedded block, so that a test can hold them against rows
// written out by hand.
#include <cstdint>
#include <string>
#include <vector>

#include "ui/format/template_block.h"

struct CatalogueRow {
  std::string name;    // "(window)" for the window's own unit
  std::string type;    // `EditBox`, `Button`, ...
  std::string parent;  // "-" for the window, "window" for a unit placed in it
  std::int32_t left = 0, top = 0, width = 0, height = 0;
  std::string flags;   // "visible", "visible, tab stop", ..., "non-visual"
  std::string cursor;  // "", "hand", "own"
  std::string text;    // caption, label text, pictures, pages, items or dialog
  std::vector<EventBinding> bindings;
  bool operator==(const CatalogueRow&) const = default;
};

std::vector<WindowEntry> embeddedBlock();
const WindowEntry& embeddedWindow(std::uint32_t windowId);
// Every unit but menu items, in record order.
std::vector<CatalogueRow> rowsOf(const WindowEntry& window);

std::ostream& operator<<(std::ostream& out, const CatalogueRow& row);
