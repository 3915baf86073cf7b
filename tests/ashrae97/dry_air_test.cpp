#include "ashrae97/dry_air.h"

#include <stdexcept>

#include <gtest/gtest.h>

namespace hygra::ashrae97 {
namespace {

TEST(DryAir, ReferenceStateHasZeroEnthalpyAndEntropy)
{
    const dry_air a(273.15, 101325.0);
    EXPECT_NEAR(a.ha(), 0.0, 1e-5);
    EXPECT_NEAR(a.sa(), 0.0, 1e-5);
    EXPECT_NEAR(a.va(), 0.77339, 5e-6);
}

TEST(DryAir, ReferenceValues)
{
    EXPECT_NEAR(dry_air(293.15, 101325.0).ha(), 20.1206, 5e-5);
    EXPECT_NEAR(dry_air(293.15, 101325.0).sa(), 0.071090, 5e-7);
    EXPECT_NEAR(dry_air(300.0, 101325.0).cpa(), 1.00651, 5e-6);
    EXPECT_NEAR(dry_air(300.0, 5e6).cpa(), 1.08818, 5e-6);
    EXPECT_NEAR(dry_air(300.0, 5e6).va(), 0.017064, 5e-7);
}

TEST(DryAir, HeatCapacityIsTheDerivativeOfEnthalpy)
{
    for (double p : {1e3, 101325.0, 1e6, 5e6})
        for (double t : {180.0, 250.0, 300.0, 450.0, 640.0}) {
            const double dt = 1e-5 * t;
            const double slope =
                (dry_air(t + dt, p).ha() - dry_air(t - dt, p).ha()) / (2.0 * dt);
            EXPECT_NEAR(dry_air(t, p).cpa() / slope, 1.0, 5e-9) << t << " K, " << p << " Pa";
        }
}

TEST(DryAir, EntropyFollowsFromEnthalpy)
{
    // dh = T ds at constant pressure.
    for (double p : {101325.0, 5e6}) {
        const double t = 320.0, dt = 0.01;
        const double dh = dry_air(t + dt, p).ha() - dry_air(t - dt, p).ha();
        const double ds = dry_air(t + dt, p).sa() - dry_air(t - dt, p).sa();
        EXPECT_NEAR(dh / (t * ds), 1.0, 1e-8) << p;
    }
}

TEST(DryAir, RangeErrorsComeFromTheVirialCoefficients)
{
    EXPECT_THROW(dry_air(170.0, 1e5), std::domain_error);
    EXPECT_THROW(dry_air(300.0, 6e6), std::domain_error);
}

}  // namespace
}  // namespace hygra::ashrae97
