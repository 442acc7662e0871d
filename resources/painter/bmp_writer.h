// Writes an indexed picture as a Windows BMP file: BITMAPFILEHEADER, a
// 40-byte BITMAPINFOHEADER, 8 bits per pixel, uncompressed, rows bottom-up,
// 2834 pixels per metre, the palette exactly as long as the picture's.
#pragma once

#include <cstdint>
#include <vector>

#include "resources/painter/picture.h"

namespace drennomar::painter {

std::vector<std::uint8_t> EncodeBmp(const IndexedPicture& picture);

}  // namespace drennomar::painter
