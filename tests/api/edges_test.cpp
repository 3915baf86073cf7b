// The edges of the model, through the C interface: the triple point, where
// saturation switches from ice to liquid; the limits of the range, typed as
// they are published; saturation read back with rounding; inputs that hold no
// usable number; and states where searches once went astray. Each group checks
// the physics (saturated air is its own wet bulb and dew point, a state rebuilt
// from what a getter reported is the same state, NaN in gives NaN out).
#include <cmath>
#include <thread>

#include "api_test.h"

namespace {

using namespace api_test;

TEST(TriplePoint, WetBulbsAroundItBuildTheirStatesBack)
{
    // States whose wet bulb lies within a few mK of 0 and 0.01 degC, where the
    // water evaporated at the wet bulb turns from ice to liquid, and within half
    // a kelvin of 0 degC: whatever wet bulb the getter reports, the state is
    // built back from it with the dry bulb, the humidity ratio or the relative humidity.
    int checked = 0;
    for (double p : {0.5, 0.9, atm, 10.0})
        for (double tdb : {0.75, 2.0, 4.0, 8.0, 12.0, 14.53})
            for (double tw_given : {-0.5, -0.25, -0.0625, -0.003, 0.0, 0.0018, 0.005, 0.0099, 0.01, 0.0101,
                                    0.013, 0.0625, 0.25, 0.5}) {
                const result w = eval(HYGRA_TDRY_TWET, HYGRA_W, HYGRA_SI, tdb, tw_given, p);
                if (w.code != HYGRA_OK)
                    continue;  // drier than dry air
                const double tw = value(HYGRA_TDRY_TWET, HYGRA_TWB, HYGRA_SI, tdb, tw_given, p);
                const double rh = value(HYGRA_TDRY_TWET, HYGRA_RH, HYGRA_SI, tdb, tw_given, p);
                EXPECT_NEAR(value(HYGRA_TDRY_TWET, HYGRA_W, HYGRA_SI, tdb, tw, p), w.value, 1e-6 * w.value)
                    << tdb << " degC, wet bulb " << tw << " degC, " << p << " bar";
                EXPECT_NEAR(value(HYGRA_W_TWET, HYGRA_TDB, HYGRA_SI, w.value, tw, p), tdb, 2e-5);
                EXPECT_NEAR(value(HYGRA_RH_TWET, HYGRA_TDB, HYGRA_SI, rh, tw, p), tdb, 2e-5);
                ++checked;
            }
    EXPECT_GT(checked, 120);
    // 12 degC, 0.1 %, 0.9 bar has its wet bulb between 0 and 0.01 degC.
    const double tw = value(HYGRA_TDRY_RH, HYGRA_TWB, HYGRA_SI, 12.0, 0.001, 0.9);
    EXPECT_GT(tw, 0.0);
    EXPECT_LT(tw, 0.01);
    EXPECT_NEAR(value(HYGRA_TDRY_TWET, HYGRA_RH, HYGRA_SI, 12.0, tw, 0.9), 0.001, 1e-9);
    EXPECT_NEAR(value(HYGRA_RH_TWET, HYGRA_TDB, HYGRA_SI, 0.10033305614253518, -0.47, 0.5), 14.53, 1e-4);
    EXPECT_NEAR(value(HYGRA_RH_TWET, HYGRA_TDB, HYGRA_SI, 1e-05, 47.106142587210854, atm), 220.0, 1e-4);
}

TEST(TriplePoint, DewPointsAroundItAndWaterAtIt)
{
    // A dew point given reads back, over ice just below and over liquid away
    // from the triple point. Just above it, in a band about 1 mK wide at 1 atm,
    // a dew point over liquid shares its humidity ratio with one over ice just
    // below 0.01 degC, which is the one read.
    for (double p : {0.5, atm, 10.0, 45.0})
        for (double tdew : {-0.5, -0.01, 0.0, 0.005, 0.0098, 0.00985, 0.0099, 0.00999, 0.5, 2.0})
            EXPECT_NEAR(value(HYGRA_TDRY_TDEW, HYGRA_TDEW, HYGRA_SI, 5.0, tdew, p), tdew, 1e-6) << tdew << " " << p;
    // Nearly saturated air has both, between its dew point and its dry bulb.
    const double tw = value(HYGRA_TDRY_RH, HYGRA_TWB, HYGRA_SI, 0.01, 0.99999, atm);
    const double td = value(HYGRA_TDRY_RH, HYGRA_TDEW, HYGRA_SI, 0.01, 0.99999, atm);
    EXPECT_LE(td, tw);
    EXPECT_LE(tw, 0.01);
    EXPECT_GT(td, 0.0);
    // Water has zero enthalpy and entropy as saturated liquid at the triple
    // point, 32.018 degF typed included, where saturated air is its own wet
    // bulb and dew point; ice there has -333 kJ/kg.
    for (int units : {HYGRA_SI, HYGRA_IP}) {
        const double t = units == HYGRA_SI ? 0.01 : 32.018, p = units == HYGRA_SI ? atm : atm_psi;
        EXPECT_NEAR(value(HYGRA_TDRY_RH, HYGRA_HW, units, t, 0.5, p), 0.0, 1e-2) << units;
        EXPECT_NEAR(value(HYGRA_TDRY_RH, HYGRA_SW, units, t, 0.5, p), 0.0, 1e-4) << units;
        EXPECT_NEAR(value(HYGRA_TDRY_RH, HYGRA_TWB, units, t, 1.0, p), t, 1e-9) << units;
        EXPECT_NEAR(value(HYGRA_TDRY_RH, HYGRA_TDEW, units, t, 1.0, p), t, 1e-9) << units;
    }
    EXPECT_LT(value(HYGRA_TDRY_RH, HYGRA_HW, HYGRA_SI, 0.0099, 0.5, atm), -300.0);
}

TEST(Limits, PublishedLimitsAreInsideTheRangeAndWetBulbsAboveTheDryBulb)
{
    // Unit system, selector, the limit as typed and just beyond it.
    const double limits[][4] = {{0, HYGRA_CONST_TMIN, -100.0, -100.001}, {0, HYGRA_CONST_TMAX, 372.0, 372.001},
                                {1, HYGRA_CONST_TMIN, -148.0, -148.001}, {1, HYGRA_CONST_TMAX, 701.6, 701.601}};
    for (const auto& l : limits) {
        const int units = int(l[0]);
        const double p = units == HYGRA_SI ? atm : atm_psi;
        double reported = qnan;
        ASSERT_EQ(moistair_const(int(l[1]), units, &reported), HYGRA_OK);
        // As typed, and as the constants report them (-100 degC converts to a
        // rounding below the limit, and is the limit).
        for (double t : {l[2], reported}) {
            EXPECT_EQ(eval(HYGRA_TDRY_RH, HYGRA_HM, units, t, 0.001, p).code, HYGRA_OK) << t;
            EXPECT_EQ(eval(HYGRA_RH_TDRY, HYGRA_HM, units, 0.001, t, p).code, HYGRA_OK) << t;
            EXPECT_NEAR(value(HYGRA_TDRY_W, HYGRA_TDB, units, t, 0.0, p), l[2], 1e-9) << t;
        }
        EXPECT_EQ(eval(HYGRA_TDRY_W, HYGRA_W, units, l[3], 0.001, p).code, HYGRA_OUT_OF_RANGE);
    }
    // The lowest temperature as a wet bulb and as a dew point.
    EXPECT_EQ(eval(HYGRA_TDRY_TWET, HYGRA_W, HYGRA_SI, -100.0, -100.0, atm).code, HYGRA_OK);
    EXPECT_EQ(eval(HYGRA_TDRY_TDEW, HYGRA_W, HYGRA_SI, 20.0, -100.0, atm).code, HYGRA_OK);
    // Just inside and just outside, in temperature and pressure (0 to 50 bar):
    // unit system, dry bulb, pressure, result code.
    const double rows[][4] = {{0, -99.99999999999, 1, 0}, {0, -100.0001, 1, 4}, {0, 372, 50, 0}, {0, 372.0001, 1, 4},
                              {0, 20, 0, 0}, {0, 20, -1e-9, 4}, {0, 20, 50.000001, 4}, {1, -147.99999999999, 14.7, 0},
                              {1, -148.001, 14.7, 4}, {1, 20, 725.19 * 1.0001, 4}, {0, inf, 1, 4}, {0, 20, -inf, 4},
                              {0, 1e308, 1, 4}};
    for (const auto& r : rows)
        EXPECT_EQ(eval(HYGRA_TDRY_W, HYGRA_TDB, int(r[0]), r[1], 0.0, r[2]).code, int(r[3])) << r[1] << " " << r[2];
    // A wet bulb a rounding above the dry bulb is saturated air; 1e-5 K above is refused.
    for (double t : {-40.0, 0.01, 25.0})
        for (double above : {0.0, 1e-9, 1e-7, 1e-6})
            EXPECT_NEAR(value(HYGRA_TDRY_TWET, HYGRA_RH, HYGRA_SI, t, t + above, atm), 1.0, 2e-8) << t << " + " << above;
    EXPECT_EQ(eval(HYGRA_TDRY_TWET, HYGRA_RH, HYGRA_SI, 25.0, 25.0 + 1e-5, atm).code, HYGRA_OUT_OF_RANGE);
}

TEST(BadNumbers, NegativeHugeAndInfiniteInputsAreRefused)
{
    // A humidity ratio of -1 would give a NaN mole fraction; it is refused
    // where the state is built. A negative relative humidity is refused by
    // every search, entropy included.
    EXPECT_EQ(eval(HYGRA_W_TDRY, HYGRA_P, HYGRA_SI, -1.0, 20.0, 1.0).code, HYGRA_OUT_OF_RANGE);
    for (int type : {HYGRA_RH_H, HYGRA_RH_S, HYGRA_RH_V, HYGRA_RH_TWET}) {
        EXPECT_EQ(eval(type, HYGRA_TDB, HYGRA_SI, -0.5, 0.1, atm).code, HYGRA_OUT_OF_RANGE) << type;
        EXPECT_TRUE(said("relative humidity -0.5 is negative")) << type;
    }
    // Humidity ratios so large that the mole fraction stored cannot give them back.
    for (double w : {1e7, 1e12, 1e20, inf}) {
        EXPECT_EQ(eval(HYGRA_TDRY_W, HYGRA_W, HYGRA_SI, 20.0, w, atm).code, HYGRA_OUT_OF_RANGE) << w;
        EXPECT_EQ(eval(HYGRA_W_RH, HYGRA_TDB, HYGRA_SI, w, 0.5, atm).code, HYGRA_OUT_OF_RANGE) << w;
    }
    // Up to the largest accepted, W reads back; tiny ones to their digits too.
    for (double w : {1e3, 1e6})
        EXPECT_NEAR(value(HYGRA_TDRY_W, HYGRA_W, HYGRA_SI, 300.0, w, 0.01), w, 1e-9 * w);
    EXPECT_NEAR(value(HYGRA_TDRY_W, HYGRA_W, HYGRA_SI, 20.0, 1e-17, atm), 1e-17, 1e-30);
    // Infinite second inputs of the searches.
    EXPECT_EQ(eval(HYGRA_W_RH, HYGRA_RH, HYGRA_SI, 0.0099, -inf, atm).code, HYGRA_OUT_OF_RANGE);
    EXPECT_EQ(eval(HYGRA_W_H, HYGRA_RH, HYGRA_SI, 0.0099, inf, atm).code, HYGRA_OUT_OF_RANGE);
    EXPECT_EQ(eval(HYGRA_RH_V, HYGRA_RH, HYGRA_SI, 0.5, inf, atm).code, HYGRA_OUT_OF_RANGE);
    EXPECT_TRUE(said("is not a finite number"));
}

TEST(BadNumbers, ANanInputGivesNanForWhatDependsOnIt)
{
    // Every state type, a NaN in each input and in the pressure: the state is
    // built (code 0), and every property that depends on the NaN is NaN.
    double props[HYGRA_PROPERTY_COUNT];
    for (int code = 0; code < HYGRA_PROPERTY_COUNT; ++code)
        props[code] = value(HYGRA_TDRY_RH, code, HYGRA_SI, 25.0, 0.5, atm);
    for (int type = 0; type < HYGRA_STATE_TYPE_COUNT; ++type)
        for (int where = 0; where < 3; ++where)
            for (int code : {HYGRA_TWB, HYGRA_RH, HYGRA_HM, HYGRA_VM, HYGRA_SM}) {
                const double a = where == 0 ? qnan : props[inputs_of[type][0]];
                const double b = where == 1 ? qnan : props[inputs_of[type][1]];
                const result r = eval(type, code, HYGRA_SI, a, b, where == 2 ? qnan : atm);
                EXPECT_EQ(r.code, HYGRA_OK) << "type " << type << " NaN at " << where << ": " << hygra_last_error();
                EXPECT_TRUE(std::isnan(r.value)) << "type " << type << " NaN at " << where << " code " << code;
            }
    // Nothing is searched on NaN.
    EXPECT_TRUE(std::isnan(value(HYGRA_TDRY_RH, HYGRA_TDEW, HYGRA_SI, qnan, 0.5, atm)));
    EXPECT_TRUE(std::isnan(value(HYGRA_TDRY_W, HYGRA_TDB, HYGRA_SI, qnan, 0.0, 1.0)));
    // What does not depend on the NaN keeps its value; range checks still apply
    // to the inputs that are numbers.
    EXPECT_EQ(value(HYGRA_TDRY_H, HYGRA_TDB, HYGRA_SI, 25.0, qnan, atm), 25.0);
    EXPECT_EQ(eval(HYGRA_TDRY_H, HYGRA_TDB, HYGRA_SI, 400.0, qnan, atm).code, HYGRA_OUT_OF_RANGE);
    EXPECT_EQ(eval(HYGRA_W_H, HYGRA_TDB, HYGRA_SI, -0.5, qnan, atm).code, HYGRA_OUT_OF_RANGE);
    // Whatever the thread's cache holds, -0 and +0 bar are one pressure.
    auto w_at = [](double p) { return eval(HYGRA_TDRY_H, HYGRA_W, HYGRA_SI, 0.0, 55.53, p); };
    result first_minus{}, plus{}, minus{};
    std::thread([&] { first_minus = w_at(-0.0); }).join();  // a fresh, empty cache
    std::thread([&] {
        plus = w_at(0.0);
        minus = w_at(-0.0);
    }).join();
    EXPECT_EQ(first_minus.code, HYGRA_OK);
    EXPECT_EQ(first_minus.value, plus.value);
    EXPECT_EQ(minus.value, plus.value);
    // So are -0 and +0 of either input: dry air and air at 0 degC read back +0.
    EXPECT_FALSE(std::signbit(value(HYGRA_TDRY_W, HYGRA_W, HYGRA_SI, 20.0, -0.0, atm)));
    EXPECT_FALSE(std::signbit(value(HYGRA_W_TDRY, HYGRA_TDB, HYGRA_SI, 0.001, -0.0, atm)));
}

TEST(Searches, ColdDryAirAndNearlyPureVapour)
{
    // Cold dry air whose dew point lies just above the lowest temperature,
    // where the dew-point correlation starts the search far from it: the dew
    // point is saturation at the humidity ratio, and the wet bulb lies between
    // it and the dry bulb.
    const double cold[4][3] = {{-77.2675, 0.0172405, 15.047}, {-76.4012, 0.0144548, 0.409103},
                               {-69.1296, 0.000434868, 0.313788}, {-57.5419, 6.95235e-06, 0.0150919}};
    for (const auto& c : cold) {
        const double tw = value(HYGRA_TDRY_RH, HYGRA_TWB, HYGRA_SI, c[0], c[1], c[2]);
        EXPECT_LT(tw, c[0]);
        const double w = value(HYGRA_TDRY_RH, HYGRA_W, HYGRA_SI, c[0], c[1], c[2]);
        EXPECT_NEAR(value(HYGRA_TDRY_TWET, HYGRA_W, HYGRA_SI, c[0], tw, c[2]), w, 1e-6 * w + 1e-12);
        const result td = eval(HYGRA_TDRY_RH, HYGRA_TDEW, HYGRA_SI, c[0], c[1], c[2]);
        EXPECT_TRUE(td.code == HYGRA_OK ? td.value < tw : td.code == HYGRA_OUT_OF_RANGE);
        if (td.code == HYGRA_OK) {
            EXPECT_NEAR(value(HYGRA_TDRY_TDEW, HYGRA_W, HYGRA_SI, c[0], td.value, c[2]), w, 1e-6 * w);
        }
    }
    // Air saturated a little below the boiling point holds thousands of kg of
    // water per kg of dry air; its wet bulb and volume still give it back.
    const double t = 119.247, p = 1.94024;
    const double w = value(HYGRA_TDRY_RH, HYGRA_W, HYGRA_SI, t, 1.0, p);
    EXPECT_GT(w, 1000.0);
    const double tw = value(HYGRA_TDRY_RH, HYGRA_TWB, HYGRA_SI, t, 1.0, p);
    const double v = value(HYGRA_TDRY_RH, HYGRA_VM, HYGRA_SI, t, 1.0, p);
    EXPECT_NEAR(value(HYGRA_TDRY_TWET, HYGRA_W, HYGRA_SI, t, tw, p), w, 1e-6 * w);
    EXPECT_NEAR(value(HYGRA_TDRY_V, HYGRA_W, HYGRA_SI, t, v, p), w, 1e-6 * w);
}

}  // namespace
