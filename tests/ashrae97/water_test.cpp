// Tests of the water-substance properties: reference values, the seams between
// fits, and the thermodynamic relations the fits must satisfy together.
#include "ashrae97/water.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

namespace hygra::ashrae97 {
namespace {

std::string construction_message(double t)
{
    try {
        water w(t);
    } catch (const std::domain_error& e) {
        return e.what();
    }
    return "no error";
}

std::string cpw_message(double t)
{
    try {
        water(t).cpw();
    } catch (const std::domain_error& e) {
        return e.what();
    }
    return "no error";
}

double below(double t) { return std::nextafter(t, 0.0); }
double above(double t) { return std::nextafter(t, 1e9); }

TEST(Water, AcceptsTemperaturesFromItsLowerLimitToTheCriticalPoint)
{
    EXPECT_EQ(construction_message(173.15), "no error");
    EXPECT_EQ(construction_message(647.096), "no error");
    EXPECT_EQ(construction_message(173.14), "water");
    EXPECT_EQ(construction_message(647.097), "water");
    EXPECT_EQ(construction_message(-300.0), "water");
    // Two strict comparisons: a NaN is not rejected and runs through as NaN.
    const water w(std::numeric_limits<double>::quiet_NaN());
    EXPECT_TRUE(std::isnan(w.pws()));
    EXPECT_TRUE(std::isnan(w.hw()));
}

TEST(Water, LiquidHeatCapacityNeedsRoomForItsDifferenceStep)
{
    // cpw looks 1e-8 T to either side, so the limits themselves fail.
    EXPECT_EQ(cpw_message(647.096), "water");
    EXPECT_EQ(cpw_message(173.15), "water");
    EXPECT_EQ(cpw_message(647.09), "no error");
    EXPECT_EQ(cpw_message(173.16), "no error");
}

TEST(Water, SaturationPressureReferenceValues)
{
    struct row {
        double t, pws, tol;
        const char* source;
    };
    const row rows[] = {
        {273.15, 611.154, 0.0005, "ice at the ice point"},
        {273.16, 611.657, 0.0005, "liquid at the triple point, which is liquid"},
        {373.15, 101418.7, 0.05, "liquid at 100 degC, just above one atmosphere"},
    };
    for (const row& r : rows)
        EXPECT_NEAR(water(r.t).pws(), r.pws, r.tol) << r.source;
}

TEST(Water, EnthalpyAndEntropyReferToLiquidAtTheTriplePoint)
{
    const water triple(273.16);
    EXPECT_NEAR(triple.hw(), 0.0, 0.001);
    EXPECT_NEAR(triple.hl(), 0.0, 0.001);
    EXPECT_NEAR(triple.sw(), 0.0, 0.0001);
    EXPECT_NEAR(triple.hg(), 2500.81, 0.005);  // latent heat of evaporation there
    // Ice at the ice point: the latent heat and entropy of melting below zero.
    const water ice(273.15);
    EXPECT_NEAR(ice.hw(), -333.43, 0.005);
    EXPECT_NEAR(ice.sw(), -1.2206, 0.00005);
}

TEST(Water, CondensedPhaseTurnsLiquidExactlyAtTheTriplePoint)
{
    const water ice(below(273.16));
    const water liquid(273.16);
    // The two pressure fits meet: the same triple-point pressure to 1e-8.
    EXPECT_NEAR(ice.pws() / liquid.pws(), 1.0, 1e-8);
    // Melting: ice takes 9 % more room than the liquid, which is almost four
    // times as compressible.
    EXPECT_NEAR(ice.vw(), 0.0010909, 5e-8);
    EXPECT_NEAR(liquid.vw(), 0.0010002, 5e-8);
    EXPECT_EQ(liquid.vw(), liquid.vl());
    EXPECT_NEAR(ice.kf(), 1.3382e-10, 5e-15);
    EXPECT_NEAR(liquid.kf(), 5.0881e-10, 5e-15);
    // The jumps of enthalpy and entropy are the latent heat of melting and
    // its entropy, and belong together: dh = T ds.
    const double dh = liquid.hw() - ice.hw();
    const double ds = liquid.sw() - ice.sw();
    EXPECT_NEAR(dh, 333.41, 0.005);
    EXPECT_NEAR(dh / 273.16, ds, 1e-5);
    // The liquid functions ignore the switch: supercooled liquid below it.
    EXPECT_NEAR(ice.vl(), liquid.vl(), 1e-12);
    EXPECT_NEAR(ice.hl(), liquid.hl(), 1e-9);
    EXPECT_NEAR(ice.dpws(), liquid.dpws(), 1e-9);
}

TEST(Water, TriplePointPressureComesFromTheLiquidFit)
{
    // The ice fit lies 3.5e-6 Pa below the liquid fit at 273.16 K. Step back
    // from 273.16 + h along the liquid slope (error near 1e-12 Pa) to see
    // which fit answered on either side of the switch.
    const double t = 273.16;
    const double h = 1e-4;
    const double liquid_fit = water(t + h).pws() - h * water(t + h / 2).dpws();
    EXPECT_NEAR(water(t).pws(), liquid_fit, 1e-7);
    EXPECT_NEAR(liquid_fit - water(below(t)).pws(), 3.5e-6, 0.2e-6);
}

TEST(Water, LiquidFitsSwitchAbove373125AndBendAbove403128)
{
    // At 373.125 K the low fit still applies; the high one starts with a small
    // step of 3.1e-4 kJ/kg in enthalpy and 9.7e-6 kJ/(kg K) in entropy.
    const double seam = 373.125;
    EXPECT_NEAR(water(seam).hl(), water(below(seam)).hl(), 1e-10);
    EXPECT_NEAR(water(above(seam)).hl() - water(seam).hl(), 3.146e-4, 1e-6);
    EXPECT_NEAR(water(seam).sw(), water(below(seam)).sw(), 1e-12);
    EXPECT_NEAR(water(above(seam)).sw() - water(seam).sw(), 9.66e-6, 1e-7);
    // The correction above 403.128 K starts from zero, so nothing jumps there.
    const double bend = 403.128;
    EXPECT_NEAR(water(above(bend)).hl(), water(bend).hl(), 1e-10);
    EXPECT_NEAR(water(above(bend)).sw(), water(bend).sw(), 1e-12);
}

TEST(Water, VapourHeatCapacityAcrossItsThreeFits)
{
    struct row {
        double t, cpg, tol;
        const char* source;
    };
    const double just_below_573 = 573.15 - 1e-9;
    const double just_below_623 = 623.15 - 1e-9;
    // Each seam belongs to the upper fit; the fits jump by 0.009 and 2.2 kJ/(kg K).
    // The reference 6.208 is truncated (the fit gives 6.20898), hence one unit.
    const row rows[] = {
        {273.16, 1.889, 0.0005, "low fit at the triple point"},
        {373.15, 2.078, 0.0005, "low fit at 100 degC"},
        {just_below_573, 6.208, 0.001, "low fit at its upper end"},
        {573.15, 6.218, 0.0005, "middle fit from 573.15 K on"},
        {just_below_623, 16.69, 0.005, "middle fit at its upper end"},
        {623.15, 18.91, 0.005, "high fit from 623.15 K on"},
    };
    for (const row& r : rows)
        EXPECT_NEAR(water(r.t).cpg(), r.cpg, r.tol) << r.source;
}

TEST(Water, LiquidHeatCapacityIsTheSlopeOfTheLiquidEnthalpy)
{
    EXPECT_NEAR(water(273.16).cpw(), 4.2204, 0.00005);
    EXPECT_NEAR(water(300.0).cpw(), 4.1810, 0.00005);
    // Below the triple point it is still the liquid, never ice (about 2 kJ/(kg K)).
    EXPECT_GT(water(250.0).cpw(), 4.3);

    // Against a difference of hl with a step of 0.01 K instead of 1e-8 T: the
    // fits agree to 6e-7 everywhere except within a step of the 373.125 K
    // seam, where the 3.1e-4 kJ/kg enthalpy step dominates any difference.
    const double h = 0.01;
    for (double t = 174.0; t <= 646.0; t += 1.0) {
        if (std::fabs(t - 373.125) < 2 * h)
            continue;
        const double slope = (water(t + h).hl() - water(t - h).hl()) / (2 * h);
        EXPECT_NEAR(water(t).cpw() / slope, 1.0, 2e-6) << t;
    }
}

TEST(Water, SlopeOfSaturationPressureObeysClausiusClapeyron)
{
    // dp/dT = (hg - hl) / (T (vg - vl)), hg - hl in J/kg. The liquid fits are
    // separate fits and agree to 2.5e-4 from the triple point to 500 K; nearer
    // the critical point they part (1.5 % at 550 K), so the check stops there.
    for (double t = 273.16; t <= 500.0; t += 0.5) {
        const water w(t);
        const double slope = (w.hg() - w.hl()) * 1000.0 / (t * (w.vg() - w.vl()));
        EXPECT_NEAR(slope / w.dpws(), 1.0, 3e-4) << t;
    }
    // Over ice, against a difference of the ice pressure: 4e-5.
    for (double t = 174.0; t <= 273.0; t += 1.0) {
        const water w(t);
        const double h = 1e-3;
        const double dpws = (water(t + h).pws() - water(t - h).pws()) / (2 * h);
        const double slope = (w.hg() - w.hw()) * 1000.0 / (t * (w.vg() - w.vw()));
        EXPECT_NEAR(slope / dpws, 1.0, 1e-4) << t;
    }
}

TEST(Water, LatentHeatIsTemperatureTimesEntropyOfEvaporation)
{
    // Vapour and condensed phase in equilibrium: hg - hw = T (sg - sw). This
    // ties the entropy fits to the enthalpy fits; they agree to 5e-6 over ice,
    // 2.7e-5 over liquid up to 100 degC and 8.7e-5 up to 500 K.
    for (double t = 173.15; t <= 500.0; t += 0.5) {
        const water w(t);
        const double tol = t < 273.16 ? 1e-5 : t <= 373.15 ? 4e-5 : 1e-4;
        EXPECT_NEAR((w.hg() - w.hw()) / t / (w.sg() - w.sw()), 1.0, tol) << t;
    }
}

TEST(Water, EachPhaseAlongSaturationObeysDhEqualsTdsPlusVdp)
{
    // Along the saturation line dh/dT = T ds/dT + v dp/dT, here with
    // differences of 1 mK (1e-4 T for the vapour). Each phase's enthalpy and
    // entropy fits are separate, so this checks one against the other,
    // including the high-temperature corrections of the liquid.
    const double h = 1e-3;
    for (double t = 273.5; t <= 645.0; t += 0.5) {
        if (std::fabs(t - 373.125) < 2 * h)
            continue;  // the fits' step at the seam swamps any difference
        const water w(t), up(t + h), down(t - h);
        const double dh = (up.hl() - down.hl()) / (2 * h);
        const double tds = t * (up.sw() - down.sw()) / (2 * h);
        const double vdp = 0.001 * w.vl() * w.dpws();  // J/kg to kJ/kg
        // 1.6e-5 up to 475 K; the fits part towards the critical point (4.8e-3).
        EXPECT_NEAR((dh - tds - vdp) / dh, 0.0, t <= 475.0 ? 2e-5 : 6e-3) << "liquid " << t;
    }
    for (double t = 174.0; t <= 273.0; t += 0.5) {
        // Ice: v dp is below the fits' agreement of 2.7e-5.
        const water up(t + h), down(t - h);
        const double dh = (up.hw() - down.hw()) / (2 * h);
        const double tds = t * (up.sw() - down.sw()) / (2 * h);
        EXPECT_NEAR((dh - tds) / dh, 0.0, 4e-5) << "ice " << t;
    }
    for (double t = 174.0; t <= 500.0; t += 0.5) {
        if (std::fabs(t - 273.16) < 0.1)
            continue;  // the vapour follows the pressure fits across the switch
        const double hv = 1e-4 * t;
        const water w(t), up(t + hv), down(t - hv);
        const double dp = (up.pws() - down.pws()) / (2 * hv);
        const double tds = t * (up.sg() - down.sg()) / (2 * hv);
        const double dh = (up.hg() - down.hg()) / (2 * hv);
        // 1.9e-4 at worst up to 500 K.
        EXPECT_NEAR((dh - tds - 0.001 * w.vg() * dp) / tds, 0.0, 2.5e-4) << "vapour " << t;
    }
}

TEST(Water, DerivativesOfTheVapourVirialCoefficients)
{
    // Exact derivatives against central differences, step 1e-5 T: agree to 1e-8.
    for (double t = 175.0; t <= 645.0; t += 5.0) {
        const double h = 1e-5 * t;
        const water w(t), up(t + h), down(t - h);
        EXPECT_NEAR((up.b() - down.b()) / (2 * h) / w.db(), 1.0, 1e-8) << t;
        EXPECT_NEAR((up.c() - down.c()) / (2 * h) / w.dc(), 1.0, 2e-8) << t;
    }
}

TEST(Water, SaturatedVapourDensityOfTheAuxiliaryEquation)
{
    // At the critical temperature the near-critical form gives the critical density.
    EXPECT_EQ(water(647.096).rhog(), 322.0);
    // Over the last 1.1 mK the near-critical form takes over, 2.4 kg/m3 higher.
    const double seam = 647.096 * 0.9999982476;
    EXPECT_NEAR(water(seam).rhog(), 314.087, 0.0005);
    EXPECT_NEAR(water(above(seam)).rhog(), 316.465, 0.0005);
    // Over liquid, away from the critical point, it agrees with the real-gas
    // vapour volume to 3.2e-4 (1.3 % at 550 K). Below the triple point vg is
    // over ice while the auxiliary equation stays over liquid, so they part.
    for (double t = 273.16; t <= 500.0; t += 0.5) {
        const water w(t);
        EXPECT_NEAR(w.rhog() * w.vg(), 1.0, 4e-4) << t;
    }
}

TEST(Water, CompressibilityUsesTheLowLiquidFitUpTo100C)
{
    // 373.15 - 273.15 is exactly 100: the low fit, continuous from below; the
    // high fit is 2.3e-5 higher.
    const water boiling(373.15);
    EXPECT_NEAR(boiling.kf(), water(below(373.15)).kf(), 1e-22);
    EXPECT_NEAR(water(above(373.15)).kf() - boiling.kf(), 1.15e-14, 0.01e-14);
    EXPECT_NEAR(boiling.kf(), 4.9019e-10, 5e-15);
}

TEST(Water, TransportReferenceValues)
{
    struct row {
        const char* what;
        double value, expected, tol;
    };
    const water liquid(300.0);
    const double rho_l = 1.0 / liquid.vl();
    const water vapour(373.15);
    const double rho_v = 1.0 / vapour.vg();
    const row rows[] = {
        // liquid at 300 K
        {"liquid density", rho_l, 996.51, 0.005},
        {"liquid viscosity", liquid.viscosity(rho_l), 8.5384e-04, 5e-09},
        {"liquid conductivity", liquid.tk(rho_l), 0.61028, 5e-06},
        // saturated vapour at 100 degC
        {"vapour density 1/vg", rho_v, 0.59815, 5e-06},
        {"vapour viscosity", vapour.viscosity(rho_v), 1.2269e-05, 5e-10},
        {"auxiliary vapour density", vapour.rhog(), 0.59810, 5e-06},
        {"vapour conductivity", vapour.tk(vapour.rhog()), 0.024794, 5e-07},
    };
    for (const row& r : rows)
        EXPECT_NEAR(r.value, r.expected, r.tol) << r.what;
}

TEST(Water, ViscosityIsSmoothThroughTheReferenceDensity)
{
    // At rho = 317.763 kg/m3 the powers of (rho* - 1) have a zero base and the
    // j = 0 terms alone remain: no step there.
    const water w(500.0);
    const double rho = 317.763;
    const double mu = w.viscosity(rho);
    EXPECT_NEAR(w.viscosity(below(rho)) / mu, 1.0, 1e-14);
    EXPECT_NEAR(w.viscosity(above(rho)) / mu, 1.0, 1e-14);
    EXPECT_TRUE(std::isfinite(mu));
}

}  // namespace
}  // namespace hygra::ashrae97
