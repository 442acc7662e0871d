// The thirteen gauge headers, in the order of the gauge table. Each is
// defined beside its gauge; the table in Linkage refers to them in this
// order, and the standard element-list routines always work on the first.
#pragma once

#include "panel/gauge_types.h"

extern GAUGEHDR SliderGaugesGauge;
extern GAUGEHDR HeadingCompassGauge;
extern GAUGEHDR SpeedGauge;
extern GAUGEHDR SwitchesBatteryGauge;
extern GAUGEHDR SwitchesMotorTempGauge;
extern GAUGEHDR SwitchesResetGauge;
extern GAUGEHDR SwitchesWarningGauge;
extern GAUGEHDR RollPitchIndicatorGauge;
extern GAUGEHDR RollVCIndicatorGauge;
extern GAUGEHDR PitchVCIndicatorGauge;
extern GAUGEHDR BackgroundGauge;
extern GAUGEHDR BackgroundVCGauge;
extern GAUGEHDR ControlGauge;
