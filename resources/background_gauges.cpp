// Background and BackgroundVC: the console pictures, one static image each,
// with no mouse table and no callback. They exist so that a panel can place
// the 2D and the virtual-cockpit console by gauge name.
#include "module/element_list_routines.h"
#include "module/gauge_table.h"
#include "resources/bitmap_ids.h"

using namespace drennomar;

namespace {

StaticImageElement BackgroundRoot = {
    .header =
        {
            .element_type    = ELEMENT_STATIC_IMAGE,
            .resource_id     = kBmpConsole2D,
            .position        = {0, 0},
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = IMAGE_USE_TRANSPARENCY,
            .aux_image_flags = 0,
            .gauge_header    = &BackgroundGauge,
        },
};
PELEMENT_HEADER BackgroundElements[] = {&BackgroundRoot.header};

}  // namespace

GAUGEHDR BackgroundGauge =
    StandardGaugeHeader("Background", BackgroundElements, 500, nullptr, nullptr);

namespace {

StaticImageElement BackgroundVCRoot = {
    .header =
        {
            .element_type    = ELEMENT_STATIC_IMAGE,
            .resource_id     = kBmpConsoleVC,
            .position        = {0, 0},
            .next_element    = nullptr,
            .failure_systems = nullptr,
            .image_flags     = IMAGE_USE_TRANSPARENCY,
            .aux_image_flags = 0,
            .gauge_header    = &BackgroundVCGauge,
        },
};
PELEMENT_HEADER BackgroundVCElements[] = {&BackgroundVCRoot.header};

}  // namespace

GAUGEHDR BackgroundVCGauge =
    StandardGaugeHeader("BackgroundVC", BackgroundVCElements, 500, nullptr, nullptr);
