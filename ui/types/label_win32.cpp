// Label (标签): paints its parent's background and its caption, and answers the feedback message
// with its event 0, handing the handler's value back to the sender.
#include "ui/format/events.h"
#include "ui/private_messages.h"
#include "ui/types/text_unit_win32.h"

namespace {

class Label final : public TextUnit {
 public:
  using TextUnit::TextUnit;
  bool create(const UnitContext& c) { return createWindow(c, L"LanxingLabel", 0); }

 private:
  LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == private_message::kFeedback) {
      const RaiseResult r = raise(event::feedback, {static_cast<std::int32_t>(wp), static_cast<std::int32_t>(lp)});
      return r.returned ? *r.returned : 0;
    }
    return TextUnit::handle(msg, wp, lp);
  }
  void paint(HDC dc) override {
    paintParentBackground(hwnd_, dc);
    drawText(dc);
  }
};

}  // namespace

std::unique_ptr<Unit> createLabel(const UnitContext& c) { return createUnit<Label>(c); }
