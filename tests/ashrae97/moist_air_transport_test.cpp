// Transport properties of moist air: the dilute-gas limit, Wilke's mixing rule
// at its ends, and the seam of the diffusion fits.
#include <cmath>

#include <gtest/gtest.h>

#include "ashrae97/air_trans.h"
#include "ashrae97/moist_air.h"

namespace hygra::ashrae97 {
namespace {

moist_air state(double t, double w, double p = 101325.0) { return moist_air(moist_air::tdry_w, t, w, p); }

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

}  // namespace
}  // namespace hygra::ashrae97
