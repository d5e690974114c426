// Reading audio files whole through the C runtime.
#include "sound/audiofile/file_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace audiofile {
namespace {

TEST(FileReader, ReadsAWholeFileAndReportsAMissingOne) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "audiofile-reader-test.bin";
  std::vector<std::uint8_t> bytes(200000);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));

  StdioFileReader reader;
  EXPECT_EQ(reader.read(path.string()), bytes);
  std::filesystem::remove(path);

  EXPECT_EQ(reader.read(path.string()), std::nullopt);
  EXPECT_EQ(reader.read(""), std::nullopt);
  EXPECT_EQ(reader.read(std::filesystem::temp_directory_path().string()), std::nullopt) << "a folder";
}

}  // namespace
}  // namespace audiofile
