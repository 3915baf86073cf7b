// Transport properties of moist air: the dilute-gas limit, Wilke's mixing rule
// at its ends, water at its own densities, and the seam of the diffusion fits.
#include <cmath>

#include <gtest/gtest.h>

#include "ashrae97/air_trans.h"
#include "ashrae97/moist_air.h"
#include "ashrae97/water.h"

namespace hygra::ashrae97 {
namespace {

moist_air state(double t, double w, double p = 101325.0) { return moist_air(moist_air::tdry_w, t, w, p); }

TEST(MoistAirTransport, DiluteGasAndMixingRule)
{
    // At zero density only the dilute-gas parts remain; the residual parts add
    // about 5 % and 8 % at 50 bar.
    double mu0, k0, mu, k;
    air_trans(300.0, 0.0, mu0, k0);
    air_trans(300.0, 1.0 / (state(300.0, 0.0, 5e6).va() * 28.9645), mu, k);  // mol/dm3
    EXPECT_NEAR(mu / mu0, 1.05, 0.01);
    EXPECT_NEAR(k / k0, 1.08, 0.01);
    EXPECT_EQ(state(300.0, 0.0, 0.0).mua(), mu0);
    // The mixture tends to its components at the ends and lies between them.
    const moist_air dry = state(320.0, 0.0);
    EXPECT_EQ(dry.mum(), dry.mua());
    EXPECT_EQ(dry.tkm(), dry.tka());
    const moist_air vapour = state(420.0, 1e6, 1e5);
    EXPECT_NEAR(vapour.mum(), vapour.mug(), 1e-5 * vapour.mug());
    EXPECT_NEAR(vapour.tkm(), vapour.tkg(), 1e-5 * vapour.tkg());
    const moist_air humid = state(320.0, 0.05);
    EXPECT_LT(humid.mum(), humid.mua());
    EXPECT_GT(humid.mum(), humid.mug());
    EXPECT_NEAR(state(320.0, 1e-9).mum(), dry.mua(), 1e-9 * dry.mua());
}

TEST(MoistAirTransport, WaterAtItsOwnDensities)
{
    // Liquid (supercooled below the triple point) at its density, vapour at
    // the real-gas density (viscosity) and at the auxiliary one (conductivity).
    for (double t : {263.15, 300.0}) {
        const water h2o(t);
        const moist_air m = state(t, 0.001);
        EXPECT_EQ(m.muw(), h2o.viscosity(1.0 / h2o.vl())) << t;
        EXPECT_EQ(m.tkw(), h2o.tk(1.0 / h2o.vl())) << t;
        EXPECT_EQ(m.mug(), h2o.viscosity(1.0 / h2o.vg())) << t;
        EXPECT_EQ(m.tkg(), h2o.tk(h2o.rhog())) << t;
    }
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

}  // namespace
}  // namespace hygra::ashrae97
