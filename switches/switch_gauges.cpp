// Switch gauges: frame only until the gauges are built.
#include "module/element_list_routines.h"
#include "module/gauge_table.h"
#include "resources/bitmap_ids.h"

using namespace drennomar;

namespace {

StaticImageElement SwitchesBatteryRoot = {
    .header =
        {
            .element_type    = ELEMENT_STATIC_IMAGE,
            .resource_id     = kBmpBattSwDown,
            .position        = {0, 0},
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = IMAGE_USE_TRANSPARENCY | IMAGE_NO_STATIC_BLENDING,
            .aux_image_flags = 0,
            .gauge_header    = &SwitchesBatteryGauge,
        },
};
PELEMENT_HEADER SwitchesBatteryElements[] = {&SwitchesBatteryRoot.header};

}  // namespace

GAUGEHDR SwitchesBatteryGauge =
    StandardGaugeHeader("SwitchesBattery", SwitchesBatteryElements, 51, nullptr, nullptr);

namespace {

StaticImageElement SwitchesMotorTempRoot = {
    .header =
        {
            .element_type    = ELEMENT_STATIC_IMAGE,
            .resource_id     = kBmpMotorSwDown,
            .position        = {0, 0},
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = IMAGE_USE_TRANSPARENCY | IMAGE_NO_STATIC_BLENDING,
            .aux_image_flags = 0,
            .gauge_header    = &SwitchesMotorTempGauge,
        },
};
PELEMENT_HEADER SwitchesMotorTempElements[] = {&SwitchesMotorTempRoot.header};

}  // namespace

GAUGEHDR SwitchesMotorTempGauge =
    StandardGaugeHeader("SwitchesMotorTemp", SwitchesMotorTempElements, 49, nullptr, nullptr);

namespace {

StaticImageElement SwitchesResetRoot = {
    .header =
        {
            .element_type    = ELEMENT_STATIC_IMAGE,
            .resource_id     = kBmpResetSwDown,
            .position        = {0, 0},
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = IMAGE_USE_TRANSPARENCY | IMAGE_NO_STATIC_BLENDING,
            .aux_image_flags = 0,
            .gauge_header    = &SwitchesResetGauge,
        },
};
PELEMENT_HEADER SwitchesResetElements[] = {&SwitchesResetRoot.header};

}  // namespace

GAUGEHDR SwitchesResetGauge =
    StandardGaugeHeader("SwitchesReset", SwitchesResetElements, 63, nullptr, nullptr);

namespace {

StaticImageElement SwitchesWarningRoot = {
    .header =
        {
            .element_type    = ELEMENT_STATIC_IMAGE,
            .resource_id     = kBmpWarningStowed,
            .position        = {0, 0},
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = IMAGE_USE_TRANSPARENCY | IMAGE_NO_STATIC_BLENDING,
            .aux_image_flags = 0,
            .gauge_header    = &SwitchesWarningGauge,
        },
};
PELEMENT_HEADER SwitchesWarningElements[] = {&SwitchesWarningRoot.header};

}  // namespace

GAUGEHDR SwitchesWarningGauge =
    StandardGaugeHeader("SwitchesWarning", SwitchesWarningElements, 287, nullptr, nullptr);
