// A gauge's definition as one line of JSON, for `dump`.
#pragma once

#include <string>

#include "host/panel_host.h"

namespace drennomar::host {

/// {"name","version","width","callback":bool,"elements":[...],"mouse":[...]}
/// Elements in drawing order with their index, parent, kind, common fields
/// and the fields of their kind; mouse entries in table order up to (not
/// including) the end-of-list entry. Function references show as booleans.
std::string GaugeDefinitionJson(const GaugeDef& gauge);

}  // namespace drennomar::host
