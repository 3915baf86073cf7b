// Tests of the one-dimensional minimiser: the path of each stage (downhill
// walk, edge probe, interpolation, tie rule) pinned by its evaluation count and
// exact result, and the errors and the state they leave.
#include "numeric/powell_minimizer.h"

#include <algorithm>
#include <cmath>
#include <limits>
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

double right_parabola(double x) { return (x - 3.0) * (x - 3.0); }
double left_parabola(double x) { return (x + 2.0) * (x + 2.0); }
double near_edge_parabola(double x) { return (x - 0.95) * (x - 0.95); }
// Zero on [-1, 1], rising quadratically outside.
double flat_bottom(double x) { return std::pow(std::max(0.0, std::fabs(x) - 1.0), 2); }

enum outcome { found, at_edge, no_room };  // returned, std::range_error, convergence_error

struct path_case {
    const char* label;
    fn f;
    double x0, step, limit, tolerance;
    std::size_t evaluations;
    double result;  // exact, also when a failure leaves it
    outcome end = found;
    std::vector<double> points = {};  // every point, where the count and result are not enough
};

TEST(PowellMinimizer, FollowsTheExpectedPathToTheMinimum)
{
    const double tol = 1e-8;  // the default, which these rows construct with
    // Each path is pinned by its number of evaluations and its exact result;
    // the comments give the points.
    const path_case cases[] = {
        // 0, 0.1, 0.2, 1.1, 6.8, 3, 3 ± 0.9 tol: the step grows by 9, then by
        // 6.33; the parabola through 0.2, 1.1 and 6.8 hits the minimum.
        {"(x - 3)^2 to the right", &right_parabola, 0.0, 0.1, 10.0, tol, 8, 2.9999999999999996},
        {"step 0 means 0.01 limit", &right_parabola, 0.0, 0.0, 10.0, tol, 8, 2.9999999999999996},
        // A negative tolerance is taken as 0: the bracket never counts as
        // converged, and the search stops once B and its far end are adjacent
        // doubles, after four points within rounding of 3.
        {"(x - 3)^2, no tolerance", &right_parabola, 0.0, 0.1, 10.0, -1.0, 9, 3.0, no_room},
        // 0, 0.1, -0.1, -1, -4, -2, -2 ± 0.9 tol.
        {"(x + 2)^2: uphill at once, so it turns", &left_parabola, 0.0, 0.1, 10.0, tol, 8, -2.0},
        // Mirror image of the row above, except that the first point beside an
        // exact vertex is taken on the positive side in both.
        {"(x - 2)^2, negative step", [](double x) { return (x - 2.0) * (x - 2.0); }, 0.0, -0.1, 10.0, tol, 8, 2.0},
        // 0, 0.1, 0.2, 1, 0.992, 0.9128, 0.95, 0.95 ± 0.9 tol: the walk is cut at
        // the edge 1, the probe 1 % of the last step inside is lower, and the
        // lopsided bracket is entered by a tenth of its long side.
        {"(x - 0.95)^2, minimum just inside the limit", &near_edge_parabola, 0.0, 0.1, 1.0, tol, 9, 0.95},
        // 0, 1, 0.99, 0.891, 0.95, 0.95 ± 0.9 tol.
        {"first step cut at the limit", &near_edge_parabola, 0.0, 5.0, 1.0, tol, 7, 0.95000000000000007},
        // 0, 0.1, -0.1, -1, -0.991: uphill at once, then downhill to the left,
        // cut at -1; the probe 1 % of the last step inside is not lower.
        {"x, falling at the edge", [](double x) { return x; }, 0.0, 0.1, 1.0, tol, 5, -1.0, at_edge},
        // 0, 1.5e-8, 7.5e-9: the probe distance 0.9 tol is more than half the
        // last step, so the probe goes to the middle of that step instead.
        {"-x, probe mid-step", [](double x) { return -x; }, 0.0, 0.0, 1.5e-8, tol, 3, 1.5e-8, at_edge},
        // At 1e16 the spacing of doubles is 2: the first step 0.1 is lost in
        // rounding and grows by 5 to 12.5; at the edge x0 + 100 the probe, 0.88
        // inside, rounds back onto the edge, so the search ends without it.
        {"-x, no room for a probe", [](double x) { return -x; }, 1e16, 0.1, 100.0, tol, 4, 1e16 + 100.0, at_edge,
         {1e16, 1e16 + 12.0, 1e16 + 24.0, 1e16 + 100.0}},
        // -3, -2, -1, 2, 0, -0.5, -0.5 ± 0.9 tol: on the flat bottom 0 and -0.5
        // tie with -1; the tie rule makes the new point the best and keeps the
        // flat side, and the search ends there.
        {"flat at its minimum, from the left", &flat_bottom, -3.0, 1.0, 5.0, tol, 8, -0.5},
        {"flat at its minimum, from the right", &flat_bottom, 3.0, -1.0, 5.0, tol, 8, 0.5},
        // 0, 1, 2, 4, 2.2, 2.2 ± 0.9 tol: the growth estimate from 0, 1 and 2 is
        // 0.6; the step still doubles.
        {"(x - 2.2)^2, growth floor", [](double x) { return (x - 2.2) * (x - 2.2); }, 0.0, 1.0, 10.0, tol, 7,
         2.2000000000000002},
        // 0, 0.05, 0.1, 0.0665, 0.0335: the far side 0.05 <= 2.9 tol, its midpoint
        // more than tol from B, is split 0.67 : 0.33 instead, on each side in turn.
        {"(x - 0.05)^2, small bracket", [](double x) { return (x - 0.05) * (x - 0.05); }, 0.0, 0.0, 5.0, 0.02, 5, 0.05},
        // 0, -0.5, 0.5, 0.018, 0.0662, 0.0482, 0.0331: the first vertex is 0.0089
        // from B, closer than 0.9 tol = 0.018 (which exceeds 1 % of the bracket,
        // 0.01): the trial point is B + 0.018.
        {"exp(y) - y, y = x - 0.05", [](double x) { return std::exp(x - 0.05) - (x - 0.05); }, 0.0, -0.5, 1.0, 0.02, 7,
         0.048200000000000007},
        // 0, -0.5, 0.5, 1, 0.3223, 0.3421, 0.3601.
        {"exp(y) - y, y = x - 0.35", [](double x) { return std::exp(x - 0.35) - (x - 0.35); }, 0.0, -0.5, 1.0, 0.02, 7,
         0.34210838154755419},
        // 0, 0.1, -0.1, 0.002, -0.002, ±0.9 tol: every point ties with the start;
        // ties count as worse, so the walk turns back at once and the bracket
        // closes around x0 from both sides.
        {"constant function", [](double) { return 1.0; }, 0.0, 0.1, 10.0, tol, 7, 0.0},
        // 0, -10, 10, -2, -2 ± 0.9 tol: a step longer than the limit is cut to
        // it with its sign; both edges are worse, so the first parabola spans
        // the whole interval.
        {"(x + 2)^2, step -50 beyond the limit", &left_parabola, 0.0, -50.0, 10.0, tol, 6, -2.0},
        // 0, -1e-8, -2e-8, -1.1e-7, ..., -1.84529e-3, -0.001, -0.001 ± 0.9 tol: a
        // step below the tolerance is raised to it with its sign, then the walk
        // grows by 9 until it passes the minimum.
        {"(x + 0.001)^2, step -1e-9", [](double x) { return (x + 0.001) * (x + 0.001); }, 0.0, -1e-9, 1.0, tol, 12,
         -0.001},
        // 0, 0.3, -0.3, -3, -10, -1.823, -1.062, -2.412, -1.442, -1.733, -1.588,
        // -1.661: lopsided brackets around a kink, where the smallest useful step
        // is capped by the width of the retired side.
        {"|x + 1.7|, tol 0.1", [](double x) { return std::fabs(x + 1.7); }, 0.0, 0.3, 10.0, 0.1, 12,
         -1.7332142857142858},
        // 0, 1, 2, 5, 3, 4, 2.5, 3.5, 2.75, 3.25, ...: parabolas keep landing on
        // the kink's sides, brackets are symmetric (far end chosen on a ratio of
        // exactly 1).
        {"|x - 3|, tol 0.02", [](double x) { return std::fabs(x - 3.0); }, 0.0, 1.0, 5.0, 0.02, 18, 3.0},
    };
    for (const path_case& c : cases) {
        SCOPED_TRACE(c.label);
        recording_function f(c.f);
        powell_minimizer m = c.tolerance == tol ? powell_minimizer(f) : powell_minimizer(f, c.tolerance);
        const auto solve = [&] { EXPECT_EQ(m.solve(c.x0, c.step, c.limit), c.result); };
        if (c.end == found) {
            solve();
        } else if (c.end == at_edge) {
            expect_error<std::range_error>(solve, "powell_minimizer");
        } else {
            expect_error<convergence_error>(solve, "powell_minimizer");
        }
        EXPECT_EQ(f.calls().size(), c.evaluations);
        EXPECT_EQ(m.iterations(), c.evaluations);
        if (!c.points.empty()) {
            EXPECT_EQ(f.calls(), c.points);
        }
        EXPECT_EQ(m.x(), c.result);
        EXPECT_EQ(m.fx(), c.f(c.result));
        EXPECT_EQ(m.tolerance(), std::max(0.0, c.tolerance));
        EXPECT_NO_THROW(m.check_state());
    }
}

struct bad_arguments_case {
    const char* label;
    double tolerance, x0, step, limit;
};

TEST(PowellMinimizer, DomainErrorWhenTheToleranceOrFirstStepDoesNotFitTheLimit)
{
    const bad_arguments_case cases[] = {
        {"tolerance above the limit", 1e-8, 0.5, 0.1, 1e-9},
        {"tolerance equal to the limit", 1e-3, 0.5, 0.1, 1e-3},
        {"negative limit", 1e-8, 0.5, 0.1, -1.0},
        // At 1e6 a step of 1e-12 is lost in rounding; grown by 5 until it is
        // not, it exceeds the limit 1e-10.
        {"first step grown past the limit", 1e-12, 1e6, 0.0, 1e-10},
        {"step lost at an infinite start", 1e-8, std::numeric_limits<double>::infinity(), 0.1, 1.0},
    };
    for (const bad_arguments_case& c : cases) {
        SCOPED_TRACE(c.label);
        recording_function f([](double x) { return x * x; });
        powell_minimizer m(f, c.tolerance);
        EXPECT_EQ(m.status(), powell_minimizer::not_started);
        expect_error<invalid_state>([&] { m.check_state(); }, "powell_minimizer");
        expect_error<std::domain_error>([&] { m.solve(c.x0, c.step, c.limit); }, "powell_minimizer");
        // One evaluation, at the start point, which is left as the result.
        EXPECT_EQ(f.calls(), std::vector<double>{c.x0});
        EXPECT_EQ(m.x(), c.x0);
        EXPECT_EQ(m.fx(), c.x0 * c.x0);
        EXPECT_EQ(m.status(), powell_minimizer::bad_arguments);
        EXPECT_THROW(m.check_state(), invalid_state);
        // The same minimiser then solves, counting from 0 again.
        EXPECT_EQ(m.solve(0.5, 0.1, 10.0), 0.0);
        EXPECT_EQ(m.iterations(), f.calls().size() - 1);
        EXPECT_EQ(m.status(), powell_minimizer::found);
    }
}

TEST(PowellMinimizer, EvaluationLimitLeavesTheBestPoint)
{
    // Every limit below the 8 evaluations this search needs stops it after
    // exactly that many, at the lowest point evaluated so far.
    for (unsigned long limit = 1; limit < 8; ++limit) {
        SCOPED_TRACE(limit);
        recording_function f(&right_parabola);
        powell_minimizer m(f, powell_minimizer::default_tolerance, limit);
        expect_error<convergence_error>([&] { m.solve(0.0, 0.1, 10.0); }, "powell_minimizer");
        EXPECT_EQ(f.calls().size(), limit);
        EXPECT_EQ(m.iterations(), limit);
        const auto lower = [](double a, double b) { return right_parabola(a) < right_parabola(b); };
        const double lowest = *std::min_element(f.calls().begin(), f.calls().end(), lower);
        EXPECT_EQ(m.x(), lowest);
        EXPECT_EQ(m.fx(), right_parabola(lowest));
        EXPECT_EQ(m.status(), powell_minimizer::found);
    }
}

}  // namespace
}  // namespace hygra
