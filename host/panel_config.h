// Panel configurations in the simulator's own format (panel.cfg).
//
// A configuration names the panel's windows and puts gauges on them:
//
//   [Window Titles]
//   Window00=Main Panel
//
//   [Window00]
//   size_mm=500,600            // design size: the units of every gauge line
//   Background_color=0,0,0     // or file=console.bmp
//   position=7
//   visible=1
//   ident=MAIN_PANEL
//   window_size=0.5,1.0
//   window_pos=0.0,0.0
//   gauge00=Drennomar!Background, 0, 0
//   gauge01=Drennomar!HeadingCompass, 30, 60[, w[, h]]
//
//   [Vcockpit01]               // a texture the virtual cockpit wears
//   size_mm=640,600
//   pixel_size=640,600
//   texture=$Drennomar_VC
//   Background_color=0,0,0
//   gauge00=Drennomar!BackgroundVC, 0, 0
//
// Reading is tolerant in the ways users' files need: section names and keys
// in any case, blanks around values and around the parts of a gauge
// reference, a size given as one value, gaps in gauge numbers, `//` and `;`
// comments. What the panel does not use is a warning; what it cannot make
// sense of is an error. Both are `FILE:LINE: text` (line 0: the file as a
// whole). Numbers are read whole and range-checked, never wrapped.
//
// [SECTION] What a configuration holds
// [SECTION] Reading
// [SECTION] Placing a configuration on a panel
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/panel_host.h"

namespace drennomar::host {

//-----------------------------------------------------------------------------
// [SECTION] What a configuration holds
//-----------------------------------------------------------------------------

/// One gauge line: `gaugeNN=Module!Name, x, y[, w[, h]]`, in design units.
struct ConfigGauge {
    int number = 0;      // the NN of gaugeNN; gauges are drawn in this order
    std::string module;  // as written, blanks trimmed
    std::string name;
    SINT32 x      = 0;
    SINT32 y      = 0;
    SINT32 width  = 0;  // 0: not given (the gauge's default width)
    SINT32 height = 0;  // 0: not given (follows from the width)
    int line      = 0;  // where it was read; not part of the panel's meaning
};

/// One `[WindowNN]` or `[VcockpitNN]` section.
struct ConfigWindow {
    std::string section;  // as written in the file, e.g. "Window00"
    WindowKind kind = WindowKind::kPanel2D;
    int number      = 0;             // NN
    std::string title;               // from [Window Titles]; "" for none
    SINT32 size_x              = 0;  // size_mm: design units; 0: not given
    SINT32 size_y              = 0;  // 0: not given (a one-value size)
    SINT32 pixel_x             = 0;  // pixel_size (virtual cockpit); 0: as size_mm
    SINT32 pixel_y             = 0;
    bool has_background_colour = false;
    RgbColour background;
    std::string file;                    // file= background picture
    std::string texture;                 // texture= of a virtual cockpit
    int position = -1;                   // 0 to 8; -1: not given
    int visible  = 1;                    // 0 or 1
    std::string ident;                   // as written
    double window_size[2] = {0.0, 0.0};  // fractions of the screen; 0: not given
    double window_pos[2]  = {0.0, 0.0};
    bool has_window_size  = false;
    bool has_window_pos   = false;
    std::vector<ConfigGauge> gauges;  // sorted by number
    int line = 0;                     // the section's header line
};

struct PanelConfig {
    std::string file;                   // the name used in messages
    std::vector<ConfigWindow> windows;  // in the order the file defines them
};

/// What reading (or placing) a configuration found.
struct ConfigReport {
    std::vector<std::string> warnings;  // "FILE:LINE: warning: ..."
    std::vector<std::string> errors;    // "FILE:LINE: ..."
    bool Ok() const { return errors.empty(); }
};

/// Describes how `a` and `b` differ as panels (windows, their settings and
/// their gauges; file names and line numbers aside), or "" if they do not.
std::string PanelDifference(const PanelConfig& a, const PanelConfig& b);

//-----------------------------------------------------------------------------
// [SECTION] Reading
//-----------------------------------------------------------------------------

/// Reads configuration text; `file` names it in messages.
PanelConfig ParsePanelConfig(std::string_view text, std::string_view file, ConfigReport* report);

/// Reads the configuration file at `path`. An unreadable file is an error.
PanelConfig ReadPanelConfig(const std::string& path, ConfigReport* report);

//-----------------------------------------------------------------------------
// [SECTION] Placing a configuration on a panel
//-----------------------------------------------------------------------------

/// Adds the configuration's windows to `panel` and places its gauges, in
/// gauge-number order per window. Every gauge reference is checked first
/// (module name without regard to case; gauge name without regard to case
/// or blanks): on any unknown module or gauge nothing is placed and each is
/// an error at its line. A virtual cockpit's gauges are scaled from its
/// design size to its pixel size. Returns whether the panel was placed.
bool PlacePanelConfig(PanelHost& panel, const PanelConfig& config, ConfigReport* report);

}  // namespace drennomar::host
