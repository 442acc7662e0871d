// The built-in default panel: the rover's whole console on a 2D window and
// the virtual cockpit's texture, as `panel default` places them. The same
// panel is written out in the simulator's format in examples/panel.cfg.
#pragma once

#include "host/panel_config.h"

namespace drennomar::host {

/// The default panel, as a configuration named "embedded default".
PanelConfig DefaultPanelConfig();

}  // namespace drennomar::host
