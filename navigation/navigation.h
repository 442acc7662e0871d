// The rover's navigation: odometer, ground speed, range and bearing to the
// reference point (the Lunar Module, or where the crew last pressed the
// reset switch), and the reset that moves that point.
//
// Inputs: the simulation records below (tick, ground speed, position), the
// heading that the BEARING read-out carries as its source, and `ResetSw`.
// Outputs: the three read-out texts of HeadingCompass, the Speed needle's
// value, the navigation fields of gModuleState, ResetSwState and `ResetSw`.
//
// Everything runs inside a call from the panel system; the only link between
// the callbacks is the navigation state, so each reads what another wrote
// last, possibly in the previous update.
#pragma once

#include "panel/gauge_types.h"

namespace drennomar {

// Simulation records of the navigation, bound to their tokens at load. A
// record keeps the value of its last lookup for every later reader: the
// reset step reads the position that the RANGE read-out fetched last.
// The odometer and the reset timer each keep a tick record of their own.
extern MODULE_VAR OdometerTickVar;  // 18 Hz ticks, looked up by the DISTANCE read-out
extern MODULE_VAR GroundSpeedVar;   // feet per second, looked up by the DISTANCE read-out
extern MODULE_VAR LongitudeVar;     // 2^48 units to a full circle, by the RANGE read-out
extern MODULE_VAR LatitudeVar;      // metres, 40007000 to a full circle, by the RANGE read-out
extern MODULE_VAR ResetTickVar;     // 18 Hz ticks, looked up by the reset step while held

/// DISTANCE read-out: refreshes the ground speed, steps the odometer at most
/// once per call when the tick has advanced, and writes "%004.1f" of the
/// kilometres travelled. Returns the element's first source value.
FLOAT64 PANELAPI DistanceReadoutCallback(StringElement* element);

/// RANGE read-out: takes the reference point while it is not taken, computes
/// the range and the bearing to it and writes "%004.1f" of the range in
/// kilometres. Returns the element's first source value.
FLOAT64 PANELAPI RangeReadoutCallback(StringElement* element);

/// BEARING read-out: writes "%003d" of where the reference point lies
/// relative to the heading (the element's first source), clockwise from the
/// nose. Returns the heading.
FLOAT64 PANELAPI BearingReadoutCallback(StringElement* element);

/// Speed needle: the ground speed in km/h held in [0, 20]. Ignores the
/// element.
FLOAT64 PANELAPI SpeedNeedleCallback(NeedleElement* element);

/// Compass card: minus the heading (the element's first source), so that the
/// card turns against the vehicle and the heading stands under the marker.
FLOAT64 PANELAPI CompassCardCallback(NeedleElement* element);

/// One step of the navigation reset, run last in every step of the Control
/// gauge with the identifier of `ResetSw`. While the switch is held it clears
/// bearing and odometer and takes the last-read position as the reference;
/// more than three ticks after the press was first seen it springs the
/// switch back.
void NavigationResetStep(NAMED_VAR_ID reset_sw_id);

}  // namespace drennomar
