// Speed: the rover's speedometer, a 64 x 50 dial marked 0 to 20 KM/HR with
// one pointer turning about a hub at the bottom centre.
//
// Inputs: GroundSpeedMps as the DISTANCE read-out of HeadingCompass last
// computed it (SpeedNeedleCallback); no simulation variable of its own.
// Outputs: the needle's value, km/h held in [0, 20].
#include <iterator>

#include "module/element_list_routines.h"
#include "module/gauge_table.h"
#include "navigation/navigation.h"
#include "resources/bitmap_ids.h"

using namespace drennomar;

namespace {

constexpr FLAGS32 kNeedleFlags = IMAGE_USE_TRANSPARENCY | IMAGE_USE_ERASE | IMAGE_BILINEAR_COLOR;

// Shared by both elements: failure 20 drops the needle to 0, failure 10
// freezes it.
const FailureRecord SpeedFailures[] = {
    {.key = 20, .action = FAIL_ACTION_ZERO, .reserved = nullptr},
    {.key = 10, .action = FAIL_ACTION_FREEZE, .reserved = nullptr},
    {.key = FAIL_NONE, .action = FAIL_ACTION_NONE, .reserved = nullptr},
};

// The marks of the dial, in dial pixels, at the values they stand for. The
// steps between them are not equal (about 26 to 28 degrees per 5 km/h), so
// the needle is pointed at each mark rather than turned by a scale.
const Nonlinearity SpeedNeedleMarks[] = {
    {.point = {11, 24}, .value = 0, .degrees = 0},  {.point = {19, 15}, .value = 5, .degrees = 0},
    {.point = {32, 12}, .value = 10, .degrees = 0}, {.point = {44, 15}, .value = 15, .degrees = 0},
    {.point = {53, 24}, .value = 20, .degrees = 0},
};
static_assert(std::size(SpeedNeedleMarks) == 5, "one entry per dial mark");

// The pointer bitmap turns about its left end, placed on the hub.
NeedleElement SpeedNeedle = {
    .header =
        {
            .element_type    = ELEMENT_NEEDLE,
            .resource_id     = kBmpSpeedNeedle,
            .position        = {32, 39},
            .next_element    = nullptr,
            .failure_systems = SpeedFailures,
            .image_flags     = kNeedleFlags,
            .aux_image_flags = 0,
            .gauge_header    = &SpeedGauge,
        },
    .reference            = {0, 1},
    .source_var           = {MODULE_VAR_NONE, 0.0},
    .update_cb            = &SpeedNeedleCallback,
    .nonlinearity         = SpeedNeedleMarks,
    .nonlinearity_count   = static_cast<UINT32>(std::size(SpeedNeedleMarks)),
    .max_degrees_per_tick = 6,
};
PELEMENT_HEADER SpeedNeedleList[] = {&SpeedNeedle.header, nullptr};

StaticImageElement SpeedDial = {
    .header =
        {
            .element_type    = ELEMENT_STATIC_IMAGE,
            .resource_id     = kBmpSpeedDial,
            .position        = {0, 0},
            .next_element    = SpeedNeedleList,
            .failure_systems = SpeedFailures,
            .image_flags     = IMAGE_USE_TRANSPARENCY,
            .aux_image_flags = 0,
            .gauge_header    = &SpeedGauge,
        },
};
PELEMENT_HEADER SpeedElements[] = {&SpeedDial.header};

const MouseRect SpeedMouse[] = {
    MOUSE_BEGIN(),
    MOUSE_PARENT_BEGIN(0, 0, 64, 50),
    MOUSE_TOOLTIP_TEXT_STRING("Speed in kilometers per hour"),
    MOUSE_PARENT_END(),
    MOUSE_PARENT_END(),
    MOUSE_END(),
};

}  // namespace

GAUGEHDR SpeedGauge = StandardGaugeHeader("Speed", SpeedElements, 64, SpeedMouse, nullptr);
