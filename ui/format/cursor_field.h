#pragma once
// What a unit's cursor field asks for: a system cursor, a cursor file image, or nothing.
#include <cstdint>
#include <string_view>

struct CursorRequest {
  std::uint32_t systemCursor = 0;  // an entry of the system-cursor table; 0 none
  std::string_view fileImage;      // a cursor file image to try
  bool fileOnly = false;           // the field was marked as a file image: no system cursor
};

inline constexpr std::uint32_t kSystemCursors[15] = {0,     32512, 32515, 32513, 32514, 32651, 32650, 32648,
                                                     32646, 32643, 32645, 32642, 32644, 32516, 32649};
inline constexpr std::uint32_t kHandCursorValue = 32649;

CursorRequest readCursorField(std::string_view field);
