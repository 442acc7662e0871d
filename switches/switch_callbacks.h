// The icon callbacks and click handlers of the four switch gauges.
//
// Each switch keeps its state twice: in a named panel variable, which the
// rest of the panel reads and may change, and in a copy in module state,
// which the icon shows and from which a click computes the next state. A
// click writes both at once; the Control gauge's step refreshes the battery
// and motor copies from their variables, and the navigation reset step springs
// the reset switch back. The warning flag's icon reads its variable itself.
#pragma once

#include "panel/gauge_types.h"

namespace drennomar {

// Icon callbacks: the icon element is ignored; the result is the index of the
// picture to show, passed to the panel as computed.
FLOAT64 PANELAPI BattSwIconCallback(IconElement* icon);
FLOAT64 PANELAPI MotorTempSwIconCallback(IconElement* icon);
FLOAT64 PANELAPI ResetSwIconCallback(IconElement* icon);
FLOAT64 PANELAPI WarningIconCallback(IconElement* icon);

// Click handlers: the point and mouse flags are ignored; each returns 1.
BOOL32 PANELAPI BattSwClickHandler(PPIXPOINT point, FLAGS32 mouse_flags);
BOOL32 PANELAPI MotorTempSwClickHandler(PPIXPOINT point, FLAGS32 mouse_flags);
BOOL32 PANELAPI ResetSwClickHandler(PPIXPOINT point, FLAGS32 mouse_flags);
BOOL32 PANELAPI WarningClickHandler(PPIXPOINT point, FLAGS32 mouse_flags);

}  // namespace drennomar
