#include "ui/skin/skin_messages.h"

namespace skin {

namespace {

using Procedure = Handling::Procedure;
using Repaint = Handling::Repaint;

constexpr Handling kOwnThenRepaint{Procedure::own, Repaint::whole};
constexpr Handling kDefaultThenRepaint{Procedure::systemDefault, Repaint::whole};
constexpr Handling kUnchanged{};

void setFlag(Flags& flags, Flags flag, bool on) { flags = on ? flags | flag : flags & ~flag; }

// The three kinds drawn as buttons: the control's own procedure never paints them.
Handling buttonMessage(Flags& flags, Message message, std::uintptr_t argument) {
  switch (message) {
    case Message::paint:
    case Message::setText: return kDefaultThenRepaint;
    case Message::eraseBackground: return {Procedure::own, Repaint::none, false, true};
    case Message::setCheck:
      setFlag(flags, ticked, argument == 1);
      setFlag(flags, indeterminate, argument == 2);
      return kOwnThenRepaint;
    case Message::setPushed: setFlag(flags, pushed, argument != 0); return kOwnThenRepaint;
    case Message::setStyle:
      setFlag(flags, defaultButton, isDefaultPushStyle(static_cast<std::uint32_t>(argument)));
      return kOwnThenRepaint;
    default: return kUnchanged;
  }
}

Handling kindMessage(Kind kind, Flags& flags, Message message, std::uintptr_t argument) {
  switch (kind) {
    case Kind::pushButton:
    case Kind::checkBox:
    case Kind::radioButton: return buttonMessage(flags, message, argument);
    case Kind::editBox:
      if (message == Message::paint || message == Message::nonClientPaint || message == Message::scroll)
        return {Procedure::own, Repaint::frame};
      if (message == Message::nonClientMouseMove) {
        flags |= hover;
        return kDefaultThenRepaint;
      }
      return kUnchanged;
    case Kind::comboBox:
      if (message == Message::paint || message == Message::nonClientPaint) return kOwnThenRepaint;
      if (message == Message::leftButtonDown || message == Message::leftButtonUp) {
        setFlag(flags, pushed, message == Message::leftButtonDown);
        return kOwnThenRepaint;
      }
      return kUnchanged;
    case Kind::upDown:
    case Kind::groupBox:
      if (message == Message::paint || message == Message::nonClientPaint) return kDefaultThenRepaint;
      return kUnchanged;
    default: return kUnchanged;
  }
}

}  // namespace

Handling handleMessage(Kind kind, Flags& flags, Message message, std::uintptr_t argument, bool leftButtonHeld) {
  switch (message) {
    case Message::focusGained:
    case Message::focusLost: setFlag(flags, focused, message == Message::focusGained); return kOwnThenRepaint;
    case Message::enabled:
    case Message::disabled: setFlag(flags, disabled, message == Message::disabled); return kOwnThenRepaint;
    case Message::mouseMove:
      // Only the first move lights the control; the leave notice puts it out again.
      if ((flags & hover) || leftButtonHeld) return kUnchanged;
      flags |= hover;
      return {Procedure::own, Repaint::whole, true};
    case Message::mouseLeave:
      if (!(flags & hover)) return kUnchanged;
      flags &= ~hover;
      return kOwnThenRepaint;
    default: return kindMessage(kind, flags, message, argument);
  }
}

}  // namespace skin
