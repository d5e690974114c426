#pragma once
// Picture property bytes to bitmaps and icons: JPEG and GIF through the system's picture decoder,
// the other formats through the portable decoders.
#include <windows.h>

#include <optional>
#include <string_view>

#include "ui/handles_win32.h"
#include "ui/pictures/pixels.h"

// No bitmap for an empty, unrecognised or undecodable picture.
OwnedBitmap bitmapFromPicture(std::string_view bytes);

// The bitmap's pixels, top row first, as 0x00RRGGBB.
std::optional<Pixels> pixelsOfBitmap(HBITMAP bitmap);

// The image of an icon file closest to `size` pixels square.
OwnedIcon iconFromFile(std::string_view iconFile, int size);
// A cursor file image made into a cursor.
OwnedCursor cursorFromFile(std::string_view cursorFile);
