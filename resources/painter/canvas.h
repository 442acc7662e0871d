// Drawing surface for one picture: a Cairo image surface with the helpers
// every picture uses (colours, pixel-aligned shapes, Pango text), and the
// conversion of what was drawn into a Picture.
#pragma once

#include <cairo.h>

#include <string>

#include "resources/painter/picture.h"

namespace drennomar::painter {

/// The colours shared by the consoles and every gauge, so that the gauges
/// sit on the console as parts of one panel.
namespace colours {
inline constexpr Rgb kPanel{66, 71, 78};         // console plate
inline constexpr Rgb kPanelLight{88, 94, 102};   // raised edges of the plate
inline constexpr Rgb kPanelDark{44, 48, 53};     // recesses and shadows
inline constexpr Rgb kBlockLine{196, 198, 190};  // block outlines
inline constexpr Rgb kLettering{236, 236, 226};  // printed labels
inline constexpr Rgb kWindow{18, 20, 23};        // meter windows, read-out cells
inline constexpr Rgb kScale{226, 228, 220};      // marks and numbers in windows
inline constexpr Rgb kBracket{96, 170, 110};     // green normal-range brackets
inline constexpr Rgb kFace{84, 100, 116};        // blue-grey dial faces
inline constexpr Rgb kRing{30, 33, 37};          // dark rings and bezels
inline constexpr Rgb kPointer{186, 188, 192};    // grey pointers
inline constexpr Rgb kNeedle{238, 238, 228};     // light needle
inline constexpr Rgb kMetal{176, 178, 182};      // switch levers
inline constexpr Rgb kNut{54, 56, 60};           // switch bushings
inline constexpr Rgb kHazardYellow{238, 186, 24};
inline constexpr Rgb kHazardDark{26, 26, 24};  // the hazard stripes' "black"
inline constexpr Rgb kWarningText{236, 64, 40};
}  // namespace colours

enum class Align { Left, Centre, Right };

struct Font {
    double size_px = 8;
    bool bold      = false;
    bool narrow    = true;
};

class Canvas {
  public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&)            = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    int width() const { return width_; }
    int height() const { return height_; }

    void SetColour(Rgb c, double alpha = 1.0);
    void FillRect(double x, double y, double w, double h, Rgb c);
    void RoundedRectPath(double x, double y, double w, double h, double r);
    /// A 1-pixel line between pixel centres (x0, y0) and (x1, y1).
    void PixelLine(double x0, double y0, double x1, double y1, Rgb c, double width = 1.0);
    /// Text with its ink centred vertically on `y` and aligned on `x`.
    void Text(const std::string& text, double x, double y, Font font, Rgb c,
              Align align = Align::Centre);
    /// Width in pixels of the text's ink.
    double TextWidth(const std::string& text, Font font);
    void Circle(double cx, double cy, double r, Rgb c);
    /// A screw head: a small domed disc with a slot.
    void Screw(double cx, double cy, double r = 2.5);

    /// Pixels with at least half coverage become opaque, composited over
    /// `backdrop` so that antialiased edges blend toward the panel behind.
    Picture ToPicture(Rgb backdrop) const;

  private:
    int width_, height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

}  // namespace drennomar::painter
