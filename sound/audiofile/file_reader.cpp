#include "sound/audiofile/file_reader.h"

#include <cerrno>

#include "sound/audiofile/open_file.h"

namespace audiofile {

ReadResult readResultFromErrno(int error) {
  switch (error) {
    case ENOENT: return kFileNotFound;
    case EACCES: return kAccessDenied;
    case EINVAL: return kInvalidArgument;
    case EMFILE: return kTooManyOpenFiles;
    default: return kReadFailed;
  }
}

FileContents StdioFileReader::read(const std::string& gbkPath) {
  errno = 0;
  OpenedFile file = openForReading(gbkPath);
  if (!file) return {readResultFromErrno(errno), {}};
  FileContents contents;
  std::uint8_t chunk[65536];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
    contents.bytes.insert(contents.bytes.end(), chunk, chunk + got);
  if (std::ferror(file.get())) return {kReadFailed, {}};
  return contents;
}

}  // namespace audiofile
