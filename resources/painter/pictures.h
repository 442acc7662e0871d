// The painted pictures, before reduction to their palettes. Each returns the
// full-colour picture of one catalogue entry, or of one of the consoles in a
// given switch setting.
#pragma once

#include "resources/painter/picture.h"

namespace drennomar::painter {

enum class ConsoleStyle { Cockpit2D, VirtualCockpit };

/// Lever positions of the three selector switches painted on the console.
struct ConsoleSwitches {
    bool battery_up = true;   // 0x2801 is registered with the 2D console
    bool motor_up   = false;  // 0x2900
    bool reset_up   = false;  // 0x3000
};

Picture PaintConsole(ConsoleStyle style, ConsoleSwitches switches);

Picture PaintMonitorPointer();          // 0x1300; 0x1310 is its mirror image
Picture PaintCompassCard();             // 0x1900
Picture PaintSpeedNeedle();             // 0x2000
Picture PaintSpeedDial();               // 0x2700
Picture PaintWarningFlag(bool raised);  // 0x3100, 0x3101
Picture PaintRollFace();                // 0x3200
Picture PaintRollPointer();             // 0x3210
Picture PaintPitchFace();               // 0x3300
Picture PaintPitchMarker();             // 0x3310
Picture PaintControl();                 // 0x3400

}  // namespace drennomar::painter
