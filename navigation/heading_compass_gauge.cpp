// HeadingCompass: the rover's navigation dial, 170 x 170. A compass card
// turns so that the heading stands under the fixed marker at the top; three
// windows show BEARING (whole degrees to the reference point, clockwise from
// the nose), DISTANCE (km travelled since load or the last reset) and RANGE
// (km to the reference point). Four areas of the dial carry tooltips.
//
// Inputs: the heading (token 0x53) as source of the card and of BEARING; the
// navigation records and state (navigation.h).
// Outputs: the three read-out texts, and through DISTANCE the ground speed
// the Speed gauge shows; through RANGE the reference point, range and
// bearing.
//
// The five elements form a chain, drawn in this order: face, card, BEARING,
// RANGE, DISTANCE. All five share one failure list.
#include <iterator>

#include "module/element_list_routines.h"
#include "module/gauge_table.h"
#include "navigation/navigation.h"
#include "resources/bitmap_ids.h"

using namespace drennomar;

namespace {

constexpr FLAGS32 kReadoutFlags = IMAGE_USE_TRANSPARENCY | IMAGE_USE_ERASE | IMAGE_USE_BRIGHT;
constexpr FLAGS32 kNeedleFlags  = IMAGE_USE_TRANSPARENCY | IMAGE_USE_ERASE | IMAGE_BILINEAR_COLOR;

// Shared by every element: while failure 20 is active the whole dial
// freezes.
const FailureRecord HeadingCompassFailures[] = {
    {.key = 20, .action = FAIL_ACTION_FREEZE, .reserved = nullptr},
    {.key = FAIL_NONE, .action = FAIL_ACTION_NONE, .reserved = nullptr},
};

// Text settings shared by the three read-outs.
constexpr COLORREF32 kReadoutText      = 0x787878;  // grey 120
constexpr COLORREF32 kReadoutBack      = 0x000000;  // black
constexpr COLORREF32 kReadoutHighlight = 0x5C5C5C;  // grey 92
constexpr UINT32 kReadoutDrawText      = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

StringElement HeadingCompassDistance = {
    .header =
        {
            .element_type    = ELEMENT_STRING,
            .resource_id     = kNoResource,
            .position        = {36, 87},
            .next_element    = nullptr,
            .failure_systems = HeadingCompassFailures,
            .image_flags     = kReadoutFlags,
            .aux_image_flags = 0,
            .gauge_header    = &HeadingCompassGauge,
        },
    .source_var      = {{MODULE_VAR_NONE, 0.0}, {MODULE_VAR_NONE, 0.0}, {MODULE_VAR_NONE, 0.0}},
    .box_w           = 80,
    .box_h           = 15,
    .char_count      = 10,
    .fg_color        = kReadoutText,
    .bg_color        = kReadoutBack,
    .hilite_color    = kReadoutHighlight,
    .font_face       = "Arial Narrow",
    .font_weight     = FW_NORMAL,
    .font_charset    = DEFAULT_CHARSET,
    .font_size       = 0,
    .draw_text_flags = kReadoutDrawText,
    .highlight_list  = nullptr,
    .update_cb       = &DistanceReadoutCallback,
    .string          = nullptr,
};
PELEMENT_HEADER HeadingCompassDistanceList[] = {&HeadingCompassDistance.header, nullptr};

StringElement HeadingCompassRange = {
    .header =
        {
            .element_type    = ELEMENT_STRING,
            .resource_id     = kNoResource,
            .position        = {103, 87},
            .next_element    = HeadingCompassDistanceList,
            .failure_systems = HeadingCompassFailures,
            .image_flags     = kReadoutFlags,
            .aux_image_flags = 0,
            .gauge_header    = &HeadingCompassGauge,
        },
    .source_var      = {{MODULE_VAR_NONE, 0.0}, {MODULE_VAR_NONE, 0.0}, {MODULE_VAR_NONE, 0.0}},
    .box_w           = 40,
    .box_h           = 15,
    .char_count      = 5,
    .fg_color        = kReadoutText,
    .bg_color        = kReadoutBack,
    .hilite_color    = kReadoutHighlight,
    .font_face       = "Arial Narrow",
    .font_weight     = FW_NORMAL,
    .font_charset    = DEFAULT_CHARSET,
    .font_size       = 0,
    .draw_text_flags = kReadoutDrawText,
    .highlight_list  = nullptr,
    .update_cb       = &RangeReadoutCallback,
    .string          = nullptr,
};
PELEMENT_HEADER HeadingCompassRangeList[] = {&HeadingCompassRange.header, nullptr};

// The BEARING box reaches past the dial's right edge; that is the size the
// element has always carried.
StringElement HeadingCompassBearing = {
    .header =
        {
            .element_type    = ELEMENT_STRING,
            .resource_id     = kNoResource,
            .position        = {70, 50},
            .next_element    = HeadingCompassRangeList,
            .failure_systems = HeadingCompassFailures,
            .image_flags     = kReadoutFlags,
            .aux_image_flags = 0,
            .gauge_header    = &HeadingCompassGauge,
        },
    .source_var      = {{kTokenHeadingDeg, 0.0}, {MODULE_VAR_NONE, 0.0}, {MODULE_VAR_NONE, 0.0}},
    .box_w           = 200,
    .box_h           = 15,
    .char_count      = 20,
    .fg_color        = kReadoutText,
    .bg_color        = kReadoutBack,
    .hilite_color    = kReadoutHighlight,
    .font_face       = "Arial Narrow",
    .font_weight     = FW_NORMAL,
    .font_charset    = DEFAULT_CHARSET,
    .font_size       = 0,
    .draw_text_flags = kReadoutDrawText,
    .highlight_list  = nullptr,
    .update_cb       = &BearingReadoutCallback,
    .string          = nullptr,
};
PELEMENT_HEADER HeadingCompassBearingList[] = {&HeadingCompassBearing.header, nullptr};

// The card turns about its centre, placed on the dial's centre.
NeedleElement HeadingCompassCard = {
    .header =
        {
            .element_type    = ELEMENT_NEEDLE,
            .resource_id     = kBmpCompassCard,
            .position        = {85, 85},
            .next_element    = HeadingCompassBearingList,
            .failure_systems = HeadingCompassFailures,
            .image_flags     = kNeedleFlags,
            .aux_image_flags = 0,
            .gauge_header    = &HeadingCompassGauge,
        },
    .reference            = {85, 85},
    .source_var           = {kTokenHeadingDeg, 0.0},
    .update_cb            = &CompassCardCallback,
    .nonlinearity         = nullptr,
    .nonlinearity_count   = 0,
    .max_degrees_per_tick = 6,
};
PELEMENT_HEADER HeadingCompassCardList[] = {&HeadingCompassCard.header, nullptr};

StaticImageElement HeadingCompassFace = {
    .header =
        {
            .element_type    = ELEMENT_STATIC_IMAGE,
            .resource_id     = kBmpCompassFace,
            .position        = {0, 0},
            .next_element    = HeadingCompassCardList,
            .failure_systems = HeadingCompassFailures,
            .image_flags     = IMAGE_USE_TRANSPARENCY,
            .aux_image_flags = 0,
            .gauge_header    = &HeadingCompassGauge,
        },
};
PELEMENT_HEADER HeadingCompassElements[] = {&HeadingCompassFace.header};

// Tooltip areas only; none is clickable. They lie where they have always
// been, not over the windows they describe.
const MouseRect HeadingCompassMouse[] = {
    MOUSE_BEGIN(),
    MOUSE_PARENT_BEGIN(85, 58, 62, 28),
    MOUSE_TOOLTIP_TEXT_STRING("Heading Indicator to Lunar North"),
    MOUSE_PARENT_END(),
    MOUSE_PARENT_BEGIN(93, 101, 45, 27),
    MOUSE_TOOLTIP_TEXT_STRING("Bearing Indicator to Lunar Module or to last Reset position"),
    MOUSE_PARENT_END(),
    MOUSE_PARENT_BEGIN(60, 137, 45, 27),
    MOUSE_TOOLTIP_TEXT_STRING(
        "Distance in kilometers Traveled from Lunar Module or since last Reset position"),
    MOUSE_PARENT_END(),
    MOUSE_PARENT_BEGIN(125, 137, 45, 27),
    MOUSE_TOOLTIP_TEXT_STRING("Range in kilometers to Lunar Module or to last Reset position"),
    MOUSE_PARENT_END(),
    MOUSE_PARENT_END(),
    MOUSE_END(),
};

}  // namespace

GAUGEHDR HeadingCompassGauge = StandardGaugeHeader("HeadingCompass", HeadingCompassElements, 170,
                                                   HeadingCompassMouse, nullptr);
