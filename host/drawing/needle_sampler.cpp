#include "host/drawing/needle_sampler.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace drennomar::host {

namespace {

// Half the diagonal of a pixel, plus the reach of the bilinear filter.
constexpr double kPixelSlack = 1.5;

/// a * (256 - w) + b * w, over 256, on all four channels at once.
inline std::uint32_t Lerp(std::uint32_t a, std::uint32_t b, std::uint32_t w) {
    std::uint32_t iw = 256 - w;
    std::uint32_t rb = (((a & 0xFF00FFu) * iw + (b & 0xFF00FFu) * w) >> 8) & 0xFF00FFu;
    std::uint32_t ag = (((a >> 8) & 0xFF00FFu) * iw + ((b >> 8) & 0xFF00FFu) * w) & 0xFF00FF00u;
    return rb | ag;
}

/// Premultiplied `src` over `dst`.
inline std::uint32_t Over(std::uint32_t src, std::uint32_t dst) {
    std::uint32_t a = src >> 24;
    if (a == 0xFF) return src;
    std::uint32_t ia = 255 - a;
    std::uint32_t rb = (dst & 0xFF00FFu) * ia + 0x800080u;
    rb               = ((rb + ((rb >> 8) & 0xFF00FFu)) >> 8) & 0xFF00FFu;
    std::uint32_t ag = ((dst >> 8) & 0xFF00FFu) * ia + 0x800080u;
    ag               = (ag + ((ag >> 8) & 0xFF00FFu)) & 0xFF00FF00u;
    return src + (rb | ag);
}

}  // namespace

NeedleReach MeasureNeedle(cairo_surface_t* picture, PIXPOINT pivot) {
    NeedleReach reach;
    cairo_surface_flush(picture);
    const unsigned char* data = cairo_image_surface_get_data(picture);
    int w = cairo_image_surface_get_width(picture), h = cairo_image_surface_get_height(picture);
    int stride      = cairo_image_surface_get_stride(picture);
    double nearest2 = 1e300, farthest2 = 0.0;
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + std::ptrdiff_t(y) * stride);
        for (int x = 0; x < w; ++x) {
            if ((row[x] >> 24) == 0) continue;
            double dx = x - pivot.x, dy = y - pivot.y, d2 = dx * dx + dy * dy;
            nearest2    = std::min(nearest2, d2);
            farthest2   = std::max(farthest2, d2);
            reach.empty = false;
        }
    }
    if (!reach.empty) {
        reach.nearest  = std::sqrt(nearest2);
        reach.farthest = std::sqrt(farthest2);
    }
    return reach;
}

void DrawTurnedNeedle(cairo_surface_t* canvas, const PixelRect& clip, cairo_surface_t* picture,
                      const NeedleReach& reach, const NeedlePose& pose, bool bilinear) {
    if (reach.empty || clip.Empty() || !(pose.scale_x > 0.0) || !(pose.scale_y > 0.0)) return;
    const int pw    = cairo_image_surface_get_width(picture);
    const int ph    = cairo_image_surface_get_height(picture);
    const int ps    = cairo_image_surface_get_stride(picture);
    const auto* pic = cairo_image_surface_get_data(picture);
    cairo_surface_flush(canvas);
    unsigned char* out = cairo_image_surface_get_data(canvas);
    const int os       = cairo_image_surface_get_stride(canvas);
    PixelRect area     = clip.Intersect(
            {0, 0, cairo_image_surface_get_width(canvas), cairo_image_surface_get_height(canvas)});
    if (area.Empty()) return;

    // Canvas -> picture: p = reference + R(-angle) * ((c - pivot) / scale),
    // with pixel centres at +0.5 on both sides.
    double a  = pose.angle_deg * std::numbers::pi / 180.0;
    double ca = std::cos(a), sa = std::sin(a);
    double ux = ca / pose.scale_x, vx = -sa / pose.scale_x;  // per canvas pixel along x
    double uy = sa / pose.scale_y, vy = ca / pose.scale_y;   // per canvas pixel along y
    double rx = pose.reference.x + 0.5, ry = pose.reference.y + 0.5;

    // The ring in which the visible part turns, in canvas pixels.
    double scale_lo = std::min(pose.scale_x, pose.scale_y),
           scale_hi = std::max(pose.scale_x, pose.scale_y);
    double r_out    = (reach.farthest + kPixelSlack) * scale_hi;
    double r_in     = std::max(0.0, (reach.nearest - kPixelSlack) * scale_lo);

    constexpr double kFixed = 65536.0;
    auto fetch              = [&](int x, int y) -> std::uint32_t {
        if (static_cast<unsigned>(x) >= static_cast<unsigned>(pw) ||
            static_cast<unsigned>(y) >= static_cast<unsigned>(ph)) {
            return 0;
        }
        return reinterpret_cast<const std::uint32_t*>(pic + std::ptrdiff_t(y) * ps)[x];
    };

    for (int y = area.y0; y < area.y1; ++y) {
        double dy = y + 0.5 - pose.pivot_y;
        if (std::fabs(dy) > r_out) continue;
        double outer = std::sqrt(r_out * r_out - dy * dy);
        double inner = std::fabs(dy) < r_in ? std::sqrt(r_in * r_in - dy * dy) : -1.0;
        // One span through the middle, or two either side of the hole.
        double spans[2][2] = {
            {pose.pivot_x - outer, inner < 0 ? pose.pivot_x + outer : pose.pivot_x - inner},
            {pose.pivot_x + inner, pose.pivot_x + outer}};
        auto* row = reinterpret_cast<std::uint32_t*>(out + std::ptrdiff_t(y) * os);
        for (int s = 0; s < (inner < 0 ? 1 : 2); ++s) {
            int x0 = std::max(area.x0, static_cast<int>(std::floor(spans[s][0] - 0.5)));
            int x1 = std::min(area.x1, static_cast<int>(std::ceil(spans[s][1] + 0.5)));
            if (x0 >= x1) continue;
            double cx = x0 + 0.5 - pose.pivot_x;
            // Picture position of the first pixel's centre, less half a pixel
            // so that whole numbers fall on picture pixel centres.
            double u0 = rx + ux * cx + uy * dy - 0.5;
            double v0 = ry + vx * cx + vy * dy - 0.5;
            auto u    = static_cast<std::int64_t>(std::llround(u0 * kFixed));
            auto v    = static_cast<std::int64_t>(std::llround(v0 * kFixed));
            auto du   = static_cast<std::int64_t>(std::llround(ux * kFixed));
            auto dv   = static_cast<std::int64_t>(std::llround(vx * kFixed));
            for (int x = x0; x < x1; ++x, u += du, v += dv) {
                std::uint32_t p;
                if (bilinear) {
                    int i = static_cast<int>(u >> 16), j = static_cast<int>(v >> 16);
                    auto wx           = static_cast<std::uint32_t>((u >> 8) & 0xFF);
                    auto wy           = static_cast<std::uint32_t>((v >> 8) & 0xFF);
                    std::uint32_t top = Lerp(fetch(i, j), fetch(i + 1, j), wx);
                    std::uint32_t bot = Lerp(fetch(i, j + 1), fetch(i + 1, j + 1), wx);
                    p                 = Lerp(top, bot, wy);
                } else {
                    p = fetch(static_cast<int>((u + 0x8000) >> 16),
                              static_cast<int>((v + 0x8000) >> 16));
                }
                if ((p >> 24) == 0) continue;
                row[x] = Over(p, row[x]);
            }
        }
    }
    cairo_surface_mark_dirty_rectangle(canvas, area.x0, area.y0, area.x1 - area.x0,
                                       area.y1 - area.y0);
}

}  // namespace drennomar::host
