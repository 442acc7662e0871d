// Panel configurations: what users' files may look like and still read,
// what is a warning and what an error (each at its FILE:LINE), placing a
// configuration on a panel with the real module, and the built-in default
// panel against examples/panel.cfg.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "host/default_panel.h"
#include "host/panel_config.h"
#include "panel/module_imports.h"
#include "resources/console_layout.h"

namespace drennomar::host {
namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& l : lines) all += l + "\n";
    return all;
}

TEST(PanelConfig, ReadsAUsersFileWithItsLiberties) {
    const char* text =
        "\xEF\xBB\xBF// a user's panel\n"
        "[window titles]\n"
        "  window00 =  Main Panel  \n"
        "; an ini comment\n"
        "[WINDOW00]\n"
        "SIZE_MM = 640   // one value: the height follows the gauges\n"
        "file=panel.bmp\n"
        "Position=7\n"
        "visible = 0\n"
        "ident = 10000\n"
        "window_size= 1.0 , 0.5\n"
        "window_pos=0,0.5\n"
        "nomenu=1\n"
        "gauge07 = Drennomar ! Speed , 235 , 58\n"
        "gauge02=drennomar!heading compass,30,60,340\n"
        "gauge10=Drennomar!SliderGauges, -5, 275, 273, 120\n"
        "\n"
        "[VCockpit01]\n"
        "size_mm=1024\n"
        "pixel_size=512\n"
        "texture=$vc\n"
        "background_color = 10, 20, 30\n"
        "gauge00=Drennomar!BackgroundVC,0,0\n"
        "[Views]\n"
        "anything=goes\n";
    ConfigReport report;
    PanelConfig config = ParsePanelConfig(text, "user.cfg", &report);
    EXPECT_TRUE(report.Ok()) << Joined(report.errors);
    EXPECT_TRUE(report.warnings.empty()) << Joined(report.warnings);
    ASSERT_EQ(config.windows.size(), 2u);

    const ConfigWindow& w = config.windows[0];
    EXPECT_EQ(w.kind, WindowKind::kPanel2D);
    EXPECT_EQ(w.title, "Main Panel");
    EXPECT_EQ(w.size_x, 640);
    EXPECT_EQ(w.size_y, 0);
    EXPECT_EQ(w.file, "panel.bmp");
    EXPECT_EQ(w.position, 7);
    EXPECT_EQ(w.visible, 0);
    EXPECT_EQ(w.ident, "10000");
    EXPECT_DOUBLE_EQ(w.window_size[1], 0.5);
    EXPECT_DOUBLE_EQ(w.window_pos[1], 0.5);
    // Sorted by number, gaps and all.
    ASSERT_EQ(w.gauges.size(), 3u);
    EXPECT_EQ(w.gauges[0].number, 2);
    EXPECT_EQ(w.gauges[0].name, "heading compass");
    EXPECT_EQ(w.gauges[0].width, 340);
    EXPECT_EQ(w.gauges[1].module, "Drennomar");
    EXPECT_EQ(w.gauges[1].name, "Speed");
    EXPECT_EQ(w.gauges[1].line, 14);
    EXPECT_EQ(w.gauges[2].x, -5);
    EXPECT_EQ(w.gauges[2].height, 120);

    const ConfigWindow& vc = config.windows[1];
    EXPECT_EQ(vc.kind, WindowKind::kVirtualCockpit);
    EXPECT_EQ(vc.pixel_x, 512);
    EXPECT_EQ(vc.texture, "$vc");
    EXPECT_TRUE(vc.has_background_colour);
    EXPECT_EQ(vc.background, (RgbColour{10, 20, 30}));

    // Placed with the real module: names matched loosely, the virtual
    // cockpit scaled from 1024 units to 512 pixels.
    PanelHost panel;
    std::string error;
    ASSERT_TRUE(panel.AttachModule(&Linkage, ImportTable, "Drennomar", &error)) << error;
    ASSERT_TRUE(PlacePanelConfig(panel, config, &report)) << Joined(report.errors);
    ASSERT_EQ(panel.Windows().size(), 2u);
    EXPECT_EQ(panel.Windows()[0].width, 640);
    EXPECT_EQ(panel.Windows()[0].height, 0);
    EXPECT_FALSE(panel.Windows()[0].visible);
    EXPECT_EQ(panel.Windows()[1].width, 512);
    EXPECT_EQ(panel.Windows()[1].height, 512);
    ASSERT_EQ(panel.Instances().size(), 4u);
    EXPECT_EQ(panel.Instances()[0]->def->name, "HeadingCompass");
    EXPECT_EQ(panel.Instances()[0]->width, 340);
    EXPECT_EQ(panel.Instances()[2]->width, 273);
    const GaugeInstance& vc_background = *panel.Instances()[3];
    EXPECT_EQ(vc_background.window, 1);
    EXPECT_EQ(vc_background.width, 250);  // 500 units at half scale
}

TEST(PanelConfig, WarnsOfWhatItDoesNotUseAtItsLine) {
    const char* text =
        "stray=1\n"                      // 1
        "[Window Titles]\n"              // 2
        "Window00=Main\n"                // 3
        "Window05=Nowhere\n"             // 4
        "Colour=red\n"                   // 5
        "[Window00]\n"                   // 6
        "size_mm=500,600\n"              // 7
        "glow=1\n"                       // 8
        "size_mm=400,600\n"              // 9
        "gauge01=Drennomar!Speed,1,2\n"  // 10
        "gauge01=Drennomar!Speed,3,4\n"  // 11
        "[Mystery]\n"                    // 12
        "a=b\n"                          // 13
        "[Window01]\n"                   // 14
        "[Vcockpit02]\n";                // 15
    ConfigReport report;
    PanelConfig config = ParsePanelConfig(text, "w.cfg", &report);
    EXPECT_TRUE(report.Ok()) << Joined(report.errors);
    const std::string warnings = Joined(report.warnings);
    for (const char* expected : {
             "w.cfg:1: warning: lines before the first section",
             "w.cfg:4: warning: title of Window05, which no section defines",
             "w.cfg:5: warning: unknown key 'Colour' in [Window Titles]",
             "w.cfg:8: warning: unknown key 'glow' in [Window00]",
             "w.cfg:9: warning: size_mm is given again (first at line 7)",
             "w.cfg:11: warning: gauge01 is given again (first at line 10)",
             "w.cfg:12: warning: unknown section [Mystery]",
             "w.cfg:14: warning: [Window01] has no size_mm",
             "w.cfg:15: warning: [Vcockpit02] has no size_mm",
         }) {
        EXPECT_NE(warnings.find(expected), std::string::npos) << expected << "\n" << warnings;
    }
    EXPECT_EQ(report.warnings.size(), 9u) << warnings;
    ASSERT_EQ(config.windows[0].gauges.size(), 1u);
    EXPECT_EQ(config.windows[0].gauges[0].x, 3);
    EXPECT_EQ(config.windows[0].size_x, 400);
}

TEST(PanelConfig, ReportsEveryMalformedLineAsAnErrorAtItsLine) {
    const std::string long_line = "gauge00=Drennomar!Speed, 1, 2 //" + std::string(4100, '-');
    struct Case {
        const char* label;
        std::string_view line;  // the third line of a [Window00] after size_mm
        const char* error;
    };
    const Case cases[] = {
        {"no module", "gauge00=Speed, 1, 2", "lacks its module"},
        {"empty module", "gauge00= !Speed, 1, 2", "expected Module!Name"},
        {"empty gauge", "gauge00=Drennomar!, 1, 2", "expected Module!Name"},
        {"no gauge at all", "gauge00=", "gauge line without a gauge"},
        {"no y", "gauge00=Drennomar!Speed, 1", "needs x and y"},
        {"too many values", "gauge00=Drennomar!Speed, 1, 2, 3, 4, 5", "has 6 values"},
        {"empty x", "gauge00=Drennomar!Speed, , 2", "x is missing"},
        {"real x", "gauge00=Drennomar!Speed, 1.5, 2", "x '1.5' is not a whole number"},
        {"word y", "gauge00=Drennomar!Speed, 1, top", "y 'top' is not a whole number"},
        {"x beyond", "gauge00=Drennomar!Speed, 40000, 2", "x 40000 is out of range"},
        {"y wraps", "gauge00=Drennomar!Speed, 1, 4294967297", "y 4294967297 is out of range"},
        {"zero width", "gauge00=Drennomar!Speed, 1, 2, 0", "width 0 is out of range"},
        {"negative height", "gauge00=Drennomar!Speed, 1, 2, 64, -50", "height -50 is out of range"},
        {"size of three", "size_mm=1,2,3", "takes a width and a height"},
        {"size zero", "size_mm=0,600", "size_mm width 0 is out of range"},
        {"size huge", "size_mm=500,99999999999999999999", "not a whole number"},
        {"colour of two", "Background_color=1,2", "takes red, green and blue"},
        {"colour beyond", "Background_color=0,256,0", "green 256 is out of range"},
        {"position beyond", "position=9", "position 9 is out of range"},
        {"visible two", "visible=2", "visible 2 is out of range"},
        {"window_size one value", "window_size=0.5", "takes two values"},
        {"window_size beyond", "window_size=0.5,1.5", "window_size 1.5 is out of range"},
        {"window_pos nan", "window_pos=nan,0", "is not a number"},
        {"no equals", "gauge00 Drennomar!Speed 1 2", "expected key=value"},
        {"no key", "=5", "a value without a key"},
        {"empty file", "file=", "names no picture"},
        {"NUL byte", std::string_view("size\0=1", 7), "NUL byte"},
        {"line too long", long_line, "line longer than 4096 characters"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        std::string text = "[Window00]\nsize_mm=500,600\n";
        text += std::string(c.line);
        text += "\n";
        ConfigReport report;
        ParsePanelConfig(text, "bad.cfg", &report);
        ASSERT_EQ(report.errors.size(), 1u) << Joined(report.errors);
        EXPECT_EQ(report.errors[0].rfind("bad.cfg:3: ", 0), 0u) << report.errors[0];
        EXPECT_NE(report.errors[0].find(c.error), std::string::npos) << report.errors[0];
    }

    ConfigReport report;
    ParsePanelConfig("[Window00\n[Window01]\n[window01]\n", "s.cfg", &report);
    ASSERT_EQ(report.errors.size(), 2u) << Joined(report.errors);
    EXPECT_NE(report.errors[0].find("s.cfg:1: section header '[Window00' lacks its ']'"),
              std::string::npos);
    EXPECT_NE(report.errors[1].find("s.cfg:3: section [window01] appears again (first at line 2)"),
              std::string::npos);
}

TEST(PanelConfig, RefusesUnknownModulesGaugesAndUnreadableFiles) {
    PanelHost panel;
    std::string error;
    ASSERT_TRUE(panel.AttachModule(&Linkage, ImportTable, "Drennomar", &error)) << error;
    ConfigReport report;
    PanelConfig config = ParsePanelConfig(
        "[Window00]\nsize_mm=500,600\n"
        "gauge00=Drennomar!Background,0,0\n"
        "gauge01=Other!Speed,0,0\n"
        "gauge02=Drennomar!Speedometer,0,0\n",
        "u.cfg", &report);
    ASSERT_TRUE(report.Ok());
    EXPECT_FALSE(PlacePanelConfig(panel, config, &report));
    ASSERT_EQ(report.errors.size(), 2u) << Joined(report.errors);
    EXPECT_EQ(report.errors[0], "u.cfg:4: unknown module 'Other' (this panel has 'Drennomar')");
    EXPECT_EQ(report.errors[1], "u.cfg:5: unknown gauge 'Drennomar!Speedometer'");
    EXPECT_TRUE(panel.Instances().empty());  // all or nothing
    EXPECT_TRUE(panel.Windows().empty());

    for (const std::string path : {"/nonexistent/panel.cfg", "/"}) {
        ConfigReport unreadable;
        ReadPanelConfig(path, &unreadable);
        ASSERT_EQ(unreadable.errors.size(), 1u) << path;
        EXPECT_EQ(unreadable.errors[0], path + ":0: cannot read the panel configuration");
    }
}

TEST(DefaultPanel, IsThePanelOfExamplesPanelCfg) {
    const auto example =
        std::filesystem::path(__FILE__).parent_path() / ".." / ".." / "examples" / "panel.cfg";
    ConfigReport report;
    PanelConfig from_file = ReadPanelConfig(example.string(), &report);
    ASSERT_TRUE(report.Ok()) << Joined(report.errors);
    EXPECT_TRUE(report.warnings.empty()) << Joined(report.warnings);
    EXPECT_EQ(PanelDifference(DefaultPanelConfig(), from_file), "");

    // And the comparison does see a difference.
    from_file.windows[0].gauges[2].x += 1;
    EXPECT_NE(PanelDifference(DefaultPanelConfig(), from_file), "");

    // Every gauge of the module is on it, and Control is on the 2D window.
    PanelHost panel;
    std::string error;
    ASSERT_TRUE(panel.AttachModule(&Linkage, ImportTable, "Drennomar", &error)) << error;
    ASSERT_TRUE(PlacePanelConfig(panel, DefaultPanelConfig(), &report)) << Joined(report.errors);
    for (const GaugeDef& g : panel.Gauges()) {
        EXPECT_GE(panel.PlacementCount(g), 1) << g.name;
    }
    EXPECT_EQ(panel.FindInstance(*panel.FindGauge("Control"), 1)->window, 0);

    // On the 2D window every instrument stands where the console is painted
    // for it; on the virtual cockpit the compass, the monitor and the roll
    // instrument stand at the same places of its console.
    struct Place {
        const char* gauge;
        int window;
        ConsolePlace at;
    };
    const Place places[] = {
        {"HeadingCompass", 0, kPlaceHeadingCompass},
        {"SliderGauges", 0, kPlaceSliderGauges},
        {"SwitchesMotorTemp", 0, kPlaceSwitchesMotorTemp},
        {"SwitchesBattery", 0, kPlaceSwitchesBattery},
        {"SwitchesReset", 0, kPlaceSwitchesReset},
        {"Speed", 0, kPlaceSpeed},
        {"RollPitchIndicator", 0, kPlaceAttitude},
        {"SwitchesWarning", 0, kPlaceSwitchesWarning},
        {"HeadingCompass", 1, kPlaceHeadingCompass},
        {"SliderGauges", 1, kPlaceSliderGauges},
        {"RollVCIndicator", 1, kPlaceAttitude},
    };
    for (const Place& p : places) {
        SCOPED_TRACE(p.gauge);
        const GaugeInstance* found = nullptr;
        for (const auto& instance : panel.Instances()) {
            if (instance->def->name == p.gauge && instance->window == p.window)
                found = instance.get();
        }
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->position.x, p.at.x);
        EXPECT_EQ(found->position.y, p.at.y);
    }
    EXPECT_EQ(panel.Windows()[0].kind, WindowKind::kPanel2D);
    EXPECT_EQ(panel.Windows()[1].kind, WindowKind::kVirtualCockpit);
}

}  // namespace
}  // namespace drennomar::host
