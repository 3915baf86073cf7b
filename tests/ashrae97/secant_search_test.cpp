// The secant search from an estimate: the root in few calls, and no root
// where there is none, the budget is spent, or the function has no value.
#include "ashrae97/secant_search.h"

#include <stdexcept>

#include <cmath>
#include <functional>

#include <gtest/gtest.h>

#include "ashrae97/checked_root.h"
#include "ashrae97/constants.h"
#include "ashrae97/restarting_search.h"
#include "message.h"

namespace hygra::ashrae97 {
namespace {

// A function of one variable, counting its calls.
class counted : public univariate_function<double, double> {
public:
    explicit counted(std::function<double(double)> f) : m_f(std::move(f)) {}
    double operator()(const double& x) override { return ++calls, m_f(x); }
    int calls = 0;

private:
    std::function<double(double)> m_f;
};

counted cubic(double c) { return counted([c](double x) { return x * x * x + x - c; }); }

TEST(SecantSearch, FindsTheRootInsideTheIntervalOnly)
{
    // Root 2: from a good estimate in few calls; from a poor one the steps stay inside.
    for (auto [x0, calls] : {std::pair{2.1, 8}, {4.9, 40}}) {
        counted f = cubic(10.0);
        const secant_result r = secant_search(f, 0.0, 5.0, x0, 1e-4, 0.0, 1e-12, 40);
        ASSERT_TRUE(r.found) << x0;
        EXPECT_NEAR(r.x, 2.0, 1e-11) << x0;
        EXPECT_LE(f.calls, calls) << x0;
    }
    // Roots near 5.8 and below 0 lie outside [0, 5]; too small a budget gives up.
    for (auto [c, x0, budget] : {std::tuple{200.0, 4.0, 20}, {-1.0, 1.0, 20}, {10.0, 4.9, 3}}) {
        counted f = cubic(c);
        EXPECT_FALSE(secant_search(f, 0.0, 5.0, x0, 1e-4, 0.0, 1e-12, budget).found) << c;
    }
    // An end with a residual of rounding (root -1e-15) is the root; more is none.
    counted f = cubic(-1e-15), g = cubic(-1e-9);
    EXPECT_EQ(secant_search(f, 0.0, 5.0, 1.0, 1e-4, 0.0, 1e-12, 20).x, 0.0);
    EXPECT_FALSE(secant_search(g, 0.0, 5.0, 1.0, 1e-4, 0.0, 1e-12, 20).found);
}

TEST(SecantSearch, NoValueAtTheStartIsNoRoot)
{
    // No value at the estimate (or the first step) though a value of the other
    // sign beside it: that is no bracket, and nothing is found.
    for (double x0 : {0.5, 0.0}) {
        counted f([](double x) { return x == 0.5 ? NAN : x - 3.0; });
        EXPECT_FALSE(secant_search(f, -1.0, 5.0, x0, 0.5, 0.0, 1e-12, 200).found) << x0;
    }
}

TEST(RestartingSearch, WalksOnFromTheEdgeWithinTheTemperatureRange)
{
    // A minimum at 640 K from 300 K: the first leg may go no farther than the
    // nearer limit allows (126.85 K), the next goes on from its edge. A start
    // 0.05 K inside a limit still searches; one on a limit leaves no room.
    for (auto [x0, target] : {std::pair{300.0, 640.0}, {t_min + 0.05, t_min + 0.03}, {t_max - 0.05, t_max - 0.02}}) {
        counted f([target = target](double x) { return (x - target) * (x - target); });
        powell_minimizer minimizer(f);
        EXPECT_NEAR(search_with_restarts(minimizer, x0, 0.0, "none"), target, 1e-6) << x0;
    }
    for (double x0 : {t_min, t_max}) {
        counted f([](double x) { return (x - 400.0) * (x - 400.0); });
        powell_minimizer minimizer(f);
        EXPECT_THROW(search_with_restarts(minimizer, x0, 0.0, "none"), std::domain_error) << x0;
    }
}

TEST(CheckedRoot, ARootMustReproduceItsTargetWithinTolerance)
{
    // A step of +-r at 1, where a bracketing search closes: the residual left
    // is r, a root within 1e-6 of the target's magnitude plus 1e-9, no further.
    for (auto [r, scale, kept] : {std::tuple{0.9e-6, 1.0, true}, {1.5e-6, 1.0, false}, {1e-9, 0.0, true},
                                  {1.5e-9, 0.0, false}, {0.9e-3, 1e3, true}, {1.1e-3, 1e3, false}}) {
        counted f([r = r](double x) { return x < 1.0 ? -r : r; });
        brent_solver solver(f, 0.0, 1e-12);
        const double root = solver.solve(0.0, 2.0);
        EXPECT_NEAR(root, 1.0, 1e-9);
        EXPECT_EQ(message_of([&solver, root, s = scale] { EXPECT_EQ(checked_root(solver, root, s), root); }),
                  kept ? "no error" : "other: brent_solver")
            << r << " of " << scale;
    }
}

}  // namespace
}  // namespace hygra::ashrae97
