// hygra chart --points FILE: states to mark on the chart, one a row of CSV.
#ifndef HYGRA_TOOL_CHART_POINTS_H
#define HYGRA_TOOL_CHART_POINTS_H

#include <cstdio>
#include <string>
#include <vector>

#include "evaluation.h"

namespace hygra::tool::chart {

struct marked_state {
    std::string label;  // as given, or the row's number when the file has no label column
    double tdb;         // degC or degF
    double w;           // kg/kg
};

// What a points file gave: its states in order, and a sentence for each row
// that does not give one ("row 3: TDB = 400 degC is outside ...").
struct points_read {
    std::vector<marked_state> states;
    std::vector<std::string> failures;
};

// Reads CSV whose header names inputs (any of TDB, TWB, TDEW, RH, W, HM, SM,
// VM) and optionally a column "label"; each row gives values for two of the
// inputs, a pair that fixes a state, and leaves the others empty, so rows may
// use different pairs. Other columns are ignored. The states are taken at the
// chart's pressure, so the header may not name P or ALT; `what` names the
// file in messages. Throws usage_error for a header that names no pair of
// inputs or names the pressure, and for input that is not CSV.
points_read read_points(std::FILE* in, const std::string& what, const pressure_input& pressure,
                        int units);

}  // namespace hygra::tool::chart

#endif
