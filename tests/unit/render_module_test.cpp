// The renderer on the module's own gauges (flat stand-in pictures): what is
// pure black leaves what lies behind it, with no dark fringe where a turned
// needle is filtered; RollPitchIndicator's hidden root and marker are not
// drawn while its roll face is; the speed needle at 10 km/h points straight
// up; and the whole 2D console drawn frame by frame, changes only, equals
// the console drawn from scratch.
#include <gtest/gtest.h>

#include <string>

#include "host/drawing/renderer.h"
#include "host/panel_host.h"
#include "panel/module_imports.h"
#include "resources/bitmap_ids.h"
#include "state/module_state.h"
#include "tests/support/console_panel.h"
#include "tests/support/synthetic_bitmaps.h"

namespace drennomar::host {
namespace {

using testing::ChannelDistance;
using testing::PixelAt;
using testing::SyntheticColour;

constexpr std::uint32_t kCanvas = 0x102030;

class RenderModule : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(panel.AttachModule(&Linkage, ImportTable, "Drennomar", &error)) << error;
    }

    GaugeInstance& Place(const char* gauge, PIXPOINT at) {
        return panel.Place(*panel.FindGauge(gauge), at);
    }

    /// Draws every placement on a canvas of the panel's own coordinates.
    cairo_surface_t* Draw(int width = 500, int height = 600) {
        Scene scene;
        scene.width      = width;
        scene.height     = height;
        scene.background = kCanvas;
        for (const auto& p : panel.Instances()) scene.placements.push_back(p.get());
        renderer.SetScene(scene);
        return renderer.DrawFrame();
    }

    PanelHost panel;
    MemoryBitmapSource bitmaps = testing::SyntheticModuleBitmaps();
    SurfaceCache surfaces{bitmaps};
    PanelRenderer renderer{surfaces};
};

TEST_F(RenderModule, PureBlackLeavesWhatIsBehindIt) {
    Place("Background", {0, 0});
    Place("Control", {100, 100});  // an all-black picture
    GaugeInstance& speed        = Place("Speed", {200, 200});
    gModuleState.GroundSpeedMps = 7.0 / 3.6;  // between two marks: the needle is turned
    panel.UpdateAll();
    cairo_surface_t* canvas     = Draw();
    const std::uint32_t console = SyntheticColour(kBmpConsole2D);
    EXPECT_EQ(PixelAt(canvas, 1, 1), kCanvas) << "the console's black margin";
    EXPECT_EQ(PixelAt(canvas, 102, 102), console) << "the Control gauge over it";
    EXPECT_EQ(PixelAt(canvas, 232, 239), SyntheticColour(kBmpSpeedDial))
        << "the needle's pivot end";

    // Where the turned needle's edge is filtered, its colour mixes with the
    // dial's, never with black.
    const std::uint32_t dial   = SyntheticColour(kBmpSpeedDial),
                        needle = SyntheticColour(kBmpSpeedNeedle);
    PixelRect box              = renderer.PlacementRect(speed);
    for (int y = box.y0; y < box.y1; ++y) {
        for (int x = box.x0; x < box.x1; ++x) {
            std::uint32_t p = PixelAt(canvas, x, y);
            if (p == dial || p == kCanvas) continue;
            for (int shift = 0; shift < 24; shift += 8) {
                int c = (p >> shift) & 0xFF, a = (dial >> shift) & 0xFF,
                    b = (needle >> shift) & 0xFF;
                EXPECT_GE(c, std::min(a, b) - 1) << x << "," << y;
            }
        }
    }
}

TEST_F(RenderModule, SpeedNeedleAt10KmhPointsStraightUp) {
    GaugeInstance& speed        = Place("Speed", {0, 0});
    gModuleState.GroundSpeedMps = 10.0 / 3.6;
    panel.Update(speed);
    EXPECT_DOUBLE_EQ(speed.elements[1].needle_deg, -90.0);
    cairo_surface_t* canvas    = Draw(64, 50);
    const std::uint32_t needle = SyntheticColour(kBmpSpeedNeedle);
    // Pivot (32, 39); the lit part of the bar runs from 8 to 26 pixels out.
    for (int y = 39 - 26; y <= 39 - 8; ++y) EXPECT_EQ(PixelAt(canvas, 32, y), needle) << "y " << y;
    EXPECT_NE(PixelAt(canvas, 32, 39 - 7), needle);
    EXPECT_NE(PixelAt(canvas, 45, 39), needle);
}

TEST_F(RenderModule, HiddenRollPitchRootIsNotDrawnWhileTheRollFaceIs) {
    // A see-through hole in the roll face shows what lies under it.
    bitmaps.Add(kBmpRollFace,
                testing::FlatBitmap(122, 139, SyntheticColour(kBmpRollFace), [](int x, int y) {
                    return x >= 60 && x < 70 && y >= 20 && y < 30;
                }));
    GaugeInstance& gauge = Place("RollPitchIndicator", {0, 0});
    panel.Update(gauge);
    cairo_surface_t* canvas = Draw(122, 139);
    EXPECT_EQ(PixelAt(canvas, 100, 100), SyntheticColour(kBmpRollFace));
    EXPECT_EQ(PixelAt(canvas, 65, 25), kCanvas) << "the hidden pitch face would show here";
    for (int y = 0; y < 139; ++y) {
        for (int x = 0; x < 122; ++x) {
            ASSERT_NE(PixelAt(canvas, x, y), SyntheticColour(kBmpPitchMarker)) << x << "," << y;
        }
    }

    // Showing the pitch face hides the roll face and pointer instead.
    const GaugeDef& def = *panel.FindGauge("RollPitchIndicator");
    FLAGS32 saved[4];
    for (int i = 0; i < 4; ++i) saved[i] = def.elements[i].element->image_flags;
    panel.SetNamed(kNamedRollPitchGauge, 1.0);
    gModuleState.FacePending = 1;
    panel.Update(gauge);
    canvas = renderer.DrawFrame();
    EXPECT_EQ(PixelAt(canvas, 65, 25), SyntheticColour(kBmpPitchFace));
    EXPECT_EQ(PixelAt(canvas, 100, 100), SyntheticColour(kBmpPitchFace));
    EXPECT_EQ(PixelAt(canvas, 10, 10), kCanvas) << "the pitch face's black columns";
    for (int i = 0; i < 4; ++i) def.elements[i].element->image_flags = saved[i];
    gModuleState.FacePending = 0;
}

TEST_F(RenderModule, ConsoleDrawnChangesOnlyEqualsConsoleDrawnWhole) {
    testing::PlaceConsole2D(panel);
    cairo_surface_t* naive = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 500, 600);
    cairo_t* cr            = cairo_create(naive);
    Scene scene;
    scene.width = 500, scene.height = 600, scene.background = kCanvas;
    for (const auto& p : panel.Instances()) scene.placements.push_back(p.get());
    renderer.SetScene(scene);
    int whole_frames = 0;
    for (int frame = 0; frame < 30; ++frame) {
        testing::SetConsoleFrame(panel, frame);
        panel.RunFrames(1);
        cairo_surface_t* canvas = renderer.DrawFrame();
        // A static picture is taken out of the base the first time a
        // pointer passes under it; otherwise only what changed is drawn.
        if (frame > 0 && renderer.Stats().whole) ++whole_frames;
        if (frame > 0 && !renderer.Stats().whole) {
            EXPECT_LT(renderer.Stats().pixels, 500 * 600 / 2) << "frame " << frame;
        }
        renderer.DrawNaive(cr);
        cairo_surface_flush(naive);
        int worst = 0;
        for (int y = 0; y < 600; ++y) {
            for (int x = 0; x < 500; ++x) {
                worst =
                    std::max(worst, ChannelDistance(PixelAt(canvas, x, y), PixelAt(naive, x, y)));
            }
        }
        EXPECT_LE(worst, 4) << "frame " << frame;
    }
    EXPECT_LE(whole_frames, 2);
    cairo_destroy(cr);
    cairo_surface_destroy(naive);
    gModuleState.ResetSwState = 0;
}

}  // namespace
}  // namespace drennomar::host
