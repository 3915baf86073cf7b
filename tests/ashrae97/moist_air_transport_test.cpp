#include <cmath>

#include <gtest/gtest.h>

#include "ashrae97/air_trans.h"
#include "ashrae97/moist_air.h"
#include "ashrae97/water.h"

namespace hygra::ashrae97 {
namespace {

moist_air state(double t, double w, double p = 101325.0) { return moist_air(moist_air::tdry_w, t, w, p); }

TEST(MoistAirTransport, DryAirAt300K)
{
    const moist_air low = state(300.0, 0.0);
    EXPECT_NEAR(low.mua(), 1.8537e-05, 5e-10);
    EXPECT_NEAR(low.tka(), 0.026384, 5e-7);
    const moist_air high = state(300.0, 0.0, 5e6);
    EXPECT_NEAR(high.mua(), 1.9420e-05, 5e-10);
    EXPECT_NEAR(high.tka(), 0.028390, 5e-7);
}

TEST(MoistAirTransport, DiluteGasAtZeroDensity)
{
    // At zero density only the dilute-gas parts remain; the residual parts add
    // about 5 % and 8 % at 50 bar.
    double mu0, k0, mu, k;
    air_trans(300.0, 0.0, mu0, k0);
    air_trans(300.0, 1000.0 / (0.017064 * 28.9645 * 1000.0), mu, k);
    EXPECT_NEAR(mu / mu0, 1.05, 0.01);
    EXPECT_NEAR(k / k0, 1.08, 0.01);
    EXPECT_EQ(state(300.0, 0.0, 0.0).mua(), mu0);
}

TEST(MoistAirTransport, MixingRuleEndCases)
{
    const moist_air dry = state(320.0, 0.0);
    EXPECT_EQ(dry.mum(), dry.mua());
    EXPECT_EQ(dry.tkm(), dry.tka());
    // Nearly pure vapour, the largest W accepted.
    const moist_air vapour = state(420.0, 1e6, 1e5);
    EXPECT_NEAR(vapour.mum(), vapour.mug(), 1e-5 * vapour.mug());
    EXPECT_NEAR(vapour.tkm(), vapour.tkg(), 1e-5 * vapour.tkg());
    // In between, the mixture lies between its components and tends to them.
    const moist_air humid = state(320.0, 0.05);
    EXPECT_LT(humid.mum(), humid.mua());
    EXPECT_GT(humid.mum(), humid.mug());
    EXPECT_NEAR(state(320.0, 1e-9).mum(), dry.mua(), 1e-9 * dry.mua());
}

TEST(MoistAirTransport, WaterAtItsOwnDensities)
{
    const water h2o(300.0);
    const moist_air m = state(300.0, 0.01);
    EXPECT_EQ(m.muw(), h2o.viscosity(1.0 / h2o.vl()));
    EXPECT_NEAR(m.muw(), 8.5384e-04, 5e-8);
    EXPECT_NEAR(m.tkw(), 0.61028, 5e-5);
    EXPECT_EQ(m.mug(), h2o.viscosity(1.0 / h2o.vg()));
    EXPECT_EQ(m.tkg(), h2o.tk(h2o.rhog()));
    // Below the triple point the liquid values are those of supercooled water.
    const water cold(263.15);
    EXPECT_EQ(state(263.15, 0.0).muw(), cold.viscosity(1.0 / cold.vl()));
}

TEST(MoistAirTransport, DiffusionSwitchesFormulaAt80C)
{
    const double p = 101325.0;
    const double below = state(353.15 - 1e-9, 0.01).daw();
    const double at = state(353.15, 0.01).daw();
    EXPECT_NEAR(at, 0.0008052375 / p * std::pow(353.15, 2.5) / (353.15 + 190.0), 1e-18);
    EXPECT_NEAR(below, 0.00010491143 * std::pow(353.15, 1.774) / p, 1e-15);
    // The two fits meet within a few per cent.
    EXPECT_NEAR(below / at, 1.0, 0.05);
    EXPECT_NEAR(state(293.15, 0.01).daw(), 2.5e-5, 0.2e-5);
}

TEST(MoistAirTransport, DimensionlessNumbers)
{
    const moist_air m = state(300.0, 0.01);
    EXPECT_NEAR(m.pra(), 1000.0 * m.cpa() * m.mua() / m.tka(), 1e-15);
    EXPECT_NEAR(m.pra(), 0.707, 0.005);
    EXPECT_NEAR(m.prw(), 5.8, 0.2);
    EXPECT_NEAR(m.prm(), 0.70, 0.02);
    EXPECT_NEAR(m.scm(), m.mum() / (1.01 / m.vm() * m.daw()), 1e-12);
    EXPECT_NEAR(m.scm(), 0.6, 0.05);
}

}  // namespace
}  // namespace hygra::ashrae97
