// Windows as scenes, and the renderer painter.
#include "host/pictures/window_scenes.h"

#include <algorithm>
#include <cctype>

#include "host/script.h"

namespace drennomar::host {

namespace {

bool SameWords(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

size_t PlacementsOn(const PanelHost& panel, int window) {
    return static_cast<size_t>(
        std::count_if(panel.Instances().begin(), panel.Instances().end(),
                      [window](const auto& instance) { return instance->window == window; }));
}

}  // namespace

Scene WindowScene(PanelHost& panel, int window, PanelRenderer& renderer) {
    const PanelWindow& w = panel.Windows()[static_cast<size_t>(window)];
    Scene scene;
    scene.background = (std::uint32_t{w.background.r} << 16) |
                       (std::uint32_t{w.background.g} << 8) | w.background.b;
    scene.origin = {0, 0};
    PixelRect box;
    for (const auto& instance : panel.Instances()) {
        if (instance->window != window) continue;
        scene.placements.push_back(instance.get());
        box = box.Union(renderer.PlacementRect(*instance));
    }
    scene.width  = w.width > 0 ? w.width : std::max(1, box.x1);
    scene.height = w.height > 0 ? w.height : std::max(1, box.y1);
    return scene;
}

int FindWindow(const PanelHost& panel, std::string_view which) {
    const auto& windows = panel.Windows();
    long long index     = 0;
    if (ParseInteger(which, &index)) {
        return index >= 0 && index < static_cast<long long>(windows.size())
                   ? static_cast<int>(index)
                   : -1;
    }
    for (size_t i = 0; i < windows.size(); ++i) {
        if (SameWords(windows[i].title, which) || SameWords(windows[i].section, which)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool ChooseWindow(PanelHost& panel, PanelRenderer& renderer, std::string_view window, Scene* scene,
                  std::string* error) {
    if (panel.Windows().empty()) {
        if (!window.empty()) {
            *error = "no window " + std::string(window) + ": the panel has no windows";
            return false;
        }
        *scene = SceneOfAllPlacements(panel, renderer);
        return true;
    }
    int index = window.empty() ? 0 : FindWindow(panel, window);
    if (index < 0) {
        *error = "no window " + std::string(window) + " (window list shows them)";
        return false;
    }
    *scene = WindowScene(panel, index, renderer);
    return true;
}

RendererPainter::RendererPainter(std::shared_ptr<BitmapSource> bitmaps)
    : bitmaps_(std::move(bitmaps)), surfaces_(*bitmaps_) {}

RendererPainter::~RendererPainter() = default;

cairo_surface_t* RendererPainter::DrawWindow(PanelHost& panel, int window) {
    if (window < 0 || static_cast<size_t>(window) >= panel.Windows().size()) return nullptr;
    if (windows_.size() < panel.Windows().size()) windows_.resize(panel.Windows().size());
    Window& w = windows_[static_cast<size_t>(window)];
    if (w.renderer == nullptr) w.renderer = std::make_unique<PanelRenderer>(surfaces_);
    // A scene is taken on once and kept while its placements stay, so
    // that the renderer draws only what changes from frame to frame.
    size_t placements = PlacementsOn(panel, window);
    if (placements == 0) return nullptr;
    if (placements != w.placements) {
        w.renderer->SetScene(WindowScene(panel, window, *w.renderer));
        w.placements = placements;
    }
    return w.renderer->DrawFrame();
}

}  // namespace drennomar::host
