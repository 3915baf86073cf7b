// The input pairs whose states are searched along a line of one of their
// inputs (a wet bulb, an enthalpy or a volume) for the value of the other:
// wet bulb with enthalpy, entropy or volume; enthalpy with entropy or volume;
// entropy with volume.
#ifndef HYGRA_ASHRAE97_LINE_PAIRS_H
#define HYGRA_ASHRAE97_LINE_PAIRS_H

#include "ashrae97/moist_air.h"
#include "ashrae97/state_line.h"

namespace hygra::ashrae97 {

// How the state of one such pair is searched.
struct line_pair {
    line_kind line;             // the line of one input...
    bool line_is_first;         // ... the first of the pair, or the second
    moistair_property other;    // the property the other input is
    const char* message;        // std::domain_error when the line has no state
};

// The search of state type `type`, or null for a type not searched along a line.
const line_pair* line_pair_of(moist_air::state_type type);

// The state of a pair (internal units, the inputs in the type's order).
// Throws as state_line and find_on_line do.
line_point state_of_line_pair(moist_air::state_type type, double first, double second, double p);

// What the other input of a pair reaches along the line of its line input, in
// the other input's internal unit, for a message that says why a value is out
// of reach. False when there is no such line or its search fails.
bool reach_of_line_pair(moist_air::state_type type, double first, double second, double p,
                        line_reach& reach) noexcept;

}  // namespace hygra::ashrae97

#endif
