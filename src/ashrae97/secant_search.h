// A root search for smooth, monotone residuals started from a good estimate:
// secant steps inside an allowed interval, closing on a bracket (Illinois-style
// false position) as soon as the residual changes sign. It makes no promise for
// awkward residuals: when it cannot confirm a root it says so, and the caller
// falls back to a search whose guarantees it relies on.
#ifndef HYGRA_ASHRAE97_SECANT_SEARCH_H
#define HYGRA_ASHRAE97_SECANT_SEARCH_H

#include "numeric/univariate_function.h"

namespace hygra::ashrae97 {

struct secant_result {
    bool found;  // the search converged: its last step was within the tolerance
    double x;    // the root
    double fx;   // the residual at the last point evaluated, next to the root
};

// Root of f (a residual relative to its target) in [lo, hi] from the estimate
// x0, with the first secant step through x0 + step. An end of [lo, hi] where
// the residual is zero but for rounding, and beyond which the root lies, is
// taken as the root. Stops when a step, or the bracket, is within
// abs_tol + rel_tol |x|; gives up (found = false) when a step leaves [lo, hi]
// twice without a sign change, on a NaN, or after max_evaluations.
secant_result secant_search(univariate_function<double, double>& f, double lo, double hi, double x0,
                            double step, double abs_tol, double rel_tol, int max_evaluations);

}  // namespace hygra::ashrae97

#endif
