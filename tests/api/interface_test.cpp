// The C interface around the model: arguments refused and the codes returned,
// properties named as text, their metadata, the model's constants, the
// standard atmosphere, batches and messages.
#include <algorithm>
#include <array>
#include <cctype>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <set>
#include <sstream>
#include <thread>

#include "api/state_cache.h"
#include "api_test.h"

namespace hygra {
namespace {

using namespace api_test;

// A state as the caller gives it.
struct state {
    int type, units;
    double first, second, pressure;
};
// 20 degC, W 0.0073, 1 atm: constructs, and its seven inline properties (TDB,
// P, XW, XA, MW, MA, W) all differ in value; the same in inch-pound units with
// the inputs in the other order; below the model's range; a searched pair.
constexpr state room{HYGRA_TDRY_W, HYGRA_SI, 20.0, 0.0073, atm};
constexpr state room_ip{HYGRA_W_TDRY, HYGRA_IP, 0.0073, 68.0, 14.7};
constexpr state too_cold{HYGRA_TDRY_W, HYGRA_SI, -200.0, 0.0073, atm};
constexpr state searched{HYGRA_H_V, HYGRA_SI, 40.0, 0.845, atm};

result by_code(int code, const state& s = room) { return eval(s.type, code, s.units, s.first, s.second, s.pressure); }

result by_name(const char* name, const state& s = room)
{
    return checked([&](double* v) { return moistair_eval_str(s.type, name, s.units, v, s.first, s.second, s.pressure); });
}

// The same result code and, bit for bit, the same value.
void expect_same(const result& got, const result& expected)
{
    EXPECT_EQ(got.code, expected.code);
    EXPECT_EQ(std::memcmp(&got.value, &expected.value, sizeof(double)), 0) << got.value << " for " << expected.value;
}

TEST(Evaluate, ArgumentsAndResultCodes)
{
    // A null pointer wins over every other invalid argument.
    EXPECT_EQ(moistair_eval(HYGRA_TDRY_W, HYGRA_TDB, 0, nullptr, 20, 0.01, 1), HYGRA_INVALID_ARGUMENT);
    EXPECT_EQ(moistair_eval(-1, 99, 0, nullptr, qnan, qnan, qnan), HYGRA_INVALID_ARGUMENT);
    // Unknown state types and codes; a state that cannot be constructed reports its own code.
    for (const auto& r : {std::array<int, 4>{30, 0, 20, 1}, {-1, 0, 20, 1}, {2, 46, 20, 1}, {2, -1, 20, 1}, {2, 46, -101, 4}})
        EXPECT_EQ(eval(r[0], r[1], 0, r[2], 0.01, 1).code, r[3]) << r[0] << " " << r[1];
    // Whatever the combination, a code of the interface and nothing written on failure.
    for (int type = -1; type <= HYGRA_STATE_TYPE_COUNT; ++type)
        for (int code = -1; code <= HYGRA_PROPERTY_COUNT; ++code)
            for (int units : {0, 1}) {
                const int rc = eval(type, code, units, 20.0, 0.5, 1.0).code;
                EXPECT_TRUE(rc >= HYGRA_OK && rc <= HYGRA_OUT_OF_RANGE) << type << " " << code;
            }
    // Found by fuzzing: at 1e-100 bar and below the ideal-gas volume
    // overflows, and what it gives must not pass as an answer: success comes
    // with a finite value.
    for (int code = 0; code < HYGRA_PROPERTY_COUNT; ++code) {
        const result r = eval(HYGRA_RH_TDRY, code, HYGRA_IP, 0.0, 0.0, 5e-324);
        EXPECT_TRUE(r.code != HYGRA_OK || std::isfinite(r.value)) << code;
    }
    for (int code : {HYGRA_CPA, HYGRA_PRA})
        EXPECT_EQ(eval(HYGRA_RH_TDRY, code, HYGRA_SI, 0.0, 20.0, 1e-100).code, HYGRA_OUT_OF_RANGE) << code;
    EXPECT_NE(eval(HYGRA_RH_V, HYGRA_VM, HYGRA_IP, 0.0, 0.0, 7.5e-308).code, HYGRA_OK);
    // At exactly zero pressure the diffusivity is infinite, as it is.
    EXPECT_EQ(value(HYGRA_TDRY_W, HYGRA_DAW, HYGRA_SI, 20.0, 0.0, 0.0), inf);
    // Any non-zero flag is inch-pound.
    EXPECT_EQ(value(HYGRA_W_TDRY, HYGRA_HM, 7, 0.0073, 68.0, 14.7), by_code(HYGRA_HM, room_ip).value);
}

// The property names in the order of their codes, as the header lists them.
const char* const names = "TDB TWB TDEW P PWS PWET PDEW XW XA MW MA W WS RH VA VM VW VG HA HM HW HG SA SM SW SG "
                          "CPA CPM CPW CPG MUA MUM MUW MUG KA KM KW KG PRA PRM PRW PRG DAW SCM RHO DS";

TEST(PropertyNames, EveryNameInAnyCaseAndItsNumberGiveWhatTheCodeGives)
{
    std::istringstream list(names);
    std::set<std::string> meanings;
    int code = 0;
    for (std::string name; list >> name; ++code) {
        EXPECT_STREQ(hygra_property_name(code), name.c_str());
        const char* meaning = hygra_property_meaning(code);
        ASSERT_NE(meaning, nullptr);
        EXPECT_GT(std::strlen(meaning), name.size()) << name;
        meanings.insert(meaning);
        std::string lower = name;
        for (char& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        // Failures must fail alike both ways, so the pair (code, value) is compared.
        for (const state& s : {room, room_ip, too_cold, searched})
            for (const std::string& text : {name, lower, std::to_string(code)}) {
                SCOPED_TRACE(text + ", state type " + std::to_string(s.type));
                expect_same(by_name(text.c_str(), s), by_code(code, s));
            }
    }
    EXPECT_EQ(code, HYGRA_PROPERTY_COUNT);
    EXPECT_EQ(meanings.size(), std::size_t{HYGRA_PROPERTY_COUNT});
    EXPECT_STREQ(hygra_property_meaning(HYGRA_TWB), "thermodynamic wet-bulb temperature");
    // Surrounding white space and case; numbers as text, whose leading digits
    // count, whatever follows them. The inline properties succeed and differ.
    const std::pair<const char*, int> texts[] = {
        {"tDb", HYGRA_TDB}, {" P ", HYGRA_P},   {"\tw\n", HYGRA_W},   {"\r\nXa\t ", HYGRA_XA}, {"\v\fmW\f", HYGRA_MW},
        {"   ma", HYGRA_MA}, {"Xw   ", HYGRA_XW}, {"000", HYGRA_TDB}, {"03", HYGRA_P},       {" 11\n", HYGRA_W},
        {"11abc", HYGRA_W}, {"7 W", HYGRA_XW},  {"0x7", HYGRA_TDB},   {"9.5", HYGRA_MW},      {"10e1", HYGRA_MA},
        {" rh ", HYGRA_RH}, {"013", HYGRA_RH},  {"\thm\r\n", HYGRA_HM}, {"45", HYGRA_DS},      {"dS", HYGRA_DS}};
    for (const auto& [text, expected] : texts) {
        SCOPED_TRACE(text);
        expect_same(by_name(text), by_code(expected));
    }
    // Texts that name no property: blank, white space or a sign or a non-ASCII
    // character inside, numbers above the last code however many digits (2^32 and
    // 2^32 + 13 would wrap to 0 and 13 as int; beyond long, strtol saturates).
    for (const char* text : {"", "   ", "\t\r\n", "T DB", "TDBX", "TD", "HM2", "+5", "-1", "-0", "46", "99",
                             "4294967296", "4294967309", "9223372036854775807", "18446744073709551629",
                             "99999999999999999999999999999999999999", "\xb3", "\xd9\xa3", "T\xc3\x89" "DB"}) {
        EXPECT_EQ(by_name(text).code, HYGRA_INVALID_ARGUMENT) << text;
        EXPECT_EQ(by_name(text, room_ip).code, HYGRA_INVALID_ARGUMENT) << text;
    }
}

TEST(PropertyNames, UnknownNameIsCheckedAfterTheStateNullPointersBeforeIt)
{
    // An unknown name, like an unknown code, is reported after the state was
    // constructed and cached; a state that cannot be constructed reports its own code.
    cache().clear();
    EXPECT_EQ(by_name("NOPE").code, HYGRA_INVALID_ARGUMENT);
    EXPECT_EQ(cache().size(), 1u);
    EXPECT_EQ(by_name("NOPE", too_cold).code, HYGRA_OUT_OF_RANGE);
    // A null name or result pointer is refused before anything else.
    cache().clear();
    double v = sentinel;
    for (double t : {20.0, -200.0}) {
        EXPECT_EQ(moistair_eval_str(HYGRA_TDRY_W, nullptr, HYGRA_SI, &v, t, 0.0073, atm), HYGRA_INVALID_ARGUMENT);
        EXPECT_EQ(moistair_eval_str(HYGRA_TDRY_W, "TDB", HYGRA_SI, nullptr, t, 0.0073, atm), HYGRA_INVALID_ARGUMENT);
    }
    EXPECT_EQ(moistair_eval_str(-1, nullptr, HYGRA_IP, nullptr, 20.0, 0.0073, atm), HYGRA_INVALID_ARGUMENT);
    EXPECT_EQ(cache().size(), 0u);
    // An unknown state type is the evaluation's own refusal, with a good name
    // or a bad one: the message speaks of the state type.
    for (const char* name : {"TDB", "NOPE"}) {
        EXPECT_EQ(moistair_eval_str(HYGRA_STATE_TYPE_COUNT, name, HYGRA_SI, &v, 20.0, 0.0073, atm),
                  HYGRA_INVALID_ARGUMENT);
        EXPECT_EQ(std::string(hygra_last_error()).find("name"), std::string::npos) << hygra_last_error();
    }
    EXPECT_EQ(v, sentinel);
}

TEST(PropertyNames, UnitsFollowTheKindOfQuantityInBothSystems)
{
    const std::pair<const char*, const char*> units[] = {
        {"degC", "degF"}, {"bar", "psi"}, {"", ""}, {"m3/kg", "ft3/lb"}, {"kJ/kg", "Btu/lb"},
        {"kJ/(kg K)", "Btu/(lb degF)"}, {"Pa s", "lb/(ft h)"}, {"W/(m K)", "Btu/(h ft degF)"},
        {"m2/s", "ft2/h"}, {"kg/m3", "lb/ft3"}};
    // For each code, its row of units above.
    const int kind[HYGRA_PROPERTY_COUNT] = {0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5,
                                            5, 5, 5, 5, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 7, 2, 2, 2, 2, 8, 2, 9, 2};
    for (int code = 0; code < HYGRA_PROPERTY_COUNT; ++code) {
        EXPECT_STREQ(hygra_property_unit(code, HYGRA_SI), units[kind[code]].first) << code;
        for (int flag : {int{HYGRA_IP}, 2, -1, INT_MIN})
            EXPECT_STREQ(hygra_property_unit(code, flag), units[kind[code]].second) << code;
    }
    for (int code : {-1, HYGRA_PROPERTY_COUNT, INT_MIN, INT_MAX})
        EXPECT_TRUE(!hygra_property_name(code) && !hygra_property_meaning(code) && !hygra_property_unit(code, HYGRA_SI) &&
                    !hygra_property_unit(code, HYGRA_IP)) << code;
}

TEST(ModelConstants, EverySelectorInBothUnitSystemsAndNoOther)
{
    // Molar masses in kg/kmol; the range 173.15 to 645.15 K and 0 to 5 MPa.
    const double table[][3] = {{18.01528, 18.01528, 0.0}, {28.9645, 28.9645, 0.0}, {-100.0, -148.0, 1e-12},
                               {372.0, 701.6, 1e-12},     {0.0, 0.0, 0.0},         {50.0, 725.19, 1e-12}};
    static_assert(sizeof table / sizeof table[0] == HYGRA_CONST_COUNT, "one row per selector");
    for (int selector = 0; selector < HYGRA_CONST_COUNT; ++selector)
        for (int flag : {int{HYGRA_SI}, int{HYGRA_IP}, -3}) {
            double v = sentinel;
            EXPECT_EQ(moistair_const(selector, flag, &v), HYGRA_OK);
            EXPECT_NEAR(v, table[selector][flag == HYGRA_SI ? 0 : 1], table[selector][2]) << selector << " " << flag;
        }
    double v = sentinel;
    for (int selector : {HYGRA_CONST_COUNT, -1, INT_MAX, INT_MIN})
        EXPECT_EQ(moistair_const(selector, HYGRA_IP, &v), HYGRA_INVALID_ARGUMENT) << selector;
    EXPECT_EQ(v, sentinel);
    EXPECT_EQ(moistair_const(HYGRA_CONST_MW, HYGRA_SI, nullptr), HYGRA_INVALID_ARGUMENT);
}

result altitude(int (*fn)(int, double*, double), int units, double z)
{
    return checked([&](double* v) { return fn(units, v, z); });
}

TEST(StandardAtmosphere, PressureAndTemperatureInMetresAndFeet)
{
    // Published: the pressure of the standard atmosphere (tabled in kPa to three
    // decimals, and its ends to the digits stated), 15 degC falling 6.5 K per km.
    const double table[][4] = {{-500, 1.074775, 18.25, 5e-7}, {0, 1.01325, 15.0, 1e-12}, {1000, 0.89875, 8.5, 5e-6},
                               {5000, 0.54020, -17.5, 5e-6},  {10000, 0.264361, -50.0, 5e-7}};
    for (const auto& r : table) {
        const double p = altitude(moistair_pz, HYGRA_SI, r[0]).value, t = altitude(moistair_tz, HYGRA_SI, r[0]).value;
        EXPECT_NEAR(p, r[1], r[3]) << r[0];
        EXPECT_NEAR(t, r[2], 1e-11) << r[0];
        // The same atmosphere in feet, psi and degF, with any non-zero flag.
        for (int flag : {int{HYGRA_IP}, -1, 1000}) {
            EXPECT_NEAR(altitude(moistair_pz, flag, r[0] / 0.3048).value, p * 1e5 * 0.000145038, 1e-9) << r[0];
            EXPECT_NEAR(altitude(moistair_tz, flag, r[0] / 0.3048).value, t * 1.8 + 32.0, 1e-9) << r[0];
        }
    }
    // The limits in feet are published rounded to a hundredth of a foot
    // (-1640.42 and 32808.40 ft), and a height within half of that of them is
    // the limit; metres are exact. 32808 ft is 9999.88 m.
    const double limits[][3] = {{0, -500.0, 0}, {0, -500.001, 4}, {0, 10000.0, 0}, {0, 10000.001, 4}, {0, 32808.0, 4},
                                {1, 32808.0, 0}, {1, 32808.4035, 0}, {1, 32808.4045, 4}, {1, -1640.4245, 0},
                                {1, -1640.4255, 4}, {0, inf, 4}, {1, -inf, 4}};
    for (const auto& r : limits)
        for (auto fn : {moistair_pz, moistair_tz})
            EXPECT_EQ(altitude(fn, int(r[0]), r[1]).code, int(r[2])) << r[0] << " " << r[1];
    EXPECT_NEAR(altitude(moistair_pz, HYGRA_IP, -1640.4245).value, altitude(moistair_pz, 0, -500.0).value * 14.5038, 1e-9);
    EXPECT_NEAR(altitude(moistair_tz, HYGRA_IP, 32808.4035).value, -58.0, 1e-12);
    // A NaN fails neither limit: NaN comes back, with success. A null pointer
    // is refused whatever the altitude.
    for (int units : {HYGRA_SI, HYGRA_IP})
        for (auto fn : {moistair_pz, moistair_tz})
            EXPECT_TRUE(std::isnan(altitude(fn, units, qnan).value));
    for (double z : {0.0, 1e9, qnan})
        EXPECT_TRUE(moistair_pz(HYGRA_SI, nullptr, z) == 1 && moistair_tz(HYGRA_IP, nullptr, z) == 1) << z;
}

TEST(EvaluateBatch, EqualsOneCallPerValue)
{
    const double tdb[] = {-20.0, 20.0, 35.0, 20.0}, rh[] = {0.9, 0.5, 1.5, 0.2};  // 1.5 is refused
    const double p[] = {atm, atm, atm, 60.0};                                      // 60 bar too
    const int codes[] = {HYGRA_W, HYGRA_HM, HYGRA_TWB, 99};
    double values[16];
    int status[16];
    std::fill(values, values + 16, -1.0);
    EXPECT_EQ(hygra_eval_batch(HYGRA_TDRY_RH, HYGRA_SI, 4, tdb, rh, p, codes, 4, values, status), HYGRA_INVALID_ARGUMENT);
    // The first failure is the unknown code of state 0.
    EXPECT_STREQ(hygra_last_error(), "element 0, property 99: property code 99 is not one of 0 to 45");
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            double one = -1.0;
            EXPECT_EQ(status[4 * i + j], moistair_eval(HYGRA_TDRY_RH, codes[j], HYGRA_SI, &one, tdb[i], rh[i], p[i]));
            EXPECT_EQ(values[4 * i + j], one) << i << " " << j;  // -1 left in place on failure
        }
    EXPECT_EQ(status[8], HYGRA_OUT_OF_RANGE);
    EXPECT_EQ(status[12], HYGRA_OUT_OF_RANGE);
    // Success clears the message; nothing to do is success; a null array is refused.
    EXPECT_EQ(hygra_eval_batch(HYGRA_TDRY_RH, HYGRA_SI, 1, tdb + 1, rh + 1, p, codes, 1, values, status), HYGRA_OK);
    EXPECT_EQ(values[0], by_code(HYGRA_W, {HYGRA_TDRY_RH, HYGRA_SI, 20.0, 0.5, atm}).value);
    EXPECT_STREQ(hygra_last_error(), "");
    EXPECT_EQ(hygra_eval_batch(2, 0, 0, nullptr, nullptr, nullptr, nullptr, 0, nullptr, nullptr), HYGRA_OK);
    EXPECT_EQ(hygra_eval_batch(2, 0, 1, tdb, nullptr, p, codes, 1, values, status), HYGRA_INVALID_ARGUMENT);
    EXPECT_STREQ(hygra_last_error(), "an array argument is null");
}

// A call's result code, and the message it left: the one given, or one that
// starts with it ("" for none).
void expect_message(int rc, int code, const char* message)
{
    const std::string left = hygra_last_error();
    EXPECT_EQ(rc, code) << message;
    EXPECT_TRUE(*message ? left.rfind(message, 0) == 0 : left.empty()) << left << "\ninstead of\n" << message;
}

TEST(Messages, ResultCodesAndTheLastFailureInTheCallersWords)
{
    std::set<std::string> texts;
    for (int code = HYGRA_OK; code <= HYGRA_OUT_OF_RANGE; ++code)
        texts.insert(hygra_strerror(code));
    EXPECT_EQ(texts.size(), 5u);
    EXPECT_STREQ(hygra_strerror(-1), "unknown result code");
    EXPECT_STREQ(hygra_strerror(5), "unknown result code");
    struct row {
        int code, type, property, units;
        double a, b, p;
        const char* message;
    };
    const row rows[] = {
        {4, 1, 11, 0, -120.0, 0.5, atm, "dry-bulb temperature -120 degC is below the lowest temperature of the model, -100 degC"},
        {4, 2, 0, 0, -100.01, 0.0, 1.0, "dry-bulb temperature -100.01 degC is below the lowest temperature of the model, -100 degC"},
        {4, 1, 11, 1, -200.0, 0.5, 14.7, "dry-bulb temperature -200 degF is below the lowest temperature of the model, -148 degF"},
        {4, 8, 19, 0, 0.01, 400.0, 1.0, "dry-bulb temperature 400 degC is above the highest temperature of the model, 372 degC"},
        {4, 1, 11, 0, 20.0, 0.5, -1.0, "pressure -1 bar is negative"},
        {4, 1, 11, 0, 20.0, 50.0, 1.0, "relative humidity 50 is outside 0 to 1 (a fraction, not per cent)"},
        {4, 10, 0, 0, -0.01, 40.0, 1.0, "humidity ratio -0.01 kg/kg is negative"},
        {4, 9, 0, 0, 0.0, -150, 1.0, "relative humidity -150 is negative"},
        {4, 2, 11, 0, 20.0, 2e6, atm, "humidity ratio 2e+06 kg/kg is above the largest the model holds, 1e+06 kg/kg (nearly pure vapour)"},
        {4, 1, 11, 0, 150.0, 0.5, atm, "dry-bulb temperature 150 degC and relative humidity 0.5 at 1.01325 bar need more water vapour"},
        {4, 0, 11, 0, 20.0, 25.0, 1.0, "wet-bulb temperature 25 degC is above the dry-bulb temperature 20 degC"},
        {4, 0, 11, 0, 20.0, inf, 1.0, "wet-bulb temperature inf degC is above the highest temperature of the model, 372 degC"},
        {4, 0, 11, 0, 150.0, 120.0, atm, "wet-bulb temperature 120 degC lies above the boiling point of water at 1.01325 bar: no air"},
        {4, 7, 0, 1, 0.01, 710.0, 14.696, "wet-bulb temperature 710 degF is above the critical temperature of water, 705.103 degF"},
        {4, 10, 0, 0, 0.0, 40.0, 1.0, "a humidity ratio of 0 is dry air, which enthalpy does not fix: give dry air by its dry-bulb"},
        {4, 9, 0, 0, 0.0, 0.0, 1.0, "a humidity ratio of 0 is dry air, which relative humidity does not fix"},
        {4, 3, 11, 0, 20.0, 1e6, atm, "no state of moist air with dry-bulb temperature 20 degC and enthalpy 1e+06 kJ/kg at "
                                      "1.01325 bar lies within the model's range (-100 degC to 372 degC)"},
        {2, 10, 0, 0, 0.5, -5.0, 1.0, "the search for the state with humidity ratio 0.5 kg/kg and enthalpy -5 kJ/kg at 1 bar did not"},
        // Pairs along a line of states say how the other input runs along it.
        {4, 24, 0, 0, 20.0, 60.0, atm, "no state of moist air at or below saturation has wet-bulb temperature 20 degC and "
                                       "enthalpy 60 kJ/kg at 1.01325 bar: at that wet-bulb temperature the enthalpy runs from "
                                       "57.553 kJ/kg (saturated air at 20 degC) to 56.3149 kJ/kg (dry air at 55.9428 degC)"},
        {4, 28, 0, 1, 17.0, 14.5, 14.696, "no state of moist air at or below saturation has specific volume 14.5 ft3/lb and "
                                          "enthalpy 17 Btu/lb at 14.696 psi: at that specific volume the enthalpy runs from "},
        // Just above 0.01 degC liquid water has no enthalpy to tell a wet bulb's states apart.
        {4, 24, 0, 0, 0.0102, 9.49087, atm, "wet-bulb temperature 0.0102 degC and enthalpy 9.49087 kJ/kg do not fix a state at "
                                            "1.01325 bar: at that wet-bulb temperature the enthalpy changes by only "},
        // Dry air at -10 degC and its wet bulb over ice.
        {4, 25, 0, 0, -13.1761, -0.0366042, atm,
         "wet-bulb temperature -13.1761 degC and entropy -0.0366042 kJ/(kg K) fit two states of moist air at 1.01325 bar: at "
         "that wet-bulb temperature the entropy runs from -0.0376007 kJ/(kg K) (saturated air at -13.1761 degC) by way of "
         "-0.0366038 kJ/(kg K) to -0.0366462 kJ/(kg K) (dry air at -9.77359 degC), meeting -0.0366042 kJ/(kg K) twice; give "
         "another pair"},
        {1, 30, 11, 0, 20.0, 0.5, 1.0, "state type 30 is not one of 0 to 29"},
        {1, 1, 46, 0, 20.0, 0.5, 1.0, "property code 46 is not one of 0 to 45"},
        {4, 1, 2, 0, -99.0, 0.5, 0.01, "TDEW: the dew point of this state lies below the lowest temperature of the model, -100 degC"},
        {2, 1, 1, 0, -99.99, 0.0, 1e-200, "TWB: the search for it did not converge at this state"},
        {4, 14, 26, 0, 0.0, 20.0, 1e-100, "CPA of this state is not a finite number: the formulation breaks down here"},
        {0, 1, 11, 0, 20.0, 0.5, atm, ""},
    };
    for (const row& r : rows) {
        double v = 0.0;
        expect_message(moistair_eval(r.type, r.property, r.units, &v, r.a, r.b, r.p), r.code, r.message);
    }
    // The other functions; success leaves no message, and each thread keeps its own.
    double v;
    expect_message(moistair_eval(1, 11, 0, nullptr, 20.0, 0.5, 1.0), 1, "the result pointer is null");
    expect_message(moistair_eval_str(1, "enthalpy", 0, &v, 20.0, 0.5, 1.0), 1,
                   "\"enthalpy\" is not the name of a property (TDB, TWB, RH, W, HM, ...) nor a property code 0 to 45");
    expect_message(moistair_eval_str(1, nullptr, 0, &v, 20.0, 0.5, 1.0), 1, "the property name is null");
    expect_message(moistair_eval_str(1, "46", 0, &v, 20.0, 0.5, 1.0), 1, "\"46\" is not the name of a property");
    expect_message(moistair_pz(0, &v, 12000.0), 4, "altitude 12000 m is outside the standard atmosphere's range, -500 to 10000 m");
    expect_message(moistair_tz(1, &v, -2000.0), 4, "altitude -2000 ft is outside the standard atmosphere's range, -1640.42 to 32808.4 ft");
    expect_message(moistair_const(6, 0, &v), 1, "constant selector 6 is not one of 0 to 5");
    expect_message(moistair_const(HYGRA_CONST_MW, 0, &v), 0, "");
    expect_message(moistair_eval(1, 11, 0, &v, 20.0, 0.5, 60.0), 4, "pressure 60 bar is above the highest pressure of the model");
    std::thread([&] { expect_message(moistair_const(6, 0, &v), 1, "constant selector 6 is not one of 0 to 5"); }).join();
    EXPECT_STREQ(hygra_last_error(), "pressure 60 bar is above the highest pressure of the model, 50 bar");
    char version[32];
    std::snprintf(version, sizeof version, "%d.%d.%d", HYGRA_VERSION_MAJOR, HYGRA_VERSION_MINOR, HYGRA_VERSION_PATCH);
    EXPECT_STREQ(HYGRA_VERSION, version);
    EXPECT_STREQ(hygra_version(), HYGRA_VERSION);
}

}  // namespace
}  // namespace hygra
