// The per-thread cache of constructed states: exact keys, found again among
// many, emptied whole when full, never holding a failure or a NaN.
#include "api/state_cache.h"

#include <cmath>
#include <stdexcept>

#include "api_test.h"

namespace hygra {
namespace {

using ashrae97::moist_air;

state_key key(int type, double a, double b = 0.001, double p = 101325.0) { return {type, {{a, b}, p}}; }

TEST(StateCache, KeysCompareExactlyAndAreAllFoundAgain)
{
    state_cache c;
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(c.get(key(moist_air::tdry_w, 293.15)).tdry(), 293.15);
    EXPECT_EQ(c.constructions(), 1u);
    // A unit in the last place of an input or the pressure, or another state
    // type with the same inputs, is another key; 0.0 and -0.0 are one.
    c.get(key(moist_air::tdry_w, std::nextafter(293.15, 300.0)));
    c.get(key(moist_air::tdry_w, 293.15, 0.001, std::nextafter(101325.0, 0.0)));
    c.get(key(moist_air::w_tdry, 0.001, 293.15));
    c.get(key(moist_air::tdry_w, 293.15, 0.0));
    c.get(key(moist_air::tdry_w, 293.15, -0.0));
    EXPECT_EQ(c.size(), 5u);
    EXPECT_EQ(c.constructions(), 5u);
    // A full cache of keys a unit in the last place apart, of two state types:
    // every one is found again.
    c.clear();
    for (int pass = 0; pass < 2; ++pass) {
        double t = 250.0;
        for (int i = 0; i < 100; ++i, t = std::nextafter(t, 300.0))
            EXPECT_EQ(c.get(key(i % 2 == 0 ? moist_air::tdry_w : moist_air::tdry_rh, t)).tdry(), t);
    }
    EXPECT_EQ(c.size(), 100u);
    EXPECT_EQ(c.constructions(), 105u);
}

TEST(StateCache, EmptiedWholeWhenFullAndHoldsNoFailureNorNan)
{
    state_cache c;
    for (int i = 0; i < 101; ++i)
        c.get(key(moist_air::tdry_w, 200.0 + i));
    EXPECT_EQ(c.size(), 101u);
    // Even a state already cached empties the cache and becomes its only entry.
    c.get(key(moist_air::tdry_w, 200.0));
    c.get(key(moist_air::tdry_w, 200.0));
    EXPECT_EQ(c.size(), 1u);
    EXPECT_EQ(c.constructions(), 102u);
    // A failed construction adds nothing.
    EXPECT_THROW(c.get(key(moist_air::tdry_w, 100.0)), std::domain_error);
    EXPECT_EQ(c.size(), 1u);
    // With a plain less-than, NaN would look equivalent to a cached key.
    const double nan = std::nan("");
    EXPECT_TRUE(std::isnan(c.get(key(moist_air::tdry_w, nan)).tdry()));
    c.get(key(moist_air::tdry_w, 200.0, 0.001, nan));
    EXPECT_EQ(c.size(), 1u);
    EXPECT_EQ(c.constructions(), 105u);
}

TEST(StateCache, EachEvaluationUsesTheThreadsCache)
{
    using api_test::eval;
    cache().clear();
    const unsigned long before = cache().constructions();
    eval(HYGRA_TDRY_W, HYGRA_TDB, 0, 21.5, 0.004, 1.0);
    eval(HYGRA_TDRY_W, HYGRA_W, 0, 21.5, 0.004, 1.0);
    EXPECT_EQ(cache().constructions(), before + 1);
    // A bad property code still leaves the state cached; bad pointers, state
    // types and failed constructions never reach it.
    eval(HYGRA_TDRY_W, 46, 0, 22.5, 0.004, 1.0);
    moistair_eval(HYGRA_TDRY_W, 0, 0, nullptr, 23.5, 0.004, 1.0);
    eval(HYGRA_STATE_TYPE_COUNT, 0, 0, 23.5, 0.004, 1.0);
    eval(HYGRA_TDRY_W, 0, 0, 1000.0, 0.004, 1.0);
    EXPECT_EQ(cache().size(), 2u);
}

}  // namespace
}  // namespace hygra
