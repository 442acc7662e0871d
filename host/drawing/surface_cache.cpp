#include "host/drawing/surface_cache.h"

#include <cstdint>
#include <cstring>

namespace drennomar::host {

SurfaceCache::~SurfaceCache() {
    for (auto& [key, surface] : surfaces_) {
        if (surface != nullptr) cairo_surface_destroy(surface);
    }
}

cairo_surface_t* SurfaceFromBitmap(const RgbBitmap& bitmap, bool black_see_through) {
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, bitmap.width, bitmap.height);
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    int stride          = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < bitmap.height; ++y) {
        auto* row =
            reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < bitmap.width; ++x) {
            std::uint32_t rgb = bitmap.At(x, y) & 0xFFFFFFu;
            // Opaque pixels are their own premultiplied value; see-through
            // black is all zero.
            row[x] = (black_see_through && rgb == 0) ? 0u : (0xFF000000u | rgb);
        }
    }
    cairo_surface_mark_dirty(surface);
    return surface;
}

cairo_surface_t* SurfaceCache::Get(RESOURCE_ID id, bool black_see_through) {
    auto key = std::make_pair(id, black_see_through);
    auto it  = surfaces_.find(key);
    if (it != surfaces_.end()) return it->second;

    cairo_surface_t* surface = nullptr;
    if (id >= 0 && missing_.count(id) == 0) {
        std::string error;
        std::optional<RgbBitmap> bitmap = source_.Load(id, &error);
        if (bitmap && bitmap->width > 0 && bitmap->height > 0 &&
            bitmap->pixels.size() == static_cast<std::size_t>(bitmap->width) *
                                         static_cast<std::size_t>(bitmap->height)) {
            surface = SurfaceFromBitmap(*bitmap, black_see_through);
        } else {
            missing_[id] = bitmap ? "malformed bitmap" : error;
        }
    }
    surfaces_[key] = surface;
    return surface;
}

std::pair<int, int> SurfaceCache::Size(RESOURCE_ID id) {
    cairo_surface_t* s = Get(id, true);
    if (s == nullptr) return {0, 0};
    return {cairo_image_surface_get_width(s), cairo_image_surface_get_height(s)};
}

}  // namespace drennomar::host
