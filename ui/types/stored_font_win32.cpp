#include "ui/types/stored_font_win32.h"

#include <cstddef>
#include <cstring>

#include "ui/format/control_properties.h"
#include "ui/gbk_text_win32.h"

OwnedFont fontFromProperty(std::string_view logfont) {
  const auto f = StoredFont::read(logfont);
  if (!f) return nullptr;
  // The numeric fields lie as the system's LOGFONT has them; only the face changes its width.
  LOGFONTW lf{};
  static_assert(offsetof(LOGFONTW, lfFaceName) == 28);
  std::memcpy(&lf, logfont.data(), offsetof(LOGFONTW, lfFaceName));
  wideFromGbk(f->face).copy(lf.lfFaceName, LF_FACESIZE - 1);
  return OwnedFont(CreateFontIndirectW(&lf));
}
