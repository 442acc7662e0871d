// The definitions of the two power gauges: the invisible Control gauge and
// the SliderGauges monitor with its eight pointers and four tooltips.
#include <gtest/gtest.h>

#include <string>

#include "module/gauge_table.h"
#include "power/control_gauge.h"
#include "resources/bitmap_ids.h"
#include "state/module_state.h"
#include "tests/support/test_panel.h"

namespace drennomar {
namespace {

TEST(ControlGauge, InvisibleRootAndTheModelCallback) {
    const GAUGEHDR& g = ControlGauge;
    EXPECT_STREQ(g.gauge_name, "Control");
    EXPECT_EQ(g.size_x_mm, 4u);
    EXPECT_EQ(g.mouse_rect, nullptr);
    EXPECT_EQ(g.gauge_callback, &ControlGaugeCallback);
    const ElementHeader& root = *g.elements_list[0];
    EXPECT_EQ(root.element_type, ELEMENT_STATIC_IMAGE);
    EXPECT_EQ(root.resource_id, 0x3400);
    EXPECT_EQ(root.image_flags, IMAGE_USE_TRANSPARENCY);
    EXPECT_EQ(root.next_element, nullptr);
    EXPECT_EQ(root.failure_systems, nullptr);
}

TEST(SliderGauges, EightPointersInOrder) {
    struct Row {
        const char* label;
        RESOURCE_ID bitmap;
        PIXPOINT position;
        SIM_TOKEN source;
        double scale;
        double ModuleState::*field;  // shown through the callback, or none
    };
    const Row rows[] = {
        {"charge 1", 0x1300, {13, 85}, 0x130, -70.0, nullptr},
        {"charge 2", 0x1310, {33, 85}, 0x12F, -70.0, nullptr},
        {"volts/amps 1", 0x1300, {63, 94}, 0, -1.62, &ModuleState::PowerMeter1},
        {"volts/amps 2", 0x1310, {83, 94}, 0, -1.62, &ModuleState::PowerMeter2},
        {"battery temperature 1", 0x1300, {182, 95}, 0, -0.44444444, &ModuleState::BattTemp1},
        {"battery temperature 2", 0x1310, {202, 95}, 0, -0.44444444, &ModuleState::BattTemp2},
        {"motor temperature L",
         0x1300,
         {232, 95},
         0,
         -0.273333333,
         &ModuleState::MotorTempDisplayL},
        {"motor temperature R",
         0x1310,
         {252, 95},
         0,
         -0.273333333,
         &ModuleState::MotorTempDisplayR},
    };
    const GAUGEHDR& g         = SliderGaugesGauge;
    const ElementHeader& root = *g.elements_list[0];
    EXPECT_EQ(root.resource_id, 0x1400);
    EXPECT_EQ(root.image_flags, IMAGE_USE_TRANSPARENCY);
    EXPECT_EQ(g.gauge_callback, nullptr);
    ASSERT_NE(root.next_element, nullptr);

    test::TestPanel panel;  // module state as at load
    double distinct = 11.5;
    for (const double ModuleState::*f :
         {&ModuleState::PowerMeter1, &ModuleState::PowerMeter2, &ModuleState::BattTemp1,
          &ModuleState::BattTemp2, &ModuleState::MotorTempDisplayL,
          &ModuleState::MotorTempDisplayR}) {
        const_cast<double&>(gModuleState.*f) = distinct;
        distinct += 10.0;
    }
    for (size_t i = 0; i < std::size(rows); ++i) {
        const Row& r = rows[i];
        SCOPED_TRACE(r.label);
        const ElementHeader* e = root.next_element[i];
        ASSERT_NE(e, nullptr);
        ASSERT_EQ(e->element_type, ELEMENT_SLIDER);
        const auto* slider = reinterpret_cast<const SliderElement*>(e);
        EXPECT_EQ(e->resource_id, r.bitmap);
        EXPECT_EQ(e->position.x, r.position.x);
        EXPECT_EQ(e->position.y, r.position.y);
        EXPECT_EQ(e->image_flags, IMAGE_USE_TRANSPARENCY | IMAGE_USE_ERASE);
        EXPECT_EQ(e->aux_image_flags, 0u);
        EXPECT_EQ(e->next_element, nullptr);
        EXPECT_EQ(e->failure_systems, nullptr);
        EXPECT_EQ(e->gauge_header, &g);
        EXPECT_EQ(slider->x.source_var.id, MODULE_VAR_NONE);
        EXPECT_EQ(slider->x.scale, 0.0);
        EXPECT_EQ(slider->x.update_cb, nullptr);
        EXPECT_EQ(slider->y.source_var.id, r.source);
        EXPECT_EQ(slider->y.scale, r.scale);
        if (r.field == nullptr) {
            EXPECT_EQ(slider->y.update_cb, nullptr);
        } else {
            ASSERT_NE(slider->y.update_cb, nullptr);
            EXPECT_EQ(slider->y.update_cb(const_cast<SliderElement*>(slider)),
                      gModuleState.*r.field);
        }
    }
    EXPECT_EQ(root.next_element[std::size(rows)], nullptr);
    EXPECT_TRUE(panel.Calls().empty());  // the pointers look nothing up
}

TEST(SliderGauges, MouseTableHasFourTooltipAreas) {
    struct Entry {
        MouseRectKind kind;
        PIXBOX box;
        const char* tooltip;
    };
    const Entry expected[] = {
        {MOUSE_RECT_PARENT, {0, 0, 0, 0}, nullptr},
        {MOUSE_RECT_PARENT, {9, 8, 35, 104}, nullptr},
        {MOUSE_RECT_USER, {0, 0, 0, 0}, "Battery 1 and 2 Charge Indicator (Ampere-Hours)"},
        {MOUSE_RECT_END_PARENT, {0, 0, 0, 0}, nullptr},
        {MOUSE_RECT_PARENT, {60, 8, 35, 104}, nullptr},
        {MOUSE_RECT_USER, {0, 0, 0, 0}, "Battery 1 and 2 Voltage an Current Indicators"},
        {MOUSE_RECT_END_PARENT, {0, 0, 0, 0}, nullptr},
        {MOUSE_RECT_PARENT, {179, 8, 35, 104}, nullptr},
        {MOUSE_RECT_USER, {0, 0, 0, 0}, "Battery 1 and 2 Temperature Indicators"},
        {MOUSE_RECT_END_PARENT, {0, 0, 0, 0}, nullptr},
        {MOUSE_RECT_PARENT, {230, 8, 35, 104}, nullptr},
        {MOUSE_RECT_USER, {0, 0, 0, 0}, "Motor Left and Right Temperature Indicators"},
        {MOUSE_RECT_END_PARENT, {0, 0, 0, 0}, nullptr},
        {MOUSE_RECT_END_PARENT, {0, 0, 0, 0}, nullptr},
        {MOUSE_RECT_EOL, {0, 0, 0, 0}, nullptr},
    };
    const MouseRect* m = SliderGaugesGauge.mouse_rect;
    ASSERT_NE(m, nullptr);
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        const Entry& x = expected[i];
        EXPECT_EQ(m[i].rect_flags, x.kind);
        EXPECT_EQ(m[i].relative_box.x, x.box.x);
        EXPECT_EQ(m[i].relative_box.y, x.box.y);
        EXPECT_EQ(m[i].relative_box.w, x.box.w);
        EXPECT_EQ(m[i].relative_box.h, x.box.h);
        EXPECT_EQ(m[i].cursor, CURSOR_NONE);
        EXPECT_EQ(m[i].help_id, HELP_NONE);
        EXPECT_EQ(m[i].mouse_flags, 0u);
        EXPECT_EQ(m[i].event_id, 0u);
        EXPECT_EQ(m[i].api_data, nullptr);
        if (x.tooltip != nullptr) {
            EXPECT_STREQ(m[i].target.tooltip, x.tooltip);
        } else {
            EXPECT_EQ(m[i].target.handler, nullptr);
        }
    }
}

}  // namespace
}  // namespace drennomar
