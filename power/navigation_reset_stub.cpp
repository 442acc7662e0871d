// TEMPORARY: stands in for the navigation reset step until the navigation
// gauges arrive on main; delete this file (and its line in CMakeLists.txt)
// then. It only refreshes the reset switch copy, as the real step does while
// the switch is released. Weak, so the real step wins if both are linked.
#include "panel/module_imports.h"
#include "state/module_state.h"
#include "state/numeric.h"

namespace drennomar {

__attribute__((weak)) void NavigationResetStep(NAMED_VAR_ID reset_sw_id) {
    gModuleState.ResetSwState = TruncateToInt32(panel::GetNamedVariable(reset_sw_id));
}

}  // namespace drennomar
