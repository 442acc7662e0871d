// The pictures that are not cut from a console: pointers, needles, the
// compass card, the speed dial, the warning flag and the attitude faces.
// Pivots, apexes and scale marks sit where the gauge definitions expect
// them; the comments give the gauge pixels that matter.
#include <cmath>
#include <cstdio>

#include "resources/painter/canvas.h"
#include "resources/painter/pictures.h"
#include "resources/painter/widgets.h"

namespace drennomar::painter {
namespace {

using namespace colours;

constexpr double kDeg = M_PI / 180.0;

void MetalFill(cairo_t* cr, double x0, double y0, double x1, double y1) {
    cairo_pattern_t* g = cairo_pattern_create_linear(x0, y0, x1, y1);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.86, 0.86, 0.88);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.44, 0.45, 0.47);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// A mark along the ray at `angle` (clockwise from straight down when
// `from_down`, else from straight up) between radii r0 and r1.
void RadialMark(Canvas& c, double cx, double cy, double angle_deg, double r0, double r1,
                double width, Rgb colour, bool from_down) {
    const double a  = angle_deg * kDeg;
    const double dx = from_down ? -std::sin(a) : std::sin(a);
    const double dy = from_down ? std::cos(a) : -std::cos(a);
    cairo_t* cr     = c.cr();
    c.SetColour(colour);
    cairo_set_line_width(cr, width);
    cairo_move_to(cr, cx + dx * r0, cy + dy * r0);
    cairo_line_to(cr, cx + dx * r1, cy + dy * r1);
    cairo_stroke(cr);
}

}  // namespace

// 6 x 10: apex in column 5, rows 4 and 5 (the flat point of a blunted
// triangle).
Picture PaintMonitorPointer() {
    Canvas c(6, 10);
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 6, 4);
    cairo_line_to(cr, 6, 6);
    cairo_line_to(cr, 0, 10);
    cairo_close_path(cr);
    MetalFill(cr, 0, 0, 0, 10);
    return c.ToPicture(kWindow);
}

// 170 x 170 ring between radii 64 and 82 about (85, 85), marked clockwise
// from N at the top; centre and corners see-through.
Picture PaintCompassCard() {
    Canvas c(170, 170);
    cairo_t* cr = c.cr();
    c.SetColour(kRing);
    cairo_arc(cr, 85, 85, 82, 0, 2 * M_PI);
    cairo_arc_negative(cr, 85, 85, 64, 2 * M_PI, 0);
    cairo_fill(cr);
    for (int deg = 0; deg < 360; deg += 5) {
        const bool ten = deg % 10 == 0;
        RadialMark(c, 85, 85, deg, ten ? 75.5 : 78.5, 82, ten ? 1.2 : 0.9, kScale, false);
    }
    const char* labels[] = {"N", "30",  "60",  "E", "120", "150",
                            "S", "210", "240", "W", "300", "330"};
    for (int i = 0; i < 12; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 85, 85);
        cairo_rotate(cr, i * 30 * kDeg);
        const bool cardinal = i % 3 == 0;
        c.Text(labels[i], 0, -69.5, Font{cardinal ? 10.0 : 8.0, true, true},
               i == 0 ? kHazardYellow : kScale);
        cairo_restore(cr);
    }
    return c.ToPicture(kRing);
}

// 27 x 4 bar pointing right from its pivot (0, 1); columns 0 to 7
// see-through.
Picture PaintSpeedNeedle() {
    Canvas c(27, 4);
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 8, 0);
    cairo_line_to(cr, 23, 0.5);
    cairo_line_to(cr, 27, 1.3);
    cairo_line_to(cr, 27, 2.7);
    cairo_line_to(cr, 23, 3.5);
    cairo_line_to(cr, 8, 4);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 4);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.70, 0.70, 0.66);
    cairo_pattern_add_color_stop_rgb(g, 0.45, 0.97, 0.97, 0.93);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.62, 0.62, 0.58);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    return c.ToPicture(kWindow);
}

// 64 x 50 dial; the needle turns about (32, 39) toward the marks at the
// table's points (11, 24), (19, 15), (32, 12), (44, 15), (53, 24).
Picture PaintSpeedDial() {
    Canvas c(64, 50);
    cairo_t* cr = c.cr();
    c.RoundedRectPath(0, 0, 64, 50, 9);
    cairo_pattern_t* bezel = cairo_pattern_create_linear(0, 0, 64, 50);
    cairo_pattern_add_color_stop_rgb(bezel, 0, 0.40, 0.41, 0.43);
    cairo_pattern_add_color_stop_rgb(bezel, 1, 0.12, 0.13, 0.14);
    cairo_set_source(cr, bezel);
    cairo_fill(cr);
    cairo_pattern_destroy(bezel);
    c.RoundedRectPath(2.5, 2.5, 59, 45, 7);
    c.SetColour(kWindow);
    cairo_fill(cr);

    // Each figure stands beyond its mark; the 20, which would run into its
    // mark at the dial's narrow right end, is raised clear of it.
    struct Point {
        double x, y;
        const char* label;
        double label_x, label_y;
    };
    const Point points[] = {{11, 24, nullptr, 0, 0},
                            {19, 15, "5", 17, 11.3},
                            {32, 12, "10", 32, 7.5},
                            {44, 15, "15", 46.1, 10.8},
                            {53, 24, "20", 55.5, 17}};
    const double px = 32, py = 39;
    double previous = 0;
    for (int i = 0; i < 5; ++i) {
        const double angle = std::atan2(points[i].x - px, py - points[i].y) / kDeg;
        RadialMark(c, px, py, angle, 20, 26.5, 1.3, kScale, false);
        if (i > 0) {
            RadialMark(c, px, py, (angle + previous) / 2, 23, 26.5, 0.9, kScale, false);
        }
        previous = angle;
        if (points[i].label) {
            c.Text(points[i].label, points[i].label_x, points[i].label_y, Font{7, true, true},
                   kScale);
        }
    }
    SlashedText(c, "KM", "HR", 32, 29, Font{6, true, true}, kScale);
    cairo_pattern_t* hub = cairo_pattern_create_radial(31, 38, 0.3, 32, 39, 3.6);
    cairo_pattern_add_color_stop_rgb(hub, 0, 0.92, 0.92, 0.90);
    cairo_pattern_add_color_stop_rgb(hub, 1, 0.35, 0.36, 0.38);
    cairo_set_source(cr, hub);
    cairo_arc(cr, 32, 39, 3.6, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(hub);
    return c.ToPicture(kPanelDark);
}

// 287 x 59. Stowed: only the flag's edge, a grey strip in rows 51 to 58.
// Raised: hazard stripes over the whole area with a dark plate in the
// middle; its dark stripes are dark grey, never the see-through black.
Picture PaintWarningFlag(bool raised) {
    Canvas c(287, 59);
    cairo_t* cr = c.cr();
    if (!raised) {
        cairo_rectangle(cr, 0, 51, 287, 8);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, 51, 0, 59);
        cairo_pattern_add_color_stop_rgb(g, 0, 0.80, 0.80, 0.78);
        cairo_pattern_add_color_stop_rgb(g, 0.4, 0.62, 0.62, 0.61);
        cairo_pattern_add_color_stop_rgb(g, 1, 0.30, 0.30, 0.31);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        for (double x = 8; x < 287; x += 30) c.Screw(x, 55, 2.2);
        return c.ToPicture(kPanelDark);
    }
    c.FillRect(0, 0, 287, 59, kHazardYellow);
    c.SetColour(kHazardDark);
    for (double x = -60; x < 300; x += 24) {
        cairo_move_to(cr, x, 59);
        cairo_line_to(cr, x + 12, 59);
        cairo_line_to(cr, x + 12 + 59, 0);
        cairo_line_to(cr, x + 59, 0);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
    c.FillRect(70, 11, 147, 37, Rgb{120, 122, 124});
    c.FillRect(72, 13, 143, 33, Rgb{36, 38, 42});
    c.Text("TEMPERATURE", 143.5, 22.5, Font{11, true, false}, kHazardYellow);
    c.Text("WARNING", 143.5, 36.5, Font{11, true, false}, kWarningText);
    for (double x : {76.0, 211.0}) {
        c.Screw(x, 17, 2);
        c.Screw(x, 42, 2);
    }
    return c.ToPicture(kHazardDark);
}

// 122 x 139 instrument box. The roll pointer's pivot stands at (53, 49);
// its tip sweeps radii 53 to 69, across the scale near the lower edge:
// centre mark in column 53, marks at 10 and 20 degrees either side.
Picture PaintRollFace() {
    Canvas c(122, 139);
    cairo_t* cr = c.cr();
    c.FillRect(0, 0, 122, 139, Rgb{100, 104, 110});
    c.FillRect(1, 1, 121, 138, Rgb{34, 36, 40});
    c.FillRect(1, 1, 120, 137, kPanelDark);
    c.Text("VEHICLE ATTITUDE", 61, 9, Font{8, true, true}, kLettering);
    c.Text("INDICATOR", 61, 19, Font{8, true, true}, kLettering);
    // The window in which the pointer hangs.
    c.RoundedRectPath(8, 28, 90, 106, 6);
    c.SetColour(kWindow);
    cairo_fill(cr);
    const double px = 53, py = 49;
    cairo_arc(cr, px, py, 72, (90 - 32) * kDeg, (90 + 32) * kDeg);
    cairo_arc_negative(cr, px, py, 52, (90 + 32) * kDeg, (90 - 32) * kDeg);
    c.SetColour(Rgb{42, 46, 52});
    cairo_fill(cr);
    c.FillRect(53, py + 62, 1, 12, kScale);  // centre mark, column 53
    for (int deg : {-20, -10, 10, 20}) {
        const bool twenty = std::abs(deg) == 20;
        RadialMark(c, px + 0.5, py, deg, 62, twenty ? 74 : 71, 1.0, kScale, true);
    }
    const Font numbers{7, true, true};
    for (int deg : {-20, -10, 10, 20}) {
        char text[12];
        std::snprintf(text, sizeof text, "%d", std::abs(deg));
        const double r = std::abs(deg) == 20 ? 80 : 80.5;
        c.Text(text, px + 0.5 - r * std::sin(deg * kDeg), py + r * std::cos(deg * kDeg), numbers,
               kScale);
    }
    c.Text("L", px + 0.5 - 78 * std::sin(32 * kDeg), py + 78 * std::cos(32 * kDeg), numbers,
           kScale);
    c.Text("R", px + 0.5 + 78 * std::sin(32 * kDeg), py + 78 * std::cos(32 * kDeg), numbers,
           kScale);
    c.Text("ROLL", px + 0.5, 90, Font{7.5, true, true}, kLettering);
    // Pivot boss from which the pointer hangs.
    cairo_pattern_t* hub = cairo_pattern_create_radial(px - 1, py - 1, 0.5, px + 0.5, py, 5);
    cairo_pattern_add_color_stop_rgb(hub, 0, 0.90, 0.90, 0.88);
    cairo_pattern_add_color_stop_rgb(hub, 1, 0.30, 0.31, 0.33);
    cairo_set_source(cr, hub);
    cairo_arc(cr, px + 0.5, py, 5, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(hub);
    c.Screw(110, 34, 2.5);
    c.Screw(110, 130, 2.5);
    return c.ToPicture(kPanelDark);
}

// 7 x 70: pivot at (3, 0); see-through except the grey tip, rows 53 to 69,
// narrowing downward.
Picture PaintRollPointer() {
    Canvas c(7, 70);
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 0, 53);
    cairo_line_to(cr, 7, 53);
    cairo_line_to(cr, 4.6, 70);
    cairo_line_to(cr, 2.4, 70);
    cairo_close_path(cr);
    MetalFill(cr, 0, 0, 7, 0);
    return c.ToPicture(kWindow);
}

// 122 x 139, the box from its side: columns 0 to 41 see-through. The pitch
// marker rests with its point at (64, 30): the zero mark is row 30, the 10
// marks 7.5 px and the 20 marks 15 px above (U) and below (D).
Picture PaintPitchFace() {
    Canvas c(122, 139);
    cairo_t* cr = c.cr();
    c.FillRect(42, 0, 80, 139, Rgb{100, 104, 110});
    c.FillRect(43, 1, 79, 138, Rgb{34, 36, 40});
    c.FillRect(43, 1, 78, 137, kPanelDark);
    c.RoundedRectPath(44, 5, 56, 52, 4);
    c.SetColour(kWindow);
    cairo_fill(cr);
    const Font numbers{7, true, true};
    struct Mark {
        double top;  // first pixel row of the mark
        double rows;
        const char* label;
    };
    const Mark marks[] = {
        {15, 1, "20"}, {22, 2, "10"}, {30, 1, nullptr}, {37, 2, "10"}, {45, 1, "20"}};
    for (const Mark& m : marks) {
        // The 10 marks fall between rows and take two; shorter, they weigh
        // no more than the 20 marks.
        const double len = !m.label ? 12 : m.rows > 1 ? 4 : 6;
        c.FillRect(64 - len, m.top, len, m.rows, kScale);
        if (m.label) c.Text(m.label, 58 - len, m.top + m.rows / 2, numbers, kScale);
    }
    c.FillRect(63, 15, 1, 31, Rgb{120, 124, 128});
    c.Text("U", 92, 22.5, Font{8, true, true}, kLettering);
    c.Text("D", 92, 38.5, Font{8, true, true}, kLettering);
    c.Text("PITCH", 82, 67, Font{9, true, true}, kLettering);
    // The box seen from its side: the face plate edge-on at the left, the
    // case behind it, its mounting flange and cable connector.
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 84, 0, 124);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.50, 0.52, 0.55);
    cairo_pattern_add_color_stop_rgb(g, 0.5, 0.34, 0.35, 0.38);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.18, 0.19, 0.21);
    cairo_set_source(cr, g);
    c.RoundedRectPath(56, 86, 46, 36, 3);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    c.FillRect(52, 80, 5, 48, Rgb{168, 170, 174});  // face plate, edge-on
    c.FillRect(51, 80, 1, 48, Rgb{210, 212, 214});
    c.FillRect(66, 83, 3, 42, Rgb{120, 124, 128});  // mounting flange
    c.FillRect(102, 97, 8, 14, Rgb{96, 98, 102});   // connector
    c.FillRect(110, 99, 4, 10, Rgb{70, 72, 76});
    for (double y : {92.0, 104.0, 116.0}) c.FillRect(74, y, 24, 1, Rgb{70, 73, 78});
    c.Screw(60, 132, 2.2);
    c.Screw(106, 132, 2.2);
    return c.ToPicture(kPanelDark);
}

// 17 x 7 wedge pointing left, its point in column 0, row 3.
Picture PaintPitchMarker() {
    Canvas c(17, 7);
    cairo_t* cr = c.cr();
    cairo_move_to(cr, -1.5, 3.5);
    cairo_line_to(cr, 17, 0);
    cairo_line_to(cr, 17, 7);
    cairo_close_path(cr);
    MetalFill(cr, 0, 0, 0, 7);
    return c.ToPicture(kWindow);
}

Picture PaintControl() { return Picture(4, 4); }

}  // namespace drennomar::painter
