#include "resources/painter/canvas.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>

namespace drennomar::painter {
namespace {

// Text settings fixed here rather than taken from the machine's font
// configuration, so that every machine with the same libraries paints the
// same pixels.
void ApplyFontOptions(PangoContext* context) {
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_subpixel_order(options, CAIRO_SUBPIXEL_ORDER_DEFAULT);
    pango_cairo_context_set_font_options(context, options);
    cairo_font_options_destroy(options);
}

PangoLayout* MakeLayout(cairo_t* cr, const std::string& text, Font font) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    ApplyFontOptions(pango_layout_get_context(layout));
    pango_layout_context_changed(layout);
    PangoFontDescription* desc = pango_font_description_new();
    pango_font_description_set_family(desc,
                                      font.narrow ? "Liberation Sans Narrow" : "Liberation Sans");
    pango_font_description_set_weight(desc, font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_absolute_size(desc, font.size_px * PANGO_SCALE);
    pango_layout_set_font_description(layout, desc);
    pango_font_description_free(desc);
    pango_layout_set_text(layout, text.c_str(), int(text.size()));
    return layout;
}

}  // namespace

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GRAY);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void Canvas::SetColour(Rgb c, double alpha) {
    cairo_set_source_rgba(cr_, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
}

void Canvas::FillRect(double x, double y, double w, double h, Rgb c) {
    SetColour(c);
    cairo_rectangle(cr_, x, y, w, h);
    cairo_fill(cr_);
}

void Canvas::RoundedRectPath(double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr_, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr_, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr_, x + r, y + r, r, M_PI, 1.5 * M_PI);
    cairo_close_path(cr_);
}

void Canvas::PixelLine(double x0, double y0, double x1, double y1, Rgb c, double width) {
    SetColour(c);
    cairo_set_line_width(cr_, width);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
    cairo_move_to(cr_, x0 + 0.5, y0 + 0.5);
    cairo_line_to(cr_, x1 + 0.5, y1 + 0.5);
    cairo_stroke(cr_);
}

void Canvas::Text(const std::string& text, double x, double y, Font font, Rgb c, Align align) {
    PangoLayout* layout = MakeLayout(cr_, text, font);
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    double left = x;
    if (align == Align::Centre) left = x - ink.width / 2.0;
    if (align == Align::Right) left = x - ink.width;
    // Whole-pixel origins keep stems on pixel columns, which keeps small
    // labels crisp.
    const double ox = std::round(left - ink.x);
    const double oy = std::round(y - ink.height / 2.0 - ink.y);
    SetColour(c);
    cairo_move_to(cr_, ox, oy);
    pango_cairo_show_layout(cr_, layout);
    cairo_new_path(cr_);
    g_object_unref(layout);
}

double Canvas::TextWidth(const std::string& text, Font font) {
    PangoLayout* layout = MakeLayout(cr_, text, font);
    PangoRectangle ink;
    pango_layout_get_pixel_extents(layout, &ink, nullptr);
    g_object_unref(layout);
    return ink.width;
}

void Canvas::Circle(double cx, double cy, double r, Rgb c) {
    SetColour(c);
    cairo_arc(cr_, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr_);
}

void Canvas::Screw(double cx, double cy, double r) {
    cairo_pattern_t* dome = cairo_pattern_create_radial(cx - r / 3, cy - r / 3, 0, cx, cy, r);
    cairo_pattern_add_color_stop_rgb(dome, 0, 0.80, 0.80, 0.78);
    cairo_pattern_add_color_stop_rgb(dome, 1, 0.38, 0.39, 0.40);
    cairo_set_source(cr_, dome);
    cairo_arc(cr_, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr_);
    cairo_pattern_destroy(dome);
    SetColour(Rgb{40, 40, 42});
    cairo_set_line_width(cr_, 0.8);
    cairo_move_to(cr_, cx - r * 0.7, cy + r * 0.3);
    cairo_line_to(cr_, cx + r * 0.7, cy - r * 0.3);
    cairo_stroke(cr_);
}

Picture Canvas::ToPicture(Rgb backdrop) const {
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride          = cairo_image_surface_get_stride(surface_);
    Picture p(width_, height_);
    for (int y = 0; y < height_; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + size_t(y) * stride);
        for (int x = 0; x < width_; ++x) {
            const std::uint32_t px = row[x];
            const int a = int(px >> 24), r = int(px >> 16) & 255, g = int(px >> 8) & 255,
                      b = int(px) & 255;
            if (a < 128) continue;
            // Premultiplied colour over the backdrop.
            auto over = [a](int premul, int back) {
                return std::uint8_t(std::min(255, premul + (back * (255 - a) + 127) / 255));
            };
            Rgb c{over(r, backdrop.r), over(g, backdrop.g), over(b, backdrop.b)};
            if (c == kSeeThrough) c = Rgb{1, 1, 1};
            p.At(x, y) = c;
            p.SetOpaque(x, y, true);
        }
    }
    return p;
}

Picture Picture::Cut(int x0, int y0, int w, int h) const {
    Picture out(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            out.At(x, y) = At(x0 + x, y0 + y);
            out.SetOpaque(x, y, IsOpaque(x0 + x, y0 + y));
        }
    }
    return out;
}

}  // namespace drennomar::painter
