// The note that a saturated-water property printed for a state above 200 degC
// comes from fits extrapolated beyond the range they were made for.
#ifndef HYGRA_TOOL_FIT_RANGE_NOTE_H
#define HYGRA_TOOL_FIT_RANGE_NOTE_H

#include <string>

#include "evaluation.h"

namespace hygra::tool {

// "note: ..." naming the saturated-water properties among the values computed
// for `request` whose dry bulb lies above 200 degC (392 degF), or an empty
// string when there are none.
std::string fit_range_note(const state_request& request, const evaluation& e);

}  // namespace hygra::tool

#endif
