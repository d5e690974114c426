// Tab (选择夹): a holder of pages, one shown at a time. The page is chosen by the program (the
// window's own buttons pick it), so no header strip takes room from the pages; the current page's
// units are shown and the others hidden. Property 8 is the current page, from 0.
#include <algorithm>

#include "ui/controls/tab_pages.h"
#include "ui/format/control_properties.h"
#include "ui/types/own_window_unit_win32.h"
#include "ui/types/unit_types_win32.h"

namespace {

class Tab final : public OwnWindowUnit {
 public:
  using OwnWindowUnit::OwnWindowUnit;
  bool create(const UnitContext& c) {
    const auto p = propertiesOrDefaults<TabProperties>(c.record);
    if (!p) return false;
    pageNames_ = p->pageNames;
    background_ = p->backgroundColour;
    pages_ = pagesOf(c.record.children);
    return createWindow(c, L"LanxingTab", WS_CLIPCHILDREN);
  }

  std::optional<PropertyValue> property(int index) const override {
    if (index == tab_property::currentPage) return static_cast<std::int32_t>(current_);
    if (index == tab_property::pageCount) return static_cast<std::int32_t>(pageNames_.size());
    return OwnWindowUnit::property(index);
  }

  bool setProperty(int index, const PropertyValue& value) override {
    if (index != tab_property::currentPage) return OwnWindowUnit::setProperty(index, value);
    const auto* page = std::get_if<std::int32_t>(&value);
    if (!page || *page < 0 || static_cast<std::size_t>(*page) >= pages_.size()) return false;
    show(static_cast<std::size_t>(*page));
    return true;
  }

 private:
  void show(std::size_t page) {
    current_ = page;
    for (std::size_t p = 0; p < pages_.size(); ++p)
      for (std::uint32_t id : pages_[p])
        if (Unit* unit = host_.GetUnit(windowId, id); unit && unit->hwnd())
          ShowWindow(unit->hwnd(), p == page && visibleMark(id) ? SW_SHOWNA : SW_HIDE);
    HWND window = GetAncestor(hwnd_, GA_ROOT);
    if (GetActiveWindow() != window) return;
    const std::vector<std::uint32_t> ordered = inRecordOrder(pages_[page]);
    if (const auto focus = focusOnShow(ordered, focusOrders(ordered)))
      if (Unit* unit = host_.GetUnit(windowId, *focus); unit && unit->hwnd()) SetFocus(unit->hwnd());
  }

  const UnitRecord* record(std::uint32_t id) const {
    const WindowTemplate* w = host_.windowTable().find(windowId);
    const UnitTemplate* u = w ? w->find(id) : nullptr;
    return u && u->unit ? &*u->unit : nullptr;
  }
  bool visibleMark(std::uint32_t id) const {
    const UnitRecord* r = record(id);
    return r && (r->flags & unit_flag::visible);
  }
  std::vector<std::uint32_t> inRecordOrder(std::vector<std::uint32_t> ids) const {
    const WindowTemplate* w = host_.windowTable().find(windowId);
    const auto index = [&](std::uint32_t id) { return w->find(id) - w->units.data(); };
    if (w) std::sort(ids.begin(), ids.end(), [&](auto a, auto b) { return index(a) < index(b); });
    return ids;
  }
  std::vector<std::uint32_t> focusOrders(const std::vector<std::uint32_t>& ids) const {
    std::vector<std::uint32_t> orders;
    for (std::uint32_t id : ids) orders.push_back(record(id) ? record(id)->focusOrder : 0);
    return orders;
  }

  void paint(HDC dc) override { paintBackground(hwnd_, dc, background_); }

  std::vector<std::string> pageNames_;
  std::uint32_t background_ = kDefaultColour;
  TabPages pages_;
  std::size_t current_ = 0;
};

}  // namespace

std::unique_ptr<Unit> createTab(const UnitContext& c) { return createUnit<Tab>(c); }
