// The Control gauge's model step, called directly through the gauge header
// with the test panel's services: the order of its calls to the panel, the
// readings and display selection, the temperatures, the warnings and latches.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "module/gauge_table.h"
#include "power/control_gauge.h"
#include "state/module_state.h"
#include "state/random_in_range.h"
#include "tests/support/test_panel.h"

namespace drennomar {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

class ControlStep : public ::testing::Test {
  protected:
    // Known random parameters, so that no expectation depends on the draw.
    // A parameter that is not 0.0 is never drawn again.
    void FixRandomParameters() {
        s.VoltsOffset1              = 2.5;
        s.AmpsOffset1               = -3.0;
        s.VoltsOffset2              = -1.0;
        s.AmpsOffset2               = 0.5;
        s.BattHeatRate1             = 0.0005;
        s.BattHeatRate2             = 0.0004;
        s.MotorHeatRate[kLeftFwd]   = 0.004;
        s.MotorHeatRate[kLeftRear]  = 0.005;
        s.MotorHeatRate[kRightFwd]  = 0.006;
        s.MotorHeatRate[kRightRear] = 0.003;
    }

    void Step(SINT32 service_id = PANEL_SERVICE_PRE_UPDATE) {
        ControlGauge.gauge_callback(&ControlGauge, service_id, 0);
    }

    int WarningWrites() const {
        return static_cast<int>(std::count(panel.Calls().begin(), panel.Calls().end(),
                                           "set_named_variable_value WarningFlag 1"));
    }

    test::TestPanel panel;
    ModuleState& s = gModuleState;
};

// The step as the panel sees it, from a fresh panel where every variable
// reads 0: five look-ups by name, the two selector reads, both batteries'
// token look-ups, the cover read, the rate multiplier before each battery
// and each motor pair, the drive look-ups per side, then the reset step's
// read of ResetSw.
const std::vector<std::string> kQuietStep = {
    "check_named_variable BattCov = 0",
    "check_named_variable WarningFlag = 1",
    "check_named_variable ResetSw = 2",
    "check_named_variable MotorTempSw = 3",
    "check_named_variable BattSw = 4",
    "get_named_variable_value MotorTempSw = 0",
    "get_named_variable_value BattSw = 0",
    "lookup_var 0x2F0 = 0",
    "lookup_var 0x2EE = 0",
    "lookup_var 0x2F0 = 0",
    "lookup_var 0x2EE = 0",
    "get_named_variable_value BattCov = 0",
    "lookup_var 0x150 = 0",
    "lookup_var 0x150 = 0",
    "lookup_var 0x150 = 0",
    "lookup_var 0x196 = 0",
    "lookup_var 0x188 = 0",
    "lookup_var 0x150 = 0",
    "lookup_var 0x196 = 0",
    "lookup_var 0x188 = 0",
    "get_named_variable_value ResetSw = 0",
};

TEST_F(ControlStep, CallsThePanelInStepOrderWhateverTheServiceCode) {
    const SINT32 codes[] = {PANEL_SERVICE_PRE_UPDATE, PANEL_SERVICE_PRE_DRAW,
                            PANEL_SERVICE_POST_KILL, -1};
    for (SINT32 code : codes) {
        SCOPED_TRACE(code);
        panel.ClearCalls();
        Step(code);
        EXPECT_EQ(panel.Calls(), kQuietStep);
    }
}

TEST_F(ControlStep, WarningsAreWrittenWhereTheirChecksStand) {
    FixRandomParameters();
    panel.SetToken(kTokenRateMultiplier, 1.0);
    panel.SetToken(kTokenDriveEnable, 1.0);
    panel.SetToken(kTokenDriveLoad, 1.0);
    // Every source one step short of its threshold.
    s.BattTemp1          = 124.9999;
    s.BattTemp2          = 124.9999;
    s.MotorTempLeftFwd   = 399.999;
    s.MotorTempLeftRear  = 399.999;
    s.MotorTempRightFwd  = 399.999;
    s.MotorTempRightRear = 399.999;
    Step();
    const std::string w = "set_named_variable_value WarningFlag 1";
    // Named variables were created by the first look-ups: BattCov, then
    // WarningFlag, and so on, as in the quiet step.
    const std::vector<std::string> expected = {
        "check_named_variable BattCov = 0",
        "check_named_variable WarningFlag = 1",
        "check_named_variable ResetSw = 2",
        "check_named_variable MotorTempSw = 3",
        "check_named_variable BattSw = 4",
        "get_named_variable_value MotorTempSw = 0",
        "get_named_variable_value BattSw = 0",
        "lookup_var 0x2F0 = 0",
        "lookup_var 0x2EE = 0",
        "lookup_var 0x2F0 = 0",
        "lookup_var 0x2EE = 0",
        "get_named_variable_value BattCov = 0",
        "lookup_var 0x150 = 1",
        w,  // battery 1
        "lookup_var 0x150 = 1",
        w,  // battery 2
        "lookup_var 0x150 = 1",
        "lookup_var 0x196 = 1",
        "lookup_var 0x188 = 1",
        w,  // left forward
        w,  // left rear
        "lookup_var 0x150 = 1",
        "lookup_var 0x196 = 1",
        "lookup_var 0x188 = 1",
        w,  // right forward
        w,  // right rear
        "get_named_variable_value ResetSw = 0",
    };
    EXPECT_EQ(panel.Calls(), expected);
    EXPECT_EQ(panel.Named("WarningFlag"), 1.0);
    EXPECT_EQ(s.WarningValue, 1.0);
}

TEST_F(ControlStep, TwoCrossingsInOneStepWriteTwiceInStepOrder) {
    FixRandomParameters();
    panel.SetToken(kTokenRateMultiplier, 1.0);
    panel.SetToken(kTokenDriveEnable, 1.0);
    panel.SetToken(kTokenDriveLoad, 1.0);
    s.BattTemp2          = 124.9999;  // crosses at battery 2
    s.MotorTempRightRear = 399.999;   // crosses at the right rear motor
    Step();
    std::vector<size_t> writes;
    for (size_t i = 0; i < panel.Calls().size(); ++i) {
        if (panel.Calls()[i] == "set_named_variable_value WarningFlag 1") writes.push_back(i);
    }
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(panel.Calls()[writes[0] - 1], "lookup_var 0x150 = 1");  // battery 2's own
    EXPECT_EQ(panel.Calls()[writes[1] - 1], "lookup_var 0x188 = 1");  // right side's load
    EXPECT_GT(writes[1], writes[0] + 5);
    EXPECT_EQ(s.BattWarnLatch[0], 0);
    EXPECT_EQ(s.BattWarnLatch[1], 1);
    EXPECT_EQ(s.MotorWarnLatch[kRightFwd], 0);
    EXPECT_EQ(s.MotorWarnLatch[kRightRear], 1);
}

TEST_F(ControlStep, ReadingsAndDisplaySelection) {
    struct Case {
        const char* label;
        double batt_sw;
        double motor_temp_sw;
        double power1, power2;  // shown on the volts/amps pointers
        double display_l, display_r;
    };
    // V = 24 and I = 10: volts 38.5 and 35.0, amps 3.7143 and 7.2143.
    const Case cases[] = {
        {"BattSw 1.0 shows volts", 1.0, 0.0, 38.5, 35.0, 10.0, 50.0},
        {"BattSw 0.0 shows amps", 0.0, 0.0, 3.7143, 7.2143, 10.0, 50.0},
        {"BattSw 0.7 truncates to amps", 0.7, 0.0, 3.7143, 7.2143, 10.0, 50.0},
        {"BattSw 0.9 truncates to amps", 0.9, 0.0, 3.7143, 7.2143, 10.0, 50.0},
        {"BattSw -1.0 shows volts", -1.0, 0.0, 38.5, 35.0, 10.0, 50.0},
        {"BattSw NaN truncates to amps", kNaN, 0.0, 3.7143, 7.2143, 10.0, 50.0},
        {"MotorTempSw 1.0 shows forward", 0.0, 1.0, 3.7143, 7.2143, 150.0, 100.0},
        {"MotorTempSw 0.1 shows forward", 0.0, 0.1, 3.7143, 7.2143, 150.0, 100.0},
        {"MotorTempSw -0.5 shows forward", 0.0, -0.5, 3.7143, 7.2143, 150.0, 100.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        test::TestPanel fresh;
        FixRandomParameters();
        fresh.SetToken(kTokenBatteryVoltage, 24.0);
        fresh.SetToken(kTokenBatteryCurrent, 10.0);
        // R = 0 holds the motors where they are set.
        s.MotorTempLeftFwd   = 350.0;
        s.MotorTempLeftRear  = 210.0;
        s.MotorTempRightFwd  = 300.0;
        s.MotorTempRightRear = 250.0;
        fresh.SetNamed("BattSw", c.batt_sw);
        fresh.SetNamed("MotorTempSw", c.motor_temp_sw);
        Step();
        EXPECT_DOUBLE_EQ(s.Volts1, 38.5);
        EXPECT_DOUBLE_EQ(s.Amps1, 3.7143);
        EXPECT_DOUBLE_EQ(s.Volts2, 35.0);
        EXPECT_DOUBLE_EQ(s.Amps2, 7.2143);
        EXPECT_DOUBLE_EQ(s.PowerMeter1, c.power1);
        EXPECT_DOUBLE_EQ(s.PowerMeter2, c.power2);
        EXPECT_DOUBLE_EQ(s.MotorTempDisplayL, c.display_l);
        EXPECT_DOUBLE_EQ(s.MotorTempDisplayR, c.display_r);
        // The motor selector is kept as the real it is.
        EXPECT_EQ(s.MotorTempSwState, c.motor_temp_sw);
    }
}

TEST_F(ControlStep, SelectorChangeShowsOnlyAfterTheNextStep) {
    FixRandomParameters();
    panel.SetToken(kTokenBatteryVoltage, 24.0);
    panel.SetToken(kTokenBatteryCurrent, 10.0);
    Step();
    EXPECT_DOUBLE_EQ(s.PowerMeter1, 3.7143);
    panel.SetNamed("BattSw", 1.0);
    EXPECT_DOUBLE_EQ(s.PowerMeter1, 3.7143);
    Step();
    EXPECT_DOUBLE_EQ(s.PowerMeter1, 38.5);
    EXPECT_EQ(s.BattSwState, 1);
}

TEST_F(ControlStep, FirstStepDrawsTheTenParametersInOrderAndNeverAgain) {
    // Seeded here, and marked seeded, so the draws can be repeated below.
    s.RandomSeeded = 1;
    random_source::Seed(20261211u);
    Step();
    random_source::Seed(20261211u);
    auto draw = [](double a, double b) {
        return random_source::Scale(a, b, random_source::Next());
    };
    struct Param {
        const char* label;
        double value;
        double low, high;
    };
    const Param params[] = {
        {"VoltsOffset1", s.VoltsOffset1, -5.0, 5.0},
        {"AmpsOffset1", s.AmpsOffset1, -7.0, 7.0},
        {"VoltsOffset2", s.VoltsOffset2, -5.0, 5.0},
        {"AmpsOffset2", s.AmpsOffset2, -7.0, 7.0},
        {"BattHeatRate1", s.BattHeatRate1, 0.0003, 0.0006},
        {"BattHeatRate2", s.BattHeatRate2, 0.0003, 0.0006},
        {"MotorHeatRate left forward", s.MotorHeatRate[kLeftFwd], 0.003, 0.006},
        {"MotorHeatRate left rear", s.MotorHeatRate[kLeftRear], 0.003, 0.006},
        {"MotorHeatRate right forward", s.MotorHeatRate[kRightFwd], 0.003, 0.006},
        {"MotorHeatRate right rear", s.MotorHeatRate[kRightRear], 0.003, 0.006},
    };
    for (const Param& p : params) {
        SCOPED_TRACE(p.label);
        EXPECT_EQ(p.value, draw(p.low, p.high));
        EXPECT_GE(p.value, p.low);
        EXPECT_LE(p.value, p.high);
        EXPECT_NE(p.value, 0.0);
    }
    // Later steps keep them, however the switches and tokens move.
    panel.SetNamed("BattSw", 1.0);
    panel.SetToken(kTokenRateMultiplier, 3.0);
    for (int i = 0; i < 5; ++i) Step();
    for (size_t i = 0; i < std::size(params); ++i) {
        const double now[] = {s.VoltsOffset1,
                              s.AmpsOffset1,
                              s.VoltsOffset2,
                              s.AmpsOffset2,
                              s.BattHeatRate1,
                              s.BattHeatRate2,
                              s.MotorHeatRate[kLeftFwd],
                              s.MotorHeatRate[kLeftRear],
                              s.MotorHeatRate[kRightFwd],
                              s.MotorHeatRate[kRightRear]};
        SCOPED_TRACE(params[i].label);
        EXPECT_EQ(now[i], params[i].value);
    }
}

TEST_F(ControlStep, FirstStepSeedsTheRandomSourceItself) {
    ASSERT_EQ(s.RandomSeeded, 0);
    Step();
    EXPECT_EQ(s.RandomSeeded, 1);
    EXPECT_GE(s.VoltsOffset1, -5.0);
    EXPECT_LE(s.VoltsOffset1, 5.0);
}

TEST_F(ControlStep, BatteryHeatingAndCooling) {
    struct Case {
        const char* label;
        double batt_cov;
        double rate_multiplier;
        double start;
        double expected;  // battery 1, rate 0.0005
    };
    const Case cases[] = {
        {"uncovered heats", 0.0, 1.0, 60.0, 60.0005},
        {"R = 4 heats four times as fast", 0.0, 4.0, 60.0, 60.002},
        {"BattCov 0.5 truncates and heats", 0.5, 1.0, 60.0, 60.0005},
        {"below the ceiling heats past it", 0.0, 1.0, 179.9999, 180.0004},
        {"at the ceiling stays", 0.0, 1.0, 180.0, 180.0},
        {"above the ceiling stays", 0.0, 1.0, 180.0004, 180.0004},
        {"covered cools", 1.0, 1.0, 60.0, 59.9995},
        {"BattCov -1 cools", -1.0, 1.0, 60.0, 59.9995},
        {"above the floor cools past it", 1.0, 1.0, 20.0001, 19.9996},
        {"at the floor stays", 1.0, 1.0, 20.0, 20.0},
        {"below the floor stays", 1.0, 1.0, 19.9996, 19.9996},
        {"R = 0 freezes", 0.0, 0.0, 60.0, 60.0},
        {"R = 0 freezes covered", 1.0, 0.0, 60.0, 60.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        test::TestPanel fresh;
        FixRandomParameters();
        fresh.SetNamed("BattCov", c.batt_cov);
        fresh.SetToken(kTokenRateMultiplier, c.rate_multiplier);
        s.BattTemp1 = c.start;
        Step();
        EXPECT_NEAR(s.BattTemp1, c.expected, 1e-9);
    }
}

TEST_F(ControlStep, MotorHeatingCoolingAndClamps) {
    struct Case {
        const char* label;
        double enable, load, rate_multiplier;
        double start;
        double expected;  // left forward motor, rate 0.004
    };
    const Case cases[] = {
        {"drive on under load heats", 1.0, 0.5, 1.0, 200.0, 200.002},
        {"load 0.05 exactly heats", 1.0, 0.05, 1.0, 300.0, 300.0002},
        {"load below 0.05 cools", 1.0, 0.02, 1.0, 300.0, 299.9992},
        {"cooling at 200 is clamped back", 1.0, 0.02, 1.0, 200.0, 200.0},
        {"drive off cools whatever the load", 0.0, 1.0, 1.0, 300.0, 299.9992},
        {"load NaN cools", 1.0, kNaN, 1.0, 300.0, 299.9992},
        {"R = 0 freezes", 1.0, 1.0, 0.0, 300.0, 300.0},
        {"heating past 500 is clamped", 1.0, 1.0, 1.0, 499.999, 500.0},
        {"above 500 with R = 0 is clamped", 1.0, 1.0, 0.0, 600.0, 500.0},
        {"below 200 with R = 0 is clamped", 1.0, 1.0, 0.0, 150.0, 200.0},
        {"rate multiplier NaN comes back to 200", 1.0, 1.0, kNaN, 300.0, 200.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        test::TestPanel fresh;
        FixRandomParameters();
        fresh.SetToken(kTokenDriveEnable, c.enable);
        fresh.SetToken(kTokenDriveLoad, c.load);
        fresh.SetToken(kTokenRateMultiplier, c.rate_multiplier);
        fresh.SetNamed("MotorTempSw", 1.0);
        s.MotorTempLeftFwd = c.start;
        Step();
        EXPECT_NEAR(s.MotorTempLeftFwd, c.expected, 1e-9);
        EXPECT_NEAR(s.MotorTempDisplayL, c.expected - 200.0, 1e-9);
        for (double t :
             {s.MotorTempLeftFwd, s.MotorTempLeftRear, s.MotorTempRightFwd, s.MotorTempRightRear}) {
            EXPECT_GE(t, 200.0);
            EXPECT_LE(t, 500.0);
        }
        for (double d : {s.MotorTempDisplayL, s.MotorTempDisplayR}) {
            EXPECT_GE(d, 0.0);
            EXPECT_LE(d, 300.0);
        }
    }
}

TEST_F(ControlStep, WarningOncePerCrossingAndALoweredFlagStaysDown) {
    FixRandomParameters();
    panel.SetToken(kTokenRateMultiplier, 1.0);
    s.BattTemp1 = 124.9999;
    Step();  // crosses 125
    EXPECT_EQ(WarningWrites(), 1);
    EXPECT_EQ(s.BattWarnLatch[0], 1);
    EXPECT_EQ(panel.Named("WarningFlag"), 1.0);

    // Lowered by the flag's own click: the latched battery, still above 125,
    // does not raise it again.
    panel.SetNamed("WarningFlag", 0.0);
    s.WarningValue = 0.0;
    panel.ClearCalls();
    for (int i = 0; i < 10; ++i) Step();
    EXPECT_EQ(WarningWrites(), 0);
    EXPECT_EQ(panel.Named("WarningFlag"), 0.0);
    EXPECT_EQ(s.WarningValue, 0.0);
    EXPECT_GT(s.BattTemp1, 125.0);

    // Cooled below 125 the latch clears; heated above once more it raises.
    panel.SetNamed("BattCov", 1.0);
    while (s.BattTemp1 >= 125.0) Step();
    EXPECT_EQ(s.BattWarnLatch[0], 0);
    panel.SetNamed("BattCov", 0.0);
    panel.ClearCalls();
    while (s.BattTemp1 <= 125.0) Step();
    EXPECT_EQ(WarningWrites(), 1);
    EXPECT_EQ(panel.Named("WarningFlag"), 1.0);
}

TEST_F(ControlStep, AnotherSourceRaisesALoweredFlag) {
    FixRandomParameters();
    panel.SetToken(kTokenRateMultiplier, 1.0);
    s.BattTemp1        = 130.0;
    s.BattTemp2        = 124.9999;
    s.BattWarnLatch[0] = 1;
    panel.SetNamed("WarningFlag", 0.0);
    Step();
    EXPECT_EQ(WarningWrites(), 1);
    EXPECT_EQ(s.BattWarnLatch[1], 1);
}

TEST_F(ControlStep, AtExactlyTheThresholdNothingHappens) {
    FixRandomParameters();                // R = 0: temperatures stay put
    s.BattTemp1                 = 125.0;  // latch clear: not raised
    s.BattTemp2                 = 125.0;  // latch set: not cleared
    s.BattWarnLatch[1]          = 1;
    s.MotorTempLeftFwd          = 400.0;
    s.MotorTempRightFwd         = 400.0;
    s.MotorWarnLatch[kRightFwd] = 1;
    Step();
    EXPECT_EQ(WarningWrites(), 0);
    EXPECT_EQ(s.BattWarnLatch[0], 0);
    EXPECT_EQ(s.BattWarnLatch[1], 1);
    EXPECT_EQ(s.MotorWarnLatch[kLeftFwd], 0);
    EXPECT_EQ(s.MotorWarnLatch[kRightFwd], 1);
}

TEST_F(ControlStep, LatchesFollowTheirOwnSourceWithRateZero) {
    FixRandomParameters();                 // R = 0: checks, clears and clamps still run
    s.MotorTempLeftRear          = 500.0;  // held at the top
    s.MotorTempRightRear         = 399.0;  // below: its latch clears
    s.MotorWarnLatch[kRightRear] = 1;
    s.BattTemp2                  = 124.0;
    s.BattWarnLatch[1]           = 1;
    Step();
    EXPECT_EQ(WarningWrites(), 1);  // the left rear motor, first seen above 400
    EXPECT_EQ(s.MotorWarnLatch[kLeftRear], 1);
    EXPECT_EQ(s.MotorWarnLatch[kRightRear], 0);
    EXPECT_EQ(s.BattWarnLatch[1], 0);
    panel.ClearCalls();
    Step();
    EXPECT_EQ(WarningWrites(), 0);
    EXPECT_EQ(s.MotorWarnLatch[kLeftRear], 1);
    EXPECT_EQ(s.MotorTempLeftRear, 500.0);
}

}  // namespace
}  // namespace drennomar
