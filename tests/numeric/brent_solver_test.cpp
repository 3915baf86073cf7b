// Tests of Brent's root solver: the work of its searches, the stored result and
// its bracket width, and the errors.
#include "numeric/brent_solver.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <vector>

#include <gtest/gtest.h>

#include "numeric/errors.h"
#include "recording_function.h"

namespace hygra {
namespace {

using testing::expect_error;
using testing::recording_function;
using fn = double (*)(double);

double sqrt2_residual(double x) { return x * x - 2.0; }

// The stored result: the root, f there and the width of the final bracket.
std::array<double, 3> stored(const brent_solver& s) { return {s.root(), s.froot(), s.error()}; }

struct sequence_case {
    const char* label;
    fn f;
    double a, b, rel_tol;
    std::size_t evaluations;
    double root;  // exact: the point before last, whose |f| is the smaller
};

TEST(BrentSolver, FollowsTheStepRules)
{
    // Each search is pinned by its number of evaluations and its exact root;
    // the comments give the points.
    const sequence_case cases[] = {
        // 0, 2, 1, 1.3333, 1.4190, 1.41407, 1.4142133, 1.41421356237, 1.41421355530:
        // the ends, bisection (|f| is equal at both ends, so nothing is
        // interpolated), the secant, then inverse quadratic interpolation.
        {"x^2 - 2 on [0, 2]", &sqrt2_residual, 0.0, 2.0, 1e-8, 9, 1.4142135623731364},
        // 0.01, 3, 2.5749, 2.25 - 9e-16, 2.25 + 1.1e-8: secant, then inverse
        // quadratic interpolation; the step before last that bounds the second
        // step is the first step, 2.99, not the last.
        {"sqrt(x) - 1.5 on [0.01, 3]", [](double x) { return std::sqrt(x) - 1.5; }, 0.01, 3.0, 1e-8, 5,
         2.2499999999999991},
        // 2, 2.5, 2.07547, 2.09489, 2.094548, 2.094653: after five points the
        // bracket is 3.4e-4 wide, within twice the tolerance 2.1e-4 but not
        // within it: the whole width is tested, so a sixth point is taken.
        {"x^3 - 2x - 5 on [2, 2.5], rel_tol 1e-4", [](double x) { return (x * x - 2.0) * x - 5.0; }, 2.0, 2.5, 1e-4,
         6, 2.0945478335123027},
    };
    for (const sequence_case& c : cases) {
        SCOPED_TRACE(c.label);
        recording_function f(c.f);
        brent_solver s(f, 0.0, c.rel_tol);
        const double root = s.solve(c.a, c.b);
        EXPECT_EQ(root, c.root);
        EXPECT_EQ(f.calls().size(), c.evaluations);
        EXPECT_EQ(s.iterations(), c.evaluations);
        EXPECT_EQ(s.root(), root);
        EXPECT_EQ(s.froot(), c.f(root));
        // The last point closes the bracket [b, c] to within the tolerance.
        EXPECT_DOUBLE_EQ(s.tol(), c.rel_tol * root);
        EXPECT_LE(s.error(), s.tol());
        EXPECT_GT(s.error(), 0.0);

        // With f(a) and f(b) given: the same points without the ends, a count
        // from 0; solve(a, b) on the reused solver restarts the count.
        recording_function g(c.f);
        brent_solver known(g, 0.0, c.rel_tol);
        EXPECT_EQ(known.solve(c.a, c.b, c.f(c.a), c.f(c.b)), root);
        EXPECT_EQ(g.calls(), std::vector<double>(f.calls().begin() + 2, f.calls().end()));
        EXPECT_EQ(known.iterations(), c.evaluations - 2);
        EXPECT_EQ(known.solve(c.a, c.b), root);
        EXPECT_EQ(known.iterations(), c.evaluations);
    }
}

struct start_root_case {
    const char* label;
    double abs_tol, a, b, root;
    std::size_t evaluations;
};

TEST(BrentSolver, ReturnsAStartPointWithinTheAbsoluteToleranceAtOnce)
{
    const start_root_case cases[] = {
        {"a exactly on the root", 0.0, 1.0, 5.0, 1.0, 1},
        {"b exactly on the root", 0.0, 0.0, 1.0, 1.0, 2},
        // No sign change is needed when an end is a root.
        {"b on the root, same sign at a", 0.0, 3.0, 1.0, 1.0, 2},
        {"a within abs_tol", 0.5, 1.25, 5.0, 1.25, 1},
        {"b within abs_tol, a not", 0.5, 3.0, 0.75, 0.75, 2},
    };
    for (const start_root_case& c : cases) {
        SCOPED_TRACE(c.label);
        recording_function f([](double x) { return x - 1.0; });
        brent_solver s(f, c.abs_tol);
        EXPECT_EQ(s.solve(c.a, c.b), c.root);
        EXPECT_EQ(f.calls().size(), c.evaluations);
        EXPECT_EQ(s.iterations(), c.evaluations);
        EXPECT_EQ(stored(s), (std::array<double, 3>{c.root, c.root - 1.0, 0.0}));
        // The same with f(a) and f(b) given: nothing is evaluated.
        brent_solver known(f, c.abs_tol);
        EXPECT_EQ(known.solve(c.a, c.b, c.a - 1.0, c.b - 1.0), c.root);
        EXPECT_EQ(stored(known), (std::array<double, 3>{c.root, c.root - 1.0, 0.0}));
        EXPECT_EQ(f.calls().size(), c.evaluations);
    }
    // A secant step that lands on the root is accepted on the next pass by
    // |f| <= abs_tol, with the contrapoint still at -1; near a root at 0 the
    // abscissa tolerance stays at its floor 0.1 * rel_tol.
    recording_function f([](double x) { return x; });
    brent_solver s(f);
    EXPECT_EQ(s.solve(-1.0, 0.5), 0.0);
    EXPECT_EQ(f.calls(), (std::vector<double>{-1.0, 0.5, 0.0}));
    EXPECT_EQ(stored(s), (std::array<double, 3>{0.0, 0.0, 1.0}));
    EXPECT_DOUBLE_EQ(s.tol(), 1e-9);
    // By default only an exact zero is a root, however small f: and f(a)·f(b)
    // underflowing to -0, which is not > 0, is a sign change.
    recording_function tiny([](double x) { return 1e-200 * (x - 1.0); });
    EXPECT_NEAR(brent_solver(tiny).solve(0.0, 3.0), 1.0, 1e-8);
}

TEST(BrentSolver, EvaluationLimitStoresTheLastPointAndThrows)
{
    recording_function f(&sqrt2_residual);
    brent_solver s(f, 0.0, 1e-8, 2);
    expect_error<convergence_error>([&] { s.solve(0.0, 2.0); }, "brent_solver");
    // The first new point (count 3 > 2) is stored untested; the old best, 2,
    // became the contrapoint because f(1) has the sign of f(0).
    EXPECT_EQ(f.calls(), (std::vector<double>{0.0, 2.0, 1.0}));
    EXPECT_TRUE(s.solved());
    EXPECT_EQ(stored(s), (std::array<double, 3>{1.0, -1.0, 1.0}));
    // The four-argument form does not reset the count: a solver already over
    // its limit stores b with the width |a - b| and throws before evaluating.
    EXPECT_THROW(s.solve(0.0, 2.0, -2.0, 2.0), convergence_error);
    EXPECT_EQ(f.calls().size(), 3u);
    EXPECT_EQ(stored(s), (std::array<double, 3>{2.0, 2.0, 2.0}));

    // A jump has no point with |f| <= 0, and with rel_tol = 0 no bracket of two
    // distinct doubles is narrow enough: the search bisects down to adjacent
    // doubles, then runs out of its default 100 evaluations after the ends.
    recording_function jump([](double x) { return x < 0.3 ? -1.0 : 1.0; });
    brent_solver j(jump, 0.0, 0.0);
    EXPECT_THROW(j.solve(0.0, 1.0), convergence_error);
    EXPECT_EQ(jump.calls().size(), 101u);
    EXPECT_EQ(j.root(), jump.calls().back());
    EXPECT_NEAR(j.root(), 0.3, 1e-15);
    EXPECT_LE(j.error(), 1e-16);
}

}  // namespace
}  // namespace hygra
