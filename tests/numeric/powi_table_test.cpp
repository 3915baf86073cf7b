// Tests of the cached integer powers: products as repeated multiplication in
// any order of requests, negative exponents, signed zeros and exponents beyond
// the table.
#include "numeric/powi_table.h"

#include <climits>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace hygra {
namespace {

// x^n by repeated multiplication from 1, the products the table keeps.
double product_power(double x, long n)
{
    double v = 1.0;
    for (long i = 0; i < n; ++i)
        v *= x;
    return v;
}

TEST(PowiTable, PowersAreRepeatedProductsInAnyOrderOfRequests)
{
    const double x = 1.0137;
    // Filled in one go up to 99, then read below the top.
    CPowiTable all;
    EXPECT_EQ(all(x, 99), product_power(x, 99));
    for (long n = 0; n <= 99; ++n)
        EXPECT_EQ(all(x, n), product_power(x, n)) << n;

    // Filled in scattered steps: each extension continues from the top.
    CPowiTable scattered;
    for (const long n : {7L, 3L, 0L, 12L, 8L, 13L, 50L, 49L, 99L, 1L}) {
        EXPECT_EQ(scattered(x, n), product_power(x, n)) << n;
    }
    EXPECT_EQ(scattered(x, 0), 1.0);
}

TEST(PowiTable, NegativeExponentsAreReciprocals)
{
    CPowiTable t;
    const double x = -1.7;
    for (long n = 1; n <= 99; ++n)
        EXPECT_EQ(t(x, -n), 1.0 / product_power(x, n)) << n;
    EXPECT_EQ(t(x, -1), 1.0 / x);
    EXPECT_EQ(t(x, 0), 1.0);
    EXPECT_EQ(CPowiTable()(2.0, -10), 1.0 / 1024.0);
}

struct zero_case {
    const char* label;
    double x;
    long n;
    double result;
    bool negative;  // sign bit of the result
};

TEST(PowiTable, ZeroBaseKeepsTheSignOfOddPowersOnly)
{
    const double inf = std::numeric_limits<double>::infinity();
    const zero_case cases[] = {
        {"0^0", 0.0, 0, 1.0, false},
        {"(-0)^0", -0.0, 0, 1.0, false},
        {"0^-2", 0.0, -2, inf, false},
        // Every negative power of either zero is +inf, odd ones included.
        {"(-0)^-3", -0.0, -3, inf, false},
        {"(-0)^3 stays -0", -0.0, 3, 0.0, true},
        {"(-0)^1", -0.0, 1, 0.0, true},
        {"(-0)^2 is +0", -0.0, 2, 0.0, false},
        {"0^5", 0.0, 5, 0.0, false},
        {"(-0)^101, beyond the table", -0.0, 101, 0.0, true},
        {"(-0)^-1000", -0.0, -1000, inf, false},
    };
    for (const zero_case& c : cases) {
        SCOPED_TRACE(c.label);
        const CPowiTable t;
        const double r = t(c.x, c.n);
        EXPECT_EQ(r, c.result);
        EXPECT_EQ(std::signbit(r), c.negative);
    }
}

TEST(PowiTable, ZeroBaseLeavesTheTableUntouched)
{
    // A call with x = 0 must not fill the table with zeros for the real base.
    const CPowiTable t;
    EXPECT_EQ(t(0.0, 5), 0.0);
    EXPECT_EQ(t(3.0, 5), 243.0);
}

TEST(PowiTable, ExponentsBeyondTheTableAreComputedWithoutCaching)
{
    const CPowiTable t;
    EXPECT_EQ(t(2.0, 100), std::ldexp(1.0, 100));
    EXPECT_EQ(t(2.0, -1000), std::ldexp(1.0, -1000));
    EXPECT_EQ(t(-2.0, 101), -std::ldexp(1.0, 101));
    EXPECT_EQ(t(-2.0, 102), std::ldexp(1.0, 102));
    EXPECT_EQ(t(-2.0, -101), -std::ldexp(1.0, -101));
    EXPECT_EQ(t(10.0, 400), std::numeric_limits<double>::infinity());
    EXPECT_EQ(t(10.0, -400), 0.0);
    const double x = 1.0001;
    EXPECT_NEAR(t(x, 5000), std::exp(5000 * std::log1p(0.0001)), 1e-13 * t(x, 5000));
    // The extreme exponents: parity decides the sign of (-1)^n, and the
    // magnitude of LONG_MIN does not overflow.
    EXPECT_EQ(t(-1.0, LONG_MAX), -1.0);
    EXPECT_EQ(t(-1.0, LONG_MIN), 1.0);
    EXPECT_EQ(t(-1.0, LONG_MIN + 1), -1.0);
    // The table below stays intact after those calls.
    EXPECT_EQ(t(-2.0, 99), -std::ldexp(1.0, 99));
    EXPECT_EQ(t(-2.0, 3), -8.0);
}

}  // namespace
}  // namespace hygra
