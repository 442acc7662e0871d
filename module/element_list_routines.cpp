#include "module/element_list_routines.h"

#include "panel/module_imports.h"

namespace drennomar {
namespace {

// The root of the gauge in the first slot of the table, found afresh on
// every call: Linkage, first gauge reference, its element list, first entry.
PELEMENT_HEADER FirstGaugeRoot() { return Linkage.gauge_table[0]->elements_list[0]; }

}  // namespace

void PANELAPI StandardQuery() { panel::Services()->element_list_query(FirstGaugeRoot()); }

void PANELAPI StandardInstall(RESOURCE_HANDLE resource_file) {
    panel::Services()->element_list_install(FirstGaugeRoot(), resource_file);
}

void PANELAPI StandardInitialize() { panel::Services()->element_list_initialize(FirstGaugeRoot()); }

void PANELAPI StandardUpdate() { panel::Services()->element_list_update(FirstGaugeRoot()); }

void PANELAPI StandardGenerate(UINT32 phase) {
    panel::Services()->element_list_generate(FirstGaugeRoot(), phase);
}

void PANELAPI StandardDraw() { panel::Services()->element_list_plot(FirstGaugeRoot()); }

void PANELAPI StandardKill() { panel::Services()->element_list_kill(FirstGaugeRoot()); }

}  // namespace drennomar
