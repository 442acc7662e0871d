// Resource identifiers of the module's twenty-two bitmaps, and the catalogue
// of their sizes and palette sizes. The images of an icon have consecutive
// identifiers.
#pragma once

#include <cstddef>
#include <iterator>

#include "panel/panel_types.h"

namespace drennomar {

enum BitmapId : RESOURCE_ID {
    kBmpMonitorPointerRight = 0x1300,  // monitor pointer, apex right
    kBmpMonitorPointerLeft  = 0x1310,  // monitor pointer, apex left
    kBmpMonitorFaces        = 0x1400,  // the four meter faces
    kBmpConsole2D           = 0x1800,  // the 2D console
    kBmpConsoleVC           = 0x1850,  // the virtual-cockpit console
    kBmpCompassCard         = 0x1900,  // the turning card ring
    kBmpCompassFace         = 0x1910,  // dial face with the read-out windows
    kBmpSpeedNeedle         = 0x2000,
    kBmpSpeedDial           = 0x2700,
    kBmpBattSwDown          = 0x2800,  // battery display selector, AMPS
    kBmpBattSwUp            = 0x2801,  // battery display selector, VOLTS
    kBmpMotorSwDown         = 0x2900,  // motor temperature selector, REAR
    kBmpMotorSwUp           = 0x2901,  // motor temperature selector, FORWARD
    kBmpResetSwDown         = 0x3000,  // reset switch, OFF
    kBmpResetSwUp           = 0x3001,  // reset switch, thrown
    kBmpWarningStowed       = 0x3100,
    kBmpWarningRaised       = 0x3101,
    kBmpRollFace            = 0x3200,
    kBmpRollPointer         = 0x3210,
    kBmpPitchFace           = 0x3300,
    kBmpPitchMarker         = 0x3310,
    kBmpControl             = 0x3400,  // all see-through black
};

/// One picture of the catalogue: its size and the colours of its palette.
struct CatalogueEntry {
    BitmapId id;
    int width;
    int height;
    int colours;
};

inline constexpr CatalogueEntry kBitmapCatalogue[] = {
    {kBmpMonitorPointerRight, 6, 10, 11}, {kBmpMonitorPointerLeft, 6, 10, 11},
    {kBmpMonitorFaces, 273, 120, 256},    {kBmpConsole2D, 500, 600, 256},
    {kBmpConsoleVC, 500, 600, 256},       {kBmpCompassCard, 170, 170, 256},
    {kBmpCompassFace, 170, 170, 256},     {kBmpSpeedNeedle, 27, 4, 6},
    {kBmpSpeedDial, 64, 50, 256},         {kBmpBattSwDown, 51, 75, 256},
    {kBmpBattSwUp, 51, 75, 256},          {kBmpMotorSwDown, 49, 78, 256},
    {kBmpMotorSwUp, 49, 78, 256},         {kBmpResetSwDown, 63, 140, 194},
    {kBmpResetSwUp, 63, 140, 188},        {kBmpWarningStowed, 287, 59, 130},
    {kBmpWarningRaised, 287, 59, 256},    {kBmpRollFace, 122, 139, 114},
    {kBmpRollPointer, 7, 70, 33},         {kBmpPitchFace, 122, 139, 145},
    {kBmpPitchMarker, 17, 7, 33},         {kBmpControl, 4, 4, 256},
};
inline constexpr std::size_t kBitmapCount = 22;
static_assert(std::size(kBitmapCatalogue) == kBitmapCount);

}  // namespace drennomar
