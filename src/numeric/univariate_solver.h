// The abstract root solver: a function, the tolerances and evaluation limit of
// a search, and the result of the last solve. Brent's method (brent_solver.h)
// implements it; solvers are built on the stack as their concrete type.
#ifndef HYGRA_NUMERIC_UNIVARIATE_SOLVER_H
#define HYGRA_NUMERIC_UNIVARIATE_SOLVER_H

#include "numeric/univariate_function.h"

namespace hygra {

class univariate_solver {
public:
    // Find a root of the function between a and b, where f(a) and f(b) have
    // opposite signs (or one of them is already within the absolute tolerance).
    virtual double solve(double a, double b) = 0;
    // The same with fa = f(a) and fb = f(b) already known, so that a caller who
    // bracketed the root does not pay for the two evaluations again.
    virtual double solve(double a, double b, double fa, double fb) = 0;

    // Returns when a solve has stored a result; otherwise throws
    // hygra::invalid_state "univariate_solver::check_state". It guards reads of
    // the result fields below, which mean nothing before the first solve.
    void check_state() const;

    double root() const { return m_root; }
    double froot() const { return m_froot; }
    // Width of the final bracket |c - b|; 0 when a start point was a root.
    double error() const { return m_error; }
    // Abscissa tolerance of the last iteration.
    double tol() const { return m_tol; }
    unsigned long iterations() const { return m_iterations; }
    bool solved() const { return m_solved; }

protected:
    // Throws std::invalid_argument "univariate_solver" when abs_tol < 0,
    // rel_tol < 0 or max_iterations <= 1: a search needs its two end values, so
    // fewer than two evaluations can never finish. The result fields hold NaN
    // until a solve stores one.
    univariate_solver(univariate_function<double, double>& f, double abs_tol, double rel_tol,
                      unsigned long max_iterations);
    univariate_solver(const univariate_solver&) = default;
    univariate_solver& operator=(const univariate_solver&) = delete;
    // Never deleted through the base: see univariate_function.
    ~univariate_solver() = default;

    univariate_function<double, double>& m_function;  // not owned
    double m_abs_tol;   // a point with |f| <= m_abs_tol is a root
    double m_rel_tol;   // relative tolerance on the abscissa
    double m_froot;     // function value at the last result
    double m_error;     // width of the final bracket, |c - b|
    double m_root;      // last result
    double m_tol;       // abscissa tolerance used in the last iteration
    unsigned long m_max_iterations;  // limit on the evaluations of one solve
    unsigned long m_iterations;      // evaluations counted by the current solve
    bool m_solved;      // true once a solve has stored a result, and then for good
};

}  // namespace hygra

#endif
