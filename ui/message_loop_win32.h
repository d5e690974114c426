#pragma once
// The message loop, and the pre-translation every keyboard and mouse message of a loaded window
// passes before normal processing: the window's own keys (Tab, Enter, Esc), then the common events
// of the unit the message is for, whose handler may swallow the message or replace a character.
#include <windows.h>

#include <functional>

#include "ui/handles_win32.h"

// True when the message was swallowed.
bool PreTranslateMessage(MSG& msg);

// Focus changes reach windows as sent messages, never through the loop: a hook on the calling
// (user-interface) thread turns them into the units' events -7 and -8 while it is held.
OwnedHook watchFocusChanges();

// Handles the messages waiting now and returns, as the loop would; a quit message stays for the
// loop that is running.
void ProcessPendingMessages();

// Runs until the quit message, or until `keepGoing` says no.
void RunMessageLoopWhile(const std::function<bool()>& keepGoing);
void RunMessageLoop();
