#include "ui/open_file.h"

#include "ui/gbk_text_win32.h"

// The wide name reaches Chinese paths whatever the system's ANSI code page.
OpenedFile openForReading(const std::string& gbkPath) {
  return OpenedFile(_wfopen(wideFromGbk(gbkPath).c_str(), L"rb"));
}
