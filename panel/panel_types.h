// The panel's basic types and the calling convention of everything the panel
// system and the module call in each other.
//
// This header, with the others in panel/, is the only place that knows the
// binary shapes the panel system and the gauges share. The gauges include it;
// the panel host includes it; neither includes the other.
#pragma once

#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
// On 32-bit Windows the panel system calls with the callee cleaning the stack.
#define PANELAPI __stdcall
#else
#define PANELAPI
#endif

using FLOAT64 = double;
using FLOAT32 = float;
using SINT32  = std::int32_t;
using UINT32  = std::uint32_t;
using FLAGS32 = std::uint32_t;
using BOOL32  = std::int32_t;

/// A point in pixels of a gauge's root bitmap, origin top-left, y downward.
struct PIXPOINT {
    SINT32 x;
    SINT32 y;
};
using PPIXPOINT = PIXPOINT*;

/// A box in pixels of a gauge's root bitmap.
struct PIXBOX {
    SINT32 x;
    SINT32 y;
    SINT32 w;
    SINT32 h;
};

/// Identifier of a named panel variable as the panel system hands it out.
using NAMED_VAR_ID = SINT32;

/// Identifier of a bitmap resource in the module library.
using RESOURCE_ID                        = SINT32;
inline constexpr RESOURCE_ID kNoResource = -1;
