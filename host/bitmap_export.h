// Pictures of the loaded module for people to look at: any of its bitmaps
// written as PNG, and a snapshot of the panel with every placement drawn
// from its element tree (bitmaps, turned needles, moved sliders, the image
// each icon shows, read-out texts). Drawing uses Cairo, so this lives
// outside the host core, in drennomar_host_bitmap_export.
//
// Script verbs (AddBitmapVerbs):
//   bitmap ID FILE.png          write bitmap ID of the module as PNG, exact
//                               palette colours -> "bitmap ID: W x H, N colours"
//   snapshot FILE.png [labels]  draw every placement at its place on a grey
//                               sheet, with `labels` each gauge's name under it
#pragma once

#include <string>

#include "host/bmp_reader.h"
#include "host/panel_host.h"
#include "host/resource_file.h"

namespace drennomar::host {

class ScriptInterpreter;

/// The file of the library the panel loaded its module from. Throws
/// ResourceError if the panel has no module or the file cannot be told.
std::string ModuleLibraryFile(const PanelHost& panel);

/// Writes `bitmap` to `path` as an RGB PNG. Throws ResourceError.
void WriteBitmapPng(const IndexedBitmap& bitmap, const std::string& path);

/// Draws every placement of `panel` with the module's bitmaps from
/// `resources` and writes the sheet to `path` as PNG. Throws ResourceError.
void WriteSnapshotPng(const PanelHost& panel, const ResourceFile& resources,
                      const std::string& path, bool labels);

/// Adds the verbs `bitmap` and `snapshot`.
void AddBitmapVerbs(ScriptInterpreter& interpreter);

}  // namespace drennomar::host
