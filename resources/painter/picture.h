// A painted picture before and after its reduction to a palette: opaque
// colours plus the see-through mask (pixels that become pure black).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace drennomar::painter {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
    std::uint32_t Key() const { return (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | b; }
};

inline constexpr Rgb kSeeThrough{0, 0, 0};

/// Full-colour picture: every pixel either see-through or an opaque colour
/// that is never pure black.
struct Picture {
    int width  = 0;
    int height = 0;
    std::vector<Rgb> pixels;  // row-major, top row first
    std::vector<bool> opaque;

    Picture() = default;
    Picture(int w, int h) : width(w), height(h), pixels(size_t(w) * h), opaque(size_t(w) * h) {}
    Rgb& At(int x, int y) { return pixels[size_t(y) * width + x]; }
    const Rgb& At(int x, int y) const { return pixels[size_t(y) * width + x]; }
    bool IsOpaque(int x, int y) const { return opaque[size_t(y) * width + x]; }
    void SetOpaque(int x, int y, bool o) { opaque[size_t(y) * width + x] = o; }
    /// The rectangle at (x, y) of this picture, w x h.
    Picture Cut(int x, int y, int w, int h) const;
};

/// A picture reduced to a palette of exactly `palette.size()` entries.
struct IndexedPicture {
    int width  = 0;
    int height = 0;
    std::vector<Rgb> palette;
    std::vector<std::uint8_t> indices;  // row-major, top row first
    Rgb ColourAt(int x, int y) const { return palette[indices[size_t(y) * width + x]]; }
};

}  // namespace drennomar::painter
