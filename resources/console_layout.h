// Where the gauges sit on the two console pictures (0x1800 and 0x1850), in
// console pixels. The pictures of SliderGauges, HeadingCompass and the three
// selector switches are cut from the 2D console at these places, so a panel
// that puts those gauges here lines them up pixel for pixel; the Speed
// window, the attitude indicator's frame and the warning flag's slot are
// painted for the gauges placed at the remaining points.
#pragma once

namespace drennomar {

struct ConsolePlace {
    int x;
    int y;
};

inline constexpr ConsolePlace kPlaceSliderGauges      = {149, 275};
inline constexpr ConsolePlace kPlaceHeadingCompass    = {30, 60};
inline constexpr ConsolePlace kPlaceSwitchesMotorTemp = {272, 286};
inline constexpr ConsolePlace kPlaceSwitchesBattery   = {272, 364};
inline constexpr ConsolePlace kPlaceSwitchesReset     = {426, 161};
inline constexpr ConsolePlace kPlaceSpeed             = {235, 58};
inline constexpr ConsolePlace kPlaceAttitude          = {12, 270};
inline constexpr ConsolePlace kPlaceSwitchesWarning   = {15, 457};

}  // namespace drennomar
