#include "ui/types/stored_font_win32.h"

#include "ui/format/control_properties.h"
#include "ui/gbk_text_win32.h"

OwnedFont fontFromProperty(std::string_view logfont) {
  const auto f = StoredFont::read(logfont);
  if (!f) return nullptr;
  LOGFONTW lf{};
  lf.lfHeight = f->height;
  lf.lfWidth = f->width;
  lf.lfEscapement = f->escapement;
  lf.lfOrientation = f->orientation;
  lf.lfWeight = f->weight;
  lf.lfItalic = f->italic;
  lf.lfUnderline = f->underline;
  lf.lfStrikeOut = f->strikeOut;
  lf.lfCharSet = f->charSet;
  lf.lfOutPrecision = f->outPrecision;
  lf.lfClipPrecision = f->clipPrecision;
  lf.lfQuality = f->quality;
  lf.lfPitchAndFamily = f->pitchAndFamily;
  const std::wstring face = wideFromGbk(f->face);
  face.copy(lf.lfFaceName, LF_FACESIZE - 1);
  return OwnedFont(CreateFontIndirectW(&lf));
}
