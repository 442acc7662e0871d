// Stand-in pictures for drawing tests: every bitmap of the module's
// catalogue at its real size in one flat colour of its own, pure black
// where the real art is see-through in the places the tests look at, and
// helpers to read pixels back from a canvas.
#pragma once

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <functional>

#include "host/drawing/bitmap_source.h"
#include "resources/bitmap_ids.h"

namespace drennomar::testing {

/// The flat colour of bitmap `id`: never black, different for every id.
inline std::uint32_t SyntheticColour(RESOURCE_ID id) {
    return host::Rgb(static_cast<std::uint8_t>((id >> 8) & 0xFF),
                     static_cast<std::uint8_t>(0x40 + (id & 0xBF)), 0xA0);
}

/// A bitmap `w` x `h` in `colour`, pure black where `see_through(x, y)`.
inline host::RgbBitmap FlatBitmap(int w, int h, std::uint32_t colour,
                                  const std::function<bool(int, int)>& see_through = {}) {
    host::RgbBitmap b;
    b.width  = w;
    b.height = h;
    b.pixels.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            b.pixels[static_cast<std::size_t>(y * w + x)] =
                (see_through && see_through(x, y)) ? 0u : colour;
        }
    }
    return b;
}

/// The module's twenty-two bitmaps as flat stand-ins.
inline host::MemoryBitmapSource SyntheticModuleBitmaps() {
    host::MemoryBitmapSource source;
    for (const CatalogueEntry& entry : kBitmapCatalogue) {
        std::function<bool(int, int)> black;
        switch (entry.id) {
            case kBmpSpeedNeedle:  // the pivot end
                black = [](int x, int) { return x < 8; };
                break;
            case kBmpRollPointer:  // all but the tip
                black = [](int, int y) { return y < 53; };
                break;
            case kBmpPitchFace:
                black = [](int x, int) { return x < 42; };
                break;
            case kBmpMonitorFaces:
                black = [](int x, int) { return x >= 102 && x <= 171; };
                break;
            case kBmpCompassCard:  // a ring
                black = [](int x, int y) {
                    double r = std::hypot(x + 0.5 - 85.0, y + 0.5 - 85.0);
                    return r < 62.0 || r > 84.0;
                };
                break;
            case kBmpCompassFace:  // a disc
                black = [](int x, int y) {
                    return std::hypot(x + 0.5 - 85.0, y + 0.5 - 85.0) > 84.0;
                };
                break;
            case kBmpControl:
                black = [](int, int) { return true; };
                break;
            case kBmpConsole2D:
            case kBmpConsoleVC:  // the margin
                black = [](int x, int y) { return x < 3 || y < 3 || x >= 497 || y >= 597; };
                break;
            default:
                break;
        }
        source.Add(entry.id,
                   FlatBitmap(entry.width, entry.height, SyntheticColour(entry.id), black));
    }
    return source;
}

/// The pixel at (x, y) of an RGB24 or ARGB32 canvas, as 0x00RRGGBB.
inline std::uint32_t PixelAt(cairo_surface_t* surface, int x, int y) {
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    int stride                = cairo_image_surface_get_stride(surface);
    return reinterpret_cast<const std::uint32_t*>(data +
                                                  static_cast<std::ptrdiff_t>(y) * stride)[x] &
           0xFFFFFFu;
}

/// Largest difference of one colour channel between two pixels.
inline int ChannelDistance(std::uint32_t a, std::uint32_t b) {
    int d = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        int ca = static_cast<int>((a >> shift) & 0xFF), cb = static_cast<int>((b >> shift) & 0xFF);
        d = std::max(d, std::abs(ca - cb));
    }
    return d;
}

}  // namespace drennomar::testing
