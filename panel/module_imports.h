// The module's side of the connection: its two exported tables and the thin
// calls through which every gauge reaches the panel services.
//
// Each call reads the services address afresh from the first entry of
// ImportTable and uses what it finds without a test: the panel system fills
// it before it calls anything of the module.
#pragma once

#include "panel/services.h"

#if defined(_WIN32)
#define DRENNOMAR_EXPORT __declspec(dllexport)
#else
#define DRENNOMAR_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {
extern DRENNOMAR_EXPORT ImportEntry ImportTable[kImportTableEntries];
extern DRENNOMAR_EXPORT ModuleLinkage Linkage;
}

namespace drennomar::panel {

inline PanelServices* Services() { return static_cast<PanelServices*>(ImportTable[0].ptr); }

inline void LookupVar(MODULE_VAR& record) { Services()->lookup_var(&record); }

inline NAMED_VAR_ID CheckNamedVariable(const char* name) {
    return Services()->check_named_variable(name);
}

inline FLOAT64 GetNamedVariable(NAMED_VAR_ID id) {
    return Services()->get_named_variable_value(id);
}

inline void SetNamedVariable(NAMED_VAR_ID id, FLOAT64 value) {
    Services()->set_named_variable_value(id, value);
}

}  // namespace drennomar::panel
