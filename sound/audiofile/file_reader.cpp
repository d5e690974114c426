#include "sound/audiofile/file_reader.h"

#include <cerrno>

#include "ui/whole_file.h"

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
  const WholeFile file = readWholeFile(gbkPath);
  if (file.state != WholeFile::State::read) return {file.error ? readResultFromErrno(file.error) : kReadFailed, {}};
  return {kReadOk, {file.bytes.begin(), file.bytes.end()}};
}

}  // namespace audiofile
