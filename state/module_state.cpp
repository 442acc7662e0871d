#include "state/module_state.h"

namespace drennomar {

ModuleState gModuleState;

}  // namespace drennomar
