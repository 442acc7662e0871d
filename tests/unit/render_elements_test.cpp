// The renderer drawing what element definitions say, pixel by pixel, on the
// host test module's Dial gauge with flat stand-in pictures: a needle
// turned by its value, a slider moved by value x scale, an icon's images,
// text in its box, and a placement scaled to its placed width.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "host/drawing/renderer.h"
#include "host/panel_host.h"
#include "tests/fixtures/host_fixture.h"
#include "tests/support/synthetic_bitmaps.h"

namespace drennomar::host {
namespace {

using testing::ChannelDistance;
using testing::FlatBitmap;
using testing::PixelAt;

constexpr std::uint32_t kFace = 0x406080;  // Dial root 0x100, 100 x 100
constexpr std::uint32_t kBar  = 0xF0F020;  // needle 0x110: a bar from the pivot to the right
constexpr std::uint32_t kPointerColour = 0x20C040;                        // slider 0x140, 4 x 4
const std::uint32_t kIcons[3]          = {0xC02020, 0x2020C0, 0xC020C0};  // icon 0x130..0x132
constexpr std::uint32_t kCanvas        = 0x000000;

enum DialElement { kRoot, kCard, kPointer, kReadout, kSlider, kIcon, kLabel };

class RenderDial : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(panel.AttachModule(&FixtureLinkage, FixtureImportTable, "Fixture", &error))
            << error;
        bitmaps.Add(0x100, FlatBitmap(100, 100, kFace));
        // Needle 0x110, pivot (5, 5): only the bar right of the pivot is not see-through.
        bitmaps.Add(0x110, FlatBitmap(11, 11, kBar, [](int x, int y) { return y != 5 || x < 5; }));
        bitmaps.Add(0x120, FlatBitmap(5, 5, 0, [](int, int) { return true; }));
        for (int i = 0; i < 3; ++i) bitmaps.Add(0x130 + i, FlatBitmap(6, 6, kIcons[i]));
        bitmaps.Add(0x140, FlatBitmap(4, 4, kPointerColour));
    }

    GaugeInstance& PlaceDial(PIXPOINT at = {0, 0}, SINT32 width = 0) {
        return panel.Place(*panel.FindGauge("Dial"), at, width);
    }

    /// Draws the dial placements on a 200 x 200 canvas, as the next frame
    /// of the same scene when they are the same.
    cairo_surface_t* Draw() {
        if (!renderer.CurrentScene().placements.empty()) return renderer.DrawFrame();
        Scene scene;
        scene.width = scene.height = 200;
        scene.background           = kCanvas;
        for (const auto& p : panel.Instances()) scene.placements.push_back(p.get());
        renderer.SetScene(scene);
        return renderer.DrawFrame();
    }

    PanelHost panel;
    MemoryBitmapSource bitmaps;
    SurfaceCache surfaces{bitmaps};
    PanelRenderer renderer{surfaces};
};

TEST_F(RenderDial, NeedleAtMinus90IsAQuarterTurnCounterClockwise) {
    GaugeInstance& dial = PlaceDial();
    panel.SetToken(0x53, -90.0);
    panel.Update(dial);
    ASSERT_EQ(dial.elements[kCard].needle_deg, -90.0);
    cairo_surface_t* canvas = Draw();
    // The bar, drawn pointing right from the pivot at (50, 50), now points up.
    for (int y = 45; y < 50; ++y) EXPECT_EQ(PixelAt(canvas, 50, y), kBar) << "y " << y;
    EXPECT_EQ(PixelAt(canvas, 55, 50), kFace);
    EXPECT_EQ(PixelAt(canvas, 50, 55), kFace);

    panel.SetToken(0x53, 0.0);
    for (int i = 0; i < 9; ++i) panel.Update(dial);  // the needle turns 10 degrees per update
    canvas = Draw();
    for (int x = 51; x < 56; ++x) EXPECT_EQ(PixelAt(canvas, x, 50), kBar) << "x " << x;
    EXPECT_EQ(PixelAt(canvas, 50, 45), kFace);
}

TEST_F(RenderDial, SliderStandsValueTimesScaleFromItsPosition) {
    GaugeInstance& dial = PlaceDial();
    struct Case {
        double value;
        int top;  // y of the image's top row: 90 + value x -70
    } cases[] = {{0.0, 90}, {1.0, 20}, {0.5, 55}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        panel.SetToken(0x130, c.value);
        panel.Update(dial);
        cairo_surface_t* canvas = Draw();
        // x: the callback's 2 times scale 3 = 6 right of 80.
        EXPECT_EQ(PixelAt(canvas, 86, c.top), kPointerColour);
        EXPECT_EQ(PixelAt(canvas, 89, c.top + 3), kPointerColour);
        EXPECT_NE(PixelAt(canvas, 86, c.top - 1), kPointerColour);
        EXPECT_NE(PixelAt(canvas, 90, c.top), kPointerColour);
    }
}

TEST_F(RenderDial, IconShowsTheImageItsValueSelects) {
    GaugeInstance& dial = PlaceDial();
    // Whole values pick the image; others are cut toward zero and held to the images there are.
    struct Case {
        double value;
        int image;
    } cases[] = {{0.0, 0}, {1.0, 1}, {2.0, 2}, {1.7, 1}, {7.0, 2}, {-1.0, 0}, {NAN, 0}};
    panel.SetToken(0x130, 0.0);  // the slider carrying the icon stays at (86, 90)
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        panel.SetNamed("IconSel", c.value);
        panel.Update(dial);
        cairo_surface_t* canvas = Draw();
        // The icon is at (3, 4) of the gauge.
        EXPECT_EQ(PixelAt(canvas, 3, 4), kIcons[c.image]);
        EXPECT_EQ(PixelAt(canvas, 8, 9), kIcons[c.image]);
    }
}

TEST_F(RenderDial, TextSitsCentredInItsBoxInItsColour) {
    // The read-out's box is (20, 70) 40 x 12 at the default width; a
    // placement twice as wide has it twice as large, and the fitted font
    // with it.
    struct Case {
        int scale;
        PIXPOINT at;
    } cases[] = {{1, {0, 0}}, {2, {100, 100}}};
    for (const Case& c : cases) PlaceDial(c.at, 100 * c.scale);
    panel.SetToken(0x53, 12.5);
    panel.UpdateAll();
    ASSERT_STREQ(panel.Instances()[0]->elements[kReadout].text.get(), "012.5");
    Scene scene;
    scene.width = scene.height = 300;
    for (const auto& p : panel.Instances()) scene.placements.push_back(p.get());
    renderer.SetScene(scene);
    cairo_surface_t* canvas = renderer.DrawFrame();

    constexpr std::uint32_t kText = 0x787878;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scale);
        const int s  = c.scale;
        const int bx = c.at.x + 20 * s, by = c.at.y + 70 * s, bw = 40 * s, bh = 12 * s;
        // Ink: pixels that differ from the face. All of it lies in the box,
        // centred in it, each pixel a blend of the face and the text colour
        // by how much of it the glyphs cover.
        int x0 = 1000, y0 = 1000, x1 = -1, y1 = -1;
        int nearest_to_text = 255;
        for (int y = by - 10; y < by + bh + 10; ++y) {
            for (int x = bx - 10; x < bx + bw + 10; ++x) {
                std::uint32_t p = PixelAt(canvas, x, y);
                if (p == kFace) continue;
                EXPECT_TRUE(x >= bx && x < bx + bw && y >= by && y < by + bh) << x << "," << y;
                for (int shift = 0; shift < 24; shift += 8) {
                    int v = (p >> shift) & 0xFF, a = (kFace >> shift) & 0xFF,
                        b = (kText >> shift) & 0xFF;
                    EXPECT_TRUE(v >= std::min(a, b) - 1 && v <= std::max(a, b) + 1)
                        << x << "," << y;
                }
                x0 = std::min(x0, x), y0 = std::min(y0, y);
                x1 = std::max(x1, x), y1 = std::max(y1, y);
                nearest_to_text = std::min(nearest_to_text, ChannelDistance(p, kText));
            }
        }
        ASSERT_GE(x1, 0) << "no text drawn";
        EXPECT_LT(nearest_to_text, ChannelDistance(kFace, kText) / 3);
        EXPECT_NEAR((x0 + x1 + 1) / 2.0, bx + bw / 2.0, 2.0 * s);
        EXPECT_NEAR((y0 + y1 + 1) / 2.0, by + bh / 2.0, 2.0 * s);
        EXPECT_GE(y1 - y0 + 1, bh / 2) << "the digits should fill half the box's height or more";
    }
}

TEST_F(RenderDial, PlacementIsScaledFromItsDefaultWidth) {
    GaugeInstance& dial = PlaceDial({10, 10}, 200);  // twice the default width of 100
    panel.SetToken(0x130, 0.0);
    panel.Update(dial);
    EXPECT_EQ(renderer.PlacementRect(dial), (PixelRect{10, 10, 210, 210}));
    Scene scene;
    scene.width = scene.height = 220;
    scene.placements           = {&dial};
    renderer.SetScene(scene);
    cairo_surface_t* canvas = renderer.DrawFrame();
    EXPECT_EQ(PixelAt(canvas, 5, 5), kCanvas);
    EXPECT_EQ(PixelAt(canvas, 200, 15), kFace);
    // The slider at gauge (86, 90) lands at 10 + 2 x (86, 90), 8 pixels a side.
    EXPECT_EQ(PixelAt(canvas, 10 + 172 + 4, 10 + 180 + 4), kPointerColour);
}

TEST_F(RenderDial, FrameDrawnPieceByPieceEqualsOneDrawnWhole) {
    // Frame by frame the needles are turned by the renderer's own sampler
    // and only what changed is redrawn; from scratch everything is Cairo's.
    // Three placements, one at the default width, one enlarged, one
    // shrunk, with the needles filtered bilinearly and then nearest.
    PlaceDial({0, 0});
    PlaceDial({105, 5}, 137);
    PlaceDial({10, 150}, 80);
    Scene scene;
    scene.width = scene.height = 250;
    scene.background           = 0x303030;
    for (const auto& p : panel.Instances()) scene.placements.push_back(p.get());

    // Filtered, the two agree within a few levels everywhere. Nearest, a
    // pixel whose centre falls within a rounding error of a picture
    // pixel's edge may take the neighbour's colour on one side only.
    struct Case {
        const char* label;
        FLAGS32 needle_flags;
        int pixels_flipped_at_most;
    } cases[] = {
        {"bilinear", IMAGE_USE_TRANSPARENCY | IMAGE_USE_ERASE | IMAGE_BILINEAR_COLOR, 0},
        {"nearest", IMAGE_USE_TRANSPARENCY | IMAGE_USE_ERASE, 3},
    };
    const GaugeDef& def    = *panel.FindGauge("Dial");
    ElementHeader* card    = def.elements[kCard].element;
    ElementHeader* pointer = def.elements[kPointer].element;
    const FLAGS32 saved    = card->image_flags;
    cairo_surface_t* naive = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 250, 250);
    cairo_t* cr            = cairo_create(naive);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        card->image_flags = pointer->image_flags = c.needle_flags;
        renderer.SetScene(scene);
        for (int frame = 0; frame < 40; ++frame) {
            panel.SetToken(0x53, frame * 37.3 - 500.0);
            panel.SetToken(0x130, (frame % 7) / 7.0);
            panel.SetNamed("IconSel", frame % 3);
            panel.SetNamed("DialValue", (frame * 1.7) - 3.0);
            panel.UpdateAll();
            cairo_surface_t* canvas = renderer.DrawFrame();
            if (frame > 0) {
                EXPECT_FALSE(renderer.Stats().whole) << "frame " << frame;
            }
            renderer.DrawNaive(cr);
            cairo_surface_flush(naive);
            int flipped = 0;
            for (int y = 0; y < 250; ++y) {
                for (int x = 0; x < 250; ++x) {
                    if (ChannelDistance(PixelAt(canvas, x, y), PixelAt(naive, x, y)) > 4) {
                        ++flipped;
                    }
                }
            }
            EXPECT_LE(flipped, c.pixels_flipped_at_most) << "frame " << frame;
        }
    }
    card->image_flags = pointer->image_flags = saved;
    cairo_destroy(cr);
    cairo_surface_destroy(naive);
}

}  // namespace
}  // namespace drennomar::host
