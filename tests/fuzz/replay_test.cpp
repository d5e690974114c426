// Replays every saved input of a fuzz target (its seeds and every input that once made it fail)
// through the target's own entry point, in the sanitized native build: an input that trips an
// assertion or a sanitizer fails its case.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> savedInputs() {
  std::vector<std::filesystem::path> files;
  std::string folders = LANXING_FUZZ_INPUTS;
  for (std::size_t start = 0; start <= folders.size();) {
    const std::size_t end = std::min(folders.find('|', start), folders.size());
    if (end > start)
      for (const auto& entry : std::filesystem::directory_iterator(folders.substr(start, end - start)))
        if (entry.is_regular_file()) files.push_back(entry.path());
    start = end + 1;
  }
  std::sort(files.begin(), files.end());
  return files;
}

class SavedInput : public testing::TestWithParam<std::filesystem::path> {};

TEST_P(SavedInput, RunsClean) {
  std::ifstream in(GetParam(), std::ios::binary);
  ASSERT_TRUE(in) << GetParam();
  const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0);
}

std::string caseName(const testing::TestParamInfo<std::filesystem::path>& info) {
  std::string name = info.param.parent_path().filename().string() + "_" + info.param.filename().string();
  std::replace_if(
      name.begin(), name.end(), [](unsigned char c) { return !std::isalnum(c); }, '_');
  return name;
}

INSTANTIATE_TEST_SUITE_P(Fuzz, SavedInput, testing::ValuesIn(savedInputs()), caseName);

}  // namespace
