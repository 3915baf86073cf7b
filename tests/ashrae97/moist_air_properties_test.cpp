// Properties of a state of moist air: the condensed phase at the triple point,
// the ends of composition, saturation, and the dew point that is no answer.
#include <cmath>
#include <stdexcept>
#include <string>
#include <tuple>

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

TEST(MoistAirProperties, EndCasesOfComposition)
{
    const moist_air dry = state(300.0, 0.0);
    EXPECT_EQ(dry.ds(), 0.0);
    for (double t : {233.15, 268.15, 293.15, 333.15})
        EXPECT_NEAR(state(t, state(t, 0.0).ws()).ds(), 1.0, 1e-12) << t;
    EXPECT_EQ(dry.rh(), 0.0);
    EXPECT_EQ(dry.cpm(), dry.cpa());
    EXPECT_EQ(dry.rho(), 1.0 / dry.vm());
    // Nearly pure vapour, the largest W accepted (an infinite one is refused).
    for (auto [t, w, p] : {std::tuple{400.0, 1e6, 1e5}, {293.15, 0.0073633, atm}}) {
        const moist_air m = state(t, w, p);
        EXPECT_NEAR(m.cpm(), m.cpa() + w * m.cpg(), 1e-9 * m.cpm());
        EXPECT_NEAR(m.rho(), (1.0 + w) / m.vm(), 1e-9 * m.rho());
        EXPECT_GT(m.hm(), m.ha());
    }
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
    // pdew = xw p / f with the enhancement factor f a little above 1.
    for (double p : {5e4, atm, 5e5})
        for (double w : {0.0005, 0.02}) {
            const moist_air m = state(315.0, w, p);
            const double f = m.xw() * p / m.pdew();
            EXPECT_GT(f, 1.0) << p << " " << w;
            EXPECT_LT(f, 1.0 + 6e-8 * p) << p << " " << w;
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
