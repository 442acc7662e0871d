// The vocabulary in which every gauge is described to the panel system:
// element trees of five kinds, image flags, failure records, nonlinearity
// tables, mouse tables, the four callback kinds and the gauge header.
//
// [SECTION] Element kinds and image flags
// [SECTION] Failure records and nonlinearity tables
// [SECTION] Elements
// [SECTION] Mouse tables and their layout helpers
// [SECTION] Gauge header and panel service codes
#pragma once

#include "panel/panel_types.h"
#include "panel/tokens.h"

struct GAUGEHDR;
using PGAUGEHDR = GAUGEHDR*;

//-----------------------------------------------------------------------------
// [SECTION] Element kinds and image flags
//-----------------------------------------------------------------------------

/// The number stored as an element's kind.
enum ElementKind : UINT32 {
    ELEMENT_STATIC_IMAGE = 0,
    ELEMENT_NEEDLE       = 1,
    ELEMENT_STRING       = 2,
    ELEMENT_SLIDER       = 3,
    ELEMENT_ICON         = 4,
    ELEMENT_KIND_COUNT
};

// Image flags: what each element asks of the panel system when it is drawn.
inline constexpr FLAGS32 IMAGE_USE_TRANSPARENCY   = 0x1;  // pure black is not drawn
inline constexpr FLAGS32 IMAGE_USE_ERASE          = 0x2;  // erase the previous image
inline constexpr FLAGS32 IMAGE_USE_BRIGHT         = 0x4;  // bright drawing
inline constexpr FLAGS32 IMAGE_NO_STATIC_BLENDING = 0x10;
inline constexpr FLAGS32 IMAGE_BILINEAR_COLOR     = 0x80;         // filter colours when turned
inline constexpr FLAGS32 IMAGE_HIDDEN             = 0x40000000;   // this element is not drawn
inline constexpr FLAGS32 IMAGE_HIDDEN_TREE        = 0x80000000u;  // cleared at run time only

//-----------------------------------------------------------------------------
// [SECTION] Failure records and nonlinearity tables
//-----------------------------------------------------------------------------

/// Number of one of the panel system's simulated failures; 0 ends a list.
using FAILURE_KEY                      = UINT32;
inline constexpr FAILURE_KEY FAIL_NONE = 0;

/// What an element does while a failure in its list is active.
enum FailureAction : UINT32 {
    FAIL_ACTION_NONE   = 0,
    FAIL_ACTION_FREEZE = 1,  // keeps showing what it showed
    FAIL_ACTION_ZERO   = 2,  // shows the value 0
};

struct FailureRecord {
    FAILURE_KEY key;
    FailureAction action;
    const void* reserved;
};

/// One point of a needle's value-to-direction table: at `value` the needle
/// points from its pivot toward `point` (gauge pixels).
struct Nonlinearity {
    PIXPOINT point;
    FLOAT64 value;
    FLOAT64 degrees;  // left 0 by every definition
};

//-----------------------------------------------------------------------------
// [SECTION] Elements
//-----------------------------------------------------------------------------

struct ElementHeader;
using PELEMENT_HEADER = ElementHeader*;

/// Fields every element kind begins with. The panel system reaches the kind's
/// own record from this header by the kind number.
struct ElementHeader {
    ElementKind element_type;
    RESOURCE_ID resource_id;               // bitmap, or kNoResource for a string
    PIXPOINT position;                     // needle: the pivot point in the gauge; others: top-left
    PELEMENT_HEADER* next_element;         // child list ended by null, or null
    const FailureRecord* failure_systems;  // list ended by key 0, or null
    FLAGS32 image_flags;
    FLAGS32 aux_image_flags;
    PGAUGEHDR gauge_header;  // the gauge this element belongs to
};

struct NeedleElement;
struct StringElement;
struct SliderElement;
struct IconElement;

// Element value callbacks return the value the element is to show. A string
// callback also writes the element's text into the buffer the panel system
// lends it (`StringElement::string`, room for `char_count` characters and the
// terminating zero).
using NEEDLE_UPDATE_CALLBACK = FLOAT64(PANELAPI*)(NeedleElement*);
using STRING_UPDATE_CALLBACK = FLOAT64(PANELAPI*)(StringElement*);
using SLIDER_UPDATE_CALLBACK = FLOAT64(PANELAPI*)(SliderElement*);
using ICON_UPDATE_CALLBACK   = FLOAT64(PANELAPI*)(IconElement*);

struct StaticImageElement {
    ElementHeader header;
};

struct NeedleElement {
    ElementHeader header;
    PIXPOINT reference;  // pivot in the needle bitmap, placed on header.position
    MODULE_VAR source_var;
    NEEDLE_UPDATE_CALLBACK update_cb;
    const Nonlinearity* nonlinearity;
    UINT32 nonlinearity_count;
    FLOAT64 max_degrees_per_tick;  // maximum rotation rate
};

// Windows text-drawing flags carried by string elements.
inline constexpr UINT32 DT_CENTER       = 0x1;
inline constexpr UINT32 DT_VCENTER      = 0x4;
inline constexpr UINT32 DT_SINGLELINE   = 0x20;
inline constexpr SINT32 FW_NORMAL       = 400;
inline constexpr UINT32 DEFAULT_CHARSET = 1;

/// A colour with red in the low byte: 0x00BBGGRR.
using COLORREF32 = UINT32;

inline constexpr int kFontFaceChars = 32;  // 31 characters and the zero

struct StringElement {
    ElementHeader header;
    MODULE_VAR source_var[3];
    SINT32 box_w;
    SINT32 box_h;
    UINT32 char_count;  // characters the text buffer holds, not counting the zero
    COLORREF32 fg_color;
    COLORREF32 bg_color;
    COLORREF32 hilite_color;
    char font_face[kFontFaceChars];
    SINT32 font_weight;
    UINT32 font_charset;
    SINT32 font_size;
    UINT32 draw_text_flags;
    const void* highlight_list;
    STRING_UPDATE_CALLBACK update_cb;
    /// Text buffer of char_count + 1 bytes. Owned by the panel system, which
    /// sets it before each call of update_cb; the module only writes into it.
    char* string;
};

/// One axis of a slider: the image moves value x scale pixels along it.
struct SliderAxis {
    MODULE_VAR source_var;
    FLOAT64 scale;
    SLIDER_UPDATE_CALLBACK update_cb;
};

struct SliderElement {
    ElementHeader header;
    SliderAxis x;
    SliderAxis y;
};

/// Icon switch type 0: the value selects the image directly.
inline constexpr UINT32 ICON_SWITCH_TYPE_SET_CUR_ICON = 0;

struct IconElement {
    ElementHeader header;
    MODULE_VAR source_var;
    ICON_UPDATE_CALLBACK update_cb;
    UINT32 switch_type;
    SINT32 picture_count;  // images at resource_id, resource_id + 1, ...
    FLOAT64 scale;
    FLOAT64 offset;
};

//-----------------------------------------------------------------------------
// [SECTION] Mouse tables and their layout helpers
//-----------------------------------------------------------------------------

/// The kind of a mouse-table entry.
enum MouseRectKind : UINT32 {
    MOUSE_RECT_EOL        = 0,  // ends the table
    MOUSE_RECT_PARENT     = 1,  // opens an area with its box
    MOUSE_RECT_CHILD      = 2,  // a click area inside the open area
    MOUSE_RECT_END_PARENT = 3,  // closes the most recently opened area
    MOUSE_RECT_USER       = 4,  // carries the open area's tooltip text
};

inline constexpr SINT32 CURSOR_NONE       = -1;
inline constexpr SINT32 CURSOR_HAND       = 5;
inline constexpr UINT32 HELP_NONE         = 0;
inline constexpr FLAGS32 MOUSE_LEFTSINGLE = 0x20000000;

/// Click handler: takes the point clicked and the mouse flags, returns a
/// truth value.
using MOUSE_FUNCTION = BOOL32(PANELAPI*)(PPIXPOINT, FLAGS32);

/// A click entry carries its handler; a user entry carries, in the same
/// place, its tooltip text.
union MouseTarget {
    MOUSE_FUNCTION handler;
    const char* tooltip;
};

struct MouseRect {
    MouseRectKind rect_flags;
    PIXBOX relative_box;
    SINT32 cursor;
    UINT32 help_id;
    FLAGS32 mouse_flags;
    UINT32 event_id;
    MouseTarget target;
    void* api_data;
};

// Every mouse table of the module has one layout: MOUSE_BEGIN, then per area
// MOUSE_PARENT_BEGIN, MOUSE_TOOLTIP_TEXT_STRING, an optional
// MOUSE_CHILD_FUNCT over the same box and MOUSE_PARENT_END; then
// MOUSE_PARENT_END for the outer area and MOUSE_END.
constexpr MouseRect MOUSE_BEGIN() {
    return {MOUSE_RECT_PARENT,    {0, 0, 0, 0}, CURSOR_NONE, HELP_NONE, 0, 0,
            {.handler = nullptr}, nullptr};
}
constexpr MouseRect MOUSE_PARENT_BEGIN(SINT32 x, SINT32 y, SINT32 w, SINT32 h) {
    return {MOUSE_RECT_PARENT,    {x, y, w, h}, CURSOR_NONE, HELP_NONE, 0, 0,
            {.handler = nullptr}, nullptr};
}
constexpr MouseRect MOUSE_TOOLTIP_TEXT_STRING(const char* text) {
    return {MOUSE_RECT_USER,   {0, 0, 0, 0}, CURSOR_NONE, HELP_NONE, 0, 0,
            {.tooltip = text}, nullptr};
}
constexpr MouseRect MOUSE_CHILD_FUNCT(SINT32 x, SINT32 y, SINT32 w, SINT32 h, SINT32 cursor,
                                      FLAGS32 mouse_flags, MOUSE_FUNCTION handler) {
    return {MOUSE_RECT_CHILD,     {x, y, w, h}, cursor, HELP_NONE, mouse_flags, 0,
            {.handler = handler}, nullptr};
}
constexpr MouseRect MOUSE_PARENT_END() {
    return {MOUSE_RECT_END_PARENT, {0, 0, 0, 0}, CURSOR_NONE, HELP_NONE, 0, 0,
            {.handler = nullptr},  nullptr};
}
constexpr MouseRect MOUSE_END() {
    return {MOUSE_RECT_EOL,       {0, 0, 0, 0}, CURSOR_NONE, HELP_NONE, 0, 0,
            {.handler = nullptr}, nullptr};
}

//-----------------------------------------------------------------------------
// [SECTION] Gauge header and panel service codes
//-----------------------------------------------------------------------------

/// Resource-file handle the panel system passes to the install routine.
using RESOURCE_HANDLE = void*;

// The seven standard element-list routines every header carries.
using QUERY_ROUTINE      = void(PANELAPI*)();
using INSTALL_ROUTINE    = void(PANELAPI*)(RESOURCE_HANDLE);
using INITIALIZE_ROUTINE = void(PANELAPI*)();
using UPDATE_ROUTINE     = void(PANELAPI*)();
using GENERATE_ROUTINE   = void(PANELAPI*)(UINT32 phase);
using DRAW_ROUTINE       = void(PANELAPI*)();
using KILL_ROUTINE       = void(PANELAPI*)();

/// Gauge callback: the gauge's header, the code of the panel service under
/// way and an extra value.
using GAUGE_CALLBACK = void(PANELAPI*)(PGAUGEHDR, SINT32 service_id, UINT32 extra_data);

/// Codes of the panel services under way when a gauge callback is called.
/// The panel host documents which it passes when.
enum PanelServiceCode : SINT32 {
    PANEL_SERVICE_PRE_QUERY       = 0,
    PANEL_SERVICE_POST_QUERY      = 1,
    PANEL_SERVICE_PRE_INSTALL     = 2,
    PANEL_SERVICE_POST_INSTALL    = 3,
    PANEL_SERVICE_PRE_INITIALIZE  = 4,
    PANEL_SERVICE_POST_INITIALIZE = 5,
    PANEL_SERVICE_PRE_UPDATE      = 6,
    PANEL_SERVICE_POST_UPDATE     = 7,
    PANEL_SERVICE_PRE_GENERATE    = 8,
    PANEL_SERVICE_POST_GENERATE   = 9,
    PANEL_SERVICE_PRE_DRAW        = 10,
    PANEL_SERVICE_POST_DRAW       = 11,
    PANEL_SERVICE_PRE_KILL        = 12,
    PANEL_SERVICE_POST_KILL       = 13,
};

inline constexpr UINT32 GAUGE_HEADER_VERSION_800 = 800;

/// How a gauge describes itself to the panel system. Fields the module does
/// not set stay zero or null.
struct GAUGEHDR {
    UINT32 gauge_header_version;
    const char* gauge_name;
    PELEMENT_HEADER* elements_list;  // one entry: the root element
    QUERY_ROUTINE query_routine;
    INSTALL_ROUTINE install_routine;
    INITIALIZE_ROUTINE initialize_routine;
    UPDATE_ROUTINE update_routine;
    GENERATE_ROUTINE generate_routine;
    DRAW_ROUTINE draw_routine;
    KILL_ROUTINE kill_routine;
    UINT32 size_x_mm;  // default width, the root bitmap's width in pixels
    UINT32 size_y_mm;  // height, 0: follows from the width
    FLOAT32 x_adjust;
    FLOAT32 y_adjust;
    const MouseRect* mouse_rect;
    GAUGE_CALLBACK gauge_callback;
    void* user_data;
    const char* parameters;
    const char* usage;
};
