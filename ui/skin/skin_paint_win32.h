#pragma once
// Draws a skinned control on the screen: its kind's painter into an off-screen pixel buffer, the
// text over it with the control's own font, then the painted pixels onto the control.
#include <windows.h>

#include "ui/skin/skin_kinds.h"
#include "ui/skin/skin_messages.h"

// What the control's parent last supplied for it with its button-colour message.
struct ParentColours {
  HBRUSH brush = nullptr;  // none: the button face
  COLORREF text = 0;
};

struct SkinnedLook {
  skin::Kind kind;
  skin::Flags flags;
  int scheme;
  ParentColours parent;
};

// `what` is the whole control or only its frame (edit boxes). Onto the screen, or into `printed`, a
// DC whose origin is the control's client origin, when another window prints the control into its
// own picture (WM_PRINTCLIENT).
void paintSkinned(HWND control, const SkinnedLook& look, skin::Handling::Repaint what, HDC printed = nullptr);
