// Reading a gauge's one-area mouse table in unit tests: its tooltip, its
// click entry, and the whole table laid out as the module's tables are.
#pragma once

#include <gtest/gtest.h>

#include <iterator>

#include "panel/gauge_types.h"

namespace drennomar::test {

/// The first click entry of a gauge's mouse table, or null.
inline const MouseRect* ClickEntryOf(const GAUGEHDR& gauge) {
    for (const MouseRect* r = gauge.mouse_rect; r && r->rect_flags != MOUSE_RECT_EOL; ++r) {
        if (r->rect_flags == MOUSE_RECT_CHILD) return r;
    }
    return nullptr;
}

/// Checks that a gauge's mouse table is the one-area layout: outer parent at
/// (0, 0), the area's parent, its tooltip, one left-click entry with the hand
/// cursor over the same box, the two closing entries and the end.
inline void ExpectOneAreaMouseTable(const GAUGEHDR& gauge, PIXBOX box, const char* tooltip,
                                    MOUSE_FUNCTION handler) {
    const MouseRect* m = gauge.mouse_rect;
    ASSERT_NE(m, nullptr);
    const MouseRectKind kinds[] = {MOUSE_RECT_PARENT, MOUSE_RECT_PARENT,     MOUSE_RECT_USER,
                                   MOUSE_RECT_CHILD,  MOUSE_RECT_END_PARENT, MOUSE_RECT_END_PARENT,
                                   MOUSE_RECT_EOL};
    for (size_t i = 0; i < std::size(kinds); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(m[i].rect_flags, kinds[i]);
        EXPECT_EQ(m[i].help_id, HELP_NONE);
        EXPECT_EQ(m[i].event_id, 0u);
        EXPECT_EQ(m[i].api_data, nullptr);
        const bool click = kinds[i] == MOUSE_RECT_CHILD;
        EXPECT_EQ(m[i].cursor, click ? CURSOR_HAND : CURSOR_NONE);
        EXPECT_EQ(m[i].mouse_flags, click ? MOUSE_LEFTSINGLE : 0u);
        const bool boxed  = i == 1 || click;
        const PIXBOX want = boxed ? box : PIXBOX{0, 0, 0, 0};
        EXPECT_EQ(m[i].relative_box.x, want.x);
        EXPECT_EQ(m[i].relative_box.y, want.y);
        EXPECT_EQ(m[i].relative_box.w, want.w);
        EXPECT_EQ(m[i].relative_box.h, want.h);
        if (kinds[i] != MOUSE_RECT_USER && !click) {
            EXPECT_EQ(m[i].target.handler, nullptr);
        }
    }
    EXPECT_STREQ(m[2].target.tooltip, tooltip);
    EXPECT_EQ(m[3].target.handler, handler);
}

}  // namespace drennomar::test
