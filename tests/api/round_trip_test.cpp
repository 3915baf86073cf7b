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

// A state rebuilt from one pair: the same dry bulb and humidity ratio, or,
// where two states share the pair (saturation jumps at the triple point, so
// near 0.01 degC a humidity ratio with a relative humidity, or a relative
// humidity with an enthalpy, can be met on both sides of it) or where the pair
// fixes the state only loosely (the wet bulb of bone-dry cold air hardly
// depends on its water), a state that reproduces both inputs of the pair.
double kelvin(double t, int units) { return units == HYGRA_SI ? t + 273.15 : (t - 32.0) / 1.8 + 273.15; }

struct probe_counts {
    int states = 0, rebuilds = 0, equivalent = 0, refused = 0;
};

// The pairs of two quantities that both vary along a line of states (wet bulb,
// enthalpy, entropy, volume with one another) fix a state only weakly near
// saturation and in the cold, and some fit two states: there the library
// refuses them and says so ("... give another pair").
bool line_pair(int type) { return type >= HYGRA_TWET_H; }

bool refused_as_weak_or_double(int type, int rc)
{
    return line_pair(type) && rc == HYGRA_OUT_OF_RANGE &&
           std::string(hygra_last_error()).find("give another pair") != std::string::npos;
}

void rebuild_from_every_pair(int units, double t, double rh, double p, double kelvin_per_degree,
                             probe_counts& n)
{
    int rc;
    std::map<int, double> props;
    for (int code : {HYGRA_TDB, HYGRA_W, HYGRA_TWB, HYGRA_TDEW, HYGRA_RH, HYGRA_HM, HYGRA_SM,
                     HYGRA_VM}) {
        props[code] = eval(HYGRA_TDRY_RH, code, units, t, rh, p, &rc);
        if (rc != HYGRA_OK)
            return;  // no such state (above the boiling point), or its dew point below the range
    }
    ++n.states;
    const double w = props[HYGRA_W];
    for (const auto& [type, pair] : pairs) {
        const double a = props[pair.first], b = props[pair.second];
        std::ostringstream where;
        where << "state type " << type << " from " << t << ", rh " << rh << ", p " << p
              << ", units " << units;
        const double t2 = eval(type, HYGRA_TDB, units, a, b, p, &rc);
        if (refused_as_weak_or_double(type, rc)) {
            ++n.refused;
            continue;
        }
        // Within a tenth of a kelvin of the lowest temperature a line of
        // states shrinks below the precision of its other quantity.
        if (line_pair(type) && rc == HYGRA_OUT_OF_RANGE && kelvin(t, units) < 173.25) {
            ++n.refused;
            continue;
        }
        ASSERT_EQ(rc, HYGRA_OK) << where.str() << ": " << hygra_last_error();
        const double w2 = eval(type, HYGRA_W, units, a, b, p, &rc);
        ++n.rebuilds;
        if (std::fabs(t2 - t) * kelvin_per_degree <= 2e-5 && std::fabs(w2 - w) <= 1e-6 * w + 1e-10)
            continue;
        const bool near_triple_point = std::fabs(kelvin(t, units) - 273.16) < 0.1;
        auto same = [&](int code, double given, double back) {
            // A dew point given in the narrow band above 0.01 degC reads back as
            // its twin over ice, which holds the same water.
            if (code == HYGRA_TDEW && near_triple_point)
                return std::fabs(back - given) * kelvin_per_degree <= 0.05;
            if (code == HYGRA_TDB || code == HYGRA_TWB || code == HYGRA_TDEW)
                return std::fabs(back - given) * kelvin_per_degree <= 2e-5;
            return std::fabs(back - given) <= 1e-6 * std::fabs(given) + 1e-12;
        };
        const double a2 = eval(type, pair.first, units, a, b, p, &rc);
        const double b2 = eval(type, pair.second, units, a, b, p, &rc);
        EXPECT_TRUE(same(pair.first, a, a2) && same(pair.second, b, b2))
            << where.str() << ": dry bulb " << t2 << ", W " << w2 << " (" << w << ")";
        // Only near the triple point, in nearly bone-dry air, for the
        // pairs that fix a state only weakly; and in nearly pure vapour, where
        // the last bits of the mole fraction move W by parts in 1e8.
        EXPECT_TRUE(near_triple_point || rh < 1e-3 || line_pair(type) || w > 10.0)
            << where.str() << ": dry bulb " << t2 << ", W " << w2 << " (" << w << ")";
        ++n.equivalent;
    }
}

TEST(RoundTrip, EveryPairAcrossTheWholeRange)
{
    // A sample of the range: the dry bulb from just above the lowest to just
    // below the highest temperature, bone-dry to saturated air, 0.01 to 50 bar.
    const double temps[] = {-99.9, -60.0, -20.0, -0.01, 0.01, 0.5, 25.0, 80.0, 150.0, 250.0,
                            350.0, 371.9};
    const double rhs[] = {1e-6, 1e-3, 0.3, 0.99999, 1.0};
    const double bars[] = {0.01, 1.01325, 50.0};
    probe_counts si, ip;
    for (double t : temps)
        for (double rh : rhs)
            for (double bar : bars) {
                rebuild_from_every_pair(HYGRA_SI, t, rh, bar, 1.0, si);
                if (t == -99.9 || t == 0.01 || t == 371.9)
                    rebuild_from_every_pair(HYGRA_IP, fahrenheit(t), rh, psi(bar), 1.0 / 1.8, ip);
            }
    EXPECT_GT(si.states, 110);
    EXPECT_GT(ip.states, 20);
    EXPECT_GT(si.rebuilds + ip.rebuilds, 2400);
}

TEST(RoundTrip, SaturatedAirAcrossTheTriplePoint)
{
    // Saturated and nearly saturated air from -1 to 1 degC: every state builds,
    // has a wet bulb and a dew point (saturated air its own dry bulb), and every
    // pair gives it back. The steps are 1e-4 K times a prime, so that the sample
    // falls on varied points of the 1e-4 K grid (the whole grid, 53 times as
    // many states, is too slow for every build).
    const int stride = 53;
    probe_counts n;
    for (double bar : {0.5, 1.01325, 10.0})
        for (double rh : {1.0, 0.9999})
            for (int i = -10000; i <= 10000; i += stride) {
                const double t = i * 1e-4;
                int rc;
                const double tw = eval(HYGRA_TDRY_RH, HYGRA_TWB, HYGRA_SI, t, rh, bar, &rc);
                ASSERT_EQ(rc, HYGRA_OK) << t << " degC, rh " << rh << ", " << bar << " bar";
                const double td = eval(HYGRA_TDRY_RH, HYGRA_TDEW, HYGRA_SI, t, rh, bar, &rc);
                ASSERT_EQ(rc, HYGRA_OK) << t << " degC, rh " << rh << ", " << bar << " bar";
                if (rh == 1.0) {
                    EXPECT_NEAR(tw, t, 1e-9) << t << " degC, " << bar << " bar";
                    EXPECT_NEAR(td, t, 1e-9) << t << " degC, " << bar << " bar";
                }
                rebuild_from_every_pair(HYGRA_SI, t, rh, bar, 1.0, n);
            }
    EXPECT_EQ(n.states, 3 * 2 * (20000 / stride + 1));
}

}  // namespace
