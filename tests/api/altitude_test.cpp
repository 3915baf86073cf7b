// Standard atmosphere at an altitude: moist_air::pz and ::tz in internal units,
// and moistair_pz / moistair_tz in metres and feet.
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "ashrae97/moist_air.h"
#include "hygra.h"

namespace hygra {
namespace {

using ashrae97::moist_air;

constexpr double sentinel = -12345.0;
const double nan = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();

struct outcome {
    int code;
    double value;
};

// One call of fn; checks that nothing was written unless it succeeded.
outcome query(int (*fn)(int, double*, double), int units, double altitude)
{
    double v = sentinel;
    const int rc = fn(units, &v, altitude);
    if (rc != HYGRA_OK) {
        EXPECT_EQ(v, sentinel) << "written on code " << rc;
    }
    return {rc, v};
}

TEST(StandardAtmosphere, MatchesTheHandbookTable)
{
    // Pressures in kPa as tabled (three decimals) for the standard atmosphere;
    // temperatures from 15 degC falling 6.5 K per km.
    struct row {
        double z_m;
        double p_kpa;
        double t_c;
    };
    const row table[] = {
        {-500, 107.478, 18.25}, {0, 101.325, 15.0},    {500, 95.461, 11.75},
        {1000, 89.875, 8.5},    {2000, 79.495, 2.0},   {5000, 54.020, -17.5},
        {8000, 35.600, -37.0},  {10000, 26.436, -50.0},
    };
    for (const row& r : table) {
        SCOPED_TRACE(r.z_m);
        EXPECT_NEAR(moist_air::pz(r.z_m), r.p_kpa * 1000.0, 0.5);
        EXPECT_NEAR(moist_air::tz(r.z_m), r.t_c + 273.15, 1e-11);
        // The exported functions in SI: bar and degC.
        const outcome p = query(moistair_pz, HYGRA_SI, r.z_m);
        EXPECT_EQ(p.code, HYGRA_OK);
        EXPECT_NEAR(p.value, r.p_kpa / 100.0, 5e-6);
        const outcome t = query(moistair_tz, HYGRA_SI, r.z_m);
        EXPECT_EQ(t.code, HYGRA_OK);
        EXPECT_NEAR(t.value, r.t_c, 1e-11);
    }
    // Sea level is exact, and so are the ends of the range to the stated digits.
    EXPECT_EQ(moist_air::pz(0.0), 101325.0);
    EXPECT_NEAR(moist_air::pz(-500.0), 107477.5, 0.05);
    EXPECT_NEAR(moist_air::pz(10000.0), 26436.1, 0.05);
}

TEST(StandardAtmosphere, AltitudeOutsideTheRangeIsADomainError)
{
    EXPECT_NO_THROW(moist_air::pz(-500.0));
    EXPECT_NO_THROW(moist_air::tz(10000.0));
    const double outside[] = {-500.001, 10000.001, -inf, inf, 1e308};
    for (double z : outside) {
        SCOPED_TRACE(z);
        try {
            moist_air::pz(z);
            ADD_FAILURE() << "pz accepted " << z;
        } catch (const std::domain_error& e) {
            EXPECT_EQ(std::string(e.what()), "moist_air::pz");
        }
        try {
            moist_air::tz(z);
            ADD_FAILURE() << "tz accepted " << z;
        } catch (const std::domain_error& e) {
            EXPECT_EQ(std::string(e.what()), "moist_air::tz");
        }
    }
}

TEST(StandardAtmosphere, InchPoundTakesFeetAndGivesPsiAndFahrenheit)
{
    // Sea level: 101325 Pa with the stored psi factor, 59 degF.
    EXPECT_NEAR(query(moistair_pz, HYGRA_IP, 0.0).value, 14.69597535, 1e-8);
    EXPECT_NEAR(query(moistair_tz, HYGRA_IP, 0.0).value, 59.0, 1e-12);
    // 1000 ft is 304.8 m: the same atmosphere as in SI, in the other units.
    const double p_bar = query(moistair_pz, HYGRA_SI, 304.8).value;
    const double t_c = query(moistair_tz, HYGRA_SI, 304.8).value;
    EXPECT_NEAR(query(moistair_pz, HYGRA_IP, 1000.0).value, p_bar * 1e5 * 0.000145038, 1e-10);
    EXPECT_NEAR(query(moistair_tz, HYGRA_IP, 1000.0).value, t_c * 1.8 + 32.0, 1e-10);
    EXPECT_NEAR(t_c, 15.0 - 1.9812, 1e-12);
    // Every non-zero flag is inch-pound.
    const double p_psi = query(moistair_pz, HYGRA_IP, 1000.0).value;
    const double t_f = query(moistair_tz, HYGRA_IP, 1000.0).value;
    for (int flag : {2, -1, 1000}) {
        EXPECT_EQ(query(moistair_pz, flag, 1000.0).value, p_psi);
        EXPECT_EQ(query(moistair_tz, flag, 1000.0).value, t_f);
    }
}

TEST(StandardAtmosphere, LimitsAreAcceptedAndJustOutsideIsOutOfRange)
{
    struct row {
        int units;
        double altitude;
        int code;
    };
    // 32808 ft is 9999.88 m, 32809 ft 10000.18 m; -1640 ft is -499.87 m.
    const row table[] = {
        {HYGRA_SI, -500.0, HYGRA_OK},       {HYGRA_SI, -500.001, HYGRA_OUT_OF_RANGE},
        {HYGRA_SI, 10000.0, HYGRA_OK},      {HYGRA_SI, 10000.001, HYGRA_OUT_OF_RANGE},
        {HYGRA_IP, 32808.0, HYGRA_OK},      {HYGRA_IP, 32809.0, HYGRA_OUT_OF_RANGE},
        {HYGRA_IP, -1640.0, HYGRA_OK},      {HYGRA_IP, -1641.0, HYGRA_OUT_OF_RANGE},
        // 10000 ft is well inside in feet; read as metres 32808 would be outside.
        {HYGRA_IP, 10000.0, HYGRA_OK},      {HYGRA_SI, 32808.0, HYGRA_OUT_OF_RANGE},
        {HYGRA_SI, inf, HYGRA_OUT_OF_RANGE}, {HYGRA_IP, -inf, HYGRA_OUT_OF_RANGE},
    };
    for (const row& r : table) {
        SCOPED_TRACE(testing::Message() << "units " << r.units << ", altitude " << r.altitude);
        EXPECT_EQ(query(moistair_pz, r.units, r.altitude).code, r.code);
        EXPECT_EQ(query(moistair_tz, r.units, r.altitude).code, r.code);
    }
    // The accepted ends give the values of the range's ends.
    EXPECT_NEAR(query(moistair_pz, HYGRA_SI, -500.0).value, 1.074775, 1e-6);
    EXPECT_NEAR(query(moistair_tz, HYGRA_SI, -500.0).value, 18.25, 1e-12);
    EXPECT_NEAR(query(moistair_pz, HYGRA_SI, 10000.0).value, 0.264361, 1e-6);
    EXPECT_NEAR(query(moistair_tz, HYGRA_SI, 10000.0).value, -50.0, 1e-12);
    EXPECT_NEAR(query(moistair_tz, HYGRA_IP, 32808.0).value, -50.0 * 1.8 + 32.0, 0.01);
}

TEST(StandardAtmosphere, NanAltitudeGivesNanWithSuccess)
{
    // A NaN fails neither limit comparison: it is passed through, not rejected.
    EXPECT_TRUE(std::isnan(moist_air::pz(nan)));
    EXPECT_TRUE(std::isnan(moist_air::tz(nan)));
    for (int units : {HYGRA_SI, HYGRA_IP}) {
        for (auto fn : {moistair_pz, moistair_tz}) {
            const outcome o = query(fn, units, nan);
            EXPECT_EQ(o.code, HYGRA_OK);
            EXPECT_TRUE(std::isnan(o.value));
        }
    }
}

TEST(StandardAtmosphere, NullResultPointerIsInvalidWhateverTheAltitude)
{
    for (double z : {0.0, 1e9, nan}) {
        EXPECT_EQ(moistair_pz(HYGRA_SI, nullptr, z), HYGRA_INVALID_ARGUMENT);
        EXPECT_EQ(moistair_tz(HYGRA_IP, nullptr, z), HYGRA_INVALID_ARGUMENT);
    }
}

}  // namespace
}  // namespace hygra
