// Verbs for whole panels and the drive.
//
//   panel default|FILE      place the built-in panel, or a panel.cfg
//   window list             -> one line per window
//   ramp TOKEN VALUE N      move a token in a straight line to VALUE over the next N frames
//   rover on|off            each frame, move the rover's position (tokens 0x47, 0x48)
//                           by its ground speed (0x227) along its heading (0x53)
//   capture LABEL           pictures of every window, where a drawing side is attached
//   drive default           run the built-in drive (examples/drive.panel)
#pragma once

#include <cstdint>
#include <string_view>

#include "host/panel_pictures.h"
#include "host/script.h"

namespace drennomar::host {

/// Adds the verbs above to `interpreter` and hooks the ramps, the rover's
/// motion and `pictures` (may be null: headless) into the frames of its
/// panel. Called again, it replaces them.
void AddPanelFileVerbs(ScriptInterpreter& interpreter, PanelPictures* pictures = nullptr);

/// The text of the built-in drive.
std::string_view DefaultDriveScript();

/// The frames a script asks for with `run N` lines (the built-in drive
/// for `drive default`), for progress reports; 0 where it cannot tell.
std::uint64_t ScriptFrameCount(std::string_view script_text);

}  // namespace drennomar::host
