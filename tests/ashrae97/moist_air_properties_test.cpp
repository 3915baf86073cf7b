// Properties of a state of moist air: the lowest temperature, nearly pure
// vapour, saturation, and the dew point that is no answer.
#include <cmath>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "ashrae97/moist_air.h"
#include "ashrae97/water.h"
#include "message.h"

namespace hygra::ashrae97 {
namespace {

constexpr double atm = 101325.0;

moist_air state(double t, double w, double p = atm) { return moist_air(moist_air::tdry_w, t, w, p); }

TEST(MoistAirProperties, NoLiquidHeatCapacityAtTheLowestTemperature)
{
    // The heat capacity of water has no room for its difference step there.
    const moist_air cold = state(173.15, 0.0);
    EXPECT_EQ(message_of([&] { cold.cpw(); }), "water");
    EXPECT_EQ(message_of([&] { cold.prw(); }), "water");
    EXPECT_EQ(message_of([&] { cold.cpg(); }), "no error");
}

TEST(MoistAirProperties, NearlyPureVapour)
{
    // The largest W accepted (an infinite one is refused).
    const moist_air m = state(400.0, 1e6, 1e5);
    EXPECT_NEAR(m.cpm(), m.cpa() + 1e6 * m.cpg(), 1e-9 * m.cpm());
    EXPECT_NEAR(m.rho(), (1.0 + 1e6) / m.vm(), 1e-9 * m.rho());
    EXPECT_GT(m.hm(), m.ha());
    EXPECT_THROW(state(400.0, INFINITY, 1e5), std::domain_error);
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

}  // namespace
}  // namespace hygra::ashrae97
