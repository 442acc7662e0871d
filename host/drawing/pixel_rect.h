// A rectangle of canvas pixels, as the renderer tracks what it redraws.
#pragma once

namespace drennomar::host {

/// A rectangle of canvas pixels, x0/y0 inclusive, x1/y1 exclusive.
struct PixelRect {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool Empty() const { return x1 <= x0 || y1 <= y0; }
    long long Area() const { return Empty() ? 0 : 1LL * (x1 - x0) * (y1 - y0); }
    bool Intersects(const PixelRect& o) const {
        return !Empty() && !o.Empty() && x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1;
    }
    PixelRect Union(const PixelRect& o) const;
    PixelRect Intersect(const PixelRect& o) const;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

}  // namespace drennomar::host
