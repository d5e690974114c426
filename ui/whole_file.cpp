#include "ui/whole_file.h"

#include <cerrno>

#include "ui/open_file.h"

WholeFile readWholeFile(const std::string& gbkPath, std::size_t longest) {
  errno = 0;
  const OpenedFile file = openForReading(gbkPath);
  if (!file) return {errno == ENOENT ? WholeFile::State::missing : WholeFile::State::unreadable, {}, errno};
  WholeFile whole{WholeFile::State::read, {}, 0};
  char chunk[65536];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
    if (got > longest - whole.bytes.size()) return {WholeFile::State::unreadable, {}, EFBIG};
    whole.bytes.append(chunk, got);
  }
  if (std::ferror(file.get())) return {WholeFile::State::unreadable, {}, errno};
  return whole;
}
