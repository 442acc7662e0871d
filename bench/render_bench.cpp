// The cost of drawing the default panel's 2D window frame after frame.
//
//   drennomar_bench_render [--frames N] [--png FILE]
//
// Places the built-in default panel (`panel default`) with the module
// linked in and its own bitmaps (from the Drennomar.gau beside this program;
// flat stand-ins if that cannot be read), draws its 2D window, and gives
// every moving element a new value each frame: the card turns, the
// read-outs count, the speed needle and the monitor pointers move, the
// switches and the warning flag flip, the roll pointer swings. Each frame is
// drawn twice on two canvases:
//   changes  the renderer's frames: the pre-composed base restored where
//            something changed and the moving elements drawn again there;
//   naive    everything repainted from scratch with Cairo (the same
//            converted bitmaps and cached glyphs, no base, no rectangles).
// Prints per-frame medians (and 90th percentiles), frames per second and the
// ratio naive / changes. --png writes the last frame.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "host/default_panel.h"
#include "host/drawing/module_bitmaps.h"
#include "host/drawing/renderer.h"
#include "host/loader.h"
#include "host/panel_host.h"
#include "host/pictures/window_scenes.h"
#include "panel/module_imports.h"
#include "tests/support/console_panel.h"
#include "tests/support/synthetic_bitmaps.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace drennomar;
using namespace drennomar::host;

double Microseconds(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

double Percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1))];
}

/// The module's bitmaps, or flat stand-ins when its library file cannot be read.
std::shared_ptr<BitmapSource> Bitmaps(bool* real) {
    std::shared_ptr<BitmapSource> source = OpenModuleBitmaps(ProgramFolder() + "Drennomar.gau");
    std::string error;
    *real = source->Load(kBmpConsole2D, &error).has_value();
    if (*real) return source;
    std::fprintf(stderr, "render_bench: %s; drawing flat stand-in pictures\n", error.c_str());
    return std::make_shared<MemoryBitmapSource>(testing::SyntheticModuleBitmaps());
}

}  // namespace

int main(int argc, char** argv) {
    int frames = 3000;
    std::string png;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--frames") == 0 && i + 1 < argc) {
            frames = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--png") == 0 && i + 1 < argc) {
            png = argv[++i];
        } else {
            std::fprintf(stderr, "usage: drennomar_bench_render [--frames N] [--png FILE]\n");
            return 2;
        }
    }

    Clock::time_point start              = Clock::now();
    bool real_art                        = false;
    std::shared_ptr<BitmapSource> source = Bitmaps(&real_art);
    SurfaceCache surfaces(*source);
    PanelRenderer renderer(surfaces);
    PanelHost panel;
    std::string error;
    if (!panel.AttachModule(&Linkage, ImportTable, "Drennomar", &error)) {
        std::fprintf(stderr, "render_bench: %s\n", error.c_str());
        return 1;
    }
    ConfigReport report;
    if (!PlacePanelConfig(panel, DefaultPanelConfig(), &report)) {
        for (const std::string& line : report.errors) std::fprintf(stderr, "%s\n", line.c_str());
        return 1;
    }
    // The first window is the 2D panel.
    const Scene scene = WindowScene(panel, 0, renderer);
    renderer.SetScene(scene);
    testing::SetConsoleFrame(panel, 0);
    panel.RunFrames(1);
    renderer.DrawFrame();
    double first_picture_ms = Microseconds(Clock::now() - start) / 1000.0;

    cairo_surface_t* naive =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, scene.width, scene.height);
    cairo_t* naive_cr = cairo_create(naive);
    // Warm up: glyphs drawn, static pictures that pointers pass under moved
    // out of the base.
    for (int f = 1; f <= 200; ++f) {
        testing::SetConsoleFrame(panel, f);
        panel.RunFrames(1);
        renderer.DrawFrame();
        renderer.DrawNaive(naive_cr);
    }

    std::vector<double> changes_us, naive_us, update_us;
    long long pixels = 0;
    int whole        = 0;
    for (int f = 0; f < frames; ++f) {
        testing::SetConsoleFrame(panel, 201 + f);
        Clock::time_point t0 = Clock::now();
        panel.RunFrames(1);
        Clock::time_point t1 = Clock::now();
        renderer.DrawFrame();
        Clock::time_point t2 = Clock::now();
        renderer.DrawNaive(naive_cr);
        cairo_surface_flush(naive);
        Clock::time_point t3 = Clock::now();
        update_us.push_back(Microseconds(t1 - t0));
        changes_us.push_back(Microseconds(t2 - t1));
        naive_us.push_back(Microseconds(t3 - t2));
        pixels += renderer.Stats().pixels;
        whole += renderer.Stats().whole ? 1 : 0;
    }

    double changes = Percentile(changes_us, 0.5), naive_median = Percentile(naive_us, 0.5);
    std::printf("default panel, 2D window, %d x %d, %zu placements, %d frames, %s pictures\n",
                scene.width, scene.height, scene.placements.size(), frames,
                real_art ? "the module's" : "stand-in");
    std::printf("  update (all placements)  median %8.1f us\n", Percentile(update_us, 0.5));
    std::printf("  draw, changes only       median %8.1f us  p90 %8.1f us  %7.0f frames/s\n",
                changes, Percentile(changes_us, 0.9), 1e6 / changes);
    std::printf("  draw, naive (from scratch) median %6.1f us  p90 %8.1f us  %7.0f frames/s\n",
                naive_median, Percentile(naive_us, 0.9), 1e6 / naive_median);
    std::printf("  ratio naive / changes    %.2f\n", naive_median / changes);
    std::printf("  pixels redrawn per frame %.0f of %d; whole frames %d\n",
                static_cast<double>(pixels) / frames, scene.width * scene.height, whole);
    std::printf("  first picture (bitmaps read and converted, base composed) %.1f ms\n",
                first_picture_ms);

    if (!png.empty() && !WritePng(renderer.DrawFrame(), png, &error)) {
        std::fprintf(stderr, "render_bench: %s: %s\n", png.c_str(), error.c_str());
    }
    cairo_destroy(naive_cr);
    cairo_surface_destroy(naive);
    panel.UnloadModule();
    return 0;
}
