// Result-code texts, the per-thread message of the last failure, the version.
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "hygra.h"

namespace {

// The message left by one evaluation that is expected to fail with `code`.
std::string failure(int code, int type, int property, int units, double a, double b, double p)
{
    double v = 0.0;
    EXPECT_EQ(moistair_eval(type, property, units, &v, a, b, p), code);
    return hygra_last_error();
}

TEST(Messages, EveryResultCodeHasAConstantText)
{
    std::set<std::string> texts;
    for (int code = HYGRA_OK; code <= HYGRA_OUT_OF_RANGE; ++code) {
        ASSERT_NE(hygra_strerror(code), nullptr);
        texts.insert(hygra_strerror(code));
    }
    EXPECT_EQ(texts.size(), 5u);
    EXPECT_STREQ(hygra_strerror(-1), "unknown result code");
    EXPECT_STREQ(hygra_strerror(5), "unknown result code");
    EXPECT_EQ(hygra_strerror(HYGRA_OUT_OF_RANGE), hygra_strerror(HYGRA_OUT_OF_RANGE));
}

TEST(Messages, LastErrorNamesTheInputAndTheLimit)
{
    struct row {
        int code, type, property, units;
        double a, b, p;
        const char* expected;
    };
    const row rows[] = {
        {4, HYGRA_TDRY_RH, HYGRA_W, HYGRA_SI, -120.0, 0.5, 1.01325,
         "dry-bulb temperature -120 degC is below the lowest temperature of the model, -100 degC"},
        {4, HYGRA_TDRY_RH, HYGRA_W, HYGRA_IP, -200.0, 0.5, 14.7,
         "dry-bulb temperature -200 degF is below the lowest temperature of the model, -148 degF"},
        {4, HYGRA_W_TDRY, HYGRA_HM, HYGRA_SI, 0.01, 400.0, 1.0,
         "dry-bulb temperature 400 degC is above the highest temperature of the model, 372 degC"},
        {4, HYGRA_TDRY_RH, HYGRA_W, HYGRA_SI, 20.0, 0.5, 60.0,
         "pressure 60 bar is above the highest pressure of the model, 50 bar"},
        {4, HYGRA_TDRY_RH, HYGRA_W, HYGRA_SI, 20.0, 0.5, -1.0, "pressure -1 bar is negative"},
        {4, HYGRA_TDRY_RH, HYGRA_W, HYGRA_SI, 20.0, 50.0, 1.0,
         "relative humidity 50 is outside 0 to 1 (a fraction, not per cent)"},
        {4, HYGRA_W_H, HYGRA_TDB, HYGRA_SI, -0.01, 40.0, 1.0, "humidity ratio -0.01 kg/kg is negative"},
        {4, HYGRA_TDRY_TWET, HYGRA_W, HYGRA_SI, 20.0, 25.0, 1.0,
         "wet-bulb temperature 25 degC is above the dry-bulb temperature 20 degC"},
        {4, HYGRA_W_H, HYGRA_TDB, HYGRA_SI, 0.0, 40.0, 1.0,
         "a humidity ratio of 0 is dry air, which enthalpy does not fix: give dry air by its "
         "dry-bulb temperature and W = 0"},
        {4, HYGRA_TDRY_H, HYGRA_W, HYGRA_SI, 20.0, 1e6, 1.01325,
         "no state of moist air with dry-bulb temperature 20 degC and enthalpy 1e+06 kJ/kg at "
         "1.01325 bar lies within the model's range (-100 degC to 372 degC)"},
        {1, 30, HYGRA_W, HYGRA_SI, 20.0, 0.5, 1.0, "state type 30 is not one of 0 to 29"},
        {1, HYGRA_TDRY_RH, 46, HYGRA_SI, 20.0, 0.5, 1.0, "property code 46 is not one of 0 to 45"},
        {4, HYGRA_TDRY_RH, HYGRA_TDEW, HYGRA_SI, -99.0, 0.5, 0.01,
         "TDEW: the dew point of this state lies below the lowest temperature of the model, -100 degC"},
    };
    for (const row& r : rows)
        EXPECT_EQ(failure(r.code, r.type, r.property, r.units, r.a, r.b, r.p), r.expected);
    // Just below the published lower limit.
    EXPECT_EQ(failure(4, HYGRA_TDRY_W, HYGRA_TDB, HYGRA_SI, -100.01, 0.0, 1.0),
              "dry-bulb temperature -100.01 degC is below the lowest temperature of the model, "
              "-100 degC");
}

TEST(Messages, PairsAlongALineSayHowTheOtherInputRunsThere)
{
    // Out of reach: the enthalpy along the wet bulb of 20 degC.
    EXPECT_EQ(failure(4, HYGRA_TWET_H, HYGRA_TDB, HYGRA_SI, 20.0, 60.0, 1.01325),
              "no state of moist air at or below saturation has wet-bulb temperature 20 degC and "
              "enthalpy 60 kJ/kg at 1.01325 bar: at that wet-bulb temperature the enthalpy runs from "
              "57.553 kJ/kg (saturated air at 20 degC) to 56.3149 kJ/kg (dry air at 55.9428 degC)");
    // The line of the volume, the second input, in inch-pound units.
    const std::string volume = failure(4, HYGRA_H_V, HYGRA_TDB, HYGRA_IP, 17.0, 14.5, 14.696);
    EXPECT_EQ(volume.rfind("no state of moist air at or below saturation has specific volume 14.5 "
                           "ft3/lb and enthalpy 17 Btu/lb at 14.696 psi: at that specific volume the "
                           "enthalpy runs from ", 0),
              0u)
        << volume;
    // Just above 0.01 degC liquid water has no enthalpy to tell a wet bulb's states apart.
    const std::string flat = failure(4, HYGRA_TWET_H, HYGRA_TDB, HYGRA_SI, 0.0102, 9.49087, 1.01325);
    EXPECT_EQ(flat.rfind("wet-bulb temperature 0.0102 degC and enthalpy 9.49087 kJ/kg do not fix a "
                         "state at 1.01325 bar: at that wet-bulb temperature the enthalpy changes by "
                         "only ", 0),
              0u)
        << flat;
    EXPECT_NE(flat.find("too little to tell the states apart within the precision of the formulation; "
                        "give another pair"),
              std::string::npos);
    // Two states: dry air at -10 degC with its wet bulb over ice.
    double twb = 0.0, sm = 0.0;
    ASSERT_EQ(moistair_eval(HYGRA_TDRY_RH, HYGRA_TWB, HYGRA_SI, &twb, -10.0, 0.05, 1.01325), 0);
    ASSERT_EQ(moistair_eval(HYGRA_TDRY_RH, HYGRA_SM, HYGRA_SI, &sm, -10.0, 0.05, 1.01325), 0);
    const std::string twice = failure(4, HYGRA_TWET_S, HYGRA_TDB, HYGRA_SI, twb, sm, 1.01325);
    EXPECT_EQ(twice.rfind("wet-bulb temperature -13.1761 degC and entropy -0.0366042 kJ/(kg K) fit two "
                          "states of moist air at 1.01325 bar: at that wet-bulb temperature the entropy "
                          "runs from -0.0376008 kJ/(kg K) (saturated air at -13.1761 degC) by way of ",
                          0),
              0u)
        << twice;
    EXPECT_NE(twice.find("meeting -0.0366042 kJ/(kg K) twice; give another pair"), std::string::npos);
}

TEST(Messages, OtherFunctionsSayWhatWasWrong)
{
    double v;
    EXPECT_EQ(moistair_eval(HYGRA_TDRY_RH, HYGRA_W, HYGRA_SI, nullptr, 20.0, 0.5, 1.0), 1);
    EXPECT_STREQ(hygra_last_error(), "the result pointer is null");
    EXPECT_EQ(moistair_eval_str(HYGRA_TDRY_RH, "enthalpy", HYGRA_SI, &v, 20.0, 0.5, 1.0), 1);
    EXPECT_STREQ(hygra_last_error(),
                 "\"enthalpy\" is not the name of a property (TDB, TWB, RH, W, HM, ...) nor a "
                 "property code 0 to 45");
    EXPECT_EQ(moistair_eval_str(HYGRA_TDRY_RH, nullptr, HYGRA_SI, &v, 20.0, 0.5, 1.0), 1);
    EXPECT_STREQ(hygra_last_error(), "the property name is null");
    EXPECT_EQ(moistair_pz(HYGRA_SI, &v, 12000.0), 4);
    EXPECT_STREQ(hygra_last_error(), "altitude 12000 m is outside the standard atmosphere's range, -500 to 10000 m");
    EXPECT_EQ(moistair_tz(HYGRA_IP, &v, -2000.0), 4);
    EXPECT_STREQ(hygra_last_error(),
                 "altitude -2000 ft is outside the standard atmosphere's range, -1640.42 to 32808.4 ft");
    EXPECT_EQ(moistair_const(6, HYGRA_SI, &v), 1);
    EXPECT_STREQ(hygra_last_error(), "constant selector 6 is not one of 0 to 5");
}

TEST(Messages, SuccessLeavesNoMessage)
{
    double v;
    failure(4, HYGRA_TDRY_RH, HYGRA_W, HYGRA_SI, -120.0, 0.5, 1.0);
    ASSERT_STRNE(hygra_last_error(), "");
    EXPECT_EQ(moistair_eval(HYGRA_TDRY_RH, HYGRA_W, HYGRA_SI, &v, 20.0, 0.5, 1.01325), 0);
    EXPECT_STREQ(hygra_last_error(), "");
    failure(4, HYGRA_TDRY_RH, HYGRA_W, HYGRA_SI, -120.0, 0.5, 1.0);
    EXPECT_EQ(moistair_const(HYGRA_CONST_MW, HYGRA_SI, &v), 0);
    EXPECT_STREQ(hygra_last_error(), "");
}

TEST(Messages, EachThreadKeepsItsOwnMessage)
{
    failure(4, HYGRA_TDRY_RH, HYGRA_W, HYGRA_SI, 20.0, 0.5, 60.0);
    std::string other;
    std::thread([&] {
        double v;
        moistair_const(6, HYGRA_SI, &v);
        other = hygra_last_error();
    }).join();
    EXPECT_EQ(other, "constant selector 6 is not one of 0 to 5");
    EXPECT_STREQ(hygra_last_error(), "pressure 60 bar is above the highest pressure of the model, 50 bar");
}

TEST(Version, LibraryAndHeaderAgree)
{
    char expected[32];
    std::snprintf(expected, sizeof expected, "%d.%d.%d", HYGRA_VERSION_MAJOR, HYGRA_VERSION_MINOR,
                  HYGRA_VERSION_PATCH);
    EXPECT_STREQ(HYGRA_VERSION, expected);
    EXPECT_STREQ(hygra_version(), HYGRA_VERSION);
}

}  // namespace
