// The Control gauge's callback: one step of the power and thermal model.
#pragma once

#include "panel/gauge_types.h"

namespace drennomar {

/// One complete model step on every call, whatever the service code: the
/// battery readings and display selection, the battery and motor
/// temperatures with their warnings, then the navigation reset step. Reads
/// none of its arguments.
void PANELAPI ControlGaugeCallback(PGAUGEHDR gauge, SINT32 service_id, UINT32 extra_data);

}  // namespace drennomar
