#include "host/drawing/text_drawer.h"

#include <pango/pangocairo.h>

#include <strings.h>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace drennomar::host {

namespace {

struct FaceSubstitute {
    const char* asked;
    const char* used;
};

// The Windows faces a gauge may name, and the metric-compatible faces of the
// Liberation family that stand in for them.
constexpr FaceSubstitute kFaceSubstitutes[] = {
    {"Arial Narrow", "Liberation Sans Narrow"},
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
};

// Windows draw-text flags beyond those of panel/gauge_types.h.
constexpr UINT32 kDtRight  = 0x2;
constexpr UINT32 kDtBottom = 0x8;

// Smallest size tried when fitting; a box smaller than this still gets it.
constexpr double kMinFontPixels = 4.0;
// Step by which the fitted size goes down until the text fits.
constexpr double kFitStepPixels = 0.25;

void SetColour(cairo_t* cr, std::uint32_t colorref) {
    cairo_set_source_rgb(cr, (colorref & 0xFF) / 255.0, ((colorref >> 8) & 0xFF) / 255.0,
                         ((colorref >> 16) & 0xFF) / 255.0);
}

PangoLayout* NewLayout(PangoContext* context, const std::string& family, int weight, double size_px,
                       const char* text, int length) {
    PangoLayout* layout        = pango_layout_new(context);
    PangoFontDescription* desc = pango_font_description_new();
    pango_font_description_set_family(desc, family.c_str());
    pango_font_description_set_weight(desc,
                                      static_cast<PangoWeight>(std::clamp(weight, 100, 1000)));
    pango_font_description_set_absolute_size(desc, size_px * PANGO_SCALE);
    pango_layout_set_font_description(layout, desc);
    pango_font_description_free(desc);
    pango_layout_set_text(layout, text, length);
    return layout;
}

bool IsSingleLineAscii(const char* text) {
    for (const char* p = text; *p != '\0'; ++p) {
        auto c = static_cast<unsigned char>(*p);
        if (c < 0x20 || c >= 0x7F) return false;
    }
    return true;
}

}  // namespace

std::string SubstituteFace(const char* face) {
    std::string asked(face, strnlen(face, kFontFaceChars - 1));
    for (const FaceSubstitute& s : kFaceSubstitutes) {
        if (strcasecmp(asked.c_str(), s.asked) == 0) return s.used;
    }
    return asked.empty() ? "Liberation Sans" : asked;
}

TextDrawer::TextDrawer() = default;

PangoContext* TextDrawer::Context() const {
    if (context_ != nullptr) return context_;
    // Made at the first text: a panel that never draws one never starts
    // the font libraries. The default font map is the process's one; the
    // context is ours.
    context_ = pango_font_map_create_context(pango_cairo_font_map_get_default());
    cairo_font_options_t* option = cairo_font_options_create();
    cairo_font_options_set_antialias(option, CAIRO_ANTIALIAS_GRAY);
    // Whole-pixel advances: characters pieced together from the cache land
    // where a laid-out line would put them.
    cairo_font_options_set_hint_metrics(option, CAIRO_HINT_METRICS_ON);
    cairo_font_options_set_hint_style(option, CAIRO_HINT_STYLE_SLIGHT);
    pango_cairo_context_set_font_options(context_, option);
    cairo_font_options_destroy(option);
    return context_;
}

TextDrawer::~TextDrawer() {
    for (auto& [key, font] : fonts_) {
        for (Glyph& g : font->glyphs) {
            if (g.picture != nullptr) cairo_surface_destroy(g.picture);
        }
    }
    if (context_ != nullptr) g_object_unref(context_);
}

void TextDrawer::Measure(Font& font) const {
    PangoLayout* layout = NewLayout(Context(), font.family, font.weight, font.size_px, "0", -1);
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, nullptr, &logical);
    font.line_height = std::max(1, logical.height);
    font.ascent      = pango_layout_get_baseline(layout) / PANGO_SCALE;
    font.pad         = static_cast<int>(std::ceil(font.size_px / 3.0)) + 1;
    g_object_unref(layout);
}

TextDrawer::Font& TextDrawer::FontOf(const std::string& family, int weight, double size_px,
                                     std::uint32_t fg) {
    auto& slot = fonts_[FontKey{family, weight, size_px, fg}];
    if (!slot) {
        slot          = std::make_unique<Font>();
        slot->family  = family;
        slot->weight  = weight;
        slot->size_px = size_px;
        slot->fg      = fg;
        Measure(*slot);
    }
    return *slot;
}

TextDrawer::Glyph& TextDrawer::GlyphFor(Font& font, unsigned char c) {
    Glyph& g = font.glyphs[c & 0x7F];
    if (g.picture != nullptr) return g;
    char text[2]        = {static_cast<char>(c), '\0'};
    PangoLayout* layout = NewLayout(Context(), font.family, font.weight, font.size_px, text, 1);
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, nullptr, &logical);
    g.advance   = logical.width;
    g.picture   = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, logical.width + 2 * font.pad,
                                             font.line_height + 2 * font.pad);
    cairo_t* cr = cairo_create(g.picture);
    SetColour(cr, font.fg);
    cairo_move_to(cr, font.pad, font.pad);
    pango_cairo_show_layout(cr, layout);
    cairo_destroy(cr);
    g_object_unref(layout);
    return g;
}

int TextDrawer::Advance(Font& font, const char* text, bool* simple) {
    *simple = IsSingleLineAscii(text);
    if (*simple) {
        int width = 0;
        for (const char* p = text; *p != '\0'; ++p) {
            width += GlyphFor(font, static_cast<unsigned char>(*p)).advance;
        }
        return width;
    }
    PangoLayout* layout = NewLayout(Context(), font.family, font.weight, font.size_px, text, -1);
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, nullptr, &logical);
    g_object_unref(layout);
    return logical.width;
}

double TextDrawer::FontPixelSize(const StringElement& element, double scale_x, double scale_y) {
    std::string family = SubstituteFace(element.font_face);
    FitKey key{family,        element.font_weight, element.font_size, element.box_w,
               element.box_h, element.char_count,  scale_x,           scale_y};
    auto it = fitted_.find(key);
    if (it != fitted_.end()) return it->second;

    double size = 0.0;
    if (element.font_size > 0) {
        size = element.font_size * scale_y;
    } else {
        // The largest size at which a line fits the box's height and as
        // many widest digits as the text buffer holds fit its width.
        double box_w = element.box_w * scale_x;
        double box_h = element.box_h * scale_y;
        std::string sample(std::min<std::size_t>(element.char_count, 64), '0');
        for (size = std::max(box_h, kMinFontPixels); size > kMinFontPixels;
             size -= kFitStepPixels) {
            PangoLayout* layout =
                NewLayout(Context(), family, element.font_weight, size, sample.c_str(), -1);
            PangoRectangle logical;
            pango_layout_get_pixel_extents(layout, nullptr, &logical);
            g_object_unref(layout);
            if (logical.height <= box_h && (sample.empty() || logical.width <= box_w)) break;
        }
    }
    fitted_[key] = size;
    return size;
}

TextDrawer::Font& TextDrawer::FontFor(const StringElement& element, double scale_x,
                                      double scale_y) {
    return FontOf(SubstituteFace(element.font_face), element.font_weight,
                  FontPixelSize(element, scale_x, scale_y), element.fg_color);
}

void TextDrawer::Draw(cairo_t* cr, const StringElement& element, const char* text, int box_x,
                      int box_y, int box_w, int box_h, double scale_x, double scale_y) {
    if (box_w <= 0 || box_h <= 0) return;
    UINT32 flags     = element.draw_text_flags;
    bool see_through = (element.header.image_flags & IMAGE_USE_TRANSPARENCY) != 0;

    cairo_save(cr);
    cairo_identity_matrix(cr);  // boxes and the font are in device pixels
    // Text stays in its box whatever the flags say (DT_NOCLIP included).
    cairo_rectangle(cr, box_x, box_y, box_w, box_h);
    cairo_clip(cr);
    if (!(see_through && (element.bg_color & 0xFFFFFF) == 0)) {
        SetColour(cr, element.bg_color);
        cairo_rectangle(cr, box_x, box_y, box_w, box_h);
        cairo_fill(cr);
    }
    if (text == nullptr || text[0] == '\0') {
        cairo_restore(cr);
        return;
    }

    Font& font  = FontFor(element, scale_x, scale_y);
    bool simple = false;
    int width   = Advance(font, text, &simple);
    bool single = (flags & DT_SINGLELINE) != 0;

    int x = box_x;
    if ((flags & DT_CENTER) != 0) {
        x += (box_w - width) / 2;
    } else if ((flags & kDtRight) != 0) {
        x += box_w - width;
    }

    if (simple) {
        int y = box_y;
        if (single && (flags & DT_VCENTER) != 0) {
            y += (box_h - font.line_height) / 2;
        } else if (single && (flags & kDtBottom) != 0) {
            y += box_h - font.line_height;
        }
        for (const char* p = text; *p != '\0'; ++p) {
            Glyph& g = GlyphFor(font, static_cast<unsigned char>(*p));
            cairo_set_source_surface(cr, g.picture, x - font.pad, y - font.pad);
            cairo_paint(cr);
            x += g.advance;
        }
    } else {
        // Texts the cache does not piece together: laid out whole. Without
        // DT_SINGLELINE a line break starts a new line.
        std::string shown = text;
        if (single) std::replace(shown.begin(), shown.end(), '\n', ' ');
        PangoLayout* layout =
            NewLayout(Context(), font.family, font.weight, font.size_px, shown.c_str(), -1);
        PangoRectangle logical;
        pango_layout_get_pixel_extents(layout, nullptr, &logical);
        int y = box_y;
        if (single && (flags & DT_VCENTER) != 0) {
            y += (box_h - logical.height) / 2;
        } else if (single && (flags & kDtBottom) != 0) {
            y += box_h - logical.height;
        }
        SetColour(cr, font.fg);
        cairo_move_to(cr, x, y);
        pango_cairo_show_layout(cr, layout);
        g_object_unref(layout);
    }
    cairo_restore(cr);
}

}  // namespace drennomar::host

#if defined(__SANITIZE_ADDRESS__)
#define DRENNOMAR_LEAK_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define DRENNOMAR_LEAK_CHECKED 1
#endif
#endif
#if defined(DRENNOMAR_LEAK_CHECKED)
// The font libraries keep caches for the life of the process; they are
// not leaks of ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\nleak:libpango\nleak:libglib\nleak:libgobject\n"
           "leak:libcairo\nleak:libharfbuzz\nleak:libpixman\nleak:libfreetype\n";
}
// Those suppressions are expected: no report of them on standard error,
// which the script tests compare.
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
#endif
