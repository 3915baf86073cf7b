// Widening an interval until a function changes sign across it, so that a root
// solver can start from it.
#ifndef HYGRA_NUMERIC_BRACKET_H
#define HYGRA_NUMERIC_BRACKET_H

#include "numeric/univariate_function.h"

namespace hygra {

// Widens [a, b] in place until f(a) and f(b) have strictly opposite signs and
// returns true, or returns false after max_tries tries. Each try first tests
// the signs, then moves the end whose |f| is smaller away from the other end by
// factor times the width (a root is more likely beyond the end closer to zero).
// The signs are not tested after the last widening, and max_tries = 0 tests
// nothing: two evaluations, result false. An end exactly on a root (f = 0) or a
// NaN is no sign change. Throws std::domain_error "bracket" when
// a == b, which no factor can widen. Exceptions of f pass through with a and b
// at their last values.
bool bracket(univariate_function<double, double>& f, double& a, double& b, double factor,
             unsigned long max_tries);

}  // namespace hygra

#endif
