// The panel-services table and the module's two exported tables: the only
// connection between the panel system and the module.
//
// The panel system loads the library, reads `Linkage` to find the gauges and
// stores the address of its PanelServices in the first entry of
// `ImportTable`. Every call from the module into the panel system goes
// through that table.
#pragma once

#include <cstddef>

#include "panel/gauge_types.h"

/// The panel system's services. The panel system owns the table and keeps
/// it alive from before the module's first call until the library unloads.
struct PanelServices {
    void(PANELAPI* element_list_query)(PELEMENT_HEADER root);
    void(PANELAPI* element_list_install)(PELEMENT_HEADER root, RESOURCE_HANDLE resource_file);
    void(PANELAPI* element_list_initialize)(PELEMENT_HEADER root);
    void(PANELAPI* element_list_update)(PELEMENT_HEADER root);
    void(PANELAPI* element_list_generate)(PELEMENT_HEADER root, UINT32 phase);
    void(PANELAPI* element_list_plot)(PELEMENT_HEADER root);
    void(PANELAPI* element_list_erase)(PELEMENT_HEADER root);
    void(PANELAPI* element_list_kill)(PELEMENT_HEADER root);
    /// Fills the record's var_value with the current value of its token.
    void(PANELAPI* lookup_var)(PMODULE_VAR record);
    /// Identifier of a named panel variable. The name is only borrowed.
    NAMED_VAR_ID(PANELAPI* check_named_variable)(const char* name);
    FLOAT64(PANELAPI* get_named_variable_value)(NAMED_VAR_ID id);
    void(PANELAPI* set_named_variable_value)(NAMED_VAR_ID id, FLOAT64 value);
};

/// One entry of the import table: an identifier and a pointer the panel
/// system fills in.
struct ImportEntry {
    UINT32 id;
    void* ptr;
};

/// Identifier of the import entry that receives the PanelServices address.
inline constexpr UINT32 kImportPanelServices     = 0x0F;
inline constexpr std::size_t kImportTableEntries = 2;

/// Module identifier and module version the linkage carries.
inline constexpr UINT32 kLinkageModuleId      = 0x13;
inline constexpr UINT32 kLinkageModuleVersion = 0x0900;

using MODULE_INIT_ROUTINE = void(PANELAPI*)();

/// Room in the gauge table for the gauge references and the null that ends
/// them. A panel system reads no further than this looking for the end.
inline constexpr std::size_t kGaugeTableSlots = 32;

/// How the module hands its gauges to the panel system.
struct ModuleLinkage {
    UINT32 module_id;
    MODULE_INIT_ROUTINE module_init;
    MODULE_INIT_ROUTINE module_deinit;
    FLAGS32 module_flags;
    UINT32 module_priority;
    UINT32 module_version;
    PGAUGEHDR gauge_table[kGaugeTableSlots];  // ended by the first null
};

/// Names of the two symbols the module library exports.
inline constexpr const char kLinkageSymbol[]     = "Linkage";
inline constexpr const char kImportTableSymbol[] = "ImportTable";
