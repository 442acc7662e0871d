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

/// A round push-button in its bezel.
void PushButton(Canvas& c, double cx, double cy, double r);

}  // namespace drennomar::painter
