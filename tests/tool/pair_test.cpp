// Every pair of inputs on the command line, in both orders and both unit
// systems: the state type the tool chooses, the order in which it hands the
// inputs to the library, and the values it prints, compared with the library
// and with the inputs the state was built from.
#include <algorithm>
#include <cmath>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "library_reference.h"
#include "tool_process.h"

namespace hygra::tool_test {
namespace {

// A value of each input for a state near 20 degC and W 0.008 at sea level, in
// SI and in inch-pound units. Any two of them fix a state well inside the
// model's range; they need not all describe the same state.
struct input_value { const char* name; int code; double si; double ip; };
constexpr input_value tdb{"TDB", HYGRA_TDB, 20.0, 68.0}, twb{"TWB", HYGRA_TWB, 15.0, 59.0};
constexpr input_value tdew{"TDEW", HYGRA_TDEW, 10.0, 50.0}, rh{"RH", HYGRA_RH, 0.5, 0.5};
constexpr input_value w{"W", HYGRA_W, 0.008, 0.008};
constexpr input_value hm{"HM", HYGRA_HM, 40.0, 17.2};       // kJ/kg, Btu/lb
constexpr input_value sm{"SM", HYGRA_SM, 0.146, 0.0349};    // kJ/(kg K), Btu/(lb degF)
constexpr input_value vm{"VM", HYGRA_VM, 0.84, 13.45};      // m3/kg, ft3/lb
// Wet bulb, enthalpy, entropy and volume also pair with each other; values that
// need not agree rarely meet (along a wet bulb the enthalpy hardly changes), so
// these are those of one state, 20 degC (68 degF) and W 0.008, rounded.
constexpr input_value twb_of{"TWB", HYGRA_TWB, 14.438203, 57.988794}, hm_of{"HM", HYGRA_HM, 40.416825, 17.376107};
constexpr input_value sm_of{"SM", HYGRA_SM, 0.146287, 0.034940}, vm_of{"VM", HYGRA_VM, 0.840853, 13.469155};

// The thirty state types with their inputs in the library's order, and the
// state type the tool must choose when the user gives them the other way round:
// the same type, except where the reversed pair is a state type of its own.
struct pair_case { int type; input_value first; input_value second; int reversed_type; };
const pair_case pairs[] = {
    {HYGRA_TDRY_TWET, tdb, twb, HYGRA_TDRY_TWET}, {HYGRA_TDRY_RH, tdb, rh, HYGRA_RH_TDRY},
    {HYGRA_TDRY_W, tdb, w, HYGRA_W_TDRY}, {HYGRA_TDRY_H, tdb, hm, HYGRA_TDRY_H},
    {HYGRA_TDRY_S, tdb, sm, HYGRA_TDRY_S}, {HYGRA_TDRY_V, tdb, vm, HYGRA_TDRY_V},
    {HYGRA_TDRY_TDEW, tdb, tdew, HYGRA_TDRY_TDEW}, {HYGRA_W_TWET, w, twb, HYGRA_W_TWET},
    {HYGRA_W_TDRY, w, tdb, HYGRA_TDRY_W}, {HYGRA_W_RH, w, rh, HYGRA_RH_W},
    {HYGRA_W_H, w, hm, HYGRA_W_H}, {HYGRA_W_S, w, sm, HYGRA_W_S},
    {HYGRA_W_V, w, vm, HYGRA_W_V}, {HYGRA_RH_TWET, rh, twb, HYGRA_RH_TWET},
    {HYGRA_RH_TDRY, rh, tdb, HYGRA_TDRY_RH}, {HYGRA_RH_W, rh, w, HYGRA_W_RH},
    {HYGRA_RH_H, rh, hm, HYGRA_RH_H}, {HYGRA_RH_S, rh, sm, HYGRA_RH_S},
    {HYGRA_RH_V, rh, vm, HYGRA_RH_V}, {HYGRA_TDEW_TWET, tdew, twb, HYGRA_TDEW_TWET},
    {HYGRA_TDEW_RH, tdew, rh, HYGRA_TDEW_RH}, {HYGRA_TDEW_H, tdew, hm, HYGRA_TDEW_H},
    {HYGRA_TDEW_S, tdew, sm, HYGRA_TDEW_S}, {HYGRA_TDEW_V, tdew, vm, HYGRA_TDEW_V},
    {HYGRA_TWET_H, twb_of, hm_of, HYGRA_TWET_H}, {HYGRA_TWET_S, twb_of, sm_of, HYGRA_TWET_S},
    {HYGRA_TWET_V, twb_of, vm_of, HYGRA_TWET_V}, {HYGRA_H_S, hm_of, sm_of, HYGRA_H_S},
    {HYGRA_H_V, hm_of, vm_of, HYGRA_H_V}, {HYGRA_S_V, sm_of, vm_of, HYGRA_S_V},
};

TEST(InputPair, EveryPairChoosesItsStateTypeAndPrintsWhatTheLibraryComputes)
{
    for (const pair_case& c : pairs) {
        // A pair whose reverse is another state type is that type's own case
        // in its own order.
        for (const bool reversed : {false, true}) {
            if (reversed && c.reversed_type != c.type)
                continue;
            const input_value& a = reversed ? c.second : c.first;
            const input_value& b = reversed ? c.first : c.second;
            const int type = reversed ? c.reversed_type : c.type;
            for (const int units : {HYGRA_SI, HYGRA_IP}) {
                const bool si = units == HYGRA_SI;
                SCOPED_TRACE(std::string(a.name) + " " + b.name + (si ? " SI" : " IP"));
                // The library's order is the order of the pair case, whichever way it was given.
                const double first = si ? c.first.si : c.first.ip;
                const double second = si ? c.second.si : c.second.ip;
                const double pressure = pressure_at(units, 0.0);
                // std::to_string writes six decimals: exact for every value of the table.
                std::vector<std::string> args{"--json"};
                if (!si)
                    args.push_back("--ip");
                for (const input_value* in : {&a, &b})
                    args.push_back(std::string(in->name) + "=" + std::to_string(si ? in->si : in->ip));
                const process_result r = run_tool(args);
                ASSERT_EQ(r.status, 0) << r.err;
                EXPECT_EQ(r.err, "");
                const nlohmann::ordered_json doc = nlohmann::ordered_json::parse(r.out);
                EXPECT_EQ(doc.at("state_type").get<int>(), type);
                EXPECT_EQ(doc.at("units").get<std::string>(), si ? "SI" : "IP");
                for (const input_value* in : {&a, &b})
                    EXPECT_EQ(doc.at("inputs").at(in->name).get<double>(), si ? in->si : in->ip);
                EXPECT_EQ(doc.at("inputs").at("P").get<double>(), pressure);
                const nlohmann::ordered_json& properties = doc.at("properties");
                ASSERT_EQ(properties.size(), static_cast<std::size_t>(HYGRA_PROPERTY_COUNT));
                int code = 0;
                for (const auto& [name, property] : properties.items()) {
                    EXPECT_EQ(name, hygra_property_name(code));
                    EXPECT_EQ(property.at("unit").get<std::string>(), hygra_property_unit(code, units));
                    // Every property of these states is computed, bit for bit as the
                    // library gives it for the state type and the order of the inputs.
                    const library_answer expected = library(type, code, units, first, second, pressure);
                    ASSERT_EQ(expected.code, HYGRA_OK) << name;
                    const double value = property.at("value").get<double>();
                    EXPECT_EQ(value, expected.value) << name;
                    // The state reproduces the two inputs it was built from.
                    for (const input_value* in : {&a, &b}) {
                        const double given = si ? in->si : in->ip;
                        if (code == in->code) {
                            EXPECT_NEAR(value, given, 1e-6 * std::max(1.0, std::fabs(given))) << name;
                        }
                    }
                    ++code;
                }
            }
        }
    }
}

}  // namespace
}  // namespace hygra::tool_test
