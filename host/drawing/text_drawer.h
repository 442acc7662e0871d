// Drawing the text of string elements: the font the element names (with
// the faces a Linux panel has in their place), a size that fits the box when
// the element leaves it 0, the Windows draw-text flags, the box's colours.
//
// Read-outs change every update, so laying text out anew each time would be
// the dearest part of a frame. Each font keeps the picture and advance of
// every ASCII character it has drawn; a single-line ASCII text is put
// together from those. Other texts are laid out whole.
#pragma once

#include <cairo.h>

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "panel/gauge_types.h"

typedef struct _PangoContext PangoContext;

namespace drennomar::host {

/// The face used for a face name an element asks for ("Arial Narrow" ->
/// "Liberation Sans Narrow"); names not in the table are passed on as they
/// stand, for fontconfig to match.
std::string SubstituteFace(const char* face);

class TextDrawer {
  public:
    TextDrawer();
    ~TextDrawer();
    TextDrawer(const TextDrawer&)            = delete;
    TextDrawer& operator=(const TextDrawer&) = delete;

    /// Draws `text` for `element` into the device box (`box_x`, `box_y`,
    /// `box_w`, `box_h`): the part of the element's box, scaled by
    /// (`scale_x`, `scale_y`), that is drawn. The box is filled with the
    /// background colour first, except that black is left out under
    /// IMAGE_USE_TRANSPARENCY; the text is placed in the box by the
    /// draw-text flags, and nothing is drawn outside it.
    void Draw(cairo_t* cr, const StringElement& element, const char* text, int box_x, int box_y,
              int box_w, int box_h, double scale_x, double scale_y);

    /// The pixel size (line height basis) chosen for `element` at that
    /// scale: the definition's size, or when it is 0 the largest that fits.
    double FontPixelSize(const StringElement& element, double scale_x, double scale_y);

  private:
    struct Glyph {
        cairo_surface_t* picture = nullptr;  // the character in the text colour
        int advance              = 0;        // pixels to the next character
    };
    struct Font {
        std::string family;
        int weight       = 400;
        double size_px   = 0.0;
        int ascent       = 0;  // pixels from the line's top to its baseline
        int line_height  = 0;  // pixels
        int pad          = 0;  // room around a character's picture for its overhang
        std::uint32_t fg = 0;  // 0x00BBGGRR
        std::array<Glyph, 128> glyphs{};
    };
    // What the fitted size depends on: face, weight, size, box, character
    // count and scale.
    using FitKey  = std::tuple<std::string, int, int, int, int, unsigned, double, double>;
    using FontKey = std::tuple<std::string, int, double, std::uint32_t>;

    Font& FontFor(const StringElement& element, double scale_x, double scale_y);
    Font& FontOf(const std::string& family, int weight, double size_px, std::uint32_t fg);
    void Measure(Font& font) const;
    Glyph& GlyphFor(Font& font, unsigned char c);
    int Advance(Font& font, const char* text, bool* simple);

    PangoContext* Context() const;

    mutable PangoContext* context_ = nullptr;  // made at the first text
    std::map<FitKey, double> fitted_;
    std::map<FontKey, std::unique_ptr<Font>> fonts_;
};

}  // namespace drennomar::host
