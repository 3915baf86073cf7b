// The secant search from an estimate: the root in few calls, and no root
// where there is none, the budget is spent, or the function has no value.
#include "ashrae97/secant_search.h"

#include <cmath>
#include <functional>

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace hygra::ashrae97
