// WriteRegistryValue through the real registry of the tests' prefix, under a key of the test's own,
// and the owner window OpenWebPage hands to the shell.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "features/about/registry_value_win32.h"
#include "features/about/web_page_win32.h"

namespace {

const std::string kTestKey = "Software\\LanxingTests\\registry-" + std::to_string(GetCurrentProcessId());

struct Read {
  DWORD type = 0;
  std::vector<std::uint8_t> data;
  bool operator==(const Read&) const = default;
};

// The value as the registry holds it, or an empty type when it is missing.
Read readValue(HKEY root, const std::string& keyPath, const std::string& name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
  Read read;
  DWORD size = 0;
  if (RegQueryValueExA(key, name.c_str(), nullptr, &read.type, nullptr, &size) == ERROR_SUCCESS) {
    read.data.resize(size);
    RegQueryValueExA(key, name.c_str(), nullptr, &read.type, read.data.data(), &size);
  }
  RegCloseKey(key);
  return read;
}

class RegistryValueTest : public ::testing::Test {
 protected:
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey.c_str()); }
};

TEST_F(RegistryValueTest, EachKindIsStoredWithItsTypeInAKeyCreatedWhenMissing) {
  ASSERT_TRUE(WriteRegistryValue(3, kTestKey + "\\new\\Start Page", std::string("https://www.example.net/")));
  const std::string page = "https://www.example.net/";
  std::vector<std::uint8_t> withZero(page.begin(), page.end());
  withZero.push_back(0);
  EXPECT_EQ(readValue(HKEY_CURRENT_USER, kTestKey + "\\new", "Start Page"), (Read{REG_SZ, withZero}));

  ASSERT_TRUE(WriteRegistryValue(3, kTestKey + "\\new\\count", std::uint32_t{0x01020304}));
  EXPECT_EQ(readValue(HKEY_CURRENT_USER, kTestKey + "\\new", "count"), (Read{REG_DWORD, {4, 3, 2, 1}}));
  ASSERT_TRUE(WriteRegistryValue(3, kTestKey + "\\new\\bytes", std::vector<std::uint8_t>{0, 0xFF, 7}));
  EXPECT_EQ(readValue(HKEY_CURRENT_USER, kTestKey + "\\new", "bytes"), (Read{REG_BINARY, {0, 0xFF, 7}}));
}

TEST_F(RegistryValueTest, WritingTwiceOverwritesTheSameValue) {
  ASSERT_TRUE(WriteRegistryValue(3, kTestKey + "\\v", std::string("first")));
  ASSERT_TRUE(WriteRegistryValue(3, kTestKey + "\\v", std::string("second")));
  EXPECT_EQ(readValue(HKEY_CURRENT_USER, kTestKey, "v"), (Read{REG_SZ, {'s', 'e', 'c', 'o', 'n', 'd', 0}}));
}

TEST_F(RegistryValueTest, UnknownRootCodesWriteForTheCurrentUser) {
  for (int code : {0, 6, -1}) {
    const std::string name = "code" + std::to_string(code);
    ASSERT_TRUE(WriteRegistryValue(code, kTestKey + "\\" + name, std::uint32_t{1})) << code;
    EXPECT_EQ(readValue(HKEY_CURRENT_USER, kTestKey, name).type, static_cast<DWORD>(REG_DWORD)) << code;
  }
}

TEST_F(RegistryValueTest, ATrailByteEqualToABackslashStaysInItsKeyName) {
  // 乗 is 81 5C: the key is named by the whole character, the value name follows the real backslash.
  ASSERT_TRUE(WriteRegistryValue(3, kTestKey + "\\\x81\x5C\\名称", std::string("值")));
  EXPECT_EQ(readValue(HKEY_CURRENT_USER, kTestKey + "\\\x81\x5C", "名称").type, static_cast<DWORD>(REG_SZ));
}

TEST(WebPage, TheBrowserWindowIsTheOwnerWhenOneIsOpen) {
  EXPECT_EQ(browserWindow(), nullptr);
  HWND browser = CreateWindowExW(0, L"STATIC", L"Microsoft Internet Explorer", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(browser);
  EXPECT_EQ(browserWindow(), browser);
  DestroyWindow(browser);
  EXPECT_EQ(browserWindow(), nullptr);
}

}  // namespace
