#include "soundboard/hotkeys/global_hotkeys.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

struct Registration {
  WindowHandle window;
  int id;
  unsigned flags, key;
};

class FakeSystem final : public HotkeySystem {
 public:
  std::set<unsigned> takenKeys;  // keys another program holds
  std::vector<Registration> registered;
  std::vector<int> unregistered;
  int subclassCalls = 0, restoreCalls = 0;

  bool registerHotKey(WindowHandle window, int id, unsigned flags, unsigned key) override {
    if (takenKeys.count(key)) return false;
    registered.push_back({window, id, flags, key});
    return true;
  }
  bool unregisterHotKey(WindowHandle, int id) override {
    unregistered.push_back(id);
    return true;
  }
  void subclass(WindowHandle) override { ++subclassCalls; }
  void restore(WindowHandle) override { ++restoreCalls; }
};

WindowHandle const kMain = reinterpret_cast<WindowHandle>(0x100);
WindowHandle const kLabel = reinterpret_cast<WindowHandle>(0x200);
constexpr unsigned kF1 = 0x70, kF2 = 0x71, kF3 = 0x72, kF4 = 0x73;

TEST(GlobalHotkeys, FourFreeKeysGetConsecutiveIdentifiersAndOneSubclass) {
  FakeSystem system;
  GlobalHotkeys hotkeys(system);
  std::vector<int> ids;
  for (unsigned key : {kF1, kF2, kF3, kF4}) ids.push_back(hotkeys.RegisterGlobalHotkey(kMain, kLabel, 0, key));
  EXPECT_EQ(ids, (std::vector<int>{33001, 33002, 33003, 33004}));
  EXPECT_EQ(system.subclassCalls, 1);
  EXPECT_EQ(hotkeys.receiver(), kLabel);
  ASSERT_EQ(system.registered.size(), 4u);
  EXPECT_EQ(system.registered[2].key, kF3);
  EXPECT_EQ(system.registered[2].flags, 0u);
}

TEST(GlobalHotkeys, ATakenKeyGetsZeroAndTheOthersKeepTheirIdentifiers) {
  FakeSystem system;
  system.takenKeys = {kF2};
  GlobalHotkeys hotkeys(system);
  std::vector<int> ids;
  for (unsigned key : {kF1, kF2, kF3, kF4}) ids.push_back(hotkeys.RegisterGlobalHotkey(kMain, kLabel, 0, key));
  EXPECT_EQ(ids, (std::vector<int>{33001, 0, 33003, 33004}));
  EXPECT_EQ(hotkeys.forwardedIdentifier(0), 0) << "no notice ever carries the failed key's 0";
}

TEST(GlobalHotkeys, OnlyIssuedIdentifiersAreForwarded) {
  FakeSystem system;
  GlobalHotkeys hotkeys(system);
  EXPECT_EQ(hotkeys.forwardedIdentifier(33001), 0) << "nothing issued yet";
  hotkeys.RegisterGlobalHotkey(kMain, kLabel, 0, kF1);
  hotkeys.RegisterGlobalHotkey(kMain, kLabel, 0, kF2);
  const struct {
    std::uintptr_t wParam;
    int forwarded;
  } cases[] = {{33000, 0}, {33001, 33001}, {33002, 33002}, {33003, 0}, {1, 0}, {0xFFFFFFFFu, 0}};
  for (const auto& c : cases) EXPECT_EQ(hotkeys.forwardedIdentifier(c.wParam), c.forwarded) << c.wParam;
}

TEST(GlobalHotkeys, TheLatestReceiverGetsEveryHotkey) {
  FakeSystem system;
  GlobalHotkeys hotkeys(system);
  hotkeys.RegisterGlobalHotkey(kMain, kLabel, 0, kF1);
  WindowHandle const other = reinterpret_cast<WindowHandle>(0x300);
  hotkeys.RegisterGlobalHotkey(kMain, other, 0, kF2);
  EXPECT_EQ(hotkeys.receiver(), other);
}

TEST(GlobalHotkeys, ModifierCodesBecomeSystemFlags) {
  const struct {
    unsigned code, flags;
  } table[] = {{0, 0}, {1, 2}, {2, 4}, {3, 6}, {4, 1}, {5, 3}, {6, 5}, {7, 7}, {8, 8}, {0x4000, 0x4000}};
  for (const auto& row : table) EXPECT_EQ(modifierFlagsFor(row.code), row.flags) << row.code;
}

TEST(GlobalHotkeys, UnregisteringTheLastRestoresTheWindowProcedure) {
  FakeSystem system;
  GlobalHotkeys hotkeys(system);
  const int a = hotkeys.RegisterGlobalHotkey(kMain, kLabel, 0, kF1);
  const int b = hotkeys.RegisterGlobalHotkey(kMain, kLabel, 0, kF2);
  EXPECT_TRUE(hotkeys.UnregisterGlobalHotkey(kMain, a));
  EXPECT_EQ(system.restoreCalls, 0);
  EXPECT_TRUE(hotkeys.UnregisterGlobalHotkey(kMain, b));
  EXPECT_EQ(system.restoreCalls, 1);
  EXPECT_EQ(hotkeys.RegisterGlobalHotkey(kMain, kLabel, 0, kF3), 33003) << "identifiers never repeat";
  EXPECT_EQ(system.subclassCalls, 2) << "a new first registration subclasses again";
}

}  // namespace
