// The panel's windows as the renderer's scenes, and a painter that keeps
// one renderer per window so that each window is drawn frame after frame
// by what changed.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/drawing/bitmap_source.h"
#include "host/drawing/renderer.h"
#include "host/drawing/surface_cache.h"
#include "host/pictures/drive_pictures.h"

namespace drennomar::host {

/// The scene of window `window`: its placements in placement order, on its
/// canvas, over its background colour. A side the window leaves 0 is the
/// extent of its placements (from the window's origin, at least 1 pixel).
Scene WindowScene(PanelHost& panel, int window, PanelRenderer& renderer);

/// The window `which` names: its index, title or section (any case); -1
/// for none.
int FindWindow(const PanelHost& panel, std::string_view which);

/// For `render FILE.png [WINDOW]`: the named window, or without a name the
/// first window.
bool ChooseWindow(PanelHost& panel, PanelRenderer& renderer, std::string_view window, Scene* scene,
                  std::string* error);

class RendererPainter : public WindowPainter {
  public:
    explicit RendererPainter(std::shared_ptr<BitmapSource> bitmaps);
    ~RendererPainter() override;

    cairo_surface_t* DrawWindow(PanelHost& panel, int window) override;

  private:
    struct Window {
        std::unique_ptr<PanelRenderer> renderer;
        size_t placements = 0;  // placements in the scene it holds
    };
    std::shared_ptr<BitmapSource> bitmaps_;
    SurfaceCache surfaces_;
    std::vector<Window> windows_;
};

}  // namespace drennomar::host
