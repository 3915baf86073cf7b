#include "ashrae97/secant_search.h"

#include <cmath>

#include <gtest/gtest.h>

namespace hygra::ashrae97 {
namespace {

// f(x) = x^3 + x - c, counting its calls.
class cubic : public univariate_function<double, double> {
public:
    explicit cubic(double c) : m_c(c) {}
    double operator()(const double& x) override
    {
        ++calls;
        return x * x * x + x - m_c;
    }
    int calls = 0;

private:
    double m_c;
};

TEST(SecantSearch, FindsTheRootFromAnEstimateInFewCalls)
{
    cubic f(10.0);  // root 2
    const secant_result r = secant_search(f, 0.0, 5.0, 2.1, 1e-4, 0.0, 1e-12, 20);
    ASSERT_TRUE(r.found);
    EXPECT_NEAR(r.x, 2.0, 1e-11);
    EXPECT_LE(f.calls, 8);
    // From a poor estimate the steps still stay inside the interval.
    cubic g(10.0);
    const secant_result far = secant_search(g, 0.0, 5.0, 4.9, 1e-4, 0.0, 1e-12, 40);
    ASSERT_TRUE(far.found);
    EXPECT_NEAR(far.x, 2.0, 1e-11);
}

TEST(SecantSearch, RootBeyondTheIntervalIsNotFound)
{
    cubic f(200.0);  // root near 5.8
    EXPECT_FALSE(secant_search(f, 0.0, 5.0, 4.0, 1e-4, 0.0, 1e-12, 20).found);
    cubic g(-1.0);  // root below 0
    EXPECT_FALSE(secant_search(g, 0.0, 5.0, 1.0, 1e-4, 0.0, 1e-12, 20).found);
    // An evaluation budget too small gives up rather than returning a guess.
    cubic h(10.0);
    EXPECT_FALSE(secant_search(h, 0.0, 5.0, 4.9, 1e-4, 0.0, 1e-12, 3).found);
}

TEST(SecantSearch, AnEndWithAResidualOfRoundingIsTheRoot)
{
    cubic f(-1e-15);  // root -1e-15: zero but for rounding at the lower end
    const secant_result r = secant_search(f, 0.0, 5.0, 1.0, 1e-4, 0.0, 1e-12, 20);
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.x, 0.0);
    // A residual of more than rounding at the end is no root.
    cubic g(-1e-9);
    EXPECT_FALSE(secant_search(g, 0.0, 5.0, 1.0, 1e-4, 0.0, 1e-12, 20).found);
}

}  // namespace
}  // namespace hygra::ashrae97
