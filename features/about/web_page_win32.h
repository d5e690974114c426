#pragma once
// OpenWebPage: an address handed to the shell, which opens it in the default browser.
#include <windows.h>

#include <string_view>

// Opens `address` (the fallback address of contact_details.h when empty) with the verb "open",
// shown normally. The shell's answer is not looked at: with no browser, nothing opens.
void OpenWebPage(std::string_view address);

// The top-level window titled "Microsoft Internet Explorer", handed to the shell as the owner, or
// none.
HWND browserWindow();
