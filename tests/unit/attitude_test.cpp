// The attitude indicator gauges: their definitions, the pointer and marker
// limits, and the face flip of RollPitchIndicator through clicks on any of
// the three gauges and its gauge callback.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "attitude/attitude_callbacks.h"
#include "module/gauge_table.h"
#include "resources/bitmap_ids.h"
#include "tests/support/mouse_table_walk.h"
#include "tests/support/test_panel.h"

namespace drennomar {
namespace {

using Flags4 = std::array<FLAGS32, 4>;

PELEMENT_HEADER RootOf(const GAUGEHDR& g) { return g.elements_list[0]; }
PELEMENT_HEADER ChildOf(const GAUGEHDR& g, int place) { return RootOf(g)->next_element[place]; }

template <typename Element>
Element& As(PELEMENT_HEADER e) {
    return *reinterpret_cast<Element*>(e);
}

// RollPitchIndicator's four elements in the order the flags are read:
// pitch face (root), pitch marker, roll face, roll pointer.
std::array<PELEMENT_HEADER, 4> RollPitchElements() {
    const GAUGEHDR& g = RollPitchIndicatorGauge;
    return {RootOf(g), ChildOf(g, kPitchMarker), ChildOf(g, kRollFace), ChildOf(g, kRollPointer)};
}

Flags4 RollPitchFlags() {
    Flags4 f{};
    auto e = RollPitchElements();
    for (size_t i = 0; i < e.size(); ++i) f[i] = e[i]->image_flags;
    return f;
}

constexpr Flags4 kRollFaceShown  = {0x40000003u, 0x40000003u, 0x00000003u, 0x00000083u};
constexpr Flags4 kPitchFaceShown = {0x00000003u, 0x00000003u, 0x40000003u, 0x40000083u};

BOOL32 Click(const GAUGEHDR& g) {
    PIXPOINT point{-3, 500};  // ignored, as are the flags
    return test::ClickEntryOf(g)->target.handler(&point, 0);
}

void GaugeCallback(SINT32 service = PANEL_SERVICE_PRE_UPDATE) {
    RollPitchIndicatorGauge.gauge_callback(&RollPitchIndicatorGauge, service, 0);
}

// The definitions are the module's one copy, changed at run time by the face
// flip: each test gets them back as it found them.
class AttitudeTest : public ::testing::Test {
  protected:
    void SetUp() override { saved_ = RollPitchFlags(); }
    void TearDown() override {
        auto e = RollPitchElements();
        for (size_t i = 0; i < e.size(); ++i) e[i]->image_flags = saved_[i];
    }
    test::TestPanel panel;
    Flags4 saved_{};
};

TEST_F(AttitudeTest, RollPitchIndicatorTree) {
    const GAUGEHDR& g = RollPitchIndicatorGauge;
    EXPECT_EQ(g.gauge_callback, &FaceSwitchCallback);
    EXPECT_EQ(RollPitchFlags(), kRollFaceShown);
    EXPECT_EQ(RootOf(g)->next_element[kRollPitchChildCount], nullptr);
    for (PELEMENT_HEADER e : RollPitchElements()) {
        EXPECT_EQ(e->gauge_header, &g);
        EXPECT_EQ(e->failure_systems, nullptr);
        EXPECT_EQ(e->aux_image_flags, 0u);
    }
    const ElementHeader& face = *RootOf(g);
    EXPECT_EQ(face.resource_id, kBmpPitchFace);

    const IconElement& roll_face = As<IconElement>(ChildOf(g, kRollFace));
    EXPECT_EQ(roll_face.header.element_type, ELEMENT_ICON);
    EXPECT_EQ(roll_face.header.resource_id, kBmpRollFace);
    EXPECT_EQ(roll_face.header.position.x, 0);
    EXPECT_EQ(roll_face.header.position.y, 0);
    EXPECT_EQ(roll_face.header.next_element, nullptr);
    EXPECT_EQ(roll_face.source_var.id, MODULE_VAR_NONE);
    EXPECT_EQ(roll_face.update_cb, nullptr);
    EXPECT_EQ(roll_face.switch_type, ICON_SWITCH_TYPE_SET_CUR_ICON);
    EXPECT_EQ(roll_face.picture_count, 1);
    EXPECT_EQ(roll_face.scale, 0.0);
    EXPECT_EQ(roll_face.offset, 0.0);

    test::ExpectOneAreaMouseTable(g, {0, 0, 122, 139}, "Roll and Pitch Indicator (click to flip)",
                                  &FaceClickHandler);
}

TEST_F(AttitudeTest, VirtualCockpitTrees) {
    struct Row {
        const GAUGEHDR& gauge;
        RESOURCE_ID face;
        ElementKind child_kind;
        FLAGS32 child_flags;
        const char* tooltip;
    } rows[] = {
        {RollVCIndicatorGauge, kBmpRollFace, ELEMENT_NEEDLE, 0x83,
         "Roll Indicator (click to flip for Pitch indicator)"},
        {PitchVCIndicatorGauge, kBmpPitchFace, ELEMENT_SLIDER, 0x3,
         "Pitch Indicator (click to flip for Roll Indicator)"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.gauge.gauge_name);
        EXPECT_EQ(r.gauge.gauge_callback, nullptr);
        const ElementHeader& root = *RootOf(r.gauge);
        EXPECT_EQ(root.resource_id, r.face);
        EXPECT_EQ(root.image_flags, 0x1u);
        ASSERT_NE(root.next_element, nullptr);
        const ElementHeader& child = *root.next_element[0];
        EXPECT_EQ(root.next_element[1], nullptr);
        EXPECT_EQ(child.element_type, r.child_kind);
        EXPECT_EQ(child.image_flags, r.child_flags);
        EXPECT_EQ(child.gauge_header, &r.gauge);
        EXPECT_EQ(child.next_element, nullptr);
        test::ExpectOneAreaMouseTable(r.gauge, {0, 0, 122, 139}, r.tooltip, &FaceClickHandler);
    }
}

// The marker and the pointer are alike in every gauge that carries them.
TEST_F(AttitudeTest, MovingElementsAreDefinedAlikeEverywhere) {
    for (PELEMENT_HEADER e :
         {ChildOf(RollPitchIndicatorGauge, kPitchMarker), ChildOf(PitchVCIndicatorGauge, 0)}) {
        const SliderElement& m = As<SliderElement>(e);
        EXPECT_EQ(m.header.element_type, ELEMENT_SLIDER);
        EXPECT_EQ(m.header.resource_id, kBmpPitchMarker);
        EXPECT_EQ(m.header.position.x, 64);
        EXPECT_EQ(m.header.position.y, 27);
        EXPECT_EQ(m.x.source_var.id, MODULE_VAR_NONE);
        EXPECT_EQ(m.x.scale, 0.0);
        EXPECT_EQ(m.x.update_cb, nullptr);
        EXPECT_EQ(m.y.source_var.id, 0x4Du);
        EXPECT_EQ(m.y.scale, 0.75);
        EXPECT_EQ(m.y.update_cb, &PitchMarkerCallback);
    }
    for (PELEMENT_HEADER e :
         {ChildOf(RollPitchIndicatorGauge, kRollPointer), ChildOf(RollVCIndicatorGauge, 0)}) {
        const NeedleElement& n = As<NeedleElement>(e);
        EXPECT_EQ(n.header.element_type, ELEMENT_NEEDLE);
        EXPECT_EQ(n.header.resource_id, kBmpRollPointer);
        EXPECT_EQ(n.header.position.x, 53);
        EXPECT_EQ(n.header.position.y, 49);
        EXPECT_EQ(n.reference.x, 3);
        EXPECT_EQ(n.reference.y, 0);
        EXPECT_EQ(n.source_var.id, 0x4Fu);
        EXPECT_EQ(n.update_cb, &RollPointerCallback);
        EXPECT_EQ(n.nonlinearity, nullptr);
        EXPECT_EQ(n.nonlinearity_count, 0u);
        EXPECT_EQ(n.max_degrees_per_tick, 6.0);
    }
}

// The callbacks read the value the panel left in the element's own source
// record and look nothing up.
TEST_F(AttitudeTest, RollPointerShowsTheSignedBankWithinTwentyDegrees) {
    struct Case {
        double bank;
        double shown;
    } cases[] = {
        {0.0, 0.0},    {10.0, 10.0},   {350.0, -10.0}, {180.0, 20.0},   {180.5, -20.0},
        {20.0, 20.0},  {25.0, 20.0},   {-25.0, -20.0}, {340.0, -20.0},  {339.0, -20.0},
        {359.5, -0.5}, {-20.0, -20.0}, {540.0, 20.0},  {-400.0, -20.0},
    };
    for (PELEMENT_HEADER e :
         {ChildOf(RollPitchIndicatorGauge, kRollPointer), ChildOf(RollVCIndicatorGauge, 0)}) {
        NeedleElement& pointer = As<NeedleElement>(e);
        SCOPED_TRACE(pointer.header.gauge_header->gauge_name);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.bank);
            pointer.source_var.var_value = c.bank;
            EXPECT_EQ(pointer.update_cb(&pointer), c.shown);
        }
        pointer.source_var.var_value = std::numeric_limits<double>::quiet_NaN();
        EXPECT_TRUE(std::isnan(pointer.update_cb(&pointer)));
        pointer.source_var.var_value = 0.0;
    }
    EXPECT_TRUE(panel.Calls().empty());
}

TEST_F(AttitudeTest, PitchMarkerShowsThePitchWithinTwentyDegrees) {
    struct Case {
        double pitch;
        double shown;
    } cases[] = {
        {0.0, 0.0}, {20.0, 20.0}, {20.5, 20.0}, {-35.0, -20.0}, {7.5, 7.5}, {-20.0, -20.0},
    };
    for (PELEMENT_HEADER e :
         {ChildOf(RollPitchIndicatorGauge, kPitchMarker), ChildOf(PitchVCIndicatorGauge, 0)}) {
        SliderElement& marker = As<SliderElement>(e);
        SCOPED_TRACE(marker.header.gauge_header->gauge_name);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.pitch);
            marker.y.source_var.var_value = c.pitch;
            EXPECT_EQ(marker.y.update_cb(&marker), c.shown);
        }
        marker.y.source_var.var_value = 0.0;
    }
    EXPECT_TRUE(panel.Calls().empty());
}

// A run of clicks and gauge callbacks, with RollPitchGauge, FacePending and
// the four flags after each step.
struct Step {
    enum Action { kSetElsewhere, kClick, kCallback } action;
    double value;  // kSetElsewhere: the value written; kClick: unused
    double rpg;
    std::int32_t pending;
    Flags4 flags;
};

struct Sequence {
    const char* label;
    const GAUGEHDR* clicked;
    std::vector<Step> steps;
};

TEST_F(AttitudeTest, ClicksAndTheGaugeCallbackFlipTheFace) {
    const double kNaN          = std::numeric_limits<double>::quiet_NaN();
    const Sequence sequences[] = {
        {"flip to pitch and back",
         &RollPitchIndicatorGauge,
         {
             {Step::kCallback, 0, 0.0, 0, kRollFaceShown},
             {Step::kClick, 0, 1.0, 1, kRollFaceShown},
             {Step::kCallback, 0, 1.0, 0, kPitchFaceShown},
             {Step::kCallback, 0, 1.0, 0, kPitchFaceShown},
             {Step::kClick, 0, 0.0, 1, kPitchFaceShown},
             {Step::kCallback, 0, 0.0, 0, kRollFaceShown},
         }},
        {"RollPitchGauge 1 at load, set elsewhere",
         &RollPitchIndicatorGauge,
         {
             {Step::kSetElsewhere, 1.0, 1.0, 0, kRollFaceShown},
             {Step::kCallback, 0, 1.0, 0, kRollFaceShown},
             {Step::kClick, 0, 0.0, 1, kRollFaceShown},
             {Step::kCallback, 0, 0.0, 0, kRollFaceShown},
             {Step::kClick, 0, 1.0, 1, kRollFaceShown},
             {Step::kCallback, 0, 1.0, 0, kPitchFaceShown},
         }},
        {"two clicks before the callback",
         &RollPitchIndicatorGauge,
         {
             {Step::kClick, 0, 1.0, 1, kRollFaceShown},
             {Step::kClick, 0, 0.0, 1, kRollFaceShown},
             {Step::kCallback, 0, 0.0, 0, kRollFaceShown},
         }},
        {"RollPitchGauge 0.6 counts as 0",
         &RollPitchIndicatorGauge,
         {
             {Step::kSetElsewhere, 0.6, 0.6, 0, kRollFaceShown},
             {Step::kClick, 0, 1.0, 1, kRollFaceShown},
             {Step::kCallback, 0, 1.0, 0, kPitchFaceShown},
         }},
        {"RollPitchGauge 2.0 set elsewhere while pending",
         &RollPitchIndicatorGauge,
         {
             {Step::kClick, 0, 1.0, 1, kRollFaceShown},
             {Step::kSetElsewhere, 2.0, 2.0, 1, kRollFaceShown},
             {Step::kCallback, 0, 2.0, 0, kPitchFaceShown},
             {Step::kClick, 0, 0.0, 1, kPitchFaceShown},
             {Step::kCallback, 0, 0.0, 0, kRollFaceShown},
         }},
        {"odd values: -1 names the pitch face, NaN the roll face",
         &RollPitchIndicatorGauge,
         {
             {Step::kClick, 0, 1.0, 1, kRollFaceShown},
             {Step::kSetElsewhere, -1.0, -1.0, 1, kRollFaceShown},
             {Step::kCallback, 0, -1.0, 0, kPitchFaceShown},
             {Step::kClick, 0, 0.0, 1, kPitchFaceShown},
             {Step::kSetElsewhere, kNaN, kNaN, 1, kPitchFaceShown},
             {Step::kCallback, 0, kNaN, 0, kRollFaceShown},
         }},
        {"a click on RollVCIndicator flips RollPitchIndicator",
         &RollVCIndicatorGauge,
         {
             {Step::kClick, 0, 1.0, 1, kRollFaceShown},
             {Step::kCallback, 0, 1.0, 0, kPitchFaceShown},
         }},
        {"a click on PitchVCIndicator flips RollPitchIndicator",
         &PitchVCIndicatorGauge,
         {
             {Step::kClick, 0, 1.0, 1, kRollFaceShown},
             {Step::kCallback, 0, 1.0, 0, kPitchFaceShown},
             {Step::kClick, 0, 0.0, 1, kPitchFaceShown},
             {Step::kCallback, 0, 0.0, 0, kRollFaceShown},
         }},
    };
    for (const Sequence& seq : sequences) {
        SCOPED_TRACE(seq.label);
        gModuleState = ModuleState{};
        panel.SetNamed("RollPitchGauge", 0.0);
        TearDown();  // the flags as at load
        int n = 0;
        for (const Step& s : seq.steps) {
            SCOPED_TRACE(n++);
            switch (s.action) {
                case Step::kSetElsewhere:
                    panel.SetNamed("RollPitchGauge", s.value);
                    break;
                case Step::kClick:
                    EXPECT_EQ(Click(*seq.clicked), 1);
                    break;
                case Step::kCallback:
                    GaugeCallback();
                    break;
            }
            const double rpg = panel.Named("RollPitchGauge");
            EXPECT_TRUE(rpg == s.rpg || (std::isnan(rpg) && std::isnan(s.rpg))) << rpg;
            EXPECT_EQ(gModuleState.FacePending, s.pending);
            EXPECT_EQ(RollPitchFlags(), s.flags);
        }
        // The virtual-cockpit gauges keep their faces whatever happens.
        EXPECT_EQ(RootOf(RollVCIndicatorGauge)->image_flags, 0x1u);
        EXPECT_EQ(ChildOf(RollVCIndicatorGauge, 0)->image_flags, 0x83u);
        EXPECT_EQ(RootOf(PitchVCIndicatorGauge)->image_flags, 0x1u);
        EXPECT_EQ(ChildOf(PitchVCIndicatorGauge, 0)->image_flags, 0x3u);
    }
}

// Only the hidden bits change, and the pitch branch also clears the roll
// pointer's top bit; every other bit stays as it was.
TEST_F(AttitudeTest, FlipChangesOnlyTheNamedBits) {
    const FLAGS32 kOther = 0x00F00100u;
    auto e               = RollPitchElements();
    for (PELEMENT_HEADER x : e) x->image_flags |= kOther;
    e[3]->image_flags |= IMAGE_HIDDEN_TREE;

    Click(RollPitchIndicatorGauge);
    Click(RollPitchIndicatorGauge);
    GaugeCallback();  // roll face: the top bit stays
    EXPECT_EQ(RollPitchFlags(), (Flags4{0x40F00103u, 0x40F00103u, 0x00F00103u, 0x80F00183u}));

    Click(RollPitchIndicatorGauge);
    GaugeCallback();  // pitch face: the top bit goes
    EXPECT_EQ(RollPitchFlags(), (Flags4{0x00F00103u, 0x00F00103u, 0x40F00103u, 0x40F00183u}));

    Click(RollPitchIndicatorGauge);
    GaugeCallback();
    EXPECT_EQ(RollPitchFlags(), (Flags4{0x40F00103u, 0x40F00103u, 0x00F00103u, 0x00F00183u}));
}

// The callback does the same work for every service code and extra value,
// and reads RollPitchGauge even when nothing is pending.
TEST_F(AttitudeTest, GaugeCallbackIgnoresTheServiceCode) {
    GaugeCallback(PANEL_SERVICE_PRE_KILL);
    EXPECT_EQ(panel.Calls(),
              (std::vector<std::string>{"check_named_variable RollPitchGauge = 0",
                                        "get_named_variable_value RollPitchGauge = 0"}));
    const SINT32 services[] = {PANEL_SERVICE_PRE_QUERY,
                               PANEL_SERVICE_POST_INSTALL,
                               PANEL_SERVICE_PRE_DRAW,
                               PANEL_SERVICE_POST_KILL,
                               -1,
                               99};
    for (SINT32 service : services) {
        SCOPED_TRACE(service);
        Click(RollPitchIndicatorGauge);
        const Flags4 expected =
            panel.Named("RollPitchGauge") != 0 ? kPitchFaceShown : kRollFaceShown;
        RollPitchIndicatorGauge.gauge_callback(&RollPitchIndicatorGauge, service, 0xFFFFFFFFu);
        EXPECT_EQ(RollPitchFlags(), expected);
        EXPECT_EQ(gModuleState.FacePending, 0);
    }
}

TEST_F(AttitudeTest, ClickLooksUpReadsAndWritesRollPitchGauge) {
    panel.SetNamed("RollPitchGauge", 0.0);
    panel.ClearCalls();
    EXPECT_EQ(Click(PitchVCIndicatorGauge), 1);
    EXPECT_EQ(Click(PitchVCIndicatorGauge), 1);
    EXPECT_EQ(panel.Calls(),
              (std::vector<std::string>{"check_named_variable RollPitchGauge = 0",
                                        "get_named_variable_value RollPitchGauge = 0",
                                        "set_named_variable_value RollPitchGauge 1",
                                        "check_named_variable RollPitchGauge = 0",
                                        "get_named_variable_value RollPitchGauge = 1",
                                        "set_named_variable_value RollPitchGauge 0"}));
}

}  // namespace
}  // namespace drennomar
