// The module's art as the panel host gets it: every bitmap read back from the
// built library file (its ".res" section) with the host's own reader, and
// checked against the facts the gauges rely on: sizes and palettes, where
// pure black lets the panel show through, pointer apexes and pivots, scale
// marks, and registration with the consoles.
//
// [SECTION] Fixture: the library's bitmaps
// [SECTION] Format and version block
// [SECTION] See-through black
// [SECTION] Pointers, marks and labels
// [SECTION] Registration with the consoles
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "host/bmp_reader.h"
#include "host/resource_file.h"
#include "resources/bitmap_ids.h"
#include "resources/console_layout.h"

namespace drennomar {
namespace {

using host::IndexedBitmap;
using host::PaletteColour;

//-----------------------------------------------------------------------------
// [SECTION] Fixture: the library's bitmaps
//-----------------------------------------------------------------------------

class ArtTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        resources_ =
            new host::ResourceFile(host::ResourceFile::FromLibraryFile(DRENNOMAR_MODULE_FILE));
        bitmaps_ = new std::map<int, IndexedBitmap>;
        for (const CatalogueEntry& s : kBitmapCatalogue) {
            (*bitmaps_)[s.id] = host::LoadBitmap(*resources_, std::uint16_t(s.id));
        }
    }
    static void TearDownTestSuite() {
        delete bitmaps_;
        delete resources_;
    }
    static const IndexedBitmap& Bmp(BitmapId id) { return bitmaps_->at(id); }

    static int Luma(PaletteColour c) { return (2 * c.r + 5 * c.g + c.b) / 8; }
    static bool Black(const IndexedBitmap& b, int x, int y) { return b.IsSeeThrough(x, y); }
    static int CountBlack(const IndexedBitmap& b, int x0, int y0, int w, int h) {
        int n = 0;
        for (int y = y0; y < y0 + h; ++y) {
            for (int x = x0; x < x0 + w; ++x) n += Black(b, x, y);
        }
        return n;
    }
    static bool Bright(const IndexedBitmap& b, int x, int y, int above = 120) {
        return Luma(b.ColourAt(x, y)) > above;
    }
    // Any bright pixel within `reach` pixels of (x, y).
    static bool BrightNear(const IndexedBitmap& b, double x, double y, int reach = 1) {
        for (int dy = -reach; dy <= reach; ++dy) {
            for (int dx = -reach; dx <= reach; ++dx) {
                const int px = int(std::floor(x)) + dx, py = int(std::floor(y)) + dy;
                if (px >= 0 && py >= 0 && px < b.width && py < b.height && Bright(b, px, py)) {
                    return true;
                }
            }
        }
        return false;
    }

    static host::ResourceFile* resources_;
    static std::map<int, IndexedBitmap>* bitmaps_;
};

host::ResourceFile* ArtTest::resources_         = nullptr;
std::map<int, IndexedBitmap>* ArtTest::bitmaps_ = nullptr;

//-----------------------------------------------------------------------------
// [SECTION] Format and version block
//-----------------------------------------------------------------------------

TEST_F(ArtTest, EveryBitmapHasItsCatalogueSizeAndPalette) {
    for (const CatalogueEntry& s : kBitmapCatalogue) {
        SCOPED_TRACE(host::ResourceIdText(std::uint16_t(s.id)));
        const IndexedBitmap& b = Bmp(s.id);
        EXPECT_EQ(b.width, s.width);
        EXPECT_EQ(b.height, s.height);
        EXPECT_EQ(int(b.palette.size()), s.colours);
        EXPECT_EQ(b.colours_used, s.colours == 256 ? 0u : std::uint32_t(s.colours));
        EXPECT_TRUE(b.bottom_up);
        EXPECT_EQ(b.x_pixels_per_metre, 2834);
        EXPECT_EQ(b.y_pixels_per_metre, 2834);
    }
    // Bitmaps and nothing else under RT_BITMAP, all in US English.
    int bitmaps = 0;
    for (const host::Resource& r : resources_->resources()) {
        if (r.type != host::kResourceTypeBitmap) continue;
        ++bitmaps;
        EXPECT_EQ(r.language, host::kLanguageEnglishUs);
    }
    EXPECT_EQ(bitmaps, int(kBitmapCount));
}

TEST_F(ArtTest, VersionBlockNamesVersionOneAndUsEnglishUnicode) {
    const host::Resource* v = resources_->Find(host::kResourceTypeVersion, 1);
    ASSERT_NE(v, nullptr);
    const std::vector<std::uint8_t>& d = v->data;
    auto u32                           = [&d](std::size_t at) {
        return std::uint32_t(d[at]) | d[at + 1] << 8 | d[at + 2] << 16 |
               std::uint32_t(d[at + 3]) << 24;
    };
    std::size_t fixed = 0;
    while (fixed + 52 <= d.size() && u32(fixed) != 0xFEEF04BDu) fixed += 4;
    ASSERT_LE(fixed + 52, d.size()) << "no fixed file information";
    EXPECT_EQ(u32(fixed + 8), 0x00010000u);   // file version 1.0
    EXPECT_EQ(u32(fixed + 12), 0u);           // .0.0
    EXPECT_EQ(u32(fixed + 16), 0x00010000u);  // product version 1.0
    EXPECT_EQ(u32(fixed + 20), 0u);
    EXPECT_EQ(u32(fixed + 32), 0x10004u);  // operating system
    EXPECT_EQ(u32(fixed + 36), 1u);        // file type: application

    auto has_text = [&d](const std::string& text) {
        std::string utf16;
        for (char c : text) utf16 += std::string{c, '\0'};
        return std::string(d.begin(), d.end()).find(utf16) != std::string::npos;
    };
    for (const char* text : {"040904B0", "FileVersion", "1.0.0", "ProductName", "Drennomar",
                             "CompanyName", "FileDescription", "LegalCopyright", "Translation"}) {
        EXPECT_TRUE(has_text(text)) << text;
    }
    const std::string bytes(d.begin(), d.end());
    EXPECT_NE(bytes.find(std::string("\x09\x04\xB0\x04", 4)), std::string::npos)
        << "translation 0x0409, 0x04B0";
}

//-----------------------------------------------------------------------------
// [SECTION] See-through black
//-----------------------------------------------------------------------------

TEST_F(ArtTest, ControlPictureIsAllSeeThrough) {
    const IndexedBitmap& b = Bmp(kBmpControl);
    EXPECT_EQ(CountBlack(b, 0, 0, 4, 4), 16);
}

TEST_F(ArtTest, SwitchPicturesHoldNoPureBlack) {
    for (BitmapId id : {kBmpBattSwDown, kBmpBattSwUp, kBmpMotorSwDown, kBmpMotorSwUp,
                        kBmpResetSwDown, kBmpResetSwUp}) {
        SCOPED_TRACE(host::ResourceIdText(std::uint16_t(id)));
        const IndexedBitmap& b = Bmp(id);
        EXPECT_EQ(CountBlack(b, 0, 0, b.width, b.height), 0);
    }
}

// Rectangles that must be entirely see-through, and entirely opaque.
struct Region {
    const char* what;
    BitmapId id;
    int x, y, w, h;
    bool see_through;
};

TEST_F(ArtTest, SeeThroughExactlyWhereTheGaugesNeedIt) {
    const Region regions[] = {
        {"monitor band between meters 2 and 3", kBmpMonitorFaces, 102, 0, 70, 120, true},
        {"monitor left of the band", kBmpMonitorFaces, 0, 0, 102, 120, false},
        {"monitor right of the band", kBmpMonitorFaces, 172, 0, 101, 120, false},
        {"stowed flag above its strip", kBmpWarningStowed, 0, 0, 287, 51, true},
        {"stowed flag strip", kBmpWarningStowed, 0, 51, 287, 8, false},
        {"raised flag", kBmpWarningRaised, 0, 0, 287, 59, false},
        {"roll pointer above its tip", kBmpRollPointer, 0, 0, 7, 53, true},
        {"speed needle pivot end", kBmpSpeedNeedle, 0, 0, 8, 4, true},
        {"pitch face left columns", kBmpPitchFace, 0, 0, 42, 139, true},
        {"pitch face box", kBmpPitchFace, 42, 0, 80, 139, false},
        {"roll face", kBmpRollFace, 0, 0, 122, 139, false},
        {"compass card centre", kBmpCompassCard, 40, 40, 90, 90, true},
        {"speed dial middle", kBmpSpeedDial, 8, 8, 48, 34, false},
        {"2D console inside its margin", kBmpConsole2D, 16, 16, 468, 568, false},
        {"VC console inside its margin", kBmpConsoleVC, 16, 16, 468, 568, false},
    };
    for (const Region& r : regions) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(CountBlack(Bmp(r.id), r.x, r.y, r.w, r.h), r.see_through ? r.w * r.h : 0);
    }
    // Every column of the needle's bar, and every row of the roll pointer's
    // tip, shows.
    for (int x = 8; x < 27; ++x) EXPECT_LT(CountBlack(Bmp(kBmpSpeedNeedle), x, 0, 1, 4), 4) << x;
    int previous_width = 8;
    for (int y = 53; y < 70; ++y) {
        const int width = 7 - CountBlack(Bmp(kBmpRollPointer), 0, y, 7, 1);
        EXPECT_GT(width, 0) << "row " << y;
        EXPECT_LE(width, previous_width) << "tip narrows downward, row " << y;
        previous_width = width;
    }
}

TEST_F(ArtTest, RoundPicturesAreSeeThroughOutsideTheirDiscAndInTheirCorners) {
    struct Disc {
        BitmapId id;
        double outside,
            inside;   // black beyond `outside`, opaque within `inside` (and beyond the hole)
        double hole;  // black within this radius
    };
    for (const Disc& d :
         {Disc{kBmpCompassFace, 85.5, 83.0, 0}, Disc{kBmpCompassCard, 83.0, 81.0, 63.0}}) {
        SCOPED_TRACE(host::ResourceIdText(std::uint16_t(d.id)));
        const IndexedBitmap& b = Bmp(d.id);
        int wrong              = 0;
        for (int y = 0; y < 170; ++y) {
            for (int x = 0; x < 170; ++x) {
                const double r = std::hypot(x + 0.5 - 85, y + 0.5 - 85);
                if (r > d.outside || r < d.hole) wrong += !Black(b, x, y);
                if (r < d.inside && r > d.hole + 2) wrong += Black(b, x, y);
            }
        }
        EXPECT_EQ(wrong, 0);
    }
    const IndexedBitmap& dial = Bmp(kBmpSpeedDial);
    for (auto [x, y] : {std::pair{0, 0}, {63, 0}, {0, 49}, {63, 49}})
        EXPECT_TRUE(Black(dial, x, y));
    for (BitmapId id : {kBmpConsole2D, kBmpConsoleVC}) {
        const IndexedBitmap& c = Bmp(id);
        EXPECT_EQ(CountBlack(c, 0, 0, 500, 4), 2000) << "top margin";
        EXPECT_EQ(CountBlack(c, 0, 596, 500, 4), 2000) << "bottom margin";
        EXPECT_EQ(CountBlack(c, 0, 0, 4, 600), 2400) << "left margin";
        EXPECT_EQ(CountBlack(c, 496, 0, 4, 600), 2400) << "right margin";
        for (auto [x, y] : {std::pair{7, 7}, {492, 7}, {7, 592}, {492, 592}}) {
            EXPECT_TRUE(Black(c, x, y)) << "curved corner at " << x << "," << y;
        }
    }
}

//-----------------------------------------------------------------------------
// [SECTION] Pointers, marks and labels
//-----------------------------------------------------------------------------

TEST_F(ArtTest, PointerApexes) {
    const IndexedBitmap& right = Bmp(kBmpMonitorPointerRight);
    const IndexedBitmap& left  = Bmp(kBmpMonitorPointerLeft);
    for (int y = 0; y < 10; ++y) {
        const bool apex_row = y == 4 || y == 5;
        EXPECT_EQ(!Black(right, 5, y), apex_row) << "0x1300 column 5, row " << y;
        EXPECT_EQ(!Black(left, 0, y), apex_row) << "0x1310 column 0, row " << y;
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(left.ColourAt(x, y), right.ColourAt(5 - x, y))
                << "mirror at " << x << "," << y;
        }
    }
    const IndexedBitmap& marker = Bmp(kBmpPitchMarker);
    for (int y = 0; y < 7; ++y)
        EXPECT_EQ(!Black(marker, 0, y), y == 3) << "0x3310 column 0, row " << y;
    EXPECT_LT(CountBlack(marker, 16, 0, 1, 7), 2) << "the wedge widens to its right edge";
}

TEST_F(ArtTest, MeterWindowsAndMarkRows) {
    const IndexedBitmap& b = Bmp(kBmpMonitorFaces);
    struct Meter {
        const char* name;
        int left, right;            // window columns
        int left_apex, right_apex;  // pointer apex columns at the marks
        std::vector<int> top_mark_rows, zero_mark_rows;
        std::vector<int> label_rows;  // rows near which a printed figure stands
    };
    const Meter meters[] = {
        {"charge", 9, 42, 18, 33, {19}, {88, 89}, {19, 89, 95}},
        {"volts/amps", 59, 93, 68, 83, {19, 20}, {99}, {20, 52, 99}},
        {"battery temperature", 178, 211, 187, 202, {19}, {99, 100}, {19, 55, 100}},
        {"motor temperature", 229, 262, 237, 252, {19}, {99, 100}, {19, 59, 100}},
    };
    for (const Meter& m : meters) {
        SCOPED_TRACE(m.name);
        // Near-black, not see-through, window edges to edges.
        int dark = 0, cells = 0;
        for (int y = 7; y <= 109; ++y) {
            for (int x = m.left; x <= m.right; ++x) {
                EXPECT_FALSE(Black(b, x, y)) << x << "," << y;
                dark += Luma(b.ColourAt(x, y)) < 40;
                ++cells;
            }
        }
        EXPECT_GT(dark, cells * 3 / 4);
        // The marks start at the apex columns on both sides.
        for (const auto* rows : {&m.top_mark_rows, &m.zero_mark_rows}) {
            for (int y : *rows) {
                EXPECT_TRUE(Bright(b, m.left_apex + 1, y, 60)) << "left mark row " << y;
                EXPECT_TRUE(Bright(b, m.right_apex - 1, y, 60)) << "right mark row " << y;
            }
        }
        const int top = m.top_mark_rows.front(), zero = m.zero_mark_rows.back();
        EXPECT_FALSE(Bright(b, m.left_apex + 1, top - 2, 60)) << "nothing just above the top mark";
        EXPECT_FALSE(Bright(b, m.left_apex + 1, zero + 2, 60)) << "gap under the zero mark";
        for (int y : m.label_rows) {
            bool figure = false;
            for (int x = m.left_apex + 4; x <= m.right_apex - 4; ++x) {
                for (int dy = -2; dy <= 2; ++dy) figure |= Bright(b, x, y + dy);
            }
            EXPECT_TRUE(figure) << "figure near row " << y;
        }
    }
}

TEST_F(ArtTest, RollScaleMarksWhereThePointerTipSwings) {
    const IndexedBitmap& face    = Bmp(kBmpRollFace);
    const IndexedBitmap& pointer = Bmp(kBmpRollPointer);
    // The tip lies 53 to 69 px below the pivot (3, 0); the pivot stands at
    // (53, 49) on the face.
    for (int y = 53; y < 70; ++y) EXPECT_FALSE(Black(pointer, 3, y)) << "tip on the pivot column";
    const double px = 53.5, py = 49;
    for (int y = 111; y <= 118; ++y) {
        EXPECT_TRUE(Bright(face, 53, y)) << "centre mark, column 53, row " << y;
        EXPECT_FALSE(Bright(face, 51, y)) << "centre mark is one column wide, row " << y;
        EXPECT_FALSE(Bright(face, 55, y)) << "centre mark is one column wide, row " << y;
    }
    for (double deg : {-20.0, 20.0, -10.0, 10.0}) {
        for (double r : {64.0, 68.0}) {
            const double a = deg * M_PI / 180;
            EXPECT_TRUE(BrightNear(face, px - r * std::sin(a), py + r * std::cos(a), 0))
                << deg << " degree mark at radius " << r;
        }
    }
}

TEST_F(ArtTest, PitchScaleZeroAndTwentyMarks) {
    const IndexedBitmap& face = Bmp(kBmpPitchFace);
    // The marker's point rests at (64, 30), moving 0.75 px per degree.
    for (int y : {15, 30, 45}) {
        EXPECT_TRUE(Bright(face, 61, y)) << "mark row " << y;
        EXPECT_FALSE(Bright(face, 61, y - 1)) << "above mark row " << y;
        EXPECT_FALSE(Bright(face, 61, y + 1)) << "below mark row " << y;
    }
    for (int y : {22, 23, 37, 38}) EXPECT_TRUE(Bright(face, 61, y)) << "10 degree mark row " << y;
}

TEST_F(ArtTest, SpeedMarksPointAtTheNeedleTablePoints) {
    const IndexedBitmap& dial = Bmp(kBmpSpeedDial);
    for (auto [x, y] : {std::pair{11, 24}, {19, 15}, {32, 12}, {44, 15}, {53, 24}}) {
        const double dx = x - 32, dy = y - 39, len = std::hypot(dx, dy);
        EXPECT_TRUE(BrightNear(dial, 32 + dx / len * 23, 39 + dy / len * 23, 0))
            << "mark toward (" << x << ", " << y << ")";
    }
}

TEST_F(ArtTest, CompassCardShowsNorthUnderTheMarker) {
    const IndexedBitmap& card = Bmp(kBmpCompassCard);
    // N is printed in yellow, the only yellow on the card; it must stand at
    // the top, under the face's marker at (85, 22..33).
    double sx = 0, sy = 0;
    int n = 0;
    for (int y = 0; y < 170; ++y) {
        for (int x = 0; x < 170; ++x) {
            const PaletteColour c = card.ColourAt(x, y);
            if (c.r > 150 && c.g > 110 && c.b < 90) sx += x, sy += y, ++n;
        }
    }
    ASSERT_GT(n, 10);
    EXPECT_NEAR(sx / n, 84.5, 1.5);
    EXPECT_NEAR(sy / n, 15.5, 2.5);
    const IndexedBitmap& face = Bmp(kBmpCompassFace);
    EXPECT_TRUE(Bright(face, 85, 28)) << "the marker on the face";
    EXPECT_TRUE(Black(card, 85, 28)) << "the card leaves the marker visible";
}

//-----------------------------------------------------------------------------
// [SECTION] Registration with the consoles
//-----------------------------------------------------------------------------

// Counts pixels of `piece` (not see-through) that differ from `console` at
// `at`.
int Mismatches(const IndexedBitmap& piece, const IndexedBitmap& console, ConsolePlace at) {
    int n = 0;
    for (int y = 0; y < piece.height; ++y) {
        for (int x = 0; x < piece.width; ++x) {
            if (piece.IsSeeThrough(x, y)) continue;
            n += !(piece.ColourAt(x, y) == console.ColourAt(at.x + x, at.y + y));
        }
    }
    return n;
}

TEST_F(ArtTest, PicturesCutFromTheConsoleLineUpWithIt) {
    struct Cut {
        BitmapId piece;
        BitmapId console;
        ConsolePlace at;
        bool equal;
    };
    const Cut cuts[] = {
        {kBmpMonitorFaces, kBmpConsole2D, kPlaceSliderGauges, true},
        {kBmpMonitorFaces, kBmpConsoleVC, kPlaceSliderGauges, true},
        {kBmpCompassFace, kBmpConsole2D, kPlaceHeadingCompass, true},
        {kBmpMotorSwDown, kBmpConsole2D, kPlaceSwitchesMotorTemp, true},
        {kBmpBattSwUp, kBmpConsole2D, kPlaceSwitchesBattery, true},
        {kBmpResetSwDown, kBmpConsole2D, kPlaceSwitchesReset, true},
        {kBmpCompassFace, kBmpConsoleVC, kPlaceHeadingCompass, false},
    };
    for (const Cut& c : cuts) {
        SCOPED_TRACE(host::ResourceIdText(std::uint16_t(c.piece)) + " on " +
                     host::ResourceIdText(std::uint16_t(c.console)));
        const int n = Mismatches(Bmp(c.piece), Bmp(c.console), c.at);
        if (c.equal) {
            EXPECT_EQ(n, 0);
        } else {
            EXPECT_GT(n, 20);
        }
    }
}

// A switch's two pictures, and the VC console's push-button at the switch's
// place, differ only inside the switch's click box, where the lever moves:
// the labels around it stay put.
TEST_F(ArtTest, LeversChangeOnlyInsideTheirClickBoxes) {
    struct Pair {
        const char* what;
        BitmapId first;
        BitmapId second;  // drawn at `at` of it
        ConsolePlace at;
        int box_w, box_h;  // the click box, from the picture's top-left corner
    };
    const Pair pairs[] = {
        {"battery selector down and up", kBmpBattSwDown, kBmpBattSwUp, {0, 0}, 32, 32},
        {"motor selector down and up", kBmpMotorSwDown, kBmpMotorSwUp, {0, 0}, 32, 32},
        {"reset switch down and up", kBmpResetSwDown, kBmpResetSwUp, {0, 0}, 42, 72},
        {"battery selector on the VC", kBmpBattSwUp, kBmpConsoleVC, kPlaceSwitchesBattery, 32, 32},
        {"motor selector on the VC", kBmpMotorSwDown, kBmpConsoleVC, kPlaceSwitchesMotorTemp, 32,
         32},
        {"reset switch on the VC", kBmpResetSwDown, kBmpConsoleVC, kPlaceSwitchesReset, 42, 72},
    };
    for (const Pair& p : pairs) {
        SCOPED_TRACE(p.what);
        const IndexedBitmap& a = Bmp(p.first);
        const IndexedBitmap& b = Bmp(p.second);
        int inside = 0, outside = 0;
        for (int y = 0; y < a.height; ++y) {
            for (int x = 0; x < a.width; ++x) {
                const bool differs = !(a.ColourAt(x, y) == b.ColourAt(p.at.x + x, p.at.y + y));
                (x < p.box_w && y < p.box_h ? inside : outside) += differs;
            }
        }
        EXPECT_GT(inside, 20) << "the lever moves";
        EXPECT_EQ(outside, 0);
    }
}

TEST_F(ArtTest, VirtualCockpitHasAnEmptyDarkOpeningForTheCompass) {
    const IndexedBitmap& vc = Bmp(kBmpConsoleVC);
    const double cx = kPlaceHeadingCompass.x + 85, cy = kPlaceHeadingCompass.y + 85;
    int wrong = 0;
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 500; ++x) {
            if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) > 80) continue;
            wrong += Black(vc, x, y) || Luma(vc.ColourAt(x, y)) > 24;
        }
    }
    EXPECT_EQ(wrong, 0);
}

}  // namespace
}  // namespace drennomar
