// A long drive through the panel host with every gauge placed: the monitor's
// values stay within their documented bounds on every frame, whatever rates
// the model drew, and the warning is up once the batteries pass 125 F.
#include <gtest/gtest.h>

#include <string>

#include "host/panel_host.h"
#include "panel/module_imports.h"
#include "state/module_state.h"

namespace drennomar {
namespace {

using host::GaugeInstance;
using host::PanelHost;

class PowerLongRun : public ::testing::Test {
  protected:
    void SetUp() override {
        gModuleState = ModuleState{};  // as at load
        std::string error;
        ASSERT_TRUE(panel.AttachModule(&Linkage, ImportTable, "Drennomar", &error)) << error;
        for (const host::GaugeDef& g : panel.Gauges()) panel.Place(g, {0, 0});
        monitor = panel.FindInstance(*panel.FindGauge("SliderGauges"), 1);
        ASSERT_NE(monitor, nullptr);
    }

    double Shown(int element) const { return monitor->elements[element].value; }

    // The batteries move at most 0.0006 x R a step past their floor or
    // ceiling; the motor pointers never leave the 200 and 500 marks.
    void RunCheckingBounds(int frames, double rate_multiplier) {
        const double one_step = 0.0006 * rate_multiplier;
        for (int i = 0; i < frames; ++i) {
            panel.RunFrames(1);
            for (int battery : {kBattTemp1, kBattTemp2}) {
                ASSERT_GE(Shown(battery), 20.0 - one_step) << "frame " << i;
                ASSERT_LE(Shown(battery), 180.0 + one_step) << "frame " << i;
            }
            for (int motor : {kMotorL, kMotorR}) {
                ASSERT_GE(Shown(motor), 0.0) << "frame " << i;
                ASSERT_LE(Shown(motor), 300.0) << "frame " << i;
            }
        }
    }

    static constexpr int kBattTemp1 = 5, kBattTemp2 = 6, kMotorL = 7, kMotorR = 8;

    PanelHost panel;
    GaugeInstance* monitor = nullptr;
};

TEST_F(PowerLongRun, HotDriveRaisesTheWarningWithinBounds) {
    panel.SetToken(kTokenRateMultiplier, 1000.0);
    panel.SetToken(kTokenDriveEnable, 1.0);
    panel.SetToken(kTokenDriveLoad, 1.0);
    // At the slowest rates the batteries need 217 frames to pass 125 and the
    // motors 100 to reach 500.
    RunCheckingBounds(300, 1000.0);
    EXPECT_GT(Shown(kBattTemp1), 125.0);
    EXPECT_GT(Shown(kBattTemp2), 125.0);
    EXPECT_EQ(Shown(kMotorL), 300.0);
    EXPECT_EQ(Shown(kMotorR), 300.0);
    EXPECT_EQ(panel.Named("WarningFlag"), 1.0);
    EXPECT_EQ(gModuleState.WarningValue, 1.0);

    // Left to heat, the batteries stop at the ceiling.
    RunCheckingBounds(400, 1000.0);
    EXPECT_GE(Shown(kBattTemp1), 180.0);
    EXPECT_GE(Shown(kBattTemp2), 180.0);

    // Covered and parked, everything cools to its floor, and the flag,
    // lowered meanwhile, is not raised again.
    panel.SetNamed("WarningFlag", 0.0);
    panel.SetNamed("BattCov", 1.0);
    panel.SetToken(kTokenDriveEnable, 0.0);
    RunCheckingBounds(800, 1000.0);
    EXPECT_LE(Shown(kBattTemp1), 20.0);
    EXPECT_LE(Shown(kBattTemp2), 20.0);
    EXPECT_EQ(Shown(kMotorL), 0.0);
    EXPECT_EQ(Shown(kMotorR), 0.0);
    EXPECT_EQ(panel.Named("WarningFlag"), 0.0);
}

}  // namespace
}  // namespace drennomar
