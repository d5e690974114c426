// Where the program lives, and how the single-instance guard counts copies of it.
#include <gtest/gtest.h>

#include "app/program_path.h"

namespace {

TEST(ProgramPath, SplitsAtTheLastBackslash) {
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {"C:\\工具\\澜星助手工具箱.exe", "C:\\工具", "澜星助手工具箱.exe"},
      {"C:\\a.exe", "C:", "a.exe"},
      {"a.exe", "", "a.exe"},
      {"C:\\dir\\", "C:\\dir", ""},
      // 乗 is 0x81 0x5C in GBK: its trail byte is no separator.
      {"C:\\\x81\x5C.exe", "C:", "\x81\x5C.exe"},
  };
  for (const auto& [full, directory, name] : cases) {
    const ProgramPath p = splitProgramPath(full);
    EXPECT_EQ(p.directory, directory) << full;
    EXPECT_EQ(p.exeName, name) << full;
  }
}

TEST(SingleInstance, CountsExactByteForByteMatches) {
  const std::vector<std::string> running = {"explorer.exe", "澜星助手工具箱.exe", "澜星助手工具箱.EXE",
                                            "澜星助手工具箱.exe", "副本.exe"};
  EXPECT_EQ(countInstances(running, "澜星助手工具箱.exe"), 2);
  EXPECT_EQ(countInstances(running, "副本.exe"), 1) << "a copy under another name is alone";
  EXPECT_EQ(countInstances({}, "澜星助手工具箱.exe"), 0) << "no snapshot, no duplicate";
}

}  // namespace
