// Icon callbacks and click handlers of SwitchesBattery, SwitchesMotorTemp,
// SwitchesReset and SwitchesWarning.
//
// Inputs:  module state BattSwState, MotorTempSwState, ResetSwState; the named
//          variable WarningFlag (read by the warning icon on every update).
// Outputs: the icon indices; on a click, the module copy and the named
//          variable BattSw, MotorTempSw, ResetSw or WarningFlag.
//
// Every name is looked up on every call, no identifier is kept from one call
// to the next, and the identifier is used as the panel returns it.
#include "switches/switch_callbacks.h"

#include "panel/module_imports.h"
#include "state/module_state.h"
#include "state/numeric.h"

namespace drennomar {

namespace {

/// A two-position toggle of a value already truncated toward zero: 0 is
/// thrown to 1, and 1 or any other value back to 0.
#if defined(DRENNOMAR_PLANTED_FAULT_SWITCH)
// Planted for the fuzzers to find (fuzz/planted.sh): a position of 2.
constexpr std::int32_t Toggled(std::int32_t position) { return position == 0 ? 2 : 0; }
#else
constexpr std::int32_t Toggled(std::int32_t position) { return position == 0 ? 1 : 0; }
#endif

}  // namespace

FLOAT64 PANELAPI BattSwIconCallback(IconElement*) { return gModuleState.BattSwState; }

// A fraction set elsewhere stays a fraction: the panel decides what it shows.
FLOAT64 PANELAPI MotorTempSwIconCallback(IconElement*) { return gModuleState.MotorTempSwState; }

FLOAT64 PANELAPI ResetSwIconCallback(IconElement*) { return gModuleState.ResetSwState; }

// The flag follows WarningFlag whoever wrote it, so it reads the variable on
// every update instead of waiting for the Control step.
FLOAT64 PANELAPI WarningIconCallback(IconElement*) {
    const NAMED_VAR_ID id     = panel::CheckNamedVariable(kNamedWarningFlag);
    gModuleState.WarningValue = panel::GetNamedVariable(id);
    return gModuleState.WarningValue;
}

// The toggles start from the module copy, not from the variable: a change
// made elsewhere reaches the switch only after the Control step's refresh.
BOOL32 PANELAPI BattSwClickHandler(PPIXPOINT, FLAGS32) {
    const NAMED_VAR_ID id    = panel::CheckNamedVariable(kNamedBattSw);
    gModuleState.BattSwState = Toggled(gModuleState.BattSwState);
    panel::SetNamedVariable(id, gModuleState.BattSwState);
    return 1;
}

BOOL32 PANELAPI MotorTempSwClickHandler(PPIXPOINT, FLAGS32) {
    const NAMED_VAR_ID id         = panel::CheckNamedVariable(kNamedMotorTempSw);
    gModuleState.MotorTempSwState = Toggled(TruncateToInt32(gModuleState.MotorTempSwState));
    panel::SetNamedVariable(id, gModuleState.MotorTempSwState);
    return 1;
}

// The reset switch is only thrown by a click; a click while it is up writes
// 1.0 again and leaves the navigation reset step's timing alone.
BOOL32 PANELAPI ResetSwClickHandler(PPIXPOINT, FLAGS32) {
    const NAMED_VAR_ID id     = panel::CheckNamedVariable(kNamedResetSw);
    gModuleState.ResetSwState = 1;
    panel::SetNamedVariable(id, 1.0);
    return 1;
}

// A click only lowers the flag; the Control step raises it when a warning
// trips anew.
BOOL32 PANELAPI WarningClickHandler(PPIXPOINT, FLAGS32) {
    const NAMED_VAR_ID id     = panel::CheckNamedVariable(kNamedWarningFlag);
    gModuleState.WarningValue = 0.0;
    panel::SetNamedVariable(id, 0.0);
    return 1;
}

}  // namespace drennomar
