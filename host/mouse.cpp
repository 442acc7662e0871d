// The mouse: tooltips and left single clicks, from a gauge's mouse table.
//
// The table is flat: a parent entry opens an area with its box, a user
// entry gives the open area its tooltip text, a child entry is a click area
// inside it, an end-of-parent entry closes the most recently opened area,
// and the end-of-list entry ends the table. Boxes are in gauge pixels; a
// box holds the points x <= px < x + w, y <= py < y + h, so an empty box
// holds none.
#include <vector>

#include "host/panel_host.h"

namespace drennomar::host {

namespace {

bool BoxHolds(const PIXBOX& box, PIXPOINT p) {
    // In 64 bits, so that no box near the 32-bit limits overflows.
    auto x = static_cast<std::int64_t>(p.x), y = static_cast<std::int64_t>(p.y);
    return x >= box.x && y >= box.y && x < static_cast<std::int64_t>(box.x) + box.w &&
           y < static_cast<std::int64_t>(box.y) + box.h;
}

}  // namespace

// The innermost area that holds the point and has a tooltip wins; among
// areas equally deep, the first in the table. An area is taken on its own
// box: the outer area of the usual layout has an empty box and yet its
// inner areas count.
const char* PanelHost::Tooltip(const GaugeDef& gauge, PIXPOINT point) const {
    const MouseRect* table = gauge.header->mouse_rect;
    if (table == nullptr) return nullptr;
    struct Open {
        const MouseRect* entry;
        bool holds;
    };
    std::vector<Open> open;
    const char* best  = nullptr;
    size_t best_depth = 0;
    for (size_t i = 0; i < kMaxMouseEntries && table[i].rect_flags != MOUSE_RECT_EOL; ++i) {
        const MouseRect& r = table[i];
        switch (r.rect_flags) {
            case MOUSE_RECT_PARENT:
                open.push_back({&r, BoxHolds(r.relative_box, point)});
                break;
            case MOUSE_RECT_END_PARENT:
                if (!open.empty()) open.pop_back();
                break;
            case MOUSE_RECT_USER:
                if (!open.empty() && open.back().holds && r.target.tooltip != nullptr &&
                    (best == nullptr || open.size() > best_depth)) {
                    best       = r.target.tooltip;
                    best_depth = open.size();
                }
                break;
            default:
                break;
        }
    }
    return best;
}

// Only click entries that listen for a left single click take it; the
// handler gets its own copy of the point.
std::optional<BOOL32> PanelHost::Click(const GaugeDef& gauge, PIXPOINT point) {
    const MouseRect* table = gauge.header->mouse_rect;
    if (table == nullptr) return std::nullopt;
    for (size_t i = 0; i < kMaxMouseEntries && table[i].rect_flags != MOUSE_RECT_EOL; ++i) {
        const MouseRect& r = table[i];
        if (r.rect_flags == MOUSE_RECT_CHILD && (r.mouse_flags & MOUSE_LEFTSINGLE) != 0 &&
            r.target.handler != nullptr && BoxHolds(r.relative_box, point)) {
            PIXPOINT p = point;
            return r.target.handler(&p, MOUSE_LEFTSINGLE);
        }
    }
    return std::nullopt;
}

}  // namespace drennomar::host
