#include "host/bitmap_export.h"

#include <cairo.h>
#include <dlfcn.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

#include "host/script.h"

namespace drennomar::host {
namespace {

using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;

// The bitmap as premultiplied ARGB; with `transparency`, pure black is left
// out, as the panel draws elements that carry IMAGE_USE_TRANSPARENCY.
Surface ToSurface(const IndexedBitmap& b, bool transparency) {
    Surface s(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, b.width, b.height),
              &cairo_surface_destroy);
    unsigned char* data = cairo_image_surface_get_data(s.get());
    const int stride    = cairo_image_surface_get_stride(s.get());
    for (int y = 0; y < b.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + std::size_t(y) * stride);
        for (int x = 0; x < b.width; ++x) {
            const PaletteColour c = b.ColourAt(x, y);
            const bool clear      = transparency && c == PaletteColour{};
            row[x] =
                clear ? 0u : 0xFF000000u | std::uint32_t(c.r) << 16 | std::uint32_t(c.g) << 8 | c.b;
        }
    }
    cairo_surface_mark_dirty(s.get());
    return s;
}

void WritePng(cairo_surface_t* s, const std::string& path) {
    const cairo_status_t status = cairo_surface_write_to_png(s, path.c_str());
    if (status != CAIRO_STATUS_SUCCESS) {
        throw ResourceError(path + ": cannot write PNG (" + cairo_status_to_string(status) + ")");
    }
}

// Decoded bitmaps of one snapshot, each read from the resources once.
class BitmapCache {
  public:
    explicit BitmapCache(const ResourceFile& resources) : resources_(resources) {}
    const IndexedBitmap& Get(RESOURCE_ID id) {
        if (id < 0 || id > 0xFFFF) {
            throw ResourceError("bitmap " + std::to_string(id) + ": not a resource identifier");
        }
        auto it = cache_.find(id);
        if (it == cache_.end()) {
            it = cache_.emplace(id, LoadBitmap(resources_, std::uint16_t(id))).first;
        }
        return it->second;
    }

  private:
    const ResourceFile& resources_;
    std::map<RESOURCE_ID, IndexedBitmap> cache_;
};

void PaintBitmap(cairo_t* cr, const IndexedBitmap& b, const ElementHeader& e, double x, double y) {
    Surface s = ToSurface(b, (e.image_flags & IMAGE_USE_TRANSPARENCY) != 0);
    cairo_set_source_surface(cr, s.get(), x, y);
    cairo_pattern_set_filter(cairo_get_source(cr), (e.image_flags & IMAGE_BILINEAR_COLOR)
                                                       ? CAIRO_FILTER_BILINEAR
                                                       : CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
}

// The read-out text in its box: centred as the draw-text flags ask, in the
// narrow sans face that stands in for the element's font. A box that runs
// past the gauge is cut at the gauge's edge first (the BEARING box is 200
// wide on a 170-wide dial), so the text stays on the gauge.
void PaintString(cairo_t* cr, const StringElement& s, const ElementState& state,
                 const IndexedBitmap& root) {
    if (!state.text || state.text[0] == '\0') return;
    const double x = s.header.position.x, y = s.header.position.y;
    const double w = std::max(0.0, std::min<double>(s.box_w, root.width - x));
    const double h = std::max(0.0, std::min<double>(s.box_h, root.height - y));
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    if (!(s.header.image_flags & IMAGE_USE_TRANSPARENCY) || s.bg_color != 0) {
        cairo_set_source_rgb(cr, (s.bg_color & 0xFF) / 255.0, ((s.bg_color >> 8) & 0xFF) / 255.0,
                             ((s.bg_color >> 16) & 0xFF) / 255.0);
        cairo_paint(cr);
    }
    PangoLayout* layout        = pango_cairo_create_layout(cr);
    PangoFontDescription* font = pango_font_description_from_string("Liberation Sans Narrow");
    const double size          = s.font_size > 0 ? s.font_size : s.box_h * 0.8;
    pango_font_description_set_absolute_size(font, size * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
    pango_layout_set_text(layout, state.text.get(), -1);
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    double tx = x, ty = y;
    if (s.draw_text_flags & DT_CENTER) tx = x + (w - logical.width) / 2.0;
    if (s.draw_text_flags & DT_VCENTER) ty = y + (h - logical.height) / 2.0;
    const UINT32 fg = s.fg_color;
    cairo_set_source_rgb(cr, (fg & 0xFF) / 255.0, ((fg >> 8) & 0xFF) / 255.0,
                         ((fg >> 16) & 0xFF) / 255.0);
    cairo_move_to(cr, std::round(tx), std::round(ty));
    pango_cairo_show_layout(cr, layout);
    g_object_unref(layout);
    cairo_restore(cr);
}

// One placement in its own pixels (the caller has moved and scaled).
void PaintPlacement(cairo_t* cr, const GaugeInstance& instance, BitmapCache& bitmaps) {
    const GaugeDef& def       = *instance.def;
    const IndexedBitmap& root = bitmaps.Get(def.elements.front().element->resource_id);
    for (std::size_t i = 0; i < def.elements.size(); ++i) {
        const ElementHeader& e    = *def.elements[i].element;
        const ElementState& state = instance.elements[i];
        if (e.image_flags & IMAGE_HIDDEN) continue;
        switch (e.element_type) {
            case ELEMENT_STATIC_IMAGE:
                PaintBitmap(cr, bitmaps.Get(e.resource_id), e, e.position.x, e.position.y);
                break;
            case ELEMENT_ICON:
                PaintBitmap(cr, bitmaps.Get(e.resource_id + state.icon_index), e, e.position.x,
                            e.position.y);
                break;
            case ELEMENT_SLIDER:
                PaintBitmap(cr, bitmaps.Get(e.resource_id), e, e.position.x + state.offset_x,
                            e.position.y + state.offset_y);
                break;
            case ELEMENT_NEEDLE: {
                const auto& needle = reinterpret_cast<const NeedleElement&>(e);
                // The pivot pixel of the bitmap turns about the centre of the
                // gauge pixel it is placed on.
                cairo_save(cr);
                cairo_translate(cr, e.position.x + 0.5, e.position.y + 0.5);
                cairo_rotate(cr, state.needle_deg * M_PI / 180.0);
                PaintBitmap(cr, bitmaps.Get(e.resource_id), e, -(needle.reference.x + 0.5),
                            -(needle.reference.y + 0.5));
                cairo_restore(cr);
                break;
            }
            case ELEMENT_STRING:
                PaintString(cr, reinterpret_cast<const StringElement&>(e), state, root);
                break;
            default:
                break;
        }
    }
}

double PlacementScale(const GaugeInstance& p) {
    const UINT32 default_width = p.def->header->size_x_mm;
    return p.width > 0 && default_width > 0 ? double(p.width) / default_width : 1.0;
}

void BitmapVerb(VerbCall& call) {
    call.AtMost(2);
    const auto id          = std::uint16_t(call.Integer(0, "bitmap identifier", 0, 0xFFFF));
    const std::string path = std::string(call.Word(1, "PNG file"));
    try {
        const ResourceFile resources =
            ResourceFile::FromLibraryFile(ModuleLibraryFile(call.Panel()));
        const IndexedBitmap bitmap = LoadBitmap(resources, id);
        WriteBitmapPng(bitmap, path);
        call.Print(Format("bitmap %s: %d x %d, %zu colours", ResourceIdText(id).c_str(),
                          bitmap.width, bitmap.height, bitmap.palette.size()));
    } catch (const ResourceError& e) {
        call.Fail(e.what());
    }
}

void SnapshotVerb(VerbCall& call) {
    call.AtMost(2);
    const std::string path = std::string(call.Word(0, "PNG file"));
    bool labels            = false;
    if (call.Has(1)) {
        if (call.Word(1, "labels") != "labels") call.Fail("snapshot takes only the word labels");
        labels = true;
    }
    if (call.Panel().Instances().empty()) call.Fail("nothing is placed");
    try {
        const ResourceFile resources =
            ResourceFile::FromLibraryFile(ModuleLibraryFile(call.Panel()));
        WriteSnapshotPng(call.Panel(), resources, path, labels);
    } catch (const ResourceError& e) {
        call.Fail(e.what());
    }
}

}  // namespace

std::string ModuleLibraryFile(const PanelHost& panel) {
    if (!panel.HasModule() || panel.Gauges().empty()) throw ResourceError("no module is loaded");
    Dl_info info{};
    if (dladdr(panel.Gauges().front().header, &info) == 0 || info.dli_fname == nullptr) {
        throw ResourceError("cannot tell which file the module was loaded from");
    }
    return info.dli_fname;
}

void WriteBitmapPng(const IndexedBitmap& bitmap, const std::string& path) {
    Surface s = ToSurface(bitmap, false);
    WritePng(s.get(), path);
}

void WriteSnapshotPng(const PanelHost& panel, const ResourceFile& resources,
                      const std::string& path, bool labels) {
    constexpr int kMargin = 8, kLabelRoom = 16;
    BitmapCache bitmaps(resources);
    // The sheet reaches the right and bottom edge of every placement.
    double right = 0, bottom = 0;
    for (const auto& p : panel.Instances()) {
        const IndexedBitmap& root = bitmaps.Get(p->def->elements.front().element->resource_id);
        const double scale        = PlacementScale(*p);
        right                     = std::max(right, p->position.x + root.width * scale);
        bottom = std::max(bottom, p->position.y + root.height * scale + (labels ? kLabelRoom : 0));
    }
    const int width  = int(std::ceil(right)) + kMargin;
    const int height = int(std::ceil(bottom)) + kMargin;
    Surface sheet(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height),
                  &cairo_surface_destroy);
    cairo_t* cr = cairo_create(sheet.get());
    cairo_set_source_rgb(cr, 0.42, 0.43, 0.45);
    cairo_paint(cr);
    for (const auto& p : panel.Instances()) {
        const double scale = PlacementScale(*p);
        cairo_save(cr);
        cairo_translate(cr, p->position.x, p->position.y);
        cairo_scale(cr, scale, scale);
        PaintPlacement(cr, *p, bitmaps);
        cairo_restore(cr);
        if (labels) {
            const IndexedBitmap& root  = bitmaps.Get(p->def->elements.front().element->resource_id);
            PangoLayout* layout        = pango_cairo_create_layout(cr);
            PangoFontDescription* font = pango_font_description_from_string("Liberation Sans Bold");
            pango_font_description_set_absolute_size(font, 11 * PANGO_SCALE);
            pango_layout_set_font_description(layout, font);
            pango_font_description_free(font);
            const std::string text =
                p->ordinal > 1 ? p->def->name + "#" + std::to_string(p->ordinal) : p->def->name;
            pango_layout_set_text(layout, text.c_str(), -1);
            cairo_set_source_rgb(cr, 1, 1, 1);
            cairo_move_to(cr, p->position.x, p->position.y + root.height * scale + 2);
            pango_cairo_show_layout(cr, layout);
            g_object_unref(layout);
        }
    }
    cairo_destroy(cr);
    WritePng(sheet.get(), path);
}

void AddBitmapVerbs(ScriptInterpreter& interpreter) {
    interpreter.AddVerb("bitmap", BitmapVerb);
    interpreter.AddVerb("snapshot", SnapshotVerb);
}

}  // namespace drennomar::host
