// The loader's and router's rules on small windows described here: refusing a close, a created
// handler that closes its own window, swallowed and replaced characters, suspended events, and
// loads that fail.
#include <gtest/gtest.h>

#include "recording_handlers.h"
#include "ui/format/events.h"
#include "ui/format/property_data.h"
#include "ui/window_framework_win32.h"
#include "ui/types/unit_types_win32.h"
#include "ui/whole_file.h"

namespace {

constexpr std::uint32_t kPlain = 0x52010001, kSelfClosing = 0x52010002, kBadButton = 0x52010003,
                        kUnknownType = 0x52010004, kKeys = 0x52010005, kShaped = 0x52010006, kNested = 0x52010007,
                        kOwn = 0x06010000, kEdit = 0x16010001, kButton = 0x16010002, kEdit2 = 0x16010003;
// Handlers: 0 created, 1 may close, 2 moved, 3 character, 4 destroys the window it is told of,
// 5 key down, 6 wheel, 7 click, 8 focus.
constexpr std::size_t kCreated = 0, kMayClose = 1, kMoved = 2, kCharacter = 3, kClosesItself = 4, kKeyDown = 5,
                      kWheel = 6, kClick = 7, kFocus = 8;

std::string windowRecord(std::vector<EventBinding> bindings, bool escCloses = false) {
  UnitRecord own;
  own.typeWord = type_word::window;
  own.width = 200;
  own.height = 120;
  own.flags = unit_flag::visible;
  own.bindings = std::move(bindings);
  WindowProperties p;
  p.caption = "规则";
  p.escCloses = escCloses;
  own.propertyData = p.write();
  return writeUnitRecord(own);
}

std::string unitRecord(std::uint32_t type, std::vector<EventBinding> bindings, std::string data = {}, int top = 10) {
  UnitRecord u;
  u.typeWord = type;
  u.left = 10, u.top = top, u.width = 100, u.height = 24;
  u.flags = unit_flag::visible | unit_flag::tabStop;
  u.bindings = std::move(bindings);
  u.propertyData = std::move(data);
  return writeUnitRecord(u);
}

// Boxes nested 40 deep, each listed before the box it sits in, and two boxes inside each other.
constexpr std::uint32_t kChainBox = 0x16020000, kChainDepth = 40, kLoopBox = 0x16030000;
std::vector<StoredUnit> nestedUnits() {
  std::vector<StoredUnit> units{{kOwn, windowRecord({})}};
  const auto box = [](std::uint32_t parent) {
    UnitRecord u;
    u.typeWord = type_word::ShapeBox;
    u.width = u.height = 50;
    u.flags = unit_flag::visible;
    u.parentId = parent;
    return writeUnitRecord(u);
  };
  for (std::uint32_t k = kChainDepth; k-- > 0;) units.emplace_back(kChainBox + k, box(k ? kChainBox + k - 1 : 0));
  units.emplace_back(kLoopBox, box(kLoopBox + 1));
  units.emplace_back(kLoopBox + 1, box(kLoopBox));
  return units;
}

std::string knobPicture() { return readWholeFile(LANXING_PICTURES "volume-knob.bmp").bytes; }

std::string rulesBlock() {
  PicBtnProperties future;
  future.version = 2;
  PicBtnProperties knob;
  knob.normal = knobPicture();
  knob.transparentColour = 0x00FF00FF;
  return writeBlock({
      {kPlain,
       0x19010001,
       "",
       "",
       {{kOwn, windowRecord({{event::created, kCreated}, {event::mayClose, kMayClose}, {event::moved, kMoved}})},
        {kEdit, unitRecord(type_word::EditBox, {{event::character, kCharacter}})}}},
      {kSelfClosing,
       0x19010002,
       "",
       "",
       {{kOwn, windowRecord({{event::created, kClosesItself}, {event::moved, kMoved}})}}},
      {kBadButton,
       0x19010003,
       "",
       "",
       {{kOwn, windowRecord({})}, {kButton, unitRecord(type_word::PicBtn, {}, future.write())}}},
      {kUnknownType, 0x19010004, "", "", {{kOwn, windowRecord({})}, {kButton, unitRecord(0x00099999, {})}}},
      {kKeys,
       0x19010005,
       "",
       "",
       {{kOwn, windowRecord({}, true)},
        {kEdit, unitRecord(type_word::EditBox, {{event::keyDown, kKeyDown}, {event::wheel, kWheel}})},
        {kEdit2, unitRecord(type_word::EditBox, {{event::gotFocus, kFocus}, {event::lostFocus, kFocus}}, {}, 40)}}},
      {kShaped,
       0x19010006,
       "",
       "",
       {{kOwn, windowRecord({})}, {kButton, unitRecord(type_word::PicBtn, {{event::click, kClick}}, knob.write())}}},
      {kNested, 0x19010007, "", "", nestedUnits()},
  });
}

std::optional<std::int32_t> closesItself(const EventArgs& e) {
  recordingHandler<kClosesItself>(e);
  testWindows().DestroyWindow(e.windowId);
  return std::nullopt;
}

class WindowRules : public ::testing::Test {
 protected:
  void SetUp() override {
    recorded.clear();
    replies.clear();
    static const std::string block = rulesBlock();
    static const std::vector<HandlerRoutine> handlers = [] {
      auto h = recordingHandlers<9>();
      h[kClosesItself] = closesItself;
      return h;
    }();
    testWindows().ReadTemplates(block, handlers);
  }
  void TearDown() override {
    for (std::uint32_t id : {kPlain, kSelfClosing, kBadButton, kUnknownType, kKeys, kShaped, kNested})
      testWindows().DestroyWindow(id);
    pumpPending();
  }
};

TEST_F(WindowRules, AFalseMayCloseRefusesTheCloseAndNoAnswerLetsItClose) {
  ASSERT_TRUE(testWindows().LoadWindow(kPlain, nullptr));
  HWND w = testWindows().GetWindowHandle(kPlain);
  replies[kMayClose] = 0;
  SendMessageW(w, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(w));
  replies[kMayClose] = 1;
  SendMessageW(w, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(w) == FALSE) << "a true answer lets it close";
  EXPECT_EQ(eventsOf(kMayClose).size(), 2u);
}

TEST_F(WindowRules, DestroyWindowDoesNotAsk) {
  ASSERT_TRUE(testWindows().LoadWindow(kPlain, nullptr));
  replies[kMayClose] = 0;
  testWindows().DestroyWindow(kPlain);
  EXPECT_EQ(testWindows().GetWindowHandle(kPlain), nullptr);
  EXPECT_TRUE(eventsOf(kMayClose).empty());
}

TEST_F(WindowRules, LoadingRaisesCreatedThenMoved) {
  ASSERT_TRUE(testWindows().LoadWindow(kPlain, nullptr));
  ASSERT_GE(recorded.size(), 2u);
  EXPECT_EQ(recorded[0].handler, kCreated);
  EXPECT_EQ(recorded[1].handler, kMoved);
}

TEST_F(WindowRules, ACreatedHandlerThatClosesItsWindowStopsTheLoader) {
  EXPECT_TRUE(testWindows().LoadWindow(kSelfClosing, nullptr));
  EXPECT_EQ(eventsOf(kClosesItself).size(), 1u);
  EXPECT_TRUE(eventsOf(kMoved).empty()) << "no moved event for a window that is gone";
  EXPECT_EQ(testWindows().GetWindowHandle(kSelfClosing), nullptr);
}

TEST_F(WindowRules, ACharacterHandlerSwallowsOrReplacesTheCharacter) {
  ASSERT_TRUE(testWindows().LoadWindow(kPlain, nullptr));
  HWND edit = testWindows().GetUnit(kPlain, kEdit)->hwnd();
  const auto typed = [&](wchar_t c) {
    PostMessageW(edit, WM_CHAR, c, 1);
    const std::size_t before = eventsOf(kCharacter).size();
    EXPECT_TRUE(pumpUntil([&] { return eventsOf(kCharacter).size() > before; }));
    pumpPending();
    return std::get<std::string>(testWindows().GetProperty(kPlain, kEdit, edit_box_property::text));
  };
  EXPECT_EQ(typed(L'a'), "a") << "no answer: the character goes through";
  replies[kCharacter] = 0;
  EXPECT_EQ(typed(L'b'), "a") << "0 swallows it";
  replies[kCharacter] = 'Z';
  EXPECT_EQ(typed(L'c'), "aZ") << "another value replaces it";
  EXPECT_EQ(eventsOf(kCharacter)[0].args, std::vector<std::int32_t>{'a'});
}

TEST_F(WindowRules, SuspendedEventsAreDropped) {
  ASSERT_TRUE(testWindows().LoadWindow(kPlain, nullptr));
  testWindows().SuspendEvents();
  SendMessageW(testWindows().GetWindowHandle(kPlain), WM_CLOSE, 0, 0);
  testWindows().ResumeEvents();
  EXPECT_TRUE(eventsOf(kMayClose).empty());
  EXPECT_EQ(testWindows().GetWindowHandle(kPlain), nullptr) << "with no handler run, nothing refuses the close";
}

TEST_F(WindowRules, APictureButtonOfANewerVersionOrAnUnknownTypeFailsTheLoad) {
  const int before = testWindows().LoadedWindowCount();
  EXPECT_FALSE(testWindows().LoadWindow(kBadButton, nullptr));
  EXPECT_FALSE(testWindows().LoadWindow(kUnknownType, nullptr));
  EXPECT_EQ(testWindows().LoadedWindowCount(), before);
  EXPECT_EQ(testWindows().GetWindowHandle(kBadButton), nullptr);
}

TEST_F(WindowRules, DeeplyNestedAndLoopingContainersStillLoadEveryUnit) {
  ASSERT_TRUE(testWindows().LoadWindow(kNested, nullptr));
  for (std::uint32_t k = 0; k < kChainDepth; ++k) {
    SCOPED_TRACE(k);
    Unit* box = testWindows().GetUnit(kNested, kChainBox + k);
    ASSERT_TRUE(box && box->hwnd());
    HWND container =
        k ? testWindows().GetUnit(kNested, kChainBox + k - 1)->hwnd() : testWindows().GetWindowHandle(kNested);
    EXPECT_EQ(GetParent(box->hwnd()), container);
  }
  for (std::uint32_t id : {kLoopBox, kLoopBox + 1}) {
    Unit* box = testWindows().GetUnit(kNested, id);
    EXPECT_TRUE(box && IsWindow(box->hwnd()));
  }
}

TEST_F(WindowRules, AnOwnerThatIsNoLongerAWindowFailsANonModalLoad) {
  HWND gone = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  ::DestroyWindow(gone);
  EXPECT_FALSE(testWindows().LoadWindow(kPlain, gone));
  ASSERT_TRUE(testWindows().LoadWindow(kPlain, nullptr));
}

TEST_F(WindowRules, TabMovesTheFocusAndEscClosesWhenTheWindowSaysSo) {
  ASSERT_TRUE(testWindows().LoadWindow(kKeys, nullptr));
  HWND first = testWindows().GetUnit(kKeys, kEdit)->hwnd(), second = testWindows().GetUnit(kKeys, kEdit2)->hwnd();
  SetForegroundWindow(testWindows().GetWindowHandle(kKeys));
  SetFocus(first);
  ASSERT_EQ(GetFocus(), first);
  PostMessageW(first, WM_KEYDOWN, VK_TAB, 1);
  EXPECT_TRUE(pumpUntil([&] { return GetFocus() == second; }));
  PostMessageW(second, WM_KEYDOWN, VK_ESCAPE, 1);
  EXPECT_TRUE(pumpUntil([] { return testWindows().GetWindowHandle(kKeys) == nullptr; }));
}

TEST_F(WindowRules, FocusChangesRaiseGotAndLostFocus) {
  ASSERT_TRUE(testWindows().LoadWindow(kKeys, nullptr));
  HWND first = testWindows().GetUnit(kKeys, kEdit)->hwnd(), second = testWindows().GetUnit(kKeys, kEdit2)->hwnd();
  SetForegroundWindow(testWindows().GetWindowHandle(kKeys));
  SetFocus(first);
  recorded.clear();
  SetFocus(second);
  SetFocus(first);
  const auto events = eventsOf(kFocus);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].event, event::gotFocus);
  EXPECT_EQ(events[1].event, event::lostFocus);
  EXPECT_EQ(events[1].unit, kEdit2);
}

TEST_F(WindowRules, AFalseKeyDownSwallowsTheKeyAndTheWheelCountsSteps) {
  ASSERT_TRUE(testWindows().LoadWindow(kKeys, nullptr));
  HWND edit = testWindows().GetUnit(kKeys, kEdit)->hwnd();
  replies[kKeyDown] = 0;
  PostMessageW(edit, WM_KEYDOWN, 'A', 1);
  PostMessageW(edit, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240)), 0);
  ASSERT_TRUE(pumpUntil([] { return !eventsOf(kWheel).empty(); }));
  pumpPending();
  ASSERT_EQ(eventsOf(kKeyDown).size(), 1u);
  EXPECT_EQ(eventsOf(kKeyDown)[0].args, (std::vector<std::int32_t>{'A', 0}));
  EXPECT_EQ(eventsOf(kWheel)[0].args, (std::vector<std::int32_t>{-2, 0}));
  EXPECT_EQ(std::get<std::string>(testWindows().GetProperty(kKeys, kEdit, edit_box_property::text)), "")
      << "the swallowed key made no character";
}

TEST_F(WindowRules, TheTransparentColourIsCutOutOfAPictureButtonsWindow) {
  ASSERT_TRUE(testWindows().LoadWindow(kShaped, nullptr));
  HWND knob = testWindows().GetUnit(kShaped, kButton)->hwnd();
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(knob, region), ERROR);
  EXPECT_FALSE(PtInRegion(region, 0, 0)) << "a magenta corner of the knob";
  EXPECT_TRUE(PtInRegion(region, 15, 4)) << "the knob's middle";
  DeleteObject(region);
}

TEST_F(WindowRules, PictureButtonKindIsClamped) {
  ASSERT_TRUE(testWindows().LoadWindow(kShaped, nullptr));
  for (auto [given, stored] : {std::pair{5, 1}, {-2, 0}, {1, 1}}) {
    testWindows().SetProperty(kShaped, kButton, picbtn_property::kind, std::int32_t{given});
    EXPECT_EQ(std::get<std::int32_t>(testWindows().GetProperty(kShaped, kButton, picbtn_property::kind)), stored)
        << given;
  }
}

TEST_F(WindowRules, ReleasingOutsideAfterAPressInsideIsNoClick) {
  ASSERT_TRUE(testWindows().LoadWindow(kShaped, nullptr));
  HWND knob = testWindows().GetUnit(kShaped, kButton)->hwnd();
  PostMessageW(knob, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 4));
  PostMessageW(knob, WM_LBUTTONUP, 0, MAKELPARAM(150, 30));  // beyond its 100 × 24
  PostMessageW(knob, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 4));
  PostMessageW(knob, WM_LBUTTONUP, 0, MAKELPARAM(15, 4));
  ASSERT_TRUE(pumpUntil([] { return !eventsOf(kClick).empty(); }));
  pumpPending();
  EXPECT_EQ(eventsOf(kClick).size(), 1u) << "only the release inside clicks";
}

TEST_F(WindowRules, AToggleButtonFlipsItsSelectedStateOnEachClick) {
  ASSERT_TRUE(testWindows().LoadWindow(kShaped, nullptr));
  HWND knob = testWindows().GetUnit(kShaped, kButton)->hwnd();
  testWindows().SetProperty(kShaped, kButton, picbtn_property::kind, std::int32_t{1});
  const auto selected = [] {
    return std::get<std::int32_t>(testWindows().GetProperty(kShaped, kButton, picbtn_property::selected));
  };
  for (int expected : {1, 0}) {
    const std::size_t before = eventsOf(kClick).size();
    PostMessageW(knob, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 4));
    PostMessageW(knob, WM_LBUTTONUP, 0, MAKELPARAM(15, 4));
    ASSERT_TRUE(pumpUntil([&] { return eventsOf(kClick).size() > before; }));
    EXPECT_EQ(selected(), expected);
  }
}

}  // namespace
