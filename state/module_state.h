// The module state: one block of plain variables with static lifetime, shared
// by every gauge and every placement of a gauge. It has its values from load
// and is never saved. Reals are doubles, integers signed 32-bit.
#pragma once

#include <cstdint>

namespace drennomar {

/// Motors in the order every step visits them.
enum Motor : int { kLeftFwd = 0, kLeftRear, kRightFwd, kRightRear, kMotorCount };

struct ModuleState {
    // Navigation: reference point, odometer, range, bearing, ground speed and
    // the reset timer. A reference coordinate of exactly 0.0 is not yet taken.
    double RefLatitude    = 0.0;
    double RefLongitude   = 0.0;
    double DistanceKm     = 0.0;
    double RangeKm        = 0.0;
    double BearingDeg     = 0.0;
    double GroundSpeedMps = 0.0;
    double ResetStartTick = 0.0;
    std::int32_t LastTick = 0;

    // Power and thermal model. A random parameter of exactly 0.0 is not yet
    // drawn.
    double BattTemp1                         = 60.0;
    double BattTemp2                         = 60.0;
    double MotorTempLeftFwd                  = 200.0;
    double MotorTempLeftRear                 = 200.0;
    double MotorTempRightFwd                 = 200.0;
    double MotorTempRightRear                = 200.0;
    double MotorTempDisplayL                 = 0.0;
    double MotorTempDisplayR                 = 0.0;
    double Volts1                            = 0.0;
    double Volts2                            = 0.0;
    double Amps1                             = 0.0;
    double Amps2                             = 0.0;
    double PowerMeter1                       = 0.0;
    double PowerMeter2                       = 0.0;
    double VoltsOffset1                      = 0.0;
    double VoltsOffset2                      = 0.0;
    double AmpsOffset1                       = 0.0;
    double AmpsOffset2                       = 0.0;
    double BattHeatRate1                     = 0.0;
    double BattHeatRate2                     = 0.0;
    double MotorHeatRate[kMotorCount]        = {0.0, 0.0, 0.0, 0.0};
    std::int32_t BattWarnLatch[2]            = {0, 0};
    std::int32_t MotorWarnLatch[kMotorCount] = {0, 0, 0, 0};
    std::int32_t BattCovState                = 0;
    std::int32_t RandomSeeded                = 0;

    // Copies of the switch and flag states shown by the switch gauges.
    std::int32_t BattSwState  = 0;
    std::int32_t ResetSwState = 0;
    double MotorTempSwState   = 0.0;
    double WarningValue       = 0.0;

    // Attitude indicator: a click asks RollPitchIndicator to show a new face.
    std::int32_t FacePending = 0;
};

/// The one module state block.
extern ModuleState gModuleState;

}  // namespace drennomar
