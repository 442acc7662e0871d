#include "host/drawing/drawing_verbs.h"

namespace drennomar::host {

namespace {

/// What the drawing verbs share for the life of the interpreter: the
/// bitmaps, converted once, and one renderer.
struct DrawingState {
    explicit DrawingState(std::shared_ptr<BitmapSource> source)
        : bitmaps(std::move(source)), surfaces(*bitmaps), renderer(surfaces) {}
    std::shared_ptr<BitmapSource> bitmaps;
    SurfaceCache surfaces;
    PanelRenderer renderer;
    SceneChooser chooser;
    std::size_t missing_reported = 0;
};

// render FILE.png [WINDOW]: draws the panel (or one window of it) as the
// placements show it after their last update and writes it as a PNG.
void Render(DrawingState& state, VerbCall& call) {
    call.AtMost(2);
    std::string path(call.Word(0, "picture file"));
    std::string_view window = call.Has(1) ? call.Word(1, "window") : std::string_view{};
    Scene scene;
    std::string error;
    if (!state.chooser(call.Panel(), state.renderer, window, &scene, &error)) call.Fail(error);
    // A new scene every time: the placements may have changed since.
    state.renderer.SetScene(scene);
    cairo_surface_t* picture = state.renderer.DrawFrame();
    // Bitmaps the module lacks are drawn as nothing; say so once each.
    const auto& missing = state.surfaces.Missing();
    if (missing.size() != state.missing_reported) {
        for (const auto& [id, why] : missing) {
            call.Print(Format("render: bitmap 0x%X not drawn: %s", static_cast<unsigned>(id),
                              why.c_str()));
        }
        state.missing_reported = missing.size();
    }
    if (!WritePng(picture, path, &error)) call.Fail("cannot write " + path + ": " + error);
}

}  // namespace

bool ChooseWholePanel(PanelHost& panel, PanelRenderer& renderer, std::string_view window,
                      Scene* scene, std::string* error) {
    if (!window.empty()) {
        *error = "no window " + std::string(window) + ": the panel has no windows";
        return false;
    }
    *scene = SceneOfAllPlacements(panel, renderer);
    return true;
}

void AddDrawingVerbs(ScriptInterpreter& interpreter, std::shared_ptr<BitmapSource> bitmaps,
                     SceneChooser chooser) {
    auto state     = std::make_shared<DrawingState>(std::move(bitmaps));
    state->chooser = chooser ? std::move(chooser) : SceneChooser(ChooseWholePanel);
    interpreter.AddVerb("render", [state](VerbCall& call) { Render(*state, call); });
}

}  // namespace drennomar::host
