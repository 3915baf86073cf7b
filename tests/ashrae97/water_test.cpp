// Tests of the water-substance properties: the range, a few published values,
// the seams between fits, and the thermodynamic relations the fits must
// satisfy together. Values at ordinary states are covered by the saved answers.
#include "ashrae97/water.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "message.h"

namespace hygra::ashrae97 {
namespace {

double below(double t) { return std::nextafter(t, 0.0); }
double above(double t) { return std::nextafter(t, 1e9); }

TEST(Water, RangeIsTheLowerLimitToTheCriticalPoint)
{
    // Both limits are accepted; cpw looks 1e-8 T to either side, so there they fail.
    for (auto [t, made, cpw] : {std::tuple{173.15, "no error", "water"}, {647.096, "no error", "water"},
                                {173.16, "no error", "no error"}, {647.09, "no error", "no error"},
                                {173.14, "water", "water"}, {647.097, "water", "water"}}) {
        EXPECT_EQ(message_of([t = t] { (void)water(t); }), made) << t;
        EXPECT_EQ(message_of([t = t] { water(t).cpw(); }), cpw) << t;
    }
    // Two strict comparisons: a NaN is not rejected and runs through as NaN.
    EXPECT_TRUE(std::isnan(water(std::numeric_limits<double>::quiet_NaN()).pws()));
}

TEST(Water, PublishedValuesAtTheTriplePointAndTheIcePoint)
{
    // Published tables: saturation pressure over ice at the ice point, over
    // liquid at the triple point and at 100 degC; the enthalpy of ice at the
    // ice point against that of the liquid at the triple point, the reference.
    EXPECT_NEAR(water(273.15).pws(), 611.154, 0.0005);
    EXPECT_NEAR(water(273.16).pws(), 611.657, 0.0005);
    EXPECT_NEAR(water(373.15).pws(), 101418.7, 0.05);
    EXPECT_NEAR(water(273.16).hw(), 0.0, 0.001);
    EXPECT_NEAR(water(273.15).hw(), -333.43, 0.005);
}

TEST(Water, CondensedPhaseTurnsLiquidExactlyAtTheTriplePoint)
{
    const water ice(below(273.16)), liquid(273.16);
    // The two pressure fits meet to 1e-8; the ice fit lies 3.5e-6 Pa below.
    // Stepping back from 273.16 + h along the liquid slope (error near 1e-12 Pa)
    // shows which fit answered on either side of the switch.
    EXPECT_NEAR(ice.pws() / liquid.pws(), 1.0, 1e-8);
    const double liquid_fit = water(273.16 + 1e-4).pws() - 1e-4 * water(273.16 + 5e-5).dpws();
    EXPECT_NEAR(liquid.pws(), liquid_fit, 1e-7);
    EXPECT_NEAR(liquid_fit - ice.pws(), 3.5e-6, 0.2e-6);
    // Melting: ice takes 9 % more room than the liquid, which is almost four
    // times as compressible.
    EXPECT_NEAR(ice.vw(), 0.0010909, 5e-8);
    EXPECT_NEAR(liquid.vw(), 0.0010002, 5e-8);
    EXPECT_EQ(liquid.vw(), liquid.vl());
    EXPECT_NEAR(ice.kf(), 1.3382e-10, 5e-15);
    EXPECT_NEAR(liquid.kf(), 5.0881e-10, 5e-15);
    // The jumps of enthalpy and entropy are the latent heat of melting and its
    // entropy: dh = T ds, with dh near 333.41 kJ/kg.
    EXPECT_NEAR(liquid.hw() - ice.hw(), 333.41, 0.005);
    EXPECT_NEAR((liquid.hw() - ice.hw()) / 273.16, liquid.sw() - ice.sw(), 1e-5);
}

TEST(Water, SeamsBetweenTheFitsBelongToTheirSide)
{
    // Liquid: at 373.125 K the low fit still applies; the high one starts with
    // a step of 3.1e-4 kJ/kg and 9.7e-6 kJ/(kg K). The correction above
    // 403.128 K starts from zero, so nothing jumps there.
    const double seam = 373.125, bend = 403.128;
    EXPECT_NEAR(water(seam).hl(), water(below(seam)).hl(), 1e-10);
    EXPECT_NEAR(water(above(seam)).hl() - water(seam).hl(), 3.146e-4, 1e-6);
    EXPECT_NEAR(water(seam).sw(), water(below(seam)).sw(), 1e-12);
    EXPECT_NEAR(water(above(seam)).sw() - water(seam).sw(), 9.66e-6, 1e-7);
    EXPECT_NEAR(water(above(bend)).hl(), water(bend).hl(), 1e-10);
    EXPECT_NEAR(water(above(bend)).sw(), water(bend).sw(), 1e-12);
    // Compressibility: 373.15 - 273.15 is exactly 100, still the low fit; the
    // high fit is 1.15e-14 1/Pa higher.
    EXPECT_NEAR(water(373.15).kf(), water(below(373.15)).kf(), 1e-22);
    EXPECT_NEAR(water(above(373.15)).kf() - water(373.15).kf(), 1.15e-14, 0.01e-14);
    // Vapour heat capacity: each seam belongs to the upper fit; the fits jump
    // by 0.009 and 2.2 kJ/(kg K).
    for (auto [t, cpg, tol] : {std::tuple{573.15 - 1e-9, 6.20898, 5e-6}, {573.15, 6.218, 0.0005},
                               {623.15 - 1e-9, 16.69, 0.005}, {623.15, 18.91, 0.005}})
        EXPECT_NEAR(water(t).cpg(), cpg, tol) << t;
    // Auxiliary vapour density: the near-critical form takes over for the last
    // 1.1 mK, 2.4 kg/m3 higher, and gives the critical density at the end.
    const double near_critical = 647.096 * 0.9999982476;
    EXPECT_NEAR(water(near_critical).rhog(), 314.087, 0.0005);
    EXPECT_NEAR(water(above(near_critical)).rhog(), 316.465, 0.0005);
    EXPECT_EQ(water(647.096).rhog(), 322.0);
    // Viscosity at its reference density, where the powers of (rho* - 1) have a
    // zero base: no step.
    for (double rho : {below(317.763), above(317.763)})
        EXPECT_NEAR(water(500.0).viscosity(rho) / water(500.0).viscosity(317.763), 1.0, 1e-14);
}

TEST(Water, SaturationObeysClausiusClapeyron)
{
    // dp/dT = (hg - hw) / (T (vg - vw)), hg - hw in J/kg: over liquid against
    // dpws to 2.5e-4 up to 500 K (the separate fits part nearer the critical
    // point), over ice against a difference of pws to 4e-5. And at equilibrium
    // hg - hw = T (sg - sw): 5e-6 over ice, 2.7e-5 to 100 degC, 8.7e-5 to 500 K.
    const double h = 1e-3;
    for (double t = 174.0; t <= 500.0; t += 0.5) {
        const water w(t), up(t + h), down(t - h);
        const bool ice = t < 273.16;
        const double dpws = ice ? (up.pws() - down.pws()) / (2 * h) : w.dpws();
        const double slope = (w.hg() - w.hw()) * 1000.0 / (t * (w.vg() - w.vw()));
        EXPECT_NEAR(slope / dpws, 1.0, ice ? 1e-4 : 3e-4) << t;
        const double tol = ice ? 1e-5 : t <= 373.15 ? 4e-5 : 1e-4;
        EXPECT_NEAR((w.hg() - w.hw()) / t / (w.sg() - w.sw()), 1.0, tol) << t;
    }
}

}  // namespace
}  // namespace hygra::ashrae97
