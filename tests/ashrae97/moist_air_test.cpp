// A state of moist air from dry bulb and humidity ratio: the conversion to a
// mole fraction and the range checks in their order. Its properties at the
// lowest temperature, for nearly pure vapour, at saturation, where the dew
// point is no answer; the transport properties at the dilute-gas limit, at the
// ends of the mixing rule and at the seam of the diffusion fits. Then the
// real-gas mixture at a dry bulb, pressure and mole fraction of vapour: the dew
// point and wet bulb it searches for, and its end cases.
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "ashrae97/air_trans.h"
#include "ashrae97/moist_air.h"
#include "ashrae97/moistair.h"
#include "ashrae97/water.h"
#include "message.h"

namespace hygra::ashrae97 {
namespace {

constexpr double atm = 101325.0;

moist_air state(double t, double w, double p = atm) { return moist_air(moist_air::tdry_w, t, w, p); }

TEST(MoistAir, HumidityRatioAndItsMoleFraction)
{
    // xw = W / (W + Mw/Ma): no water, nearly pure vapour, and pure vapour.
    EXPECT_EQ(xw_from_w(0.0), 0.0);
    EXPECT_NEAR(xw_from_w(1e300), 1.0, 1e-15);
    EXPECT_EQ(w_from_xw(1.0), 0.0);
    // 1 - 1/(1 + W) cancels digits for small W: the round trip keeps about ten.
    for (double w : {1e-6, 0.0073, 0.5, 3.0})
        EXPECT_NEAR(w_from_xw(xw_from_w(w)), w, 1e-9 * w) << w;
}

TEST(MoistAir, RangeChecksInTheirOrder)
{
    // The limits are accepted; temperature before pressure; a negative W gives
    // a negative mole fraction; an unknown state type is refused.
    const auto tdry_w = moist_air::tdry_w;
    for (auto [type, t, w, p, m] :
         {std::tuple{tdry_w, 173.15, 0.0, 0.0, "no error"}, {tdry_w, 645.15, 0.0, 5e6, "no error"},
          {tdry_w, 173.1499, 0.0, 1e5, "moist_air::t_range"}, {tdry_w, 645.1501, 0.0, 1e5, "moist_air::t_range"},
          {tdry_w, 300.0, 0.0, 5000000.1, "moist_air::p_range"}, {tdry_w, 300.0, 0.0, -1.0, "moist_air::p_range"},
          {tdry_w, 100.0, 0.0, -1.0, "moist_air::t_range"}, {tdry_w, 300.0, -0.5, 1e5, "moist_air::x_range"}})
        EXPECT_EQ(message(type, t, w, p), m) << type << " " << t << " " << w << " " << p;
    EXPECT_EQ(message(static_cast<moist_air::state_type>(30), 300.0, 0.0, 1e5), "moist_air");
    // A NaN passes both comparisons of a range check.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(std::isnan(moist_air(tdry_w, nan, 0.0, 1e5).tdry()));
}

TEST(MoistAirProperties, NoLiquidHeatCapacityAtTheLowestTemperature)
{
    // The heat capacity of water has no room for its difference step there.
    const moist_air cold = state(173.15, 0.0);
    EXPECT_EQ(message_of([&] { cold.cpw(); }), "water");
    EXPECT_EQ(message_of([&] { cold.prw(); }), "water");
    EXPECT_EQ(message_of([&] { cold.cpg(); }), "no error");
}

TEST(MoistAirProperties, SaturationAndTheDewPointPressure)
{
    // Saturated air over ice and liquid, at low and high pressure: the dew
    // point and wet bulb are the dry bulb, never above it (a search's
    // overshoot by rounding is pulled back).
    for (double t = 175.0; t < 645.0; t += 7.5)
        for (double p : {1e3, atm, 1e6, 5e6}) {
            if (water(t).pws() >= p)
                continue;  // boiling
            const moist_air sat(moist_air::tdry_rh, t, 1.0, p);
            SCOPED_TRACE(testing::Message() << t << " K, " << p << " Pa");
            EXPECT_NEAR(sat.rh(), 1.0, 1e-12);
            EXPECT_LE(sat.twet(), t);
            EXPECT_LE(sat.tdew(), t);
            EXPECT_NEAR(sat.tdew(), t, 1e-6);
            EXPECT_NEAR(sat.pdew(), sat.pws(), 1e-6 * sat.pws());
            EXPECT_NEAR(sat.pwet(), sat.pws(), 1e-6 * sat.pws());
        }
}

TEST(MoistAirProperties, DewPointAboveDryBulbBelowSaturationIsAFailure)
{
    // At a vapour pressure of 1e-10 Pa the dew-point search fails and the
    // correlation it falls back on turns back up above the dry bulb.
    const moist_air m = state(300.0, 0.6219779385109357e-12, 100.0);
    EXPECT_EQ(message_of([&] { m.tdew(); }), "moist_air::tdew");
    EXPECT_EQ(message_of([&] { m.pdew(); }), "moist_air::tdew");
    // Half saturated at -99 degC: the dew point lies below the model's -100 degC.
    const moist_air cold = state(174.15, 0.5 * state(174.15, 0.0, 1e3).ws(), 1e3);
    EXPECT_EQ(message_of([&] { cold.tdew(); }), "moist_air::tdew");
    EXPECT_LT(cold.twet(), cold.tdry());
}

TEST(MoistAirTransport, DiluteGasAndMixingRule)
{
    // At zero pressure only the dilute-gas parts remain.
    double mu0, k0;
    air_trans(300.0, 0.0, mu0, k0);
    EXPECT_EQ(state(300.0, 0.0, 0.0).mua(), mu0);
    EXPECT_EQ(state(300.0, 0.0, 0.0).tka(), k0);
    // The mixture tends to its components at the ends.
    const moist_air dry = state(320.0, 0.0);
    EXPECT_EQ(dry.mum(), dry.mua());
    EXPECT_EQ(dry.tkm(), dry.tka());
    const moist_air vapour = state(420.0, 1e6, 1e5);
    EXPECT_NEAR(vapour.mum(), vapour.mug(), 1e-5 * vapour.mug());
    EXPECT_NEAR(vapour.tkm(), vapour.tkg(), 1e-5 * vapour.tkg());
}

TEST(MoistAirTransport, DiffusionSwitchesFormulaAt80C)
{
    // The two published fits meet within a few per cent; 80 degC belongs to the upper.
    const double p = 101325.0;
    const double below = state(353.15 - 1e-9, 0.01).daw();
    const double at = state(353.15, 0.01).daw();
    EXPECT_NEAR(at, 0.0008052375 / p * std::pow(353.15, 2.5) / (353.15 + 190.0), 1e-18);
    EXPECT_NEAR(below, 0.00010491143 * std::pow(353.15, 1.774) / p, 1e-15);
    EXPECT_NEAR(below / at, 1.0, 0.05);
}

TEST(RealGasMixture, DewPointEstimateAndDryAir)
{
    // The published dew-point correlation over liquid and over ice starts the
    // searches for the dew point (at 20 and -20 degC, and in humid air at
    // 80 degC, where its square and cube in ln(pw) weigh most).
    EXPECT_NEAR(moistair(293.15, atm, 0.0117).tdew_estimate(), 282.656, 5e-4);
    EXPECT_NEAR(moistair(353.15, atm, 0.4).tdew_estimate(), 349.3578, 1e-4);
    EXPECT_NEAR(moistair(253.15, atm, 0.0005).tdew_estimate(), 246.0471, 1e-4);
    // Dry air has no humidity and its dew point at the lower limit.
    const moistair m(293.15, atm, 0.0);
    EXPECT_EQ(m.rh(), 0.0);
    EXPECT_EQ(m.tdew(), 173.15);
}

TEST(RealGasMixture, EndCases)
{
    // Without dry air the per-kg-of-dry-air values have no meaning: volume,
    // enthalpy and entropy come per mole (m3/kmol, J/mol, J/(mol K)).
    const moistair v(400.0, 1e5, 1.0);
    EXPECT_NEAR(v.vm(), 8.31441 * 400.0 / 1e5 * 1e3, 1.0);
    EXPECT_EQ(v.w(), 0.0);
    EXPECT_NEAR(moistair(400.0, 1e5, 1.0 - 1e-9).hm(), v.hm(), 1e-3);
    // The volume iteration survives zero pressure.
    EXPECT_TRUE(std::isinf(moistair(300.0, 0.0, 0.0).vm()));
}

}  // namespace
}  // namespace hygra::ashrae97
