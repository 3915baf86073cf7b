#include "ashrae97/moist_air.h"

#include <cmath>
#include <limits>
#include <stdexcept>

#include <gtest/gtest.h>

#include "numeric/errors.h"

namespace hygra::ashrae97 {
namespace {

std::string domain_message(moist_air::state_type type, double a, double b, double p)
{
    try {
        moist_air m(type, a, b, p);
    } catch (const std::domain_error& e) {
        return e.what();
    }
    return "no error";
}

TEST(MoistAir, HumidityRatioToMoleFraction)
{
    EXPECT_EQ(xw_from_w(0.0), 0.0);
    // W = 0.01 gives xw = 0.01 / (0.01 + Mw/Ma), whatever the temperature and pressure.
    EXPECT_NEAR(xw_from_w(0.01), 0.01 / (0.01 + 0.6219779385109357), 1e-16);
    EXPECT_NEAR(xw_from_w(1e300), 1.0, 1e-15);
    // 1 - 1/(1 + W) cancels digits for small W: the round trip keeps about ten.
    for (double w : {1e-6, 0.0073, 0.5, 3.0})
        EXPECT_NEAR(w_from_xw(xw_from_w(w)), w, 1e-9 * w) << w;
    EXPECT_EQ(w_from_xw(1.0), 0.0);
}

TEST(MoistAir, DryBulbAndHumidityRatioInEitherOrder)
{
    moist_air a(moist_air::tdry_w, 293.15, 0.0, 101325.0);
    moist_air b(moist_air::w_tdry, 0.0, 293.15, 101325.0);
    EXPECT_EQ(a.xw(), 0.0);
    EXPECT_EQ(a.tdry(), b.tdry());
    EXPECT_EQ(a.p(), b.p());
    EXPECT_EQ(a.xw(), b.xw());
    moist_air c(moist_air::w_tdry, 0.01, 300.0, 2e5);
    EXPECT_EQ(c.tdry(), 300.0);
    EXPECT_EQ(c.p(), 2e5);
    EXPECT_NEAR(c.xw(), 0.0158233, 1e-7);
    EXPECT_NO_THROW(c.check_state());
}

TEST(MoistAir, RangeChecks)
{
    // The limits themselves are accepted.
    EXPECT_NO_THROW(moist_air(moist_air::tdry_w, 173.15, 0.0, 0.0));
    EXPECT_NO_THROW(moist_air(moist_air::tdry_w, 645.15, 0.0, 5e6));
    EXPECT_EQ(domain_message(moist_air::tdry_w, 173.1499, 0.0, 1e5), "moist_air::t_range");
    EXPECT_EQ(domain_message(moist_air::tdry_w, 645.1501, 0.0, 1e5), "moist_air::t_range");
    EXPECT_EQ(domain_message(moist_air::tdry_w, 300.0, 0.0, 5000000.1), "moist_air::p_range");
    EXPECT_EQ(domain_message(moist_air::tdry_w, 300.0, 0.0, -1.0), "moist_air::p_range");
    // Temperature is tested before pressure.
    EXPECT_EQ(domain_message(moist_air::tdry_w, 100.0, 0.0, -1.0), "moist_air::t_range");
    // A negative W between -1 and 0 gives a negative mole fraction.
    EXPECT_EQ(domain_message(moist_air::tdry_w, 300.0, -0.5, 1e5), "moist_air::x_range");
    EXPECT_EQ(domain_message(static_cast<moist_air::state_type>(30), 300.0, 0.0, 1e5), "moist_air");
    EXPECT_EQ(domain_message(static_cast<moist_air::state_type>(-1), 300.0, 0.0, 1e5), "moist_air");
    // A NaN passes both comparisons of a range check.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(std::isnan(moist_air(moist_air::tdry_w, nan, 0.0, 1e5).tdry()));
}

TEST(MoistAir, Constants)
{
    EXPECT_EQ(moist_air::m_tmin, 173.15);
    EXPECT_EQ(moist_air::m_tmax, 645.15);
    EXPECT_EQ(moist_air::m_pmin, 0.0);
    EXPECT_EQ(moist_air::m_pmax, 5e6);
    EXPECT_EQ(moist_air::m_mwa, 28.9645);
    EXPECT_EQ(moist_air::m_mww, 18.01528);
    EXPECT_EQ(moist_air::m_rg, 8314410.0);
    EXPECT_EQ(moist_air::m_mww / moist_air::m_mwa, 0.6219779385109357);
}

}  // namespace
}  // namespace hygra::ashrae97
