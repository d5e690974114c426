// Build-time tool: writes the window-template block from the window descriptions.
//   make_window_block <picture folder> <block file>
#include <cstdio>
#include <exception>
#include <fstream>

#include "assets/windows/window_description.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_window_block <picture folder> <block file>\n");
    return 2;
  }
  try {
    const PictureFolder pictures(argv[1]);
    const std::string block =
        writeBlock({toWindowEntry(mainWindowDescription(pictures)), toWindowEntry(audioWindowDescription(pictures)),
                    toWindowEntry(recorderWindowDescription(pictures)), toWindowEntry(notepadWindowDescription()),
                    toWindowEntry(lockWindowDescription(pictures))});
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(block.data(), static_cast<std::streamsize>(block.size()));
    if (!out) throw std::runtime_error(std::string("cannot write ") + argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_window_block: %s\n", e.what());
    return 1;
  }
  return 0;
}
