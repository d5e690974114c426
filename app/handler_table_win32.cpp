#include "app/handler_table_win32.h"

#include "app/main_window_win32.h"
#include "app/window_openers_win32.h"
#include "assets/windows/handlers.h"
#include "soundboard/audio_window/audio_window_win32.h"

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
  namespace audio = audio_window_handlers;
  set(Handler::startAudioWindow, audio::created);
  set(Handler::playPageEffect, audio::playPageEffect);
  set(Handler::stopAllSound, audio::stopAllSound);
  set(Handler::showPage1, audio::showPage1);
  set(Handler::showPage2, audio::showPage2);
  set(Handler::showPage3, audio::showPage3);
  set(Handler::showPage4, audio::showPage4);
  set(Handler::toggleAudioOnTop, audio::toggleOnTop);
  set(Handler::closeAudioWindow, audio::close);
  set(Handler::playCustomEffect1, audio::playCustomEffect1);
  set(Handler::playCustomEffect2, audio::playCustomEffect2);
  set(Handler::playCustomEffect3, audio::playCustomEffect3);
  set(Handler::chooseCustomEffect1, audio::chooseCustomEffect1);
  set(Handler::chooseCustomEffect2, audio::chooseCustomEffect2);
  set(Handler::chooseCustomEffect3, audio::chooseCustomEffect3);
  return table;
}
