// Tests of the root-solver base and the function base: the argument checks of
// the solver's constructor and the guard on its result, exercised through
// brent_solver, its implementation.
#include "numeric/univariate_solver.h"

#include <limits>
#include <stdexcept>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "numeric/brent_solver.h"
#include "numeric/errors.h"
#include "recording_function.h"

namespace hygra {
namespace {

using testing::expect_error;

// Functions are called through the base but never deleted through it.
static_assert(std::is_abstract_v<univariate_function<double, double>>);
static_assert(!std::is_destructible_v<univariate_function<double, double>>);

struct settings_case {
    double abs_tol, rel_tol;
    unsigned long max_iterations;
    bool accepted;
};

TEST(UnivariateSolver, ConstructorRejectsNegativeTolerancesAndFewerThanTwoEvaluations)
{
    const settings_case cases[] = {
        {0.0, 1e-8, 2, true},  // two evaluations, the least that can finish
        {-0.0, -0.0, 100, true},  // negative zero is not negative
        // Strict comparisons let NaN through; the search then never converges.
        {std::numeric_limits<double>::quiet_NaN(), 1e-8, 100, true},
        {0.0, 1e-8, 1, false},
        {0.0, 1e-8, 0, false},
        {-1e-300, 1e-8, 100, false},
        {0.0, -1e-300, 100, false},
    };
    testing::recording_function f([](double x) { return x - 1.0; });
    for (const settings_case& c : cases) {
        SCOPED_TRACE(c.max_iterations);
        if (c.accepted)
            EXPECT_NO_THROW(brent_solver(f, c.abs_tol, c.rel_tol, c.max_iterations));
        else
            expect_error<std::invalid_argument>([&] { brent_solver(f, c.abs_tol, c.rel_tol, c.max_iterations); },
                                                "univariate_solver");
    }
    // Construction evaluates nothing; check_state fails until a solve stores a
    // result, an interval without a sign change storing none.
    EXPECT_TRUE(f.calls().empty());
    brent_solver s(f);
    expect_error<invalid_state>([&] { s.check_state(); }, "univariate_solver::check_state");
    expect_error<std::domain_error>([&] { s.solve(2.0, 3.0); }, "brent_solver");
    EXPECT_EQ(f.calls(), (std::vector<double>{2.0, 3.0}));
    EXPECT_THROW(s.check_state(), invalid_state);
    EXPECT_EQ(s.solve(0.0, 3.0), 1.0);
    EXPECT_NO_THROW(s.check_state());
    // Once solved, the solver stays solved even when a later solve fails.
    EXPECT_THROW(s.solve(2.0, 3.0), std::domain_error);
    EXPECT_NO_THROW(s.check_state());
}

}  // namespace
}  // namespace hygra
