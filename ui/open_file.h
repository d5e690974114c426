#pragma once
// Opens a file named by a GBK path for reading in binary ("rb"); null on failure.
#include <cstdio>
#include <memory>
#include <string>

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using OpenedFile = std::unique_ptr<std::FILE, FileCloser>;

[[nodiscard]] OpenedFile openForReading(const std::string& gbkPath);
