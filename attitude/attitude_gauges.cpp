// The vehicle attitude indicator: RollPitchIndicator for the 2D panel,
// RollVCIndicator and PitchVCIndicator for the virtual cockpit.
//
// Shows:   the bank on a pointer swinging over the roll face and the pitch on
//          a marker sliding beside the pitch face, each within 20 degrees
//          either way. RollPitchIndicator holds both faces and shows one at a
//          time, the roll face at load; each VC gauge always shows its one.
// Inputs:  tokens 0x4D (pitch) and 0x4F (bank) as element sources; the named
//          variable RollPitchGauge and FacePending, at RollPitchIndicator's
//          gauge callback.
// Outputs: a click on any of the three toggles RollPitchGauge and sets
//          FacePending; RollPitchIndicator's gauge callback then flips the
//          hidden bits of its own elements.
//
// [SECTION] The moving elements
// [SECTION] RollPitchIndicator
// [SECTION] RollVCIndicator
// [SECTION] PitchVCIndicator
#include <iterator>

#include "attitude/attitude_callbacks.h"
#include "module/element_list_routines.h"
#include "module/gauge_table.h"
#include "resources/bitmap_ids.h"

using namespace drennomar;

//-----------------------------------------------------------------------------
// [SECTION] The moving elements
//-----------------------------------------------------------------------------
// The pitch marker and the roll pointer are defined alike wherever they
// appear; each gauge has its own records, since an element records its gauge
// and RollPitchIndicator changes the flags of its own.

namespace {

// The marker's point meets the pitch face's zero mark at rest; 0.75 pixel per
// degree, downward (toward D) for a positive pitch, takes +-20 degrees to the
// printed 20 marks 15 pixels away.
constexpr PIXPOINT kPitchMarkerRestPx = {64, 27};
constexpr double kPitchMarkerPxPerDeg = 0.75;
// The pointer turns about its top end, placed on the roll scale's centre
// column; without a nonlinearity table its value is its angle in degrees.
constexpr PIXPOINT kRollPointerPivotPx     = {53, 49};
constexpr PIXPOINT kRollPointerBitmapPivot = {3, 0};
constexpr double kNeedleMaxRate            = 6.0;
constexpr SINT32 kFaceWidthPx              = 122;
constexpr SINT32 kFaceHeightPx             = 139;

constexpr FLAGS32 kFaceFlags    = IMAGE_USE_TRANSPARENCY | IMAGE_USE_ERASE;
constexpr FLAGS32 kMarkerFlags  = IMAGE_USE_TRANSPARENCY | IMAGE_USE_ERASE;
constexpr FLAGS32 kPointerFlags = IMAGE_USE_TRANSPARENCY | IMAGE_USE_ERASE | IMAGE_BILINEAR_COLOR;
constexpr FLAGS32 kVCRootFlags  = IMAGE_USE_TRANSPARENCY;

constexpr SliderAxis kMarkerNoHorizontal = {
    .source_var = {MODULE_VAR_NONE, 0.0},
    .scale      = 0.0,
    .update_cb  = nullptr,
};
constexpr SliderAxis kMarkerVertical = {
    .source_var = {kTokenPitchDeg, 0.0},
    .scale      = kPitchMarkerPxPerDeg,
    .update_cb  = &PitchMarkerCallback,
};

}  // namespace

//-----------------------------------------------------------------------------
// [SECTION] RollPitchIndicator
//-----------------------------------------------------------------------------
// The root is the pitch face; its children, in drawing order, the pitch
// marker, the roll face and the roll pointer. At load the pitch face and the
// marker carry the hidden bit, which hides only the element that carries it,
// so the roll face and pointer are drawn over the hidden root.

namespace {

SliderElement RollPitchPitchMarker = {
    .header =
        {
            .element_type    = ELEMENT_SLIDER,
            .resource_id     = kBmpPitchMarker,
            .position        = kPitchMarkerRestPx,
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = kMarkerFlags | IMAGE_HIDDEN,
            .aux_image_flags = 0,
            .gauge_header    = &RollPitchIndicatorGauge,
        },
    .x = kMarkerNoHorizontal,
    .y = kMarkerVertical,
};

IconElement RollPitchRollFace = {
    .header =
        {
            .element_type    = ELEMENT_ICON,
            .resource_id     = kBmpRollFace,
            .position        = {0, 0},
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = kFaceFlags,
            .aux_image_flags = 0,
            .gauge_header    = &RollPitchIndicatorGauge,
        },
    .source_var    = {MODULE_VAR_NONE, 0.0},
    .update_cb     = nullptr,
    .switch_type   = ICON_SWITCH_TYPE_SET_CUR_ICON,
    .picture_count = 1,
    .scale         = 0.0,
    .offset        = 0.0,
};

NeedleElement RollPitchRollPointer = {
    .header =
        {
            .element_type    = ELEMENT_NEEDLE,
            .resource_id     = kBmpRollPointer,
            .position        = kRollPointerPivotPx,
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = kPointerFlags,
            .aux_image_flags = 0,
            .gauge_header    = &RollPitchIndicatorGauge,
        },
    .reference            = kRollPointerBitmapPivot,
    .source_var           = {kTokenBankDeg, 0.0},
    .update_cb            = &RollPointerCallback,
    .nonlinearity         = nullptr,
    .nonlinearity_count   = 0,
    .max_degrees_per_tick = kNeedleMaxRate,
};

// FaceSwitchCallback finds the children by these places.
PELEMENT_HEADER RollPitchChildren[] = {
    &RollPitchPitchMarker.header,  // kPitchMarker
    &RollPitchRollFace.header,     // kRollFace
    &RollPitchRollPointer.header,  // kRollPointer
    nullptr,
};
static_assert(std::size(RollPitchChildren) == size_t(kRollPitchChildCount) + 1);

StaticImageElement RollPitchPitchFace = {
    .header =
        {
            .element_type    = ELEMENT_STATIC_IMAGE,
            .resource_id     = kBmpPitchFace,
            .position        = {0, 0},
            .next_element    = RollPitchChildren,
            .failure_systems = nullptr,
            .image_flags     = kFaceFlags | IMAGE_HIDDEN,
            .aux_image_flags = 0,
            .gauge_header    = &RollPitchIndicatorGauge,
        },
};
PELEMENT_HEADER RollPitchIndicatorElements[] = {&RollPitchPitchFace.header};

constexpr MouseRect RollPitchIndicatorMouse[] = {
    MOUSE_BEGIN(),
    MOUSE_PARENT_BEGIN(0, 0, kFaceWidthPx, kFaceHeightPx),
    MOUSE_TOOLTIP_TEXT_STRING("Roll and Pitch Indicator (click to flip)"),
    MOUSE_CHILD_FUNCT(0, 0, kFaceWidthPx, kFaceHeightPx, CURSOR_HAND, MOUSE_LEFTSINGLE,
                      &FaceClickHandler),
    MOUSE_PARENT_END(),
    MOUSE_PARENT_END(),
    MOUSE_END(),
};

}  // namespace

GAUGEHDR RollPitchIndicatorGauge =
    StandardGaugeHeader("RollPitchIndicator", RollPitchIndicatorElements, kFaceWidthPx,
                        RollPitchIndicatorMouse, &FaceSwitchCallback);

//-----------------------------------------------------------------------------
// [SECTION] RollVCIndicator
//-----------------------------------------------------------------------------
// The roll face and its pointer, always shown. A click toggles RollPitchGauge
// for the rest of the panel; this gauge keeps its face.

namespace {

NeedleElement RollVCRollPointer = {
    .header =
        {
            .element_type    = ELEMENT_NEEDLE,
            .resource_id     = kBmpRollPointer,
            .position        = kRollPointerPivotPx,
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = kPointerFlags,
            .aux_image_flags = 0,
            .gauge_header    = &RollVCIndicatorGauge,
        },
    .reference            = kRollPointerBitmapPivot,
    .source_var           = {kTokenBankDeg, 0.0},
    .update_cb            = &RollPointerCallback,
    .nonlinearity         = nullptr,
    .nonlinearity_count   = 0,
    .max_degrees_per_tick = kNeedleMaxRate,
};
PELEMENT_HEADER RollVCChildren[] = {&RollVCRollPointer.header, nullptr};

StaticImageElement RollVCRollFace = {
    .header =
        {
            .element_type    = ELEMENT_STATIC_IMAGE,
            .resource_id     = kBmpRollFace,
            .position        = {0, 0},
            .next_element    = RollVCChildren,
            .failure_systems = nullptr,
            .image_flags     = kVCRootFlags,
            .aux_image_flags = 0,
            .gauge_header    = &RollVCIndicatorGauge,
        },
};
PELEMENT_HEADER RollVCIndicatorElements[] = {&RollVCRollFace.header};

constexpr MouseRect RollVCIndicatorMouse[] = {
    MOUSE_BEGIN(),
    MOUSE_PARENT_BEGIN(0, 0, kFaceWidthPx, kFaceHeightPx),
    MOUSE_TOOLTIP_TEXT_STRING("Roll Indicator (click to flip for Pitch indicator)"),
    MOUSE_CHILD_FUNCT(0, 0, kFaceWidthPx, kFaceHeightPx, CURSOR_HAND, MOUSE_LEFTSINGLE,
                      &FaceClickHandler),
    MOUSE_PARENT_END(),
    MOUSE_PARENT_END(),
    MOUSE_END(),
};

}  // namespace

GAUGEHDR RollVCIndicatorGauge = StandardGaugeHeader("RollVCIndicator", RollVCIndicatorElements,
                                                    kFaceWidthPx, RollVCIndicatorMouse, nullptr);

//-----------------------------------------------------------------------------
// [SECTION] PitchVCIndicator
//-----------------------------------------------------------------------------
// The pitch face and its marker, always shown. A click toggles RollPitchGauge
// for the rest of the panel; this gauge keeps its face.

namespace {

SliderElement PitchVCPitchMarker = {
    .header =
        {
            .element_type    = ELEMENT_SLIDER,
            .resource_id     = kBmpPitchMarker,
            .position        = kPitchMarkerRestPx,
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = kMarkerFlags,
            .aux_image_flags = 0,
            .gauge_header    = &PitchVCIndicatorGauge,
        },
    .x = kMarkerNoHorizontal,
    .y = kMarkerVertical,
};
PELEMENT_HEADER PitchVCChildren[] = {&PitchVCPitchMarker.header, nullptr};

StaticImageElement PitchVCPitchFace = {
    .header =
        {
            .element_type    = ELEMENT_STATIC_IMAGE,
            .resource_id     = kBmpPitchFace,
            .position        = {0, 0},
            .next_element    = PitchVCChildren,
            .failure_systems = nullptr,
            .image_flags     = kVCRootFlags,
            .aux_image_flags = 0,
            .gauge_header    = &PitchVCIndicatorGauge,
        },
};
PELEMENT_HEADER PitchVCIndicatorElements[] = {&PitchVCPitchFace.header};

constexpr MouseRect PitchVCIndicatorMouse[] = {
    MOUSE_BEGIN(),
    MOUSE_PARENT_BEGIN(0, 0, kFaceWidthPx, kFaceHeightPx),
    MOUSE_TOOLTIP_TEXT_STRING("Pitch Indicator (click to flip for Roll Indicator)"),
    MOUSE_CHILD_FUNCT(0, 0, kFaceWidthPx, kFaceHeightPx, CURSOR_HAND, MOUSE_LEFTSINGLE,
                      &FaceClickHandler),
    MOUSE_PARENT_END(),
    MOUSE_PARENT_END(),
    MOUSE_END(),
};

}  // namespace

GAUGEHDR PitchVCIndicatorGauge = StandardGaugeHeader("PitchVCIndicator", PitchVCIndicatorElements,
                                                     kFaceWidthPx, PitchVCIndicatorMouse, nullptr);
