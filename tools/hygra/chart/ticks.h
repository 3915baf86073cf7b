// The steps of an axis: grid lines and tick labels at 1, 2 or 5 times a power
// of ten, their multiples across a range, and numbers written for people.
#ifndef HYGRA_TOOL_CHART_TICKS_H
#define HYGRA_TOOL_CHART_TICKS_H

#include <optional>
#include <string>
#include <vector>

namespace hygra::tool::chart {

// The smallest step of 1, 2 or 5 times a power of ten that divides `span`
// into at most `most` parts; nothing when the span is not a finite number
// above zero or its step is not a normal double (a range too narrow or too
// wide to divide).
std::optional<double> nice_step(double span, int most);

// The step of the minor grid within a major step: a fifth of a step of 5
// (1 in 5), a quarter of a step of 2 (0.5 in 2), half a step of 1 (5 in 10).
double minor_step(double major);

// Decimals that show the multiples of a step: 0 for 5, 1 for 0.5, 2 for 0.02.
int decimals_of(double step);

// The multiples of `step` from low to high, each rounded to the step's
// decimals so that 0.1 * 3 reads 0.3.
std::vector<double> multiples(double low, double high, double step);

// A value for people: fixed decimals, and a true minus sign.
std::string number_text(double value, int decimals);

}  // namespace hygra::tool::chart

#endif
