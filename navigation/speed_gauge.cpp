// Speed: frame only until the gauge is built.
#include "module/element_list_routines.h"
#include "module/gauge_table.h"
#include "resources/bitmap_ids.h"

using namespace drennomar;

namespace {

StaticImageElement SpeedRoot = {
    .header =
        {
            .element_type    = ELEMENT_STATIC_IMAGE,
            .resource_id     = kBmpSpeedDial,
            .position        = {0, 0},
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = IMAGE_USE_TRANSPARENCY,
            .aux_image_flags = 0,
            .gauge_header    = &SpeedGauge,
        },
};
PELEMENT_HEADER SpeedElements[] = {&SpeedRoot.header};

}  // namespace

GAUGEHDR SpeedGauge = StandardGaugeHeader("Speed", SpeedElements, 64, nullptr, nullptr);
