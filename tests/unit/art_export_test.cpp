// The pictures drennomar-panel writes: `bitmap` writes a bitmap of the
// loaded library as PNG, colour for colour; `snapshot` draws the placements,
// with the registered gauges landing on their console pixels; a missing
// bitmap is an error naming it.
#if DRENNOMAR_HAS_BITMAP_EXPORT

#include <cairo.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "host/bitmap_export.h"
#include "host/script.h"

namespace drennomar {
namespace {

class ArtExport : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::path(::testing::TempDir()) / "drennomar_art_export";
        std::filesystem::create_directories(dir_);
        std::string error;
        ASSERT_TRUE(panel_.LoadModule(DRENNOMAR_MODULE_FILE, &error)) << error;
        script_ = std::make_unique<host::ScriptInterpreter>(
            panel_, [this](std::string_view l) { out_.emplace_back(l); },
            [this](std::string_view l) { err_.emplace_back(l); });
        host::AddAllVerbs(*script_);
        host::AddBitmapVerbs(*script_);
    }
    bool Run(const std::string& line) { return script_->RunLine(line, "test", 1); }
    std::string Png(const char* name) const { return (dir_ / name).string(); }

    // The PNG's pixel (x, y) as 0xRRGGBB.
    static std::uint32_t PixelOf(cairo_surface_t* png, int x, int y) {
        const unsigned char* data = cairo_image_surface_get_data(png);
        const int stride          = cairo_image_surface_get_stride(png);
        return reinterpret_cast<const std::uint32_t*>(data + std::size_t(y) * stride)[x] & 0xFFFFFF;
    }
    static std::uint32_t Rgb(host::PaletteColour c) {
        return std::uint32_t(c.r) << 16 | std::uint32_t(c.g) << 8 | c.b;
    }

    std::filesystem::path dir_;
    host::PanelHost panel_;
    std::unique_ptr<host::ScriptInterpreter> script_;
    std::vector<std::string> out_, err_;
};

TEST_F(ArtExport, BitmapVerbWritesTheLibrarysBitmapColourForColour) {
    ASSERT_TRUE(Run("bitmap 0x1910 " + Png("face.png"))) << err_.front();
    EXPECT_EQ(out_, std::vector<std::string>{"bitmap 0x1910: 170 x 170, 256 colours"});
    const host::IndexedBitmap face = host::LoadBitmap(
        host::ResourceFile::FromLibraryFile(host::ModuleLibraryFile(panel_)), 0x1910);
    cairo_surface_t* png = cairo_image_surface_create_from_png(Png("face.png").c_str());
    ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
    ASSERT_EQ(cairo_image_surface_get_width(png), 170);
    ASSERT_EQ(cairo_image_surface_get_height(png), 170);
    int differ = 0;
    for (int y = 0; y < 170; ++y) {
        for (int x = 0; x < 170; ++x) differ += PixelOf(png, x, y) != Rgb(face.ColourAt(x, y));
    }
    EXPECT_EQ(differ, 0);
    cairo_surface_destroy(png);
}

TEST_F(ArtExport, MissingBitmapIsAnErrorNamingIt) {
    EXPECT_FALSE(Run("bitmap 0x1234 " + Png("none.png")));
    ASSERT_EQ(err_.size(), 1u);
    EXPECT_EQ(err_[0], "test:1: bitmap 0x1234: not among the library's resources");
    EXPECT_FALSE(std::filesystem::exists(Png("none.png")));
}

TEST_F(ArtExport, SnapshotDrawsRegisteredGaugesOnTheirConsolePixels) {
    for (const char* line : {"place Background 0 0", "place SliderGauges 149 275",
                             "place SwitchesMotorTemp 272 286"}) {
        ASSERT_TRUE(Run(line)) << line;
    }
    ASSERT_TRUE(Run("update"));
    ASSERT_TRUE(Run("snapshot " + Png("panel.png")));
    const host::IndexedBitmap console = host::LoadBitmap(
        host::ResourceFile::FromLibraryFile(host::ModuleLibraryFile(panel_)), 0x1800);
    cairo_surface_t* png = cairo_image_surface_create_from_png(Png("panel.png").c_str());
    ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
    // Inside the meter windows, away from the pointers, and over the motor
    // selector, the snapshot is the console itself.
    int differ = 0;
    for (int y = 290; y < 380; ++y) {
        for (int x : {170, 175, 230, 290, 300, 340, 395}) {
            differ += PixelOf(png, x, y) != Rgb(console.ColourAt(x, y));
        }
    }
    EXPECT_EQ(differ, 0);
    cairo_surface_destroy(png);
}

}  // namespace
}  // namespace drennomar

#endif  // DRENNOMAR_HAS_BITMAP_EXPORT
