// States rebuilt where a random sample of states (the saved answers) does not
// go: enthalpy and entropy in nearly dry air with an enthalpy near zero; and
// saturated air around the triple point, where saturation switches from ice to
// liquid, which is its own wet bulb and dew point and is found again by the
// pairs that meet it twice.
#include <cmath>
#include <vector>

#include "api_test.h"

namespace {

using namespace api_test;

TEST(RoundTrip, EnthalpyWithEntropyInNearlyDryAir)
{
    // Nearly dry air at -0.01 degC has an enthalpy of -6.5e-4 kJ/kg: there the
    // state found from enthalpy and entropy is held to the absolute floor of
    // the line's tolerance.
    const double h = value(HYGRA_TDRY_RH, HYGRA_HM, HYGRA_SI, -0.01, 0.001, atm);
    const double s = value(HYGRA_TDRY_RH, HYGRA_SM, HYGRA_SI, -0.01, 0.001, atm);
    EXPECT_NEAR(value(HYGRA_H_S, HYGRA_TDB, HYGRA_SI, h, s, atm), -0.01, 2e-5);
}

TEST(RoundTrip, SaturatedAirAcrossTheTriplePoint)
{
    // Saturated air from -1 to 1 degC and on and beside 0.01 degC, given by its
    // relative humidity or by its humidity ratio, is its own wet bulb and dew
    // point. The steps are 1e-4 K times a prime, so that the sample falls on
    // varied points of the 1e-4 K grid.
    std::vector<double> temps = {0.0098, 0.00985, 0.01, 0.0105, 0.01075, 0.011};
    for (int i = -10000; i <= 10000; i += 53)
        temps.push_back(i * 1e-4);
    for (double bar : {0.5, 1.01325, 10.0, 45.0})
        for (double t : temps) {
            const double ws = value(HYGRA_TDRY_RH, HYGRA_WS, HYGRA_SI, t, 1.0, bar);
            for (int code : {HYGRA_TWB, HYGRA_TDEW}) {
                EXPECT_NEAR(value(HYGRA_TDRY_RH, code, HYGRA_SI, t, 1.0, bar), t, 1e-9) << t << " degC, " << bar;
                EXPECT_NEAR(value(HYGRA_TDRY_W, code, HYGRA_SI, t, ws, bar), t, 1e-9) << t << " degC, " << bar;
            }
        }
    // A humidity ratio with a relative humidity can be met both just below 0
    // degC and at 0.01 degC (saturation switches from ice to liquid, and at
    // high pressure the enhancement factor jumps): whichever state a search
    // returns, it reproduces both inputs.
    for (double bar : {1.01325, 10.0})
        for (int type : {HYGRA_W_RH, HYGRA_RH_W}) {
            const double w = value(HYGRA_TDRY_RH, HYGRA_W, HYGRA_SI, 0.0, 0.001, bar);
            const double rh = value(HYGRA_TDRY_W, HYGRA_RH, HYGRA_SI, 0.0, w, bar);
            const double a = type == HYGRA_W_RH ? w : rh, b = type == HYGRA_W_RH ? rh : w;
            EXPECT_NEAR(value(type, HYGRA_TDB, HYGRA_SI, a, b, bar), 0.0, 0.011);
            EXPECT_NEAR(value(type, HYGRA_RH, HYGRA_SI, a, b, bar), rh, 1e-9);
            EXPECT_NEAR(value(type, HYGRA_W, HYGRA_SI, a, b, bar), w, 1e-15);
        }
}

}  // namespace
