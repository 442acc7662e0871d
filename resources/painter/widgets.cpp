#include "resources/painter/widgets.h"

#include <cmath>

namespace drennomar::painter {
namespace {

void LinearMetal(cairo_t* cr, double x0, double y0, double x1, double y1, double lo, double hi) {
    cairo_pattern_t* g = cairo_pattern_create_linear(x0, y0, x1, y1);
    cairo_pattern_add_color_stop_rgb(g, 0.0, lo, lo, lo + 0.01);
    cairo_pattern_add_color_stop_rgb(g, 0.45, hi, hi, hi + 0.01);
    cairo_pattern_add_color_stop_rgb(g, 1.0, lo * 0.8, lo * 0.8, lo * 0.8 + 0.01);
    cairo_set_source(cr, g);
    cairo_pattern_destroy(g);
}

void Bushing(Canvas& c, double cx, double cy, double r) {
    cairo_t* cr = c.cr();
    // Shadow on the plate, then the hexagon nut, then the threaded bushing.
    c.SetColour(colours::kPanelDark, 0.8);
    cairo_arc(cr, cx + 1.2, cy + 1.4, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_new_path(cr);
    for (int i = 0; i < 6; ++i) {
        const double a = M_PI / 6 + i * M_PI / 3;
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
    LinearMetal(cr, cx - r, cy - r, cx + r, cy + r, 0.30, 0.62);
    cairo_fill_preserve(cr);
    c.SetColour(Rgb{30, 32, 35});
    cairo_set_line_width(cr, 0.7);
    cairo_stroke(cr);
    cairo_pattern_t* g =
        cairo_pattern_create_radial(cx - r * 0.25, cy - r * 0.25, 0, cx, cy, r * 0.6);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.55, 0.56, 0.58);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.20, 0.21, 0.23);
    cairo_set_source(cr, g);
    cairo_arc(cr, cx, cy, r * 0.6, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

}  // namespace

void BlockFrame(Canvas& c, double x, double y, double w, double h, const std::string& title) {
    cairo_t* cr = c.cr();
    c.SetColour(colours::kBlockLine);
    cairo_set_line_width(cr, 1.0);
    c.RoundedRectPath(x + 0.5, y + 0.5, w - 1, h - 1, 3);
    cairo_stroke(cr);
    if (title.empty()) return;
    const Font font{8, true, true};
    const double tw = c.TextWidth(title, font);
    c.FillRect(std::floor(x + w / 2 - tw / 2 - 3), y - 1, std::ceil(tw + 6), 3, colours::kPanel);
    c.Text(title, x + w / 2, y + 1, font, colours::kLettering);
}

void Recess(Canvas& c, double x, double y, double w, double h, Rgb inside) {
    c.FillRect(x - 1, y - 1, w + 2, h + 2, colours::kPanelLight);
    c.FillRect(x - 1, y - 1, w + 1, h + 1, colours::kPanelDark);
    c.FillRect(x, y, w, h, inside);
}

void ToggleLever(Canvas& c, double cx, double cy, double length, LeverAt at) {
    cairo_t* cr     = c.cr();
    const double r  = length * 0.55;
    const double dy = at == LeverAt::Up ? -length : at == LeverAt::Down ? length : 0;
    const double tx = cx, ty = cy + dy;
    Bushing(c, cx, cy, r);
    if (at == LeverAt::Centre) {
        // Seen end-on: only the ball shows on the bushing.
    } else {
        // Shadow of the lever on the plate. The round cap is this stroke's
        // alone: later strokes (screw slots, slashes) keep the default cap,
        // so the 2D and VC consoles paint them alike.
        cairo_save(cr);
        c.SetColour(colours::kPanelDark, 0.7);
        cairo_set_line_width(cr, 2.6);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_move_to(cr, cx + 2, cy + 2);
        cairo_line_to(cr, tx + 2.5, ty + 2.5);
        cairo_stroke(cr);
        cairo_restore(cr);
        // The tapered shaft.
        const double half_base = 1.8, half_tip = 1.1;
        cairo_move_to(cr, cx - half_base, cy);
        cairo_line_to(cr, tx - half_tip, ty);
        cairo_line_to(cr, tx + half_tip, ty);
        cairo_line_to(cr, cx + half_base, cy);
        cairo_close_path(cr);
        LinearMetal(cr, cx - half_base, 0, cx + half_base, 0, 0.45, 0.92);
        cairo_fill(cr);
    }
    cairo_pattern_t* ball =
        cairo_pattern_create_radial(tx - 0.9, ty - 0.9, 0.2, tx, ty, length * 0.24 + 0.6);
    cairo_pattern_add_color_stop_rgb(ball, 0, 0.98, 0.98, 0.96);
    cairo_pattern_add_color_stop_rgb(ball, 1, 0.42, 0.43, 0.45);
    cairo_set_source(cr, ball);
    cairo_arc(cr, tx, ty, length * 0.24 + 0.6, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(ball);
}

void BatLever(Canvas& c, double cx, double cy, double length, bool up) {
    cairo_t* cr        = c.cr();
    const double sign  = up ? -1 : 1;
    const double tip_y = cy + sign * length;
    Bushing(c, cx, cy, 8);
    c.SetColour(colours::kPanelDark, 0.7);
    cairo_rectangle(cr, cx - 4 + 3, std::min(cy, tip_y) + 3, 8, std::abs(tip_y - cy));
    cairo_fill(cr);
    // Shaft, widening into the flat bat-shaped paddle.
    const double paddle = length * 0.45;
    const double p0     = tip_y - sign * paddle;
    cairo_move_to(cr, cx - 2, cy);
    cairo_line_to(cr, cx - 2, p0);
    cairo_curve_to(cr, cx - 2, p0 + sign * paddle * 0.3, cx - 5.5, p0 + sign * paddle * 0.3,
                   cx - 5.5, p0 + sign * paddle * 0.6);
    cairo_line_to(cr, cx - 5.5, tip_y - sign * 2.5);
    cairo_curve_to(cr, cx - 5.5, tip_y, cx + 5.5, tip_y, cx + 5.5, tip_y - sign * 2.5);
    cairo_line_to(cr, cx + 5.5, p0 + sign * paddle * 0.6);
    cairo_curve_to(cr, cx + 5.5, p0 + sign * paddle * 0.3, cx + 2, p0 + sign * paddle * 0.3, cx + 2,
                   p0);
    cairo_line_to(cr, cx + 2, cy);
    cairo_close_path(cr);
    LinearMetal(cr, cx - 5.5, 0, cx + 5.5, 0, 0.40, 0.90);
    cairo_fill_preserve(cr);
    c.SetColour(Rgb{48, 50, 54});
    cairo_set_line_width(cr, 0.6);
    cairo_stroke(cr);
    // Grip ridges across the paddle.
    for (int i = 0; i < 3; ++i) {
        const double y = tip_y - sign * (3.5 + 2.2 * i);
        c.SetColour(Rgb{96, 98, 102});
        cairo_set_line_width(cr, 0.7);
        cairo_move_to(cr, cx - 3.8, y);
        cairo_line_to(cr, cx + 3.8, y);
        cairo_stroke(cr);
    }
    Bushing(c, cx, cy, 4.2);
}

void SlashedText(Canvas& c, const std::string& before, const std::string& after, double cx,
                 double cy, Font font, Rgb colour) {
    const double km = c.TextWidth(before, font), hr = c.TextWidth(after, font);
    const double slash = std::round(font.size_px * 0.5), gap = 1;
    const double left = std::round(cx - (km + hr + slash + 2 * gap) / 2);
    const double cap  = std::round(font.size_px * 0.72);
    c.Text(before, left, cy, font, colour, Align::Left);
    c.Text(after, left + km + slash + 2 * gap, cy, font, colour, Align::Left);
    // The text's ink is centred on cy; so is the slash.
    const double x0 = left + km + gap, y0 = std::round(cy - cap / 2);
    cairo_t* cr = c.cr();
    c.SetColour(colour);
    cairo_set_line_width(cr, 1.0);
    cairo_move_to(cr, x0, y0 + cap);
    cairo_line_to(cr, x0 + slash, y0);
    cairo_stroke(cr);
}

void PushButton(Canvas& c, double cx, double cy, double r) {
    cairo_t* cr = c.cr();
    c.SetColour(colours::kPanelDark, 0.9);
    cairo_arc(cr, cx + 1.2, cy + 1.5, r + 1.5, 0, 2 * M_PI);
    cairo_fill(cr);
    LinearMetal(cr, cx - r, cy - r, cx + r, cy + r, 0.28, 0.66);
    cairo_arc(cr, cx, cy, r + 1.5, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_t* cap = cairo_pattern_create_radial(cx - r / 3, cy - r / 3, 0, cx, cy, r);
    cairo_pattern_add_color_stop_rgb(cap, 0, 0.36, 0.38, 0.42);
    cairo_pattern_add_color_stop_rgb(cap, 1, 0.13, 0.14, 0.16);
    cairo_set_source(cr, cap);
    cairo_arc(cr, cx, cy, r - 0.5, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(cap);
    c.SetColour(Rgb{150, 152, 156}, 0.6);
    cairo_set_line_width(cr, 0.8);
    cairo_arc(cr, cx, cy, r - 1.6, M_PI * 1.05, M_PI * 1.6);
    cairo_stroke(cr);
}

}  // namespace drennomar::painter
