// The navigation computations behind HeadingCompass's three read-outs and
// the Speed needle, and the reset step the Control gauge runs.
//
// Inputs: OdometerTickVar, GroundSpeedVar, LongitudeVar, LatitudeVar and
// ResetTickVar (looked up here), the heading carried by the BEARING element,
// the named variable `ResetSw`.
// Outputs: the DISTANCE, RANGE and BEARING texts; RefLatitude, RefLongitude,
// DistanceKm, RangeKm, BearingDeg, GroundSpeedMps, LastTick, ResetStartTick
// and ResetSwState in gModuleState; `ResetSw` when the switch springs back.
//
// [SECTION] Records and constants
// [SECTION] Read-out texts
// [SECTION] Callbacks
// [SECTION] Reset step
#include "navigation/navigation.h"

#include <cmath>
#include <cstddef>
#include <cstdio>

#include "panel/module_imports.h"
#include "state/module_state.h"
#include "state/numeric.h"

namespace drennomar {

//-----------------------------------------------------------------------------
// [SECTION] Records and constants
//-----------------------------------------------------------------------------

MODULE_VAR OdometerTickVar = {.id = TICK18, .var_value = 0.0};
MODULE_VAR GroundSpeedVar  = {.id = kTokenGroundSpeedFps, .var_value = 0.0};
MODULE_VAR LongitudeVar    = {.id = kTokenLongitude, .var_value = 0.0};
MODULE_VAR LatitudeVar     = {.id = kTokenLatitude, .var_value = 0.0};
MODULE_VAR ResetTickVar    = {.id = TICK18, .var_value = 0.0};

namespace {

// The values below are the ones the read-outs have always been computed
// with; the pi and the tick duration are deliberately not the exact ones, and
// the last digits of every read-out follow from them.
constexpr double kMetresPerFoot           = 0.3048;
constexpr double kGroundSpeedFloorMps     = 0.05;
constexpr double kTickSeconds             = 0.055555556;
constexpr double kMetresPerKm             = 1000;
constexpr double kEquatorKm               = 40074.85892233651;
constexpr double kMetresPerDegreeLatitude = 111130.70609780912;
constexpr double kPi                      = 3.14159265359;
constexpr double kLatitudeUnitsPerCircle  = 40007000;
constexpr double kLongitudeUnitsPerCircle = 281474976710656;  // 2^48
constexpr double kKmhPerMps               = 3.6;
constexpr double kSpeedDialTopKmh         = 20;
constexpr double kResetHoldTicks          = 3.0;

// Divide first, multiply second: the other order rounds differently, and
// the read-outs' values follow from this one.
double LatitudeDeg(double latitude_units) { return latitude_units / kLatitudeUnitsPerCircle * 360; }
double LongitudeDeg(double longitude_units) {
    return longitude_units / kLongitudeUnitsPerCircle * 360;
}

//-----------------------------------------------------------------------------
// [SECTION] Read-out texts
//-----------------------------------------------------------------------------

// The panel system lends each string element a buffer of char_count + 1
// bytes. A text longer than that (a range of 1000 km or more needs six
// characters in a five-character window) is cut to what fits and still ends
// with its zero.
std::size_t BufferSize(const StringElement& element) {
    return static_cast<std::size_t>(element.char_count) + 1;
}

// The formats repeat the zero flag ("%004.1f", "%003d"), which the C library
// reads as one zero flag and a width; the compiler's format check calls the
// repeat out, so it is quietened for these two lines only.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat"
#endif

void WriteKilometres(StringElement& element, double kilometres) {
#if defined(DRENNOMAR_PLANTED_FAULT_TEXT)
    // Planted for the fuzzers to find (fuzz/planted.sh): no bound on the text.
    std::sprintf(element.string, "%004.1f", kilometres);
    return;
#endif
    std::snprintf(element.string, BufferSize(element), "%004.1f", kilometres);
}

void WriteDegrees(StringElement& element, std::int32_t degrees) {
    std::snprintf(element.string, BufferSize(element), "%003d", degrees);
}

#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

}  // namespace

//-----------------------------------------------------------------------------
// [SECTION] Callbacks
//-----------------------------------------------------------------------------

FLOAT64 PANELAPI DistanceReadoutCallback(StringElement* element) {
    const FLOAT64 source = element->source_var[0].var_value;
    ModuleState& s       = gModuleState;

    panel::LookupVar(OdometerTickVar);
    panel::LookupVar(GroundSpeedVar);

    // A speed below the floor, negative or not a number, reads as standing.
    s.GroundSpeedMps = GroundSpeedVar.var_value * kMetresPerFoot;
    if (!(s.GroundSpeedMps >= kGroundSpeedFloorMps)) {
        s.GroundSpeedMps = 0.0;
    }

    const double tick = OdometerTickVar.var_value;
    if (s.LastTick == 0) {
        s.LastTick = TruncateToInt32(tick);
    }
    // The odometer adds at most one tick's travel per call, however many
    // ticks passed, so that two placements of the gauge in one tick step it
    // once between them and a tick going backwards adds nothing.
    if (static_cast<double>(s.LastTick) < tick) {
        s.DistanceKm = s.GroundSpeedMps * kTickSeconds / kMetresPerKm + s.DistanceKm;
        s.LastTick   = TruncateToInt32(tick);
    }

    WriteKilometres(*element, s.DistanceKm);
    return source;
}

FLOAT64 PANELAPI RangeReadoutCallback(StringElement* element) {
    const FLOAT64 source = element->source_var[0].var_value;
    ModuleState& s       = gModuleState;

    panel::LookupVar(LongitudeVar);
    panel::LookupVar(LatitudeVar);

    // A reference coordinate of exactly 0.0 is not yet taken; each is taken
    // on its own.
    if (s.RefLongitude == 0.0) {
        s.RefLongitude = LongitudeDeg(LongitudeVar.var_value);
    }
    if (s.RefLatitude == 0.0) {
        s.RefLatitude = LatitudeDeg(LatitudeVar.var_value);
    }

    const double lon_deg = LongitudeDeg(LongitudeVar.var_value);
    const double lat_deg = LatitudeDeg(LatitudeVar.var_value);

    // Metres per degree of longitude at the vehicle's latitude; the same
    // factor scales the reference's longitude.
    const double metres_per_degree_lon =
        std::cos(lat_deg / 180 * kPi) * kEquatorKm / 360 * kMetresPerKm;
    const double dx = metres_per_degree_lon * lon_deg - metres_per_degree_lon * s.RefLongitude;
    const double dy = lat_deg * kMetresPerDegreeLatitude - s.RefLatitude * kMetresPerDegreeLatitude;
    s.RangeKm       = std::sqrt(dx * dx + dy * dy) / kMetresPerKm;

    // The angle of the vehicle's offset, counter-clockwise from east, turned
    // into the compass direction in which the reference point lies as seen
    // from the vehicle. The bearing takes the plain degree differences.
    s.BearingDeg =
        -(std::atan2(lat_deg - s.RefLatitude, lon_deg - s.RefLongitude) / kPi * 180) - 90;
    if (s.BearingDeg < 0) {
        s.BearingDeg = 180 + s.BearingDeg + 180;
    }

    WriteKilometres(*element, s.RangeKm);
    return source;
}

FLOAT64 PANELAPI BearingReadoutCallback(StringElement* element) {
    const FLOAT64 heading = element->source_var[0].var_value;

    // 0 straight ahead, 90 to the right, 180 behind, 270 to the left.
    double relative = gModuleState.BearingDeg - heading;
    if (relative < 0) {
        relative = 180 + relative + 180;
    }

    WriteDegrees(*element, TruncateToInt32(relative));
    return heading;
}

FLOAT64 PANELAPI SpeedNeedleCallback(NeedleElement*) {
    const double kmh = gModuleState.GroundSpeedMps * kKmhPerMps;
    if (kmh > kSpeedDialTopKmh) {
        return kSpeedDialTopKmh;
    }
    if (!(kmh >= 0)) {
        return 0;
    }
    return kmh;
}

FLOAT64 PANELAPI CompassCardCallback(NeedleElement* element) {
    return -element->source_var.var_value;
}

//-----------------------------------------------------------------------------
// [SECTION] Reset step
//-----------------------------------------------------------------------------

void NavigationResetStep(NAMED_VAR_ID reset_sw_id) {
    ModuleState& s = gModuleState;

    // Any value in (-1, 1) counts as released.
    s.ResetSwState = TruncateToInt32(panel::GetNamedVariable(reset_sw_id));

    if (s.ResetSwState != 0) {
        s.BearingDeg = 0.0;
        s.DistanceKm = 0.0;
        // The position the RANGE read-out fetched last; it is not looked up
        // here.
        s.RefLongitude = LongitudeDeg(LongitudeVar.var_value);
        s.RefLatitude  = LatitudeDeg(LatitudeVar.var_value);
        panel::LookupVar(ResetTickVar);
        // A second press while one is pending keeps the first tick, so it
        // does not prolong the hold.
        if (s.ResetStartTick == 0.0) {
            s.ResetStartTick = ResetTickVar.var_value;
        }
    }

    // The tick compared is the one fetched at the last held step.
    if (s.ResetStartTick != 0.0 && s.ResetStartTick + kResetHoldTicks < ResetTickVar.var_value) {
        s.ResetStartTick = 0.0;
        s.ResetSwState   = 0;
        panel::SetNamedVariable(reset_sw_id, 0.0);
    }
}

}  // namespace drennomar
