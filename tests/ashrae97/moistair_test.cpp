#include "ashrae97/moistair.h"

#include <cmath>

#include <gtest/gtest.h>

#include "ashrae97/moist_air.h"

namespace hygra::ashrae97 {
namespace {

constexpr double atm = 101325.0;

TEST(RealGasMixture, ReferenceMixtureAt20C)
{
    // 293.15 K, 1 atm, xw = 0.0117 (W = 0.0073633)
    const moistair m(293.15, atm, 0.0117);
    EXPECT_NEAR(m.w(), 0.0073633, 5e-8);
    EXPECT_NEAR(m.vm(), 0.840006, 5e-7);
    EXPECT_NEAR(m.hm(), 38.8018, 5e-5);
    EXPECT_NEAR(m.sm(), 0.140584, 5e-7);
    EXPECT_NEAR(m.rh(), 0.50483, 5e-6);
    EXPECT_NEAR(m.tdew_estimate(), 282.656, 5e-4);
    EXPECT_NEAR(m.tdew(), 282.567, 5e-4);
    EXPECT_NEAR(m.twet(), 286.995, 5e-4);
}

TEST(RealGasMixture, ColdMixtureOverIce)
{
    const moistair m(253.15, atm, 0.0005);
    EXPECT_NEAR(m.hm(), -19.348, 5e-4);
    EXPECT_NEAR(m.tdew(), 245.897, 5e-4);
    EXPECT_NEAR(m.twet(), 252.362, 5e-4);
}

TEST(RealGasMixture, DryAirHasItsDewPointAtTheLowerLimit)
{
    const moistair m(293.15, atm, 0.0);
    EXPECT_NEAR(m.vm(), 0.830202, 5e-7);
    EXPECT_NEAR(m.hm(), 20.1206, 5e-5);
    EXPECT_EQ(m.rh(), 0.0);
    EXPECT_EQ(m.tdew(), 173.15);
}

TEST(RealGasMixture, WetBulbOfDryAirIsFound)
{
    // Bone-dry air at 20 degC and 1 atm has a wet bulb between 5.5 and 6 degC,
    // not the dew point at the lower temperature limit.
    const double tw = moistair(293.15, atm, 0.0).twet();
    EXPECT_NEAR(tw - 273.15, 5.75, 0.25);
    // The energy balance it satisfies: h(T, 0) + Ws* hw* = hs*.
    double ws, xws, xas;
    virial(tw, atm).efactor(ws, xws, xas);
    const double hs = moistair(tw, atm, xws).hm();
    const double h = moistair(293.15, atm, 0.0).hm();
    EXPECT_NEAR(h + ws * water(tw).hw(), hs, 1e-6);
    // Very dry air: the dew point is far from the wet bulb.
    const moistair dry(293.15, atm, 0.001 * 0.0231762);
    EXPECT_NEAR(dry.twet(), tw, 0.1);
    EXPECT_GT(dry.twet(), tw);
}

TEST(RealGasMixture, WetBulbOfDryAirNearFreezingBalancesItsEnergy)
{
    // Dry air from 4 to 16 degC has its wet bulb near 0 degC. The search runs
    // from the lowest temperature to the dry bulb, across the triple point where
    // the balance jumps: the answer must be a root, not the jump.
    for (double t = 277.15; t <= 289.15; t += 1.0) {
        const moistair dry(t, atm, 0.0);
        const double tw = dry.twet();
        double ws, xws, xas;
        virial(tw, atm).efactor(ws, xws, xas);
        const double balance = dry.hm() + ws * water(tw).hw() - moistair(tw, atm, xws).hm();
        EXPECT_NEAR(balance, 0.0, 1e-6) << t << " K: wet bulb " << tw;
        EXPECT_LT(tw, t);
    }
}

TEST(RealGasMixture, WetBulbLiesBetweenDewPointAndDryBulb)
{
    for (double t : {233.15, 263.15, 293.15, 313.15, 343.15}) {
        double ws, xws, xas;
        virial(t, atm).efactor(ws, xws, xas);
        for (double rh : {0.05, 0.3, 0.7, 0.95}) {
            const moistair m(t, atm, rh * xws);
            const double td = m.tdew(), tw = m.twet();
            EXPECT_LT(td, tw) << t << " " << rh;
            EXPECT_LT(tw, t) << t << " " << rh;
            EXPECT_NEAR(m.rh(), rh, 1e-12);
        }
        // At saturation the three temperatures coincide.
        const moistair s(t, atm, xws);
        EXPECT_NEAR(s.rh(), 1.0, 1e-15);
        EXPECT_NEAR(s.tdew(), t, 1e-5) << t;
        EXPECT_NEAR(s.twet(), t, 1e-5) << t;
    }
}

TEST(RealGasMixture, DewPointSaturatesTheAir)
{
    // At the dew point the saturation humidity ratio equals the air's.
    for (double p : {5e4, atm, 1e6}) {
        const moistair m(300.0, p, 0.005);
        double ws, xws, xas;
        virial(m.tdew(), p).efactor(ws, xws, xas);
        EXPECT_NEAR(ws, m.w(), 1e-7 * m.w()) << p;
    }
}

TEST(RealGasMixture, PureVapourIsPerMole)
{
    // Without dry air the per-kg-of-dry-air values have no meaning: volume,
    // enthalpy and entropy come per mole (m3/kmol, J/mol, J/(mol K)).
    const moistair v(400.0, 1e5, 1.0);
    EXPECT_NEAR(v.vm(), 8.31441 * 400.0 / 1e5 * 1e3, 1.0);  // close to ideal gas, m3/kmol
    EXPECT_EQ(v.w(), 0.0);
    const moistair nearly(400.0, 1e5, 1.0 - 1e-9);
    EXPECT_NEAR(nearly.hm(), v.hm(), 1e-3);
}

TEST(RealGasMixture, VolumeIterationSurvivesZeroPressure)
{
    const moistair m(300.0, 0.0, 0.0);
    EXPECT_TRUE(std::isinf(m.vm()));
}

TEST(RealGasMixture, EntropyAndEnthalpyAreConsistent)
{
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
