// The skin's message table: flags before and after, the procedure called and what is repainted.
#include <gtest/gtest.h>

#include "ui/skin/skin_messages.h"

namespace {

using namespace skin;
using P = Handling::Procedure;
using R = Handling::Repaint;

struct Row {
  const char* name;
  Kind kind;
  Flags before;
  Message message;
  std::uintptr_t argument;
  bool leftHeld;
  Flags after;
  Handling handling;
};

const Row kRows[] = {
    {"focus gained", Kind::editBox, 0, Message::focusGained, 0, false, focused, {P::own, R::whole}},
    {"focus lost", Kind::pushButton, focused | hover, Message::focusLost, 0, false, hover, {P::own, R::whole}},
    {"disabled", Kind::comboBox, 0, Message::disabled, 0, false, disabled, {P::own, R::whole}},
    {"enabled", Kind::checkBox, disabled | ticked, Message::enabled, 0, false, ticked, {P::own, R::whole}},
    {"first move lights up", Kind::pushButton, 0, Message::mouseMove, 0, false, hover, {P::own, R::whole, true}},
    {"later moves pass", Kind::pushButton, hover, Message::mouseMove, 0, false, hover, {}},
    {"move with the button held", Kind::pushButton, 0, Message::mouseMove, 0, true, 0, {}},
    {"leave puts it out", Kind::upDown, hover, Message::mouseLeave, 0, false, 0, {P::own, R::whole}},
    {"leave without hover", Kind::upDown, 0, Message::mouseLeave, 0, false, 0, {}},
    {"button paint", Kind::pushButton, 0, Message::paint, 0, false, 0, {P::systemDefault, R::whole}},
    {"button text", Kind::radioButton, 0, Message::setText, 0, false, 0, {P::systemDefault, R::whole}},
    {"button erase", Kind::checkBox, 0, Message::eraseBackground, 0, false, 0, {P::own, R::none, false, true}},
    {"tick", Kind::checkBox, indeterminate, Message::setCheck, 1, false, ticked, {P::own, R::whole}},
    {"indeterminate", Kind::checkBox, ticked, Message::setCheck, 2, false, indeterminate, {P::own, R::whole}},
    {"untick", Kind::checkBox, ticked, Message::setCheck, 0, false, 0, {P::own, R::whole}},
    {"odd check state", Kind::radioButton, ticked, Message::setCheck, 7, false, 0, {P::own, R::whole}},
    {"pushed", Kind::pushButton, 0, Message::setPushed, 1, false, pushed, {P::own, R::whole}},
    {"released", Kind::pushButton, pushed, Message::setPushed, 0, false, 0, {P::own, R::whole}},
    {"becomes default", Kind::pushButton, 0, Message::setStyle, 0x50010001, false, defaultButton, {P::own, R::whole}},
    {"stops being default", Kind::pushButton, defaultButton, Message::setStyle, 0x0, false, 0, {P::own, R::whole}},
    {"edit paint", Kind::editBox, 0, Message::paint, 0, false, 0, {P::own, R::frame}},
    {"edit frame", Kind::editBox, 0, Message::nonClientPaint, 0, false, 0, {P::own, R::frame}},
    {"edit scroll", Kind::editBox, 0, Message::scroll, 0, false, 0, {P::own, R::frame}},
    {"edit frame under the pointer",
     Kind::editBox,
     0,
     Message::nonClientMouseMove,
     0,
     false,
     hover,
     {P::systemDefault, R::whole}},
    {"edit text is its own", Kind::editBox, 0, Message::setText, 0, false, 0, {}},
    {"combo paint", Kind::comboBox, 0, Message::paint, 0, false, 0, {P::own, R::whole}},
    {"combo pressed", Kind::comboBox, 0, Message::leftButtonDown, 0, false, pushed, {P::own, R::whole}},
    {"combo released", Kind::comboBox, pushed, Message::leftButtonUp, 0, false, 0, {P::own, R::whole}},
    {"up-down paint", Kind::upDown, 0, Message::paint, 0, false, 0, {P::systemDefault, R::whole}},
    {"group box frame", Kind::groupBox, 0, Message::nonClientPaint, 0, false, 0, {P::systemDefault, R::whole}},
    {"button press is the button's own", Kind::pushButton, 0, Message::leftButtonDown, 0, false, 0, {}},
    {"drop-down list paint", Kind::dropDownList, 0, Message::paint, 0, false, 0, {}},
    {"anything else", Kind::pushButton, hover, Message::other, 0, false, hover, {}},
};

TEST(SkinMessages, EveryRowOfTheTable) {
  for (const Row& row : kRows) {
    Flags flags = row.before;
    EXPECT_EQ(handleMessage(row.kind, flags, row.message, row.argument, row.leftHeld), row.handling) << row.name;
    EXPECT_EQ(flags, row.after) << row.name;
  }
}

}  // namespace
