// HeadingCompass: frame only until the gauge is built.
#include "module/element_list_routines.h"
#include "module/gauge_table.h"
#include "resources/bitmap_ids.h"

using namespace drennomar;

namespace {

StaticImageElement HeadingCompassRoot = {
    .header =
        {
            .element_type    = ELEMENT_STATIC_IMAGE,
            .resource_id     = kBmpCompassFace,
            .position        = {0, 0},
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = IMAGE_USE_TRANSPARENCY,
            .aux_image_flags = 0,
            .gauge_header    = &HeadingCompassGauge,
        },
};
PELEMENT_HEADER HeadingCompassElements[] = {&HeadingCompassRoot.header};

}  // namespace

GAUGEHDR HeadingCompassGauge =
    StandardGaugeHeader("HeadingCompass", HeadingCompassElements, 170, nullptr, nullptr);
