// Updating placements: the gauge callback, the standard update routine and
// every element's value, failure records and rule, in drawing order.
//
// Service codes the panel passes to gauge callbacks:
//   PANEL_SERVICE_PRE_UPDATE (6) once at the start of every update of a
//   placement. No other code is passed by the panel on its own; a script's
//   `callback GAUGE CODE` passes whatever code it names.
#include <cmath>

#include "host/element_rules.h"
#include "host/panel_host.h"

namespace drennomar::host {

namespace {

void RefreshSource(PanelHost& panel, MODULE_VAR& var) {
    if (var.id != MODULE_VAR_NONE) var.var_value = panel.Token(var.id);
}

/// The action of the first record of `list` whose failure is active, or
/// FAIL_ACTION_NONE.
FailureAction ActiveFailure(const PanelHost& panel, const FailureRecord* list) {
    if (list == nullptr) return FAIL_ACTION_NONE;
    for (size_t i = 0; i < kMaxFailureRecords && list[i].key != FAIL_NONE; ++i) {
        if (panel.FailureActive(list[i].key) &&
            (list[i].action == FAIL_ACTION_FREEZE || list[i].action == FAIL_ACTION_ZERO)) {
            return list[i].action;
        }
    }
    return FAIL_ACTION_NONE;
}

}  // namespace

void PanelHost::UpdateAll() {
    // Index, not iterator: a callback cannot place gauges, but stay safe.
    for (size_t i = 0; i < instances_.size(); ++i) Update(*instances_[i]);
}

void PanelHost::RunFrames(std::uint64_t frames) {
    for (std::uint64_t f = 0; f < frames; ++f) {
        SetToken(TICK18, Token(TICK18) + 1.0);
        if (before_frame_) before_frame_(*this);
        UpdateAll();
        if (after_frame_) after_frame_(*this);
    }
}

void PanelHost::Update(GaugeInstance& instance) {
    GAUGEHDR& h = *instance.def->header;
    if (h.gauge_callback != nullptr) h.gauge_callback(&h, PANEL_SERVICE_PRE_UPDATE, 0);
    if (h.update_routine != nullptr) h.update_routine();
    for (size_t i = 0; i < instance.def->elements.size(); ++i) {
        UpdateElement(instance, static_cast<int>(i));
    }
}

void PanelHost::Draw(GaugeInstance& instance, UINT32 phase) {
    const GAUGEHDR& h = *instance.def->header;
    if (h.generate_routine != nullptr) h.generate_routine(phase);
    if (h.draw_routine != nullptr) h.draw_routine();
}

bool PanelHost::CallGaugeCallback(const GaugeDef& gauge, SINT32 service_code, UINT32 extra) {
    GAUGEHDR& h = *gauge.header;
    if (h.gauge_callback == nullptr) return false;
    h.gauge_callback(&h, service_code, extra);
    return true;
}

// One element of one placement:
// 1. its source variables are refreshed from the token store;
// 2. while a failure of its list is active: FREEZE keeps everything it
//    showed (value, angle, offsets, image, text), ZERO shows the value 0
//    (a string's text is emptied); either way its callback is not called;
// 3. otherwise its value is its callback's result, else its source's value,
//    else 0;
// 4. the kind's rule turns the value into what it shows.
void PanelHost::UpdateElement(GaugeInstance& instance, int index) {
    ElementHeader* e = instance.def->elements[static_cast<size_t>(index)].element;
    ElementState& s  = instance.elements[static_cast<size_t>(index)];

    switch (e->element_type) {
        case ELEMENT_NEEDLE: {
            auto* needle = reinterpret_cast<NeedleElement*>(e);
            RefreshSource(*this, needle->source_var);
            break;
        }
        case ELEMENT_STRING: {
            auto* str = reinterpret_cast<StringElement*>(e);
            for (MODULE_VAR& var : str->source_var) RefreshSource(*this, var);
            break;
        }
        case ELEMENT_SLIDER: {
            auto* slider = reinterpret_cast<SliderElement*>(e);
            RefreshSource(*this, slider->x.source_var);
            RefreshSource(*this, slider->y.source_var);
            break;
        }
        case ELEMENT_ICON: {
            auto* icon = reinterpret_cast<IconElement*>(e);
            RefreshSource(*this, icon->source_var);
            break;
        }
        default:
            break;
    }

    FailureAction failure = ActiveFailure(*this, e->failure_systems);
    if (failure == FAIL_ACTION_FREEZE && s.updated) return;
    bool zero = failure != FAIL_ACTION_NONE;  // a freeze before any update shows 0

    switch (e->element_type) {
        case ELEMENT_NEEDLE: {
            auto* needle  = reinterpret_cast<NeedleElement*>(e);
            double v      = zero                                       ? 0.0
                            : needle->update_cb != nullptr             ? needle->update_cb(needle)
                            : needle->source_var.id != MODULE_VAR_NONE ? needle->source_var.var_value
                                                                       : 0.0;
            s.value       = v;
            double target = needle->nonlinearity_count > 0
                                ? NonlinearityAngle(needle->nonlinearity,
                                                    needle->nonlinearity_count, e->position, v)
                                : v;
            if (!s.updated) {
                s.needle_deg = std::isfinite(target) ? target : 0.0;
            } else {
                s.needle_deg = TurnNeedle(s.needle_deg, target, needle->max_degrees_per_tick);
            }
            break;
        }
        case ELEMENT_STRING: {
            auto* str = reinterpret_cast<StringElement*>(e);
            if (zero) {
                s.value   = 0.0;
                s.text[0] = '\0';
            } else if (str->update_cb != nullptr) {
                str->string             = s.text.get();
                s.value                 = str->update_cb(str);
                str->string             = nullptr;
                s.text[s.text_size - 1] = '\0';  // whatever the callback left, the text ends here
            } else {
                s.value =
                    str->source_var[0].id != MODULE_VAR_NONE ? str->source_var[0].var_value : 0.0;
            }
            break;
        }
        case ELEMENT_SLIDER: {
            auto* slider = reinterpret_cast<SliderElement*>(e);
            auto axis    = [&](SliderAxis& a) {
                if (zero) return 0.0;
                if (a.update_cb != nullptr) return a.update_cb(slider);
                return a.source_var.id != MODULE_VAR_NONE ? a.source_var.var_value : 0.0;
            };
            s.value_x = axis(slider->x);
            s.value   = axis(slider->y);
            // + 0.0: a zero value shows at offset 0, not -0, whatever the scale's sign.
            s.offset_x = s.value_x * slider->x.scale + 0.0;
            s.offset_y = s.value * slider->y.scale + 0.0;
            break;
        }
        case ELEMENT_ICON: {
            auto* icon   = reinterpret_cast<IconElement*>(e);
            double v     = zero                                     ? 0.0
                           : icon->update_cb != nullptr             ? icon->update_cb(icon)
                           : icon->source_var.id != MODULE_VAR_NONE ? icon->source_var.var_value
                                                                    : 0.0;
            s.value      = v;
            s.icon_index = IconImageIndex(v, icon->picture_count);
            break;
        }
        default:
            s.value = 0.0;
            break;
    }
    s.updated = true;
}

}  // namespace drennomar::host
