// The four switch gauges: their definitions, and their icon callbacks and
// click handlers called as the panel calls them. The Control step's refresh
// of the copies is stood in for by setting the module state copies as that
// step does (BattSwState truncated, MotorTempSwState as read).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "module/gauge_table.h"
#include "resources/bitmap_ids.h"
#include "state/numeric.h"
#include "switches/switch_callbacks.h"
#include "tests/support/mouse_table_walk.h"
#include "tests/support/test_panel.h"

namespace drennomar {
namespace {

using Calls = std::vector<std::string>;

IconElement& IconOf(const GAUGEHDR& g) {
    return *reinterpret_cast<IconElement*>(g.elements_list[0]->next_element[0]);
}

// The handler each gauge's click entry carries, called with an arbitrary point
// and flags: the handlers ignore both.
BOOL32 Click(const GAUGEHDR& g) {
    PIXPOINT point{17, 5};
    return test::ClickEntryOf(g)->target.handler(&point, 0xFFFFFFFFu);
}

double IconValue(const GAUGEHDR& g) {
    IconElement& icon = IconOf(g);
    return icon.update_cb(&icon);
}

TEST(SwitchGauges, DefinitionsAreAStaticRootWithOneTwoPictureIcon) {
    struct Row {
        const GAUGEHDR& gauge;
        RESOURCE_ID bitmap;
        PIXBOX box;
        const char* tooltip;
        ICON_UPDATE_CALLBACK icon_cb;
        MOUSE_FUNCTION click;
    } rows[] = {
        {SwitchesBatteryGauge,
         kBmpBattSwDown,
         {0, 0, 32, 32},
         "Battery Display Selector Switch",
         &BattSwIconCallback,
         &BattSwClickHandler},
        {SwitchesMotorTempGauge,
         kBmpMotorSwDown,
         {0, 0, 32, 32},
         "Motor rear/forward selector switch",
         &MotorTempSwIconCallback,
         &MotorTempSwClickHandler},
        {SwitchesResetGauge,
         kBmpResetSwDown,
         {0, 0, 42, 72},
         "Reset Bearing, Distance and Range indicators",
         &ResetSwIconCallback,
         &ResetSwClickHandler},
        {SwitchesWarningGauge,
         kBmpWarningStowed,
         {0, 0, 287, 59},
         "Temperature Warning Indicator - click to reset",
         &WarningIconCallback,
         &WarningClickHandler},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.gauge.gauge_name);
        EXPECT_EQ(r.gauge.gauge_callback, nullptr);
        const ElementHeader& root = *r.gauge.elements_list[0];
        EXPECT_EQ(root.image_flags, 0x11u);
        EXPECT_EQ(root.aux_image_flags, 0u);
        EXPECT_EQ(root.failure_systems, nullptr);
        ASSERT_NE(root.next_element, nullptr);
        ASSERT_NE(root.next_element[0], nullptr);
        EXPECT_EQ(root.next_element[1], nullptr);

        const IconElement& icon = IconOf(r.gauge);
        EXPECT_EQ(icon.header.element_type, ELEMENT_ICON);
        EXPECT_EQ(icon.header.resource_id, r.bitmap);
        EXPECT_EQ(icon.header.position.x, 0);
        EXPECT_EQ(icon.header.position.y, 0);
        EXPECT_EQ(icon.header.next_element, nullptr);
        EXPECT_EQ(icon.header.failure_systems, nullptr);
        EXPECT_EQ(icon.header.image_flags, 0x3u);
        EXPECT_EQ(icon.header.aux_image_flags, 0u);
        EXPECT_EQ(icon.header.gauge_header, &r.gauge);
        EXPECT_EQ(icon.source_var.id, MODULE_VAR_NONE);
        EXPECT_EQ(icon.update_cb, r.icon_cb);
        EXPECT_EQ(icon.switch_type, 0u);
        EXPECT_EQ(icon.picture_count, 2);
        EXPECT_EQ(icon.scale, 0.0);
        EXPECT_EQ(icon.offset, 0.0);

        test::ExpectOneAreaMouseTable(r.gauge, r.box, r.tooltip, r.click);
    }
}

TEST(SwitchGauges, IconsShowTheirStateFromLoad) {
    test::TestPanel panel;
    for (const GAUGEHDR* g : {&SwitchesBatteryGauge, &SwitchesMotorTempGauge, &SwitchesResetGauge,
                              &SwitchesWarningGauge}) {
        SCOPED_TRACE(g->gauge_name);
        EXPECT_EQ(IconValue(*g), 0.0);
    }
}

// Each handler: one look-up of its own name, no read of the variable (the
// new state comes from the copy), one write, and 1 returned.
TEST(SwitchGauges, ClicksLookUpWriteAndReturnOne) {
    struct Case {
        const GAUGEHDR& gauge;
        Calls first_click;
        Calls second_click;
    } cases[] = {
        {SwitchesBatteryGauge,
         {"check_named_variable BattSw = 0", "set_named_variable_value BattSw 1"},
         {"check_named_variable BattSw = 0", "set_named_variable_value BattSw 0"}},
        {SwitchesMotorTempGauge,
         {"check_named_variable MotorTempSw = 0", "set_named_variable_value MotorTempSw 1"},
         {"check_named_variable MotorTempSw = 0", "set_named_variable_value MotorTempSw 0"}},
        {SwitchesResetGauge,
         {"check_named_variable ResetSw = 0", "set_named_variable_value ResetSw 1"},
         {"check_named_variable ResetSw = 0", "set_named_variable_value ResetSw 1"}},
        {SwitchesWarningGauge,
         {"check_named_variable WarningFlag = 0", "set_named_variable_value WarningFlag 0"},
         {"check_named_variable WarningFlag = 0", "set_named_variable_value WarningFlag 0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.gauge.gauge_name);
        test::TestPanel panel;
        EXPECT_EQ(Click(c.gauge), 1);
        EXPECT_EQ(panel.Calls(), c.first_click);
        panel.ClearCalls();
        EXPECT_EQ(Click(c.gauge), 1);
        EXPECT_EQ(panel.Calls(), c.second_click);
    }
}

// The copies as the Control step leaves them, then what the icon shows, what
// a click writes and what the copy becomes.
TEST(SwitchGauges, SelectorsToggleFromTheRefreshedCopy) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* label;
        const GAUGEHDR& gauge;
        const char* name;
        double set_elsewhere;
        double icon;
        double written;
    } cases[] = {
        {"BattSw 1.0", SwitchesBatteryGauge, "BattSw", 1.0, 1.0, 0.0},
        {"BattSw 2.5", SwitchesBatteryGauge, "BattSw", 2.5, 2.0, 0.0},
        {"BattSw 0.7", SwitchesBatteryGauge, "BattSw", 0.7, 0.0, 1.0},
        {"BattSw -1.0", SwitchesBatteryGauge, "BattSw", -1.0, -1.0, 0.0},
        {"BattSw nan", SwitchesBatteryGauge, "BattSw", nan, 0.0, 1.0},
        {"MotorTempSw 0.5", SwitchesMotorTempGauge, "MotorTempSw", 0.5, 0.5, 1.0},
        {"MotorTempSw -0.5", SwitchesMotorTempGauge, "MotorTempSw", -0.5, -0.5, 1.0},
        {"MotorTempSw 1.9", SwitchesMotorTempGauge, "MotorTempSw", 1.9, 1.9, 0.0},
        {"MotorTempSw 3.0", SwitchesMotorTempGauge, "MotorTempSw", 3.0, 3.0, 0.0},
        {"MotorTempSw 1e300", SwitchesMotorTempGauge, "MotorTempSw", 1e300, 1e300, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        test::TestPanel panel;
        panel.SetNamed(c.name, c.set_elsewhere);
        gModuleState.BattSwState      = TruncateToInt32(panel.Named("BattSw"));
        gModuleState.MotorTempSwState = panel.Named("MotorTempSw");

        EXPECT_EQ(IconValue(c.gauge), c.icon);
        EXPECT_EQ(Click(c.gauge), 1);
        EXPECT_EQ(panel.Named(c.name), c.written);
        EXPECT_EQ(IconValue(c.gauge), c.written);
    }
}

// Until the Control step refreshes the copy, a change made elsewhere is not
// seen: the click toggles the old copy and overwrites the variable.
TEST(SwitchGauges, ClickBeforeTheRefreshTogglesTheOldCopy) {
    test::TestPanel panel;
    panel.SetNamed("BattSw", 1.0);
    panel.SetNamed("MotorTempSw", 1.0);
    EXPECT_EQ(IconValue(SwitchesBatteryGauge), 0.0);
    Click(SwitchesBatteryGauge);
    Click(SwitchesMotorTempGauge);
    EXPECT_EQ(panel.Named("BattSw"), 1.0);
    EXPECT_EQ(panel.Named("MotorTempSw"), 1.0);
    EXPECT_EQ(gModuleState.BattSwState, 1);
    EXPECT_EQ(gModuleState.MotorTempSwState, 1.0);
}

TEST(SwitchGauges, TwoBatteryClicksBetweenStepsEndAtAmps) {
    test::TestPanel panel;
    std::vector<std::int32_t> states{gModuleState.BattSwState};
    Click(SwitchesBatteryGauge);
    states.push_back(gModuleState.BattSwState);
    Click(SwitchesBatteryGauge);
    states.push_back(gModuleState.BattSwState);
    EXPECT_EQ(states, (std::vector<std::int32_t>{0, 1, 0}));
    EXPECT_EQ(panel.Named("BattSw"), 0.0);
    EXPECT_EQ(IconValue(SwitchesBatteryGauge), 0.0);
}

// The reset switch is only thrown by a click; the spring-back belongs to the
// navigation reset step, whose timing a second click must not touch.
TEST(SwitchGauges, ResetClickWhileUpWritesOneAgainAndKeepsTheHold) {
    test::TestPanel panel;
    Click(SwitchesResetGauge);
    EXPECT_EQ(gModuleState.ResetSwState, 1);
    EXPECT_EQ(IconValue(SwitchesResetGauge), 1.0);
    gModuleState.ResetStartTick = 1000.0;  // as the reset step records it
    panel.SetNamed("ResetSw", 0.5);        // anything, the click does not read it
    Click(SwitchesResetGauge);
    EXPECT_EQ(gModuleState.ResetSwState, 1);
    EXPECT_EQ(panel.Named("ResetSw"), 1.0);
    EXPECT_EQ(gModuleState.ResetStartTick, 1000.0);
}

// The flag's icon reads WarningFlag on every update, whoever wrote it, and
// keeps what it read in WarningValue; a click only lowers it.
TEST(SwitchGauges, WarningFlagFollowsTheVariableAndAClickLowersIt) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    test::TestPanel panel;
    struct Step {
        const char* label;
        bool click;
        double set_elsewhere;  // NaN: leave the variable alone
        double shown;
        const char* read;  // as the panel logs the value read
    } steps[] = {
        {"stowed at load", false, nan, 0.0, "0"},
        {"raised by the model", false, 1.0, 1.0, "1"},
        {"lowered by a click", true, nan, 0.0, "0"},
        {"stays lowered", false, nan, 0.0, "0"},
        {"any value shows as written", false, 0.25, 0.25, "0.25"},
        {"lowered again", true, nan, 0.0, "0"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.label);
        if (!std::isnan(s.set_elsewhere)) panel.SetNamed("WarningFlag", s.set_elsewhere);
        if (s.click) {
            EXPECT_EQ(Click(SwitchesWarningGauge), 1);
        }
        panel.ClearCalls();
        EXPECT_EQ(IconValue(SwitchesWarningGauge), s.shown);
        EXPECT_EQ(gModuleState.WarningValue, s.shown);
        EXPECT_EQ(panel.Calls(),
                  (Calls{"check_named_variable WarningFlag = 0",
                         std::string("get_named_variable_value WarningFlag = ") + s.read}));
    }
}

// A click on the stowed flag writes 0.0 and touches no other state.
TEST(SwitchGauges, ClickOnTheStowedFlagChangesNothingElse) {
    test::TestPanel panel;
    gModuleState.BattSwState      = 1;
    gModuleState.MotorTempSwState = 0.5;
    gModuleState.ResetSwState     = 1;
    gModuleState.BattWarnLatch[0] = 1;
    Click(SwitchesWarningGauge);
    EXPECT_EQ(panel.Calls(), (Calls{"check_named_variable WarningFlag = 0",
                                    "set_named_variable_value WarningFlag 0"}));
    EXPECT_EQ(gModuleState.WarningValue, 0.0);
    EXPECT_EQ(gModuleState.BattSwState, 1);
    EXPECT_EQ(gModuleState.MotorTempSwState, 0.5);
    EXPECT_EQ(gModuleState.ResetSwState, 1);
    EXPECT_EQ(gModuleState.BattWarnLatch[0], 1);
}

}  // namespace
}  // namespace drennomar
