// The 2D console as the drawing tests and the drawing benchmark lay it out:
// the console picture with every gauge at its place on it, and a way to
// give every moving element a new value for each frame.
#pragma once

#include <cmath>
#include <iterator>

#include "host/panel_host.h"
#include "panel/tokens.h"
#include "state/module_state.h"

namespace drennomar::testing {

struct ConsolePlacement {
    const char* gauge;
    PIXPOINT at;
};

/// Drawing order: the console first, the gauges over it, Control (drawing
/// nothing) last.
inline constexpr ConsolePlacement kConsole2D[] = {
    {"Background", {0, 0}},
    {"HeadingCompass", {30, 60}},
    {"Speed", {235, 58}},
    {"SliderGauges", {149, 275}},
    {"SwitchesMotorTemp", {272, 286}},
    {"SwitchesBattery", {272, 364}},
    {"SwitchesReset", {426, 161}},
    {"RollPitchIndicator", {12, 270}},
    {"SwitchesWarning", {15, 457}},
    {"Control", {0, 0}},
};

/// Places the 2D console on `panel`, whose module must be Drennomar.
inline void PlaceConsole2D(host::PanelHost& panel) {
    for (const ConsolePlacement& p : kConsole2D) panel.Place(*panel.FindGauge(p.gauge), p.at);
}

/// Sets the simulation and the switches so that at `frame` every moving
/// element of the console shows something new: the card turns, the
/// read-outs count, the speed needle and the monitor pointers move, the
/// switches and the flag flip, the roll pointer swings.
inline void SetConsoleFrame(host::PanelHost& panel, int frame) {
    double t = frame;
    panel.SetToken(kTokenHeadingDeg, std::fmod(t * 2.5, 360.0));
    panel.SetToken(kTokenLatitude, 1000.0 + t * 7.3);
    panel.SetToken(kTokenLongitude, 2.0e9 + t * 3.1e6);
    panel.SetToken(kTokenGroundSpeedFps, 5.0 + 10.0 * std::fabs(std::sin(t * 0.05)));
    panel.SetToken(kTokenBattery1Charge, 0.5 + 0.5 * std::sin(t * 0.07));
    panel.SetToken(kTokenBattery2Charge, 0.5 + 0.5 * std::cos(t * 0.05));
    panel.SetToken(kTokenBatteryVoltage, 30.0 + 3.0 * std::sin(t * 0.11));
    panel.SetToken(kTokenBatteryCurrent, 20.0 + 15.0 * std::sin(t * 0.13));
    panel.SetToken(kTokenDriveEnable, 1.0);
    panel.SetToken(kTokenDriveLoad, 0.5 + 0.5 * std::sin(t * 0.03));
    panel.SetToken(kTokenBankDeg, std::fmod(360.0 + 15.0 * std::sin(t * 0.09), 360.0));
    panel.SetToken(kTokenPitchDeg, 10.0 * std::sin(t * 0.08));
    panel.SetNamed(kNamedBattSw, frame % 2);
    panel.SetNamed(kNamedMotorTempSw, (frame / 2) % 2);
    panel.SetNamed(kNamedWarningFlag, (frame / 3) % 2);
    // The reset switch's picture follows the module's copy; no reset is
    // asked of the navigation (ResetSw stays 0).
    panel.SetNamed(kNamedResetSw, 0.0);
    gModuleState.ResetSwState = (frame / 4) % 2;
}

}  // namespace drennomar::testing
