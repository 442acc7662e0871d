// Verbs for whole panels and the drive: panel, window, ramp, rover,
// capture, drive (see host/panel_verbs.h).
//
// The rover's motion: each frame is one 18 Hz tick, 1/18 s of simulated
// time. The ground speed (token 0x227, feet per second) carries the rover
// that far along its heading (token 0x53, degrees clockwise from north).
// Latitude (token 0x47) is metres north, 40007000 to a full circle;
// longitude (token 0x48) takes 2^48 to a full circle, and a metre east is
// the more of it the farther from the equator.
#include "host/panel_verbs.h"

#include <cmath>
#include <map>
#include <memory>
#include <sstream>

#include "host/default_panel.h"
#include "host/panel_config.h"

namespace drennomar::host {

extern const char kDefaultDriveText[];  // embedded from examples/drive.panel

namespace {

constexpr SIM_TOKEN kHeadingToken     = 0x53;
constexpr SIM_TOKEN kGroundSpeedToken = 0x227;
constexpr SIM_TOKEN kLatitudeToken    = 0x47;
constexpr SIM_TOKEN kLongitudeToken   = 0x48;

constexpr double kFrameSeconds         = 1.0 / 18.0;
constexpr double kMetresPerFoot        = 0.3048;
constexpr double kLatitudeUnitsCircle  = 40007000.0;         // metres
constexpr double kLongitudeUnitsCircle = 281474976710656.0;  // 2^48
constexpr double kEquatorMetres        = 40074858.92233651;
constexpr double kPi                   = 3.14159265358979323846;

struct Ramp {
    double target;
    std::uint64_t frames_left;
};

/// What the frame hooks work on; shared by the verbs and the hooks.
struct DriveState {
    std::map<SIM_TOKEN, Ramp> ramps;
    bool rover_moving       = false;
    PanelPictures* pictures = nullptr;

    void BeforeFrame(PanelHost& panel) {
        for (auto it = ramps.begin(); it != ramps.end();) {
            double now = panel.Token(it->first);
            Ramp& r    = it->second;
            // The remaining distance shrinks by its share of the frames
            // left, so the last frame lands on the target exactly.
            double next = r.frames_left <= 1
                              ? r.target
                              : now + (r.target - now) / static_cast<double>(r.frames_left);
            panel.SetToken(it->first, next);
            if (--r.frames_left == 0) {
                it = ramps.erase(it);
            } else {
                ++it;
            }
        }
        if (rover_moving) MoveRover(panel);
    }

    static void MoveRover(PanelHost& panel) {
        double metres  = panel.Token(kGroundSpeedToken) * kMetresPerFoot * kFrameSeconds;
        double heading = panel.Token(kHeadingToken) * kPi / 180.0;
        double north   = metres * std::cos(heading);
        double east    = metres * std::sin(heading);
        double lat     = panel.Token(kLatitudeToken);
        double lat_rad = lat / kLatitudeUnitsCircle * 2.0 * kPi;
        double metres_per_degree_east = std::cos(lat_rad) * kEquatorMetres / 360.0;
        double lon_degrees            = east / metres_per_degree_east;
        panel.SetToken(kLatitudeToken, lat + north);
        panel.SetToken(kLongitudeToken,
                       panel.Token(kLongitudeToken) + lon_degrees / 360.0 * kLongitudeUnitsCircle);
    }
};

const char* KindName(WindowKind kind) {
    static constexpr const char* kNames[] = {"2d", "vc"};
    static_assert(std::size(kNames) == static_cast<size_t>(WindowKind::Count));
    return kNames[static_cast<size_t>(kind)];
}

void ReportConfig(ScriptInterpreter& interpreter, const ConfigReport& report) {
    for (const std::string& w : report.warnings) interpreter.Err()(w);
    for (const std::string& e : report.errors) interpreter.Err()(e);
}

void PanelVerb(ScriptInterpreter& interpreter, VerbCall& call) {
    call.AtMost(1);
    std::string_view what = call.Word(0, "panel (default or a panel.cfg file)");
    ConfigReport report;
    PanelConfig config =
        what == "default" ? DefaultPanelConfig() : ReadPanelConfig(std::string(what), &report);
    if (report.Ok()) PlacePanelConfig(call.Panel(), config, &report);
    ReportConfig(interpreter, report);
    if (!report.Ok()) {
        call.Fail(Format("%.*s: %zu error%s in the panel configuration",
                         static_cast<int>(what.size()), what.data(), report.errors.size(),
                         report.errors.size() == 1 ? "" : "s"));
    }
}

void WindowVerb(VerbCall& call) {
    call.AtMost(1);
    std::string_view what = call.Word(0, "what to do (list)");
    if (what != "list") {
        call.Fail(
            Format("window takes list, not '%.*s'", static_cast<int>(what.size()), what.data()));
    }
    const auto& windows = call.Panel().Windows();
    std::vector<int> counts(windows.size(), 0);
    for (const auto& instance : call.Panel().Instances())
        ++counts[static_cast<size_t>(instance->window)];
    for (size_t i = 0; i < windows.size(); ++i) {
        const PanelWindow& w = windows[i];
        std::string line =
            Format("%zu %s \"%s\" %dx%d background %u,%u,%u", i, KindName(w.kind), w.title.c_str(),
                   w.width, w.height, w.background.r, w.background.g, w.background.b);
        if (!w.section.empty()) line += " section " + w.section;
        if (!w.ident.empty()) line += " ident " + w.ident;
        if (!w.background_file.empty()) line += " file " + w.background_file;
        if (!w.visible) line += " hidden";
        line += Format(" gauges %d", counts[i]);
        call.Print(line);
    }
}

}  // namespace

std::string_view DefaultDriveScript() { return kDefaultDriveText; }

std::uint64_t ScriptFrameCount(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::string line;
    std::uint64_t total = 0;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string verb;
        std::string arg;
        words >> verb >> arg;
        long long n = 0;
        if (verb == "run" && ParseInteger(arg, &n) && n > 0) total += static_cast<std::uint64_t>(n);
        if (verb == "drive" && arg == "default") total += ScriptFrameCount(DefaultDriveScript());
    }
    return total;
}

void AddPanelFileVerbs(ScriptInterpreter& interpreter, PanelPictures* pictures) {
    auto state              = std::make_shared<DriveState>();
    state->pictures         = pictures;
    ScriptInterpreter* self = &interpreter;

    interpreter.AddVerb("panel", [self](VerbCall& call) { PanelVerb(*self, call); });
    interpreter.AddVerb("window", &WindowVerb);

    interpreter.AddVerb("ramp", [state](VerbCall& call) {
        call.AtMost(3);
        auto token   = static_cast<SIM_TOKEN>(call.Integer(0, "token", 0, UINT32_MAX));
        double value = call.Real(1, "value");
        if (!std::isfinite(value)) call.Fail("ramp takes a finite value");
        auto frames         = call.Integer(2, "frame count", 1, INT64_MAX);
        state->ramps[token] = {value, static_cast<std::uint64_t>(frames)};
    });

    interpreter.AddVerb("rover", [state](VerbCall& call) {
        call.AtMost(1);
        state->rover_moving = call.OnOff(0, "rover motion");
    });

    interpreter.AddVerb("capture", [state](VerbCall& call) {
        call.AtMost(1);
        std::string_view label = call.Word(0, "label");
        for (char c : label) {
            bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (c >= '0' && c <= '9') || c == '-' || c == '_';
            if (!safe) call.Fail("a capture label takes letters, digits, - and _ only");
        }
        if (state->pictures != nullptr) state->pictures->Snapshot(call.Panel(), label);
    });

    interpreter.AddVerb("drive", [self](VerbCall& call) {
        call.AtMost(1);
        std::string_view what = call.Word(0, "drive (default)");
        if (what != "default") {
            call.Fail(Format("drive takes default, not '%.*s'", static_cast<int>(what.size()),
                             what.data()));
        }
        std::istringstream in{std::string(DefaultDriveScript())};
        if (!self->RunStream(in, "embedded drive")) call.Fail("the built-in drive stopped");
    });

    interpreter.Panel().SetFrameHooks([state](PanelHost& panel) { state->BeforeFrame(panel); },
                                      [state](PanelHost& panel) {
                                          if (state->pictures != nullptr) {
                                              state->pictures->AfterFrame(panel);
                                          }
                                      });
}

}  // namespace drennomar::host
