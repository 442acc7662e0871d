#include "host/drawing/renderer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace drennomar::host {

namespace {

// Rectangles closer than this are redrawn as one.
constexpr int kMergeSlackPx = 2;
// Above this share of the canvas, a frame is drawn whole.
constexpr double kWholeFrameShare = 0.6;
// Beyond any canvas.
constexpr int kUnbounded = 1 << 28;
// Pixels around a turned or scaled image that filtering may reach.
constexpr int kFilterPadPx = 1;

PixelRect OutwardRect(double x0, double y0, double x1, double y1, int pad) {
    return {static_cast<int>(std::floor(x0)) - pad, static_cast<int>(std::floor(y0)) - pad,
            static_cast<int>(std::ceil(x1)) + pad, static_cast<int>(std::ceil(y1)) + pad};
}

}  // namespace

/// What an element shows at one moment: enough to tell whether it must be
/// drawn again.
struct PanelRenderer::Shown {
    bool visible = false;
    double angle = 0.0;         // needle, degrees clockwise
    double dx = 0.0, dy = 0.0;  // slider offset, whole gauge pixels
    int image = 0;              // icon image
    std::string text;           // string
    friend bool operator==(const Shown&, const Shown&) = default;
};

/// One element of one placement, with the placement's mapping from gauge
/// pixels to canvas pixels: canvas = (tx, ty) + (sx, sy) * gauge.
struct PanelRenderer::Item {
    GaugeInstance* instance = nullptr;
    int index               = 0;
    ElementHeader* element  = nullptr;
    int parent              = -1;  // item index of the parent element
    double tx = 0.0, ty = 0.0, sx = 1.0, sy = 1.0;
    bool is_static = false;  // a static image: it changes only by its flags
    bool pinned    = false;  // a static image that something moving passed under
    bool in_base   = false;
    PixelRect gauge;      // the placement's rectangle: nothing is drawn outside it
    Shown shown;          // as last drawn
    PixelRect rect;       // where it was last drawn, within the gauge
    PixelRect unclipped;  // the same before the gauge's rectangle cut it
    bool Unscaled() const { return sx == 1.0 && sy == 1.0; }
};

PanelRenderer::PanelRenderer(SurfaceCache& bitmaps) : bitmaps_(bitmaps) {}

PanelRenderer::~PanelRenderer() {
    if (canvas_ != nullptr) cairo_surface_destroy(canvas_);
    if (base_ != nullptr) cairo_surface_destroy(base_);
}

PixelRect PanelRenderer::PlacementRect(const GaugeInstance& instance) {
    const GAUGEHDR& h = *instance.def->header;
    ElementHeader* root =
        instance.def->elements.empty() ? nullptr : instance.def->elements[0].element;
    auto [root_w, root_h] = root != nullptr ? bitmaps_.Size(root->resource_id) : std::pair{0, 0};
    double default_w      = h.size_x_mm > 0 ? h.size_x_mm : root_w;
    double width          = instance.width > 0 ? instance.width : default_w;
    double height         = 0.0;
    if (instance.height > 0) {
        height = instance.height;
    } else if (root_w > 0) {
        height = root_h * (width / root_w);
    }
    return OutwardRect(instance.position.x, instance.position.y, instance.position.x + width,
                       instance.position.y + height, 0);
}

void PanelRenderer::SetScene(const Scene& scene) {
    scene_ = scene;
    Build();
}

void PanelRenderer::Build() {
    items_.clear();
    for (GaugeInstance* instance : scene_.placements) {
        const GaugeDef& def = *instance->def;
        if (def.elements.empty()) continue;
        // The placement's scale: placed size over the root bitmap's size
        // (the default width is the root bitmap's width).
        auto [root_w, root_h] = bitmaps_.Size(def.elements[0].element->resource_id);
        double default_w      = def.header->size_x_mm > 0 ? def.header->size_x_mm : root_w;
        double sx = (instance->width > 0 && default_w > 0) ? instance->width / default_w : 1.0;
        double sy = (instance->height > 0 && root_h > 0) ? double(instance->height) / root_h : sx;
        int first = static_cast<int>(items_.size());
        PixelRect placement = PlacementRect(*instance);
        placement           = {placement.x0 - scene_.origin.x, placement.y0 - scene_.origin.y,
                               placement.x1 - scene_.origin.x, placement.y1 - scene_.origin.y};
        for (std::size_t i = 0; i < def.elements.size(); ++i) {
            Item item;
            item.instance  = instance;
            item.index     = static_cast<int>(i);
            item.element   = def.elements[i].element;
            item.parent    = def.elements[i].parent < 0 ? -1 : first + def.elements[i].parent;
            item.tx        = instance->position.x - scene_.origin.x;
            item.ty        = instance->position.y - scene_.origin.y;
            item.sx        = sx;
            item.sy        = sy;
            item.is_static = item.element->element_type == ELEMENT_STATIC_IMAGE;
            // Without a root picture the gauge has no known size: nothing is cut.
            item.gauge = placement.Empty()
                             ? PixelRect{-kUnbounded, -kUnbounded, kUnbounded, kUnbounded}
                             : placement;
            items_.push_back(std::move(item));
        }
    }
    int w = std::max(1, scene_.width), h = std::max(1, scene_.height);
    if (canvas_ == nullptr || cairo_image_surface_get_width(canvas_) != w ||
        cairo_image_surface_get_height(canvas_) != h) {
        if (canvas_ != nullptr) cairo_surface_destroy(canvas_);
        if (base_ != nullptr) cairo_surface_destroy(base_);
        canvas_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
        base_   = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    }
    full_redraw_  = true;
    rebuild_base_ = true;
}

bool PanelRenderer::Visible(const Item& item) const {
    if ((item.element->image_flags & IMAGE_HIDDEN) != 0) return false;
    // Bit 0x80000000 hides the element and everything under it.
    for (int p = static_cast<int>(&item - items_.data()); p >= 0; p = items_[p].parent) {
        if ((items_[p].element->image_flags & IMAGE_HIDDEN_TREE) != 0) return false;
    }
    return true;
}

void PanelRenderer::Observe(Item& item, Shown& shown, PixelRect& rect, PixelRect& unclipped) {
    const ElementHeader& e = *item.element;
    const ElementState& s  = item.instance->elements[static_cast<std::size_t>(item.index)];
    shown.visible          = Visible(item);
    bool see_through       = (e.image_flags & IMAGE_USE_TRANSPARENCY) != 0;
    auto bitmap_rect       = [&](RESOURCE_ID id, double gx, double gy) {
        cairo_surface_t* surface = bitmaps_.Get(id, see_through);
        if (surface == nullptr) return PixelRect{};
        double w = cairo_image_surface_get_width(surface);
        double h = cairo_image_surface_get_height(surface);
        return OutwardRect(item.tx + item.sx * gx, item.ty + item.sy * gy,
                                 item.tx + item.sx * (gx + w), item.ty + item.sy * (gy + h),
                           item.Unscaled() ? 0 : kFilterPadPx);
    };
    switch (e.element_type) {
        case ELEMENT_STATIC_IMAGE:
            rect = bitmap_rect(e.resource_id, e.position.x, e.position.y);
            break;
        case ELEMENT_SLIDER:
            // Sliders land on whole pixels, as a panel draws them.
            shown.dx =
                std::isfinite(s.offset_x) ? std::nearbyint(std::clamp(s.offset_x, -1e6, 1e6)) : 0.0;
            shown.dy =
                std::isfinite(s.offset_y) ? std::nearbyint(std::clamp(s.offset_y, -1e6, 1e6)) : 0.0;
            rect = bitmap_rect(e.resource_id, e.position.x + shown.dx, e.position.y + shown.dy);
            break;
        case ELEMENT_ICON:
            shown.image = std::max(0, s.icon_index);
            rect        = bitmap_rect(e.resource_id + shown.image, e.position.x, e.position.y);
            break;
        case ELEMENT_NEEDLE: {
            const auto& needle = reinterpret_cast<const NeedleElement&>(e);
            shown.angle        = std::isfinite(s.needle_deg) ? std::fmod(s.needle_deg, 360.0) : 0.0;
            cairo_surface_t* surface = bitmaps_.Get(e.resource_id, see_through);
            if (surface == nullptr) {
                rect = {};
                break;
            }
            double w = cairo_image_surface_get_width(surface);
            double h = cairo_image_surface_get_height(surface);
            double a = shown.angle * std::numbers::pi / 180.0;
            double c = std::cos(a), sn = std::sin(a);
            double px = needle.reference.x + 0.5, py = needle.reference.y + 0.5;
            double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
            for (auto [cx, cy] : {std::pair{0.0, 0.0}, {w, 0.0}, {w, h}, {0.0, h}}) {
                double gx = e.position.x + 0.5 + c * (cx - px) - sn * (cy - py);
                double gy = e.position.y + 0.5 + sn * (cx - px) + c * (cy - py);
                double dx = item.tx + item.sx * gx, dy = item.ty + item.sy * gy;
                x0 = std::min(x0, dx), y0 = std::min(y0, dy);
                x1 = std::max(x1, dx), y1 = std::max(y1, dy);
            }
            rect = OutwardRect(x0, y0, x1, y1, kFilterPadPx);
            break;
        }
        case ELEMENT_STRING:
            shown.text.assign(s.text ? s.text.get() : "");
            rect = StringBox(item);
            break;
        default:
            rect = {};
            break;
    }
    unclipped = shown.visible ? rect : PixelRect{};
    rect      = unclipped.Intersect(item.gauge);
}

PixelRect PanelRenderer::StringBox(const Item& item) const {
    const auto& str = reinterpret_cast<const StringElement&>(*item.element);
    int x0          = static_cast<int>(std::lround(item.tx + item.sx * str.header.position.x));
    int y0          = static_cast<int>(std::lround(item.ty + item.sy * str.header.position.y));
    int x1 = static_cast<int>(std::lround(item.tx + item.sx * (str.header.position.x + str.box_w)));
    int y1 = static_cast<int>(std::lround(item.ty + item.sy * (str.header.position.y + str.box_h)));
    // A box that reaches past the gauge is the part on the gauge: the text
    // is placed there, where it can be seen.
    return PixelRect{x0, y0, x1, y1}.Intersect(item.gauge);
}

void PanelRenderer::DrawItem(cairo_t* cr, const Item& item) {
    const Shown& shown = item.shown;
    if (!shown.visible || item.rect.Empty()) return;
    // A gauge draws only inside its rectangle.
    bool clip = !(item.rect == item.unclipped);
    if (clip) {
        cairo_save(cr);
        cairo_rectangle(cr, item.gauge.x0, item.gauge.y0, item.gauge.x1 - item.gauge.x0,
                        item.gauge.y1 - item.gauge.y0);
        cairo_clip(cr);
    }
    DrawShown(cr, item);
    if (clip) cairo_restore(cr);
}

void PanelRenderer::DrawShown(cairo_t* cr, const Item& item) {
    const Shown& shown     = item.shown;
    const ElementHeader& e = *item.element;
    bool see_through       = (e.image_flags & IMAGE_USE_TRANSPARENCY) != 0;

    auto draw_bitmap = [&](RESOURCE_ID id, double gx, double gy) {
        cairo_surface_t* surface = bitmaps_.Get(id, see_through);
        if (surface == nullptr) return;
        if (item.Unscaled()) {
            cairo_set_source_surface(cr, surface, item.tx + gx, item.ty + gy);
            cairo_paint(cr);
            return;
        }
        cairo_save(cr);
        cairo_translate(cr, item.tx, item.ty);
        cairo_scale(cr, item.sx, item.sy);
        cairo_set_source_surface(cr, surface, gx, gy);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_paint(cr);
        cairo_restore(cr);
    };

    switch (e.element_type) {
        case ELEMENT_STATIC_IMAGE:
            draw_bitmap(e.resource_id, e.position.x, e.position.y);
            break;
        case ELEMENT_SLIDER:
            draw_bitmap(e.resource_id, e.position.x + shown.dx, e.position.y + shown.dy);
            break;
        case ELEMENT_ICON:
            draw_bitmap(e.resource_id + shown.image, e.position.x, e.position.y);
            break;
        case ELEMENT_NEEDLE: {
            const auto& needle       = reinterpret_cast<const NeedleElement&>(e);
            cairo_surface_t* surface = bitmaps_.Get(e.resource_id, see_through);
            if (surface == nullptr) break;
            bool bilinear = (e.image_flags & IMAGE_BILINEAR_COLOR) != 0;
            if (fast_clip_ != nullptr) {
                // Frame by frame: straight onto the canvas, only where the
                // needle can show.
                auto key = std::make_tuple(surface, needle.reference.x, needle.reference.y);
                auto it  = reaches_.find(key);
                if (it == reaches_.end()) {
                    it = reaches_.emplace(key, MeasureNeedle(surface, needle.reference)).first;
                }
                NeedlePose pose;
                pose.pivot_x   = item.tx + item.sx * (e.position.x + 0.5);
                pose.pivot_y   = item.ty + item.sy * (e.position.y + 0.5);
                pose.scale_x   = item.sx;
                pose.scale_y   = item.sy;
                pose.angle_deg = shown.angle;
                pose.reference = needle.reference;
                DrawTurnedNeedle(canvas_, fast_clip_->Intersect(item.gauge), surface, it->second,
                                 pose, bilinear);
                break;
            }
            cairo_save(cr);
            cairo_translate(cr, item.tx, item.ty);
            cairo_scale(cr, item.sx, item.sy);
            // The pivot pixel's centre lies on the element position's centre
            // and stays there as the bitmap turns.
            cairo_translate(cr, e.position.x + 0.5, e.position.y + 0.5);
            cairo_rotate(cr, shown.angle * std::numbers::pi / 180.0);
            cairo_translate(cr, -(needle.reference.x + 0.5), -(needle.reference.y + 0.5));
            cairo_set_source_surface(cr, surface, 0, 0);
            cairo_pattern_set_filter(cairo_get_source(cr),
                                     bilinear ? CAIRO_FILTER_BILINEAR : CAIRO_FILTER_NEAREST);
            cairo_paint(cr);
            cairo_restore(cr);
            break;
        }
        case ELEMENT_STRING: {
            PixelRect box = StringBox(item);
            text_.Draw(cr, reinterpret_cast<const StringElement&>(e), shown.text.c_str(), box.x0,
                       box.y0, box.x1 - box.x0, box.y1 - box.y0, item.sx, item.sy);
            break;
        }
        default:
            break;
    }
}

void PanelRenderer::FillBackground(cairo_t* cr) {
    std::uint32_t bg = scene_.background;
    cairo_set_source_rgb(cr, ((bg >> 16) & 0xFF) / 255.0, ((bg >> 8) & 0xFF) / 255.0,
                         (bg & 0xFF) / 255.0);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

void PanelRenderer::ComposeBase() {
    // Static images go into the base unless something drawn before them
    // (and so under them) reaches into them now.
    std::vector<PixelRect> moving;
    for (Item& item : items_) {
        item.in_base = false;
        if (item.is_static && !item.pinned) {
            item.in_base = std::none_of(moving.begin(), moving.end(), [&](const PixelRect& r) {
                return r.Intersects(item.rect);
            });
            if (item.in_base) continue;
            item.pinned = true;  // once under something moving, always redrawn with it
        }
        if (!item.rect.Empty()) moving.push_back(item.rect);
    }
    cairo_t* cr = cairo_create(base_);
    FillBackground(cr);
    for (Item& item : items_) {
        if (item.in_base) DrawItem(cr, item);
    }
    cairo_destroy(cr);
    ++stats_.base_rebuilds;
}

cairo_surface_t* PanelRenderer::DrawFrame() {
    stats_.whole  = false;
    stats_.rects  = 0;
    stats_.pixels = 0;

    // What every element shows now, and where the picture changes.
    std::vector<PixelRect> dirty;
    for (Item& item : items_) {
        Shown shown;
        PixelRect rect, unclipped;
        Observe(item, shown, rect, unclipped);
        bool changed = !(shown == item.shown) || !(rect == item.rect);
        if (!changed) continue;
        if (item.in_base) {
            rebuild_base_ = true;  // a static image shown or hidden
        } else if (!full_redraw_) {
            if (!item.rect.Empty()) dirty.push_back(item.rect);
            if (!rect.Empty()) dirty.push_back(rect);
        }
        item.shown     = std::move(shown);
        item.rect      = rect;
        item.unclipped = unclipped;
    }
    // A base image that something drawn before it now reaches into can no
    // longer sit in the base.
    if (!rebuild_base_) {
        std::vector<PixelRect> moving;
        for (Item& item : items_) {
            if (!item.in_base) {
                if (!item.rect.Empty()) moving.push_back(item.rect);
            } else if (!item.rect.Empty() &&
                       std::any_of(moving.begin(), moving.end(),
                                   [&](const PixelRect& r) { return r.Intersects(item.rect); })) {
                rebuild_base_ = true;
                break;
            }
        }
    }
    if (rebuild_base_) {
        ComposeBase();
        rebuild_base_ = false;
        full_redraw_  = true;
    }

    PixelRect canvas_rect{0, 0, cairo_image_surface_get_width(canvas_),
                          cairo_image_surface_get_height(canvas_)};
    // Join rectangles that touch or overlap, so no pixel is drawn twice.
    for (PixelRect& r : dirty) r = r.Intersect(canvas_rect);
    dirty.erase(
        std::remove_if(dirty.begin(), dirty.end(), [](const PixelRect& r) { return r.Empty(); }),
        dirty.end());
    for (bool merged = true; merged;) {
        merged = false;
        for (std::size_t i = 0; i < dirty.size() && !merged; ++i) {
            PixelRect grown{dirty[i].x0 - kMergeSlackPx, dirty[i].y0 - kMergeSlackPx,
                            dirty[i].x1 + kMergeSlackPx, dirty[i].y1 + kMergeSlackPx};
            for (std::size_t j = i + 1; j < dirty.size(); ++j) {
                if (grown.Intersects(dirty[j])) {
                    dirty[i] = dirty[i].Union(dirty[j]);
                    dirty.erase(dirty.begin() + static_cast<std::ptrdiff_t>(j));
                    merged = true;
                    break;
                }
            }
        }
    }
    long long area = 0;
    for (const PixelRect& r : dirty) area += r.Area();
    if (area > kWholeFrameShare * canvas_rect.Area()) full_redraw_ = true;

    cairo_t* cr = cairo_create(canvas_);
    if (full_redraw_) {
        dirty        = {canvas_rect};
        stats_.whole = true;
    }
    for (const PixelRect& r : dirty) {
        cairo_save(cr);
        cairo_rectangle(cr, r.x0, r.y0, r.x1 - r.x0, r.y1 - r.y0);
        cairo_clip(cr);
        cairo_set_source_surface(cr, base_, 0, 0);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_paint(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
        fast_clip_ = &r;
        for (const Item& item : items_) {
            if (!item.in_base && item.rect.Intersects(r)) DrawItem(cr, item);
        }
        fast_clip_ = nullptr;
        cairo_restore(cr);
        ++stats_.rects;
        stats_.pixels += r.Area();
    }
    cairo_destroy(cr);
    cairo_surface_flush(canvas_);
    full_redraw_ = false;
    return canvas_;
}

void PanelRenderer::DrawNaive(cairo_t* cr) {
    FillBackground(cr);
    for (Item& item : items_) {
        // Drawn from a scratch record: the incremental frames keep theirs.
        Item scratch = item;
        Observe(item, scratch.shown, scratch.rect, scratch.unclipped);
        DrawItem(cr, scratch);
    }
}

Scene SceneOfAllPlacements(const PanelHost& panel, PanelRenderer& renderer,
                           std::uint32_t background) {
    Scene scene;
    scene.background = background;
    PixelRect box;
    for (const auto& instance : panel.Instances()) {
        scene.placements.push_back(instance.get());
        box = box.Union(renderer.PlacementRect(*instance));
    }
    scene.origin = {box.x0, box.y0};
    scene.width  = std::max(1, box.x1 - box.x0);
    scene.height = std::max(1, box.y1 - box.y0);
    return scene;
}

bool WritePng(cairo_surface_t* surface, const std::string& path, std::string* error) {
    cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
    if (status == CAIRO_STATUS_SUCCESS) return true;
    if (error != nullptr) *error = cairo_status_to_string(status);
    return false;
}

}  // namespace drennomar::host
