#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "api/state_cache.h"
#include "api/units.h"
#include "hygra.h"

namespace hygra {
namespace {

constexpr double sentinel = -12345.0;
const double nan = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();

// Result code of one evaluation, and whether the sentinel behind the pointer survived.
struct outcome {
    int code;
    double value;
};

outcome eval(int type, int code, int units, double a, double b, double p)
{
    double v = sentinel;
    const int rc = moistair_eval(type, code, units, &v, a, b, p);
    if (rc != HYGRA_OK) {
        EXPECT_EQ(v, sentinel) << "written on code " << rc;
    }
    return {rc, v};
}

TEST(Evaluate, InlinePropertiesInSi)
{
    const double xw = 0.0073 / (0.0073 + 0.6219779385109357);
    EXPECT_NEAR(eval(HYGRA_TDRY_W, HYGRA_TDB, HYGRA_SI, 20.0, 0.0073, 1.01325).value, 20.0, 1e-12);
    EXPECT_NEAR(eval(HYGRA_TDRY_W, HYGRA_P, HYGRA_SI, 20.0, 0.0073, 1.01325).value, 1.01325, 1e-15);
    EXPECT_NEAR(eval(HYGRA_TDRY_W, HYGRA_XW, HYGRA_SI, 20.0, 0.0073, 1.01325).value, xw, 1e-16);
    EXPECT_NEAR(eval(HYGRA_TDRY_W, HYGRA_XA, HYGRA_SI, 20.0, 0.0073, 1.01325).value, 1 - xw, 2e-16);
    // Mass fractions: W/(1+W) and 1/(1+W).
    EXPECT_NEAR(eval(HYGRA_TDRY_W, HYGRA_MW, HYGRA_SI, 20.0, 0.0073, 1.01325).value,
                0.0073 / 1.0073, 1e-15);
    EXPECT_NEAR(eval(HYGRA_TDRY_W, HYGRA_MA, HYGRA_SI, 20.0, 0.0073, 1.01325).value,
                1.0 / 1.0073, 1e-15);
    EXPECT_NEAR(eval(HYGRA_TDRY_W, HYGRA_W, HYGRA_SI, 20.0, 0.0073, 1.01325).value, 0.0073, 1e-16);
}

TEST(Evaluate, InlinePropertiesInInchPound)
{
    // 68 degF is 20 degC; the temperature and pressure come back in the caller's units.
    EXPECT_NEAR(eval(HYGRA_W_TDRY, HYGRA_TDB, HYGRA_IP, 0.0073, 68.0, 14.7).value, 68.0, 1e-12);
    EXPECT_NEAR(eval(HYGRA_W_TDRY, HYGRA_P, HYGRA_IP, 0.0073, 68.0, 14.7).value, 14.7, 1e-13);
    EXPECT_NEAR(eval(HYGRA_W_TDRY, HYGRA_W, 7, 0.0073, 68.0, 14.7).value, 0.0073, 1e-16);
    // The same physical state in both systems.
    const double si = eval(HYGRA_TDRY_W, HYGRA_XW, HYGRA_SI, 20.0, 0.0073, 1.0).value;
    const double ip = eval(HYGRA_TDRY_W, HYGRA_XW, HYGRA_IP, 68.0, 0.0073, 1e5 * u_Fp[2]).value;
    EXPECT_EQ(si, ip);
    // An infinite W would be pure vapour, whose W reads back as no number: refused.
    EXPECT_EQ(eval(HYGRA_TDRY_W, HYGRA_W, HYGRA_SI, 20.0, inf, 0.01).code, HYGRA_OUT_OF_RANGE);
}

TEST(Evaluate, BadArgumentsGiveCodesAndWriteNothing)
{
    EXPECT_EQ(moistair_eval(HYGRA_TDRY_W, HYGRA_TDB, 0, nullptr, 20, 0.01, 1), HYGRA_INVALID_ARGUMENT);
    // A null pointer wins over every other invalid argument.
    EXPECT_EQ(moistair_eval(-1, 99, 0, nullptr, nan, nan, nan), HYGRA_INVALID_ARGUMENT);
    EXPECT_EQ(eval(HYGRA_STATE_TYPE_COUNT, HYGRA_TDB, 0, 20, 0.01, 1).code, HYGRA_INVALID_ARGUMENT);
    EXPECT_EQ(eval(-1, HYGRA_TDB, 0, 20, 0.01, 1).code, HYGRA_INVALID_ARGUMENT);
    EXPECT_EQ(eval(HYGRA_TDRY_W, 46, 0, 20, 0.01, 1).code, HYGRA_INVALID_ARGUMENT);
    EXPECT_EQ(eval(HYGRA_TDRY_W, -1, 0, 20, 0.01, 1).code, HYGRA_INVALID_ARGUMENT);
    // A state that cannot be constructed reports its own code, even with a bad property code.
    EXPECT_EQ(eval(HYGRA_TDRY_W, 46, 0, -101, 0.01, 1).code, HYGRA_OUT_OF_RANGE);
    // Temperature and pressure limits: the limits are accepted, just outside is out of range.
    // -100 degC converts to a rounding below the limit, and is the limit.
    EXPECT_EQ(eval(HYGRA_TDRY_W, HYGRA_TDB, 0, -100, 0.0, 1).code, HYGRA_OK);
    EXPECT_EQ(eval(HYGRA_TDRY_W, HYGRA_TDB, 0, -99.99999999999, 0.0, 1).code, HYGRA_OK);
    EXPECT_EQ(eval(HYGRA_TDRY_W, HYGRA_TDB, 0, 372, 0.0, 50).code, HYGRA_OK);
    EXPECT_EQ(eval(HYGRA_TDRY_W, HYGRA_TDB, 0, -100.0001, 0.0, 1).code, HYGRA_OUT_OF_RANGE);
    EXPECT_EQ(eval(HYGRA_TDRY_W, HYGRA_TDB, 0, 372.0001, 0.0, 1).code, HYGRA_OUT_OF_RANGE);
    EXPECT_EQ(eval(HYGRA_TDRY_W, HYGRA_TDB, 0, 20, 0.0, 0).code, HYGRA_OK);
    EXPECT_EQ(eval(HYGRA_TDRY_W, HYGRA_TDB, 0, 20, 0.0, -1e-9).code, HYGRA_OUT_OF_RANGE);
    EXPECT_EQ(eval(HYGRA_TDRY_W, HYGRA_TDB, 0, 20, 0.0, 50.000001).code, HYGRA_OUT_OF_RANGE);
    EXPECT_EQ(eval(HYGRA_TDRY_W, HYGRA_TDB, 1, -147.99999999999, 0.0, 14.7).code, HYGRA_OK);
    EXPECT_EQ(eval(HYGRA_TDRY_W, HYGRA_TDB, 1, -148.001, 0.0, 14.7).code, HYGRA_OUT_OF_RANGE);
    EXPECT_EQ(eval(HYGRA_TDRY_W, HYGRA_TDB, 0, 20, -0.5, 1).code, HYGRA_OUT_OF_RANGE);
    // Infinities fail the range checks; huge numbers too.
    EXPECT_EQ(eval(HYGRA_TDRY_W, HYGRA_TDB, 0, inf, 0.01, 1).code, HYGRA_OUT_OF_RANGE);
    EXPECT_EQ(eval(HYGRA_TDRY_W, HYGRA_TDB, 0, 20, 0.01, -inf).code, HYGRA_OUT_OF_RANGE);
    EXPECT_EQ(eval(HYGRA_TDRY_W, HYGRA_TDB, 0, 1e308, 0.01, 1).code, HYGRA_OUT_OF_RANGE);
}

TEST(Evaluate, EveryCodeOfEveryStateTypeReturnsACode)
{
    // Whatever is built so far, no combination crashes or writes on failure.
    for (int type = -1; type <= HYGRA_STATE_TYPE_COUNT; ++type)
        for (int code = -1; code <= HYGRA_PROPERTY_COUNT; ++code)
            for (int units : {0, 1}) {
                const outcome o = eval(type, code, units, 20.0, 0.5, 1.0);
                EXPECT_GE(o.code, 0);
                EXPECT_LE(o.code, 4);
            }
}

TEST(Evaluate, StatesAreCachedPerCall)
{
    cache().clear();
    const unsigned long before = cache().constructions();
    eval(HYGRA_TDRY_W, HYGRA_TDB, 0, 21.5, 0.004, 1.0);
    eval(HYGRA_TDRY_W, HYGRA_W, 0, 21.5, 0.004, 1.0);
    EXPECT_EQ(cache().constructions(), before + 1);
    // A bad property code still leaves the state cached.
    eval(HYGRA_TDRY_W, 46, 0, 22.5, 0.004, 1.0);
    EXPECT_EQ(cache().size(), 2u);
    // Bad pointers and state types never reach the cache.
    moistair_eval(HYGRA_TDRY_W, 0, 0, nullptr, 23.5, 0.004, 1.0);
    eval(HYGRA_STATE_TYPE_COUNT, 0, 0, 23.5, 0.004, 1.0);
    EXPECT_EQ(cache().size(), 2u);
    // A failed construction adds nothing.
    eval(HYGRA_TDRY_W, 0, 0, 1000.0, 0.004, 1.0);
    EXPECT_EQ(cache().size(), 2u);
}

}  // namespace
}  // namespace hygra

namespace hygra {
namespace {

TEST(Evaluate, NoNonFiniteAnswerAtPositivePressureForFiniteInputs)
{
    // Found by fuzzing. At pressures of 1e-100 bar and below the ideal-gas
    // volume overflows; the heat capacity of dry air then came out as NaN, and
    // with relative humidity 0 at 5e-324 psi even the mole fraction (0 times an
    // infinite saturation fraction) was NaN, all with result code 0.
    for (int code : {HYGRA_CPA, HYGRA_PRA}) {
        const outcome o = eval(HYGRA_RH_TDRY, code, HYGRA_SI, 0.0, 20.0, 1e-100);
        EXPECT_EQ(o.code, HYGRA_OUT_OF_RANGE) << code;
    }
    for (int code = 0; code < HYGRA_PROPERTY_COUNT; ++code) {
        const outcome o = eval(HYGRA_RH_TDRY, code, HYGRA_IP, 0.0, 0.0, 5e-324);
        if (o.code == HYGRA_OK) {
            EXPECT_TRUE(std::isfinite(o.value)) << code;
        }
    }
    // A relative humidity of 0 with a volume of 0 at such a pressure used to
    // "converge" on NaN values of the search: no state has that volume.
    EXPECT_NE(eval(HYGRA_RH_V, HYGRA_VM, HYGRA_IP, 0.0, 0.0, 7.5e-308).code, HYGRA_OK);
    // At exactly zero pressure the volume and diffusivity are infinite, as they
    // are; NaN inputs still give NaN answers.
    EXPECT_EQ(eval(HYGRA_TDRY_W, HYGRA_DAW, HYGRA_SI, 20.0, 0.0, 0.0).value, inf);
    EXPECT_TRUE(std::isnan(eval(HYGRA_TDRY_W, HYGRA_TDB, HYGRA_SI, nan, 0.0, 1.0).value));
}

}  // namespace
}  // namespace hygra
