// The callbacks of the three attitude indicator gauges. PitchMarkerCallback,
// RollPointerCallback and FaceClickHandler serve RollPitchIndicator,
// RollVCIndicator and PitchVCIndicator alike; FaceSwitchCallback is the gauge
// callback of RollPitchIndicator only.
#pragma once

#include "panel/gauge_types.h"

namespace drennomar {

/// The attitude is shown within this many degrees either way.
inline constexpr double kAttitudeLimitDeg = 20.0;

/// The places of RollPitchIndicator's elements in its root's child list, by
/// which FaceSwitchCallback finds them.
enum RollPitchChild : int { kPitchMarker = 0, kRollFace, kRollPointer, kRollPitchChildCount };

/// Vertical value of the pitch marker: the pitch the panel read for the
/// slider's vertical source, in degrees, limited to +-20.
FLOAT64 PANELAPI PitchMarkerCallback(SliderElement* marker);

/// Angle of the roll pointer: the bank the panel read for the needle's source,
/// as a signed angle in degrees, limited to +-20.
FLOAT64 PANELAPI RollPointerCallback(NeedleElement* pointer);

/// Toggles RollPitchGauge between the roll face (0) and the pitch face (1)
/// and asks RollPitchIndicator to show it. Ignores its arguments; returns 1.
BOOL32 PANELAPI FaceClickHandler(PPIXPOINT point, FLAGS32 mouse_flags);

/// Gauge callback of RollPitchIndicator: shows the face RollPitchGauge names
/// once a click has asked for it. Works the same for every service code; the
/// elements are reached through `gauge`, which must be RollPitchIndicator's
/// header (root: pitch face; children: pitch marker, roll face, roll pointer).
void PANELAPI FaceSwitchCallback(PGAUGEHDR gauge, SINT32 service_id, UINT32 extra_data);

}  // namespace drennomar
