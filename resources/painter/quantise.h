// Reduction of painted pictures to small palettes: median cut refined by a
// few k-means passes, with pure black reserved for see-through pixels.
#pragma once

#include <vector>

#include "resources/painter/picture.h"

namespace drennomar::painter {

/// Chooses at most `count` opaque colours for the pixels of `pictures`
/// (every opaque pixel weighs one). No colour chosen is pure black.
std::vector<Rgb> ChoosePalette(const std::vector<const Picture*>& pictures, int count);

/// The entry of `palette` nearest to `c` (squared distance, first wins).
Rgb Nearest(const std::vector<Rgb>& palette, Rgb c);

/// Maps every opaque pixel of `p` to its nearest palette colour.
void MapToPalette(Picture& p, const std::vector<Rgb>& palette);

/// Distinct opaque colours of `p` (in the order first met).
std::vector<Rgb> OpaqueColours(const Picture& p);

/// Reduces the opaque colours of the rectangle (x, y, w, h) of `p` to at
/// most `count` by merging, one at a time, the colour whose loss costs least
/// (its pixel count times its squared distance to the nearest kept colour).
/// Pixels outside the rectangle are left alone. Returns whether anything
/// changed.
bool MergeColours(Picture& p, int x, int y, int w, int h, int count);

/// Packs an already reduced picture into exactly `palette_size` entries:
/// pure black first when the picture has see-through pixels, then its
/// colours darkest first, then copies of the last colour as padding.
IndexedPicture Index(const Picture& p, int palette_size);

/// Chooses a palette for `p` alone and indexes it.
IndexedPicture Quantise(Picture p, int palette_size);

}  // namespace drennomar::painter
