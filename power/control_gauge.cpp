// Control: an invisible gauge, 4 pixels wide and all see-through black, whose
// gauge callback runs the power and thermal model of the two batteries and
// four drive motors, one step per call, and then the navigation reset step.
// No time is measured: every change is a fixed amount per step, scaled only by
// the rate multiplier.
//
// Inputs:  tokens 0x2F0 (voltage source), 0x2EE (current source), 0x150 (rate
//          multiplier), 0x196 (drive enable), 0x188 (drive load); named
//          variables BattCov, MotorTempSw, BattSw; the model's own state.
// Outputs: Volts1/2, Amps1/2, PowerMeter1/2, BattTemp1/2, the four motor
//          temperatures, MotorTempDisplayL/R, the warning latches, the random
//          parameters, BattCovState, BattSwState, MotorTempSwState,
//          WarningValue; WarningFlag = 1.0 at each warning raised.
//
// [SECTION] Constants and simulation variable records
// [SECTION] Pieces of one step
// [SECTION] The step
// [SECTION] Gauge definition
#include "power/control_gauge.h"

#include "module/element_list_routines.h"
#include "module/gauge_table.h"
#include "navigation/navigation.h"
#include "panel/module_imports.h"
#include "resources/bitmap_ids.h"
#include "state/module_state.h"
#include "state/numeric.h"
#include "state/random_in_range.h"

namespace drennomar {

namespace {

//-----------------------------------------------------------------------------
// [SECTION] Constants and simulation variable records
//-----------------------------------------------------------------------------

constexpr double kVoltsFactor          = 1.5;
constexpr double kAmpsFactor           = 0.67143;
constexpr double kVoltsOffsetMin       = -5.0;
constexpr double kVoltsOffsetMax       = 5.0;
constexpr double kAmpsOffsetMin        = -7.0;
constexpr double kAmpsOffsetMax        = 7.0;
constexpr double kBattRateMinDegF      = 0.0003;
constexpr double kBattRateMaxDegF      = 0.0006;
constexpr double kBattCoolingFloorDegF = 20.0;
constexpr double kBattHeatingCeilDegF  = 180.0;
constexpr double kBattWarningDegF      = 125.0;
constexpr double kMotorRateMinDegF     = 0.003;
constexpr double kMotorRateMaxDegF     = 0.006;
constexpr double kDriveLoadThreshold   = 0.05;
constexpr double kMotorCoolingFactor   = 0.2;
constexpr double kMotorWarningDegF     = 400.0;
constexpr double kMotorMinDegF         = 200.0;
constexpr double kMotorMaxDegF         = 500.0;
constexpr double kMotorDisplayOffset   = 200.0;
constexpr double kWarningRaised        = 1.0;

// Each record keeps the value of its last lookup for every later reader.
MODULE_VAR VoltageVar        = {.id = kTokenBatteryVoltage, .var_value = 0.0};
MODULE_VAR CurrentVar        = {.id = kTokenBatteryCurrent, .var_value = 0.0};
MODULE_VAR RateMultiplierVar = {.id = kTokenRateMultiplier, .var_value = 0.0};
MODULE_VAR DriveEnableVar    = {.id = kTokenDriveEnable, .var_value = 0.0};
MODULE_VAR DriveLoadVar      = {.id = kTokenDriveLoad, .var_value = 0.0};

//-----------------------------------------------------------------------------
// [SECTION] Pieces of one step
//-----------------------------------------------------------------------------

// A random parameter of exactly 0.0 has not been drawn yet. No value the
// ranges here can give is 0.0, so each is drawn once for the module's life.
inline void DrawOnce(double& parameter, double low, double high) {
    if (parameter == 0.0) {
        parameter = RandomInRange(low, high);
    }
}

struct Battery {
    double& volts_offset;
    double& amps_offset;
    double& volts;
    double& amps;
    double& power_meter;
};

/// One battery's readings and the value its monitor pointer shows. Both
/// batteries look up the same two tokens, each for itself.
inline void StepBatteryReadings(const Battery& b) {
    DrawOnce(b.volts_offset, kVoltsOffsetMin, kVoltsOffsetMax);
    DrawOnce(b.amps_offset, kAmpsOffsetMin, kAmpsOffsetMax);
    panel::LookupVar(VoltageVar);
    panel::LookupVar(CurrentVar);
    b.volts       = VoltageVar.var_value * kVoltsFactor + b.volts_offset;
    b.amps        = CurrentVar.var_value * kAmpsFactor + b.amps_offset;
    b.power_meter = gModuleState.BattSwState != 0 ? b.volts : b.amps;
}

// Raises the warning only at the check that finds the source above its
// threshold with its latch clear; the latch holds it down until the source
// has fallen below the threshold again. At exactly the threshold neither
// happens.
inline void CheckWarning(double temperature, double threshold, std::int32_t& latch,
                         NAMED_VAR_ID warning_flag_id) {
    if (temperature > threshold && latch == 0) {
        latch                     = 1;
        gModuleState.WarningValue = kWarningRaised;
        panel::SetNamedVariable(warning_flag_id, kWarningRaised);
    }
    if (temperature < threshold) {
        latch = 0;
    }
}

/// A battery cools while covered and above the floor, heats while uncovered
/// and below the ceiling; it has no clamp, so it may end one step past either.
inline void StepBatteryTemperature(double& temperature, double rate, std::int32_t& latch,
                                   NAMED_VAR_ID warning_flag_id) {
    const double r = RateMultiplierVar.var_value;
    if (gModuleState.BattCovState != 0) {
        if (temperature > kBattCoolingFloorDegF) {
            temperature = temperature - rate * r;
        }
    } else {
        if (temperature < kBattHeatingCeilDegF) {
            temperature = temperature + rate * r;
        }
    }
    CheckWarning(temperature, kBattWarningDegF, latch, warning_flag_id);
}

// The lower clamp is taken unless the temperature is at least 200, so a
// temperature that is not a number comes back to the 200 mark instead of
// staying lost for the life of the module.
inline void ClampMotor(double& temperature) {
    if (temperature > kMotorMaxDegF) {
        temperature = kMotorMaxDegF;
    } else if (!(temperature >= kMotorMinDegF)) {
        temperature = kMotorMinDegF;
    }
}

/// One side's two motors: both heat with the drive on under load, otherwise
/// both cool; then each in turn is checked, its latch cleared and clamped.
/// Returns the temperature of the motor the selector shows, less 200.
inline double StepMotorPair(double& fwd, double& rear, Motor fwd_motor, Motor rear_motor,
                            NAMED_VAR_ID warning_flag_id) {
    ModuleState& s = gModuleState;
    DrawOnce(s.MotorHeatRate[fwd_motor], kMotorRateMinDegF, kMotorRateMaxDegF);
    DrawOnce(s.MotorHeatRate[rear_motor], kMotorRateMinDegF, kMotorRateMaxDegF);
    panel::LookupVar(DriveEnableVar);
    panel::LookupVar(DriveLoadVar);
    const double e = DriveEnableVar.var_value;
    const double l = DriveLoadVar.var_value;
    const double r = RateMultiplierVar.var_value;
    if (e != 0.0 && l >= kDriveLoadThreshold) {
        fwd  = fwd + s.MotorHeatRate[fwd_motor] * l * r;
        rear = rear + s.MotorHeatRate[rear_motor] * l * r;
    } else {
        fwd  = fwd - s.MotorHeatRate[fwd_motor] * kMotorCoolingFactor * r;
        rear = rear - s.MotorHeatRate[rear_motor] * kMotorCoolingFactor * r;
    }
    CheckWarning(fwd, kMotorWarningDegF, s.MotorWarnLatch[fwd_motor], warning_flag_id);
    ClampMotor(fwd);
    CheckWarning(rear, kMotorWarningDegF, s.MotorWarnLatch[rear_motor], warning_flag_id);
    ClampMotor(rear);
    return (s.MotorTempSwState != 0.0 ? fwd : rear) - kMotorDisplayOffset;
}

}  // namespace

//-----------------------------------------------------------------------------
// [SECTION] The step
//-----------------------------------------------------------------------------

// The order of the calls to the panel is part of the step: each lookup stands
// where it is made, also where it repeats one made just before.
void PANELAPI ControlGaugeCallback(PGAUGEHDR, SINT32, UINT32) {
    ModuleState& s = gModuleState;

    // Identifiers serve this step only.
    const NAMED_VAR_ID batt_cov_id      = panel::CheckNamedVariable(kNamedBattCov);
    const NAMED_VAR_ID warning_flag_id  = panel::CheckNamedVariable(kNamedWarningFlag);
    const NAMED_VAR_ID reset_sw_id      = panel::CheckNamedVariable(kNamedResetSw);
    const NAMED_VAR_ID motor_temp_sw_id = panel::CheckNamedVariable(kNamedMotorTempSw);
    const NAMED_VAR_ID batt_sw_id       = panel::CheckNamedVariable(kNamedBattSw);

    // The selector positions: the motor selector stays a real, so any
    // non-zero value selects the forward motors.
    s.MotorTempSwState = panel::GetNamedVariable(motor_temp_sw_id);
    s.BattSwState      = TruncateToInt32(panel::GetNamedVariable(batt_sw_id));

    StepBatteryReadings({s.VoltsOffset1, s.AmpsOffset1, s.Volts1, s.Amps1, s.PowerMeter1});
    StepBatteryReadings({s.VoltsOffset2, s.AmpsOffset2, s.Volts2, s.Amps2, s.PowerMeter2});

    s.BattCovState = TruncateToInt32(panel::GetNamedVariable(batt_cov_id));
    panel::LookupVar(RateMultiplierVar);

    DrawOnce(s.BattHeatRate1, kBattRateMinDegF, kBattRateMaxDegF);
    StepBatteryTemperature(s.BattTemp1, s.BattHeatRate1, s.BattWarnLatch[0], warning_flag_id);

    DrawOnce(s.BattHeatRate2, kBattRateMinDegF, kBattRateMaxDegF);
    panel::LookupVar(RateMultiplierVar);
    StepBatteryTemperature(s.BattTemp2, s.BattHeatRate2, s.BattWarnLatch[1], warning_flag_id);

    panel::LookupVar(RateMultiplierVar);
    s.MotorTempDisplayL = StepMotorPair(s.MotorTempLeftFwd, s.MotorTempLeftRear, kLeftFwd,
                                        kLeftRear, warning_flag_id);

    panel::LookupVar(RateMultiplierVar);
    s.MotorTempDisplayR = StepMotorPair(s.MotorTempRightFwd, s.MotorTempRightRear, kRightFwd,
                                        kRightRear, warning_flag_id);

    NavigationResetStep(reset_sw_id);
}

}  // namespace drennomar

//-----------------------------------------------------------------------------
// [SECTION] Gauge definition
//-----------------------------------------------------------------------------

using namespace drennomar;

namespace {

// Every pixel of the bitmap is black and drawn see-through: the gauge shows
// nothing wherever it is placed.
StaticImageElement ControlRoot = {
    .header =
        {
            .element_type    = ELEMENT_STATIC_IMAGE,
            .resource_id     = kBmpControl,
            .position        = {0, 0},
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = IMAGE_USE_TRANSPARENCY,
            .aux_image_flags = 0,
            .gauge_header    = &ControlGauge,
        },
};
PELEMENT_HEADER ControlElements[] = {&ControlRoot.header};

}  // namespace

GAUGEHDR ControlGauge =
    StandardGaugeHeader("Control", ControlElements, 4, nullptr, &ControlGaugeCallback);
