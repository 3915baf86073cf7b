#include <cmath>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "ashrae97/moist_air.h"
#include "ashrae97/water.h"
#include "numeric/errors.h"

namespace hygra::ashrae97 {
namespace {

constexpr double atm = 101325.0;

moist_air state(double t, double w, double p = atm) { return moist_air(moist_air::tdry_w, t, w, p); }

moist_air state_x(double t, double xw, double p = atm)
{
    // W = Mw/Ma xw / (1 - xw); the mole fraction comes back within rounding.
    return state(t, 0.6219779385109357 * xw / (1.0 - xw), p);
}

std::string message_of(double (moist_air::*getter)() const, const moist_air& m)
{
    try {
        (m.*getter)();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "no error";
}

TEST(MoistAirProperties, CondensedPhaseSwitchesAtTheTriplePoint)
{
    const moist_air ice = state(273.15, 0.0);
    EXPECT_NEAR(ice.vw(), 0.0010909, 5e-8);
    EXPECT_NEAR(ice.hw(), -333.43, 5e-3);
    EXPECT_NEAR(ice.sw(), -1.2206, 5e-5);
    const moist_air liquid = state(273.16, 0.0);
    EXPECT_NEAR(liquid.vw(), 0.0010002, 5e-8);
    EXPECT_NEAR(liquid.hw(), 0.0, 1e-3);
    EXPECT_NEAR(liquid.sw(), 0.0, 1e-4);
    // The heat capacity of water is the liquid one on both sides.
    EXPECT_NEAR(ice.cpw(), liquid.cpw(), 1e-3);
    EXPECT_NEAR(liquid.cpw(), 4.2204, 5e-4);
}

TEST(MoistAirProperties, LowestTemperatureLeavesNoRoomForTheLiquidHeatCapacity)
{
    const moist_air cold = state(173.15, 0.0);
    EXPECT_EQ(message_of(&moist_air::cpw, cold), "water");
    EXPECT_EQ(message_of(&moist_air::prw, cold), "water");
    EXPECT_NO_THROW(cold.cpg());
    EXPECT_NO_THROW(cold.hw());
}

TEST(MoistAirProperties, EndCasesOfComposition)
{
    const moist_air dry = state(300.0, 0.0);
    EXPECT_EQ(dry.ds(), 0.0);
    EXPECT_EQ(dry.rh(), 0.0);
    EXPECT_EQ(dry.cpm(), dry.cpa());
    EXPECT_EQ(dry.rho(), 1.0 / dry.vm());
    // Nearly pure vapour, the largest W accepted (an infinite one is refused:
    // it reads back as no number).
    const double w = 1e6;
    const moist_air vapour = state(400.0, w, 1e5);
    EXPECT_GT(vapour.xw(), 1.0 - 1e-6);
    EXPECT_NEAR(vapour.cpm(), vapour.cpa() + w * vapour.cpg(), 1e-9 * vapour.cpm());
    EXPECT_NEAR(vapour.rho(), (1.0 + w) / vapour.vm(), 1e-9 * vapour.rho());
    EXPECT_THROW(state(400.0, INFINITY, 1e5), std::domain_error);
}

TEST(MoistAirProperties, DewPointPressureIsTheVapourPartialPressure)
{
    // pdew = xw p / f with the enhancement factor f a little above 1.
    for (double p : {5e4, atm, 5e5})
        for (double w : {0.0005, 0.005, 0.02}) {
            const moist_air m = state(315.0, w, p);
            const double f = m.xw() * p / m.pdew();
            EXPECT_GT(f, 1.0) << p << " " << w;
            EXPECT_LT(f, 1.0 + 6e-8 * p) << p << " " << w;
        }
}

TEST(MoistAirProperties, SaturationIsConsistent)
{
    for (double t : {233.15, 268.15, 293.15, 333.15}) {
        const double ws = state(t, 0.0).ws();
        const moist_air sat = state(t, ws);
        EXPECT_NEAR(sat.rh(), 1.0, 1e-12) << t;
        EXPECT_NEAR(sat.ds(), 1.0, 1e-12) << t;
        EXPECT_NEAR(sat.tdew(), t, 1e-6) << t;
        EXPECT_NEAR(sat.twet(), t, 1e-6) << t;
        // A saturated state never reads a wet bulb or dew point above its dry bulb.
        EXPECT_LE(sat.twet(), t) << t;
        EXPECT_LE(sat.tdew(), t) << t;
        EXPECT_NEAR(sat.pdew(), sat.pws(), 1e-6 * sat.pws()) << t;
        EXPECT_NEAR(sat.pwet(), sat.pws(), 1e-6 * sat.pws()) << t;
    }
}

TEST(MoistAirProperties, DewPointAboveDryBulbBelowSaturationIsAFailure)
{
    // At a vapour pressure of 1e-10 Pa the dew-point search fails and the
    // correlation it falls back on turns back up above the dry bulb; the true
    // dew point lies far below the model's lowest temperature.
    const moist_air m = state_x(300.0, 1e-12, 100.0);
    EXPECT_EQ(message_of(&moist_air::tdew, m), "moist_air::tdew");
    EXPECT_EQ(message_of(&moist_air::pdew, m), "moist_air::tdew");
    // Half saturated at -99 degC: the dew point lies below the model's -100 degC.
    const moist_air cold = state(174.15, 0.5 * state(174.15, 0.0, 1e3).ws(), 1e3);
    EXPECT_EQ(message_of(&moist_air::tdew, cold), "moist_air::tdew");
    EXPECT_THROW(cold.tdew(), std::domain_error);
    EXPECT_LT(cold.twet(), cold.tdry());
}

TEST(MoistAirProperties, MixtureMatchesItsParts)
{
    const moist_air m = state(293.15, 0.0073633);
    EXPECT_NEAR(m.vm(), 0.840006, 1e-6);
    EXPECT_NEAR(m.hm(), 38.8018, 1e-4);
    EXPECT_NEAR(m.sm(), 0.140584, 1e-6);
    EXPECT_NEAR(m.rh(), 0.50483, 1e-5);
    EXPECT_NEAR(m.cpm(), m.cpa() + 0.0073633 * m.cpg(), 1e-6);
    EXPECT_NEAR(m.rho(), 1.0073633 / m.vm(), 1e-6);
    // Per kg of dry air, the moist air holds the dry air and W of vapour.
    EXPECT_GT(m.vm(), m.va());
    EXPECT_GT(m.hm(), m.ha());
}

}  // namespace
}  // namespace hygra::ashrae97
