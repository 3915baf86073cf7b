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
    for (const double x : {1.0137, -1.7}) {
        // One table filled in one go up to 99 and read below the top, one in
        // scattered steps, each extension continuing from its top.
        CPowiTable all, scattered;
        EXPECT_EQ(all(x, 99), product_power(x, 99));
        for (long n = 0; n <= 99; ++n) {
            EXPECT_EQ(all(x, n), product_power(x, n)) << n;
            EXPECT_EQ(all(x, -n), 1.0 / product_power(x, n)) << n;
            EXPECT_NEAR(all(x, n), std::pow(x, n), 1e-13 * std::pow(std::fabs(x), n)) << n;
        }
        for (const long n : {7L, 3L, 0L, 12L, 8L, 13L, 50L, 49L, 99L, 1L})
            EXPECT_EQ(scattered(x, n), product_power(x, n)) << n;
    }
}

TEST(PowiTable, ZeroBasesAndExponentsBeyondTheTable)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double x;
        long n;
        double result;  // with its sign
    } cases[] = {
        // A zero base keeps its sign in odd powers only, and never fills the table.
        {0.0, 0, 1.0}, {-0.0, 0, 1.0}, {0.0, -2, inf}, {-0.0, -3, inf}, {-0.0, -1000, inf}, {-0.0, 3, -0.0},
        {-0.0, 2, 0.0}, {0.0, 5, 0.0}, {-0.0, 101, -0.0},
        // Beyond x^99, std::pow on |x| with the sign of an odd power, not stored.
        {2.0, 100, 0x1p100}, {2.0, -1000, 0x1p-1000}, {-2.0, 101, -0x1p101}, {-2.0, 102, 0x1p102},
        {-2.0, -101, -0x1p-101},
        // Parity decides the sign of (-1)^n; the magnitude of LONG_MIN does not overflow.
        {-1.0, LONG_MAX, -1.0}, {-1.0, LONG_MIN, 1.0}, {-1.0, LONG_MIN + 1, -1.0}};
    const CPowiTable t;
    for (const auto& c : cases) {
        const double r = t(c.x, c.n);
        EXPECT_EQ(r, c.result) << c.x << "^" << c.n;
        EXPECT_EQ(std::signbit(r), std::signbit(c.result)) << c.x << "^" << c.n;
    }
    // The table, empty before those calls, is still empty: -2 fills it now.
    EXPECT_EQ(t(-2.0, 99), -0x1p99);
    EXPECT_EQ(t(-2.0, 3), -8.0);
}

}  // namespace
}  // namespace hygra
