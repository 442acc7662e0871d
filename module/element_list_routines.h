// The seven standard element-list routines every gauge header carries, and
// the helper that fills a header with them.
//
// Every routine, whichever header the panel system reached it through, finds
// the root element of the first gauge of the table (SliderGauges) through
// Linkage at the moment it is called and passes it, with its own argument
// unchanged, to one panel service.
#pragma once

#include "panel/gauge_types.h"

namespace drennomar {

void PANELAPI StandardQuery();
void PANELAPI StandardInstall(RESOURCE_HANDLE resource_file);
void PANELAPI StandardInitialize();
void PANELAPI StandardUpdate();
void PANELAPI StandardGenerate(UINT32 phase);
void PANELAPI StandardDraw();
void PANELAPI StandardKill();

/// A gauge header with header version 800, the standard routines, and
/// every field the module does not set left zero or null.
constexpr GAUGEHDR StandardGaugeHeader(const char* name, PELEMENT_HEADER* elements_list,
                                       UINT32 default_width, const MouseRect* mouse_rect,
                                       GAUGE_CALLBACK gauge_callback) {
    return GAUGEHDR{
        .gauge_header_version = GAUGE_HEADER_VERSION_800,
        .gauge_name           = name,
        .elements_list        = elements_list,
        .query_routine        = &StandardQuery,
        .install_routine      = &StandardInstall,
        .initialize_routine   = &StandardInitialize,
        .update_routine       = &StandardUpdate,
        .generate_routine     = &StandardGenerate,
        .draw_routine         = &StandardDraw,
        .kill_routine         = &StandardKill,
        .size_x_mm            = default_width,
        .size_y_mm            = 0,
        .x_adjust             = 0.0f,
        .y_adjust             = 0.0f,
        .mouse_rect           = mouse_rect,
        .gauge_callback       = gauge_callback,
        .user_data            = nullptr,
        .parameters           = nullptr,
        .usage                = nullptr,
    };
}

}  // namespace drennomar
