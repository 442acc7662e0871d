// The four switch gauges: SwitchesBattery, SwitchesMotorTemp, SwitchesReset
// and SwitchesWarning.
//
// Shows:   each gauge a static picture of its first state and, over it, an
//          icon of two pictures (the root bitmap and the one numbered next)
//          that shows the first or the second state.
// Inputs:  the icon callbacks (module state copies; WarningFlag).
// Outputs: a click in the gauge's one area runs its click handler, which
//          writes BattSw, MotorTempSw, ResetSw or WarningFlag.
//
// Each gauge is the same shape: a root (transparent, no static blending),
// one icon child, one tooltip and one click area over the lever or the flag.
// The callbacks are in switch_callbacks.cpp.
#include "module/element_list_routines.h"
#include "module/gauge_table.h"
#include "resources/bitmap_ids.h"
#include "switches/switch_callbacks.h"

using namespace drennomar;

namespace {

// The root shows the first state; the icon over it, erased and redrawn on
// each update, shows the current one.
constexpr FLAGS32 kSwitchRootFlags = IMAGE_USE_TRANSPARENCY | IMAGE_NO_STATIC_BLENDING;
constexpr FLAGS32 kSwitchIconFlags = IMAGE_USE_TRANSPARENCY | IMAGE_USE_ERASE;
constexpr SINT32 kSwitchPictures   = 2;

}  // namespace

//-----------------------------------------------------------------------------
// SwitchesBattery: battery display selector: volts (lever up) or amps (lever down)
//-----------------------------------------------------------------------------

namespace {

IconElement SwitchesBatteryIcon = {
    .header =
        {
            .element_type    = ELEMENT_ICON,
            .resource_id     = kBmpBattSwDown,
            .position        = {0, 0},
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = kSwitchIconFlags,
            .aux_image_flags = 0,
            .gauge_header    = &SwitchesBatteryGauge,
        },
    .source_var    = {MODULE_VAR_NONE, 0.0},
    .update_cb     = &BattSwIconCallback,
    .switch_type   = ICON_SWITCH_TYPE_SET_CUR_ICON,
    .picture_count = kSwitchPictures,
    .scale         = 0.0,
    .offset        = 0.0,
};
PELEMENT_HEADER SwitchesBatteryChildren[] = {&SwitchesBatteryIcon.header, nullptr};

StaticImageElement SwitchesBatteryRoot = {
    .header =
        {
            .element_type    = ELEMENT_STATIC_IMAGE,
            .resource_id     = kBmpBattSwDown,
            .position        = {0, 0},
            .next_element    = SwitchesBatteryChildren,
            .failure_systems = nullptr,
            .image_flags     = kSwitchRootFlags,
            .aux_image_flags = 0,
            .gauge_header    = &SwitchesBatteryGauge,
        },
};
PELEMENT_HEADER SwitchesBatteryElements[] = {&SwitchesBatteryRoot.header};

constexpr MouseRect SwitchesBatteryMouse[] = {
    MOUSE_BEGIN(),
    MOUSE_PARENT_BEGIN(0, 0, 32, 32),
    MOUSE_TOOLTIP_TEXT_STRING("Battery Display Selector Switch"),
    MOUSE_CHILD_FUNCT(0, 0, 32, 32, CURSOR_HAND, MOUSE_LEFTSINGLE, &BattSwClickHandler),
    MOUSE_PARENT_END(),
    MOUSE_PARENT_END(),
    MOUSE_END(),
};

}  // namespace

GAUGEHDR SwitchesBatteryGauge = StandardGaugeHeader("SwitchesBattery", SwitchesBatteryElements, 51,
                                                    SwitchesBatteryMouse, nullptr);

//-----------------------------------------------------------------------------
// SwitchesMotorTemp: motor temperature selector: forward motors (up) or rear motors (down)
//-----------------------------------------------------------------------------

namespace {

IconElement SwitchesMotorTempIcon = {
    .header =
        {
            .element_type    = ELEMENT_ICON,
            .resource_id     = kBmpMotorSwDown,
            .position        = {0, 0},
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = kSwitchIconFlags,
            .aux_image_flags = 0,
            .gauge_header    = &SwitchesMotorTempGauge,
        },
    .source_var    = {MODULE_VAR_NONE, 0.0},
    .update_cb     = &MotorTempSwIconCallback,
    .switch_type   = ICON_SWITCH_TYPE_SET_CUR_ICON,
    .picture_count = kSwitchPictures,
    .scale         = 0.0,
    .offset        = 0.0,
};
PELEMENT_HEADER SwitchesMotorTempChildren[] = {&SwitchesMotorTempIcon.header, nullptr};

StaticImageElement SwitchesMotorTempRoot = {
    .header =
        {
            .element_type    = ELEMENT_STATIC_IMAGE,
            .resource_id     = kBmpMotorSwDown,
            .position        = {0, 0},
            .next_element    = SwitchesMotorTempChildren,
            .failure_systems = nullptr,
            .image_flags     = kSwitchRootFlags,
            .aux_image_flags = 0,
            .gauge_header    = &SwitchesMotorTempGauge,
        },
};
PELEMENT_HEADER SwitchesMotorTempElements[] = {&SwitchesMotorTempRoot.header};

constexpr MouseRect SwitchesMotorTempMouse[] = {
    MOUSE_BEGIN(),
    MOUSE_PARENT_BEGIN(0, 0, 32, 32),
    MOUSE_TOOLTIP_TEXT_STRING("Motor rear/forward selector switch"),
    MOUSE_CHILD_FUNCT(0, 0, 32, 32, CURSOR_HAND, MOUSE_LEFTSINGLE, &MotorTempSwClickHandler),
    MOUSE_PARENT_END(),
    MOUSE_PARENT_END(),
    MOUSE_END(),
};

}  // namespace

GAUGEHDR SwitchesMotorTempGauge = StandardGaugeHeader(
    "SwitchesMotorTemp", SwitchesMotorTempElements, 49, SwitchesMotorTempMouse, nullptr);

//-----------------------------------------------------------------------------
// SwitchesReset: navigation reset switch: lever up while thrown
//-----------------------------------------------------------------------------

namespace {

IconElement SwitchesResetIcon = {
    .header =
        {
            .element_type    = ELEMENT_ICON,
            .resource_id     = kBmpResetSwDown,
            .position        = {0, 0},
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = kSwitchIconFlags,
            .aux_image_flags = 0,
            .gauge_header    = &SwitchesResetGauge,
        },
    .source_var    = {MODULE_VAR_NONE, 0.0},
    .update_cb     = &ResetSwIconCallback,
    .switch_type   = ICON_SWITCH_TYPE_SET_CUR_ICON,
    .picture_count = kSwitchPictures,
    .scale         = 0.0,
    .offset        = 0.0,
};
PELEMENT_HEADER SwitchesResetChildren[] = {&SwitchesResetIcon.header, nullptr};

StaticImageElement SwitchesResetRoot = {
    .header =
        {
            .element_type    = ELEMENT_STATIC_IMAGE,
            .resource_id     = kBmpResetSwDown,
            .position        = {0, 0},
            .next_element    = SwitchesResetChildren,
            .failure_systems = nullptr,
            .image_flags     = kSwitchRootFlags,
            .aux_image_flags = 0,
            .gauge_header    = &SwitchesResetGauge,
        },
};
PELEMENT_HEADER SwitchesResetElements[] = {&SwitchesResetRoot.header};

constexpr MouseRect SwitchesResetMouse[] = {
    MOUSE_BEGIN(),
    MOUSE_PARENT_BEGIN(0, 0, 42, 72),
    MOUSE_TOOLTIP_TEXT_STRING("Reset Bearing, Distance and Range indicators"),
    MOUSE_CHILD_FUNCT(0, 0, 42, 72, CURSOR_HAND, MOUSE_LEFTSINGLE, &ResetSwClickHandler),
    MOUSE_PARENT_END(),
    MOUSE_PARENT_END(),
    MOUSE_END(),
};

}  // namespace

GAUGEHDR SwitchesResetGauge =
    StandardGaugeHeader("SwitchesReset", SwitchesResetElements, 63, SwitchesResetMouse, nullptr);

//-----------------------------------------------------------------------------
// SwitchesWarning: temperature warning flag: raised or stowed
//-----------------------------------------------------------------------------

namespace {

IconElement SwitchesWarningIcon = {
    .header =
        {
            .element_type    = ELEMENT_ICON,
            .resource_id     = kBmpWarningStowed,
            .position        = {0, 0},
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = kSwitchIconFlags,
            .aux_image_flags = 0,
            .gauge_header    = &SwitchesWarningGauge,
        },
    .source_var    = {MODULE_VAR_NONE, 0.0},
    .update_cb     = &WarningIconCallback,
    .switch_type   = ICON_SWITCH_TYPE_SET_CUR_ICON,
    .picture_count = kSwitchPictures,
    .scale         = 0.0,
    .offset        = 0.0,
};
PELEMENT_HEADER SwitchesWarningChildren[] = {&SwitchesWarningIcon.header, nullptr};

StaticImageElement SwitchesWarningRoot = {
    .header =
        {
            .element_type    = ELEMENT_STATIC_IMAGE,
            .resource_id     = kBmpWarningStowed,
            .position        = {0, 0},
            .next_element    = SwitchesWarningChildren,
            .failure_systems = nullptr,
            .image_flags     = kSwitchRootFlags,
            .aux_image_flags = 0,
            .gauge_header    = &SwitchesWarningGauge,
        },
};
PELEMENT_HEADER SwitchesWarningElements[] = {&SwitchesWarningRoot.header};

constexpr MouseRect SwitchesWarningMouse[] = {
    MOUSE_BEGIN(),
    MOUSE_PARENT_BEGIN(0, 0, 287, 59),
    MOUSE_TOOLTIP_TEXT_STRING("Temperature Warning Indicator - click to reset"),
    MOUSE_CHILD_FUNCT(0, 0, 287, 59, CURSOR_HAND, MOUSE_LEFTSINGLE, &WarningClickHandler),
    MOUSE_PARENT_END(),
    MOUSE_PARENT_END(),
    MOUSE_END(),
};

}  // namespace

GAUGEHDR SwitchesWarningGauge = StandardGaugeHeader("SwitchesWarning", SwitchesWarningElements, 287,
                                                    SwitchesWarningMouse, nullptr);
