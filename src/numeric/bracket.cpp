// Widening an interval until a function changes sign across it.
#include "numeric/bracket.h"

#include <cmath>
#include <stdexcept>

namespace hygra {

namespace {

// Strictly opposite signs. Compared one by one, not as a product, which
// underflows to zero for small residuals of opposite sign (1e-200 * -1e-200)
// and would hide the change. An end exactly on a root, or a NaN, is no change.
bool opposite_signs(double fa, double fb)
{
    return (fa < 0.0 && fb > 0.0) || (fa > 0.0 && fb < 0.0);
}

}  // namespace

bool bracket(univariate_function<double, double>& f, double& a, double& b, double factor,
             unsigned long max_tries)
{
    if (a == b)
        throw std::domain_error("bracket");
    double fa = f(a);
    double fb = f(b);
    for (unsigned long tries = 0; tries < max_tries; ++tries) {
        if (opposite_signs(fa, fb))
            return true;
        if (std::fabs(fb) > std::fabs(fa)) {
            a = a + factor * (a - b);
            fa = f(a);
        } else {
            b = b + factor * (b - a);
            fb = f(b);
        }
    }
    return false;
}

}  // namespace hygra
