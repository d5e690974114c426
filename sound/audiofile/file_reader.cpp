#include "sound/audiofile/file_reader.h"

#include "ui/whole_file.h"

namespace audiofile {

std::optional<std::vector<std::uint8_t>> StdioFileReader::read(const std::string& gbkPath) {
  const WholeFile file = readWholeFile(gbkPath);
  if (file.state != WholeFile::State::read) return std::nullopt;
  return std::vector<std::uint8_t>(file.bytes.begin(), file.bytes.end());
}

}  // namespace audiofile
