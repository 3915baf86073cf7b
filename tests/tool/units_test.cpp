// The units a batch column may be given in: each unit against a conversion
// worked by hand from handbook figures, round trips between every two units
// of a quantity, and the same state reached through a column in each unit.
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "batch/units.h"
#include "csv_text.h"
#include "library_reference.h"
#include "tool_process.h"

namespace hygra::tool_test {
namespace {

using tool::batch::convert;
using tool::batch::find_unit;
using tool::batch::quantity;
using tool::batch::unit;

unit named(quantity q, const char* name)
{
    const std::optional<unit> u = find_unit(q, name);
    EXPECT_TRUE(u.has_value()) << name;
    return u.value_or(unit{});
}

TEST(Units, EveryUnitAgainstAHandConversion)
{
    // A value in a unit and the same amount in the base unit (K, Pa, kg/kg,
    // fraction, kJ/kg, kJ/(kg K), m3/kg, m), from handbook figures.
    struct row {
        quantity q;
        const char* name;
        double value;
        double base;
        double tolerance;  // relative
    };
    using q = quantity;
    const row table[] = {
        {q::temperature, "degC", 20.0, 293.15, 1e-15}, {q::temperature, "C", -40.0, 233.15, 1e-15},
        {q::temperature, "\xC2\xB0" "C", 100.0, 373.15, 1e-15}, {q::temperature, "degF", 212.0, 373.15, 1e-15},
        {q::temperature, "F", -40.0, 233.15, 1e-15}, {q::temperature, "\xC2\xB0" "F", 32.0, 273.15, 1e-15},
        {q::temperature, "K", 300.0, 300.0, 0.0}, {q::pressure, "bar", 1.01325, 101325.0, 1e-15},
        {q::pressure, "Pa", 101325.0, 101325.0, 0.0}, {q::pressure, "hPa", 1013.25, 101325.0, 1e-15},
        {q::pressure, "mbar", 1013.25, 101325.0, 1e-15}, {q::pressure, "kPa", 101.325, 101325.0, 1e-15},
        {q::pressure, "psi", 14.6959488, 101325.0, 1e-8},  // one atmosphere
        {q::pressure, "inHg", 29.92126, 101325.0, 2e-7},   // one atmosphere at 0 degC
        {q::pressure, "mmHg", 760.0, 101325.0, 2e-7},      // mmHg is a hair above the torr
        {q::humidity_ratio, "kg/kg", 0.01, 0.01, 0.0}, {q::humidity_ratio, "lb/lb", 0.01, 0.01, 0.0},
        {q::humidity_ratio, "g/kg", 7.3, 0.0073, 1e-15}, {q::humidity_ratio, "grains/lb", 70.0, 0.01, 1e-15},
        {q::humidity_ratio, "gr/lb", 7.0, 0.001, 1e-15}, {q::relative_humidity, "-", 0.45, 0.45, 0.0},
        {q::relative_humidity, "fraction", 0.45, 0.45, 0.0}, {q::relative_humidity, "%", 45.0, 0.45, 1e-15},
        {q::enthalpy, "kJ/kg", 40.0, 40.0, 0.0}, {q::enthalpy, "J/kg", 40000.0, 40.0, 1e-15},
        {q::enthalpy, "Btu/lb", 10.0, 23.26, 1e-15}, {q::entropy, "kJ/(kg K)", 0.1, 0.1, 0.0},
        {q::entropy, "Btu/(lb degF)", 0.1, 0.41868, 1e-15}, {q::volume, "m3/kg", 0.84, 0.84, 0.0},
        {q::volume, "ft3/lb", 13.5, 0.84277747, 1e-8},  // 13.5 ft3/lb, as a chart reads it
        {q::length, "m", 1609.344, 1609.344, 0.0}, {q::length, "ft", 5280.0, 1609.344, 1e-15},
    };
    const unit base_of[] = {named(q::temperature, "K"), named(q::pressure, "Pa"), named(q::humidity_ratio, "kg/kg"),
                            named(q::relative_humidity, "-"), named(q::enthalpy, "kJ/kg"),
                            named(q::entropy, "kJ/(kg K)"), named(q::volume, "m3/kg"), named(q::length, "m")};
    for (const row& t : table) {
        SCOPED_TRACE(t.name);
        const unit u = named(t.q, t.name);
        const unit base = base_of[static_cast<int>(t.q)];
        EXPECT_NEAR(convert(t.value, u, base), t.base, t.tolerance * t.base + 1e-300);
        EXPECT_NEAR(convert(t.base, base, u), t.value, t.tolerance * std::abs(t.value) + 1e-12);
    }
    // Names are read without regard to case; an unknown one is no unit.
    EXPECT_TRUE(find_unit(quantity::pressure, "KPA").has_value());
    EXPECT_FALSE(find_unit(quantity::pressure, "atm").has_value());
    EXPECT_FALSE(find_unit(quantity::temperature, "%").has_value());
}

TEST(Units, AColumnInAnyUnitGivesTheSameState)
{
    // 20 degC, 50 %, 1.01325 bar in each unit of its column; the output gives
    // W and the echoed inputs in the run's units.
    const double p0 = 1.01325;
    const double w = library(HYGRA_TDRY_RH, HYGRA_W, HYGRA_SI, 20.0, 0.5, p0).value;
    const struct { std::string header; std::string row; std::vector<std::string> args; } table[] = {
        {"TDB [K],RH,P", "293.15,0.5,1.01325", {}}, {"TDB (F),RH [%],P", "68,50,1.01325", {}},
        {"TDB,RH [%],P [Pa]", "20,50,101325", {}}, {"TDB,RH,P", "20,50,1013.25", {"--unit", "RH=%", "--unit", "P=hPa"}},
        {"TDB,RH,P [psi]", "20,0.5,14.695948775513449", {}},
    };
    const std::map<std::string, std::pair<double, double>> expected{
        {"W [kg/kg]", {w, 1e-8 * w}}, {"TDB [degC]", {20.0, 1e-9}}, {"RH [-]", {0.5, 1e-9}}, {"P [bar]", {p0, 1e-8}}};
    for (const auto& t : table) {
        SCOPED_TRACE(t.header);
        std::vector<std::string> args{"--batch", "-", "W", "TDB", "RH", "P"};
        args.insert(args.end(), t.args.begin(), t.args.end());
        const process_result r = run_tool(args, t.header + "\n" + t.row + "\n");
        ASSERT_EQ(r.status, 0) << r.err;
        const csv_rows rows = read_csv(r.out);
        ASSERT_EQ(rows.size(), 2u);
        for (std::size_t i = 0; i < rows[0].size(); ++i) {
            if (const auto e = expected.find(rows[0][i]); e != expected.end()) {
                EXPECT_NEAR(std::stod(rows[1][i]), e->second.first, e->second.second) << e->first;
            }
        }
    }
    // Inch-pound output of SI columns: the columns stay as given, the computed
    // ones are in degF, lb/lb and psi.
    const process_result ip = run_tool({"--ip", "--batch", "-", "TDB", "W", "P"}, "TDB [degC],W [g/kg],P [Pa]\n20,7.3,83400\n");
    ASSERT_EQ(ip.status, 0) << ip.err;
    const csv_rows rows = read_csv(ip.out);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"TDB [degC]", "W [g/kg]", "P [Pa]", "TDB [degF]", "W [lb/lb]", "P [psi]",
                                                 "note", "error"}));
    EXPECT_NEAR(std::stod(rows[1][3]), 68.0, 1e-9);
    EXPECT_NEAR(std::stod(rows[1][4]), 0.0073, 1e-15);
    EXPECT_NEAR(std::stod(rows[1][5]), 83400.0 / 6894.757293168361, 1e-9);
    // A unit that the quantity does not have says which it has.
    const process_result wrong = run_tool({"--batch", "-", "W"}, "TDB [degC],RH [kPa]\n20,50\n");
    EXPECT_EQ(wrong.status, 2);
    EXPECT_EQ(wrong.err, "hygra: the unit 'kPa' of column 'RH [kPa]' is not one hygra reads for RH; "
                         "it reads -, fraction, %\n");
}

}  // namespace
}  // namespace hygra::tool_test
