// A supersaturated state (relative humidity above 1, a dew point above the dry
// bulb) is allowed by the formulation but is rarely what was meant; the tool
// says so rather than staying silent.
#ifndef HYGRA_TOOL_SUPERSATURATION_H
#define HYGRA_TOOL_SUPERSATURATION_H

#include <string>

#include "evaluation.h"

namespace hygra::tool {

// The note for a constructed state whose relative humidity is above 1
// ("supersaturated: RH = 1.08 > 1, the dew point lies above the dry bulb"),
// or an empty string.
std::string supersaturation_note(const state_request& request, double pressure);

}  // namespace hygra::tool

#endif
