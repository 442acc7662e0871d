// A rectangle of canvas pixels, as the renderer tracks what it redraws.
#pragma once

#include <algorithm>

namespace drennomar::host {

/// A rectangle of canvas pixels, x0/y0 inclusive, x1/y1 exclusive.
struct PixelRect {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool Empty() const { return x1 <= x0 || y1 <= y0; }
    long long Area() const { return Empty() ? 0 : 1LL * (x1 - x0) * (y1 - y0); }
    bool Intersects(const PixelRect& o) const {
        return !Empty() && !o.Empty() && x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1;
    }
    /// The smallest rectangle holding both (an empty one adds nothing).
    PixelRect Union(const PixelRect& o) const {
        if (Empty()) return o;
        if (o.Empty()) return *this;
        return {std::min(x0, o.x0), std::min(y0, o.y0), std::max(x1, o.x1), std::max(y1, o.y1)};
    }
    /// The pixels in both; {} when none.
    PixelRect Intersect(const PixelRect& o) const {
        PixelRect r{std::max(x0, o.x0), std::max(y0, o.y0), std::min(x1, o.x1), std::min(y1, o.y1)};
        return r.Empty() ? PixelRect{} : r;
    }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

}  // namespace drennomar::host
