// How each element kind turns its value into what it shows. The panel
// host applies these at every update; they stand alone so that they can be
// checked without a module.
//
// Angles are degrees, clockwise positive (y grows downward), measured from
// the way the needle bitmap is drawn. For a needle with a nonlinearity table
// the bitmap is taken to be drawn pointing right (+x) from its pivot, so the
// needle's angle is the direction from the pivot to the table point.
#pragma once

#include "panel/gauge_types.h"

namespace drennomar::host {

/// Direction, in degrees clockwise from +x, in which a needle with a
/// nonlinearity table points for `value`:
/// - between two entries the direction is interpolated linearly in value,
///   turning the shorter way from one entry's direction to the next;
/// - at or below the first entry's value (and for NaN) it is the first
///   entry's direction, at or above the last entry's value the last one's;
/// - directions are unwrapped from the first entry on, so a table that
///   sweeps more than half a turn gives a continuous result.
/// The entries' own angle field is not used. `count` must be at least 1.
double NonlinearityAngle(const Nonlinearity* table, UINT32 count, PIXPOINT pivot, double value);

/// The needle's new angle when it was at `current` and is sent to `target`
/// with a maximum rate of `max_deg_per_update` degrees per update: it turns
/// the shorter way round by at most that much, and lands exactly on `target`
/// when within reach. A rate that is not a positive finite number does not
/// limit. A target that is not finite leaves the needle where it is.
double TurnNeedle(double current, double target, double max_deg_per_update);

/// Image an icon shows for `value`: the value truncated toward zero, NaN as
/// 0, held within 0 .. picture_count - 1 (0 when the icon has no images).
int IconImageIndex(double value, SINT32 picture_count);

/// `angle` brought into (-180, 180].
double WrapDegrees180(double angle);

}  // namespace drennomar::host
