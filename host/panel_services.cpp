// The panel services the module calls, and the trace line each call makes.
//
// The services carry no panel argument: each reaches the panel that serves
// the module now (PanelHost::Current()). A call that arrives with no panel
// serving does nothing and returns 0.
//
// Trace lines (values %.17g as Real17 writes them, tokens 0x%X):
//   lookup_var 0x2F0 = 24
//   check_named_variable BattCov = 3
//   get_named_variable_value BattCov = 0
//   set_named_variable_value WarningFlag 1
//   element_list_update SliderGauges:0          (owner gauge : element index)
//   element_list_install SliderGauges:0 resources
//   element_list_generate SliderGauges:0 7
// install adds "resources" when it is passed the handle the panel gave the
// module, else the address it got; generate adds the phase.
#include <cinttypes>
#include <cstring>

#include "host/panel_host.h"

namespace drennomar::host {

namespace {

void PANELAPI ElementListQuery(PELEMENT_HEADER root) {
    if (PanelHost* p = PanelHost::Current())
        p->ServiceElementList("element_list_query", root, nullptr);
}

void PANELAPI ElementListInstall(PELEMENT_HEADER root, RESOURCE_HANDLE resource_file) {
    PanelHost* p = PanelHost::Current();
    if (p == nullptr || !p->Tracing()) return;
    std::string argument = resource_file == p->ResourceHandle()
                               ? std::string("resources")
                               : Format("0x%" PRIXPTR, reinterpret_cast<uintptr_t>(resource_file));
    p->ServiceElementList("element_list_install", root, argument.c_str());
}

void PANELAPI ElementListInitialize(PELEMENT_HEADER root) {
    if (PanelHost* p = PanelHost::Current()) {
        p->ServiceElementList("element_list_initialize", root, nullptr);
    }
}

void PANELAPI ElementListUpdate(PELEMENT_HEADER root) {
    if (PanelHost* p = PanelHost::Current())
        p->ServiceElementList("element_list_update", root, nullptr);
}

void PANELAPI ElementListGenerate(PELEMENT_HEADER root, UINT32 phase) {
    PanelHost* p = PanelHost::Current();
    if (p == nullptr || !p->Tracing()) return;
    p->ServiceElementList("element_list_generate", root, std::to_string(phase).c_str());
}

void PANELAPI ElementListPlot(PELEMENT_HEADER root) {
    if (PanelHost* p = PanelHost::Current())
        p->ServiceElementList("element_list_plot", root, nullptr);
}

void PANELAPI ElementListErase(PELEMENT_HEADER root) {
    if (PanelHost* p = PanelHost::Current())
        p->ServiceElementList("element_list_erase", root, nullptr);
}

void PANELAPI ElementListKill(PELEMENT_HEADER root) {
    if (PanelHost* p = PanelHost::Current())
        p->ServiceElementList("element_list_kill", root, nullptr);
}

void PANELAPI LookupVar(PMODULE_VAR record) {
    if (PanelHost* p = PanelHost::Current()) p->ServiceLookupVar(record);
}

NAMED_VAR_ID PANELAPI CheckNamedVariable(const char* name) {
    PanelHost* p = PanelHost::Current();
    return p != nullptr ? p->ServiceCheckNamed(name) : 0;
}

FLOAT64 PANELAPI GetNamedVariableValue(NAMED_VAR_ID id) {
    PanelHost* p = PanelHost::Current();
    return p != nullptr ? p->ServiceGetNamed(id) : 0.0;
}

void PANELAPI SetNamedVariableValue(NAMED_VAR_ID id, FLOAT64 value) {
    if (PanelHost* p = PanelHost::Current()) p->ServiceSetNamed(id, value);
}

PanelServices gHostServices = {
    .element_list_query       = &ElementListQuery,
    .element_list_install     = &ElementListInstall,
    .element_list_initialize  = &ElementListInitialize,
    .element_list_update      = &ElementListUpdate,
    .element_list_generate    = &ElementListGenerate,
    .element_list_plot        = &ElementListPlot,
    .element_list_erase       = &ElementListErase,
    .element_list_kill        = &ElementListKill,
    .lookup_var               = &LookupVar,
    .check_named_variable     = &CheckNamedVariable,
    .get_named_variable_value = &GetNamedVariableValue,
    .set_named_variable_value = &SetNamedVariableValue,
};

}  // namespace

PanelServices* HostServicesTable() { return &gHostServices; }

// The element-list services only report what they were passed: the panel
// draws every gauge from its own header's element list, because the
// module's standard routines always pass the root of its first gauge.
void PanelHost::ServiceElementList(const char* service, PELEMENT_HEADER root,
                                   const char* argument) {
    if (!Tracing()) return;
    std::string line = std::string(service) + " " + ElementLabel(root);
    if (argument != nullptr) {
        line += ' ';
        line += argument;
    }
    Trace(line);
}

// The services below run several times in every step of every gauge: their
// common path is a few loads, and the trace lines are built out of line.
void PanelHost::ServiceLookupVar(PMODULE_VAR record) {
    if (record == nullptr) return;
    record->var_value = Token(record->id);
    if (Tracing()) TraceLookupVar(*record);
}

void PanelHost::TraceLookupVar(const MODULE_VAR& record) const {
    Trace(Format("lookup_var 0x%X = %s", record.id, Real17(record.var_value).c_str()));
}

// A name is created with 0.0 at its first lookup by anyone, so that a write
// through the identifier is never lost.
NAMED_VAR_ID PanelHost::ServiceCheckNamed(const char* name) {
    if (name == nullptr) name = "";
    // The module asks for the same few names from the same constant texts:
    // a small table by the text's address remembers them, and an address is
    // trusted only while the text there is still the name it was.
    RecentName& recent =
        recent_names_[(reinterpret_cast<std::uintptr_t>(name) >> 2) % recent_names_.size()];
    NAMED_VAR_ID id;
    if (recent.text == name && static_cast<size_t>(recent.id) < named_names_.size() &&
        std::strcmp(named_names_[static_cast<size_t>(recent.id)].c_str(), name) == 0) {
        id = recent.id;
    } else {
        id     = NamedId(name);
        recent = {name, id};
    }
    if (Tracing()) Trace(Format("check_named_variable %s = %d", name, id));
    return id;
}

// Identifiers the panel never handed out read 0 and take no writes.
FLOAT64 PanelHost::ServiceGetNamed(NAMED_VAR_ID id) {
    bool known = id >= 0 && static_cast<size_t>(id) < named_values_.size();
    double v   = known ? named_values_[static_cast<size_t>(id)] : 0.0;
    if (Tracing()) TraceNamed("get_named_variable_value", id, " = ", v);
    return v;
}

void PanelHost::ServiceSetNamed(NAMED_VAR_ID id, FLOAT64 value) {
    bool known = id >= 0 && static_cast<size_t>(id) < named_values_.size();
    if (known) named_values_[static_cast<size_t>(id)] = value;
    if (Tracing()) TraceNamed("set_named_variable_value", id, " ", value);
}

void PanelHost::TraceNamed(const char* service, NAMED_VAR_ID id, const char* separator,
                           double value) const {
    bool known       = id >= 0 && static_cast<size_t>(id) < named_names_.size();
    std::string name = known ? named_names_[static_cast<size_t>(id)] : Format("#%d", id);
    Trace(Format("%s %s%s%s", service, name.c_str(), separator, Real17(value).c_str()));
}

}  // namespace drennomar::host
