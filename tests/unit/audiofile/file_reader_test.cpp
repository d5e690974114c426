// Reading audio files: errno to result code, and whole files read through the C runtime.
#include "sound/audiofile/file_reader.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace audiofile {
namespace {

TEST(FileReader, ErrnoMapsToTheResultCodes) {
  const std::pair<int, ReadResult> cases[] = {{ENOENT, kFileNotFound},    {EACCES, kAccessDenied},
                                              {EINVAL, kInvalidArgument}, {EMFILE, kTooManyOpenFiles},
                                              {EISDIR, kReadFailed},      {0, kReadFailed}};
  for (const auto& [error, result] : cases) EXPECT_EQ(readResultFromErrno(error), result) << error;
}

TEST(FileReader, ReadsAWholeFileAndReportsAMissingOne) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "audiofile-reader-test.bin";
  std::vector<std::uint8_t> bytes(200000);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));

  StdioFileReader reader;
  const FileContents read = reader.read(path.string());
  EXPECT_EQ(read.result, kReadOk);
  EXPECT_EQ(read.bytes, bytes);
  std::filesystem::remove(path);

  EXPECT_EQ(reader.read(path.string()).result, kFileNotFound);
  EXPECT_EQ(reader.read("").result, kFileNotFound);
}

}  // namespace
}  // namespace audiofile
