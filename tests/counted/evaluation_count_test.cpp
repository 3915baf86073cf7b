// Work done by each search, counted in evaluations of the real-gas formulation
// (constructions of a virial object at one temperature and pressure): this
// executable is built from the model's sources with the counter compiled in.
// Counts are deterministic, so an upper bound per search can be asserted; the
// mean counts over ordinary states are printed for the record.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ashrae97/evaluation_count.h"
#include "ashrae97/moist_air.h"

namespace hygra::ashrae97 {
namespace {

struct sample_state {
    double t, rh, p;  // K, fraction, Pa
};

// Ordinary air: 15 to 35 degC, 30 to 70 %, one atmosphere.
std::vector<sample_state> ordinary_states()
{
    std::vector<sample_state> out;
    for (double tc = 15.0; tc <= 35.0; tc += 5.0)
        for (double rh = 0.3; rh <= 0.71; rh += 0.1)
            out.push_back({tc + 273.15, rh, 101325.0});
    return out;
}

// Across the range: over ice, hot, low and high pressure, dry to saturated.
std::vector<sample_state> wide_states()
{
    std::vector<sample_state> out;
    for (double tc : {-60.0, -20.0, -1.0, 0.5, 10.0, 40.0, 80.0, 120.0})
        for (double rh : {0.02, 0.3, 0.8, 1.0})
            for (double p : {20000.0, 101325.0, 1e6})
                out.push_back({tc + 273.15, rh, p});
    return out;
}

struct counted {
    double mean = 0.0;
    unsigned long max = 0;
    int states = 0;
};

// Evaluations of `work` on each state that exists; the inputs of every pair are
// read from the state (T, RH) before counting starts.
counted count(const std::vector<sample_state>& states,
              const std::function<void(const moist_air&)>& work)
{
    counted c;
    unsigned long total = 0;
    for (const sample_state& s : states) {
        try {
            const moist_air m(moist_air::tdry_rh, s.t, s.rh, s.p);
            m.tdew();
            m.twet();
            evaluation_count = 0;
            work(m);
        } catch (const std::exception&) {
            continue;  // no such state (above boiling), or a refused pair
        }
        total += evaluation_count;
        c.max = std::max(c.max, evaluation_count);
        ++c.states;
    }
    c.mean = c.states ? static_cast<double>(total) / c.states : 0.0;
    return c;
}

using reader = double (*)(const moist_air&);
double tdb(const moist_air& m) { return m.tdry(); }
double twb(const moist_air& m) { return m.twet(); }
double tdp(const moist_air& m) { return m.tdew(); }
double hum(const moist_air& m) { return w_from_xw(m.xw()); }
double rel(const moist_air& m) { return m.rh(); }
double enth(const moist_air& m) { return m.hm(); }
double entr(const moist_air& m) { return m.sm(); }
double vol(const moist_air& m) { return m.vm(); }

struct pair_reader {
    const char* name;
    moist_air::state_type type;
    reader first, second;
    unsigned long bound;  // most evaluations one construction may take
};

// Bounds on the evaluations of one construction or one getter call.
const pair_reader pairs[] = {
    {"tdry_twet", moist_air::tdry_twet, tdb, twb, 12},
    {"tdry_rh", moist_air::tdry_rh, tdb, rel, 2},
    {"tdry_h", moist_air::tdry_h, tdb, enth, 12},
    {"tdry_s", moist_air::tdry_s, tdb, entr, 16},
    {"tdry_v", moist_air::tdry_v, tdb, vol, 12},
    {"tdry_tdew", moist_air::tdry_tdew, tdb, tdp, 2},
    {"w_twet", moist_air::w_twet, hum, twb, 12},
    {"w_tdry", moist_air::w_tdry, hum, tdb, 2},
    {"w_rh", moist_air::w_rh, hum, rel, 45},
    {"w_h", moist_air::w_h, hum, enth, 10},
    {"w_s", moist_air::w_s, hum, entr, 14},
    {"w_v", moist_air::w_v, hum, vol, 10},
    {"rh_twet", moist_air::rh_twet, rel, twb, 60},
    {"rh_tdry", moist_air::rh_tdry, rel, tdb, 2},
    {"rh_w", moist_air::rh_w, rel, hum, 45},
    {"rh_h", moist_air::rh_h, rel, enth, 80},
    {"rh_s", moist_air::rh_s, rel, entr, 80},
    {"rh_v", moist_air::rh_v, rel, vol, 80},
};

void report(const char* name, const counted& ordinary, const counted& wide)
{
    std::printf("%-10s ordinary mean %6.1f max %4lu   wide mean %6.1f max %4lu (%d states)\n", name,
                ordinary.mean, ordinary.max, wide.mean, wide.max, wide.states);
}

TEST(EvaluationCount, EveryStateSearchStaysWithinItsBound)
{
    for (const pair_reader& r : pairs) {
        const auto work = [&](const moist_air& m) {
            const double a = r.first(m), b = r.second(m);
            evaluation_count = 0;
            moist_air(r.type, a, b, m.p());
        };
        const counted ordinary = count(ordinary_states(), work);
        const counted wide = count(wide_states(), work);
        report(r.name, ordinary, wide);
        EXPECT_GT(ordinary.states, 20) << r.name;
        EXPECT_LE(ordinary.max, r.bound) << r.name;
        EXPECT_LE(wide.max, r.bound) << r.name;
    }
}

TEST(EvaluationCount, WetBulbAndDewPointGettersStayWithinTheirBounds)
{
    const auto twet = [](const moist_air& m) { m.twet(); };
    const auto tdew = [](const moist_air& m) { m.tdew(); };
    const counted twet_ordinary = count(ordinary_states(), twet);
    const counted twet_wide = count(wide_states(), twet);
    const counted tdew_ordinary = count(ordinary_states(), tdew);
    const counted tdew_wide = count(wide_states(), tdew);
    report("twet", twet_ordinary, twet_wide);
    report("tdew", tdew_ordinary, tdew_wide);
    EXPECT_LE(twet_wide.max, 80u);
    EXPECT_LE(tdew_wide.max, 16u);
}

}  // namespace
}  // namespace hygra::ashrae97
