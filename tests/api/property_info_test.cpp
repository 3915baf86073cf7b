// hygra_property_name, _meaning and _unit: the one table of property metadata,
// checked against the names moistair_eval_str resolves and the units the
// header documents for each kind of quantity.
#include <climits>
#include <cstring>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "hygra.h"

namespace hygra {
namespace {

TEST(PropertyInfo, EveryCodeHasANameThatEvaluatesAsThatCode)
{
    std::set<std::string> names;
    std::set<std::string> meanings;
    for (int code = 0; code < HYGRA_PROPERTY_COUNT; ++code) {
        const char* name = hygra_property_name(code);
        const char* meaning = hygra_property_meaning(code);
        ASSERT_NE(name, nullptr) << code;
        ASSERT_NE(meaning, nullptr) << code;
        names.insert(name);
        meanings.insert(meaning);
        EXPECT_GT(std::strlen(meaning), std::strlen(name)) << name;

        // The name resolves to the code: same result code and value both ways,
        // for a state that constructs (20 degC, W 0.0073) in both unit systems.
        for (int units : {HYGRA_SI, HYGRA_IP}) {
            double by_name = -1.0;
            double by_code = -1.0;
            const double t = units == HYGRA_SI ? 20.0 : 68.0;
            const double p = units == HYGRA_SI ? 1.01325 : 14.7;
            EXPECT_EQ(moistair_eval_str(HYGRA_TDRY_W, name, units, &by_name, t, 0.0073, p),
                      moistair_eval(HYGRA_TDRY_W, code, units, &by_code, t, 0.0073, p))
                << name;
            EXPECT_EQ(by_name, by_code) << name;
        }
    }
    EXPECT_EQ(names.size(), static_cast<std::size_t>(HYGRA_PROPERTY_COUNT));
    EXPECT_EQ(meanings.size(), static_cast<std::size_t>(HYGRA_PROPERTY_COUNT));
    // Spot checks of the order against the enumeration.
    EXPECT_STREQ(hygra_property_name(HYGRA_TDB), "TDB");
    EXPECT_STREQ(hygra_property_name(HYGRA_HM), "HM");
    EXPECT_STREQ(hygra_property_name(HYGRA_DS), "DS");
    EXPECT_STREQ(hygra_property_meaning(HYGRA_TWB), "thermodynamic wet-bulb temperature");
}

TEST(PropertyInfo, UnitsFollowTheKindOfQuantityInBothSystems)
{
    // Each kind of quantity with its codes and its units, as the header lists them.
    struct kind {
        const char* si;
        const char* ip;
        std::set<int> codes;
    };
    const kind kinds[] = {
        {"degC", "degF", {HYGRA_TDB, HYGRA_TWB, HYGRA_TDEW}},
        {"bar", "psi", {HYGRA_P, HYGRA_PWS, HYGRA_PWET, HYGRA_PDEW}},
        {"", "", {HYGRA_XW, HYGRA_XA, HYGRA_MW, HYGRA_MA, HYGRA_W, HYGRA_WS, HYGRA_RH, HYGRA_PRA,
                  HYGRA_PRM, HYGRA_PRW, HYGRA_PRG, HYGRA_SCM, HYGRA_DS}},
        {"m3/kg", "ft3/lb", {HYGRA_VA, HYGRA_VM, HYGRA_VW, HYGRA_VG}},
        {"kJ/kg", "Btu/lb", {HYGRA_HA, HYGRA_HM, HYGRA_HW, HYGRA_HG}},
        {"kJ/(kg K)", "Btu/(lb degF)", {HYGRA_SA, HYGRA_SM, HYGRA_SW, HYGRA_SG, HYGRA_CPA,
                                        HYGRA_CPM, HYGRA_CPW, HYGRA_CPG}},
        {"Pa s", "lb/(ft h)", {HYGRA_MUA, HYGRA_MUM, HYGRA_MUW, HYGRA_MUG}},
        {"W/(m K)", "Btu/(h ft degF)", {HYGRA_KA, HYGRA_KM, HYGRA_KW, HYGRA_KG}},
        {"m2/s", "ft2/h", {HYGRA_DAW}},
        {"kg/m3", "lb/ft3", {HYGRA_RHO}},
    };
    int counted = 0;
    for (const kind& k : kinds) {
        for (int code : k.codes) {
            SCOPED_TRACE(hygra_property_name(code));
            EXPECT_STREQ(hygra_property_unit(code, HYGRA_SI), k.si);
            // Any non-zero flag is inch-pound, as everywhere in the interface.
            for (int flag : {int{HYGRA_IP}, 2, -1, INT_MIN})
                EXPECT_STREQ(hygra_property_unit(code, flag), k.ip);
            ++counted;
        }
    }
    EXPECT_EQ(counted, HYGRA_PROPERTY_COUNT);
}

TEST(PropertyInfo, CodesOutsideTheTableGiveNull)
{
    for (int code : {-1, HYGRA_PROPERTY_COUNT, 99, INT_MIN, INT_MAX}) {
        EXPECT_EQ(hygra_property_name(code), nullptr) << code;
        EXPECT_EQ(hygra_property_meaning(code), nullptr) << code;
        EXPECT_EQ(hygra_property_unit(code, HYGRA_SI), nullptr) << code;
        EXPECT_EQ(hygra_property_unit(code, HYGRA_IP), nullptr) << code;
    }
}

}  // namespace
}  // namespace hygra
