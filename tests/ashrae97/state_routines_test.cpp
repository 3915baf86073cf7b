// Edge cases of the state routines: range checks and their order, the messages
// of searches that cannot succeed, and states the searches must find.
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "ashrae97/moist_air.h"
#include "ashrae97/saturation.h"
#include "hygra.h"

namespace hygra::ashrae97 {
namespace {

constexpr double atm = 101325.0;
using st = moist_air::state_type;

std::string message(st type, double a, double b, double p)
{
    try {
        moist_air m(type, a, b, p);
    } catch (const std::domain_error& e) {
        return e.what();
    } catch (const std::exception& e) {
        return std::string("other: ") + e.what();
    }
    return "no error";
}

TEST(StateRoutines, DryBulbWithRelativeHumidity)
{
    const double xws = saturation_mole_fraction(293.15, atm);
    EXPECT_EQ(moist_air(st::tdry_rh, 293.15, 0.0, atm).xw(), 0.0);
    EXPECT_EQ(moist_air(st::tdry_rh, 293.15, 1.0, atm).xw(), xws);
    EXPECT_EQ(moist_air(st::rh_tdry, 0.5, 293.15, atm).xw(), 0.5 * xws);
    EXPECT_EQ(message(st::tdry_rh, 293.15, 1.0000001, atm), "moist_air::rh_range");
    EXPECT_EQ(message(st::tdry_rh, 293.15, 50.0, atm), "moist_air::rh_range");
    EXPECT_EQ(message(st::tdry_rh, 293.15, -0.01, atm), "moist_air::rh_range");
    // A saturated state read back with rounding is still saturated.
    EXPECT_EQ(moist_air(st::tdry_rh, 293.15, 1.0 + 1e-12, atm).xw(), xws);
    // Above the boiling point saturation exceeds pure vapour.
    EXPECT_EQ(message(st::tdry_rh, 383.15, 1.0, atm), "moist_air::x_range");
    // Temperature, then pressure.
    EXPECT_EQ(message(st::tdry_rh, 100.0, 0.5, -1.0), "moist_air::t_range");
    EXPECT_EQ(message(st::tdry_rh, 300.0, 2.0, -1.0), "moist_air::p_range");
}

TEST(StateRoutines, DryBulbWithWetBulb)
{
    // Equal temperatures give saturated air.
    const moist_air sat(st::tdry_twet, 293.15, 293.15, atm);
    EXPECT_NEAR(sat.rh(), 1.0, 1e-7);
    EXPECT_EQ(message(st::tdry_twet, 293.15, 293.16, atm), "moist_air::at_tdry_twet");
    EXPECT_EQ(message(st::tdry_twet, 100.0, 293.16, atm), "moist_air::t_range");
    EXPECT_EQ(message(st::tdry_twet, 293.15, 170.0, atm), "water");
    // At 12 degC and 10 bar the wet-bulb balance also has a root far above
    // saturation (W near 0.93); the state found is the real one.
    const double w = 0.5 * saturation_humidity_ratio(285.15, 1e6);
    const moist_air m(st::tdry_w, 285.15, w, 1e6);
    const moist_air back(st::tdry_twet, 285.15, m.twet(), 1e6);
    EXPECT_NEAR(back.xw(), m.xw(), 1e-6 * m.xw());
}

TEST(StateRoutines, DryBulbWithDewPoint)
{
    // The dew point fixes the humidity ratio: that of air saturated at it.
    const moist_air m(st::tdry_tdew, 293.15, 283.15, atm);
    EXPECT_NEAR(m.tdew(), 283.15, 1e-7);
    // A dew point above the dry bulb gives supersaturated air.
    EXPECT_GT(moist_air(st::tdry_tdew, 293.15, 298.15, atm).rh(), 1.0);
    // Very dry air: a dew point of -95 degC at 20 degC.
    const moist_air dry(st::tdry_tdew, 293.15, 178.15, atm);
    EXPECT_NEAR(dry.tdew(), 178.15, 1e-6);
    EXPECT_EQ(message(st::tdry_tdew, 293.15, 170.0, atm), "water");
    // A dew point at or above the boiling point gives no gas.
    EXPECT_EQ(message(st::tdry_tdew, 393.15, 380.0, atm), "moist_air::x_range");
}

TEST(StateRoutines, DryBulbSearchesThatCannotSucceed)
{
    // Beyond what any mole fraction of vapour gives at this dry bulb.
    EXPECT_EQ(message(st::tdry_h, 293.15, 1e5, atm), "brent_solver");
    EXPECT_EQ(message(st::tdry_h, 293.15, -50.0, atm), "brent_solver");
    EXPECT_EQ(message(st::tdry_s, 293.15, 100.0, atm), "brent_solver");
    EXPECT_EQ(message(st::tdry_v, 293.15, 0.1, atm), "brent_solver");
    // An enthalpy of exactly 0 is dry air at 0 degC, not a division by zero.
    EXPECT_NEAR(moist_air(st::tdry_h, 273.15, 0.0, atm).xw(), 0.0, 1e-8);
}

TEST(StateRoutines, VolumeWhereVapourAloneWouldCondense)
{
    // 25 degC at 8 bar and -40 degC at 1 atm: pure vapour at (T, p) would
    // condense, yet moist air of any humidity up to saturation exists.
    for (const auto& [t, p] : {std::pair{298.15, 8e5}, std::pair{233.15, atm}}) {
        const double w = 0.6 * saturation_humidity_ratio(t, p);
        const moist_air m(st::tdry_w, t, w, p);
        const moist_air back(st::tdry_v, t, m.vm(), p);
        EXPECT_NEAR(back.xw(), m.xw(), 1e-6 * m.xw()) << t;
        const moist_air from_rh(st::rh_v, m.rh(), m.vm(), p);
        EXPECT_NEAR(from_rh.tdry(), t, 1e-6) << t;
    }
}

TEST(StateRoutines, HumidityRatioRoutines)
{
    // Dry air is given with the dry bulb: W = 0 leaves the searches no start.
    EXPECT_EQ(message(st::w_h, 0.0, 20.0, atm), "moistair::at_w_h");
    EXPECT_EQ(message(st::w_s, 0.0, 0.1, atm), "moistair::at_w_s");
    EXPECT_EQ(message(st::w_v, 0.0, 0.8, atm), "moistair::at_w_v");
    EXPECT_EQ(message(st::w_rh, 0.0, 0.5, atm), "moistair::at_w_rh");
    EXPECT_EQ(message(st::rh_w, 0.5, 0.0, atm), "moistair::at_w_rh");
    // Zero pressure: no vapour pressure either.
    EXPECT_EQ(message(st::w_h, 0.01, 20.0, 0.0), "moistair::at_w_h");
    // The pressure is tested first; a negative W before any search.
    EXPECT_EQ(message(st::w_h, -1.0, 20.0, -1.0), "moist_air::p_range");
    EXPECT_EQ(message(st::w_h, -0.001, 20.0, atm), "moist_air::x_range");
    EXPECT_EQ(message(st::w_twet, -0.001, 280.0, atm), "moist_air::x_range");
    // With the wet bulb, dry air is searched normally from the wet bulb...
    const moist_air dry(st::w_twet, 0.0, 279.0, atm);
    EXPECT_NEAR(dry.twet(), 279.0, 1e-6);
    // ...but a wet bulb at the lowest temperature leaves no room.
    EXPECT_EQ(message(st::w_twet, 0.001, 173.15, atm), "moistar::at_w_twet");
    EXPECT_EQ(message(st::w_twet, 0.001, 170.0, atm), "water");
    // A relative humidity above 1 lies below the dew point.
    const moist_air super(st::w_rh, 0.01, 1.2, atm);
    EXPECT_NEAR(super.rh(), 1.2, 1e-8);
    EXPECT_LT(super.tdry(), moist_air(st::w_rh, 0.01, 1.0, atm).tdry());
}

TEST(StateRoutines, RelativeHumidityRoutines)
{
    // rh = 0 is dry air at the temperature of the enthalpy.
    const moist_air dry(st::rh_h, 0.0, 20.1206, atm);
    EXPECT_EQ(dry.xw(), 0.0);
    EXPECT_NEAR(dry.tdry(), 293.15, 1e-4);
    // Saturated, and a little above saturation.
    EXPECT_NEAR(moist_air(st::rh_h, 1.0, 50.0, atm).rh(), 1.0, 1e-12);
    EXPECT_NEAR(moist_air(st::rh_h, 1.05, 50.0, atm).rh(), 1.05, 1e-12);
    EXPECT_EQ(message(st::rh_h, 0.5, -500.0, atm), "brent_solver");
    // A wet bulb just above the lowest temperature: the dry bulb lies above it.
    const moist_air cold(st::rh_twet, 0.5, 173.2, atm);
    EXPECT_GE(cold.tdry(), 173.2);
    EXPECT_NEAR(cold.twet(), 173.2, 1e-6);
    // Very dry hot air: the wet bulb is far below the dry bulb.
    const moist_air hot(st::tdry_rh, 363.15, 0.001, atm);
    const moist_air back(st::rh_twet, 0.001, hot.twet(), atm);
    EXPECT_NEAR(back.tdry(), 363.15, 1e-6);
    EXPECT_NEAR(back.twet(), hot.twet(), 1e-6);
}

TEST(StateRoutines, AwkwardInputsAlwaysReturn)
{
    // No input pair hangs or crashes, whatever it is given: every call returns
    // one of the interface's result codes and writes only on success.
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double values[] = {0.0, -0.0, 1.0, -1.0, 0.5, 1e-300, -100.0, 372.0, 1e6,
                             -1e308, 1e308, inf, -inf, nan};
    for (int type = 0; type < HYGRA_STATE_TYPE_COUNT; ++type)
        for (double a : values)
            for (double b : values)
                for (double p : {0.0, 1.01325, 50.0, nan}) {
                    double v = -7.0;
                    const int rc = moistair_eval(type, HYGRA_TDB, HYGRA_SI, &v, a, b, p);
                    ASSERT_GE(rc, HYGRA_OK);
                    ASSERT_LE(rc, HYGRA_OUT_OF_RANGE);
                    if (rc != HYGRA_OK) {
                        ASSERT_EQ(v, -7.0);
                    }
                }
}

}  // namespace
}  // namespace hygra::ashrae97

namespace hygra::ashrae97 {
namespace {

TEST(StateRoutines, StatesThatDoNotReproduceTheirInputsAreRefused)
{
    // Found searching for slow inputs: a wet bulb above the boiling point at the
    // pressure (372 degC at 50 bar) has no saturated air to balance against; the
    // search from W = 10000 used to return a state whose wet bulb was 264 degC.
    for (st type : {st::w_twet, st::tdry_twet})
        EXPECT_EQ(message(type, type == st::w_twet ? 10000.0 : 645.15, 645.0, 4.999e6),
                  "moist_air::twet_range");
    EXPECT_EQ(message(st::rh_twet, 0.5, 400.0, atm), "moist_air::twet_range");
    // Relative humidity 1.5 with a volume of 1e-9 m3/kg at 50 bar: the root
    // search closed on a state whose volume was 3.8e-7, within an absolute
    // tolerance but nowhere near the target.
    EXPECT_EQ(message(st::rh_v, 1.5, 1e-9, 4.999e6), "other: brent_solver");
}

}  // namespace
}  // namespace hygra::ashrae97
