#pragma once
// Reading an audio file whole, as a byte stream opened with mode "rb".
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace audiofile {

class FileReader {
 public:
  virtual ~FileReader() = default;
  // The file's bytes; nothing when it cannot be opened or read.
  [[nodiscard]] virtual std::optional<std::vector<std::uint8_t>> read(const std::string& gbkPath) = 0;
};

// The C runtime's files; on Windows the GBK path is opened through its UTF-16 form.
class StdioFileReader final : public FileReader {
 public:
  [[nodiscard]] std::optional<std::vector<std::uint8_t>> read(const std::string& gbkPath) override;
};

}  // namespace audiofile
