// hygra chart --points FILE and --scatter FILE: states to draw on the chart,
// one a row of CSV. Whatever else yields states (a weather file's hours)
// hands the chart the same points_read.
#ifndef HYGRA_TOOL_CHART_POINTS_H
#define HYGRA_TOOL_CHART_POINTS_H

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "evaluation.h"

namespace hygra::tool::chart {

struct marked_state {
    std::string label;    // as given; the row's number or empty when the file has no label column
    double tdb;           // degC or degF
    double w;             // kg/kg
    std::string process;  // the chain it belongs to; empty without a process column
    double shade = NAN;   // the value of the column the scatter is coloured by
};

// What a points file gave: its states in order, and a sentence for each row
// that does not give one ("row 3: TDB = 400 degC is outside ...").
struct points_read {
    std::vector<marked_state> states;
    std::vector<std::string> failures;
};

// What to take from a file besides the states.
struct point_columns {
    bool number_unlabelled = true;     // label rows by their number without a label column
    std::optional<std::string> shade;  // the name of a numeric column to read, any case
};

// Reads CSV whose header names inputs (any of TDB, TWB, TDEW, RH, W, HM, SM,
// VM) and optionally columns "label" and "process"; each row gives values for two of the
// inputs, a pair that fixes a state, and leaves the others empty, so rows may
// use different pairs. Other columns are ignored. The states are taken at the
// chart's pressure, so the header may not name P or ALT; `what` names the
// file in messages. Throws usage_error for a header that names no pair of
// inputs, names the pressure or lacks the shade column, and for input that
// is not CSV. A row whose shade value is not a number fails as a row.
points_read read_points(std::FILE* in, const std::string& what, const pressure_input& pressure,
                        int units, const point_columns& columns);

}  // namespace hygra::tool::chart

#endif
