// Tests of the root-solver base: the argument checks of its constructor and the
// guard on its result, exercised through brent_solver, its implementation.
#include "numeric/univariate_solver.h"

#include <limits>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "numeric/brent_solver.h"
#include "numeric/errors.h"
#include "recording_function.h"

namespace hygra {
namespace {

using testing::record;

double line(double x) { return x - 1.0; }

struct settings_case {
    const char* label;
    double abs_tol;
    double rel_tol;
    unsigned long max_iterations;
    bool accepted;
};

TEST(UnivariateSolver, ConstructorRejectsNegativeTolerancesAndFewerThanTwoEvaluations)
{
    const settings_case cases[] = {
        {"defaults", 0.0, 1e-8, 100, true},
        {"two evaluations, the least that can finish", 0.0, 1e-8, 2, true},
        {"zero tolerances", 0.0, 0.0, 2, true},
        {"model's tight setting", 1e-16, 1e-10, 100, true},
        {"one evaluation", 0.0, 1e-8, 1, false},
        {"no evaluation", 0.0, 1e-8, 0, false},
        {"negative absolute tolerance", -1e-300, 1e-8, 100, false},
        {"negative relative tolerance", 0.0, -1e-300, 100, false},
        {"negative zero is not negative", -0.0, -0.0, 2, true},
        // Strict comparisons let NaN through; the search then never converges.
        {"NaN tolerance", std::numeric_limits<double>::quiet_NaN(), 1e-8, 100, true},
    };
    auto f = record(&line);
    for (const settings_case& c : cases) {
        SCOPED_TRACE(c.label);
        if (c.accepted) {
            EXPECT_NO_THROW(brent_solver(f, c.abs_tol, c.rel_tol, c.max_iterations));
        } else {
            try {
                brent_solver s(f, c.abs_tol, c.rel_tol, c.max_iterations);
                ADD_FAILURE() << "accepted";
            } catch (const std::invalid_argument& e) {
                EXPECT_EQ(std::string(e.what()), "univariate_solver");
            }
        }
    }
    // Construction evaluates nothing.
    EXPECT_TRUE(f.calls().empty());
}

TEST(UnivariateSolver, CheckStateFailsUntilASolveStoresAResult)
{
    auto f = record(&line);
    brent_solver s(f);
    EXPECT_FALSE(s.solved());
    EXPECT_EQ(s.iterations(), 0u);
    try {
        s.check_state();
        ADD_FAILURE() << "no throw";
    } catch (const invalid_state& e) {
        EXPECT_EQ(std::string(e.what()), "univariate_solver::check_state");
    }
    // A rejected interval stores nothing either.
    EXPECT_THROW(s.solve(2.0, 3.0), std::domain_error);
    EXPECT_THROW(s.check_state(), invalid_state);

    EXPECT_EQ(s.solve(0.0, 3.0), 1.0);
    EXPECT_TRUE(s.solved());
    EXPECT_NO_THROW(s.check_state());
    // Once solved, the solver stays solved even when a later solve fails.
    EXPECT_THROW(s.solve(2.0, 3.0), std::domain_error);
    EXPECT_NO_THROW(s.check_state());
}

}  // namespace
}  // namespace hygra
