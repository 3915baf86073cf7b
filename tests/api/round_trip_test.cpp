// Every input pair reproduces the state it was read from: build a state from
// dry bulb and relative humidity, read its other properties, build the state
// again from each of the thirty pairs, and compare dry bulb and humidity ratio
// (and the dew point, for the pairs that give one).
#include <cmath>
#include <map>
#include <vector>

#include "api_test.h"

namespace {

using namespace api_test;

double fahrenheit(double t) { return t * 1.8 + 32.0; }
double psi(double bar) { return bar * 1e5 * 0.000145038; }
double kelvin(double t, int units) { return units == HYGRA_SI ? t + 273.15 : (t - 32.0) / 1.8 + 273.15; }

// The pairs of two quantities that both vary along a line of states (wet bulb,
// enthalpy, entropy, volume with one another) fix a state only weakly near
// saturation and in the cold, and some fit two states: there the library
// refuses them and says so ("... give another pair").
bool line_pair(int type) { return type >= HYGRA_TWET_H; }

struct counts {
    int states = 0, rebuilds = 0, refused = 0;
};

// Rebuilds the state (t, rh, p) from every pair. Strictly: the same dry bulb
// and humidity ratio, and only the pairs known to fit two states refused (over
// ice the entropy along a wet-bulb line rises from dry air and falls again
// towards saturation; near saturation at high pressure, along an enthalpy line
// too). Otherwise also a state that reproduces both inputs of the pair, where
// two states share it (saturation jumps at the triple point) or it fixes the
// state only loosely (bone-dry air, a line pair, nearly pure vapour).
void rebuild_from_every_pair(int units, double t, double rh, double p, bool strict, counts& n)
{
    const double kpd = units == HYGRA_SI ? 1.0 : 1.0 / 1.8;  // kelvin per degree
    std::map<int, double> props;
    for (int code : {HYGRA_W, HYGRA_TDB, HYGRA_TWB, HYGRA_TDEW, HYGRA_RH, HYGRA_HM, HYGRA_SM, HYGRA_VM}) {
        double v = qnan;
        if (moistair_eval(HYGRA_TDRY_RH, code, units, &v, t, rh, p) != HYGRA_OK) {
            // No such state (above the boiling point), or its dew point below the range.
            ASSERT_FALSE(strict && code != HYGRA_W) << code << " of " << t << ", " << rh << ", " << p;
            return;
        }
        props[code] = v;
    }
    ++n.states;
    const double w = props[HYGRA_W];
    const bool near_triple_point = std::fabs(kelvin(t, units) - 273.16) < 0.1;
    for (int type = 0; type < HYGRA_STATE_TYPE_COUNT; ++type) {
        const int first = inputs_of[type][0], second = inputs_of[type][1];
        const double a = props[first], b = props[second];
        SCOPED_TRACE(testing::Message() << "state type " << type << " from " << t << ", rh " << rh << ", p " << p
                                        << ", units " << units);
        // A saturated state may read back a relative humidity a hair above 1, which is refused.
        if (strict && (type == HYGRA_TDRY_RH || type == HYGRA_RH_TDRY) && props[HYGRA_RH] > 1.0 + 1e-9)
            continue;
        double t2 = qnan;
        const int rc = moistair_eval(type, HYGRA_TDB, units, &t2, a, b, p);
        const bool two_states = said("fit two states") &&
                                ((type == HYGRA_TWET_S && kelvin(props[HYGRA_TWB], units) < 273.16) ||
                                 (type == HYGRA_H_S && props[HYGRA_RH] > 0.9));
        // Within a tenth of a kelvin of the lowest temperature a line of states
        // shrinks below the precision of its other quantity.
        if (rc == HYGRA_OUT_OF_RANGE && line_pair(type) &&
            (strict ? two_states : (said("give another pair") || kelvin(t, units) < 173.25))) {
            ++n.refused;
            continue;
        }
        ASSERT_EQ(rc, HYGRA_OK) << hygra_last_error();
        const double w2 = value(type, HYGRA_W, units, a, b, p);
        ++n.rebuilds;
        // A dew point given is the state's dew point (1e-6 K).
        if (strict && first == HYGRA_TDEW) {
            EXPECT_NEAR(value(type, HYGRA_TDEW, units, a, b, p), a, 1e-6 / kpd);
        }
        // Along a wet-bulb line the enthalpy changes by W hw* only, so the error
        // of the wet bulb read back, about 1e-8 of it, moves W by a few 1e-9.
        const double w_slack = type == HYGRA_TWET_H ? 5e-9 : 1e-10;
        if (std::fabs(t2 - t) * kpd <= 2e-5 && std::fabs(w2 - w) <= 1e-6 * w + w_slack)
            continue;
        auto same = [&](int code, double given, double back) {
            // A dew point given in the narrow band above 0.01 degC reads back as
            // its twin over ice, which holds the same water.
            if (code == HYGRA_TDEW && near_triple_point)
                return std::fabs(back - given) * kpd <= 0.05;
            if (code == HYGRA_TDB || code == HYGRA_TWB || code == HYGRA_TDEW)
                return std::fabs(back - given) * kpd <= 2e-5;
            return std::fabs(back - given) <= 1e-6 * std::fabs(given) + 1e-12;
        };
        const double a2 = value(type, first, units, a, b, p), b2 = value(type, second, units, a, b, p);
        EXPECT_TRUE(!strict && same(first, a, a2) && same(second, b, b2) &&
                    (near_triple_point || rh < 1e-3 || line_pair(type) || w > 10.0))
            << "dry bulb " << t2 << " (" << t << "), W " << w2 << " (" << w << ")";
    }
}

TEST(RoundTrip, EveryPairReproducesTheStateInBothUnitSystems)
{
    // Strictly over ice, around freezing (not on it), ordinary and hot; 0.5 to 10 bar.
    counts si, ip;
    for (double rh : {0.05, 0.2, 0.5, 0.8, 1.0})
        for (double bar : {0.5, 1.01325, 3.0, 10.0}) {
            for (double t : {-40.0, -25.0, -10.0, -0.5, 0.5, 5.0, 12.0, 20.0, 30.0, 45.0, 60.0, 75.0, 90.0})
                rebuild_from_every_pair(HYGRA_SI, t, rh, bar, true, si);
            for (double t : {-30.0, 2.0, 25.0, 70.0})  // degC
                rebuild_from_every_pair(HYGRA_IP, fahrenheit(t), rh, psi(bar), true, ip);
        }
    EXPECT_GT(si.rebuilds, 5600);
    EXPECT_GT(ip.rebuilds, 1600);
    // Dry states with an ice wet bulb, a few percent of the grid.
    EXPECT_LT(si.refused, 60);
    EXPECT_LT(ip.refused, 20);
    // Loosely across the whole range: just above the lowest to just below the
    // highest temperature, bone-dry to saturated air, 0.01 to 50 bar.
    counts wide_si, wide_ip;
    for (double t : {-99.95, -99.9, -60.0, -20.0, -0.01, 0.01, 0.5, 25.0, 80.0, 150.0, 250.0, 350.0, 371.5, 371.8,
                     371.9, 371.95})
        for (double rh : {1e-6, 1e-3, 0.3, 0.5, 0.99999, 1.0})
            for (double bar : {0.01, 1.01325, 50.0}) {
                rebuild_from_every_pair(HYGRA_SI, t, rh, bar, false, wide_si);
                if (t == -99.9 || t == 0.01 || t == 371.9)
                    rebuild_from_every_pair(HYGRA_IP, fahrenheit(t), rh, psi(bar), false, wide_ip);
            }
    EXPECT_GT(wide_si.states, 110);
    EXPECT_GT(wide_ip.states, 20);
    EXPECT_GT(wide_si.rebuilds + wide_ip.rebuilds, 2400);
}

TEST(RoundTrip, SaturatedAirAcrossTheTriplePoint)
{
    // Saturated and nearly saturated air from -1 to 1 degC, and on and beside
    // 0.01 degC, where saturation switches from ice to liquid: every state
    // builds, saturated air (given by its relative humidity or by its humidity
    // ratio) is its own wet bulb and dew point, and every pair gives it back.
    // The steps are 1e-4 K times a prime, so that the sample falls on varied
    // points of the 1e-4 K grid.
    const int stride = 53;
    std::vector<double> temps = {0.0098, 0.00985, 0.01, 0.0105, 0.01075, 0.011};
    for (int i = -10000; i <= 10000; i += stride)
        temps.push_back(i * 1e-4);
    counts n;
    for (double bar : {0.5, 1.01325, 10.0, 45.0})
        for (double rh : {1.0, 0.9999})
            for (double t : temps) {
                if (rh == 1.0) {
                    const double ws = value(HYGRA_TDRY_RH, HYGRA_WS, HYGRA_SI, t, rh, bar);
                    for (int code : {HYGRA_TWB, HYGRA_TDEW}) {
                        EXPECT_NEAR(value(HYGRA_TDRY_RH, code, HYGRA_SI, t, rh, bar), t, 1e-9) << t << " degC, " << bar;
                        EXPECT_NEAR(value(HYGRA_TDRY_W, code, HYGRA_SI, t, ws, bar), t, 1e-9) << t << " degC, " << bar;
                    }
                }
                rebuild_from_every_pair(HYGRA_SI, t, rh, bar, false, n);
            }
    EXPECT_EQ(n.states, static_cast<int>(4 * 2 * temps.size()));
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
