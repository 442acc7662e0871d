#include "fuzz/module_at_load.h"

#include <utility>
#include <vector>

#include "navigation/navigation.h"
#include "state/module_state.h"
#include "state/random_in_range.h"

namespace drennomar::fuzz {
namespace {

std::vector<std::pair<ElementHeader*, FLAGS32>> gLoadFlags;

}  // namespace

void NoteLoadFlags(const host::PanelHost& panel) {
    gLoadFlags.clear();
    for (const host::GaugeDef& g : panel.Gauges()) {
        for (const auto& node : g.elements) {
            gLoadFlags.emplace_back(node.element, node.element->image_flags);
        }
    }
}

// The records of the power model keep their values from lookup to lookup,
// but every step looks each up before it reads it, so they need no reset.
void BackToLoad() {
    gModuleState              = ModuleState{};
    gModuleState.RandomSeeded = 1;
    random_source::Seed(1);
    for (MODULE_VAR* record :
         {&OdometerTickVar, &GroundSpeedVar, &LongitudeVar, &LatitudeVar, &ResetTickVar}) {
        record->var_value = 0.0;
    }
    for (auto& [element, flags] : gLoadFlags) element->image_flags = flags;
}

}  // namespace drennomar::fuzz
