// Where the renderer gets the module's bitmaps: by resource identifier, as
// plain 8-bit colour pixels. The panel's own source reads them from the
// module's library file; tests make synthetic ones.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "panel/panel_types.h"

namespace drennomar::host {

/// A decoded bitmap: rows top first, one 0x00RRGGBB word per pixel.
struct RgbBitmap {
    int width  = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // width * height

    std::uint32_t At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

inline constexpr std::uint32_t Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b;
}

class BitmapSource {
  public:
    virtual ~BitmapSource() = default;
    /// Bitmap `id`, or nothing when the module has no such bitmap or it
    /// cannot be read; then `error` (if given) says why.
    virtual std::optional<RgbBitmap> Load(RESOURCE_ID id, std::string* error) = 0;
};

/// Bitmaps handed over by whoever builds it: tests, and panels that have
/// their pictures from elsewhere.
class MemoryBitmapSource : public BitmapSource {
  public:
    void Add(RESOURCE_ID id, RgbBitmap bitmap) { bitmaps_[id] = std::move(bitmap); }
    std::optional<RgbBitmap> Load(RESOURCE_ID id, std::string* error) override {
        auto it = bitmaps_.find(id);
        if (it != bitmaps_.end()) return it->second;
        if (error != nullptr) *error = "no bitmap " + std::to_string(id);
        return std::nullopt;
    }

  private:
    std::map<RESOURCE_ID, RgbBitmap> bitmaps_;
};

}  // namespace drennomar::host
