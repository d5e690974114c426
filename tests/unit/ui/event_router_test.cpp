// How the router finds a handler: suspension, the three fatal errors, event sharing, menu items,
// the binding scan and the return slot.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/event_router.h"

namespace {

struct Call {
  int handler;
  std::uint32_t window, unit;
  std::int32_t event;
  std::vector<std::int32_t> args;
};
std::vector<Call> calls;

template <int N>
std::optional<std::int32_t> recordCall(const EventArgs& e) {
  calls.push_back({N, e.windowId, e.unitId, e.event, {e.args.begin(), e.args.end()}});
  if (N == 2) return 0;
  return std::nullopt;
}

constexpr std::uint32_t kWindow = 0x52010001, kOwn = 0x06010000, kButton = 0x16010001, kSharer = 0x16010002,
                        kOtherType = 0x16010003, kTimer = 0x16010004, kDialog = 0x16010005, kLoop = 0x16010006,
                        kItem = 0x26010030;

std::string unit(std::uint32_t type, std::vector<EventBinding> bindings, std::uint32_t sharing = 0) {
  UnitRecord u;
  u.typeWord = type;
  u.sharingUnitId = sharing;
  u.bindings = std::move(bindings);
  return writeUnitRecord(u);
}

std::string block() {
  MenuItemRecord item;
  item.handler = 1;
  return writeBlock({{kWindow,
                      0x19010001,
                      "",
                      "",
                      {{kOwn, unit(type_word::window, {{0, 0}, {1, 2}})},
                       {kButton, unit(type_word::Button, {{-5, 1}, {0, 0}, {0, 1}, {3, kNoHandler}})},
                       {kSharer, unit(type_word::Button, {{0, 1}}, kButton)},
                       {kOtherType, unit(type_word::Label, {{0, 1}}, kButton)},
                       {kTimer, unit(type_word::Timer, {{0, 3}})},
                       {kDialog, unit(type_word::CommonDlg, {{0, 0}})},
                       {kLoop, unit(type_word::Button, {{0, 0}}, kLoop)},
                       {kItem, writeMenuItemRecord(item)}}}});
}

class Router : public ::testing::Test {
 protected:
  void SetUp() override { calls.clear(); }
  // Handler 3 is not written yet: a null entry.
  const std::vector<HandlerRoutine> handlers{recordCall<0>, recordCall<1>, recordCall<2>, nullptr};
  WindowTable table = *WindowTable::read(block(), handlers);
  std::vector<std::string> fatal;
  EventRouter router{table, [this](std::string_view m) { fatal.emplace_back(m); }};
};

TEST_F(Router, FirstBindingWithTheIndexWinsAndGetsTheArguments) {
  const RaiseResult r = router.raise(kWindow, kButton, 0, {7, 8});
  EXPECT_TRUE(r.handled);
  EXPECT_FALSE(r.returned);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].handler, 0);
  EXPECT_EQ(calls[0].unit, kButton);
  EXPECT_EQ(calls[0].args, (std::vector<std::int32_t>{7, 8}));
}

TEST_F(Router, ReturnedValueFillsTheReturnSlot) {
  const RaiseResult r = router.raise(kWindow, 0, 1);
  EXPECT_TRUE(r.handled);
  ASSERT_TRUE(r.returned);
  EXPECT_EQ(*r.returned, 0);
}

TEST_F(Router, UnboundEventsAndBindingsWithoutHandlerAreNotHandled) {
  EXPECT_FALSE(router.raise(kWindow, kButton, -1).handled);
  EXPECT_FALSE(router.raise(kWindow, kButton, 3).handled);
  EXPECT_TRUE(calls.empty());
  EXPECT_TRUE(fatal.empty());
}

TEST_F(Router, AHandlerNotYetWrittenDoesNothing) {
  EXPECT_TRUE(router.raise(kWindow, kTimer, 0).handled);
  EXPECT_TRUE(calls.empty());
}

TEST_F(Router, EventSharingFollowsUnitsOfTheSameTypeOnly) {
  router.raise(kWindow, kSharer, -5);    // found in kButton's bindings
  router.raise(kWindow, kOtherType, 0);  // a Label does not share a Button's bindings
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].handler, 1);
  EXPECT_EQ(calls[0].unit, kSharer) << "the handler still sees the unit that raised the event";
  EXPECT_EQ(calls[1].handler, 1);
  EXPECT_TRUE(router.raise(kWindow, kLoop, 0).handled) << "a chain naming itself ends there";
}

TEST_F(Router, AMenuItemHasOneClickHandlerWhateverTheIndex) {
  router.raise(kWindow, kItem, 5);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].handler, 1);
}

TEST_F(Router, SuspendedEventsAreDroppedAndResumeStopsAtZero) {
  router.suspend();
  EXPECT_FALSE(router.raise(kWindow, kButton, 0).handled);
  router.resume();
  router.resume();
  EXPECT_TRUE(router.raise(kWindow, kButton, 0).handled);
  router.suspend();
  EXPECT_FALSE(router.raise(kWindow, kButton, 0).handled) << "one resume too many must not be saved up";
}

TEST_F(Router, MissingWindowUnitOrEventlessTypeIsFatalAndStopsAllEvents) {
  router.raise(0x52019999, 0, 0);
  EXPECT_EQ(fatal, std::vector<std::string>{"未找到引发事件的窗口"});
  EXPECT_FALSE(router.raise(kWindow, kButton, 0).handled) << "a fatal error suspends events for good";
  router.resume();
  EXPECT_FALSE(router.raise(kWindow, kButton, 0).handled);

  EventRouter second(table, [this](std::string_view m) { fatal.emplace_back(m); });
  second.raise(kWindow, 0x16019999, 0);
  EventRouter third(table, [this](std::string_view m) { fatal.emplace_back(m); });
  third.raise(kWindow, kDialog, 0);
  EXPECT_EQ(fatal,
            (std::vector<std::string>{"未找到引发事件的窗口", "未找到引发事件的窗口组件", "引发事件的窗口组件无效"}));
}

TEST(WindowTableRead, AHandlerReferenceBeyondTheTableMakesTheBlockUnreadable) {
  const std::vector<HandlerRoutine> two{recordCall<0>, recordCall<1>};
  EXPECT_FALSE(WindowTable::read(block(), two)) << "the timer names handler 3";
  const std::vector<HandlerRoutine> four{recordCall<0>, recordCall<1>, recordCall<2>, nullptr};
  EXPECT_TRUE(WindowTable::read(block(), four));
}

}  // namespace
