// moistair_const: molar masses and the model's temperature and pressure range
// in both unit systems, and the selectors that name nothing.
#include <climits>

#include <gtest/gtest.h>

#include "hygra.h"

namespace hygra {
namespace {

constexpr double sentinel = -12345.0;

TEST(ModelConstants, EverySelectorInBothUnitSystems)
{
    // Molar masses in kg/kmol; limits of the range of states, 173.15 to 645.15 K
    // and 0 to 5 MPa, as degC/bar and degF/psi (the stored 0.000145038 psi/Pa).
    struct row {
        int selector;
        double si;
        double ip;
        double tolerance;
    };
    const row table[] = {
        {HYGRA_CONST_MW, 18.01528, 18.01528, 0.0},
        {HYGRA_CONST_MA, 28.9645, 28.9645, 0.0},
        {HYGRA_CONST_TMIN, -100.0, -148.0, 1e-12},
        {HYGRA_CONST_TMAX, 372.0, 701.6, 1e-12},
        {HYGRA_CONST_PMIN, 0.0, 0.0, 0.0},
        {HYGRA_CONST_PMAX, 50.0, 725.19, 1e-12},
    };
    static_assert(sizeof table / sizeof table[0] == HYGRA_CONST_COUNT, "one row per selector");
    for (const row& r : table) {
        SCOPED_TRACE(r.selector);
        double si = sentinel;
        double ip = sentinel;
        EXPECT_EQ(moistair_const(r.selector, HYGRA_SI, &si), HYGRA_OK);
        EXPECT_EQ(moistair_const(r.selector, HYGRA_IP, &ip), HYGRA_OK);
        EXPECT_NEAR(si, r.si, r.tolerance);
        EXPECT_NEAR(ip, r.ip, r.tolerance);
        // Any non-zero flag is inch-pound.
        double other = sentinel;
        EXPECT_EQ(moistair_const(r.selector, -3, &other), HYGRA_OK);
        EXPECT_EQ(other, ip);
    }
}

TEST(ModelConstants, TemperatureLimitsBoundTheStatesThatEvaluate)
{
    // One degree inside each limit evaluates, one degree outside is out of range.
    for (int units : {HYGRA_SI, HYGRA_IP}) {
        SCOPED_TRACE(units);
        double tmin = 0, tmax = 0, pmax = 0, v = 0;
        ASSERT_EQ(moistair_const(HYGRA_CONST_TMIN, units, &tmin), HYGRA_OK);
        ASSERT_EQ(moistair_const(HYGRA_CONST_TMAX, units, &tmax), HYGRA_OK);
        ASSERT_EQ(moistair_const(HYGRA_CONST_PMAX, units, &pmax), HYGRA_OK);
        const double p = pmax / 50.0;  // 1 bar in either unit system
        EXPECT_EQ(moistair_eval(HYGRA_TDRY_W, HYGRA_TDB, units, &v, tmin + 1, 0.0, p), HYGRA_OK);
        EXPECT_EQ(moistair_eval(HYGRA_TDRY_W, HYGRA_TDB, units, &v, tmin - 1, 0.0, p),
                  HYGRA_OUT_OF_RANGE);
        EXPECT_EQ(moistair_eval(HYGRA_TDRY_W, HYGRA_TDB, units, &v, tmax - 1, 0.0, p), HYGRA_OK);
        EXPECT_EQ(moistair_eval(HYGRA_TDRY_W, HYGRA_TDB, units, &v, tmax + 1, 0.0, p),
                  HYGRA_OUT_OF_RANGE);
        EXPECT_EQ(moistair_eval(HYGRA_TDRY_W, HYGRA_TDB, units, &v, 20.0, 0.0, pmax * 1.0001),
                  HYGRA_OUT_OF_RANGE);
    }
}

TEST(ModelConstants, UnknownSelectorOrNullPointerIsInvalidAndWritesNothing)
{
    for (int selector : {HYGRA_CONST_COUNT, -1, INT_MAX, INT_MIN}) {
        for (int units : {HYGRA_SI, HYGRA_IP}) {
            double v = sentinel;
            EXPECT_EQ(moistair_const(selector, units, &v), HYGRA_INVALID_ARGUMENT) << selector;
            EXPECT_EQ(v, sentinel);
        }
    }
    EXPECT_EQ(moistair_const(HYGRA_CONST_MW, HYGRA_SI, nullptr), HYGRA_INVALID_ARGUMENT);
    EXPECT_EQ(moistair_const(-1, HYGRA_IP, nullptr), HYGRA_INVALID_ARGUMENT);
}

}  // namespace
}  // namespace hygra
