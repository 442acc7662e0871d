#include "host/definition_json.h"

#include "host/json_writer.h"

namespace drennomar::host {

namespace {

constexpr const char* kKindNames[] = {"static_image", "needle", "string", "slider", "icon"};
static_assert(std::size(kKindNames) == size_t(ELEMENT_KIND_COUNT));

void Failures(JsonWriter& w, const FailureRecord* list) {
    w.Key("failures").BeginArray();
    for (size_t i = 0; list != nullptr && i < kMaxFailureRecords && list[i].key != FAIL_NONE; ++i) {
        w.BeginArray().Int(list[i].key).Int(list[i].action).EndArray();
    }
    w.EndArray();
}

void KindFields(JsonWriter& w, const ElementHeader* e) {
    switch (e->element_type) {
        case ELEMENT_NEEDLE: {
            const auto* n = reinterpret_cast<const NeedleElement*>(e);
            w.Key("pivot_x").Int(n->reference.x).Key("pivot_y").Int(n->reference.y);
            w.Key("source").Int(n->source_var.id).Key("callback").Bool(n->update_cb != nullptr);
            w.Key("max_rate").Real(n->max_degrees_per_tick);
            w.Key("nonlinearity").BeginArray();
            for (UINT32 i = 0; i < n->nonlinearity_count; ++i) {
                const Nonlinearity& entry = n->nonlinearity[i];
                w.BeginArray().Int(entry.point.x).Int(entry.point.y).Real(entry.value);
                w.Real(entry.degrees).EndArray();
            }
            w.EndArray();
            break;
        }
        case ELEMENT_STRING: {
            const auto* s = reinterpret_cast<const StringElement*>(e);
            w.Key("sources").BeginArray();
            for (const MODULE_VAR& var : s->source_var) w.Int(var.id);
            w.EndArray();
            w.Key("width").Int(s->box_w).Key("height").Int(s->box_h).Key("chars").Int(
                s->char_count);
            w.Key("fg").Int(s->fg_color).Key("bg").Int(s->bg_color).Key("hl").Int(s->hilite_color);
            // The face name is at most 31 characters; never read past its field.
            size_t len = 0;
            while (len < sizeof s->font_face && s->font_face[len] != '\0') ++len;
            w.Key("font").String(std::string_view(s->font_face, len));
            w.Key("weight").Int(s->font_weight).Key("charset").Int(s->font_charset);
            w.Key("size").Int(s->font_size).Key("dt").Int(s->draw_text_flags);
            w.Key("callback").Bool(s->update_cb != nullptr);
            break;
        }
        case ELEMENT_SLIDER: {
            const auto* s = reinterpret_cast<const SliderElement*>(e);
            w.Key("x_source").Int(s->x.source_var.id).Key("x_scale").Real(s->x.scale);
            w.Key("x_callback").Bool(s->x.update_cb != nullptr);
            w.Key("y_source").Int(s->y.source_var.id).Key("y_scale").Real(s->y.scale);
            w.Key("y_callback").Bool(s->y.update_cb != nullptr);
            break;
        }
        case ELEMENT_ICON: {
            const auto* i = reinterpret_cast<const IconElement*>(e);
            w.Key("source").Int(i->source_var.id).Key("callback").Bool(i->update_cb != nullptr);
            w.Key("switch_type").Int(i->switch_type).Key("images").Int(i->picture_count);
            w.Key("scale").Real(i->scale).Key("offset").Real(i->offset);
            break;
        }
        default:
            break;
    }
}

}  // namespace

std::string GaugeDefinitionJson(const GaugeDef& gauge) {
    const GAUGEHDR& h = *gauge.header;
    JsonWriter w;
    w.BeginObject();
    w.Key("name").String(gauge.name);
    w.Key("version").Int(h.gauge_header_version);
    w.Key("width").Int(h.size_x_mm);
    w.Key("callback").Bool(h.gauge_callback != nullptr);
    w.Key("elements").BeginArray();
    for (size_t i = 0; i < gauge.elements.size(); ++i) {
        const ElementNode& node = gauge.elements[i];
        const ElementHeader* e  = node.element;
        w.BeginObject();
        w.Key("index").Int(static_cast<std::int64_t>(i)).Key("parent").Int(node.parent);
        w.Key("kind").String(kKindNames[e->element_type]);
        w.Key("resource").Int(e->resource_id);
        w.Key("x").Int(e->position.x).Key("y").Int(e->position.y);
        w.Key("flags").Int(e->image_flags).Key("flags2").Int(e->aux_image_flags);
        Failures(w, e->failure_systems);
        KindFields(w, e);
        w.EndObject();
    }
    w.EndArray();
    w.Key("mouse").BeginArray();
    const MouseRect* table = h.mouse_rect;
    for (size_t i = 0;
         table != nullptr && i < kMaxMouseEntries && table[i].rect_flags != MOUSE_RECT_EOL; ++i) {
        const MouseRect& r = table[i];
        bool user          = r.rect_flags == MOUSE_RECT_USER;
        w.BeginObject();
        w.Key("kind").Int(r.rect_flags);
        w.Key("x").Int(r.relative_box.x).Key("y").Int(r.relative_box.y);
        w.Key("w").Int(r.relative_box.w).Key("h").Int(r.relative_box.h);
        w.Key("cursor").Int(r.cursor).Key("help").Int(r.help_id);
        w.Key("mouse_flags").Int(r.mouse_flags).Key("event").Int(r.event_id);
        w.Key("tooltip").StringOrNull(user ? r.target.tooltip : nullptr);
        w.Key("handler").Bool(!user && r.target.handler != nullptr);
        w.EndObject();
    }
    w.EndArray();
    w.EndObject();
    return w.Text();
}

}  // namespace drennomar::host
