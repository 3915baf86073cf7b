// Widening an interval until a function changes sign across it.
#include "numeric/bracket.h"

#include <cmath>
#include <stdexcept>

namespace hygra {

bool bracket(univariate_function<double, double>& f, double& a, double& b, double factor,
             unsigned long max_tries)
{
    if (a == b)
        throw std::domain_error("bracket");
    double fa = f(a);
    double fb = f(b);
    for (unsigned long tries = 0; tries < max_tries; ++tries) {
        if (fa * fb < 0)
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
