#pragma once
// Reading an audio file whole, as a byte stream opened with mode "rb". A failure is a result code
// taken from errno; the player only tells zero from non-zero.
#include <cstdint>
#include <string>
#include <vector>

namespace audiofile {

enum ReadResult : int {
  kReadOk = 0,
  kReadFailed = 1,
  kAccessDenied = 9,
  kInvalidArgument = 11,
  kFileNotFound = 12,
  kTooManyOpenFiles = 13,
};

[[nodiscard]] ReadResult readResultFromErrno(int error);

struct FileContents {
  ReadResult result = kReadOk;
  std::vector<std::uint8_t> bytes;
};

class FileReader {
 public:
  virtual ~FileReader() = default;
  [[nodiscard]] virtual FileContents read(const std::string& gbkPath) = 0;
};

// The C runtime's files; on Windows the GBK path is opened through its UTF-16 form.
class StdioFileReader final : public FileReader {
 public:
  [[nodiscard]] FileContents read(const std::string& gbkPath) override;
};

}  // namespace audiofile
