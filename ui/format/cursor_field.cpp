#include "ui/format/cursor_field.h"

#include "ui/format/record_io.h"

CursorRequest readCursorField(std::string_view field) {
  CursorRequest request;
  if (field.empty()) return request;
  std::uint32_t value = static_cast<unsigned char>(field[0]);
  if (field.size() >= 4) {
    RecordReader r(field);
    r.u32(value);
  }
  if (field.size() > 4 && value == 0xFFFFFFFF) {
    request.fileImage = field.substr(4);
    request.fileOnly = true;
    return request;
  }
  if (field.size() > 10) request.fileImage = field;
  if (value < 15) value = kSystemCursors[value];
  for (std::uint32_t known : kSystemCursors)
    if (known != 0 && known == value) request.systemCursor = value;
  return request;
}
