// The abstract root solver: argument checks and the result guard.
#include "numeric/univariate_solver.h"

#include <limits>
#include <stdexcept>
#include <string>

#include "numeric/errors.h"

namespace hygra {

univariate_solver::univariate_solver(univariate_function<double, double>& f, double abs_tol,
                                     double rel_tol, unsigned long max_iterations)
    : m_function(f),
      m_abs_tol(abs_tol),
      m_rel_tol(rel_tol),
      m_froot(std::numeric_limits<double>::quiet_NaN()),
      m_error(std::numeric_limits<double>::quiet_NaN()),
      m_root(std::numeric_limits<double>::quiet_NaN()),
      m_tol(std::numeric_limits<double>::quiet_NaN()),
      m_max_iterations(max_iterations),
      m_iterations(0),
      m_solved(false)
{
    // Strict comparisons: a NaN tolerance is not caught here; it makes every
    // convergence test fail and the search ends at its evaluation limit.
    if (abs_tol < 0 || rel_tol < 0 || max_iterations <= 1)
        throw std::invalid_argument("univariate_solver");
}

void univariate_solver::check_state() const
{
    if (!m_solved)
        throw invalid_state(std::string("univariate_solver::check_state"));
}

}  // namespace hygra
