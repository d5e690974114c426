#include "app/handler_table_win32.h"

#include "app/main_window_win32.h"
#include "app/window_openers_win32.h"
#include "assets/windows/handlers.h"

std::vector<HandlerRoutine> programHandlers() {
  std::vector<HandlerRoutine> table(static_cast<std::size_t>(Handler::count));
  const auto set = [&](Handler h, HandlerRoutine routine) { table[handlerReference(h)] = routine; };
  set(Handler::startMainWindow, main_window_handlers::created);
  set(Handler::mainWindowTrayIcon, main_window_handlers::trayIcon);
  set(Handler::hotkeyPressed, main_window_handlers::hotkeyPressed);
  set(Handler::quitProgram, main_window_handlers::quit);
  set(Handler::hideMainWindow, main_window_handlers::hide);
  set(Handler::toggleMainOnTop, main_window_handlers::toggleOnTop);
  set(Handler::showMainWindow, main_window_handlers::show);
  set(Handler::openAudioWindow, window_openers::openAudioWindow);
  set(Handler::openRecorderWindow, window_openers::openRecorderWindow);
  set(Handler::openNotepadWindow, window_openers::openNotepadWindow);
  set(Handler::openLockWindow, window_openers::openLockWindow);
  return table;
}
