// hygra chart: a psychrometric chart as SVG, every curve drawn from states that
// the library's public C interface computes.
#ifndef HYGRA_TOOL_CHART_H
#define HYGRA_TOOL_CHART_H

#include "arguments.h"

namespace hygra::tool {

// Draws the chart that opts.chart describes, at the pressure of opts, in the
// unit system of opts, and writes it to the output file or standard output.
// Returns exit_ok, or exit_failed (with the reasons on standard error and no
// chart written) when the pressure, the range or a point gives no state;
// throws usage_error for a points file or an output file that cannot be used.
int run_chart(const options& opts);

}  // namespace hygra::tool

#endif
