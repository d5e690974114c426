// The notepad window: one multi-line edit box over the whole client area, and a menu bar whose
// "菜单" holds "置顶".
#include "assets/windows/notepad_window_ids.h"
#include "assets/windows/unit_properties.h"
#include "assets/windows/window_description.h"

namespace {

using namespace notepad_window;
namespace tw = type_word;

std::string windowProperties() {
  WindowProperties p = ownedWindow("澜星　记事本");
  p.controlBox = 1;
  p.dragByAnyPoint = 1;
  return p.write();
}

std::string textPad() {
  EditBoxProperties p;
  p.multiLine = 1;
  p.scrollBars = 2;  // vertical
  return p.write();
}

}  // namespace

WindowDescription notepadWindowDescription() {
  return WindowDescription{
      kWindowId,
      0x19010188,
      {
          {窗口,
           "",
           tw::window,
           0,
           {50, 50, 509, 365},
           flags::visible,
           0,
           {on(event::created, Handler::loadNotepadText), on(event::aboutToBeDestroyed, Handler::saveNotepadText)},
           windowProperties()},
          {编辑框1, "编辑框1", tw::EditBox, 0, {-1, -1, 505, 321}, flags::visibleTabStop, 0, {}, textPad()},
      },
      {
          {菜单, 0, 0, "菜单"},
          {置顶, 1, 0, "置顶", handlerReference(Handler::toggleNotepadOnTop)},
      }};
}
