// Paints the whole catalogue: every picture reduced to its palette, the
// pictures cut from the 2D console reduced together with it so that they
// stay equal to it pixel for pixel.
#pragma once

#include <vector>

#include "resources/bitmap_ids.h"
#include "resources/painter/picture.h"

namespace drennomar::painter {

struct Art {
    BitmapId id;
    IndexedPicture picture;
};

/// All twenty-two pictures in catalogue order.
std::vector<Art> PaintCatalogue();

}  // namespace drennomar::painter
