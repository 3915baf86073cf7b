#include "api/state_cache.h"

#include <cmath>
#include <limits>
#include <stdexcept>

#include <gtest/gtest.h>

namespace hygra {
namespace {

using ashrae97::moist_air;

state_key key(int type, double a, double b, double p) { return {type, {{a, b}, p}}; }

class StateCache : public ::testing::Test {
protected:
    state_cache c;
};

TEST_F(StateCache, HitConstructsNothing)
{
    c.get(key(moist_air::tdry_w, 293.15, 0.01, 101325.0));
    EXPECT_EQ(c.constructions(), 1u);
    const moist_air again = c.get(key(moist_air::tdry_w, 293.15, 0.01, 101325.0));
    EXPECT_EQ(c.constructions(), 1u);
    EXPECT_EQ(c.size(), 1u);
    EXPECT_EQ(again.tdry(), 293.15);
}

TEST_F(StateCache, KeysCompareExactly)
{
    c.get(key(moist_air::tdry_w, 293.15, 0.01, 101325.0));
    c.get(key(moist_air::tdry_w, std::nextafter(293.15, 300.0), 0.01, 101325.0));
    c.get(key(moist_air::tdry_w, 293.15, 0.01, std::nextafter(101325.0, 0.0)));
    // The same inputs under another state type are another key.
    c.get(key(moist_air::w_tdry, 0.01, 293.15, 101325.0));
    EXPECT_EQ(c.size(), 4u);
    EXPECT_EQ(c.constructions(), 4u);
    // 0.0 and -0.0 compare equal and make one key.
    c.get(key(moist_air::tdry_w, 293.15, 0.0, 101325.0));
    c.get(key(moist_air::tdry_w, 293.15, -0.0, 101325.0));
    EXPECT_EQ(c.size(), 5u);
}

TEST_F(StateCache, EmptiedWholeAfter101States)
{
    for (int i = 0; i < 101; ++i)
        c.get(key(moist_air::tdry_w, 200.0 + i, 0.001, 101325.0));
    EXPECT_EQ(c.size(), 101u);
    // Even a state already cached empties the cache and becomes its only entry.
    const unsigned long before = c.constructions();
    c.get(key(moist_air::tdry_w, 200.0, 0.001, 101325.0));
    EXPECT_EQ(c.size(), 1u);
    EXPECT_EQ(c.constructions(), before + 1);
    c.get(key(moist_air::tdry_w, 200.0, 0.001, 101325.0));
    EXPECT_EQ(c.constructions(), before + 1);
}

TEST_F(StateCache, EveryOneOfAFullCacheIsFoundAgain)
{
    // Keys that differ in one input by a unit in the last place, and keys that
    // differ only in their state type, all stay apart and are all found.
    double t = 250.0;
    for (int i = 0; i < 100; ++i, t = std::nextafter(t, 300.0))
        c.get(key(i % 2 == 0 ? moist_air::tdry_w : moist_air::tdry_rh, t, 0.001, 101325.0));
    EXPECT_EQ(c.size(), 100u);
    t = 250.0;
    for (int i = 0; i < 100; ++i, t = std::nextafter(t, 300.0)) {
        const moist_air m =
            c.get(key(i % 2 == 0 ? moist_air::tdry_w : moist_air::tdry_rh, t, 0.001, 101325.0));
        EXPECT_EQ(m.tdry(), t);
    }
    EXPECT_EQ(c.constructions(), 100u);
}

TEST_F(StateCache, FailedConstructionLeavesNoEntry)
{
    EXPECT_THROW(c.get(key(moist_air::tdry_w, 100.0, 0.01, 101325.0)), std::domain_error);
    EXPECT_EQ(c.size(), 0u);
    c.get(key(moist_air::tdry_w, 300.0, 0.01, 101325.0));
    EXPECT_EQ(c.size(), 1u);
}

TEST_F(StateCache, NanKeyIsNeverCachedNorConfusedWithAnotherState)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    c.get(key(moist_air::tdry_w, 293.15, 0.01, 101325.0));
    // With a plain less-than, NaN would look equivalent to the cached key.
    const moist_air m = c.get(key(moist_air::tdry_w, nan, 0.01, 101325.0));
    EXPECT_TRUE(std::isnan(m.tdry()));
    EXPECT_EQ(c.size(), 1u);
    c.get(key(moist_air::tdry_w, nan, 0.01, 101325.0));
    EXPECT_EQ(c.constructions(), 3u);
}

}  // namespace
}  // namespace hygra
