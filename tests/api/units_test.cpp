#include "api/units.h"

#include <gtest/gtest.h>

namespace hygra {
namespace {

TEST(Units, FlagZeroIsSiAnyOtherIsInchPound)
{
    EXPECT_EQ(unit_index(0), 1);
    EXPECT_EQ(unit_index(1), 2);
    EXPECT_EQ(unit_index(2), 2);
    EXPECT_EQ(unit_index(-1), 2);
}

TEST(Units, PressureUsesTheStoredFactors)
{
    // 1 bar is 1/1e-5 Pa, which rounds below 100000 in double precision.
    EXPECT_EQ(1.0 / u_Fp[1], 99999.99999999999);
    EXPECT_EQ(14.7 / u_Fp[2], 14.7 / 0.000145038);
    // The psi factor is the stored one, not the exact 0.000145037738.
    EXPECT_NEAR(101325.0 * u_Fp[2], 14.69597535, 1e-8);
}

TEST(Units, TemperatureScales)
{
    EXPECT_DOUBLE_EQ(temperature_in(0.0, 1), 273.15);
    EXPECT_DOUBLE_EQ(temperature_in(212.0, 2), 373.15);
    EXPECT_NEAR(temperature_out(373.15, 2), 212.0, 1e-12);
    EXPECT_NEAR(temperature_out(273.15, 1), 0.0, 1e-13);
    EXPECT_NEAR(temperature_in(-40.0, 2), temperature_in(-40.0, 1), 1e-12);
    for (double t : {-148.0, -40.0, 32.0, 68.0, 701.6})
        EXPECT_NEAR(temperature_out(temperature_in(t, 2), 2), t, 1e-12);
}

TEST(Units, CompoundFactors)
{
    // 1 Btu/lb is 2.326 kJ/kg.
    EXPECT_NEAR(1.0 / u_Fh[2], 2.326, 1e-12);
    // 1 Btu/(lb degF) is 4.1868 kJ/(kg K): enthalpy factor over temperature-difference factor.
    EXPECT_NEAR(entropy_in(1.0, 2), 4.1868, 1e-12);
    EXPECT_NEAR(entropy_out(entropy_in(0.24, 2), 2), 0.24, 1e-15);
    // SI passes entropies unchanged.
    EXPECT_EQ(entropy_out(1.234, 1), 1.234);
    EXPECT_EQ(entropy_in(1.234, 1), 1.234);
    // 1 ft3/lb is 0.062428 m3/kg; 1 lb/(ft h) is 1/2419.088 Pa s.
    EXPECT_NEAR(1.0 / u_Fv[2], 0.06242796, 1e-8);
    EXPECT_NEAR(3.280839895013123 * 0.3048, 1.0, 1e-15);
    EXPECT_NEAR(u_Fd[2] / (3.280839895013123 * 3.280839895013123 * 3600.0), 1.0, 1e-6);
}

}  // namespace
}  // namespace hygra
