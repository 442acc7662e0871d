// The two consoles: the rover's whole control and display panel, with the
// compass face, the monitor faces and the three selector switches painted
// in at the places where their gauges line up (resources/console_layout.h).
//
// [SECTION] Compass face
// [SECTION] Monitor faces
// [SECTION] Selector switches
// [SECTION] Console blocks
#include <cmath>
#include <string>

#include "resources/console_layout.h"
#include "resources/painter/canvas.h"
#include "resources/painter/pictures.h"
#include "resources/painter/widgets.h"

namespace drennomar::painter {
namespace {

using namespace colours;

const Font kLabel{7.5, true, true};
const Font kSmall{6.5, true, true};
const Font kTitle{8, true, true};

// Moves the origin to a gauge's place for the length of a scope.
struct Origin {
    cairo_t* cr;
    Origin(Canvas& c, double x, double y) : cr(c.cr()) {
        cairo_save(cr);
        cairo_translate(cr, x, y);
    }
    ~Origin() { cairo_restore(cr); }
};

//-----------------------------------------------------------------------------
// [SECTION] Compass face
//-----------------------------------------------------------------------------

// The round rim of the compass place (170 x 170, centre (85, 85)), shaded
// diagonally from the top-left colour to the bottom-right one.
void DialRim(cairo_t* cr, double r0, double g0, double b0, double r1, double g1, double b1) {
    cairo_pattern_t* rim = cairo_pattern_create_linear(0, 0, 170, 170);
    cairo_pattern_add_color_stop_rgb(rim, 0, r0, g0, b0);
    cairo_pattern_add_color_stop_rgb(rim, 1, r1, g1, b1);
    cairo_set_source(cr, rim);
    cairo_arc(cr, 85, 85, 84.6, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(rim);
}

// The HeadingCompass dial in its own pixels (170 x 170, centre (85, 85)).
// The card (0x1900) covers radii 64 to 82; the face shows a plain dark ring
// there.
void CompassFace(Canvas& c) {
    cairo_t* cr = c.cr();
    DialRim(cr, 0.62, 0.63, 0.65, 0.20, 0.21, 0.23);  // lit from the top left
    c.Circle(85, 85, 82.5, kRing);
    cairo_pattern_t* face = cairo_pattern_create_radial(72, 62, 4, 85, 85, 64);
    cairo_pattern_add_color_stop_rgb(face, 0, 0.40, 0.46, 0.52);
    cairo_pattern_add_color_stop_rgb(face, 1, kFace.r / 255.0, kFace.g / 255.0, kFace.b / 255.0);
    cairo_set_source(cr, face);
    cairo_arc(cr, 85, 85, 63.6, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(face);

    // The fixed heading marker, its point against the card's inner edge.
    cairo_move_to(cr, 85, 22);
    cairo_line_to(cr, 91, 33);
    cairo_line_to(cr, 79, 33);
    cairo_close_path(cr);
    c.SetColour(kNeedle);
    cairo_fill(cr);

    // BEARING: three digit cells. The read-out's box starts at x = 70 and
    // runs past the dial's right edge; the text is centred in the part of
    // the box on the dial, x = 70 to 169, so the cells are centred on 120.
    c.Text("BEARING", 120, 43, kLabel, kLettering);
    Recess(c, 105, 50, 30, 15, kWindow);
    for (int x : {115, 125}) c.FillRect(x, 50, 1, 15, Rgb{52, 56, 60});
    c.Text("DEG", 101, 57.5, kSmall, kLettering, Align::Right);
    // DISTANCE and RANGE windows under their labels.
    c.Text("DISTANCE", 76, 79, kLabel, kLettering);
    Recess(c, 56, 87, 40, 15, kWindow);
    c.Text("RANGE", 123, 79, kLabel, kLettering);
    Recess(c, 104, 87, 39, 15, kWindow);
    c.Text("KM", 76, 109, kLabel, kLettering);
    c.Text("KM", 123, 109, kLabel, kLettering);
    c.Screw(85, 128, 3);
}

// The virtual cockpit's compass place: an empty dark opening the size of the
// dial, in which that cockpit's own compass turns.
void CompassOpening(Canvas& c) {
    cairo_t* cr = c.cr();
    DialRim(cr, 0.14, 0.15, 0.17, 0.40, 0.42, 0.45);  // sunk: dark at the top left
    c.Circle(85, 85, 81.5, Rgb{12, 13, 15});
}

//-----------------------------------------------------------------------------
// [SECTION] Monitor faces
//-----------------------------------------------------------------------------

// One meter of SliderGauges, in gauge pixels: its window, the columns its
// pointer apexes touch and the row of each value on its scale.
struct Meter {
    int window_left, window_right;
    int left_apex, right_apex;  // columns of the pointers' apexes
    double top_value, top_row;  // row centres: a 1-px mark on row r is centred on r + 0.5
    double zero_value, zero_row;
    double mark_step, label_step;
    double bracket_from, bracket_to;
    double first_mark;  // lowest marked value
    bool volts_brackets;
    double Row(double v) const {
        return top_row + (top_value - v) * (zero_row - top_row) / (top_value - zero_value);
    }
};

constexpr int kWindowTop = 7, kWindowBottom = 109;

const Meter kMeters[] = {
    // charge: 120 on row 19, 0 across rows 88-89, one more mark below 0
    {9, 42, 18, 33, 120, 19.5, 0, 89.0, 10, 20, 0, 120, -10, false},
    // volts/amps: 100 across rows 19-20, 0 on row 99
    {59, 93, 68, 83, 100, 20.0, 0, 99.5, 10, 20, 60, 80, 0, true},
    // battery temperature: 180 on row 19, 0 across rows 99-100
    {178, 211, 187, 202, 180, 19.5, 0, 100.0, 10, 20, 40, 140, 0, false},
    // motor temperature: 500 on row 19, 200 across rows 99-100
    {229, 262, 237, 252, 500, 19.5, 200, 100.0, 25, 50, 200, 450, 200, false},
};

void Bracket(Canvas& c, double x, double y0, double y1, double inward) {
    cairo_t* cr = c.cr();
    c.SetColour(kBracket);
    cairo_set_line_width(cr, 1.0);
    cairo_move_to(cr, x + inward, y0);
    cairo_line_to(cr, x + 0.5, y0);
    cairo_line_to(cr, x + 0.5, y1);
    cairo_line_to(cr, x + inward, y1);
    cairo_stroke(cr);
}

void MonitorFaces(Canvas& c) {
    const Font numbers{5.8, true, true};
    for (const Meter& m : kMeters) {
        Recess(c, m.window_left, kWindowTop, m.window_right - m.window_left + 1,
               kWindowBottom - kWindowTop + 1, kWindow);
        const double centre = (m.left_apex + 1 + m.right_apex) / 2.0;
        for (double v = m.first_mark; v <= m.top_value + 1e-9; v += m.mark_step) {
            const bool major = std::fmod(v - m.zero_value + 1000 * m.label_step, m.label_step) == 0;
            const double len = 2;
            const double y   = m.Row(v);
            // Marks touch the apex columns: left from left_apex + 1, right
            // up to right_apex - 1.
            c.FillRect(m.left_apex + 1, y - 0.5, len, 1, kScale);
            c.FillRect(m.right_apex - len, y - 0.5, len, 1, kScale);
            if (major) {
                char text[8];
                std::snprintf(text, sizeof text, "%d", int(v));
                c.Text(text, centre, y, numbers, kScale);
            }
        }
        // Normal ranges: a bracket just inside each window edge.
        const double y0 = m.Row(m.bracket_to), y1 = m.Row(m.bracket_from);
        const double lx = m.window_left + 1, rx = m.window_right - 2;
        if (m.volts_brackets) {
            const double mid = (y0 + y1) / 2;
            Bracket(c, lx, y0, mid - 4, 2);
            Bracket(c, lx, mid + 4, y1, 2);
            Bracket(c, rx, y0, mid - 4, -1);
            Bracket(c, rx, mid + 4, y1, -1);
            c.Text("V", lx + 1.5, mid, Font{5.5, true, true}, kBracket);
            c.Text("V", rx + 1, mid, Font{5.5, true, true}, kBracket);
        } else {
            Bracket(c, lx, y0, y1, 2);
            Bracket(c, rx, y0, y1, -1);
        }
    }
    // Charge meter: the extra mark below 0 carries the reserve figure.
    const Meter& charge = kMeters[0];
    c.Text("15", (charge.left_apex + 1 + charge.right_apex) / 2.0, charge.Row(-10), numbers,
           kScale);
    for (double x : {6.0, 52.0, 221.0, 266.0}) c.Screw(x, 114, 2.2);
}

//-----------------------------------------------------------------------------
// [SECTION] Selector switches
//-----------------------------------------------------------------------------

// The lever of both selectors, inside their 32 x 32 click box: short
// enough that the ball, thrown up, stays clear of the label above it.
void SelectorLever(Canvas& c, ConsoleStyle style, bool up) {
    if (style == ConsoleStyle::Cockpit2D) {
        ToggleLever(c, 16, 20, 8, up ? LeverAt::Up : LeverAt::Down);
    } else {
        PushButton(c, 16, 20, 7);
    }
}

// SwitchesMotorTemp, 49 x 78 in its own pixels: lever in the top-left
// 32 x 32, FORWARD above it and REAR below; the BATTERY heading of the next
// selector at the bottom.
void MotorSelector(Canvas& c, ConsoleStyle style, bool up) {
    c.Text("FORWARD", 16, 5, kSmall, kLettering);
    SelectorLever(c, style, up);
    c.Text("REAR", 16, 41, kSmall, kLettering);
    c.FillRect(2, 52, 45, 1, kBlockLine);
    c.Text("BATTERY", 20, 68, kLabel, kLettering);
}

// SwitchesBattery, 51 x 75: lever in the top-left 32 x 32, VOLTS X 1/2
// above it and AMPS below.
void BatterySelector(Canvas& c, ConsoleStyle style, bool up) {
    SlashedText(c, "VOLTS X 1", "2", 20, 5, kSmall, kLettering);
    SelectorLever(c, style, up);
    c.Text("AMPS", 16, 41, kSmall, kLettering);
    c.Screw(16, 62, 2.2);
}

// SwitchesReset, 63 x 140: guarded bat-handle lever in the top-left 42 x 72,
// OFF below it, and what it resets listed underneath.
void ResetSwitch(Canvas& c, ConsoleStyle style, bool up) {
    cairo_t* cr = c.cr();
    // Guard rails either side of the lever.
    for (double x : {5.0, 37.0}) {
        cairo_pattern_t* g = cairo_pattern_create_linear(x - 1.5, 0, x + 1.5, 0);
        cairo_pattern_add_color_stop_rgb(g, 0, 0.35, 0.36, 0.38);
        cairo_pattern_add_color_stop_rgb(g, 0.5, 0.85, 0.86, 0.87);
        cairo_pattern_add_color_stop_rgb(g, 1, 0.30, 0.31, 0.33);
        cairo_set_source(cr, g);
        c.RoundedRectPath(x - 1.5, 10, 3, 53, 1.5);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        c.Screw(x, 10, 2.3);
        c.Screw(x, 63, 2.3);
    }
    if (style == ConsoleStyle::Cockpit2D) {
        BatLever(c, 21, 36, 28, up);
    } else {
        PushButton(c, 21, 36, 12);
    }
    c.Text("OFF", 21, 76, kLabel, kLettering);
    cairo_save(cr);
    cairo_translate(cr, 52, 36);
    cairo_rotate(cr, -M_PI / 2);
    c.Text("RESET", 0, 0, kLabel, kLettering);
    cairo_restore(cr);
    cairo_set_line_width(cr, 1);
    c.SetColour(kBlockLine);
    c.RoundedRectPath(6.5, 88.5, 49, 42, 2);
    cairo_stroke(cr);
    c.Text("BRG", 31, 99, kSmall, kLettering);
    c.Text("DIST", 31, 109.5, kSmall, kLettering);
    c.Text("RANGE", 31, 120, kSmall, kLettering);
}

//-----------------------------------------------------------------------------
// [SECTION] Console blocks
//-----------------------------------------------------------------------------

void Switch(Canvas& c, ConsoleStyle style, double x, double y, double length, LeverAt at) {
    if (style == ConsoleStyle::Cockpit2D) {
        ToggleLever(c, x, y, length, at);
    } else {
        PushButton(c, x, y, length * 0.7);
    }
}

void Plate(Canvas& c) {
    cairo_t* cr = c.cr();
    c.RoundedRectPath(5, 5, 490, 590, 14);
    c.SetColour(kPanel);
    cairo_fill(cr);
    cairo_set_line_width(cr, 1);
    c.SetColour(kPanelLight);
    c.RoundedRectPath(6.5, 6.5, 487, 587, 13);
    cairo_stroke(cr);
}

void HeadingBlock(Canvas& c, ConsoleStyle style) {
    BlockFrame(c, 16, 16, 198, 222, "HEADING");
    c.Screw(26, 30);
    c.Screw(204, 30);
    Origin o(c, kPlaceHeadingCompass.x, kPlaceHeadingCompass.y);
    if (style == ConsoleStyle::Cockpit2D) {
        CompassFace(c);
    } else {
        CompassOpening(c);
    }
}

void SpeedBlock(Canvas& c) {
    BlockFrame(c, 220, 16, 94, 112, "SPEED");
    const auto [x, y] = kPlaceSpeed;
    // The empty window frame in which the Speed dial sits.
    c.FillRect(x - 5, y - 5, 74, 60, kPanelLight);
    c.FillRect(x - 4, y - 4, 73, 59, kPanelDark);
    c.FillRect(x - 3, y - 3, 70, 56, Rgb{24, 26, 29});
    SlashedText(c, "KM", "HR", x + 32, y + 62, kSmall, kLettering);
}

void NavAndGyroBlocks(Canvas& c, ConsoleStyle style) {
    BlockFrame(c, 220, 134, 94, 100, "NAV POWER");
    c.Text("ON", 267, 156, kLabel, kLettering);
    Switch(c, style, 267, 184, 10, LeverAt::Up);
    c.Text("OFF", 267, 212, kLabel, kLettering);

    BlockFrame(c, 320, 134, 98, 100, "GYRO TORQUING");
    c.Text("LEFT", 343, 172, kLabel, kLettering);
    c.Text("RIGHT", 395, 172, kLabel, kLettering);
    Switch(c, style, 369, 180, 10, LeverAt::Down);
    c.Text("OFF", 369, 212, kLabel, kLettering);
}

void PowerBlock(Canvas& c, ConsoleStyle style) {
    BlockFrame(c, 320, 16, 170, 112, "POWER");
    const char* row1[] = {"AUX", "BUS A", "BUS B", "BUS C", "BUS D"};
    for (int i = 0; i < 5; ++i) {
        const double x = 338 + 32 * i;
        c.Text(row1[i], x, 31, kSmall, kLettering);
        Switch(c, style, x, 52, 8, i == 0 ? LeverAt::Down : LeverAt::Up);
    }
    c.FillRect(326, 70, 158, 1, Rgb{110, 114, 118});
    c.Text("BAT 1", 346, 80, kSmall, kLettering);
    c.Text("BAT 2", 382, 80, kSmall, kLettering);
    Switch(c, style, 346, 100, 8, LeverAt::Up);
    Switch(c, style, 382, 100, 8, LeverAt::Up);
    c.Text("\u00B115 VDC", 450, 80, kSmall, kLettering);
    c.Text("PRIM", 427, 100, kSmall, kLettering);
    c.Text("SEC", 474, 100, kSmall, kLettering);
    Switch(c, style, 450, 97, 7, LeverAt::Up);
    c.Text("OFF", 450, 118, kSmall, kLettering);
}

void ResetBlock(Canvas& c, ConsoleStyle style, bool up) {
    BlockFrame(c, 423, 134, 68, 172, "");
    c.Text("SYSTEM", 457, 143, kTitle, kLettering);
    c.Text("RESET", 457, 153, kTitle, kLettering);
    Origin o(c, kPlaceSwitchesReset.x, kPlaceSwitchesReset.y);
    ResetSwitch(c, style, up);
}

void MonitorBlock(Canvas& c, ConsoleStyle style, ConsoleSwitches s) {
    BlockFrame(c, 139, 240, 281, 206, "POWER / TEMPERATURE MONITOR");
    const auto [gx, gy] = kPlaceSliderGauges;
    struct Heading {
        const char* text;
        const char* sides[2];
        int meter;
    };
    const Heading headings[] = {
        {"AMP-HR", {"1", "2"}, 0},
        {"VOLTS / AMPS", {"1", "2"}, 1},
        {"BATTERY \u00B0F", {"1", "2"}, 2},
        {"MOTOR \u00B0F", {"L", "R"}, 3},
    };
    for (const Heading& h : headings) {
        const Meter& m = kMeters[h.meter];
        c.Text(h.text, gx + (m.window_left + m.window_right + 1) / 2.0, 256, kLabel, kLettering);
        // Side figures over the pointers: left pointer's body ends at its
        // apex, the right one starts at its apex.
        c.Text(h.sides[0], gx + m.left_apex - 2, 267, kSmall, kLettering);
        c.Text(h.sides[1], gx + m.right_apex + 3, 267, kSmall, kLettering);
    }
    c.Text("SELECT", 288, 260, kLabel, kLettering);
    c.Text("MOTOR TEMP", 288, 271, kLabel, kLettering);
    {
        Origin o(c, gx, gy);
        MonitorFaces(c);
    }
    {
        Origin o(c, kPlaceSwitchesMotorTemp.x, kPlaceSwitchesMotorTemp.y);
        MotorSelector(c, style, s.motor_up);
    }
    {
        Origin o(c, kPlaceSwitchesBattery.x, kPlaceSwitchesBattery.y);
        BatterySelector(c, style, s.battery_up);
    }
    // PWM SELECT under the charge and volts meters.
    c.Text("PWM SELECT", 205, 405, kLabel, kLettering);
    c.Text("1", 186, 428, kSmall, kLettering);
    c.Text("2", 224, 428, kSmall, kLettering);
    Switch(c, style, 205, 428, 8, LeverAt::Up);
    c.Screw(346, 420);
    c.Screw(404, 420);
}

void AttitudeBlock(Canvas& c) {
    BlockFrame(c, 8, 244, 128, 202, "ATTITUDE");
    const auto [x, y] = kPlaceAttitude;
    c.FillRect(x - 2, y - 2, 126, 143, kPanelLight);
    c.FillRect(x - 2, y - 2, 125, 142, kPanelDark);
    c.FillRect(x, y, 122, 139, Rgb{28, 30, 34});
    c.Screw(24, 428);
    c.Screw(120, 428);
}

void WarningSlot(Canvas& c) {
    const auto [x, y] = kPlaceSwitchesWarning;
    Recess(c, x, y, 287, 59, kPanelDark);
    c.Text("TEMPERATURE WARNING", x + 143.5, y + 26, Font{10, true, false}, Rgb{74, 79, 86});
}

void BottomBlocks(Canvas& c, ConsoleStyle style) {
    BlockFrame(c, 312, 452, 178, 68, "DRIVE ENABLE");
    const char* wheels[] = {"LF", "RF", "LR", "RR"};
    for (int i = 0; i < 4; ++i) {
        const double x = 340 + 40 * i;
        c.Text(wheels[i], x, 467, kLabel, kLettering);
        Switch(c, style, x, 493, 9, LeverAt::Up);
    }

    BlockFrame(c, 8, 526, 190, 64, "STEERING");
    c.Text("FORWARD", 60, 541, kLabel, kLettering);
    c.Text("REAR", 146, 541, kLabel, kLettering);
    Switch(c, style, 60, 566, 9, LeverAt::Up);
    Switch(c, style, 146, 566, 9, LeverAt::Up);

    BlockFrame(c, 204, 526, 286, 64, "DRIVE POWER");
    for (int i = 0; i < 4; ++i) {
        const double x = 236 + 56 * i;
        c.Text(wheels[i], x, 541, kLabel, kLettering);
        Switch(c, style, x, 566, 9, i < 2 ? LeverAt::Up : LeverAt::Down);
    }
    c.Text("PRIM", 468, 550, kSmall, kLettering);
    c.Text("OFF", 468, 566, kSmall, kLettering);
    c.Text("SEC", 468, 582, kSmall, kLettering);
}

}  // namespace

Picture PaintConsole(ConsoleStyle style, ConsoleSwitches switches) {
    Canvas c(500, 600);
    Plate(c);
    HeadingBlock(c, style);
    SpeedBlock(c);
    NavAndGyroBlocks(c, style);
    PowerBlock(c, style);
    ResetBlock(c, style, switches.reset_up);
    MonitorBlock(c, style, switches);
    AttitudeBlock(c);
    WarningSlot(c);
    BottomBlocks(c, style);
    return c.ToPicture(kPanel);
}

}  // namespace drennomar::painter
