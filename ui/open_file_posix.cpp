#include "ui/open_file.h"

// Outside Windows paths are taken as bytes, as the file system stores them.
OpenedFile openForReading(const std::string& gbkPath) { return OpenedFile(std::fopen(gbkPath.c_str(), "rb")); }
