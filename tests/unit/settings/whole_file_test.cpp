// The program's one whole-file reader: every byte of a file longer than its read chunk, and the
// three outcomes a caller tells apart.
#include "ui/whole_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

struct TempDirectory {
  std::filesystem::path path = std::filesystem::temp_directory_path() / "lanxing-whole-file-test";
  TempDirectory() {
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
  }
  ~TempDirectory() { std::filesystem::remove_all(path); }
};

TEST(WholeFile, ReadsEveryByteAndTellsMissingFromUnreadable) {
  TempDirectory folder;
  std::string bytes(200001, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 + i / 256);
  const std::string file = (folder.path / "data.bin").string();
  std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));

  const WholeFile read = readWholeFile(file);
  EXPECT_EQ(read.state, WholeFile::State::read);
  EXPECT_EQ(read.bytes, bytes);
  EXPECT_EQ(readWholeFile(file, bytes.size()).state, WholeFile::State::read) << "a file of the longest size is read";
  EXPECT_EQ(readWholeFile(file, bytes.size() - 1).state, WholeFile::State::unreadable);

  const WholeFile missing = readWholeFile((folder.path / "none.bin").string());
  EXPECT_EQ(missing.state, WholeFile::State::missing);
  EXPECT_EQ(readWholeFile((folder.path / "no folder" / "none.bin").string()).state, WholeFile::State::missing);
  EXPECT_EQ(readWholeFile(folder.path.string()).state, WholeFile::State::unreadable) << "a folder is no file";

  const std::string empty = (folder.path / "empty.bin").string();
  std::ofstream(empty, std::ios::binary).flush();
  const WholeFile nothing = readWholeFile(empty);
  EXPECT_EQ(nothing.state, WholeFile::State::read);
  EXPECT_TRUE(nothing.bytes.empty());
}

}  // namespace
