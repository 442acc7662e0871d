// SliderGauges: frame only until the gauge is built.
#include "module/element_list_routines.h"
#include "module/gauge_table.h"
#include "resources/bitmap_ids.h"

using namespace drennomar;

namespace {

StaticImageElement SliderGaugesRoot = {
    .header =
        {
            .element_type    = ELEMENT_STATIC_IMAGE,
            .resource_id     = kBmpMonitorFaces,
            .position        = {0, 0},
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = IMAGE_USE_TRANSPARENCY,
            .aux_image_flags = 0,
            .gauge_header    = &SliderGaugesGauge,
        },
};
PELEMENT_HEADER SliderGaugesElements[] = {&SliderGaugesRoot.header};

}  // namespace

GAUGEHDR SliderGaugesGauge =
    StandardGaugeHeader("SliderGauges", SliderGaugesElements, 273, nullptr, nullptr);
