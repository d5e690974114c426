#pragma once
// Recognises a picture property's format from its first bytes.
#include <string_view>

enum class PictureFormat { none, bmp, jpeg, icon, cursor, gif, pcx8, pcx1 };

// Five bytes or fewer, or an unknown start, is no picture.
PictureFormat recognisePicture(std::string_view bytes);
