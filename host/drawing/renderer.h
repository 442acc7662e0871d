// The panel renderer: draws placements of gauges as their definitions say,
// with Cairo, onto a canvas.
//
// A scene is a canvas size, a background colour and a list of placements,
// later ones over earlier ones; each placement's tree is drawn in drawing
// order at its position, scaled from the gauge's default width to its
// placed width. What each element shows (needle angle, slider offsets, icon
// image, text) is the host's per-placement state from its last update.
//
// Frames are drawn incrementally. Static images that nothing moving lies
// under are pre-composed once onto one base picture; each frame only the
// rectangles where something moved or changed are restored from the base
// and the moving elements over them drawn again. DrawNaive draws the same
// picture from scratch, for comparison.
//
// [SECTION] Scenes
// [SECTION] PanelRenderer
#pragma once

#include <cairo.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "host/drawing/needle_sampler.h"
#include "host/drawing/pixel_rect.h"
#include "host/drawing/surface_cache.h"
#include "host/drawing/text_drawer.h"
#include "host/panel_host.h"

namespace drennomar::host {

//-----------------------------------------------------------------------------
// [SECTION] Scenes
//-----------------------------------------------------------------------------

/// What to draw: the canvas and the placements on it.
struct Scene {
    int width                = 0;
    int height               = 0;
    std::uint32_t background = 0;            // 0x00RRGGBB, where nothing is drawn
    PIXPOINT origin{0, 0};                   // the panel pixel at the canvas's top-left corner
    std::vector<GaugeInstance*> placements;  // drawing order: later over earlier
};

//-----------------------------------------------------------------------------
// [SECTION] PanelRenderer
//-----------------------------------------------------------------------------

class PanelRenderer {
  public:
    /// `bitmaps` must outlive the renderer.
    explicit PanelRenderer(SurfaceCache& bitmaps);
    ~PanelRenderer();
    PanelRenderer(const PanelRenderer&)            = delete;
    PanelRenderer& operator=(const PanelRenderer&) = delete;

    /// Takes a scene on. The placements must stay alive while it is the
    /// renderer's scene. The next frame is drawn whole.
    void SetScene(const Scene& scene);
    const Scene& CurrentScene() const { return scene_; }

    /// Brings the canvas up to date with what every placement shows now,
    /// drawing only what changed since the last frame, and returns it (an
    /// RGB24 image surface owned by the renderer).
    cairo_surface_t* DrawFrame();
    /// Draws the whole canvas again on the next DrawFrame.
    void Invalidate() { full_redraw_ = true; }

    /// Draws the scene from scratch onto `cr` (canvas pixels): background,
    /// then every element of every placement.
    void DrawNaive(cairo_t* cr);

    /// The panel rectangle a placement covers: its position and its placed
    /// size (the height following from the width and the root bitmap's
    /// proportions when the placement gives none).
    PixelRect PlacementRect(const GaugeInstance& instance);

    /// Counters of the last DrawFrame, for tests and the benchmark.
    struct FrameStats {
        bool whole        = false;  // drawn whole
        int rects         = 0;      // rectangles redrawn
        long long pixels  = 0;      // pixels they cover
        int base_rebuilds = 0;      // times the base picture was composed, in all
    };
    const FrameStats& Stats() const { return stats_; }

  private:
    struct Shown;
    struct Item;

    void Build();
    void ComposeBase();
    bool Visible(const Item& item) const;
    void Observe(Item& item, Shown& shown, PixelRect& rect, PixelRect& unclipped);
    PixelRect StringBox(const Item& item) const;
    void DrawItem(cairo_t* cr, const Item& item);
    void DrawShown(cairo_t* cr, const Item& item);
    void FillBackground(cairo_t* cr);

    SurfaceCache& bitmaps_;
    TextDrawer text_;
    Scene scene_;
    std::vector<Item> items_;
    cairo_surface_t* canvas_ = nullptr;
    cairo_surface_t* base_   = nullptr;
    // While a frame's rectangle is redrawn: that rectangle. Needles are
    // then drawn straight onto the canvas; DrawNaive leaves them to Cairo.
    const PixelRect* fast_clip_ = nullptr;
    std::map<std::tuple<cairo_surface_t*, int, int>, NeedleReach> reaches_;
    bool full_redraw_  = true;
    bool rebuild_base_ = true;
    FrameStats stats_;
};

/// A scene of every placement of `panel` on one canvas just big enough for
/// them all (at least 1 x 1), on `background`.
Scene SceneOfAllPlacements(const PanelHost& panel, PanelRenderer& renderer,
                           std::uint32_t background = 0);

/// Writes `surface` as a PNG file. Returns false with why in `error`.
bool WritePng(cairo_surface_t* surface, const std::string& path, std::string* error);

}  // namespace drennomar::host
