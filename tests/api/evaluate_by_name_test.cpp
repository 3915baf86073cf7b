// moistair_eval_str: property names and numbers as text, resolved to the codes
// of moistair_eval.
#include <cctype>
#include <cstring>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "api/state_cache.h"
#include "hygra.h"

namespace hygra {
namespace {

constexpr double sentinel = -12345.0;

struct outcome {
    int code;
    double value;
};

// The state asked about, in the caller's units.
struct state {
    int type;
    int units;
    double first;
    double second;
    double pressure;
};
// 20 degC, W 0.0073, 1.01325 bar: constructs, and its seven inline properties
// (TDB, P, XW, XA, MW, MA, W) all differ in value.
constexpr state room{HYGRA_TDRY_W, HYGRA_SI, 20.0, 0.0073, 1.01325};
// The same kind of state in inch-pound units, inputs in the other order.
constexpr state room_ip{HYGRA_W_TDRY, HYGRA_IP, 0.0073, 68.0, 14.7};
// Below the model's temperature range: no property can be read.
constexpr state too_cold{HYGRA_TDRY_W, HYGRA_SI, -200.0, 0.0073, 1.01325};
// A pair of two searched inputs: enthalpy and specific volume.
constexpr state searched{HYGRA_H_V, HYGRA_SI, 40.0, 0.845, 1.01325};

outcome by_name(const char* name, const state& s = room)
{
    double v = sentinel;
    const int rc = moistair_eval_str(s.type, name, s.units, &v, s.first, s.second, s.pressure);
    if (rc != HYGRA_OK) {
        EXPECT_EQ(v, sentinel) << "written on code " << rc;
    }
    return {rc, v};
}

outcome by_code(int code, const state& s = room)
{
    double v = sentinel;
    const int rc = moistair_eval(s.type, code, s.units, &v, s.first, s.second, s.pressure);
    return {rc, v};
}

// The same result code and, bit for bit, the same value (the sentinel when
// nothing was written).
void expect_same(const outcome& got, const outcome& expected)
{
    EXPECT_EQ(got.code, expected.code);
    EXPECT_EQ(std::memcmp(&got.value, &expected.value, sizeof(double)), 0)
        << got.value << " instead of " << expected.value;
}

// Every property by its name, as the header lists them.
struct named {
    const char* name;
    int code;
};
const named properties[] = {
    {"TDB", HYGRA_TDB}, {"TWB", HYGRA_TWB}, {"TDEW", HYGRA_TDEW}, {"P", HYGRA_P},
    {"PWS", HYGRA_PWS}, {"PWET", HYGRA_PWET}, {"PDEW", HYGRA_PDEW}, {"XW", HYGRA_XW},
    {"XA", HYGRA_XA},   {"MW", HYGRA_MW},   {"MA", HYGRA_MA},     {"W", HYGRA_W},
    {"WS", HYGRA_WS},   {"RH", HYGRA_RH},   {"VA", HYGRA_VA},     {"VM", HYGRA_VM},
    {"VW", HYGRA_VW},   {"VG", HYGRA_VG},   {"HA", HYGRA_HA},     {"HM", HYGRA_HM},
    {"HW", HYGRA_HW},   {"HG", HYGRA_HG},   {"SA", HYGRA_SA},     {"SM", HYGRA_SM},
    {"SW", HYGRA_SW},   {"SG", HYGRA_SG},   {"CPA", HYGRA_CPA},   {"CPM", HYGRA_CPM},
    {"CPW", HYGRA_CPW}, {"CPG", HYGRA_CPG}, {"MUA", HYGRA_MUA},   {"MUM", HYGRA_MUM},
    {"MUW", HYGRA_MUW}, {"MUG", HYGRA_MUG}, {"KA", HYGRA_KA},     {"KM", HYGRA_KM},
    {"KW", HYGRA_KW},   {"KG", HYGRA_KG},   {"PRA", HYGRA_PRA},   {"PRM", HYGRA_PRM},
    {"PRW", HYGRA_PRW}, {"PRG", HYGRA_PRG}, {"DAW", HYGRA_DAW},   {"SCM", HYGRA_SCM},
    {"RHO", HYGRA_RHO}, {"DS", HYGRA_DS},
};

TEST(EvaluateByName, EveryNameAndItsNumberGiveWhatTheCodeGives)
{
    std::set<int> codes;
    std::set<std::string> names;
    for (const named& n : properties) {
        codes.insert(n.code);
        names.insert(n.name);
    }
    ASSERT_EQ(codes.size(), static_cast<std::size_t>(HYGRA_PROPERTY_COUNT));
    ASSERT_EQ(names.size(), static_cast<std::size_t>(HYGRA_PROPERTY_COUNT));

    // Properties whose evaluation fails must fail alike both ways, so the pair
    // (result code, value) is compared rather than success assumed.
    for (const state& s : {room, room_ip, too_cold, searched}) {
        for (const named& n : properties) {
            SCOPED_TRACE(testing::Message() << n.name << ", state type " << s.type);
            const outcome expected = by_code(n.code, s);
            expect_same(by_name(n.name, s), expected);
            std::string lower = n.name;
            for (char& c : lower)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            expect_same(by_name(lower.c_str(), s), expected);
            expect_same(by_name(std::to_string(n.code).c_str(), s), expected);
        }
    }
}

TEST(EvaluateByName, CaseSurroundingWhiteSpaceAndLeadingDigits)
{
    // Rows resolving to the inline properties succeed today and differ in
    // value, so a text resolved to the wrong one of them shows.
    const named table[] = {
        {"tdb", HYGRA_TDB},
        {"tDb", HYGRA_TDB},
        {" P ", HYGRA_P},
        {"\tw\n", HYGRA_W},
        {"\r\nXa\t ", HYGRA_XA},
        {"\v\fmW\f", HYGRA_MW},
        {"   ma", HYGRA_MA},
        {"Xw   ", HYGRA_XW},
        // Numbers as text: the leading digits count, whatever follows them.
        {"0", HYGRA_TDB},
        {"000", HYGRA_TDB},
        {"3", HYGRA_P},
        {"03", HYGRA_P},
        {" 11\n", HYGRA_W},
        {"11abc", HYGRA_W},
        {"7 W", HYGRA_XW},
        {"0x7", HYGRA_TDB},
        {"9.5", HYGRA_MW},
        {"10e1", HYGRA_MA},
        // Names of properties that are not inline.
        {" rh ", HYGRA_RH},
        {"RH", HYGRA_RH},
        {"13", HYGRA_RH},
        {"013", HYGRA_RH},
        {"\thm\r\n", HYGRA_HM},
        {"45", HYGRA_DS},
        {"dS", HYGRA_DS},
    };
    for (const named& row : table) {
        SCOPED_TRACE(testing::Message() << '"' << row.name << '"');
        const outcome expected = by_code(row.code);
        expect_same(by_name(row.name), expected);
        const bool inline_code = row.code == HYGRA_TDB || row.code == HYGRA_P ||
                                 (row.code >= HYGRA_XW && row.code <= HYGRA_W);
        if (inline_code) {
            EXPECT_EQ(expected.code, HYGRA_OK);
        }
    }
    EXPECT_NEAR(by_name(" tdb\n").value, 20.0, 1e-12);
    EXPECT_NEAR(by_name("p").value, 1.01325, 1e-15);
}

TEST(EvaluateByName, TextNamingNoPropertyIsInvalidAndWritesNothing)
{
    const char* const table[] = {
        "",
        "   ",
        "\t\r\n",
        "T DB",  // white space inside a name is kept
        "TDBX",
        "TD",
        "HM2",
        "+5",  // a sign is not a digit: looked up as a name
        "-1",
        "-0",
        "46",  // numbers above the last code
        "99",
        "4294967296",  // 2^32 and 2^32 + 13: would wrap to 0 and 13 as int
        "4294967309",
        "9223372036854775807",   // LONG_MAX
        "18446744073709551629",  // beyond long: saturates
        "99999999999999999999999999999999999999",
        "\xb3",          // superscript three in Latin-1: not a digit
        "\xd9\xa3",      // Arabic-Indic digit three in UTF-8: not a digit
        "T\xc3\x89" "DB",  // a non-ASCII letter inside
    };
    for (const char* text : table) {
        SCOPED_TRACE(testing::Message() << '"' << text << '"');
        EXPECT_EQ(by_name(text).code, HYGRA_INVALID_ARGUMENT);
        EXPECT_EQ(by_name(text, room_ip).code, HYGRA_INVALID_ARGUMENT);
    }
}

TEST(EvaluateByName, UnknownNameIsCheckedAfterTheStateNullPointersBeforeIt)
{
    // An unknown name, like an unknown code, is reported after the state was
    // constructed and cached; a state that cannot be constructed reports its own code.
    cache().clear();
    EXPECT_EQ(by_name("NOPE").code, HYGRA_INVALID_ARGUMENT);
    EXPECT_EQ(cache().size(), 1u);
    EXPECT_EQ(by_name("NOPE", too_cold).code, HYGRA_OUT_OF_RANGE);
    EXPECT_EQ(by_name("TDB", too_cold).code, HYGRA_OUT_OF_RANGE);

    // A null name or result pointer is refused before anything else, even with a
    // state that cannot be constructed or an unknown state type.
    cache().clear();
    double v = sentinel;
    EXPECT_EQ(moistair_eval_str(HYGRA_TDRY_W, nullptr, HYGRA_SI, &v, 20.0, 0.0073, 1.01325),
              HYGRA_INVALID_ARGUMENT);
    EXPECT_EQ(moistair_eval_str(HYGRA_TDRY_W, nullptr, HYGRA_SI, &v, -200.0, 0.0073, 1.01325),
              HYGRA_INVALID_ARGUMENT);
    EXPECT_EQ(moistair_eval_str(HYGRA_TDRY_W, "TDB", HYGRA_SI, nullptr, 20.0, 0.0073, 1.01325),
              HYGRA_INVALID_ARGUMENT);
    EXPECT_EQ(moistair_eval_str(HYGRA_TDRY_W, "TDB", HYGRA_SI, nullptr, -200.0, 0.0073, 1.01325),
              HYGRA_INVALID_ARGUMENT);
    EXPECT_EQ(moistair_eval_str(-1, nullptr, HYGRA_IP, nullptr, 20.0, 0.0073, 1.01325),
              HYGRA_INVALID_ARGUMENT);
    EXPECT_EQ(v, sentinel);
    EXPECT_EQ(cache().size(), 0u);

    // An unknown state type with a good name is the evaluation's own refusal.
    EXPECT_EQ(moistair_eval_str(HYGRA_STATE_TYPE_COUNT, "TDB", HYGRA_SI, &v, 20.0, 0.0073, 1.01325),
              HYGRA_INVALID_ARGUMENT);
    EXPECT_EQ(v, sentinel);
}

}  // namespace
}  // namespace hygra
