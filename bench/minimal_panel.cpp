#include "bench/minimal_panel.h"

#include <cstring>

namespace drennomar::bench {
namespace {

constexpr int kSlots = 16;

struct Token {
    SIM_TOKEN id;
    double value;
};
struct Named {
    const char* name;
    double value;
};

Token gTokens[kSlots];
int gTokenCount = 0;
Named gNamed[kSlots];
int gNamedCount = 0;

double* TokenSlot(SIM_TOKEN id) {
    for (int i = 0; i < gTokenCount; ++i) {
        if (gTokens[i].id == id) return &gTokens[i].value;
    }
    if (gTokenCount == kSlots) return nullptr;
    gTokens[gTokenCount] = {id, 0.0};
    return &gTokens[gTokenCount++].value;
}

// The module passes the same name constants on every step, so the address
// is tried first and the text compared only when it differs.
NAMED_VAR_ID NamedSlot(const char* name) {
    for (int i = 0; i < gNamedCount; ++i) {
        if (gNamed[i].name == name) return i;
    }
    for (int i = 0; i < gNamedCount; ++i) {
        if (std::strcmp(gNamed[i].name, name) == 0) return i;
    }
    if (gNamedCount == kSlots) return -1;
    gNamed[gNamedCount] = {name, 0.0};
    return gNamedCount++;
}

void PANELAPI NoRoot(PELEMENT_HEADER) {}

}  // namespace

MinimalPanel::MinimalPanel() {
    gTokenCount                       = 0;
    gNamedCount                       = 0;
    services_.element_list_query      = &NoRoot;
    services_.element_list_install    = [](PELEMENT_HEADER, RESOURCE_HANDLE) {};
    services_.element_list_initialize = &NoRoot;
    services_.element_list_update     = &NoRoot;
    services_.element_list_generate   = [](PELEMENT_HEADER, UINT32) {};
    services_.element_list_plot       = &NoRoot;
    services_.element_list_erase      = &NoRoot;
    services_.element_list_kill       = &NoRoot;
    services_.lookup_var              = [](PMODULE_VAR var) {
        const double* v = TokenSlot(var->id);
        var->var_value  = v != nullptr ? *v : 0.0;
    };
    services_.check_named_variable     = [](const char* name) { return NamedSlot(name); };
    services_.get_named_variable_value = [](NAMED_VAR_ID id) {
        return id >= 0 && id < gNamedCount ? gNamed[id].value : 0.0;
    };
    services_.set_named_variable_value = [](NAMED_VAR_ID id, FLOAT64 value) {
        if (id >= 0 && id < gNamedCount) gNamed[id].value = value;
    };
    ImportTable[0].ptr = &services_;
}

MinimalPanel::~MinimalPanel() { ImportTable[0].ptr = nullptr; }

void MinimalPanel::SetToken(SIM_TOKEN token, double value) {
    if (double* v = TokenSlot(token)) *v = value;
}

void MinimalPanel::SetNamed(const char* name, double value) {
    const NAMED_VAR_ID id = NamedSlot(name);
    if (id >= 0) gNamed[id].value = value;
}

}  // namespace drennomar::bench
