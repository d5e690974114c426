#pragma once
// The message loop, and the pre-translation every keyboard and mouse message of a loaded window
// passes before normal processing: the window's own keys (Tab, Enter, Esc), then the common events
// of the unit the message is for, whose handler may swallow the message or replace a character.
#include <windows.h>

#include <functional>

// True when the message was swallowed.
bool PreTranslateMessage(MSG& msg);

// Focus changes reach windows as sent messages, never through the loop: a hook on the user-interface
// thread turns them into the units' events -7 and -8. Installed once, by the first load.
void watchFocusChanges();

// Runs until the quit message, or until `keepGoing` says no.
void RunMessageLoopWhile(const std::function<bool()>& keepGoing);
void RunMessageLoop();
