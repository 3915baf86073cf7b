// Every input pair reproduces the state it was read from: build a state from
// dry bulb and humidity ratio, read its other properties, build the state
// again from each pair, and compare dry bulb and humidity ratio (and the dew
// point, for the pairs that give one).
#include <cmath>
#include <map>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "hygra.h"

namespace {

struct inputs {
    int first, second;  // property codes of the pair, in the state type's order
};

const std::map<int, inputs> pairs = {
    {HYGRA_TDRY_TWET, {HYGRA_TDB, HYGRA_TWB}}, {HYGRA_TDRY_RH, {HYGRA_TDB, HYGRA_RH}},
    {HYGRA_TDRY_H, {HYGRA_TDB, HYGRA_HM}},     {HYGRA_TDRY_S, {HYGRA_TDB, HYGRA_SM}},
    {HYGRA_TDRY_V, {HYGRA_TDB, HYGRA_VM}},     {HYGRA_TDRY_TDEW, {HYGRA_TDB, HYGRA_TDEW}},
    {HYGRA_W_TWET, {HYGRA_W, HYGRA_TWB}},      {HYGRA_W_TDRY, {HYGRA_W, HYGRA_TDB}},
    {HYGRA_W_RH, {HYGRA_W, HYGRA_RH}},         {HYGRA_W_H, {HYGRA_W, HYGRA_HM}},
    {HYGRA_W_S, {HYGRA_W, HYGRA_SM}},          {HYGRA_W_V, {HYGRA_W, HYGRA_VM}},
    {HYGRA_RH_TWET, {HYGRA_RH, HYGRA_TWB}},    {HYGRA_RH_TDRY, {HYGRA_RH, HYGRA_TDB}},
    {HYGRA_RH_W, {HYGRA_RH, HYGRA_W}},         {HYGRA_RH_H, {HYGRA_RH, HYGRA_HM}},
    {HYGRA_RH_S, {HYGRA_RH, HYGRA_SM}},        {HYGRA_RH_V, {HYGRA_RH, HYGRA_VM}},
    {HYGRA_TDEW_TWET, {HYGRA_TDEW, HYGRA_TWB}}, {HYGRA_TDEW_RH, {HYGRA_TDEW, HYGRA_RH}},
    {HYGRA_TDEW_H, {HYGRA_TDEW, HYGRA_HM}},    {HYGRA_TDEW_S, {HYGRA_TDEW, HYGRA_SM}},
    {HYGRA_TDEW_V, {HYGRA_TDEW, HYGRA_VM}},    {HYGRA_TWET_H, {HYGRA_TWB, HYGRA_HM}},
    {HYGRA_TWET_S, {HYGRA_TWB, HYGRA_SM}},     {HYGRA_TWET_V, {HYGRA_TWB, HYGRA_VM}},
    {HYGRA_H_S, {HYGRA_HM, HYGRA_SM}},         {HYGRA_H_V, {HYGRA_HM, HYGRA_VM}},
    {HYGRA_S_V, {HYGRA_SM, HYGRA_VM}},
};

// Over ice the entropy along a wet-bulb line rises from dry air and falls again
// towards saturation, so a dry state's wet bulb and entropy also fit a state
// nearer saturation: that pair is refused, saying so, and the count of such
// refusals is kept. Near saturation at high pressure the entropy along an
// enthalpy line does the same.
bool refused_as_two_states(int type, const std::map<int, double>& props, int units, int rc)
{
    if (rc != HYGRA_OUT_OF_RANGE || std::string(hygra_last_error()).find("fit two states") == std::string::npos)
        return false;
    const double ice = units == HYGRA_SI ? 0.01 : 32.018;
    return (type == HYGRA_TWET_S && props.at(HYGRA_TWB) < ice) ||
           (type == HYGRA_H_S && props.at(HYGRA_RH) > 0.9);
}

double eval(int type, int code, int units, double a, double b, double p, int* rc)
{
    double v = NAN;
    *rc = moistair_eval(type, code, units, &v, a, b, p);
    return v;
}

// Round trips over a grid in one unit system, counting the checks made.
void round_trips(int units, const double* temps, int n_temps, double (*to_user_t)(double),
                 double (*to_user_p)(double), int& checks, int& two_states)
{
    const double rhs[] = {0.05, 0.2, 0.5, 0.8, 1.0};
    const double bars[] = {0.5, 1.01325, 3.0, 10.0};
    checks = 0;
    two_states = 0;
    for (int i = 0; i < n_temps; ++i)
        for (double rh : rhs)
            for (double bar : bars) {
                const double t = to_user_t(temps[i]);
                const double p = to_user_p(bar);
                int rc;
                const double w = eval(HYGRA_TDRY_RH, HYGRA_W, units, t, rh, p, &rc);
                if (rc != HYGRA_OK)
                    continue;  // above the boiling point: no such state
                std::map<int, double> props = {{HYGRA_TDB, t}, {HYGRA_W, w}};
                for (int code : {HYGRA_TWB, HYGRA_TDEW, HYGRA_RH, HYGRA_HM, HYGRA_SM, HYGRA_VM}) {
                    props[code] = eval(HYGRA_TDRY_W, code, units, t, w, p, &rc);
                    ASSERT_EQ(rc, HYGRA_OK) << "code " << code << " of " << temps[i] << " degC, "
                                            << rh << ", " << bar << " bar";
                }
                for (const auto& [type, pair] : pairs) {
                    const double a = props[pair.first], b = props[pair.second];
                    // A saturated state read back through a tiny humidity ratio
                    // may show a relative humidity a hair above 1, which the
                    // dry bulb with relative humidity refuses.
                    if ((type == HYGRA_TDRY_RH || type == HYGRA_RH_TDRY) && props[HYGRA_RH] > 1.0 + 1e-9)
                        continue;
                    std::ostringstream where;
                    where << "state type " << type << " from " << temps[i] << " degC, rh " << rh
                          << ", " << bar << " bar, units " << units;
                    const double t2 = eval(type, HYGRA_TDB, units, a, b, p, &rc);
                    if (refused_as_two_states(type, props, units, rc)) {
                        ++two_states;
                        continue;
                    }
                    ASSERT_EQ(rc, HYGRA_OK) << where.str() << ": " << hygra_last_error();
                    const double w2 = eval(type, HYGRA_W, units, a, b, p, &rc);
                    ASSERT_EQ(rc, HYGRA_OK) << where.str();
                    EXPECT_NEAR(t2, t, 2e-5) << where.str();
                    // Along a wet-bulb line the enthalpy changes by W hw* only (hw*,
                    // the enthalpy of the water at the wet bulb, is a few hundred
                    // kJ/kg at most), so the error of the wet bulb read back, about
                    // 1e-8 of it, moves W by up to a few 1e-9.
                    const double w_slack = type == HYGRA_TWET_H ? 5e-9 : 1e-10;
                    EXPECT_NEAR(w2, w, 1e-6 * w + w_slack) << where.str();
                    // A dew point given is the state's dew point (1e-6 K).
                    if (pair.first == HYGRA_TDEW) {
                        const double tdew = eval(type, HYGRA_TDEW, units, a, b, p, &rc);
                        ASSERT_EQ(rc, HYGRA_OK) << where.str();
                        EXPECT_NEAR(tdew, a, units == HYGRA_SI ? 1e-6 : 1.8e-6) << where.str();
                    }
                    ++checks;
                }
            }
}

double celsius(double t) { return t; }
double fahrenheit(double t) { return t * 1.8 + 32.0; }
double bar(double p) { return p; }
double psi(double p) { return p * 1e5 * 0.000145038; }

TEST(RoundTrip, EveryPairReproducesTheStateInSi)
{
    // Over ice, around freezing (not on it: see the next test), ordinary and hot.
    const double temps[] = {-40.0, -25.0, -10.0, -0.5, 0.5, 5.0, 12.0, 20.0,
                            30.0, 45.0, 60.0, 75.0, 90.0};
    int checks = 0, two_states = 0;
    round_trips(HYGRA_SI, temps, 13, celsius, bar, checks, two_states);
    EXPECT_GT(checks, 5600);
    // Dry states with an ice wet bulb, a few percent of the grid.
    EXPECT_LT(two_states, 60);
}

TEST(RoundTrip, EveryPairReproducesTheStateInInchPound)
{
    const double temps[] = {-30.0, 2.0, 25.0, 70.0};
    int checks = 0, two_states = 0;
    round_trips(HYGRA_IP, temps, 4, fahrenheit, psi, checks, two_states);
    EXPECT_GT(checks, 1600);
    EXPECT_LT(two_states, 20);
}

TEST(RoundTrip, PairsReproduceTheirInputsAtTheTriplePoint)
{
    // Saturation switches from ice to liquid water at 0.01 degC, and at high
    // pressure the enhancement factor jumps there, so a humidity ratio and a
    // relative humidity can be met both just below 0 degC and at 0.01 degC.
    // Whichever state a search returns, it reproduces both inputs.
    for (double bar : {1.01325, 10.0})
        for (int type : {HYGRA_W_RH, HYGRA_RH_W}) {
            int rc;
            const double w = eval(HYGRA_TDRY_RH, HYGRA_W, HYGRA_SI, 0.0, 0.001, bar, &rc);
            const double rh = eval(HYGRA_TDRY_W, HYGRA_RH, HYGRA_SI, 0.0, w, bar, &rc);
            const double a = type == HYGRA_W_RH ? w : rh, b = type == HYGRA_W_RH ? rh : w;
            const double t = eval(type, HYGRA_TDB, HYGRA_SI, a, b, bar, &rc);
            ASSERT_EQ(rc, HYGRA_OK);
            EXPECT_NEAR(t, 0.0, 0.011);
            EXPECT_NEAR(eval(type, HYGRA_RH, HYGRA_SI, a, b, bar, &rc), rh, 1e-9);
            EXPECT_NEAR(eval(type, HYGRA_W, HYGRA_SI, a, b, bar, &rc), w, 1e-15);
        }
}

}  // namespace
