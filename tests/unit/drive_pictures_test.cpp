// The drive's pictures on the default panel: a capture writes one PNG per
// window at the window's size, showing the panel as it stands at that
// moment; the animation takes a frame at the first panel frame and every
// N-th after, with the windows side by side; `render` finds a window by its
// index, title or section.
#include <gtest/gtest.h>

#if defined(DRENNOMAR_TEST_PICTURES)

#include <cairo.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "host/default_panel.h"
#include "host/panel_config.h"
#include "host/panel_verbs.h"
#include "host/pictures/drive_pictures.h"
#include "host/pictures/window_scenes.h"
#include "host/script.h"
#include "panel/module_imports.h"
#include "tests/support/synthetic_bitmaps.h"

namespace drennomar::host {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t Le24(const std::vector<std::uint8_t>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16);
}

std::uint32_t Le32(const std::vector<std::uint8_t>& b, size_t at) {
    return Le24(b, at) | (std::uint32_t{b[at + 3]} << 24);
}

/// What a WebP file's chunks say: the canvas and the animation frames'
/// durations, in the order they show.
struct WebpSummary {
    std::uint32_t width  = 0;
    std::uint32_t height = 0;
    std::vector<std::uint32_t> durations_ms;
};

WebpSummary ReadWebp(const std::vector<std::uint8_t>& b) {
    WebpSummary s;
    if (b.size() < 30 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 12) != "WEBP") {
        return s;
    }
    for (size_t at = 12; at + 8 <= b.size();) {
        std::string tag(b.begin() + static_cast<std::ptrdiff_t>(at),
                        b.begin() + static_cast<std::ptrdiff_t>(at) + 4);
        std::uint32_t size = Le32(b, at + 4);
        size_t payload     = at + 8;
        if (tag == "VP8X" && payload + 10 <= b.size()) {
            s.width  = Le24(b, payload + 4) + 1;
            s.height = Le24(b, payload + 7) + 1;
        } else if (tag == "ANMF" && payload + 15 <= b.size()) {
            s.durations_ms.push_back(Le24(b, payload + 12));
        }
        at = payload + size + (size & 1);
    }
    return s;
}

std::uint32_t PixelOf(cairo_surface_t* s, int x, int y) {
    const auto* row = cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
    return reinterpret_cast<const std::uint32_t*>(row)[x] & 0xFFFFFFu;
}

class DrivePicturesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(panel.AttachModule(&Linkage, ImportTable, "Drennomar", &error)) << error;
        ConfigReport report;
        ASSERT_TRUE(PlacePanelConfig(panel, DefaultPanelConfig(), &report));
        dir = fs::temp_directory_path() /
              ("drennomar-pictures-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    /// Runs `script` with pictures into `dir`, an animation frame every
    /// `every` panel frames; returns what the pictures side wrote.
    std::vector<std::string> Run(const std::string& script, std::uint64_t every) {
        RendererPainter painter(
            std::make_shared<MemoryBitmapSource>(testing::SyntheticModuleBitmaps()));
        DrivePicturesOptions options;
        options.out_dir       = dir.string();
        options.animate_every = every;
        options.progress      = false;
        DrivePictures pictures(painter, options);
        std::string errors;
        ScriptInterpreter interpreter(
            panel, [](std::string_view) {},
            [&errors](std::string_view line) { errors += std::string(line) + "\n"; });
        AddAllVerbs(interpreter);
        AddPanelFileVerbs(interpreter, &pictures);
        std::istringstream in(script);
        EXPECT_TRUE(interpreter.RunStream(in, "pictures.panel")) << errors;
        panel.SetFrameHooks(nullptr, nullptr);
        std::string why;
        EXPECT_TRUE(pictures.Finish(&why)) << why;
        return pictures.Written();
    }

    PanelHost panel;
    fs::path dir;
};

TEST_F(DrivePicturesTest, CapturesEveryWindowAsItStandsThen) {
    auto written =
        Run("run 2\n"
            "capture calm\n"
            "named WarningFlag 1\n"
            "run 1\n"
            "capture alarm\n",
            0);
    const std::vector<std::string> expected = {
        (dir / "calm-2d.png").string(), (dir / "calm-vc.png").string(),
        (dir / "alarm-2d.png").string(), (dir / "alarm-vc.png").string()};
    EXPECT_EQ(written, expected);  // no animation asked for

    struct Size {
        const char* file;
        int width;
        int height;
    };
    for (const Size& s : {Size{"calm-2d.png", 500, 600}, Size{"calm-vc.png", 640, 600}}) {
        cairo_surface_t* png = cairo_image_surface_create_from_png((dir / s.file).c_str());
        ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS) << s.file;
        EXPECT_EQ(cairo_image_surface_get_width(png), s.width) << s.file;
        EXPECT_EQ(cairo_image_surface_get_height(png), s.height) << s.file;
        cairo_surface_destroy(png);
    }

    // The warning flag in its slot: down in the first capture, up in the
    // second, although the 2D window's painter kept its scene between them.
    cairo_surface_t* calm  = cairo_image_surface_create_from_png((dir / "calm-2d.png").c_str());
    cairo_surface_t* alarm = cairo_image_surface_create_from_png((dir / "alarm-2d.png").c_str());
    EXPECT_NE(PixelOf(calm, 15 + 140, 457 + 30), PixelOf(alarm, 15 + 140, 457 + 30));
    cairo_surface_destroy(calm);
    cairo_surface_destroy(alarm);
}

TEST_F(DrivePicturesTest, AnimatesTheFirstFrameAndEveryNthWithTheWindowsSideBySide) {
    // The card turns every frame, so that no two animation frames are alike
    // (the encoder folds alike frames into one, and a single frame into a
    // still picture).
    auto written = Run("ramp 0x53 70 7\nrun 7\n", 3);  // frames 1, 3 and 6
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0], (dir / "drive.webp").string());
    WebpSummary webp = ReadWebp(FileBytes(dir / "drive.webp"));
    EXPECT_EQ(webp.width, 500u + 8u + 640u);
    EXPECT_EQ(webp.height, 600u);
    EXPECT_EQ(webp.durations_ms, (std::vector<std::uint32_t>{60, 60, 60}));
}

TEST_F(DrivePicturesTest, RenderFindsAWindowByIndexTitleOrSection) {
    EXPECT_EQ(FindWindow(panel, "1"), 1);
    EXPECT_EQ(FindWindow(panel, "main panel"), 0);
    EXPECT_EQ(FindWindow(panel, "VCOCKPIT01"), 1);
    EXPECT_EQ(FindWindow(panel, "2"), -1);
    EXPECT_EQ(FindWindow(panel, "-1"), -1);
    EXPECT_EQ(FindWindow(panel, "Window07"), -1);

    MemoryBitmapSource bitmaps = testing::SyntheticModuleBitmaps();
    SurfaceCache surfaces(bitmaps);
    PanelRenderer renderer(surfaces);
    Scene scene;
    std::string error;
    ASSERT_TRUE(ChooseWindow(panel, renderer, "", &scene, &error)) << error;
    EXPECT_EQ(scene.width, 500);  // the first window
    EXPECT_EQ(scene.placements.size(), 10u);
    ASSERT_TRUE(ChooseWindow(panel, renderer, "Vcockpit01", &scene, &error)) << error;
    EXPECT_EQ(scene.width, 640);
    EXPECT_EQ(scene.placements.size(), 5u);
    EXPECT_FALSE(ChooseWindow(panel, renderer, "Cockpit", &scene, &error));
    EXPECT_EQ(error, "no window Cockpit (window list shows them)");
}

}  // namespace
}  // namespace drennomar::host

#endif  // DRENNOMAR_TEST_PICTURES
