// Every input pair reproduces the state it was read from in inch-pound units
// (the saved answers hold them in SI), and so do enthalpy and entropy in nearly
// dry air with an enthalpy near zero; saturated air around the triple point,
// where saturation switches from ice to liquid, is its own wet bulb and dew
// point and is found again by the pairs that meet it twice.
#include <cmath>
#include <vector>

#include "api_test.h"

namespace {

using namespace api_test;

TEST(RoundTrip, EveryPairInInchPoundUnits)
{
    // Over ice, ordinary and hot air, at 0.5 and 3 bar (in psi): dry bulb to
    // 2e-5 K and W to a part in a million back, or a pair along a line of
    // states refused as fitting two states.
    int rebuilt = 0;
    for (double t : {-22.0, 41.0, 77.0, 158.0})  // degF
        for (double rh : {0.2, 0.8})
            for (double p : {7.25, 43.5}) {
                double props[HYGRA_PROPERTY_COUNT];
                for (int code : {HYGRA_W, HYGRA_TDB, HYGRA_TWB, HYGRA_TDEW, HYGRA_RH, HYGRA_HM, HYGRA_SM, HYGRA_VM})
                    props[code] = value(HYGRA_TDRY_RH, code, HYGRA_IP, t, rh, p);
                for (int type = 0; type < HYGRA_STATE_TYPE_COUNT; ++type) {
                    SCOPED_TRACE(testing::Message() << "state type " << type << " from " << t << " degF, " << rh);
                    const double a = props[inputs_of[type][0]], b = props[inputs_of[type][1]];
                    const result r = eval(type, HYGRA_TDB, HYGRA_IP, a, b, p);
                    if (r.code == HYGRA_OUT_OF_RANGE && type >= HYGRA_TWET_H && said("fit two states"))
                        continue;
                    ASSERT_EQ(r.code, HYGRA_OK) << hygra_last_error();
                    EXPECT_NEAR(r.value, t, 2e-5 * 1.8);
                    EXPECT_NEAR(value(type, HYGRA_W, HYGRA_IP, a, b, p), props[HYGRA_W], 1e-6 * props[HYGRA_W]);
                    ++rebuilt;
                }
            }
    EXPECT_GT(rebuilt, 460);
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
