// Tests of Brent's root solver: evaluation counts and sequences, the stored
// result and its bracket width, the errors, and accuracy over a family of
// smooth functions.
#include "numeric/brent_solver.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "numeric/errors.h"
#include "recording_function.h"

namespace hygra {
namespace {

using testing::record;
using fn = double (*)(double);

double sqrt2_residual(double x) { return x * x - 2.0; }

TEST(BrentSolver, FindsSqrtTwoInNineEvaluations)
{
    auto f = record<fn>(&sqrt2_residual);
    brent_solver s(f);
    const double root = s.solve(0.0, 2.0);

    const double tol = 1e-8 * std::sqrt(2.0);
    EXPECT_NEAR(root, std::sqrt(2.0), tol);
    EXPECT_EQ(s.iterations(), 9u);
    // Ends, bisection (|f| is equal at both ends, so nothing is interpolated),
    // secant, then inverse quadratic interpolation; the final bracket is the
    // last two points.
    const std::vector<double> expected = {0.0, 2.0, 1.0, 1.3333333333333333,
                                          1.4190476190476189, 1.4140715109573241,
                                          1.4142133199955025, 1.4142135623731364,
                                          1.4142135553020687};
    ASSERT_EQ(f.calls().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_DOUBLE_EQ(f.calls()[i], expected[i]) << "evaluation " << i + 1;

    EXPECT_EQ(s.root(), root);
    EXPECT_EQ(s.froot(), sqrt2_residual(root));
    EXPECT_DOUBLE_EQ(s.tol(), 1e-8 * root);
    EXPECT_LE(s.error(), s.tol());
    EXPECT_GT(s.error(), 0.0);
    EXPECT_TRUE(s.solved());
}

struct start_root_case {
    const char* label;
    double abs_tol;
    double a;
    double b;
    double root;
    unsigned long evaluations;
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
        auto f = record<fn>([](double x) { return x - 1.0; });
        brent_solver s(f, c.abs_tol);
        EXPECT_EQ(s.solve(c.a, c.b), c.root);
        EXPECT_EQ(f.calls().size(), c.evaluations);
        EXPECT_EQ(s.iterations(), c.evaluations);
        EXPECT_EQ(s.error(), 0.0);
        EXPECT_EQ(s.froot(), c.root - 1.0);
        EXPECT_TRUE(s.solved());
    }
}

TEST(BrentSolver, RejectsIntervalWithoutSignChange)
{
    auto f = record<fn>([](double x) { return x - 1.0; });
    brent_solver s(f);
    try {
        s.solve(2.0, 3.0);
        ADD_FAILURE() << "no throw";
    } catch (const std::domain_error& e) {
        EXPECT_EQ(std::string(e.what()), "brent_solver");
    }
    EXPECT_EQ(f.calls(), (std::vector<double>{2.0, 3.0}));
    EXPECT_EQ(s.iterations(), 2u);
    EXPECT_FALSE(s.solved());
}

TEST(BrentSolver, SecantStepLandingOnTheRootIsAcceptedOnTheNextPass)
{
    auto f = record<fn>([](double x) { return x; });
    brent_solver s(f);
    EXPECT_EQ(s.solve(-1.0, 0.5), 0.0);
    EXPECT_EQ(f.calls(), (std::vector<double>{-1.0, 0.5, 0.0}));
    EXPECT_EQ(s.iterations(), 3u);
    // Accepted by |f| <= abs_tol, with the contrapoint still at -1.
    EXPECT_EQ(s.error(), 1.0);
    // Near a root at 0 the abscissa tolerance stays at its floor 0.1 * rel_tol.
    EXPECT_DOUBLE_EQ(s.tol(), 1e-9);
}

TEST(BrentSolver, EvaluationLimitStoresTheLastPointAndThrows)
{
    auto f = record<fn>(&sqrt2_residual);
    brent_solver s(f, 0.0, 1e-8, 2);
    try {
        s.solve(0.0, 2.0);
        ADD_FAILURE() << "no throw";
    } catch (const convergence_error& e) {
        EXPECT_EQ(std::string(e.what()), "brent_solver");
    }
    // The first new point (count 3 > 2) is stored untested; the old best, 2,
    // became the contrapoint because f(1) has the sign of f(0).
    EXPECT_EQ(f.calls(), (std::vector<double>{0.0, 2.0, 1.0}));
    EXPECT_EQ(s.iterations(), 3u);
    EXPECT_TRUE(s.solved());
    EXPECT_EQ(s.root(), 1.0);
    EXPECT_EQ(s.froot(), -1.0);
    EXPECT_EQ(s.error(), 1.0);

    // The four-argument form does not reset the count: a solver already over
    // its limit stores b with the width |a - b| and throws before evaluating.
    EXPECT_THROW(s.solve(0.0, 2.0, -2.0, 2.0), convergence_error);
    EXPECT_EQ(f.calls().size(), 3u);
    EXPECT_EQ(s.root(), 2.0);
    EXPECT_EQ(s.froot(), 2.0);
    EXPECT_EQ(s.error(), 2.0);
}

TEST(BrentSolver, DefaultLimitAllowsNinetyNineEvaluationsAfterTheEnds)
{
    // A jump from -1 to 1 has no point with |f| <= 0, and with rel_tol = 0 no
    // bracket of two distinct doubles is narrow enough: the search bisects
    // down to adjacent doubles and then runs out of evaluations.
    auto f = record<fn>([](double x) { return x < 0.3 ? -1.0 : 1.0; });
    brent_solver s(f, 0.0, 0.0);
    EXPECT_THROW(s.solve(0.0, 1.0), convergence_error);
    EXPECT_EQ(f.calls().size(), 101u);
    EXPECT_EQ(s.iterations(), 101u);
    EXPECT_EQ(s.root(), f.calls().back());
    EXPECT_NEAR(s.root(), 0.3, 1e-15);
    EXPECT_LE(s.error(), 1e-16);
    EXPECT_TRUE(s.solved());
}

TEST(BrentSolver, FourArgumentFormSkipsTheEndEvaluations)
{
    auto both = record<fn>(&sqrt2_residual);
    brent_solver full(both);
    const double r1 = full.solve(0.0, 2.0);

    auto inner = record<fn>(&sqrt2_residual);
    brent_solver known(inner);
    const double r2 = known.solve(0.0, 2.0, -2.0, 2.0);
    EXPECT_EQ(r2, r1);
    // Same points without the two ends, and a count that started from 0.
    EXPECT_EQ(inner.calls(), std::vector<double>(both.calls().begin() + 2, both.calls().end()));
    EXPECT_EQ(known.iterations(), 7u);

    // solve(a, b) restarts the count on a reused solver.
    EXPECT_EQ(known.solve(0.0, 2.0), r1);
    EXPECT_EQ(known.iterations(), 9u);
}

struct sequence_case {
    const char* label;
    fn f;
    double a;
    double b;
    double rel_tol;
    std::vector<double> calls;
};

TEST(BrentSolver, FollowsTheStepRulesPointByPoint)
{
    const sequence_case cases[] = {
        // Secant, then inverse quadratic interpolation; the step before last
        // that bounds the second step is the first step, 2.99, not the last.
        {"sqrt(x) - 1.5 on [0.01, 3]", [](double x) { return std::sqrt(x) - 1.5; }, 0.01, 3.0, 1e-8,
         {0.01, 3.0, 2.5748711305964282, 2.2499999999999991, 2.2500000112499992}},
        // After five points the bracket is 3.4e-4 wide, within twice the
        // tolerance 2.1e-4 but not within it: the whole width is tested, so a
        // sixth point is taken.
        {"x^3 - 2x - 5 on [2, 2.5], rel_tol 1e-4", [](double x) { return (x * x - 2.0) * x - 5.0; }, 2.0, 2.5, 1e-4,
         {2.0, 2.5, 2.0754716981132075, 2.0948885338420773, 2.0945478335123027, 2.0946525609039783}},
    };
    for (const sequence_case& c : cases) {
        SCOPED_TRACE(c.label);
        auto f = record<fn>(c.f);
        brent_solver s(f, 0.0, c.rel_tol);
        const double root = s.solve(c.a, c.b);
        ASSERT_EQ(f.calls().size(), c.calls.size());
        for (std::size_t i = 0; i < c.calls.size(); ++i)
            EXPECT_DOUBLE_EQ(f.calls()[i], c.calls[i]) << "evaluation " << i + 1;
        EXPECT_LE(s.error(), s.tol());
        // In both the point before last has the smaller |f| and is returned.
        EXPECT_EQ(root, c.calls[c.calls.size() - 2]);
    }
}

TEST(BrentSolver, TinyValuesOfOppositeSignAreASignChange)
{
    // f(a)·f(b) underflows to -0, which is not > 0: the search goes on.
    auto f = record<fn>([](double x) { return 1e-200 * (x - 1.0); });
    brent_solver s(f);
    EXPECT_NEAR(s.solve(0.0, 3.0), 1.0, 1e-8);
}

TEST(BrentSolver, ExceptionsOfTheFunctionPassThrough)
{
    auto f = record<fn>([](double x) -> double {
        if (x > 1.4 && x < 1.6)
            throw std::runtime_error("objective");
        return x - 1.5;
    });
    brent_solver s(f);
    EXPECT_THROW(s.solve(0.0, 2.0), std::runtime_error);
    EXPECT_EQ(f.calls(), (std::vector<double>{0.0, 2.0, 1.5}));
}

struct root_case {
    const char* label;
    fn f;
    double a;
    double b;
    double root;
};

// Roots of smooth functions, each with its interval; the reference roots are
// closed forms or classical values to full double precision.
const root_case root_cases[] = {
    {"x^2 - 2", [](double x) { return x * x - 2.0; }, 0.0, 2.0, 1.4142135623730951},
    {"scaled, shifted quadratic 1e3 (x - 3)(x + 1)", [](double x) { return 1e3 * (x - 3.0) * (x + 1.0); }, 0.0, 10.0, 3.0},
    {"x^3 - 2x - 5 (Wallis)", [](double x) { return (x * x - 2.0) * x - 5.0; }, 2.0, 3.0, 2.0945514815423265},
    {"(x - 1)^5, flat at the root", [](double x) { return std::pow(x - 1.0, 5); }, 0.0, 3.0, 1.0},
    {"(x/300)^4 - 2, temperature scale", [](double x) { double y = x / 300.0; return y * y * y * y - 2.0; }, 200.0, 400.0, 356.76213450081633},
    {"exp(x) - 2", [](double x) { return std::exp(x) - 2.0; }, -1.0, 3.0, 0.6931471805599453},
    {"log(x) - 1", [](double x) { return std::log(x) - 1.0; }, 0.5, 10.0, 2.718281828459045},
    {"tanh(10 (x - 0.3))", [](double x) { return std::tanh(10.0 * (x - 0.3)); }, -2.0, 5.0, 0.3},
    {"steep arctangent at 0.123", [](double x) { return std::atan(1e4 * (x - 0.123)); }, -1.0, 1.0, 0.123},
    {"cos(x) - x", [](double x) { return std::cos(x) - x; }, 0.0, 1.0, 0.7390851332151607},
    {"1/x - 3, reversed ends", [](double x) { return 1.0 / x - 3.0; }, 2.0, 0.1, 1.0 / 3.0},
    {"tiny root 1e-7", [](double x) { return std::expm1(x - 1e-7); }, -1.0, 1.0, 1e-7},
};

TEST(BrentSolver, FindsRootsOfSmoothFunctionsWithinTolerance)
{
    struct setting {
        double abs_tol;
        double rel_tol;
    };
    // The two settings the model uses.
    const setting settings[] = {{0.0, 1e-8}, {1e-16, 1e-10}};
    for (const setting& st : settings) {
        for (const root_case& c : root_cases) {
            SCOPED_TRACE(std::string(c.label) + ", rel_tol " + std::to_string(st.rel_tol));
            auto f = record<fn>(c.f);
            brent_solver s(f, st.abs_tol, st.rel_tol);
            const double root = s.solve(c.a, c.b);
            const double tol = st.rel_tol * std::max(0.1, std::fabs(root));
            // The root is bracketed by [b, c], which is at most tol wide, unless
            // |f| fell within abs_tol first (a flat function may do so far from
            // the root: that is what an absolute tolerance on f means).
            if (std::fabs(s.froot()) > st.abs_tol) {
                EXPECT_NEAR(root, c.root, tol);
            }
            EXPECT_EQ(s.froot(), c.f(root));
            EXPECT_LE(f.calls().size(), brent_solver::default_maximum_iterations);
            EXPECT_EQ(f.calls().size(), s.iterations());
            // Every point lies inside the starting interval.
            const double lo = std::min(c.a, c.b);
            const double hi = std::max(c.a, c.b);
            for (double x : f.calls()) {
                EXPECT_GE(x, lo);
                EXPECT_LE(x, hi);
            }
        }
    }
}

}  // namespace
}  // namespace hygra
