#pragma once
// The program's own window messages, all in the application range (WM_APP is 0x8000). Portable:
// plain numbers, so code without <windows.h> (the hotkey bookkeeping) can name them too.

namespace private_message {

// Sent to a Label; it raises its event 0 with the two parameters and hands the handler's value back
// as the result. The hotkey service sends it with (hotkey identifier, 0).
inline constexpr unsigned kFeedback = 0x8075;
// A standard control's WM_COMMAND notification, handed back to the control by the window or frame
// it sits in; wParam is that WM_COMMAND's wParam.
inline constexpr unsigned kReflectedCommand = 0x8076;
// Posted by a ComboBox to itself when a selection has settled; raises its "item chosen".
inline constexpr unsigned kItemChosen = 0x8077;
// The tray icon's callback message; the window turns it into its event 9.
inline constexpr unsigned kTrayIcon = 0x8100;

}  // namespace private_message
