// The module's two exported tables: Linkage, through which the panel system
// finds the thirteen gauges, and ImportTable, in which it leaves the address
// of its panel services. The module never writes ImportTable.
#include "module/gauge_table.h"
#include "panel/module_imports.h"

namespace {

// The module needs no set-up and holds nothing to release: its state has its
// values from load and the random source seeds itself on first use.
void PANELAPI ModuleInit() {}
void PANELAPI ModuleDeinit() {}

}  // namespace

extern "C" {

DRENNOMAR_EXPORT ImportEntry ImportTable[kImportTableEntries] = {
    {kImportPanelServices, nullptr},
    {0, nullptr},
};

DRENNOMAR_EXPORT ModuleLinkage Linkage = {
    .module_id       = kLinkageModuleId,
    .module_init     = &ModuleInit,
    .module_deinit   = &ModuleDeinit,
    .module_flags    = 0,
    .module_priority = 0,
    .module_version  = kLinkageModuleVersion,
    .gauge_table =
        {
            &SliderGaugesGauge,
            &HeadingCompassGauge,
            &SpeedGauge,
            &SwitchesBatteryGauge,
            &SwitchesMotorTempGauge,
            &SwitchesResetGauge,
            &SwitchesWarningGauge,
            &RollPitchIndicatorGauge,
            &RollVCIndicatorGauge,
            &PitchVCIndicatorGauge,
            &BackgroundGauge,
            &BackgroundVCGauge,
            &ControlGauge,
            nullptr,
        },
};

}  // extern "C"
