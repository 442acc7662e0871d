// Simulation variables the gauges read, and the panel-wide named variables
// through which they talk to the rest of the panel.
#pragma once

#include "panel/panel_types.h"

/// A simulation variable token as the panel system numbers them.
using SIM_TOKEN = UINT32;

/// A module-owned simulation variable record. The module sets the token at
/// load; `lookup_var` fills `var_value`, which then stays for every later
/// reader until the record's next lookup.
struct MODULE_VAR {
    SIM_TOKEN id;
    FLOAT64 var_value;
};
using PMODULE_VAR = MODULE_VAR*;

/// Token of "no source": an element or axis without a simulation variable.
inline constexpr SIM_TOKEN MODULE_VAR_NONE = 0;

// Tokens read by lookup.
inline constexpr SIM_TOKEN TICK18               = 0x1;    // count of 18 Hz ticks
inline constexpr SIM_TOKEN kTokenGroundSpeedFps = 0x227;  // ground speed, feet per second
inline constexpr SIM_TOKEN kTokenLongitude      = 0x48;   // 2^48 units to a full circle
inline constexpr SIM_TOKEN kTokenLatitude       = 0x47;   // metres; 40007000 to a full circle
inline constexpr SIM_TOKEN kTokenBatteryVoltage = 0x2F0;  // battery voltage source
inline constexpr SIM_TOKEN kTokenBatteryCurrent = 0x2EE;  // battery current source
inline constexpr SIM_TOKEN kTokenDriveEnable    = 0x196;  // drive enabled when non-zero
inline constexpr SIM_TOKEN kTokenDriveLoad      = 0x188;  // drive load
inline constexpr SIM_TOKEN kTokenRateMultiplier = 0x150;  // temperature-rate multiplier

// Tokens the panel system keeps current as element sources.
inline constexpr SIM_TOKEN kTokenHeadingDeg     = 0x53;   // heading, degrees
inline constexpr SIM_TOKEN kTokenBattery1Charge = 0x130;  // battery 1 charge
inline constexpr SIM_TOKEN kTokenBattery2Charge = 0x12F;  // battery 2 charge
inline constexpr SIM_TOKEN kTokenPitchDeg       = 0x4D;   // pitch, degrees
inline constexpr SIM_TOKEN kTokenBankDeg        = 0x4F;   // bank, degrees 0 to 360

// Named panel variables, panel-wide reals reached by name.
inline constexpr const char kNamedWarningFlag[]    = "WarningFlag";     // 1 raised, 0 lowered
inline constexpr const char kNamedBattSw[]         = "BattSw";          // 1 volts, 0 amps
inline constexpr const char kNamedMotorTempSw[]    = "MotorTempSw";     // non-zero forward motors
inline constexpr const char kNamedResetSw[]        = "ResetSw";         // 1 reset thrown
inline constexpr const char kNamedRollPitchGauge[] = "RollPitchGauge";  // non-zero pitch face
inline constexpr const char kNamedBattCov[]        = "BattCov";         // non-zero batteries cool
