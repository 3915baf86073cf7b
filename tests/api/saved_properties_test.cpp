// Every property as before: tests/data/saved_properties.txt holds all 46
// properties of a fixed random sample of states across the model's range, in
// both unit systems, as an earlier build answered them (tools/save_answers.py
// --properties writes it). Each coefficient of each correlation -- dry air,
// water and ice, the virial coefficients, the enhancement factor, the transport
// properties, the unit factors -- moves some answer far beyond these tolerances.
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "hygra.h"

namespace {

// Properties evaluated in closed form from dry bulb and humidity ratio agree
// to rounding; the saved numbers carry 13 significant digits.
constexpr double relative_tolerance = 1e-9;
constexpr double absolute_floor = 1e-12;
// The wet bulb and dew point come from searches that stop within 1e-6 K;
// the saturation pressures at them move with them.
constexpr double searched_temperature_tolerance_k = 2e-6;
constexpr double searched_pressure_relative_tolerance = 1e-6;

bool matches(int code, int units, double now, double saved)
{
    const double d = std::fabs(now - saved);
    switch (code) {
    case HYGRA_TWB:
    case HYGRA_TDEW:
        return d <= searched_temperature_tolerance_k * (units == HYGRA_SI ? 1.0 : 1.8);
    case HYGRA_PWET:
    case HYGRA_PDEW:
        return d <= searched_pressure_relative_tolerance * std::fabs(saved);
    default:
        return d <= relative_tolerance * std::fabs(saved) + absolute_floor;
    }
}

TEST(SavedProperties, EveryPropertyInBothUnitSystemsAnswersAsBefore)
{
    std::ifstream in(HYGRA_TEST_DATA_DIR "/saved_properties.txt");
    ASSERT_TRUE(in) << "cannot read " HYGRA_TEST_DATA_DIR "/saved_properties.txt";
    std::string line;
    int states = 0, failures = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        double p, t, w;
        ASSERT_TRUE(fields >> p >> t >> w) << line;
        for (int units : {HYGRA_SI, HYGRA_IP}) {
            if (units == HYGRA_IP) {
                ASSERT_TRUE(fields >> p >> t) << line;
            }
            for (int code = 0; code < HYGRA_PROPERTY_COUNT; ++code) {
                std::string saved;
                ASSERT_TRUE(fields >> saved) << line;
                double now = NAN;
                const int rc = moistair_eval(HYGRA_TDRY_W, code, units, &now, t, w, p);
                std::ostringstream where;
                where.precision(17);
                where << hygra_property_name(code) << (units == HYGRA_SI ? " (SI)" : " (IP)")
                      << " at " << t << ", W " << w << ", P " << p;
                if (saved[0] == 'x') {
                    EXPECT_EQ(rc, std::stoi(saved.substr(1))) << where.str();
                    ++failures;
                    continue;
                }
                ASSERT_EQ(rc, HYGRA_OK) << where.str();
                EXPECT_PRED4(matches, code, units, now, std::stod(saved))
                    << where.str() << ": " << now << " against " << saved;
            }
        }
        ++states;
    }
    EXPECT_EQ(states, 250);
    RecordProperty("failures_kept", failures);
}

}  // namespace
