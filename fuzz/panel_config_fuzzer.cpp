// The panel-configuration reader under any text: whatever the file holds,
// reading it must not crash, every message must carry `fuzz.cfg:LINE:`, and
// what it accepts must keep to the bounds a panel can mean. An accepted
// configuration is then placed on a panel with the module taken on.
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/module_at_load.h"
#include "host/panel_config.h"
#include "panel/module_imports.h"

namespace {

using drennomar::host::ConfigReport;
using drennomar::host::PanelConfig;
using drennomar::host::PanelHost;

constexpr char kFile[] = "fuzz.cfg";

[[noreturn]] void Broken(const char* what, std::string_view detail) {
    std::fprintf(stderr, "panel configuration promise broken: %s (%.*s)\n", what,
                 static_cast<int>(detail.size()), detail.data());
    std::abort();
}

// "fuzz.cfg:N: ..." with N from 0 (the file as a whole) to the last line.
void CheckMessage(const std::string& message, long long line_count) {
    const std::string prefix = std::string(kFile) + ":";
    if (message.compare(0, prefix.size(), prefix) != 0)
        Broken("a message without its FILE", message);
    size_t at   = prefix.size();
    long long n = 0;
    bool digits = false;
    while (at < message.size() && message[at] >= '0' && message[at] <= '9' && n <= line_count) {
        n      = n * 10 + (message[at] - '0');
        digits = true;
        ++at;
    }
    if (!digits || n > line_count || message.compare(at, 2, ": ") != 0) {
        Broken("a message without its LINE", message);
    }
}

void CheckInRange(const char* what, long long v, long long low, long long high) {
    if (v < low || v > high) Broken(what, std::to_string(v));
}

void CheckAccepted(const PanelConfig& config) {
    for (const auto& w : config.windows) {
        CheckInRange("window size", w.size_x, 0, 32767);
        CheckInRange("window size", w.size_y, 0, 32767);
        CheckInRange("pixel size", w.pixel_x, 0, 32767);
        CheckInRange("pixel size", w.pixel_y, 0, 32767);
        CheckInRange("position", w.position, -1, 8);
        CheckInRange("visible", w.visible, 0, 1);
        for (double f : {w.window_size[0], w.window_size[1], w.window_pos[0], w.window_pos[1]}) {
            if (!(f >= 0.0 && f <= 1.0)) Broken("a window fraction", std::to_string(f));
        }
        int last = -1;
        for (const auto& g : w.gauges) {
            if (g.number < last) Broken("gauges out of number order", g.name);
            last = g.number;
            CheckInRange("gauge x", g.x, -32767, 32767);
            CheckInRange("gauge y", g.y, -32767, 32767);
            CheckInRange("gauge width", g.width, 0, 32767);
            CheckInRange("gauge height", g.height, 0, 32767);
        }
    }
}

struct Harness {
    PanelHost panel;
    Harness() {
        std::string error;
        if (!panel.AttachModule(&Linkage, ImportTable, "Drennomar", &error)) {
            Broken("the host refuses the module", error);
        }
        drennomar::fuzz::NoteLoadFlags(panel);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    static Harness& h = *new Harness;  // never destroyed: the module stays taken on
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    long long line_count = 1;
    for (char c : text) line_count += c == '\n' ? 1 : 0;

    ConfigReport report;
    const PanelConfig config = drennomar::host::ParsePanelConfig(text, kFile, &report);
    for (const auto& m : report.errors) CheckMessage(m, line_count);
    for (const auto& m : report.warnings) CheckMessage(m, line_count);
    if (!report.Ok()) return 0;
    CheckAccepted(config);

    h.panel.ClearPanel();
    drennomar::fuzz::BackToLoad();
    ConfigReport placing;
    drennomar::host::PlacePanelConfig(h.panel, config, &placing);
    for (const auto& m : placing.errors) CheckMessage(m, line_count);
    h.panel.UpdateAll();
    h.panel.ClearPanel();
    return 0;
}
