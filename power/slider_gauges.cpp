// SliderGauges: the power and temperature monitor, four vertical meters read
// by two sliding pointers each. From left to right: battery charge, battery
// volts or amps (as the battery display selector chooses), battery
// temperature and motor temperature; in each meter the left pointer is
// battery 1 (the left motors), the right pointer battery 2 (the right motors).
// The gauge computes nothing and clamps nothing.
//
// Inputs:  tokens 0x130 and 0x12F (battery charge, kept current by the panel
//          as the charge pointers' sources); PowerMeter1/2, BattTemp1/2 and
//          MotorTempDisplayL/R, computed by the Control gauge's step.
// Outputs: none; four tooltip areas, no click areas.
#include "power/slider_gauges.h"
#include "module/element_list_routines.h"
#include "module/gauge_table.h"
#include "resources/bitmap_ids.h"

using namespace drennomar;

namespace {

// Pixels of pointer travel per unit of value; negative moves the pointer up.
constexpr double kChargeScale    = -70.0;         // 1.0 reads 120 on the face
constexpr double kPowerScale     = -1.62;         // the face reads about twice the value
constexpr double kBattTempScale  = -0.44444444;   // per degree F, read directly
constexpr double kMotorTempScale = -0.273333333;  // per degree F above 200

// The pointers in drawing order: battery 1 (left motors) points right from
// the left of its scale, battery 2 (right motors) left from the right.
SliderElement ChargeBatt1Pointer = {
    .header =
        {
            .element_type    = ELEMENT_SLIDER,
            .resource_id     = kBmpMonitorPointerRight,
            .position        = {13, 85},
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = IMAGE_USE_TRANSPARENCY | IMAGE_USE_ERASE,
            .aux_image_flags = 0,
            .gauge_header    = &SliderGaugesGauge,
        },
    .x = {.source_var = {MODULE_VAR_NONE, 0.0}, .scale = 0.0, .update_cb = nullptr},
    .y = {.source_var = {kTokenBattery1Charge, 0.0}, .scale = kChargeScale, .update_cb = nullptr},
};

SliderElement ChargeBatt2Pointer = {
    .header =
        {
            .element_type    = ELEMENT_SLIDER,
            .resource_id     = kBmpMonitorPointerLeft,
            .position        = {33, 85},
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = IMAGE_USE_TRANSPARENCY | IMAGE_USE_ERASE,
            .aux_image_flags = 0,
            .gauge_header    = &SliderGaugesGauge,
        },
    .x = {.source_var = {MODULE_VAR_NONE, 0.0}, .scale = 0.0, .update_cb = nullptr},
    .y = {.source_var = {kTokenBattery2Charge, 0.0}, .scale = kChargeScale, .update_cb = nullptr},
};

SliderElement PowerBatt1Pointer = {
    .header =
        {
            .element_type    = ELEMENT_SLIDER,
            .resource_id     = kBmpMonitorPointerRight,
            .position        = {63, 94},
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = IMAGE_USE_TRANSPARENCY | IMAGE_USE_ERASE,
            .aux_image_flags = 0,
            .gauge_header    = &SliderGaugesGauge,
        },
    .x = {.source_var = {MODULE_VAR_NONE, 0.0}, .scale = 0.0, .update_cb = nullptr},
    .y = {.source_var = {MODULE_VAR_NONE, 0.0},
          .scale      = kPowerScale,
          .update_cb  = &MonitorPointerCallback<&ModuleState::PowerMeter1>},
};

SliderElement PowerBatt2Pointer = {
    .header =
        {
            .element_type    = ELEMENT_SLIDER,
            .resource_id     = kBmpMonitorPointerLeft,
            .position        = {83, 94},
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = IMAGE_USE_TRANSPARENCY | IMAGE_USE_ERASE,
            .aux_image_flags = 0,
            .gauge_header    = &SliderGaugesGauge,
        },
    .x = {.source_var = {MODULE_VAR_NONE, 0.0}, .scale = 0.0, .update_cb = nullptr},
    .y = {.source_var = {MODULE_VAR_NONE, 0.0},
          .scale      = kPowerScale,
          .update_cb  = &MonitorPointerCallback<&ModuleState::PowerMeter2>},
};

SliderElement BattTempBatt1Pointer = {
    .header =
        {
            .element_type    = ELEMENT_SLIDER,
            .resource_id     = kBmpMonitorPointerRight,
            .position        = {182, 95},
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = IMAGE_USE_TRANSPARENCY | IMAGE_USE_ERASE,
            .aux_image_flags = 0,
            .gauge_header    = &SliderGaugesGauge,
        },
    .x = {.source_var = {MODULE_VAR_NONE, 0.0}, .scale = 0.0, .update_cb = nullptr},
    .y = {.source_var = {MODULE_VAR_NONE, 0.0},
          .scale      = kBattTempScale,
          .update_cb  = &MonitorPointerCallback<&ModuleState::BattTemp1>},
};

SliderElement BattTempBatt2Pointer = {
    .header =
        {
            .element_type    = ELEMENT_SLIDER,
            .resource_id     = kBmpMonitorPointerLeft,
            .position        = {202, 95},
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = IMAGE_USE_TRANSPARENCY | IMAGE_USE_ERASE,
            .aux_image_flags = 0,
            .gauge_header    = &SliderGaugesGauge,
        },
    .x = {.source_var = {MODULE_VAR_NONE, 0.0}, .scale = 0.0, .update_cb = nullptr},
    .y = {.source_var = {MODULE_VAR_NONE, 0.0},
          .scale      = kBattTempScale,
          .update_cb  = &MonitorPointerCallback<&ModuleState::BattTemp2>},
};

SliderElement MotorTempLeftPointer = {
    .header =
        {
            .element_type    = ELEMENT_SLIDER,
            .resource_id     = kBmpMonitorPointerRight,
            .position        = {232, 95},
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = IMAGE_USE_TRANSPARENCY | IMAGE_USE_ERASE,
            .aux_image_flags = 0,
            .gauge_header    = &SliderGaugesGauge,
        },
    .x = {.source_var = {MODULE_VAR_NONE, 0.0}, .scale = 0.0, .update_cb = nullptr},
    .y = {.source_var = {MODULE_VAR_NONE, 0.0},
          .scale      = kMotorTempScale,
          .update_cb  = &MonitorPointerCallback<&ModuleState::MotorTempDisplayL>},
};

SliderElement MotorTempRightPointer = {
    .header =
        {
            .element_type    = ELEMENT_SLIDER,
            .resource_id     = kBmpMonitorPointerLeft,
            .position        = {252, 95},
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = IMAGE_USE_TRANSPARENCY | IMAGE_USE_ERASE,
            .aux_image_flags = 0,
            .gauge_header    = &SliderGaugesGauge,
        },
    .x = {.source_var = {MODULE_VAR_NONE, 0.0}, .scale = 0.0, .update_cb = nullptr},
    .y = {.source_var = {MODULE_VAR_NONE, 0.0},
          .scale      = kMotorTempScale,
          .update_cb  = &MonitorPointerCallback<&ModuleState::MotorTempDisplayR>},
};

PELEMENT_HEADER SliderGaugesPointers[] = {
    &ChargeBatt1Pointer.header,   &ChargeBatt2Pointer.header,    &PowerBatt1Pointer.header,
    &PowerBatt2Pointer.header,    &BattTempBatt1Pointer.header,  &BattTempBatt2Pointer.header,
    &MotorTempLeftPointer.header, &MotorTempRightPointer.header, nullptr,
};

StaticImageElement SliderGaugesRoot = {
    .header =
        {
            .element_type    = ELEMENT_STATIC_IMAGE,
            .resource_id     = kBmpMonitorFaces,
            .position        = {0, 0},
            .next_element    = SliderGaugesPointers,
            .failure_systems = nullptr,
            .image_flags     = IMAGE_USE_TRANSPARENCY,
            .aux_image_flags = 0,
            .gauge_header    = &SliderGaugesGauge,
        },
};
PELEMENT_HEADER SliderGaugesElements[] = {&SliderGaugesRoot.header};

// One tooltip over each meter window; nothing here is clickable.
const MouseRect SliderGaugesMouse[] = {
    MOUSE_BEGIN(),
    MOUSE_PARENT_BEGIN(9, 8, 35, 104),
    MOUSE_TOOLTIP_TEXT_STRING("Battery 1 and 2 Charge Indicator (Ampere-Hours)"),
    MOUSE_PARENT_END(),
    MOUSE_PARENT_BEGIN(60, 8, 35, 104),
    MOUSE_TOOLTIP_TEXT_STRING("Battery 1 and 2 Voltage an Current Indicators"),
    MOUSE_PARENT_END(),
    MOUSE_PARENT_BEGIN(179, 8, 35, 104),
    MOUSE_TOOLTIP_TEXT_STRING("Battery 1 and 2 Temperature Indicators"),
    MOUSE_PARENT_END(),
    MOUSE_PARENT_BEGIN(230, 8, 35, 104),
    MOUSE_TOOLTIP_TEXT_STRING("Motor Left and Right Temperature Indicators"),
    MOUSE_PARENT_END(),
    MOUSE_PARENT_END(),
    MOUSE_END(),
};

}  // namespace

GAUGEHDR SliderGaugesGauge =
    StandardGaugeHeader("SliderGauges", SliderGaugesElements, 273, SliderGaugesMouse, nullptr);
