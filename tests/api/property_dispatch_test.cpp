#include <cmath>
#include <functional>

#include <gtest/gtest.h>

#include "hygra.h"

namespace {

// SI value to inch-pound, by hand, with the library's published factors.
double to_ip(int code, double si)
{
    const double btu_per_lb = 0.42992261392949266;  // per kJ/kg
    switch (code) {
    case HYGRA_TDB: case HYGRA_TWB: case HYGRA_TDEW:
        return si * 1.8 + 32.0;
    case HYGRA_P: case HYGRA_PWS: case HYGRA_PWET: case HYGRA_PDEW:
        return si * 1e5 * 0.000145038;
    case HYGRA_VA: case HYGRA_VM: case HYGRA_VW: case HYGRA_VG:
        return si * 16.01846443340014;
    case HYGRA_HA: case HYGRA_HM: case HYGRA_HW: case HYGRA_HG:
        return si * btu_per_lb;
    case HYGRA_SA: case HYGRA_SM: case HYGRA_SW: case HYGRA_SG:
    case HYGRA_CPA: case HYGRA_CPM: case HYGRA_CPW: case HYGRA_CPG:
        return si * btu_per_lb / 1.8;
    case HYGRA_MUA: case HYGRA_MUM: case HYGRA_MUW: case HYGRA_MUG:
        return si * 2419.088153749502;
    case HYGRA_KA: case HYGRA_KM: case HYGRA_KW: case HYGRA_KG:
        return si * 0.5777892051642799;
    case HYGRA_DAW:
        return si * 38750.1;
    case HYGRA_RHO:
        return si / 16.01846443340014;
    default:  // fractions, ratios and dimensionless numbers
        return si;
    }
}

TEST(PropertyDispatch, InchPoundValuesAreSiValuesConverted)
{
    struct state { double tc, w, bar; };
    for (const state s : {state{20.0, 0.0073, 1.01325}, state{-20.0, 0.0002, 0.8},
                          state{90.0, 0.2, 3.0}}) {
        const double tf = s.tc * 1.8 + 32.0;
        const double psi = s.bar * 1e5 * 0.000145038;
        for (int code = 0; code < HYGRA_PROPERTY_COUNT; ++code) {
            double si = NAN, ip = NAN;
            ASSERT_EQ(moistair_eval(HYGRA_TDRY_W, code, HYGRA_SI, &si, s.tc, s.w, s.bar), HYGRA_OK)
                << code;
            ASSERT_EQ(moistair_eval(HYGRA_W_TDRY, code, HYGRA_IP, &ip, s.w, tf, psi), HYGRA_OK)
                << code;
            const double expected = to_ip(code, si);
            EXPECT_NEAR(ip, expected, 1e-7 * std::fabs(expected) + 1e-9)
                << "code " << code << " at " << s.tc << " degC";
        }
    }
}

TEST(PropertyDispatch, KnownValuesThroughTheInterface)
{
    auto eval = [](int code) {
        double v = NAN;
        EXPECT_EQ(moistair_eval(HYGRA_TDRY_W, code, HYGRA_SI, &v, 20.0, 0.0073633, 1.01325), HYGRA_OK);
        return v;
    };
    EXPECT_NEAR(eval(HYGRA_HM), 38.8018, 1e-4);
    EXPECT_NEAR(eval(HYGRA_VM), 0.840006, 1e-6);
    EXPECT_NEAR(eval(HYGRA_RH), 0.50483, 1e-5);
    EXPECT_NEAR(eval(HYGRA_TDEW), 282.567 - 273.15, 1e-3);
    EXPECT_NEAR(eval(HYGRA_TWB), 286.995 - 273.15, 1e-3);
    EXPECT_NEAR(eval(HYGRA_WS), 0.0147571, 1e-7);
    EXPECT_NEAR(eval(HYGRA_DS), 0.0073633 / 0.0147571, 1e-6);
    EXPECT_NEAR(eval(HYGRA_PWS), 0.023389, 1e-5);
    EXPECT_NEAR(eval(HYGRA_RHO), 1.0073633 / 0.840006, 1e-6);
    // KA..KG are the conductivities, not the viscosities next to them.
    EXPECT_NEAR(eval(HYGRA_KA), 0.0257, 0.001);
    EXPECT_NEAR(eval(HYGRA_MUA), 1.8e-5, 0.1e-5);
}

TEST(PropertyDispatch, SweepNeverReturnsNanWithSuccess)
{
    // Dry to saturated, -60 to 200 degC, 0.1 to 50 bar: every code answers with
    // a result code of the interface, and success comes with a finite value.
    int successes = 0;
    for (double tc = -60.0; tc <= 200.0; tc += 20.0)
        for (double bar : {0.1, 1.0, 10.0, 50.0}) {
            double ws = NAN;
            if (moistair_eval(HYGRA_TDRY_W, HYGRA_WS, HYGRA_SI, &ws, tc, 0.0, bar) != HYGRA_OK)
                continue;
            for (double fraction : {0.0, 0.5, 1.0})
                for (int code = 0; code < HYGRA_PROPERTY_COUNT; ++code) {
                    double v = NAN;
                    const int rc =
                        moistair_eval(HYGRA_TDRY_W, code, HYGRA_SI, &v, tc, fraction * ws, bar);
                    EXPECT_GE(rc, HYGRA_OK);
                    EXPECT_LE(rc, HYGRA_OUT_OF_RANGE);
                    if (rc == HYGRA_OK) {
                        ++successes;
                        EXPECT_TRUE(std::isfinite(v))
                            << "code " << code << " at " << tc << " degC, " << bar << " bar, "
                            << fraction << " of saturation";
                    }
                }
        }
    EXPECT_GT(successes, 3000);
}

}  // namespace
