// drennomar-panel: loads the gauge module and runs panel scripts on it.
//
//   drennomar-panel [--module FILE] [--panel default|FILE]
//                   [--out DIR [--animate-every N] [--no-progress]] [SCRIPT...]
//
// Scripts run in turn on one panel; no script, or `-`, reads standard
// input. Without --module the program loads the Drennomar.gau that sits
// beside it. --panel places a whole panel (the built-in one, or a panel
// configuration file) before the scripts run. --out (where the renderer
// and libwebp are built in) draws: `capture` lines write a PNG of every
// window into DIR, and the frames feed DIR/drive.webp. Exit status: 0 when every
// script ran, 2 when the module could not be taken on, the command line
// was wrong, the panel configuration was bad, or a script line was bad
// (after the lines before it ran).
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "host/default_panel.h"
#include "host/loader.h"
#include "host/panel_config.h"
#include "host/panel_verbs.h"
#include "host/script.h"
#if defined(DRENNOMAR_HAVE_PICTURES)
#include "host/drawing/drawing_verbs.h"
#include "host/drawing/module_bitmaps.h"
#include "host/pictures/drive_pictures.h"
#include "host/pictures/window_scenes.h"
#endif
#if DRENNOMAR_HAS_BITMAP_EXPORT
#include "host/bitmap_export.h"
#endif

namespace {

constexpr int kExitBad = 2;

void WriteLine(std::FILE* stream, std::string_view line) {
    std::fwrite(line.data(), 1, line.size(), stream);
    std::fputc('\n', stream);
}

void Usage(std::FILE* stream) {
    WriteLine(stream, "usage: drennomar-panel [--module FILE] [--panel default|FILE]");
    WriteLine(stream,
              "                       [--out DIR [--animate-every N] [--no-progress]] [SCRIPT...]");
    WriteLine(stream, "Runs panel scripts (no SCRIPT or '-': standard input) on the gauge module,");
    WriteLine(stream, "by default the Drennomar.gau beside this program. --panel places the");
    WriteLine(stream, "built-in panel or a panel configuration (panel.cfg) first. --out DIR");
    WriteLine(stream, "writes a PNG of every window at each capture line and DIR/drive.webp,");
    WriteLine(stream, "an animation frame every N frames (default 36; 0: none).");
}

/// The frames the scripts ask for, for the progress line.
[[maybe_unused]] std::uint64_t FramesOf(const std::vector<std::string>& scripts) {
    std::uint64_t total = 0;
    for (const std::string& path : scripts) {
        if (path == "-") continue;
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        total += drennomar::host::ScriptFrameCount(text.str());
    }
    return total;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace drennomar::host;
    const auto started = std::chrono::steady_clock::now();
    std::string module_path;
    std::string panel_config;
    std::string out_dir;
    long long animate_every = 36;
    bool progress           = true;
    std::vector<std::string> scripts;
    bool options_done = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        // An option's value follows it ("--panel FILE") or is joined to it
        // ("--panel=FILE"); a missing value is an error naming what it needs.
        std::string value;
        bool value_missing = false;
        auto takes         = [&](std::string_view option) {
            if (options_done) return false;
            if (arg == option) {
                if (i + 1 < argc)
                    value = argv[++i];
                else
                    value_missing = true;
                return true;
            }
            if (arg.size() > option.size() && arg.compare(0, option.size(), option) == 0 &&
                arg[option.size()] == '=') {
                value = arg.substr(option.size() + 1);
                return true;
            }
            return false;
        };
        auto missing = [&](const char* what) {
            WriteLine(stderr, "drennomar-panel: " + std::string(what));
            return kExitBad;
        };
        if (!options_done && arg == "--") {
            options_done = true;
        } else if (!options_done && (arg == "--help" || arg == "-h")) {
            Usage(stdout);
            return 0;
        } else if (takes("--module")) {
            if (value_missing) return missing("--module needs a file");
            module_path = value;
        } else if (takes("--panel")) {
            if (value_missing) return missing("--panel needs default or a file");
            panel_config = value;
        } else if (takes("--out")) {
            if (value_missing) return missing("--out needs a folder");
            out_dir = value;
        } else if (takes("--animate-every")) {
            if (value_missing || !ParseInteger(value, &animate_every) || animate_every < 0 ||
                animate_every > 1000000)
                return missing("--animate-every needs a frame count, 0 to 1000000");
        } else if (!options_done && arg == "--no-progress") {
            progress = false;
        } else if (!options_done && arg.size() > 1 && arg[0] == '-' && arg != "-") {
            WriteLine(stderr, "drennomar-panel: unknown option " + arg);
            Usage(stderr);
            return kExitBad;
        } else {
            scripts.push_back(arg);
        }
    }
    if (module_path.empty()) module_path = ProgramFolder() + "Drennomar.gau";
    if (scripts.empty()) scripts.push_back("-");

    PanelHost panel;
    std::string error;
    if (!panel.LoadModule(module_path, &error)) {
        WriteLine(stderr, "drennomar-panel: " + module_path + ": " + error);
        return kExitBad;
    }

    auto out = [](std::string_view line) { WriteLine(stdout, line); };
    auto err = [](std::string_view line) {
        std::fflush(stdout);  // what ran before the error shows before it
        WriteLine(stderr, line);
    };
    ScriptInterpreter interpreter(panel, out, err);
    AddAllVerbs(interpreter);
#if defined(DRENNOMAR_HAVE_PICTURES)
    std::shared_ptr<BitmapSource> bitmaps = OpenModuleBitmaps(module_path);
    AddDrawingVerbs(interpreter, bitmaps, ChooseWindow);
    std::unique_ptr<RendererPainter> painter;
    std::unique_ptr<DrivePictures> pictures;
    if (!out_dir.empty()) {
        DrivePicturesOptions options;
        options.out_dir       = out_dir;
        options.animate_every = static_cast<std::uint64_t>(animate_every);
        options.progress      = progress;
        options.start         = started;
        options.total_frames  = FramesOf(scripts);
        painter               = std::make_unique<RendererPainter>(bitmaps);
        pictures              = std::make_unique<DrivePictures>(*painter, options);
        AddPanelFileVerbs(interpreter, pictures.get());
    }
#else
    (void)started;
    (void)progress;
    if (!out_dir.empty()) {
        WriteLine(stderr,
                  "drennomar-panel: --out: this build draws no pictures (no Cairo or libwebp)");
        return kExitBad;
    }
#endif
#if DRENNOMAR_HAS_BITMAP_EXPORT
    AddBitmapVerbs(interpreter);  // bitmap, snapshot: pictures of the module as PNG
#endif

    bool ok = true;
    if (!panel_config.empty()) {
        ConfigReport report;
        PanelConfig config = panel_config == "default" ? DefaultPanelConfig()
                                                       : ReadPanelConfig(panel_config, &report);
        if (report.Ok()) PlacePanelConfig(panel, config, &report);
        for (const std::string& line : report.warnings) err(line);
        for (const std::string& line : report.errors) err(line);
        ok = report.Ok();
    }
    for (const std::string& script : scripts) {
        if (!ok) break;
        if (!interpreter.RunFile(script)) {
            ok = false;
            break;
        }
    }
#if defined(DRENNOMAR_HAVE_PICTURES)
    if (pictures != nullptr) {
        panel.SetFrameHooks(nullptr, nullptr);
        std::string why;
        if (!pictures->Finish(&why)) {
            err("drennomar-panel: pictures: " + why);
            ok = false;
        }
        std::fflush(stdout);
        for (const std::string& path : pictures->Written()) WriteLine(stderr, "wrote " + path);
        if (pictures->SecondsToFirstPicture() >= 0) {
            WriteLine(stderr,
                      Format("time to first picture: %.2f s", pictures->SecondsToFirstPicture()));
        }
        double total =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        WriteLine(stderr, Format("drawing and writing done in %.1f s", total));
    }
#endif
    panel.UnloadModule();
    std::fflush(stdout);
    return ok ? 0 : kExitBad;
}
