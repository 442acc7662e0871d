// The navigation computations: odometer and ground speed (DISTANCE), the
// reference point, range and bearing (RANGE), the relative bearing
// (BEARING), the Speed needle and the reset step, called as the panel system
// calls them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "panel/module_imports.h"
#include "state/module_state.h"
#include "tests/support/navigation_readouts.h"
#include "tests/support/test_panel.h"

namespace drennomar {
namespace {

using test::kBearingReadout;
using test::kDistanceReadout;
using test::kRangeReadout;
using test::Readout;

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// Reference point of the worked example: 2^48 / 8 is 45 degrees east.
constexpr double kRefLatitudeUnits  = 1000000;
constexpr double kRefLongitudeUnits = 35184372088832;
// 0.01 degree in each coordinate's units.
constexpr double kLatitudeUnitsPerHundredth  = 0.01 / 360 * 40007000;
constexpr double kLongitudeUnitsPerHundredth = 0.01 / 360 * 281474976710656;
// One odometer step at 10 feet per second.
constexpr double kStepKmAt10Fps = 0.000169333334688;

class Navigation : public ::testing::Test {
  protected:
    Navigation() { test::ClearNavigationRecords(); }

    void SetPosition(double latitude_units, double longitude_units) {
        panel_.SetToken(kTokenLatitude, latitude_units);
        panel_.SetToken(kTokenLongitude, longitude_units);
    }
    void SetTick(double tick) { panel_.SetToken(TICK18, tick); }
    void SetGroundSpeedFps(double fps) { panel_.SetToken(kTokenGroundSpeedFps, fps); }

    /// Presses or releases the reset switch and runs one Control step's
    /// reset at `tick`.
    void ResetStep(double tick) {
        SetTick(tick);
        NavigationResetStep(panel::CheckNamedVariable(kNamedResetSw));
    }

    test::TestPanel panel_;
    ModuleState& state_ = gModuleState;
    Readout bearing_{kBearingReadout};
    Readout range_{kRangeReadout};
    Readout distance_{kDistanceReadout};
};

//-----------------------------------------------------------------------------
// Reference point, range and bearing
//-----------------------------------------------------------------------------

TEST_F(Navigation, WorkedExampleFromTheLunarModule) {
    SetPosition(kRefLatitudeUnits, kRefLongitudeUnits);
    EXPECT_EQ(range_.Update(), 0.0);
    EXPECT_DOUBLE_EQ(state_.RefLatitude, 8.998425275576775);
    EXPECT_EQ(state_.RefLongitude, 45.0);

    struct Case {
        const char* label;
        double latitude_units;
        double longitude_units;
        double range_km;
        const char* text;
        double bearing_deg;
    } cases[] = {
        {"at the reference point", 0, 0, 0.0, "00.0", 270},
        {"1000 m north", 1000, 0, 1.0000014, "01.0", 180.0000000000059},
        {"0.01 degree east", 0, kLongitudeUnitsPerHundredth, 1.0994901, "01.1", 270},
        {"0.01 north, 0.01 east", kLatitudeUnitsPerHundredth, kLongitudeUnitsPerHundredth,
         1.5632706, "01.6", 225},
        {"0.02 south, 0.01 east", -2 * kLatitudeUnitsPerHundredth, kLongitudeUnitsPerHundredth,
         2.4797229, "02.5", 333.43},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SetPosition(kRefLatitudeUnits + c.latitude_units, kRefLongitudeUnits + c.longitude_units);
        range_.Update();
        EXPECT_NEAR(state_.RangeKm, c.range_km, 1e-7);
        EXPECT_EQ(range_.Text(), c.text);
        EXPECT_NEAR(state_.BearingDeg, c.bearing_deg, 0.005);
        // The reference point stays where it was first taken.
        EXPECT_DOUBLE_EQ(state_.RefLatitude, 8.998425275576775);
        EXPECT_EQ(state_.RefLongitude, 45.0);
    }

    // Left at the last-but-one position, bearing 225: the BEARING window
    // shows it relative to the heading, and returns the heading.
    SetPosition(kRefLatitudeUnits + kLatitudeUnitsPerHundredth,
                kRefLongitudeUnits + kLongitudeUnitsPerHundredth);
    range_.Update();
    EXPECT_EQ(bearing_.Update(300), 300);
    EXPECT_EQ(bearing_.Text(), "285");
    EXPECT_EQ(bearing_.Update(10.5), 10.5);
    EXPECT_EQ(bearing_.Text(), "214");
}

// The pi value 3.14159265359 makes the compass points miss by a little; due
// south therefore reads 359 at heading 0, not 000.
TEST_F(Navigation, CompassPointsCarryThePiValue) {
    struct Case {
        const char* label;
        double latitude_units;
        double longitude_units;
        double bearing_deg;
        const char* text_at_heading_0;
    } cases[] = {
        {"due south", -1000, 0, 359.9999999999941, "359"},
        {"due north", 1000, 0, 180.0000000000059, "180"},
        {"due west", 0, -kLongitudeUnitsPerHundredth, 90.00000000001182, "090"},
        {"due east", 0, kLongitudeUnitsPerHundredth, 270, "270"},
    };
    SetPosition(kRefLatitudeUnits, kRefLongitudeUnits);
    range_.Update();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SetPosition(kRefLatitudeUnits + c.latitude_units, kRefLongitudeUnits + c.longitude_units);
        range_.Update();
        EXPECT_NEAR(state_.BearingDeg, c.bearing_deg, 1e-12);
        bearing_.Update(0);
        EXPECT_EQ(bearing_.Text(), c.text_at_heading_0);
    }
}

TEST_F(Navigation, FirstRangeCallTakesTheReferenceAndShowsZero) {
    SetPosition(kRefLatitudeUnits, kRefLongitudeUnits);
    range_.Update();
    EXPECT_EQ(range_.Text(), "00.0");
    EXPECT_EQ(state_.RangeKm, 0.0);
    EXPECT_EQ(state_.BearingDeg, 270.0);
    bearing_.Update(30);
    EXPECT_EQ(bearing_.Text(), "240");
}

// A coordinate of exactly 0.0 means "not taken": on the equator the
// reference latitude is taken again on every call, while the longitude,
// taken once, stays.
TEST_F(Navigation, EachReferenceCoordinateIsTakenOnItsOwn) {
    SetPosition(0, kRefLongitudeUnits);
    range_.Update();
    EXPECT_EQ(state_.RefLatitude, 0.0);
    EXPECT_EQ(state_.RefLongitude, 45.0);

    SetPosition(kRefLatitudeUnits, 2 * kRefLongitudeUnits);
    range_.Update();
    EXPECT_DOUBLE_EQ(state_.RefLatitude, 8.998425275576775);
    EXPECT_EQ(state_.RefLongitude, 45.0);

    SetPosition(2 * kRefLatitudeUnits, 2 * kRefLongitudeUnits);
    range_.Update();
    EXPECT_DOUBLE_EQ(state_.RefLatitude, 8.998425275576775);
}

TEST_F(Navigation, RangeAndBearingLookUpLongitudeThenLatitude) {
    SetPosition(kRefLatitudeUnits, kRefLongitudeUnits);
    range_.Update();
    const std::vector<std::string> expected = {
        "lookup_var 0x48 = 35184372088832",
        "lookup_var 0x47 = 1000000",
    };
    EXPECT_EQ(panel_.Calls(), expected);
}

//-----------------------------------------------------------------------------
// Read-out texts
//-----------------------------------------------------------------------------

// The formats are "%004.1f" and "%003d"; a text longer than the element's
// buffer is cut to what fits and still ends in its zero.
TEST_F(Navigation, ReadoutTextsFitTheirBuffers) {
    EXPECT_EQ(distance_.BufferSize(), 11u);
    EXPECT_EQ(range_.BufferSize(), 6u);
    EXPECT_EQ(bearing_.BufferSize(), 21u);

    struct Case {
        const char* label;
        double distance_km;
        const char* text;
    } cases[] = {
        {"zero", 0.0, "00.0"},
        {"two digits", 12.345, "12.3"},
        {"three digits", 123.45, "123.5"},
        {"ten characters", 1234567.8, "1234567.8"},
        {"cut to ten", 1e300, "1000000000"},
        {"infinite, padded with spaces", kInf, " inf"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        state_.DistanceKm = c.distance_km;
        distance_.Update();
        EXPECT_EQ(distance_.Text(), c.text);
    }
}

TEST_F(Navigation, RangeOf12345KmIsCutToTheFiveCharacterWindow) {
    SetPosition(kRefLatitudeUnits, kRefLongitudeUnits);
    range_.Update();
    SetPosition(kRefLatitudeUnits + 12345000, kRefLongitudeUnits);
    range_.Update();
    EXPECT_NEAR(state_.RangeKm, 12345.0, 0.05);
    EXPECT_EQ(range_.Text(), "12345");
}

TEST_F(Navigation, BearingWindowShowsWhereTheReferenceLiesFromTheNose) {
    struct Case {
        const char* label;
        double bearing_deg;
        double heading;
        const char* text;
    } cases[] = {
        {"ahead", 0, 0, "000"},
        {"left", 270, 0, "270"},
        {"wrapped once", 0, 45, "315"},
        {"zero-padded", 7, 0, "007"},
        {"truncated, not rounded", 359.9, 0, "359"},
        {"worked example, heading 300", 225, 300, "285"},
        {"worked example, heading 10.5", 225, 10.5, "214"},
        {"heading not a number", 90, kNaN, "000"},
        {"saturated", 0, 1e300, "-2147483648"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        state_.BearingDeg   = c.bearing_deg;
        const double result = bearing_.Update(c.heading);
        EXPECT_EQ(bearing_.Text(), c.text);
        if (!std::isnan(c.heading)) {
            EXPECT_EQ(result, c.heading);
        }
    }
}

//-----------------------------------------------------------------------------
// Ground speed, odometer and the Speed needle
//-----------------------------------------------------------------------------

TEST_F(Navigation, GroundSpeedBelowTheFloorReadsAsStanding) {
    struct Case {
        const char* label;
        double fps;
        double mps;
    } cases[] = {
        {"10 ft/s", 10, 3.048},
        {"0.16 ft/s, below 0.05 m/s", 0.16, 0.0},
        {"0.165 ft/s, above 0.05 m/s", 0.165, 0.050292},
        {"backwards", -10, 0.0},
        {"not a number", kNaN, 0.0},
        {"infinite", kInf, kInf},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SetGroundSpeedFps(c.fps);
        distance_.Update();
        EXPECT_DOUBLE_EQ(state_.GroundSpeedMps, c.mps);
    }
}

TEST_F(Navigation, SpeedNeedleHoldsTheDialRange) {
    struct Case {
        const char* label;
        double mps;
        double value;
    } cases[] = {
        {"10 ft/s", 3.048, 10.9728}, {"standing", 0.0, 0.0},  {"21.6 km/h stops at 20", 6.0, 20.0},
        {"20 km/h", 20 / 3.6, 20.0}, {"negative", -1.0, 0.0}, {"not a number", kNaN, 0.0},
        {"infinite", kInf, 20.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        state_.GroundSpeedMps = c.mps;
        EXPECT_DOUBLE_EQ(SpeedNeedleCallback(nullptr), c.value);
    }
}

TEST_F(Navigation, WorkedExampleOdometerAt10FeetPerSecond) {
    SetGroundSpeedFps(10);
    SetTick(1);
    distance_.Update();
    for (int tick = 2; tick <= 19; ++tick) {
        SetTick(tick);
        distance_.Update();
    }
    EXPECT_NEAR(state_.DistanceKm, 0.003048000024384, 1e-15);
    EXPECT_EQ(distance_.Text(), "00.0");
    EXPECT_EQ(state_.LastTick, 19);
}

// The odometer steps at most once per call, only when the tick has moved
// past the last step's tick.
TEST_F(Navigation, OdometerStepsOncePerCallWhenTheTickAdvances) {
    struct Case {
        const char* label;
        std::vector<double> ticks;
        int steps;
        std::int32_t last_tick;
    } cases[] = {
        {"first call on a whole tick adds nothing", {100}, 0, 100},
        {"two placements in one tick step once", {100, 101, 101}, 1, 101},
        {"a jump of five adds one step", {100, 105}, 1, 105},
        {"backwards adds nothing and keeps the tick", {100, 90, 95, 100}, 0, 100},
        {"stepping resumes past the old tick", {100, 90, 101}, 1, 101},
        {"first call on a fractional tick steps", {100.5}, 1, 100},
        {"a tick truncating to 0 starts again", {0.5, 0.7, 7}, 2, 7},
        {"a tick not a number adds nothing", {100, kNaN, 101}, 1, 101},
        {"not a number first leaves it unset", {kNaN, 100}, 0, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        state_.DistanceKm = 0.0;
        state_.LastTick   = 0;
        SetGroundSpeedFps(10);
        for (double tick : c.ticks) {
            SetTick(tick);
            distance_.Update();
        }
        double expected_km = 0.0;
        for (int i = 0; i < c.steps; ++i) expected_km = 3.048 * 0.055555556 / 1000 + expected_km;
        EXPECT_DOUBLE_EQ(state_.DistanceKm, expected_km);
        EXPECT_NEAR(expected_km, c.steps * kStepKmAt10Fps, 1e-15);
        EXPECT_EQ(state_.LastTick, c.last_tick);
    }
}

TEST_F(Navigation, GroundSpeedIsRefreshedWithoutAStep) {
    SetTick(100);
    SetGroundSpeedFps(10);
    distance_.Update();
    SetGroundSpeedFps(20);
    distance_.Update();
    EXPECT_DOUBLE_EQ(state_.GroundSpeedMps, 6.096);
    EXPECT_EQ(state_.DistanceKm, 0.0);
    const std::vector<std::string> last_two = {panel_.Calls().end() - 2, panel_.Calls().end()};
    EXPECT_EQ(last_two,
              (std::vector<std::string>{"lookup_var 0x1 = 100", "lookup_var 0x227 = 20"}));
}

//-----------------------------------------------------------------------------
// Reset
//-----------------------------------------------------------------------------

// A press first seen at tick 1000 holds the switch through the steps at
// 1000 to 1003 and springs it back at 1004; the read-outs restart from the
// position the RANGE read-out fetched last.
TEST_F(Navigation, ResetHoldsForThreeTicksThenSpringsBack) {
    SetPosition(kRefLatitudeUnits, kRefLongitudeUnits);
    range_.Update();
    SetGroundSpeedFps(10);
    for (int tick = 900; tick < 1000; ++tick) {
        SetTick(tick);
        distance_.Update();
    }
    SetPosition(kRefLatitudeUnits + kLatitudeUnitsPerHundredth,
                kRefLongitudeUnits + kLongitudeUnitsPerHundredth);
    range_.Update();
    ASSERT_EQ(range_.Text(), "01.6");
    ASSERT_GT(state_.DistanceKm, 0.0);

    panel_.SetNamed(kNamedResetSw, 1.0);
    struct Step {
        int tick;
        double reset_sw;
        std::int32_t reset_sw_state;
        double start_tick;
    } steps[] = {
        {1000, 1.0, 1, 1000}, {1001, 1.0, 1, 1000}, {1002, 1.0, 1, 1000},
        {1003, 1.0, 1, 1000}, {1004, 0.0, 0, 0},    {1005, 0.0, 0, 0},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.tick);
        ResetStep(s.tick);
        EXPECT_EQ(panel_.Named(kNamedResetSw), s.reset_sw);
        EXPECT_EQ(state_.ResetSwState, s.reset_sw_state);
        EXPECT_EQ(state_.ResetStartTick, s.start_tick);
        EXPECT_EQ(state_.DistanceKm, 0.0);
        EXPECT_EQ(state_.BearingDeg, 0.0);
    }
    EXPECT_DOUBLE_EQ(state_.RefLatitude,
                     (kRefLatitudeUnits + kLatitudeUnitsPerHundredth) / 40007000 * 360);
    EXPECT_DOUBLE_EQ(state_.RefLongitude,
                     (kRefLongitudeUnits + kLongitudeUnitsPerHundredth) / 281474976710656 * 360);

    // The read-outs restart: DISTANCE from 00.0, RANGE at 00.0 until the
    // vehicle moves, and the bearing to the new reference is 270 again.
    SetTick(1006);
    distance_.Update();
    EXPECT_EQ(distance_.Text(), "00.0");
    EXPECT_NEAR(state_.DistanceKm, kStepKmAt10Fps, 1e-15);
    range_.Update();
    EXPECT_EQ(range_.Text(), "00.0");
    EXPECT_EQ(state_.BearingDeg, 270.0);
}

TEST_F(Navigation, ResetStepReadsTheSwitchAndTheTickOnly) {
    SetPosition(kRefLatitudeUnits, kRefLongitudeUnits);
    range_.Update();
    const NAMED_VAR_ID id = panel::CheckNamedVariable(kNamedResetSw);
    panel_.SetNamed(kNamedResetSw, 1.0);
    SetTick(1000);
    panel_.ClearCalls();
    NavigationResetStep(id);
    const std::vector<std::string> held = {
        "get_named_variable_value ResetSw = 1",
        "lookup_var 0x1 = 1000",
    };
    EXPECT_EQ(panel_.Calls(), held);

    SetTick(1004);
    panel_.ClearCalls();
    NavigationResetStep(id);
    const std::vector<std::string> spring_back = {
        "get_named_variable_value ResetSw = 1",
        "lookup_var 0x1 = 1004",
        "set_named_variable_value ResetSw 0",
    };
    EXPECT_EQ(panel_.Calls(), spring_back);
}

TEST_F(Navigation, ResetSwitchValuesTruncateTowardZero) {
    struct Case {
        const char* label;
        double reset_sw;
        bool held;
    } cases[] = {
        {"released", 0.0, false},      {"0.5", 0.5, false}, {"-0.5", -0.5, false},
        {"not a number", kNaN, false}, {"1.0", 1.0, true},  {"-1.0", -1.0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        state_            = ModuleState{};
        state_.DistanceKm = 5.0;
        panel_.SetNamed(kNamedResetSw, c.reset_sw);
        ResetStep(1000);
        EXPECT_EQ(state_.ResetSwState != 0, c.held);
        EXPECT_EQ(state_.DistanceKm, c.held ? 0.0 : 5.0);
        EXPECT_EQ(state_.ResetStartTick, c.held ? 1000.0 : 0.0);
    }
}

TEST_F(Navigation, SecondPressWhilePendingDoesNotProlongTheHold) {
    panel_.SetNamed(kNamedResetSw, 1.0);
    ResetStep(1000);
    ResetStep(1002);
    panel_.SetNamed(kNamedResetSw, 1.0);  // pressed again
    ResetStep(1003);
    EXPECT_EQ(state_.ResetStartTick, 1000.0);
    ResetStep(1004);
    EXPECT_EQ(panel_.Named(kNamedResetSw), 0.0);
    EXPECT_EQ(state_.ResetStartTick, 0.0);
}

// Released by something else while pending, the tick is no longer looked up:
// the spring-back waits for the next press, then comes on its first step.
TEST_F(Navigation, ReleasedElsewhereTheSpringBackWaitsForTheNextPress) {
    panel_.SetNamed(kNamedResetSw, 1.0);
    ResetStep(1000);
    panel_.SetNamed(kNamedResetSw, 0.0);
    ResetStep(1010);
    EXPECT_EQ(state_.ResetStartTick, 1000.0);
    EXPECT_EQ(state_.ResetSwState, 0);

    panel_.SetNamed(kNamedResetSw, 1.0);
    ResetStep(1020);
    EXPECT_EQ(state_.ResetStartTick, 0.0);
    EXPECT_EQ(panel_.Named(kNamedResetSw), 0.0);
}

// Without HeadingCompass the position records were never fetched: the reset
// takes 0.0 for both coordinates, which leaves the reference not taken, and
// the Speed needle rests at 0.
TEST_F(Navigation, WithoutHeadingCompassTheResetTakesNoReference) {
    SetPosition(kRefLatitudeUnits, kRefLongitudeUnits);
    panel_.SetNamed(kNamedResetSw, 1.0);
    ResetStep(1000);
    EXPECT_EQ(state_.RefLatitude, 0.0);
    EXPECT_EQ(state_.RefLongitude, 0.0);
    EXPECT_EQ(SpeedNeedleCallback(nullptr), 0.0);

    range_.Update();
    EXPECT_DOUBLE_EQ(state_.RefLatitude, 8.998425275576775);
    EXPECT_EQ(state_.RefLongitude, 45.0);
}

}  // namespace
}  // namespace drennomar
