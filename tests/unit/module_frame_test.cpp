// The module frame: the gauge table reached through Linkage, the header of
// every gauge, the standard element-list routines and ImportTable.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "panel/module_imports.h"
#include "resources/bitmap_ids.h"
#include "state/numeric.h"
#include "tests/support/test_panel.h"

namespace drennomar {
namespace {

struct GaugeRow {
    const char* name;
    UINT32 width;
    RESOURCE_ID root_bitmap;
    bool has_mouse;
    bool has_callback;
};

constexpr GaugeRow kGaugeTable[] = {
    {"SliderGauges", 273, kBmpMonitorFaces, true, false},
    {"HeadingCompass", 170, kBmpCompassFace, true, false},
    {"Speed", 64, kBmpSpeedDial, true, false},
    {"SwitchesBattery", 51, kBmpBattSwDown, true, false},
    {"SwitchesMotorTemp", 49, kBmpMotorSwDown, true, false},
    {"SwitchesReset", 63, kBmpResetSwDown, true, false},
    {"SwitchesWarning", 287, kBmpWarningStowed, true, false},
    {"RollPitchIndicator", 122, kBmpPitchFace, true, true},
    {"RollVCIndicator", 122, kBmpRollFace, true, false},
    {"PitchVCIndicator", 122, kBmpPitchFace, true, false},
    {"Background", 500, kBmpConsole2D, false, false},
    {"BackgroundVC", 500, kBmpConsoleVC, false, false},
    {"Control", 4, kBmpControl, false, true},
};

TEST(ModuleFrame, LinkageHeaderFields) {
    EXPECT_EQ(Linkage.module_id, 0x13u);
    EXPECT_EQ(Linkage.module_flags, 0u);
    EXPECT_EQ(Linkage.module_priority, 0u);
    EXPECT_EQ(Linkage.module_version, 0x0900u);
    ASSERT_NE(Linkage.module_init, nullptr);
    ASSERT_NE(Linkage.module_deinit, nullptr);
}

TEST(ModuleFrame, GaugeTableHoldsThirteenHeadersInOrder) {
    size_t n = 0;
    while (n < kGaugeTableSlots && Linkage.gauge_table[n] != nullptr) ++n;
    ASSERT_EQ(n, std::size(kGaugeTable));
    for (size_t i = 0; i < n; ++i) {
        const GaugeRow& row = kGaugeTable[i];
        const GAUGEHDR& g   = *Linkage.gauge_table[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(g.gauge_header_version, 800u);
        EXPECT_STREQ(g.gauge_name, row.name);
        EXPECT_EQ(g.size_x_mm, row.width);
        EXPECT_EQ(g.size_y_mm, 0u);
        EXPECT_EQ(g.user_data, nullptr);
        EXPECT_EQ(g.parameters, nullptr);
        EXPECT_EQ(g.usage, nullptr);
        ASSERT_NE(g.elements_list, nullptr);
        const ElementHeader* root = g.elements_list[0];
        ASSERT_NE(root, nullptr);
        EXPECT_EQ(root->element_type, ELEMENT_STATIC_IMAGE);
        EXPECT_EQ(root->resource_id, row.root_bitmap);
        EXPECT_EQ(root->position.x, 0);
        EXPECT_EQ(root->position.y, 0);
        EXPECT_EQ(root->gauge_header, &g);
        EXPECT_EQ(g.gauge_callback != nullptr, row.has_callback);
        if (!row.has_mouse) {
            EXPECT_EQ(g.mouse_rect, nullptr);
        }
        // One shared set of standard routines.
        const GAUGEHDR& first = *Linkage.gauge_table[0];
        EXPECT_EQ(g.query_routine, first.query_routine);
        EXPECT_EQ(g.install_routine, first.install_routine);
        EXPECT_EQ(g.initialize_routine, first.initialize_routine);
        EXPECT_EQ(g.update_routine, first.update_routine);
        EXPECT_EQ(g.generate_routine, first.generate_routine);
        EXPECT_EQ(g.draw_routine, first.draw_routine);
        EXPECT_EQ(g.kill_routine, first.kill_routine);
    }
}

TEST(ModuleFrame, ImportTableAsDefined) {
    EXPECT_EQ(ImportTable[0].id, 0x0Fu);
    EXPECT_EQ(ImportTable[0].ptr, nullptr);
    EXPECT_EQ(ImportTable[1].id, 0u);
    EXPECT_EQ(ImportTable[1].ptr, nullptr);
}

TEST(ModuleFrame, StandardRoutinesPassTheRootOfTheFirstGaugeThroughAnyHeader) {
    test::TestPanel panel;
    int handle_target = 0;
    for (size_t i = 0; Linkage.gauge_table[i] != nullptr; ++i) {
        const GAUGEHDR& g = *Linkage.gauge_table[i];
        SCOPED_TRACE(g.gauge_name);
        panel.ClearCalls();
        g.query_routine();
        g.install_routine(&handle_target);
        g.initialize_routine();
        g.update_routine();
        g.generate_routine(0xDEADBEEFu);
        g.draw_routine();
        g.kill_routine();
        char handle[64];
        std::snprintf(handle, sizeof handle, " handle %p", static_cast<void*>(&handle_target));
        const std::vector<std::string> expected = {
            "element_list_query resource 0x1400",
            std::string("element_list_install resource 0x1400") + handle,
            "element_list_initialize resource 0x1400",
            "element_list_update resource 0x1400",
            "element_list_generate resource 0x1400 phase 3735928559",
            "element_list_plot resource 0x1400",
            "element_list_kill resource 0x1400",
        };
        EXPECT_EQ(panel.Calls(), expected);
        Linkage.module_init();
        Linkage.module_deinit();
    }
}

TEST(Numeric, TruncateToInt32IsDefinedForEveryDouble) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* label;
        double in;
        std::int32_t out;
    } cases[] = {
        {"nan", std::nan(""), 0},
        {"+inf", inf, INT32_MAX},
        {"-inf", -inf, INT32_MIN},
        {"+1e20", 1e20, INT32_MAX},
        {"-1e20", -1e20, INT32_MIN},
        {"+2147483647.9", 2147483647.9, 2147483647},
        {"-2147483647.9", -2147483647.9, -2147483647},
        {"+2147483648.0", 2147483648.0, INT32_MAX},
        {"-2147483648.0", -2147483648.0, INT32_MIN},
        {"-2147483648.9", -2147483648.9, INT32_MIN},
        {"+0.7", 0.7, 0},
        {"-0.7", -0.7, 0},
        {"+1.9", 1.9, 1},
        {"-1.0", -1.0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(TruncateToInt32(c.in), c.out);
    }
}

}  // namespace
}  // namespace drennomar
