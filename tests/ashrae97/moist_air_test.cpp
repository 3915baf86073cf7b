// A state of moist air from dry bulb and humidity ratio: the conversion to a
// mole fraction, the order of the inputs, and the range checks in their order.
#include "ashrae97/moist_air.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "message.h"

namespace hygra::ashrae97 {
namespace {

TEST(MoistAir, HumidityRatioAndItsMoleFractionInEitherOrder)
{
    // xw = W / (W + Mw/Ma), whatever the temperature and pressure.
    EXPECT_EQ(xw_from_w(0.0), 0.0);
    EXPECT_NEAR(xw_from_w(0.01), 0.01 / (0.01 + 0.6219779385109357), 1e-16);
    EXPECT_NEAR(xw_from_w(1e300), 1.0, 1e-15);
    EXPECT_EQ(w_from_xw(1.0), 0.0);
    // 1 - 1/(1 + W) cancels digits for small W: the round trip keeps about ten.
    for (double w : {1e-6, 0.0073, 0.5, 3.0})
        EXPECT_NEAR(w_from_xw(xw_from_w(w)), w, 1e-9 * w) << w;
    const moist_air a(moist_air::tdry_w, 300.0, 0.01, 2e5), b(moist_air::w_tdry, 0.01, 300.0, 2e5);
    EXPECT_EQ(b.tdry(), 300.0);
    EXPECT_EQ(b.p(), 2e5);
    EXPECT_EQ(a.xw(), b.xw());
    EXPECT_NEAR(b.xw(), 0.0158233, 1e-7);
}

TEST(MoistAir, RangeChecksInTheirOrder)
{
    // The limits are accepted; temperature before pressure; a negative W gives
    // a negative mole fraction; an unknown state type is refused.
    const auto tdry_w = moist_air::tdry_w;
    for (auto [type, t, w, p, m] :
         {std::tuple{tdry_w, 173.15, 0.0, 0.0, "no error"}, {tdry_w, 645.15, 0.0, 5e6, "no error"},
          {tdry_w, 173.1499, 0.0, 1e5, "moist_air::t_range"}, {tdry_w, 645.1501, 0.0, 1e5, "moist_air::t_range"},
          {tdry_w, 300.0, 0.0, 5000000.1, "moist_air::p_range"}, {tdry_w, 300.0, 0.0, -1.0, "moist_air::p_range"},
          {tdry_w, 100.0, 0.0, -1.0, "moist_air::t_range"}, {tdry_w, 300.0, -0.5, 1e5, "moist_air::x_range"}})
        EXPECT_EQ(message(type, t, w, p), m) << type << " " << t << " " << w << " " << p;
    EXPECT_EQ(message(static_cast<moist_air::state_type>(30), 300.0, 0.0, 1e5), "moist_air");
    EXPECT_EQ(message(static_cast<moist_air::state_type>(-1), 300.0, 0.0, 1e5), "moist_air");
    // A NaN passes both comparisons of a range check.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(std::isnan(moist_air(tdry_w, nan, 0.0, 1e5).tdry()));
}

}  // namespace
}  // namespace hygra::ashrae97
