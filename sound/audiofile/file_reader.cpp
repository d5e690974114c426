#include "sound/audiofile/file_reader.h"

#include "sound/audiofile/open_file.h"

namespace audiofile {

std::optional<std::vector<std::uint8_t>> StdioFileReader::read(const std::string& gbkPath) {
  OpenedFile file = openForReading(gbkPath);
  if (!file) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  std::uint8_t chunk[65536];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) bytes.insert(bytes.end(), chunk, chunk + got);
  if (std::ferror(file.get())) return std::nullopt;
  return bytes;
}

}  // namespace audiofile
