// Panel furniture drawn on the consoles and cut into the switch pictures:
// labelled block frames, toggle levers, the bat-handle reset lever and the
// virtual cockpit's push-buttons.
#pragma once

#include <string>

#include "resources/painter/canvas.h"

namespace drennomar::painter {

enum class LeverAt { Up, Centre, Down };

/// A block outline with its title set into the top edge.
void BlockFrame(Canvas& c, double x, double y, double w, double h, const std::string& title);

/// A recessed rectangle: darker inside, lit lower-right edge.
void Recess(Canvas& c, double x, double y, double w, double h, Rgb inside);

/// A ball-ended toggle lever on its bushing, seen from the front and above.
void ToggleLever(Canvas& c, double cx, double cy, double length, LeverAt at);

/// The reset switch's flat bat-handle lever.
void BatLever(Canvas& c, double cx, double cy, double length, bool up);

/// `before`/`after` (KM/HR, 1/2) centred on (cx, cy), the slash drawn as a
/// stroke of its own: the font's slash all but vanishes at these sizes.
void SlashedText(Canvas& c, const std::string& before, const std::string& after, double cx,
                 double cy, Font font, Rgb colour);

/// A round push-button in its bezel.
void PushButton(Canvas& c, double cx, double cy, double r);

}  // namespace drennomar::painter
