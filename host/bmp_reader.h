// Reads the module's bitmaps: 8-bit palettised, uncompressed Windows
// bitmaps, either a whole .bmp file or the device-independent bitmap that an
// RT_BITMAP resource holds (the same without the 14-byte file header).
// Anything else, and anything inconsistent, is refused with an error that
// names the bitmap's resource identifier.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "host/resource_file.h"

namespace drennomar::host {

struct PaletteColour {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const PaletteColour&, const PaletteColour&) = default;
};

/// A decoded bitmap, rows top first whatever order the file stores them in.
struct IndexedBitmap {
    int width                       = 0;
    int height                      = 0;
    std::int32_t x_pixels_per_metre = 0;
    std::int32_t y_pixels_per_metre = 0;
    std::uint32_t colours_used      = 0;  // as the header stores it: 0 means 256
    bool bottom_up                  = true;
    std::vector<PaletteColour> palette;
    std::vector<std::uint8_t> indices;  // width * height, row-major, top row first

    std::uint8_t IndexAt(int x, int y) const { return indices[std::size_t(y) * width + x]; }
    PaletteColour ColourAt(int x, int y) const { return palette[IndexAt(x, y)]; }
    /// Pure black, the colour that drawing with transparency leaves out.
    bool IsSeeThrough(int x, int y) const { return ColourAt(x, y) == PaletteColour{}; }
};

inline constexpr int kMaxBitmapSide = 4096;

/// Decodes the DIB of RT_BITMAP resource `id`. Throws ResourceError.
IndexedBitmap ReadDib(std::span<const std::uint8_t> dib, std::uint16_t id);
/// Decodes a .bmp file (BITMAPFILEHEADER then a DIB). Throws ResourceError.
IndexedBitmap ReadBmpFile(std::span<const std::uint8_t> file, std::uint16_t id);

/// Finds bitmap `id` in `resources` and decodes it. Throws ResourceError.
IndexedBitmap LoadBitmap(const ResourceFile& resources, std::uint16_t id);

}  // namespace drennomar::host
