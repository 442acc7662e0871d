// The HeadingCompass and Speed definitions as the panel system reads them:
// element chains, every element parameter, the shared failure lists, the
// Speed needle's marks, the mouse tables with their tooltips, and the
// compass card's callback.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "module/gauge_table.h"
#include "navigation/navigation.h"
#include "resources/bitmap_ids.h"
#include "tests/support/navigation_readouts.h"

namespace drennomar {
namespace {

using test::HeadingCompassChain;

/// One area of a mouse table, read back through the module's one layout.
struct MouseArea {
    PIXBOX box;
    std::string tooltip;
    bool clickable;
};

bool SameBox(const PIXBOX& a, const PIXBOX& b) {
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

// Reads the areas of a table laid out as outer parent, then per area parent,
// tooltip, optional click entry, end of parent; then the outer end of parent
// and the end of the list. Fails the test on any other layout.
std::vector<MouseArea> ReadMouseAreas(const MouseRect* table) {
    std::vector<MouseArea> areas;
    auto plain = [](const MouseRect& r) {
        EXPECT_EQ(r.cursor, CURSOR_NONE);
        EXPECT_EQ(r.help_id, HELP_NONE);
        EXPECT_EQ(r.mouse_flags, 0u);
        EXPECT_EQ(r.event_id, 0u);
        EXPECT_EQ(r.api_data, nullptr);
    };
    const MouseRect* r = table;
    EXPECT_EQ(r->rect_flags, MOUSE_RECT_PARENT);
    EXPECT_TRUE(SameBox(r->relative_box, {0, 0, 0, 0}));
    plain(*r);
    for (++r; r->rect_flags == MOUSE_RECT_PARENT; ++r) {
        MouseArea area{r->relative_box, "", false};
        plain(*r);
        ++r;
        EXPECT_EQ(r->rect_flags, MOUSE_RECT_USER);
        plain(*r);
        area.tooltip = r->target.tooltip;
        ++r;
        if (r->rect_flags == MOUSE_RECT_CHILD) {
            area.clickable = true;
            EXPECT_TRUE(SameBox(r->relative_box, area.box));
            ++r;
        }
        EXPECT_EQ(r->rect_flags, MOUSE_RECT_END_PARENT);
        plain(*r);
        areas.push_back(area);
    }
    EXPECT_EQ(r->rect_flags, MOUSE_RECT_END_PARENT);
    plain(*r);
    ++r;
    EXPECT_EQ(r->rect_flags, MOUSE_RECT_EOL);
    return areas;
}

void ExpectAreas(const MouseRect* table, const std::vector<MouseArea>& expected) {
    const std::vector<MouseArea> areas = ReadMouseAreas(table);
    ASSERT_EQ(areas.size(), expected.size());
    for (size_t i = 0; i < areas.size(); ++i) {
        SCOPED_TRACE(expected[i].tooltip);
        EXPECT_TRUE(SameBox(areas[i].box, expected[i].box));
        EXPECT_EQ(areas[i].tooltip, expected[i].tooltip);
        EXPECT_EQ(areas[i].clickable, expected[i].clickable);
    }
}

/// Common parameters of one element, in drawing order.
struct ElementRow {
    const char* label;
    ElementKind kind;
    RESOURCE_ID resource;
    PIXPOINT position;
    FLAGS32 image_flags;
};

// Walks a chain in which every element but the last has exactly one child.
void ExpectChain(const GAUGEHDR& gauge, const std::vector<ElementRow>& rows,
                 const FailureRecord* failures) {
    ASSERT_NE(gauge.elements_list, nullptr);
    const ElementHeader* e = gauge.elements_list[0];
    for (size_t i = 0; i < rows.size(); ++i) {
        const ElementRow& row = rows[i];
        SCOPED_TRACE(row.label);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->element_type, row.kind);
        EXPECT_EQ(e->resource_id, row.resource);
        EXPECT_EQ(e->position.x, row.position.x);
        EXPECT_EQ(e->position.y, row.position.y);
        EXPECT_EQ(e->image_flags, row.image_flags);
        EXPECT_EQ(e->aux_image_flags, 0u);
        EXPECT_EQ(e->gauge_header, &gauge);
        EXPECT_EQ(e->failure_systems, failures);
        if (i + 1 == rows.size()) {
            EXPECT_EQ(e->next_element, nullptr);
        } else {
            ASSERT_NE(e->next_element, nullptr);
            EXPECT_EQ(e->next_element[1], nullptr);
            e = e->next_element[0];
        }
    }
}

void ExpectFailures(const FailureRecord* list, const std::vector<FailureRecord>& expected) {
    ASSERT_NE(list, nullptr);
    size_t i = 0;
    for (; list[i].key != FAIL_NONE; ++i) {
        ASSERT_LT(i, expected.size());
        EXPECT_EQ(list[i].key, expected[i].key);
        EXPECT_EQ(list[i].action, expected[i].action);
        EXPECT_EQ(list[i].reserved, nullptr);
    }
    EXPECT_EQ(i, expected.size());
}

//-----------------------------------------------------------------------------
// HeadingCompass
//-----------------------------------------------------------------------------

TEST(HeadingCompassGauge, HeaderAndChainOfFiveElements) {
    EXPECT_STREQ(HeadingCompassGauge.gauge_name, "HeadingCompass");
    EXPECT_EQ(HeadingCompassGauge.size_x_mm, 170u);
    EXPECT_EQ(HeadingCompassGauge.gauge_callback, nullptr);

    const FailureRecord* failures = HeadingCompassChain(0)->failure_systems;
    ExpectFailures(failures, {{20, FAIL_ACTION_FREEZE, nullptr}});
    ExpectChain(HeadingCompassGauge,
                {
                    {"face", ELEMENT_STATIC_IMAGE, kBmpCompassFace, {0, 0}, 0x1},
                    {"card", ELEMENT_NEEDLE, kBmpCompassCard, {85, 85}, 0x83},
                    {"BEARING", ELEMENT_STRING, kNoResource, {70, 50}, 0x7},
                    {"RANGE", ELEMENT_STRING, kNoResource, {103, 87}, 0x7},
                    {"DISTANCE", ELEMENT_STRING, kNoResource, {36, 87}, 0x7},
                },
                failures);
}

TEST(HeadingCompassGauge, CompassCard) {
    const auto& card = *reinterpret_cast<NeedleElement*>(HeadingCompassChain(1));
    EXPECT_EQ(card.reference.x, 85);
    EXPECT_EQ(card.reference.y, 85);
    EXPECT_EQ(card.source_var.id, kTokenHeadingDeg);
    EXPECT_EQ(card.update_cb, &CompassCardCallback);
    EXPECT_EQ(card.nonlinearity, nullptr);
    EXPECT_EQ(card.nonlinearity_count, 0u);
    EXPECT_EQ(card.max_degrees_per_tick, 6.0);

    // The card turns against the vehicle: at heading 90 E stands at the top.
    NeedleElement copy = card;
    for (double heading : {0.0, 90.0, 270.0, -45.5}) {
        copy.source_var.var_value = heading;
        EXPECT_EQ(copy.update_cb(&copy), -heading) << heading;
    }
}

TEST(HeadingCompassGauge, ReadoutsShareTheirTextSettings) {
    struct Row {
        const char* label;
        int index;
        SIM_TOKEN source;
        SINT32 box_w;
        UINT32 char_count;
        STRING_UPDATE_CALLBACK callback;
    } rows[] = {
        {"BEARING", test::kBearingReadout, kTokenHeadingDeg, 200, 20, &BearingReadoutCallback},
        {"RANGE", test::kRangeReadout, MODULE_VAR_NONE, 40, 5, &RangeReadoutCallback},
        {"DISTANCE", test::kDistanceReadout, MODULE_VAR_NONE, 80, 10, &DistanceReadoutCallback},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        const auto& s = *reinterpret_cast<StringElement*>(HeadingCompassChain(row.index));
        EXPECT_EQ(s.source_var[0].id, row.source);
        EXPECT_EQ(s.source_var[1].id, MODULE_VAR_NONE);
        EXPECT_EQ(s.source_var[2].id, MODULE_VAR_NONE);
        EXPECT_EQ(s.box_w, row.box_w);
        EXPECT_EQ(s.box_h, 15);
        EXPECT_EQ(s.char_count, row.char_count);
        EXPECT_EQ(s.fg_color, 0x787878u);
        EXPECT_EQ(s.bg_color, 0x000000u);
        EXPECT_EQ(s.hilite_color, 0x5C5C5Cu);
        EXPECT_STREQ(s.font_face, "Arial Narrow");
        EXPECT_EQ(s.font_weight, 400);
        EXPECT_EQ(s.font_charset, 1u);
        EXPECT_EQ(s.font_size, 0);
        EXPECT_EQ(s.draw_text_flags, 0x25u);
        EXPECT_EQ(s.highlight_list, nullptr);
        EXPECT_EQ(s.update_cb, row.callback);
        EXPECT_EQ(s.string, nullptr);
    }
}

TEST(HeadingCompassGauge, FourTooltipAreas) {
    ExpectAreas(
        HeadingCompassGauge.mouse_rect,
        {
            {{85, 58, 62, 28}, "Heading Indicator to Lunar North", false},
            {{93, 101, 45, 27},
             "Bearing Indicator to Lunar Module or to last Reset position",
             false},
            {{60, 137, 45, 27},
             "Distance in kilometers Traveled from Lunar Module or since last Reset position",
             false},
            {{125, 137, 45, 27},
             "Range in kilometers to Lunar Module or to last Reset position",
             false},
        });
}

//-----------------------------------------------------------------------------
// Speed
//-----------------------------------------------------------------------------

TEST(SpeedGauge, HeaderDialAndNeedle) {
    EXPECT_STREQ(SpeedGauge.gauge_name, "Speed");
    EXPECT_EQ(SpeedGauge.size_x_mm, 64u);
    EXPECT_EQ(SpeedGauge.gauge_callback, nullptr);

    const FailureRecord* failures = SpeedGauge.elements_list[0]->failure_systems;
    ExpectFailures(failures, {{20, FAIL_ACTION_ZERO, nullptr}, {10, FAIL_ACTION_FREEZE, nullptr}});
    ExpectChain(SpeedGauge,
                {
                    {"dial", ELEMENT_STATIC_IMAGE, kBmpSpeedDial, {0, 0}, 0x1},
                    {"needle", ELEMENT_NEEDLE, kBmpSpeedNeedle, {32, 39}, 0x83},
                },
                failures);

    const auto& needle =
        *reinterpret_cast<NeedleElement*>(SpeedGauge.elements_list[0]->next_element[0]);
    EXPECT_EQ(needle.reference.x, 0);
    EXPECT_EQ(needle.reference.y, 1);
    EXPECT_EQ(needle.source_var.id, MODULE_VAR_NONE);
    EXPECT_EQ(needle.update_cb, &SpeedNeedleCallback);
    EXPECT_EQ(needle.max_degrees_per_tick, 6.0);

    struct Mark {
        PIXPOINT point;
        double kmh;
    } marks[] = {{{11, 24}, 0}, {{19, 15}, 5}, {{32, 12}, 10}, {{44, 15}, 15}, {{53, 24}, 20}};
    ASSERT_EQ(needle.nonlinearity_count, std::size(marks));
    for (size_t i = 0; i < std::size(marks); ++i) {
        SCOPED_TRACE(marks[i].kmh);
        EXPECT_EQ(needle.nonlinearity[i].point.x, marks[i].point.x);
        EXPECT_EQ(needle.nonlinearity[i].point.y, marks[i].point.y);
        EXPECT_EQ(needle.nonlinearity[i].value, marks[i].kmh);
        EXPECT_EQ(needle.nonlinearity[i].degrees, 0.0);
    }
}

TEST(SpeedGauge, OneTooltipOverTheWholeDial) {
    ExpectAreas(SpeedGauge.mouse_rect, {{{0, 0, 64, 50}, "Speed in kilometers per hour", false}});
}

}  // namespace
}  // namespace drennomar
