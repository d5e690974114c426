#include "ui/cursors_win32.h"

#include "ui/format/cursor_field.h"
#include "ui/pictures/bitmaps_win32.h"
#include "ui/resources.h"

UnitCursor cursorFromField(std::string_view field) {
  const CursorRequest request = readCursorField(field);
  UnitCursor cursor;
  if (!request.fileImage.empty()) {
    cursor.owned = cursorFromFile(request.fileImage);
    cursor.handle = cursor.owned.get();
    if (cursor.handle || request.fileOnly) return cursor;
  }
  if (request.systemCursor == kHandCursorValue)
    // Carried in the program's own resources: older systems have no hand cursor.
    cursor.handle = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(LANXING_HAND_CURSOR_RESOURCE));
  else if (request.systemCursor)
    cursor.handle = LoadCursorW(nullptr, MAKEINTRESOURCEW(request.systemCursor));
  return cursor;
}
