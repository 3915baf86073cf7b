// Edge cases of the state routines: range checks and their order, the messages
// of searches that cannot succeed, and states the searches must find. Then the
// lines of states of one wet bulb, enthalpy or volume, and the pairs searched
// along them: no line at all, values out of reach, pairs that fit two states,
// and the wet bulb with enthalpy where it fixes nothing. Round trips
// through every input pair at ordinary states are the saved answers'.
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "ashrae97/line_pairs.h"
#include "ashrae97/moist_air.h"
#include "ashrae97/moistair.h"
#include "ashrae97/saturation.h"
#include "ashrae97/state_line.h"
#include "hygra.h"
#include "message.h"

namespace hygra::ashrae97 {
namespace {

constexpr double atm = 101325.0;
using st = moist_air::state_type;

TEST(StateRoutines, InputsWithoutAStateAreRefusedWithTheirReason)
{
    const double inf = std::numeric_limits<double>::infinity();
    for (auto [type, a, b, p, m] : {
             // relative humidity beyond 1 (but for rounding) or below 0; a
             // saturation above pure vapour; temperature, then pressure
             std::tuple{st::tdry_rh, 293.15, 1.0000001, atm, "moist_air::rh_range"},
             {st::tdry_rh, 293.15, -0.01, atm, "moist_air::rh_range"},
             {st::tdry_rh, 383.15, 1.0, atm, "moist_air::x_range"},
             {st::tdry_rh, 100.0, 0.5, -1.0, "moist_air::t_range"},
             {st::tdry_rh, 300.0, 2.0, -1.0, "moist_air::p_range"},
             // a wet bulb above the dry bulb, above the boiling point, below the model
             {st::tdry_twet, 293.15, 293.16, atm, "moist_air::at_tdry_twet"},
             {st::tdry_twet, 293.15, 170.0, atm, "water"},
             {st::rh_twet, 0.5, 400.0, atm, "moist_air::twet_range"},
             // 372 degC at 50 bar: no saturated air to balance against
             {st::w_twet, 10000.0, 645.0, 4.999e6, "moist_air::twet_range"},
             {st::tdry_twet, 645.15, 645.0, 4.999e6, "moist_air::twet_range"},
             // dew points below the model or at the boiling point
             {st::tdry_tdew, 293.15, 170.0, atm, "water"},
             {st::tdry_tdew, 393.15, 380.0, atm, "moist_air::x_range"},
             // beyond what any vapour content gives at this dry bulb
             {st::tdry_h, 293.15, 1e5, atm, "brent_solver"},
             {st::tdry_h, 293.15, -50.0, atm, "brent_solver"},
             {st::tdry_s, 293.15, 100.0, atm, "brent_solver"},
             {st::tdry_v, 293.15, 0.1, atm, "brent_solver"},
             {st::rh_h, 0.5, -500.0, atm, "brent_solver"},
             // closed on a volume of 3.8e-7 within an absolute tolerance only
             {st::rh_v, 1.5, 1e-9, 4.999e6, "other: brent_solver"},
             // dry air (and zero pressure) leave the humidity-ratio searches no start
             {st::w_h, 0.0, 20.0, atm, "moistair::at_w_h"},
             {st::w_s, 0.0, 0.1, atm, "moistair::at_w_s"},
             {st::w_v, 0.0, 0.8, atm, "moistair::at_w_v"},
             {st::w_rh, 0.0, 0.5, atm, "moistair::at_w_rh"},
             {st::rh_w, 0.5, 0.0, atm, "moistair::at_w_rh"},
             {st::w_h, 0.01, 20.0, 0.0, "moistair::at_w_h"},
             // the pressure first, a negative W before any search
             {st::w_h, -1.0, 20.0, -1.0, "moist_air::p_range"},
             {st::w_h, -0.001, 20.0, atm, "moist_air::x_range"},
             {st::w_twet, -0.001, 280.0, atm, "moist_air::x_range"},
             // a wet bulb at the lowest temperature leaves no room
             {st::w_twet, 0.001, 173.15, atm, "moistar::at_w_twet"},
             {st::w_twet, 0.001, 170.0, atm, "water"},
             // an infinite input is refused before any search, whatever the pair
             {st::h_v, inf, 0.8, atm, "moist_air::not_finite"},
             {st::tdew_h, 273.15, inf, atm, "moist_air::not_finite"},
             {st::w_s, 0.002, -inf, atm, "moist_air::not_finite"}})
        EXPECT_EQ(message(type, a, b, p), m) << type << ": " << a << ", " << b << " at " << p;
}

TEST(StateRoutines, StatesAtTheEdgesAreFound)
{
    const double xws = saturation_mole_fraction(293.15, atm);
    EXPECT_EQ(moist_air(st::tdry_rh, 293.15, 0.0, atm).xw(), 0.0);
    // A saturated state read back with rounding is still saturated.
    EXPECT_EQ(moist_air(st::tdry_rh, 293.15, 1.0 + 1e-12, atm).xw(), xws);
    // A dew point above the dry bulb gives supersaturated air.
    EXPECT_GT(moist_air(st::tdry_tdew, 293.15, 298.15, atm).rh(), 1.0);
    // An enthalpy of exactly 0 is dry air at 0 degC, not a division by zero.
    EXPECT_NEAR(moist_air(st::tdry_h, 273.15, 0.0, atm).xw(), 0.0, 1e-8);
    // A relative humidity a little above 1 with an enthalpy.
    EXPECT_NEAR(moist_air(st::rh_h, 1.05, 50.0, atm).rh(), 1.05, 1e-12);
    // A relative humidity above 1 lies below the dew point.
    const moist_air super(st::w_rh, 0.01, 1.2, atm);
    EXPECT_NEAR(super.rh(), 1.2, 1e-8);
    EXPECT_LT(super.tdry(), moist_air(st::w_rh, 0.01, 1.0, atm).tdry());
    // A wet bulb just above the lowest temperature.
    EXPECT_NEAR(moist_air(st::rh_twet, 0.5, 173.2, atm).twet(), 173.2, 1e-6);
    // At 12 degC and 10 bar the wet-bulb balance also has a root far above
    // saturation (W near 0.93); at 25 degC and 8 bar and at -40 degC pure vapour
    // would condense, yet moist air of the volume exists: the real states.
    for (auto [t, p, type] : {std::tuple{285.15, 1e6, st::tdry_twet}, {298.15, 8e5, st::tdry_v},
                              {233.15, atm, st::tdry_v}, {298.15, 8e5, st::rh_v}}) {
        const moist_air m(st::tdry_w, t, 0.5 * saturation_humidity_ratio(t, p), p);
        const moist_air back = type == st::tdry_twet ? moist_air(type, t, m.twet(), p)
                               : type == st::tdry_v  ? moist_air(type, t, m.vm(), p)
                                                     : moist_air(type, m.rh(), m.vm(), p);
        EXPECT_NEAR(back.xw(), m.xw(), 1e-6 * m.xw()) << type << " at " << t;
        EXPECT_NEAR(back.tdry(), t, 1e-6) << type << " at " << t;
    }
}

TEST(StateLine, ValuesBeyondALineOrMetTwiceAreRefused)
{
    // Along the wet bulb of 20 degC the enthalpy runs only from 56.315 (dry
    // air) to 57.553 kJ/kg (saturated); a pair no line knows has no reach.
    line_reach r{};
    ASSERT_TRUE(reach_of_line_pair(st::twet_h, 293.15, 0.0, atm, r));
    EXPECT_NEAR(r.at_low, 57.553, 1e-3);
    EXPECT_NEAR(r.at_high, 56.315, 1e-3);
    EXPECT_TRUE(std::isnan(r.extreme));
    EXPECT_FALSE(reach_of_line_pair(st::tdry_w, 293.15, 0.01, atm, r));
    // No line at all: colder than dry air at the lowest temperature; at no pressure.
    EXPECT_THROW(state_line(line_kind::enthalpy, -200.0, atm, "none"), std::domain_error);
    EXPECT_THROW(state_line(line_kind::volume, 0.8, 0.0, "none"), std::domain_error);
    // Over ice the entropy along a wet bulb rises from dry air to a largest
    // value and falls towards saturation: -10 degC at 5 % has a twin nearer
    // saturation. Near saturation around 0 degC at 10 bar the vapour's chemical
    // potential turns positive and the entropy along an enthalpy line falls again.
    const moist_air dry(st::tdry_rh, 263.15, 0.05, atm), cold(st::tdry_rh, 276.15, 0.99, 1e6);
    ASSERT_TRUE(reach_of_line_pair(st::twet_s, dry.twet(), 0.0, atm, r));
    EXPECT_GT(r.extreme, dry.sm());
    EXPECT_LT(std::max(r.at_low, r.at_high), dry.sm());
    // Enthalpy 40 kJ/kg: the entropy runs from 0.1452 (saturated) down to
    // 0.1367 (dry). A wet bulb or dew point at the boiling point has no
    // saturated air, one below the model's range no water.
    for (auto [type, a, b, p, m] : {std::tuple{st::twet_h, 293.15, 60.0, atm, line_unreachable},
                                    {st::twet_h, 293.15, 56.0, atm, line_unreachable},
                                    {st::h_s, 40.0, 0.146, atm, line_unreachable},
                                    {st::h_v, 40.0, 0.9, atm, line_unreachable},
                                    {st::s_v, 0.15, 0.5, atm, line_unreachable},
                                    {st::twet_s, dry.twet(), dry.sm(), atm, line_two_states},
                                    {st::h_s, cold.hm(), cold.sm(), 1e6, line_two_states},
                                    {st::twet_v, 380.0, 1.0, atm, "moist_air::twet_range"},
                                    {st::twet_s, 170.0, 0.1, atm, "water"},
                                    {st::h_s, 40.0, 0.14, -1.0, "moist_air::p_range"},
                                    {st::tdew_h, 380.0, 3000.0, atm, "moist_air::x_range"},
                                    {st::tdew_v, 170.0, 0.8, atm, "water"},
                                    {st::tdew_rh, 283.15, 0.5, -1.0, "moist_air::p_range"}})
        EXPECT_EQ(message(type, a, b, p), m) << type << ": " << a << ", " << b;
    // The same wet bulb with an entropy below that of dry air has one state,
    // and a liquid wet bulb one for every entropy it reaches.
    const moist_air humid(st::tdry_twet, 261.0, dry.twet(), atm), warm(st::tdry_rh, 313.15, 0.05, atm);
    EXPECT_NEAR(moist_air(st::twet_s, dry.twet(), humid.sm(), atm).tdry(), 261.0, 1e-6);
    EXPECT_NEAR(moist_air(st::twet_s, warm.twet(), warm.sm(), atm).tdry(), 313.15, 1e-6);
}

TEST(StateLine, NoSupersaturatedStateUnlessAsked)
{
    // Air above saturation (W 0.02 at 20 degC) shares its enthalpy and entropy
    // with ordinary air at 26.5 degC: that is the state given back. Its volume
    // lies beyond the saturated end of its enthalpy line.
    const moist_air super(st::tdry_w, 293.15, 0.02, atm);
    const moist_air back(st::h_s, super.hm(), super.sm(), atm);
    EXPECT_LT(back.rh(), 1.0);
    EXPECT_NEAR(back.sm(), super.sm(), 1e-12);
    EXPECT_NEAR(back.tdry(), 299.683, 1e-3);
    EXPECT_EQ(message(st::h_v, super.hm(), super.vm(), atm), line_unreachable);
    // Saturated air itself is found, at the end of the line.
    const moist_air saturated(st::tdry_rh, 293.15, 1.0, atm);
    EXPECT_NEAR(moist_air(st::h_v, saturated.hm(), saturated.vm(), atm).tdry(), 293.15, 1e-9);
}

TEST(StateLine, WetBulbWithEnthalpyNearItsLimit)
{
    // Liquid water has no enthalpy just above 0.01 degC: the enthalpy along
    // that wet bulb is the same for every state, and the pair fixes none. A
    // little further the line spans 1.5e-5 kJ/kg (0.011 degC) or 6.4e-4 kJ/kg
    // (0.05 degC), and the enthalpy still gives W to a part in a million.
    for (double twet : {273.1601, 273.1602, 273.161, 273.2, 263.15}) {
        line_reach r{};
        ASSERT_TRUE(reach_of_line_pair(st::twet_h, twet, 0.0, atm, r));
        if (std::fabs(twet - 273.16015) < 1e-4) {
            EXPECT_EQ(message(st::twet_h, twet, 0.5 * (r.at_low + r.at_high), atm), line_indistinct) << twet;
            continue;
        }
        const state_line line(line_kind::wet_bulb, twet, atm, "test");
        for (double f : {0.2, 0.5, 0.9}) {
            const double h = r.at_low + f * (r.at_high - r.at_low);
            const moist_air m(st::twet_h, twet, h, atm);
            EXPECT_NEAR(m.hm(), h, 1e-12);
            EXPECT_NEAR(moist_air(st::w_h, w_from_xw(m.xw()), h, atm).tdry(), m.tdry(), 1e-6);
            EXPECT_NEAR(line.residual(m.tdry(), m.xw()), 0.0, 1e-9);
        }
    }
}

}  // namespace
}  // namespace hygra::ashrae97
