// Dry air as a real gas: its reference state, and enthalpy, entropy and heat
// capacity consistent with one another over the whole range.
#include "ashrae97/dry_air.h"

#include <stdexcept>

#include <gtest/gtest.h>

namespace hygra::ashrae97 {
namespace {

TEST(DryAir, ReferenceStateAndRange)
{
    // Zero enthalpy and entropy at 0 degC and one atmosphere; the published volume.
    const dry_air a(273.15, 101325.0);
    EXPECT_NEAR(a.ha(), 0.0, 1e-5);
    EXPECT_NEAR(a.sa(), 0.0, 1e-5);
    EXPECT_NEAR(a.va(), 0.77339, 5e-6);
    // Range errors come from the virial coefficients.
    EXPECT_THROW(dry_air(170.0, 1e5), std::domain_error);
    EXPECT_THROW(dry_air(300.0, 6e6), std::domain_error);
}

TEST(DryAir, HeatCapacityAndEntropyFollowFromEnthalpy)
{
    // cp = dh/dT and dh = T ds at constant pressure.
    for (double p : {1e3, 101325.0, 1e6, 5e6})
        for (double t : {180.0, 250.0, 300.0, 450.0, 640.0}) {
            const double dt = 1e-5 * t;
            const dry_air up(t + dt, p), down(t - dt, p);
            const double dh = up.ha() - down.ha();
            EXPECT_NEAR(dry_air(t, p).cpa() * 2.0 * dt / dh, 1.0, 5e-9) << t << " K, " << p << " Pa";
            EXPECT_NEAR(dh / (t * (up.sa() - down.sa())), 1.0, 1e-8) << t << " K, " << p << " Pa";
        }
}

}  // namespace
}  // namespace hygra::ashrae97
