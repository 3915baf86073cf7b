// A root search over a function with jumps (saturation switches from ice to
// liquid at the triple point) or with undefined values can close its bracket
// on a jump or on NaN and still return. A state is kept only where the
// residual really vanishes, so that it reproduces the inputs it was given.
#ifndef HYGRA_ASHRAE97_CHECKED_ROOT_H
#define HYGRA_ASHRAE97_CHECKED_ROOT_H

#include <cmath>
#include <string>

#include "numeric/brent_solver.h"
#include "numeric/errors.h"

namespace hygra::ashrae97 {

// A residual reproduces its target when it is within this fraction of the
// target's magnitude, plus this much for a target of 0 (in its internal unit).
inline constexpr double residual_tolerance = 1e-6;
inline constexpr double residual_floor = 1e-9;

// The root the solver last returned, if its residual is within tolerance of a
// target of magnitude `scale` (1 for a residual already relative); otherwise
// convergence_error("brent_solver").
inline double checked_root(const brent_solver& solver, double root, double scale)
{
    if (!(std::fabs(solver.froot()) <= residual_tolerance * std::fabs(scale) + residual_floor))
        throw convergence_error(std::string("brent_solver"));
    return root;
}

}  // namespace hygra::ashrae97

#endif
