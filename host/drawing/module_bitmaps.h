// The module's own bitmaps, read from the resources its library file carries.
#pragma once

#include <memory>
#include <string>

#include "host/drawing/bitmap_source.h"

namespace drennomar::host {

/// The bitmaps of the module library at `library_path`. A library whose
/// resources cannot be read gives a source in which every bitmap is missing,
/// with the reason.
std::shared_ptr<BitmapSource> OpenModuleBitmaps(const std::string& library_path);

}  // namespace drennomar::host
