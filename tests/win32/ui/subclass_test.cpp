// The chains of handlers in front of windows' procedures: the order messages take, links leaving in
// any order (also from inside a message, and with a foreign procedure put in front since), messages
// sent from inside a handler, and the links going when the window is destroyed.
#include <gtest/gtest.h>

#include <string>

#include "ui/subclass_win32.h"

namespace {

std::string seen;  // who saw each test message, in order: '0' is the window's own procedure
constexpr UINT kProbe = WM_APP + 1, kNested = WM_APP + 2;

LRESULT CALLBACK ownProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kProbe || msg == kNested) seen += '0';
  return DefWindowProcW(hwnd, msg, wp, lp);
}

WNDPROC foreignNext = nullptr;
LRESULT CALLBACK foreignProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {  // a subclasser of its own
  if (msg == kProbe) seen += 'F';
  return CallWindowProcW(foreignNext, hwnd, msg, wp, lp);
}

// A handler of its own type; what it does on the probe is set per test.
template <char Name>
struct Handler {
  enum class Then { passOn, leave, sendNested } then = Then::passOn;
  bool sawItselfOnDestroy = true;
  LRESULT subclassedMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCDESTROY) sawItselfOnDestroy = subclassTarget<Handler>(hwnd) == this;
    if (msg == kProbe || msg == kNested) seen += Name;
    if (msg == kProbe && then == Then::leave) detachSubclass<Handler>(hwnd);
    if (msg == kProbe && then == Then::sendNested) {
      SendMessageW(hwnd, kNested, 0, 0);
      seen += '|';
    }
    return passToNextProcedure(hwnd, msg, wp, lp);
  }
};
using A = Handler<'A'>;
using B = Handler<'B'>;
using C = Handler<'C'>;

class SubclassTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ownProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"SubclassTestWindow";
    RegisterClassW(&wc);
    window =
        CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_TRUE(window);
  }
  void TearDown() override {
    if (window) DestroyWindow(window);
  }
  std::string probe() {
    seen.clear();
    SendMessageW(window, kProbe, 0, 0);
    return seen;
  }
  LONG_PTR slot() const { return GetWindowLongPtrW(window, GWLP_WNDPROC); }

  HWND window = nullptr;
  A a;
  B b;
  C c;
};

TEST_F(SubclassTest, NewestHandlerFirstThenTheWindowsOwnProcedure) {
  ASSERT_TRUE(attachSubclass(window, a));
  ASSERT_TRUE(attachSubclass(window, b));
  ASSERT_TRUE(attachSubclass(window, c));
  EXPECT_EQ(probe(), "CBA0");
  EXPECT_EQ(subclassTarget<B>(window), &b);

  B other;
  ASSERT_TRUE(attachSubclass(window, other));  // the same type again: the link points at the new object
  EXPECT_EQ(probe(), "CBA0");
  EXPECT_EQ(subclassTarget<B>(window), &other);
}

TEST_F(SubclassTest, LinksLeaveInAnyOrderAndTheLastGivesTheProcedureBack) {
  const LONG_PTR own = slot();
  ASSERT_TRUE(attachSubclass(window, a));
  ASSERT_TRUE(attachSubclass(window, b));
  ASSERT_TRUE(attachSubclass(window, c));
  struct Case {
    void (*leave)(HWND);
    const char* after;
  };
  const Case cases[] = {
      {detachSubclass<B>, "CA0"}, {detachSubclass<B>, "CA0"}, {detachSubclass<C>, "A0"}, {detachSubclass<A>, "0"}};
  for (const Case& step : cases) {
    step.leave(window);
    EXPECT_EQ(probe(), step.after);
  }
  EXPECT_EQ(slot(), own);
  EXPECT_EQ(subclassTarget<A>(window), nullptr);
}

TEST_F(SubclassTest, AProcedurePutInFrontSinceKeepsWorkingWhenTheLinksLeave) {
  const LONG_PTR own = slot();
  ASSERT_TRUE(attachSubclass(window, a));
  foreignNext =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&foreignProcedure)));
  ASSERT_TRUE(attachSubclass(window, b));
  EXPECT_EQ(probe(), "FBA0");

  detachSubclass<A>(window);
  detachSubclass<B>(window);
  EXPECT_EQ(slot(), reinterpret_cast<LONG_PTR>(&foreignProcedure)) << "the foreign procedure is not pushed out";
  EXPECT_EQ(probe(), "F0");

  ASSERT_TRUE(attachSubclass(window, c));  // joins the chain still standing behind the foreign one
  EXPECT_EQ(probe(), "FC0");
  detachSubclass<C>(window);
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(foreignNext));  // the foreign one leaves
  EXPECT_EQ(probe(), "0");
  EXPECT_EQ(slot(), own) << "the empty chain gave the window its procedure back on the next message";
}

TEST_F(SubclassTest, AHandlerLeavingDuringAMessageStillPassesItOn) {
  ASSERT_TRUE(attachSubclass(window, a));
  ASSERT_TRUE(attachSubclass(window, b));
  ASSERT_TRUE(attachSubclass(window, c));
  b.then = B::Then::leave;
  EXPECT_EQ(probe(), "CBA0");
  EXPECT_EQ(probe(), "CA0");
}

TEST_F(SubclassTest, AMessageSentFromInsideAHandlerRunsTheWholeChain) {
  ASSERT_TRUE(attachSubclass(window, a));
  ASSERT_TRUE(attachSubclass(window, b));
  b.then = B::Then::sendNested;
  EXPECT_EQ(probe(), "BBA0|A0");
}

TEST_F(SubclassTest, LinksGoBeforeTheirObjectsSeeTheWindowDestroyed) {
  const HWND gone = window;
  ASSERT_TRUE(attachSubclass(window, a));
  ASSERT_TRUE(attachSubclass(window, b));
  DestroyWindow(std::exchange(window, nullptr));
  EXPECT_FALSE(a.sawItselfOnDestroy);
  EXPECT_FALSE(b.sawItselfOnDestroy);
  EXPECT_EQ(subclassTarget<A>(gone), nullptr);
  EXPECT_FALSE(attachSubclass(gone, a));
  EXPECT_FALSE(attachSubclass(static_cast<HWND>(nullptr), a));
}

}  // namespace
