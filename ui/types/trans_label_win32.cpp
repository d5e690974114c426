// TransLabel (透明标签): only its text, drawn over whatever lies beneath it.
#include <vector>

#include "ui/format/property_data.h"
#include "ui/handles_win32.h"
#include "ui/types/text_unit_win32.h"

namespace {

// Paints `window` and the windows inside it, lowest first, into `dc` whose origin is `origin` on
// the screen.
void printWithChildren(HWND window, HDC dc, const RECT& origin) {
  RECT theirs;
  GetWindowRect(window, &theirs);
  // A window printing itself may leave its clip region, font or colours in the DC; the label's own
  // text, drawn last, must not inherit them.
  const int saved = SaveDC(dc);
  SetViewportOrgEx(dc, theirs.left - origin.left, theirs.top - origin.top, nullptr);
  SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
  RestoreDC(dc, saved);
  std::vector<HWND> children;
  for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if (IsWindowVisible(c)) children.push_back(c);
  for (auto c = children.rbegin(); c != children.rend(); ++c) printWithChildren(*c, dc, origin);
}

class TransLabel final : public TextUnit {
 public:
  using TextUnit::TextUnit;
  bool create(const UnitContext& c) {
    const auto p = propertiesOrDefaults<TransLabelProperties>(c.record);
    if (!p) return false;
    colour_ = storedColour(p->textColour, 0);
    font_ = fontFromProperty(p->font);
    if (!createWindow(c, L"LanxingTransLabel", 0)) return false;
    setText(p->text);
    return true;
  }

 private:
  LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_PRINTCLIENT) {
      drawText(reinterpret_cast<HDC>(wp));  // what lies beneath is already in the caller's picture
      return 0;
    }
    if (msg == WM_GETFONT) return reinterpret_cast<LRESULT>(fontOrDefault(font_));
    return TextUnit::handle(msg, wp, lp);
  }
  // Off screen: the parent's background, the siblings below this label from the lowest up, then
  // the text.
  void paint(HDC dc) override {
    RECT r;
    GetClientRect(hwnd_, &r);
    OwnedBitmap buffer(CreateCompatibleBitmap(dc, r.right, r.bottom));
    MemoryDc memory(dc, buffer.get());
    paintParentBackground(hwnd_, memory);
    RECT mine;
    GetWindowRect(hwnd_, &mine);
    std::vector<HWND> below;
    for (HWND s = GetWindow(hwnd_, GW_HWNDNEXT); s; s = GetWindow(s, GW_HWNDNEXT)) {
      RECT theirs, overlap;
      GetWindowRect(s, &theirs);
      if (IsWindowVisible(s) && IntersectRect(&overlap, &mine, &theirs)) below.push_back(s);
    }
    for (auto s = below.rbegin(); s != below.rend(); ++s) printWithChildren(*s, memory, mine);
    drawText(memory);
    BitBlt(dc, 0, 0, r.right, r.bottom, memory, 0, 0, SRCCOPY);
  }
};

}  // namespace

std::unique_ptr<Unit> createTransLabel(const UnitContext& c) { return createUnit<TransLabel>(c); }
