#include "ashrae97/restarting_search.h"

#include <algorithm>
#include <stdexcept>

#include "ashrae97/constants.h"


namespace hygra::ashrae97 {

double search_with_restarts(powell_minimizer& minimizer, double x, double step,
                            const char* message)
{
    // Each leg evaluates at least twice, so this many legs already exceed the
    // evaluations one solve may make; a search still walking by then is not
    // converging to anything inside the range.
    const unsigned long max_legs = powell_minimizer::default_iterations;
    for (unsigned long leg = 0;; ++leg) {
        const double d = std::min(t_max - x, x - t_min);
        if (!(d > 0.0) || leg >= max_legs)
            throw std::domain_error(message);
        try {
            return minimizer.solve(x, step, d);
        } catch (const std::range_error&) {
            // The function still falls at the edge of the allowed interval:
            // go on from the point at the edge.
            minimizer.check_state();
            x = minimizer.x();
        }
    }
}

}  // namespace hygra::ashrae97
