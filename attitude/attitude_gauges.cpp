// Attitude indicator gauges: frame only until the gauges are built.
#include "module/element_list_routines.h"
#include "module/gauge_table.h"
#include "resources/bitmap_ids.h"

using namespace drennomar;

namespace {

StaticImageElement RollPitchIndicatorRoot = {
    .header =
        {
            .element_type    = ELEMENT_STATIC_IMAGE,
            .resource_id     = kBmpPitchFace,
            .position        = {0, 0},
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = IMAGE_USE_TRANSPARENCY | IMAGE_USE_ERASE | IMAGE_HIDDEN,
            .aux_image_flags = 0,
            .gauge_header    = &RollPitchIndicatorGauge,
        },
};
PELEMENT_HEADER RollPitchIndicatorElements[] = {&RollPitchIndicatorRoot.header};

}  // namespace

GAUGEHDR RollPitchIndicatorGauge =
    StandardGaugeHeader("RollPitchIndicator", RollPitchIndicatorElements, 122, nullptr, nullptr);

namespace {

StaticImageElement RollVCIndicatorRoot = {
    .header =
        {
            .element_type    = ELEMENT_STATIC_IMAGE,
            .resource_id     = kBmpRollFace,
            .position        = {0, 0},
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = IMAGE_USE_TRANSPARENCY,
            .aux_image_flags = 0,
            .gauge_header    = &RollVCIndicatorGauge,
        },
};
PELEMENT_HEADER RollVCIndicatorElements[] = {&RollVCIndicatorRoot.header};

}  // namespace

GAUGEHDR RollVCIndicatorGauge =
    StandardGaugeHeader("RollVCIndicator", RollVCIndicatorElements, 122, nullptr, nullptr);

namespace {

StaticImageElement PitchVCIndicatorRoot = {
    .header =
        {
            .element_type    = ELEMENT_STATIC_IMAGE,
            .resource_id     = kBmpPitchFace,
            .position        = {0, 0},
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = IMAGE_USE_TRANSPARENCY,
            .aux_image_flags = 0,
            .gauge_header    = &PitchVCIndicatorGauge,
        },
};
PELEMENT_HEADER PitchVCIndicatorElements[] = {&PitchVCIndicatorRoot.header};

}  // namespace

GAUGEHDR PitchVCIndicatorGauge =
    StandardGaugeHeader("PitchVCIndicator", PitchVCIndicatorElements, 122, nullptr, nullptr);
