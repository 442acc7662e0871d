// Turned needles drawn straight onto the canvas: the frame-by-frame path's
// answer to the compass card, a 170-pixel picture that turns on every
// update. Only the canvas pixels that the needle's visible part can reach
// are visited (a ring around the pivot, from the nearest to the farthest
// non-transparent pixel of the picture), each sampled bilinearly (or
// nearest) from the premultiplied picture and laid over the canvas.
// Drawing the same needle with Cairo gives the same picture within a level
// or two per channel.
#pragma once

#include <cairo.h>

#include "host/drawing/pixel_rect.h"
#include "panel/panel_types.h"

namespace drennomar::host {

/// How far from the pivot pixel's centre the needle's non-transparent
/// pixels lie, in the picture's pixels.
struct NeedleReach {
    double nearest  = 0.0;
    double farthest = 0.0;
    bool empty      = true;  // the picture has no pixel that shows
};

/// Measures `picture` (ARGB32, premultiplied) turning about pixel `pivot`.
NeedleReach MeasureNeedle(cairo_surface_t* picture, PIXPOINT pivot);

/// Where and how a needle is drawn: the canvas point of its pivot pixel's
/// centre, the placement's scale, its angle (degrees clockwise) and the
/// pivot pixel in the picture.
struct NeedlePose {
    double pivot_x = 0.0, pivot_y = 0.0;
    double scale_x = 1.0, scale_y = 1.0;
    double angle_deg = 0.0;
    PIXPOINT reference{0, 0};
};

/// Draws the turned picture over `canvas` (RGB24 or ARGB32), only inside
/// `clip`. Bilinear filtering when `bilinear`, else the nearest pixel.
void DrawTurnedNeedle(cairo_surface_t* canvas, const PixelRect& clip, cairo_surface_t* picture,
                      const NeedleReach& reach, const NeedlePose& pose, bool bilinear);

}  // namespace drennomar::host
