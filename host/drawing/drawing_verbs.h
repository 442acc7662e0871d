// The script verbs that draw: `render FILE.png [WINDOW]`. They live beside
// the renderer, outside the host core, so that the core needs no drawing
// library; drennomar-panel adds them to its interpreter with AddDrawingVerbs.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "host/drawing/bitmap_source.h"
#include "host/drawing/renderer.h"
#include "host/script.h"

namespace drennomar::host {

/// Chooses what `render` draws: the scene of `window` (empty: the whole
/// panel). Returns false with why in `error`.
using SceneChooser = std::function<bool(PanelHost& panel, PanelRenderer& renderer,
                                        std::string_view window, Scene* scene, std::string* error)>;

/// The default chooser: every placement on one canvas just big enough for
/// them all, on black; a panel without windows has no window to name.
bool ChooseWholePanel(PanelHost& panel, PanelRenderer& renderer, std::string_view window,
                      Scene* scene, std::string* error);

/// Adds `render` to `interpreter`, drawing with bitmaps from `bitmaps`.
void AddDrawingVerbs(ScriptInterpreter& interpreter, std::shared_ptr<BitmapSource> bitmaps,
                     SceneChooser chooser = ChooseWholePanel);

}  // namespace drennomar::host
