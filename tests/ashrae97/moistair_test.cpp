// The real-gas mixture at a dry bulb, pressure and mole fraction of vapour:
// the dew point and wet bulb it searches for, and its end cases.
#include "ashrae97/moistair.h"

#include <cmath>

#include <gtest/gtest.h>

#include "ashrae97/moist_air.h"

namespace hygra::ashrae97 {
namespace {

constexpr double atm = 101325.0;

// The wet-bulb energy balance h(T, W) + (Ws* - W) hw* - hs* at tw, kJ/kg of dry air.
double wet_bulb_balance(const moistair& m, double tw)
{
    double ws, xws, xas;
    virial(tw, m.p()).efactor(ws, xws, xas);
    return m.hm() + (ws - m.w()) * water(tw).hw() - moistair(tw, m.p(), xws).hm();
}

TEST(RealGasMixture, DewPointEstimateAndDryAir)
{
    // The published dew-point correlation over liquid and over ice starts the
    // searches for the dew point (at 20 and -20 degC).
    EXPECT_NEAR(moistair(293.15, atm, 0.0117).tdew_estimate(), 282.656, 5e-4);
    EXPECT_NEAR(moistair(253.15, atm, 0.0005).tdew_estimate(), 246.0471, 1e-4);
    // Dry air has no humidity and its dew point at the lower limit.
    const moistair m(293.15, atm, 0.0);
    EXPECT_EQ(m.rh(), 0.0);
    EXPECT_EQ(m.tdew(), 173.15);
}

TEST(RealGasMixture, WetBulbOfDryAirBalancesItsEnergy)
{
    // Dry air from 4 to 20 degC has its wet bulb between 0 and 6 degC, not at
    // the dew point at the lower limit. The search runs from the lowest
    // temperature to the dry bulb, across the triple point where the balance
    // jumps: the answer must be a root, not the jump.
    for (double t = 277.15; t <= 293.15; t += 1.0) {
        const moistair dry(t, atm, 0.0);
        EXPECT_NEAR(wet_bulb_balance(dry, dry.twet()), 0.0, 1e-6) << t << " K: wet bulb " << dry.twet();
        EXPECT_LT(dry.twet(), t);
    }
    EXPECT_NEAR(moistair(293.15, atm, 0.0).twet() - 273.15, 5.75, 0.25);
    // Very dry air: the walk from the dew point is long, the wet bulb a little higher.
    const moistair dry(293.15, atm, 0.001 * 0.0231762);
    EXPECT_NEAR(wet_bulb_balance(dry, dry.twet()), 0.0, 1e-6);
    EXPECT_GT(dry.twet(), moistair(293.15, atm, 0.0).twet());
}

TEST(RealGasMixture, EndCasesAndEnthalpyAgainstEntropy)
{
    // Without dry air the per-kg-of-dry-air values have no meaning: volume,
    // enthalpy and entropy come per mole (m3/kmol, J/mol, J/(mol K)).
    const moistair v(400.0, 1e5, 1.0);
    EXPECT_NEAR(v.vm(), 8.31441 * 400.0 / 1e5 * 1e3, 1.0);
    EXPECT_EQ(v.w(), 0.0);
    EXPECT_NEAR(moistair(400.0, 1e5, 1.0 - 1e-9).hm(), v.hm(), 1e-3);
    // The volume iteration survives zero pressure.
    EXPECT_TRUE(std::isinf(moistair(300.0, 0.0, 0.0).vm()));
    // dh = T ds at constant pressure and composition.
    for (double t : {250.0, 300.0, 350.0}) {
        const double xw = 0.002, p = 2e5, dt = 1e-3;
        const double dh = moistair(t + dt, p, xw).hm() - moistair(t - dt, p, xw).hm();
        const double ds = moistair(t + dt, p, xw).sm() - moistair(t - dt, p, xw).sm();
        EXPECT_NEAR(dh / (t * ds), 1.0, 1e-6) << t;
    }
}

}  // namespace
}  // namespace hygra::ashrae97
