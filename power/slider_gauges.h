// The pointer callbacks of the SliderGauges monitor.
#pragma once

#include "panel/gauge_types.h"
#include "state/module_state.h"

namespace drennomar {

/// The value a monitor pointer shows: one field of the module state, read as
/// it stands, without looking at the element and without any other effect.
/// One instance per pointer that shows model state.
template <double ModuleState::*Field>
FLOAT64 PANELAPI MonitorPointerCallback(SliderElement*) {
    return gModuleState.*Field;
}

}  // namespace drennomar
