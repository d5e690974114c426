// The picture button's transitions, driven from the table the code carries.
#include <gtest/gtest.h>

#include "ui/picbtn_behaviour.h"

namespace {

using namespace picbtn;

TEST(PicBtnPush, EveryRowOfTheTransitionTable) {
  for (const Transition& t : kPushTable) EXPECT_EQ(push(t.from, t.input, t.situation), t.expected) << t.name;
}

// A button driven one input at a time, keeping its state, whether it holds the capture and its clicks.
struct Gesture {
  State s = normal;
  bool captured = false;
  int clicks = 0;
  void operator()(Input in, bool over, bool held) {
    const Step step = push(s, in, {true, over, held, captured});
    s = step.state;
    if (step.capture == Capture::take) captured = true;
    if (step.capture == Capture::release) captured = false;
    clicks += step.click;
  }
};

// A whole gesture: enter, press, leave holding, come back, release inside.
TEST(PicBtnPush, PressLeaveReturnAndReleaseClicksOnce) {
  Gesture feed;
  State& s = feed.s;
  bool& captured = feed.captured;
  const int& clicks = feed.clicks;
  feed(Input::move, true, false);
  EXPECT_EQ(s, hover);
  feed(Input::leftDown, true, true);
  EXPECT_EQ(s, pressed);
  feed(Input::move, false, true);
  EXPECT_EQ(s, normal);
  EXPECT_TRUE(captured) << "the capture stays while the button is held, so the return is seen";
  feed(Input::move, true, true);
  EXPECT_EQ(s, pressed);
  feed(Input::leftUp, true, false);
  EXPECT_EQ(s, normal);
  EXPECT_FALSE(captured);
  EXPECT_EQ(clicks, 1);
}

// Another window takes the capture while the button is held down (a message box, a menu): the
// button lets go of its pressed picture, and releasing over it afterwards is no click.
TEST(PicBtnPush, CaptureTakenAwayMidPressEndsThePressWithoutAClick) {
  Gesture feed;
  State& s = feed.s;
  bool& captured = feed.captured;
  const int& clicks = feed.clicks;
  feed(Input::move, true, false);
  feed(Input::leftDown, true, true);
  ASSERT_EQ(s, pressed);
  captured = false;  // the system moved the capture elsewhere
  feed(Input::captureLost, true, true);
  EXPECT_EQ(s, normal);
  feed(Input::leftUp, true, false);
  EXPECT_EQ(clicks, 0);
  feed(Input::move, true, false);
  feed(Input::leftDown, true, true);
  feed(Input::leftUp, true, false);
  EXPECT_EQ(clicks, 1) << "the next whole press clicks again";
}

TEST(PicBtnToggle, ReleaseInsideFlipsAndOnlyThat) {
  const Situation inside{true, true, false, false}, outside{true, false, false, false};
  EXPECT_EQ(toggle(normal, false, Input::leftUp, inside), (Step{pressed, Capture::release, true, true}));
  EXPECT_EQ(toggle(pressed, true, Input::leftUp, inside), (Step{normal, Capture::release, true, true}));
  EXPECT_EQ(toggle(normal, false, Input::leftUp, outside), (Step{normal, Capture::release}));
  EXPECT_EQ(toggle(normal, false, Input::leftDown, inside), (Step{normal}));
  EXPECT_EQ(toggle(normal, false, Input::move, inside), (Step{normal, Capture::release})) << "no hover picture";
  EXPECT_EQ(toggle(normal, false, Input::leftUp, {false, true, false, false}), (Step{normal, Capture::release}));
}

TEST(PicBtnKind, IsClampedToPushOrToggle) {
  const std::pair<std::int32_t, std::int32_t> cases[] = {{-2, 0}, {0, 0}, {1, 1}, {5, 1}, {INT32_MIN, 0}};
  for (auto [given, stored] : cases) EXPECT_EQ(clampKind(given), stored) << given;
}

}  // namespace
