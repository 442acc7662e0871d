// The panel host driving the host test module (tests/fixtures) in-process:
// taking a module on and refusing malformed ones, the lifecycle routines,
// element updates and their rules, failures, placements, mouse and the
// named-variable services.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "host/element_rules.h"
#include "host/loader.h"
#include "host/panel_host.h"
#include "panel/module_imports.h"
#include "tests/fixtures/host_fixture.h"

namespace drennomar::host {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Element indices of the fixture's Dial gauge.
enum DialElement { kRoot, kCard, kPointer, kReadout, kSlider, kIcon, kLabel, kDialElementCount };

class HostPanel : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(panel.AttachModule(&FixtureLinkage, FixtureImportTable, "Fixture", &error))
            << error;
        panel.SetTrace([this](std::string_view line) { trace.emplace_back(line); });
    }

    const GaugeDef& Dial() { return *panel.FindGauge("Dial"); }
    GaugeInstance& PlaceDial() { return panel.Place(Dial(), {0, 0}); }
    bool Traced(const std::string& line) const {
        return std::find(trace.begin(), trace.end(), line) != trace.end();
    }

    std::vector<std::string> trace;  // outlives the panel, which traces its unload
    PanelHost panel;
};

TEST_F(HostPanel, TakesTheModuleOnAndGivesItBack) {
    ASSERT_EQ(panel.Gauges().size(), 2u);
    EXPECT_EQ(panel.Gauges()[0].name, "Dial");
    EXPECT_EQ(panel.Gauges()[1].name, "Plain");
    EXPECT_EQ(PanelHost::Current(), &panel);
    EXPECT_NE(FixtureImportTable[0].ptr, nullptr);
    EXPECT_EQ(FixtureImportTable[1].ptr, nullptr);  // the end entry is left alone

    // Drawing order: parent before children, children in list order.
    const std::vector<int> parents = {-1, 0, 0, 0, 0, 4, 0};
    ASSERT_EQ(Dial().elements.size(), parents.size());
    for (size_t i = 0; i < parents.size(); ++i) EXPECT_EQ(Dial().elements[i].parent, parents[i]);
    EXPECT_EQ(Dial().elements[kIcon].element->resource_id, 0x130);

    panel.UnloadModule();
    EXPECT_EQ(FixtureImportTable[0].ptr, nullptr);
    EXPECT_EQ(PanelHost::Current(), nullptr);
    EXPECT_TRUE(panel.Gauges().empty());
}

TEST_F(HostPanel, CallsTheStandardRoutinesWhereAPanelWould) {
    PlaceDial();
    panel.Place(*panel.FindGauge("Plain"), {5, 5});
    EXPECT_EQ(trace, (std::vector<std::string>{
                         "element_list_query Dial:0",
                         "element_list_install Dial:0 resources",
                         "element_list_initialize Dial:0",
                         "element_list_query Dial:0",
                         "element_list_install Dial:0 resources",
                         "element_list_initialize Dial:0",
                     }));
    trace.clear();
    panel.Draw(*panel.Instances()[1], 0xDEADBEEF);
    EXPECT_EQ(trace, (std::vector<std::string>{"element_list_generate Dial:0 3735928559",
                                               "element_list_plot Dial:0"}));
    trace.clear();
    panel.UnloadModule();
    EXPECT_EQ(trace,
              (std::vector<std::string>{"element_list_kill Dial:0", "element_list_kill Dial:0"}));
}

TEST_F(HostPanel, UpdateCallsTheGaugeCallbackThenTheRoutineThenTheElements) {
    PlaceDial();
    trace.clear();
    panel.Update(*panel.Instances()[0]);
    ASSERT_GE(trace.size(), 8u);
    EXPECT_EQ(trace[5], "set_named_variable_value DialCode 6");  // PANEL_SERVICE_PRE_UPDATE
    EXPECT_EQ(trace[6], "element_list_update Dial:0");
    EXPECT_EQ(trace[7], "check_named_variable DialValue = 2");  // the pointer's callback
    EXPECT_EQ(panel.Named("DialCalls"), 1.0);
    panel.RunFrames(3);
    EXPECT_EQ(panel.Named("DialCalls"), 4.0);
    EXPECT_EQ(panel.Token(TICK18), 3.0);
}

TEST_F(HostPanel, ElementsShowTheirValuesByTheirKindsRules) {
    GaugeInstance& dial = PlaceDial();
    panel.SetToken(0x53, 7.25);
    panel.SetToken(0x130, 0.5);
    panel.SetToken(0x2F0, 24.0);
    panel.SetNamed("DialValue", 10.0);
    panel.SetNamed("IconSel", 1.9);
    panel.Update(dial);
    const auto& e = dial.elements;
    EXPECT_EQ(e[kRoot].value, 0.0);
    EXPECT_EQ(e[kCard].value, 7.25);  // source, no callback
    EXPECT_EQ(e[kCard].needle_deg, 7.25);
    EXPECT_EQ(e[kPointer].value, 10.0);               // callback
    EXPECT_DOUBLE_EQ(e[kPointer].needle_deg, 270.0);  // toward (50,10), unwrapped from 180
    EXPECT_STREQ(e[kReadout].text.get(), "007.2");
    EXPECT_EQ(e[kReadout].value, 7.25);
    EXPECT_EQ(e[kSlider].value_x, 2.0);
    EXPECT_EQ(e[kSlider].value, 0.5);
    EXPECT_EQ(e[kSlider].offset_x, 6.0);
    EXPECT_EQ(e[kSlider].offset_y, -35.0);
    EXPECT_EQ(e[kIcon].icon_index, 1);
    EXPECT_STREQ(e[kLabel].text.get(), "");  // no callback: the text stays empty
    EXPECT_EQ(e[kLabel].value, 24.0);        // its first source
    // The buffer is the character count and the zero, and is lent only for the call.
    EXPECT_EQ(e[kReadout].text_size, 6u);
    EXPECT_EQ(e[kLabel].text_size, 4u);
    EXPECT_EQ(reinterpret_cast<StringElement*>(Dial().elements[kReadout].element)->string, nullptr);
}

TEST_F(HostPanel, NeedleTurnsAtMostItsRatePerUpdateTheShorterWay) {
    GaugeInstance& dial = PlaceDial();
    panel.SetToken(0x53, 350.0);
    panel.Update(dial);  // the first update puts the needle where it belongs
    EXPECT_EQ(dial.elements[kCard].needle_deg, 350.0);
    panel.SetToken(0x53, 25.0);  // 35 degrees on, across north
    std::vector<double> angles;
    for (int i = 0; i < 4; ++i) {
        panel.Update(dial);
        angles.push_back(dial.elements[kCard].needle_deg);
    }
    EXPECT_EQ(angles, (std::vector<double>{360.0, 370.0, 380.0, 25.0}));
}

TEST_F(HostPanel, FailureRecordsFreezeOrZeroAndKeepTheCallbackOut) {
    GaugeInstance& dial = PlaceDial();
    panel.SetToken(0x53, 12.0);
    panel.SetNamed("DialValue", 20.0);
    panel.Update(dial);
    ASSERT_STREQ(dial.elements[kReadout].text.get(), "012.0");

    // Key 20 freezes the card, the readout and the pointer: all alike.
    panel.SetFailure(20, true);
    panel.SetToken(0x53, 15.0);
    panel.SetNamed("DialValue", 5.0);
    trace.clear();
    panel.Update(dial);
    EXPECT_FALSE(Traced("get_named_variable_value DialValue = 5"));
    EXPECT_EQ(dial.elements[kCard].value, 12.0);
    EXPECT_EQ(dial.elements[kCard].needle_deg, 12.0);
    EXPECT_STREQ(dial.elements[kReadout].text.get(), "012.0");
    EXPECT_EQ(dial.elements[kPointer].value, 20.0);

    // Key 10 comes first in the pointer's list: it shows 0 while both are active.
    panel.SetFailure(10, true);
    panel.Update(dial);
    EXPECT_EQ(dial.elements[kPointer].value, 0.0);
    EXPECT_DOUBLE_EQ(dial.elements[kPointer].needle_deg, 180.0);
    EXPECT_EQ(dial.elements[kCard].value, 12.0);

    panel.SetFailure(10, false);
    panel.SetFailure(20, false);
    panel.Update(dial);
    EXPECT_EQ(dial.elements[kCard].value, 15.0);
    EXPECT_STREQ(dial.elements[kReadout].text.get(), "015.0");
    EXPECT_EQ(dial.elements[kPointer].value, 5.0);
}

TEST_F(HostPanel, AFreezeBeforeTheFirstUpdateShowsZero) {
    panel.SetFailure(20, true);
    GaugeInstance& dial = PlaceDial();
    panel.SetToken(0x53, 12.0);
    panel.Update(dial);
    EXPECT_EQ(dial.elements[kCard].value, 0.0);
    EXPECT_STREQ(dial.elements[kReadout].text.get(), "");
}

TEST_F(HostPanel, PlacementsShareTheModuleButKeepTheirOwnElements) {
    GaugeInstance& first  = PlaceDial();
    GaugeInstance& second = panel.Place(Dial(), {100, 0}, 200);
    EXPECT_EQ(second.ordinal, 2);
    EXPECT_EQ(second.width, 200);
    EXPECT_EQ(first.width, 100);  // the default width
    EXPECT_EQ(panel.FindInstance(Dial(), 2), &second);
    EXPECT_NE(first.elements[kReadout].text.get(), second.elements[kReadout].text.get());

    panel.SetToken(0x53, 3.0);
    panel.Update(second);
    EXPECT_STREQ(second.elements[kReadout].text.get(), "003.0");
    EXPECT_STREQ(first.elements[kReadout].text.get(), "");
    // One module: both placements' callbacks count into one named variable.
    panel.Update(first);
    EXPECT_EQ(panel.Named("DialCalls"), 2.0);
}

TEST_F(HostPanel, MouseFindsTheInnermostTooltipAndTheFirstLeftClickEntry) {
    struct Case {
        const char* label;
        PIXPOINT at;
        const char* tooltip;
        std::optional<BOOL32> click;
    } cases[] = {
        {"inner area", {10, 10}, "Upper left", 7},
        {"inner area, last pixel", {49, 49}, "Upper left", 7},
        {"outer area only", {50, 10}, "Whole dial", std::nullopt},
        {"entry without a left click", {60, 60}, "Whole dial", std::nullopt},
        {"outside every box", {100, 100}, nullptr, std::nullopt},
        {"negative point", {-1, 5}, nullptr, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const char* tip = panel.Tooltip(Dial(), c.at);
        if (c.tooltip == nullptr) {
            EXPECT_EQ(tip, nullptr);
        } else {
            EXPECT_STREQ(tip, c.tooltip);
        }
        EXPECT_EQ(panel.Click(Dial(), c.at), c.click);
    }
    EXPECT_EQ(panel.Named("Clicks"), 2.0);
    EXPECT_EQ(panel.Tooltip(*panel.FindGauge("Plain"), {1, 1}), nullptr);
    EXPECT_EQ(panel.Click(*panel.FindGauge("Plain"), {1, 1}), std::nullopt);
}

TEST_F(HostPanel, NamedVariablesAreCreatedAtFirstLookupAndNeverLoseAWrite) {
    PanelServices* services = static_cast<PanelServices*>(FixtureImportTable[0].ptr);
    NAMED_VAR_ID id         = services->check_named_variable("Fresh");
    EXPECT_EQ(services->get_named_variable_value(id), 0.0);
    services->set_named_variable_value(id, 4.5);
    EXPECT_EQ(panel.Named("Fresh"), 4.5);
    EXPECT_EQ(services->check_named_variable("Fresh"), id);
    // Identifiers never handed out read 0 and take no write.
    services->set_named_variable_value(9999, 1.0);
    services->set_named_variable_value(-1, 1.0);
    EXPECT_EQ(services->get_named_variable_value(9999), 0.0);
    EXPECT_EQ(services->get_named_variable_value(-1), 0.0);
    EXPECT_TRUE(Traced("set_named_variable_value #9999 1"));

    MODULE_VAR var{0x2F0, -1.0};
    panel.SetToken(0x2F0, 24.0);
    services->lookup_var(&var);
    EXPECT_EQ(var.var_value, 24.0);
    EXPECT_TRUE(Traced("lookup_var 0x2F0 = 24"));
    var.id = 0x12345;  // never set: 0
    services->lookup_var(&var);
    EXPECT_EQ(var.var_value, 0.0);
    panel.SetToken(0x12345, -3.0);  // past the flat table
    services->lookup_var(&var);
    EXPECT_EQ(var.var_value, -3.0);
}

// The panel remembers names by the address of their text; a caller that asks
// for another name from the same buffer still gets that other name.
TEST_F(HostPanel, ANameIsItsTextNotTheAddressItCameFrom) {
    PanelServices* services = static_cast<PanelServices*>(FixtureImportTable[0].ptr);
    char buffer[16]         = "BattSw";
    NAMED_VAR_ID batt       = services->check_named_variable(buffer);
    EXPECT_EQ(services->check_named_variable(buffer), batt);
    std::snprintf(buffer, sizeof buffer, "%s", "ResetSw");
    NAMED_VAR_ID reset = services->check_named_variable(buffer);
    EXPECT_NE(reset, batt);
    EXPECT_EQ(reset, services->check_named_variable("ResetSw"));
    EXPECT_EQ(batt, services->check_named_variable("BattSw"));
}

// A cleared panel is a fresh one for the same module: no placements, every
// token and named variable back to 0, and names remembered by address
// forgotten with their identifiers.
TEST_F(HostPanel, ClearPanelKeepsTheModuleAndForgetsTheRest) {
    PanelServices* services   = static_cast<PanelServices*>(FixtureImportTable[0].ptr);
    static const char kLate[] = "Late";
    services->check_named_variable("Early");
    const NAMED_VAR_ID late = services->check_named_variable(kLate);
    services->set_named_variable_value(late, 2.0);
    panel.SetToken(0x2F0, 24.0);
    panel.SetToken(0x12345, -3.0);
    panel.SetFailure(7, true);
    PlaceDial();

    panel.ClearPanel();
    EXPECT_TRUE(panel.HasModule());
    EXPECT_TRUE(panel.Instances().empty());
    EXPECT_EQ(panel.Token(0x2F0), 0.0);
    EXPECT_EQ(panel.Token(0x12345), 0.0);
    EXPECT_FALSE(panel.FailureActive(7));
    // "Late" had identifier 1; it is now the first name, and reads 0.
    const NAMED_VAR_ID again = services->check_named_variable(kLate);
    EXPECT_EQ(again, 0);
    EXPECT_EQ(services->get_named_variable_value(again), 0.0);
    EXPECT_EQ(PlaceDial().ordinal, 1);
}

TEST_F(HostPanel, ASecondPanelCannotTakeAModuleWhileOneServes) {
    PanelHost other;
    std::string error;
    EXPECT_FALSE(other.AttachModule(&Linkage, ImportTable, "Drennomar", &error));
    EXPECT_NE(error.find("another panel"), std::string::npos);
}

// The real module, linked in, through the same host.
TEST(HostModule, DrivesTheLinkedModuleThroughItsTables) {
    PanelHost panel;
    std::string error;
    ASSERT_TRUE(panel.AttachModule(&Linkage, ImportTable, "Drennomar", &error)) << error;
    EXPECT_EQ(panel.Gauges().size(), 13u);
    EXPECT_EQ(ImportTable[0].ptr != nullptr, true);
    std::vector<std::string> trace;
    panel.SetTrace([&](std::string_view line) { trace.emplace_back(line); });
    panel.Place(*panel.FindGauge("SliderGauges"), {0, 0});
    panel.Place(*panel.FindGauge("HeadingCompass"), {0, 0});
    trace.clear();
    panel.Update(*panel.Instances()[1]);
    ASSERT_FALSE(trace.empty());
    EXPECT_EQ(trace[0], "element_list_update SliderGauges:0");
    panel.UnloadModule();
    EXPECT_EQ(ImportTable[0].ptr, nullptr);
}

TEST(HostModule, LoadsLibrariesAndNamesWhatIsWrongWithBadOnes) {
    const std::string bin = ProgramFolder();
    {
        PanelHost panel;
        std::string error;
        ASSERT_TRUE(panel.LoadModule(bin + "HostFixture.gau", &error)) << error;
        EXPECT_EQ(panel.ModuleName(), "HostFixture");
        EXPECT_NE(panel.FindGauge("Dial"), nullptr);
        GaugeInstance& dial = panel.Place(*panel.FindGauge("Dial"), {0, 0});
        panel.SetToken(0x53, 1.5);
        panel.Update(dial);
        EXPECT_STREQ(dial.elements[kReadout].text.get(), "001.5");
    }
    struct Case {
        const char* file;
        const char* error;
    } cases[] = {
        {"FixtureUnended.gau", "the gauge table has no null end within 32 entries"},
        {"FixtureNoLinkage.gau", "does not export Linkage"},
        {"NoSuchModule.gau", "cannot load"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        PanelHost panel;
        std::string error;
        EXPECT_FALSE(panel.LoadModule(bin + c.file, &error));
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
        EXPECT_FALSE(panel.HasModule());
    }
}

// Hand-made broken modules: each list of a definition must end in bounds.
TEST(HostModule, RefusesMalformedDefinitions) {
    static StaticImageElement root{};
    static PELEMENT_HEADER loop[] = {&root.header, nullptr};  // the root is its own child
    static PELEMENT_HEADER list[] = {&root.header};
    static MouseRect unended_mouse[kMaxMouseEntries];
    static FailureRecord unended_failures[kMaxFailureRecords];
    static GAUGEHDR gauge{};
    static ModuleLinkage linkage{};
    static ImportEntry imports[2]     = {{kImportPanelServices, nullptr}, {0, nullptr}};
    static ImportEntry no_services[2] = {{0x1, nullptr}, {0, nullptr}};
    for (auto& r : unended_mouse) r = MOUSE_BEGIN();
    for (auto& f : unended_failures) f = {20, FAIL_ACTION_FREEZE, nullptr};

    auto reset = [] {
        root                   = StaticImageElement{};
        gauge                  = GAUGEHDR{};
        gauge.gauge_name       = "Broken";
        gauge.elements_list    = list;
        linkage                = ModuleLinkage{};
        linkage.gauge_table[0] = &gauge;
    };
    struct Case {
        const char* label;
        void (*spoil)();
        ImportEntry* imports;
        const char* error;
    } cases[] = {
        {"sound", [] {}, imports, ""},
        {"cycle", [] { root.header.next_element = loop; }, imports, "appears twice"},
        {"kind", [] { root.header.element_type = ElementKind(9); }, imports,
         "unknown element kind"},
        {"mouse", [] { gauge.mouse_rect = unended_mouse; }, imports, "mouse table has no end"},
        {"failures", [] { root.header.failure_systems = unended_failures; }, imports,
         "failure list has no end"},
        {"no name", [] { gauge.gauge_name = nullptr; }, imports, "has no name"},
        {"no list", [] { gauge.elements_list = nullptr; }, imports, "has no element list"},
        {"no services entry", [] {}, no_services, "no panel-services entry"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        reset();
        c.spoil();
        PanelHost panel;
        std::string error;
        bool ok = panel.AttachModule(&linkage, c.imports, "Broken", &error);
        EXPECT_EQ(ok, *c.error == '\0') << error;
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
    }
}

TEST(ElementRules, NonlinearityInterpolatesDirectionsAndHoldsBeyondTheEnds) {
    const Nonlinearity table[] = {
        {{10, 50}, 0.0, 0.0},   // 180: left of the pivot
        {{50, 10}, 10.0, 0.0},  // 270: above
        {{90, 50}, 20.0, 0.0},  // 360: right
    };
    const PIXPOINT pivot{50, 50};
    struct Case {
        const char* label;
        double value;
        double angle;
    } cases[] = {
        {"first entry", 0.0, 180.0}, {"below the first", -5.0, 180.0},
        {"NaN", kNaN, 180.0},        {"-inf", -kInf, 180.0},
        {"between", 5.0, 225.0},     {"second", 10.0, 270.0},
        {"between 2", 15.0, 315.0},  {"last", 20.0, 360.0},
        {"beyond", 1e9, 360.0},      {"+inf", kInf, 360.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_DOUBLE_EQ(NonlinearityAngle(table, 3, pivot, c.value), c.angle);
    }
    EXPECT_DOUBLE_EQ(NonlinearityAngle(table, 1, pivot, 99.0), 180.0);
}

TEST(ElementRules, TurnNeedleAndIconIndex) {
    struct Turn {
        const char* label;
        double current, target, rate, result;
    } turns[] = {
        {"within reach", 10.0, 15.0, 6.0, 15.0},        {"limited", 10.0, 40.0, 6.0, 16.0},
        {"limited backward", 10.0, -40.0, 6.0, 4.0},    {"across north", 350.0, 10.0, 6.0, 356.0},
        {"reached across north", 358.0, 1.0, 6.0, 1.0}, {"no limit", 0.0, 170.0, 0.0, 170.0},
        {"NaN limit", 0.0, 170.0, kNaN, 170.0},         {"NaN target stays", 33.0, kNaN, 6.0, 33.0},
        {"inf target stays", 33.0, kInf, 6.0, 33.0},
    };
    for (const Turn& t : turns) {
        SCOPED_TRACE(t.label);
        EXPECT_DOUBLE_EQ(TurnNeedle(t.current, t.target, t.rate), t.result);
    }
    struct Icon {
        double value;
        SINT32 count;
        int index;
    } icons[] = {{0.0, 2, 0},  {1.0, 2, 1},  {1.9, 3, 1},   {2.0, 3, 2}, {5.0, 3, 2}, {-1.0, 2, 0},
                 {kNaN, 2, 0}, {kInf, 2, 1}, {-kInf, 2, 0}, {1.0, 1, 0}, {1.0, 0, 0}, {0.99, 2, 0}};
    for (const Icon& i : icons) {
        SCOPED_TRACE(i.value);
        EXPECT_EQ(IconImageIndex(i.value, i.count), i.index);
    }
}

}  // namespace
}  // namespace drennomar::host
