// A one-dimensional minimisation over temperature that restarts from where the
// minimiser stopped whenever it runs into the edge of its allowed interval. The
// allowed interval is always the distance to the nearer temperature limit of
// the model, so a search can walk across the whole range in several legs.
#ifndef HYGRA_ASHRAE97_RESTARTING_SEARCH_H
#define HYGRA_ASHRAE97_RESTARTING_SEARCH_H

#include "numeric/powell_minimizer.h"

namespace hygra::ashrae97 {

// Minimises with `minimizer` from temperature x (K) with the first step `step`,
// never evaluating outside the model's temperature range, and returns the
// temperature found. When no room remains between the current point and a
// limit, or after as many restarts as the minimiser allows evaluations, throws
// std::domain_error(message). Other errors of the minimiser and of the function
// pass through.
double search_with_restarts(powell_minimizer& minimizer, double x, double step,
                            const char* message);

}  // namespace hygra::ashrae97

#endif
