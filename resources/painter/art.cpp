#include "resources/painter/art.h"

#include <map>
#include <stdexcept>

#include "resources/console_layout.h"
#include "resources/painter/pictures.h"
#include "resources/painter/quantise.h"

namespace drennomar::painter {
namespace {

const CatalogueEntry& Entry(BitmapId id) {
    for (const CatalogueEntry& s : kBitmapCatalogue) {
        if (s.id == id) return s;
    }
    throw std::logic_error("bitmap not in the catalogue");
}

/// A picture cut from the 2D console at a gauge's place.
struct CutFromConsole {
    BitmapId id;
    ConsolePlace place;
};

// Registered with the 2D console as painted (battery selector up, motor
// selector and reset switch down).
const CutFromConsole kRegistered[] = {
    {kBmpResetSwDown, kPlaceSwitchesReset}, {kBmpMotorSwDown, kPlaceSwitchesMotorTemp},
    {kBmpBattSwUp, kPlaceSwitchesBattery},  {kBmpCompassFace, kPlaceHeadingCompass},
    {kBmpMonitorFaces, kPlaceSliderGauges},
};

// The monitor's band between the second and third meter, and everything
// outside the compass disc, are see-through in the cut pictures.
constexpr int kBandFirst = 102, kBandLast = 171;
constexpr double kDiscRadius = 84.5;

bool SeeThroughInCut(BitmapId id, int x, int y) {
    if (id == kBmpMonitorFaces) return x >= kBandFirst && x <= kBandLast;
    if (id == kBmpCompassFace) {
        const double dx = x + 0.5 - 85, dy = y + 0.5 - 85;
        return dx * dx + dy * dy > kDiscRadius * kDiscRadius;
    }
    return false;
}

Picture CutFor(const Picture& console, BitmapId id, ConsolePlace at) {
    const CatalogueEntry& s = Entry(id);
    Picture p               = console.Cut(at.x, at.y, s.width, s.height);
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            if (SeeThroughInCut(id, x, y)) {
                p.SetOpaque(x, y, false);
                p.At(x, y) = kSeeThrough;
            }
        }
    }
    return p;
}

int OpaqueLimit(BitmapId id) {
    // Pictures with see-through pixels spend one entry on pure black.
    const bool black = id == kBmpMonitorFaces || id == kBmpCompassFace;
    return Entry(id).colours - (black ? 1 : 0);
}

/// Takes the reduced console's colour where the painting did not change
/// from the 2D console's, and the nearest palette colour elsewhere.
void ReduceLike(Picture& raw, const Picture& console_raw, const Picture& console_reduced, int x0,
                int y0, const std::vector<Rgb>& palette) {
    for (int y = 0; y < raw.height; ++y) {
        for (int x = 0; x < raw.width; ++x) {
            if (!raw.IsOpaque(x, y)) {
                raw.At(x, y) = kSeeThrough;
            } else if (console_raw.IsOpaque(x0 + x, y0 + y) &&
                       raw.At(x, y) == console_raw.At(x0 + x, y0 + y)) {
                raw.At(x, y) = console_reduced.At(x0 + x, y0 + y);
            } else {
                raw.At(x, y) = Nearest(palette, raw.At(x, y));
            }
        }
    }
}

IndexedPicture Mirrored(const IndexedPicture& p) {
    IndexedPicture out = p;
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            out.indices[size_t(y) * p.width + x] =
                p.indices[size_t(y) * p.width + (p.width - 1 - x)];
        }
    }
    return out;
}

}  // namespace

std::vector<Art> PaintCatalogue() {
    std::map<BitmapId, IndexedPicture> done;

    // --- The consoles and the pictures cut from them.
    const Picture console_raw = PaintConsole(ConsoleStyle::Cockpit2D, {});
    Picture vc                = PaintConsole(ConsoleStyle::VirtualCockpit, {});
    struct Variant {
        BitmapId id;
        ConsolePlace place;
        Picture raw;
    };
    std::vector<Variant> variants;
    variants.push_back({kBmpBattSwDown, kPlaceSwitchesBattery,
                        CutFor(PaintConsole(ConsoleStyle::Cockpit2D, {.battery_up = false}),
                               kBmpBattSwDown, kPlaceSwitchesBattery)});
    variants.push_back({kBmpMotorSwUp, kPlaceSwitchesMotorTemp,
                        CutFor(PaintConsole(ConsoleStyle::Cockpit2D, {.motor_up = true}),
                               kBmpMotorSwUp, kPlaceSwitchesMotorTemp)});
    variants.push_back({kBmpResetSwUp, kPlaceSwitchesReset,
                        CutFor(PaintConsole(ConsoleStyle::Cockpit2D, {.reset_up = true}),
                               kBmpResetSwUp, kPlaceSwitchesReset)});

    std::vector<const Picture*> sources{&console_raw, &vc};
    for (const Variant& v : variants) sources.push_back(&v.raw);
    const std::vector<Rgb> palette = ChoosePalette(sources, 255);

    Picture console = console_raw;
    MapToPalette(console, palette);
    // Within each registered rectangle the console keeps no more colours
    // than the cut picture's palette holds, so the cut equals the console.
    for (bool changed = true; changed;) {
        changed = false;
        for (const CutFromConsole& cut : kRegistered) {
            const CatalogueEntry& s = Entry(cut.id);
            changed |= MergeColours(console, cut.place.x, cut.place.y, s.width, s.height,
                                    OpaqueLimit(cut.id));
        }
    }
    done[kBmpConsole2D] = Index(console, 256);
    for (const CutFromConsole& cut : kRegistered) {
        done[cut.id] = Index(CutFor(console, cut.id, cut.place), Entry(cut.id).colours);
    }
    for (Variant& v : variants) {
        ReduceLike(v.raw, console_raw, console, v.place.x, v.place.y, palette);
        MergeColours(v.raw, 0, 0, v.raw.width, v.raw.height, OpaqueLimit(v.id));
        done[v.id] = Index(v.raw, Entry(v.id).colours);
    }
    ReduceLike(vc, console_raw, console, 0, 0, palette);
    // The monitor faces are the same on both consoles.
    const auto [mx, my] = kPlaceSliderGauges;
    for (int y = 0; y < Entry(kBmpMonitorFaces).height; ++y) {
        for (int x = 0; x < Entry(kBmpMonitorFaces).width; ++x) {
            if (SeeThroughInCut(kBmpMonitorFaces, x, y)) continue;
            vc.At(mx + x, my + y) = console.At(mx + x, my + y);
            vc.SetOpaque(mx + x, my + y, console.IsOpaque(mx + x, my + y));
        }
    }
    done[kBmpConsoleVC] = Index(vc, 256);

    // --- The pictures painted on their own.
    auto alone = [&done](BitmapId id, Picture p) {
        done[id] = Quantise(std::move(p), Entry(id).colours);
    };
    alone(kBmpMonitorPointerRight, PaintMonitorPointer());
    // The left pointer is the right one mirrored, colour for colour.
    done[kBmpMonitorPointerLeft] = Mirrored(done.at(kBmpMonitorPointerRight));
    alone(kBmpCompassCard, PaintCompassCard());
    alone(kBmpSpeedNeedle, PaintSpeedNeedle());
    alone(kBmpSpeedDial, PaintSpeedDial());
    alone(kBmpWarningStowed, PaintWarningFlag(false));
    alone(kBmpWarningRaised, PaintWarningFlag(true));
    alone(kBmpRollFace, PaintRollFace());
    alone(kBmpRollPointer, PaintRollPointer());
    alone(kBmpPitchFace, PaintPitchFace());
    alone(kBmpPitchMarker, PaintPitchMarker());
    alone(kBmpControl, PaintControl());

    std::vector<Art> out;
    for (const CatalogueEntry& s : kBitmapCatalogue) {
        IndexedPicture& p = done.at(s.id);
        if (p.width != s.width || p.height != s.height || int(p.palette.size()) != s.colours) {
            throw std::logic_error("painted picture does not match its catalogue entry");
        }
        out.push_back({s.id, std::move(p)});
    }
    return out;
}

}  // namespace drennomar::painter
