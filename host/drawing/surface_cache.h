// The module's bitmaps as Cairo surfaces, converted once and kept: each
// bitmap in premultiplied ARGB32, in two versions, opaque and with pure black
// turned into full transparency (for elements drawn with
// IMAGE_USE_TRANSPARENCY). The black is taken out here, before any filter
// sees the picture, so a turned or scaled image has no dark fringe.
#pragma once

#include <cairo.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>

#include "host/drawing/bitmap_source.h"

namespace drennomar::host {

class SurfaceCache {
  public:
    /// `source` must outlive the cache.
    explicit SurfaceCache(BitmapSource& source) : source_(source) {}
    ~SurfaceCache();
    SurfaceCache(const SurfaceCache&)            = delete;
    SurfaceCache& operator=(const SurfaceCache&) = delete;

    /// Bitmap `id` as a surface, or null when the module has no such
    /// bitmap. The surface belongs to the cache and lives as long as it.
    cairo_surface_t* Get(RESOURCE_ID id, bool black_see_through);

    /// Width and height of bitmap `id`, or {0, 0} when there is none.
    std::pair<int, int> Size(RESOURCE_ID id);

    /// Identifiers asked for that the source could not give, with why.
    const std::map<RESOURCE_ID, std::string>& Missing() const { return missing_; }

  private:
    BitmapSource& source_;
    std::map<std::pair<RESOURCE_ID, bool>, cairo_surface_t*> surfaces_;
    std::map<RESOURCE_ID, std::string> missing_;
};

/// Converts a bitmap into a new ARGB32 surface (the caller owns it).
/// Under `black_see_through` pure black pixels become fully transparent.
cairo_surface_t* SurfaceFromBitmap(const RgbBitmap& bitmap, bool black_see_through);

}  // namespace drennomar::host
