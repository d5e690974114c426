#pragma once
// The one way the program reads a file whole: named by a GBK path, opened through the C runtime
// (on Windows by the path's UTF-16 form, so Chinese folders work whatever the system code page).
#include <cstddef>
#include <limits>
#include <string>

struct WholeFile {
  enum class State { missing, read, unreadable } state = State::missing;
  std::string bytes;
  int error = 0;  // errno when the file could not be opened or read
};

// A file longer than `longest` bytes is unreadable.
[[nodiscard]] WholeFile readWholeFile(const std::string& gbkPath,
                                      std::size_t longest = std::numeric_limits<std::size_t>::max());
