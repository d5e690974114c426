// LineChart (曲线图控件): one line of up to 100 points on a 0..10000000 scale, drawn over its
// background with its captions in the text colour. Every change of the data repaints it.
#include <vector>

#include "ui/controls/line_chart_data.h"
#include "ui/format/control_properties.h"
#include "ui/gbk_text_win32.h"
#include "ui/handles_win32.h"
#include "ui/types/own_window_unit_win32.h"
#include "ui/types/pixel_layout_win32.h"
#include "ui/types/unit_types_win32.h"

namespace {

// Room round the plot for the captions: the recorder's frame cuts these margins off.
constexpr int kLeftMargin = 50, kTopMargin = 12, kRightMargin = 40, kBottomMargin = 12;

class LineChart final : public OwnWindowUnit {
 public:
  using OwnWindowUnit::OwnWindowUnit;
  bool create(const UnitContext& c) {
    const auto p = propertiesOrDefaults<LineChartProperties>(c.record);
    if (!p) return false;
    look_ = *p;
    data_.setPointCount(static_cast<std::int32_t>(p->pointCount));
    return createWindow(c, L"LanxingLineChart", 0, CS_HREDRAW | CS_VREDRAW);
  }

  std::optional<PropertyValue> property(int index) const override {
    namespace lp = line_chart_property;
    switch (index) {
      case lp::backgroundColour: return static_cast<std::int32_t>(look_.backgroundColour);
      case lp::textColour: return static_cast<std::int32_t>(look_.textColour);
      case lp::pointCount: return std::int32_t{data_.pointCount()};
      case lp::currentPoint: return std::int32_t{data_.currentPoint()};
      case lp::currentValue: return static_cast<std::int32_t>(data_.currentValue());
      default: return OwnWindowUnit::property(index);
    }
  }

  bool setProperty(int index, const PropertyValue& value) override {
    namespace lp = line_chart_property;
    const auto* number = std::get_if<std::int32_t>(&value);
    if (index < lp::textColour || index > lp::currentValue) return OwnWindowUnit::setProperty(index, value);
    if (!number) return false;
    switch (index) {
      case lp::textColour: look_.textColour = static_cast<std::uint32_t>(*number); break;
      case lp::pointCount: data_.setPointCount(*number); break;
      case lp::currentPoint: data_.setCurrentPoint(*number); break;
      default: data_.setCurrentValue(*number); break;
    }
    // A refresh writes thousands of points between two paints: the first change asks for the one
    // repaint, the rest find it pending.
    if (!repaintPending_) InvalidateRect(hwnd_, nullptr, FALSE);
    repaintPending_ = true;
    return true;
  }

 private:
  void paint(HDC dc) override {
    repaintPending_ = false;
    RECT r;
    GetClientRect(hwnd_, &r);
    OwnedBitmap buffer(CreateCompatibleBitmap(dc, r.right, r.bottom));
    MemoryDc memory(dc, buffer.get());
    OwnedBrush background(CreateSolidBrush(look_.backgroundColour & 0xFFFFFF));
    FillRect(memory, &r, background.get());
    drawCaptions(memory, r);
    drawLine(memory, {r.left + kLeftMargin, r.top + kTopMargin, r.right - kRightMargin, r.bottom - kBottomMargin});
    BitBlt(dc, 0, 0, r.right, r.bottom, memory, 0, 0, SRCCOPY);
  }

  void drawCaptions(HDC dc, RECT r) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look_.textColour & 0xFFFFFF);
    HGDIOBJ old = SelectObject(dc, defaultGuiFont());
    const std::wstring title = wideFromGbk(look_.title), x = wideFromGbk(look_.xCaption),
                       y = wideFromGbk(look_.yCaption);
    DrawTextW(dc, title.c_str(), -1, &r, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    DrawTextW(dc, y.c_str(), -1, &r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    DrawTextW(dc, x.c_str(), -1, &r, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
  }

  void drawLine(HDC dc, RECT plot) {
    const int n = data_.pointCount();
    const int width = plot.right - plot.left, height = plot.bottom - plot.top;
    std::vector<POINT> points;
    for (int i = 0; i < n; ++i) {
      const int x = plot.left + (n > 1 ? width * i / (n - 1) : width / 2);
      const int y = plot.bottom - static_cast<int>(data_.heightShare(i) * height);
      points.push_back({x, y});
    }
    OwnedPen pen(CreatePen(PS_SOLID, 1, look_.lineColour & 0xFFFFFF));
    HGDIOBJ old = SelectObject(dc, pen.get());
    Polyline(dc, points.data(), static_cast<int>(points.size()));
    SelectObject(dc, old);
  }

  LineChartProperties look_;
  LineChartData data_;
  bool repaintPending_ = false;
};

}  // namespace

std::unique_ptr<Unit> createLineChart(const UnitContext& c) { return createUnit<LineChart>(c); }
