// A one-dimensional minimisation over temperature that restarts from where the
// minimiser stopped whenever it runs into the edge of its allowed interval. The
// allowed interval is always the distance to the nearer end of the temperature
// range searched, so a search can walk across the whole range in several legs.
#ifndef HYGRA_ASHRAE97_RESTARTING_SEARCH_H
#define HYGRA_ASHRAE97_RESTARTING_SEARCH_H

#include "numeric/powell_minimizer.h"

namespace hygra::ashrae97 {

// Minimises with `minimizer` from temperature x (K) with the first step `step`,
// never evaluating outside [lo, hi], and returns the temperature found. When no
// room remains between the current point and an end of the range, or after as
// many restarts as the minimiser allows evaluations, throws
// std::domain_error(message). Other errors of the minimiser and of the function
// pass through.
double search_with_restarts(powell_minimizer& minimizer, double x, double step, double lo,
                            double hi, const char* message);

}  // namespace hygra::ashrae97

#endif
