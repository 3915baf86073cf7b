// The edges of the model, through the C interface: the triple point, where
// saturation switches from ice to liquid; the limits of the range, typed as
// they are published; saturation read back with rounding; and inputs that hold
// no usable number. Each group checks the physics (saturated air is its own wet
// bulb and dew point, a state rebuilt from what a getter reported is the same
// state, NaN in gives NaN out), not the branches that give it.
#include <cmath>
#include <limits>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "hygra.h"

namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();
constexpr double atm = 1.01325;  // bar
constexpr double atm_psi = 14.695948775513449;

struct result {
    int code;
    double value;
};

result eval(int type, int code, int units, double a, double b, double p)
{
    double v = nan;
    const int rc = moistair_eval(type, code, units, &v, a, b, p);
    return {rc, v};
}

// The value of a property that must exist.
double value(int type, int code, int units, double a, double b, double p)
{
    const result r = eval(type, code, units, a, b, p);
    EXPECT_EQ(r.code, HYGRA_OK) << "type " << type << " code " << code << " of (" << a << ", " << b
                                << ") at " << p << ": " << hygra_last_error();
    return r.value;
}

TEST(TriplePoint, SaturatedAirIsItsOwnWetBulbAndDewPoint)
{
    // Dry bulbs at and around 0.01 degC, where the condensed phase switches.
    for (double p : {0.5, atm, 10.0, 45.0})
        for (double t : {0.0098, 0.00985, 0.01, 0.0105, 0.01075, 0.011}) {
            EXPECT_NEAR(value(HYGRA_TDRY_RH, HYGRA_TWB, HYGRA_SI, t, 1.0, p), t, 1e-9) << t << " " << p;
            EXPECT_NEAR(value(HYGRA_TDRY_RH, HYGRA_TDEW, HYGRA_SI, t, 1.0, p), t, 1e-9) << t << " " << p;
            // The same air given by its humidity ratio at saturation.
            const double ws = value(HYGRA_TDRY_RH, HYGRA_WS, HYGRA_SI, t, 0.5, p);
            EXPECT_NEAR(value(HYGRA_TDRY_W, HYGRA_TWB, HYGRA_SI, t, ws, p), t, 1e-9) << t << " " << p;
            EXPECT_NEAR(value(HYGRA_TDRY_W, HYGRA_TDEW, HYGRA_SI, t, ws, p), t, 1e-9) << t << " " << p;
        }
    // In inch-pound units the triple point is 32.018 degF.
    EXPECT_NEAR(value(HYGRA_TDRY_RH, HYGRA_TWB, HYGRA_IP, 32.018, 1.0, atm_psi), 32.018, 1e-9);
    EXPECT_NEAR(value(HYGRA_TDRY_RH, HYGRA_TDEW, HYGRA_IP, 32.018, 1.0, atm_psi), 32.018, 1e-9);
    // Nearly saturated air has both, between its dew point and its dry bulb.
    const double tw = value(HYGRA_TDRY_RH, HYGRA_TWB, HYGRA_SI, 0.01, 0.99999, atm);
    const double td = value(HYGRA_TDRY_RH, HYGRA_TDEW, HYGRA_SI, 0.01, 0.99999, atm);
    EXPECT_LE(td, tw);
    EXPECT_LE(tw, 0.01);
    EXPECT_GT(td, 0.0);
}

TEST(TriplePoint, DewPointGivenReadsBack)
{
    // Over ice just below the triple point and over liquid away from it, at
    // low, ordinary and high pressure. Just above the triple point, in a band
    // about 1 mK wide at 1 atm, a dew point over liquid shares its humidity
    // ratio with one over ice just below 0.01 degC, which is the one read.
    for (double p : {0.5, atm, 10.0, 45.0})
        for (double tdew : {-0.5, -0.01, 0.0, 0.005, 0.0098, 0.00985, 0.0099, 0.00999, 0.5, 2.0}) {
            const double back = value(HYGRA_TDRY_TDEW, HYGRA_TDEW, HYGRA_SI, 5.0, tdew, p);
            EXPECT_NEAR(back, tdew, 1e-6) << tdew << " degC at " << p << " bar";
        }
    // 0 degC at 45 bar, where the jump of saturation is widest.
    EXPECT_NEAR(value(HYGRA_TDRY_TDEW, HYGRA_TDEW, HYGRA_SI, 20.0, 0.0, 45.0), 0.0, 1e-6);
}

TEST(TriplePoint, EveryWetBulbReportedBuildsItsStateBack)
{
    // States whose wet bulb lies within a few mK of 0 and 0.01 degC, where the
    // water evaporated at the wet bulb turns from ice to liquid: whatever wet
    // bulb the getter reports for a state, the state is built back from it.
    for (double p : {0.5, 0.9, atm, 10.0})
        for (double tdb : {1.0, 4.0, 8.0, 12.0, 16.0})
            for (double tw_given : {-0.003, 0.0, 0.0018, 0.005, 0.0099, 0.01, 0.0101, 0.013}) {
                const result w = eval(HYGRA_TDRY_TWET, HYGRA_W, HYGRA_SI, tdb, tw_given, p);
                if (w.code != HYGRA_OK)
                    continue;  // drier than dry air
                const double tw = value(HYGRA_TDRY_TWET, HYGRA_TWB, HYGRA_SI, tdb, tw_given, p);
                const double rh = value(HYGRA_TDRY_TWET, HYGRA_RH, HYGRA_SI, tdb, tw_given, p);
                EXPECT_NEAR(value(HYGRA_TDRY_TWET, HYGRA_W, HYGRA_SI, tdb, tw, p), w.value,
                            1e-6 * w.value)
                    << tdb << " degC, wet bulb " << tw << " degC, " << p << " bar";
                EXPECT_NEAR(value(HYGRA_W_TWET, HYGRA_TDB, HYGRA_SI, w.value, tw, p), tdb, 2e-5);
                EXPECT_NEAR(value(HYGRA_RH_TWET, HYGRA_TDB, HYGRA_SI, rh, tw, p), tdb, 2e-5);
            }
    // The example of the report: 12 degC, 0.1 %, 0.9 bar has its wet bulb
    // between 0 and 0.01 degC.
    const double tw = value(HYGRA_TDRY_RH, HYGRA_TWB, HYGRA_SI, 12.0, 0.001, 0.9);
    EXPECT_GT(tw, 0.0);
    EXPECT_LT(tw, 0.01);
    EXPECT_NEAR(value(HYGRA_TDRY_TWET, HYGRA_RH, HYGRA_SI, 12.0, tw, 0.9), 0.001, 1e-9);
}

TEST(TriplePoint, TypedTriplePointIsLiquidWater)
{
    // Water has zero enthalpy and entropy as saturated liquid at the triple
    // point; ice there has -333 kJ/kg and a tenth more volume.
    for (int units : {HYGRA_SI, HYGRA_IP}) {
        const double t = units == HYGRA_SI ? 0.01 : 32.018;
        const double p = units == HYGRA_SI ? atm : atm_psi;
        EXPECT_NEAR(value(HYGRA_TDRY_RH, HYGRA_HW, units, t, 0.5, p), 0.0, 1e-2) << units;
        EXPECT_NEAR(value(HYGRA_TDRY_RH, HYGRA_SW, units, t, 0.5, p), 0.0, 1e-4) << units;
        const double vw = value(HYGRA_TDRY_RH, HYGRA_VW, HYGRA_SI, 0.01, 0.5, atm);
        EXPECT_NEAR(vw, 0.0010002, 1e-6);
    }
    // Just below it the water is ice.
    EXPECT_LT(value(HYGRA_TDRY_RH, HYGRA_HW, HYGRA_SI, 0.0099, 0.5, atm), -300.0);
}

TEST(Limits, PublishedLimitsAreInsideTheRange)
{
    double tmin_si, tmax_si, tmin_ip, tmax_ip;
    ASSERT_EQ(moistair_const(HYGRA_CONST_TMIN, HYGRA_SI, &tmin_si), HYGRA_OK);
    ASSERT_EQ(moistair_const(HYGRA_CONST_TMAX, HYGRA_SI, &tmax_si), HYGRA_OK);
    ASSERT_EQ(moistair_const(HYGRA_CONST_TMIN, HYGRA_IP, &tmin_ip), HYGRA_OK);
    ASSERT_EQ(moistair_const(HYGRA_CONST_TMAX, HYGRA_IP, &tmax_ip), HYGRA_OK);
    struct limit {
        int units;
        double typed, reported, beyond;
        double p;
    };
    const limit limits[] = {{HYGRA_SI, -100.0, tmin_si, -100.001, atm},
                            {HYGRA_SI, 372.0, tmax_si, 372.001, atm},
                            {HYGRA_IP, -148.0, tmin_ip, -148.001, atm_psi},
                            {HYGRA_IP, 701.6, tmax_ip, 701.601, atm_psi}};
    for (const limit& l : limits) {
        // As typed, and as the constants report them.
        for (double t : {l.typed, l.reported}) {
            EXPECT_EQ(eval(HYGRA_TDRY_W, HYGRA_W, l.units, t, 0.001, l.p).code, HYGRA_OK) << t;
            EXPECT_EQ(eval(HYGRA_TDRY_RH, HYGRA_HM, l.units, t, 0.001, l.p).code, HYGRA_OK) << t;
            EXPECT_EQ(eval(HYGRA_RH_TDRY, HYGRA_HM, l.units, 0.001, t, l.p).code, HYGRA_OK) << t;
            EXPECT_NEAR(value(HYGRA_TDRY_W, HYGRA_TDB, l.units, t, 0.0, l.p), l.typed, 1e-9) << t;
        }
        EXPECT_EQ(eval(HYGRA_TDRY_W, HYGRA_W, l.units, l.beyond, 0.001, l.p).code, HYGRA_OUT_OF_RANGE);
    }
    // The lowest temperature as a wet bulb and as a dew point.
    EXPECT_EQ(eval(HYGRA_TDRY_TWET, HYGRA_W, HYGRA_SI, -100.0, -100.0, atm).code, HYGRA_OK);
    EXPECT_EQ(eval(HYGRA_TDRY_TDEW, HYGRA_W, HYGRA_SI, 20.0, -100.0, atm).code, HYGRA_OK);
}

TEST(Limits, InchPoundAltitudeLimitsAsPublished)
{
    double at_limit, in_metres;
    ASSERT_EQ(moistair_pz(HYGRA_IP, &at_limit, -1640.42), HYGRA_OK);
    ASSERT_EQ(moistair_pz(HYGRA_SI, &in_metres, -500.0), HYGRA_OK);
    EXPECT_NEAR(at_limit, in_metres * 1e5 * 0.000145038, 1e-9);
    ASSERT_EQ(moistair_pz(HYGRA_IP, &at_limit, 32808.40), HYGRA_OK);
    ASSERT_EQ(moistair_tz(HYGRA_IP, &at_limit, 32808.40), HYGRA_OK);
    ASSERT_EQ(moistair_tz(HYGRA_SI, &in_metres, 10000.0), HYGRA_OK);
    EXPECT_NEAR(at_limit, in_metres * 1.8 + 32.0, 1e-9);
    EXPECT_EQ(moistair_pz(HYGRA_IP, &at_limit, -1640.43), HYGRA_OUT_OF_RANGE);
    EXPECT_EQ(moistair_pz(HYGRA_IP, &at_limit, 32808.41), HYGRA_OUT_OF_RANGE);
    // Metres are exact: a millimetre beyond is beyond.
    EXPECT_EQ(moistair_pz(HYGRA_SI, &at_limit, -500.001), HYGRA_OUT_OF_RANGE);
}

TEST(Saturation, WetBulbARoundingAboveTheDryBulbIsSaturatedAir)
{
    for (double t : {-40.0, 0.01, 25.0})
        for (double above : {0.0, 1e-9, 1e-7, 1e-6}) {
            EXPECT_NEAR(value(HYGRA_TDRY_TWET, HYGRA_RH, HYGRA_SI, t, t + above, atm), 1.0, 2e-8)
                << t << " + " << above;
        }
    const result r = eval(HYGRA_TDRY_TWET, HYGRA_RH, HYGRA_SI, 25.0, 25.0 + 1e-5, atm);
    EXPECT_EQ(r.code, HYGRA_OUT_OF_RANGE);
    EXPECT_NE(std::string(hygra_last_error()).find("above the dry-bulb temperature"), std::string::npos);
}

TEST(BadNumbers, NegativeHumidityRatioIsRefusedWhereTheStateIsBuilt)
{
    for (double w : {-1e-3, -0.5, -1.0, -2.0})
        for (int type : {HYGRA_TDRY_W, HYGRA_W_TDRY}) {
            const double a = type == HYGRA_TDRY_W ? 20.0 : w, b = type == HYGRA_TDRY_W ? w : 20.0;
            EXPECT_EQ(eval(type, HYGRA_P, HYGRA_SI, a, b, 1.0).code, HYGRA_OUT_OF_RANGE) << w;
            EXPECT_NE(std::string(hygra_last_error()).find("is negative"), std::string::npos) << w;
        }
    // A negative relative humidity is refused by every search, entropy included.
    for (int type : {HYGRA_RH_H, HYGRA_RH_S, HYGRA_RH_V, HYGRA_RH_TWET}) {
        EXPECT_EQ(eval(type, HYGRA_TDB, HYGRA_SI, -0.5, 0.1, atm).code, HYGRA_OUT_OF_RANGE) << type;
        EXPECT_NE(std::string(hygra_last_error()).find("relative humidity -0.5 is negative"),
                  std::string::npos);
    }
}

TEST(BadNumbers, InputsTheFormulationCannotHoldAreRefused)
{
    // Humidity ratios so large that the mole fraction stored cannot give them back.
    for (double w : {1e7, 1e12, 1e20, inf}) {
        EXPECT_EQ(eval(HYGRA_TDRY_W, HYGRA_W, HYGRA_SI, 20.0, w, atm).code, HYGRA_OUT_OF_RANGE) << w;
        EXPECT_EQ(eval(HYGRA_W_RH, HYGRA_TDB, HYGRA_SI, w, 0.5, atm).code, HYGRA_OUT_OF_RANGE) << w;
    }
    // Up to the largest accepted, W reads back.
    for (double w : {1e3, 1e6})
        EXPECT_NEAR(value(HYGRA_TDRY_W, HYGRA_W, HYGRA_SI, 300.0, w, 0.01), w, 1e-9 * w);
    // Tiny humidity ratios read back to their digits too.
    EXPECT_NEAR(value(HYGRA_TDRY_W, HYGRA_W, HYGRA_SI, 20.0, 1e-17, atm), 1e-17, 1e-30);
    // Infinite second inputs of the searches.
    EXPECT_EQ(eval(HYGRA_W_RH, HYGRA_RH, HYGRA_SI, 0.0099, -inf, atm).code, HYGRA_OUT_OF_RANGE);
    EXPECT_EQ(eval(HYGRA_W_H, HYGRA_RH, HYGRA_SI, 0.0099, inf, atm).code, HYGRA_OUT_OF_RANGE);
    EXPECT_EQ(eval(HYGRA_RH_V, HYGRA_RH, HYGRA_SI, 0.5, inf, atm).code, HYGRA_OUT_OF_RANGE);
    EXPECT_NE(std::string(hygra_last_error()).find("is not a finite number"), std::string::npos);
}

TEST(BadNumbers, ANanInputGivesNanForWhatDependsOnIt)
{
    // Every state type, a NaN in each input and in the pressure: the state is
    // built (code 0), and every property of it that depends on the NaN is NaN.
    const double good[19][2] = {
        {25, 18},      {25, 0.5},      {25, 0.01},    {25, 50},    {25, 0.2},   {25, 0.86},
        {25, 10},      {0.01, 18},     {0.01, 25},    {0.01, 0.5}, {0.01, 50},  {0.01, 0.2},
        {0.01, 0.86},  {0.5, 18},      {0.5, 25},     {0.5, 0.01}, {0.5, 50},   {0.5, 0.2},
        {0.5, 0.86}};
    for (int type = 0; type < 19; ++type)
        for (int where = 0; where < 3; ++where) {
            const double a = where == 0 ? nan : good[type][0];
            const double b = where == 1 ? nan : good[type][1];
            const double p = where == 2 ? nan : atm;
            for (int code : {HYGRA_TWB, HYGRA_RH, HYGRA_HM, HYGRA_VM, HYGRA_SM}) {
                const result r = eval(type, code, HYGRA_SI, a, b, p);
                EXPECT_EQ(r.code, HYGRA_OK) << "type " << type << " NaN at " << where << ": "
                                            << hygra_last_error();
                EXPECT_TRUE(std::isnan(r.value)) << "type " << type << " NaN at " << where
                                                 << " code " << code << " gave " << r.value;
            }
        }
    // The cases of the report: nothing is searched on NaN.
    EXPECT_TRUE(std::isnan(value(HYGRA_TDRY_W, HYGRA_TWB, HYGRA_SI, nan, 0.01, atm)));
    EXPECT_TRUE(std::isnan(value(HYGRA_TDRY_RH, HYGRA_TWB, HYGRA_SI, nan, 0.5, atm)));
    EXPECT_TRUE(std::isnan(value(HYGRA_TDRY_RH, HYGRA_TDEW, HYGRA_SI, nan, 0.5, atm)));
    // What does not depend on the NaN keeps its value: the given dry bulb.
    EXPECT_EQ(value(HYGRA_TDRY_H, HYGRA_TDB, HYGRA_SI, 25.0, nan, atm), 25.0);
    // Range checks still apply to the inputs that are numbers.
    EXPECT_EQ(eval(HYGRA_TDRY_H, HYGRA_TDB, HYGRA_SI, 400.0, nan, atm).code, HYGRA_OUT_OF_RANGE);
    EXPECT_EQ(eval(HYGRA_W_H, HYGRA_TDB, HYGRA_SI, -0.5, nan, atm).code, HYGRA_OUT_OF_RANGE);
}

TEST(BadNumbers, SignedZeroPressureGivesOneAnswer)
{
    // Whatever the thread's cache holds, -0 and +0 bar are one pressure.
    auto w_at = [](double p) { return eval(HYGRA_TDRY_H, HYGRA_W, HYGRA_SI, 0.0, 55.53, p); };
    result first_minus, plus, minus;
    std::thread([&] { first_minus = w_at(-0.0); }).join();  // a fresh, empty cache
    std::thread([&] {
        plus = w_at(0.0);
        minus = w_at(-0.0);
    }).join();
    EXPECT_EQ(first_minus.code, HYGRA_OK);
    EXPECT_EQ(first_minus.code, plus.code);
    EXPECT_EQ(first_minus.value, plus.value);
    EXPECT_EQ(minus.value, plus.value);
}

TEST(Searches, RelativeHumidityWithWetBulbNearFreezingAndInDryAir)
{
    // States built from dry bulb and a wet bulb within half a kelvin of 0 degC,
    // rebuilt from the relative humidity and that wet bulb.
    int checked = 0;
    for (double p : {0.5, atm, 10.0})
        for (double tw = -0.5; tw <= 0.5; tw += 0.0625)
            for (double tdb : {0.75, 2.0, 5.0, 9.0, 14.53}) {
                const result rh = eval(HYGRA_TDRY_TWET, HYGRA_RH, HYGRA_SI, tdb, tw, p);
                if (rh.code != HYGRA_OK)
                    continue;  // drier than dry air
                const double tw_read = value(HYGRA_TDRY_TWET, HYGRA_TWB, HYGRA_SI, tdb, tw, p);
                EXPECT_NEAR(value(HYGRA_RH_TWET, HYGRA_TDB, HYGRA_SI, rh.value, tw_read, p), tdb, 2e-5)
                    << tdb << " degC, wet bulb " << tw << " degC, " << p << " bar";
                ++checked;
            }
    EXPECT_GT(checked, 100);
    // The cases of the report.
    EXPECT_NEAR(value(HYGRA_RH_TWET, HYGRA_TDB, HYGRA_SI, 0.10033305614253518, -0.47, 0.5), 14.53, 1e-4);
    EXPECT_NEAR(value(HYGRA_RH_TWET, HYGRA_TDB, HYGRA_SI, 1e-05, 47.106142587210854, atm), 220.0, 1e-4);
    // A wet bulb of exactly 0.01 degC.
    const double rh = value(HYGRA_TDRY_TWET, HYGRA_RH, HYGRA_SI, 6.0, 0.01, atm);
    EXPECT_NEAR(value(HYGRA_RH_TWET, HYGRA_TDB, HYGRA_SI, rh, 0.01, atm), 6.0, 2e-5);
}

TEST(Searches, StatesNearTheRangeLimitsRebuildFromPairsWithoutTheDryBulb)
{
    const int types[] = {HYGRA_W_TWET, HYGRA_W_RH, HYGRA_W_H, HYGRA_W_S, HYGRA_W_V,
                         HYGRA_RH_TWET, HYGRA_RH_W, HYGRA_RH_H, HYGRA_RH_S, HYGRA_RH_V};
    const int first[] = {HYGRA_W, HYGRA_W, HYGRA_W, HYGRA_W, HYGRA_W,
                         HYGRA_RH, HYGRA_RH, HYGRA_RH, HYGRA_RH, HYGRA_RH};
    const int second[] = {HYGRA_TWB, HYGRA_RH, HYGRA_HM, HYGRA_SM, HYGRA_VM,
                          HYGRA_TWB, HYGRA_W, HYGRA_HM, HYGRA_SM, HYGRA_VM};
    int rebuilt = 0;
    for (double tdb : {-99.95, -99.9, 371.5, 371.8, 371.95})
        for (double rh : {0.001, 0.5})
            for (double p : {0.01, atm}) {
                if (eval(HYGRA_TDRY_RH, HYGRA_W, HYGRA_SI, tdb, rh, p).code != HYGRA_OK)
                    continue;  // above the boiling point
                for (int i = 0; i < 10; ++i) {
                    const double a = value(HYGRA_TDRY_RH, first[i], HYGRA_SI, tdb, rh, p);
                    const double b = value(HYGRA_TDRY_RH, second[i], HYGRA_SI, tdb, rh, p);
                    EXPECT_NEAR(value(types[i], HYGRA_TDB, HYGRA_SI, a, b, p), tdb, 2e-5)
                        << "type " << types[i] << " at " << tdb << " degC, rh " << rh << ", " << p;
                    ++rebuilt;
                }
            }
    EXPECT_GE(rebuilt, 100);
}

TEST(Searches, DewPointAndWetBulbOfColdDryAirAndRebuildsOfNearlyPureVapour)
{
    // Cold dry air whose dew point lies just above the lowest temperature,
    // where the dew-point correlation starts the search far from it: the dew
    // point is saturation at the humidity ratio, and the wet bulb lies between
    // it and the dry bulb.
    struct cold {
        double tdb, rh, p;
    };
    for (const cold& c : {cold{-77.2675, 0.0172405, 15.047}, cold{-76.4012, 0.0144548, 0.409103},
                          cold{-69.1296, 0.000434868, 0.313788}, cold{-57.5419, 6.95235e-06, 0.0150919}}) {
        const double tw = value(HYGRA_TDRY_RH, HYGRA_TWB, HYGRA_SI, c.tdb, c.rh, c.p);
        EXPECT_LT(tw, c.tdb);
        const double w = value(HYGRA_TDRY_RH, HYGRA_W, HYGRA_SI, c.tdb, c.rh, c.p);
        EXPECT_NEAR(value(HYGRA_TDRY_TWET, HYGRA_W, HYGRA_SI, c.tdb, tw, c.p), w, 1e-6 * w + 1e-12);
        const result td = eval(HYGRA_TDRY_RH, HYGRA_TDEW, HYGRA_SI, c.tdb, c.rh, c.p);
        if (td.code == HYGRA_OK) {
            EXPECT_LT(td.value, tw);
            EXPECT_NEAR(value(HYGRA_TDRY_TDEW, HYGRA_W, HYGRA_SI, c.tdb, td.value, c.p), w, 1e-6 * w);
        } else {
            EXPECT_EQ(td.code, HYGRA_OUT_OF_RANGE);  // below the range, and said so
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
