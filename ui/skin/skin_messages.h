#pragma once
// What the skin does with each message a skinned control receives: which state flags change, which
// procedure handles the message, and what is repainted after it. The Win32 layer translates the
// window message, applies the answer and calls the painter of the control's kind.
#include <cstdint>

#include "ui/skin/skin_kinds.h"

namespace skin {

enum class Message {
  focusGained,
  focusLost,
  enabled,
  disabled,
  mouseMove,
  mouseLeave,
  paint,
  nonClientPaint,
  setText,
  eraseBackground,
  setCheck,
  setPushed,
  setStyle,  // their argument: the check state, pushed or not, the new style
  scroll,
  nonClientMouseMove,
  leftButtonDown,
  leftButtonUp,
  other,
};

struct Handling {
  enum class Procedure { own, systemDefault } procedure = Procedure::own;
  enum class Repaint { none, whole, frame } repaint = Repaint::none;
  bool trackMouseLeave = false;   // ask the system for a mouse-leave notice
  bool askParentColours = false;  // the parent's button-colour message, for the brush and text colour
  bool operator==(const Handling&) const = default;
};

// `flags` is updated in place. `argument` is the message's first parameter; `leftButtonHeld`
// matters for mouse moves only.
Handling handleMessage(Kind kind, Flags& flags, Message message, std::uintptr_t argument, bool leftButtonHeld);

}  // namespace skin
