// Work done by each search, counted in evaluations of the real-gas formulation
// (constructions of a virial object at one temperature and pressure): this
// executable is built from the model's sources with the counter compiled in.
// Counts are deterministic, so an upper bound per search can be asserted; the
// mean counts over ordinary states are printed for the record.
#include <algorithm>
#include <cstdio>
#include <vector>

#include <gtest/gtest.h>

#include "ashrae97/evaluation_count.h"
#include "ashrae97/moist_air.h"

namespace hygra::ashrae97 {
namespace {

struct sample_state {
    double t, rh, p;  // K, fraction, Pa
};

std::vector<sample_state> grid(std::vector<double> tcs, std::vector<double> rhs, std::vector<double> ps)
{
    std::vector<sample_state> out;
    for (double tc : tcs)
        for (double rh : rhs)
            for (double p : ps)
                out.push_back({tc + 273.15, rh, p});
    return out;
}

// Ordinary air, and states across the range: over ice, hot, low and high
// pressure, dry to saturated.
const std::vector<sample_state> ordinary = grid({15, 20, 25, 30, 35}, {0.3, 0.4, 0.5, 0.6, 0.7}, {101325.0});
const std::vector<sample_state> wide =
    grid({-60, -20, -1, 0.5, 10, 40, 80, 120}, {0.02, 0.3, 0.8, 1.0}, {20000.0, 101325.0, 1e6});

using reader = double (*)(const moist_air&);
double tdb(const moist_air& m) { return m.tdry(); }
double twb(const moist_air& m) { return m.twet(); }
double tdp(const moist_air& m) { return m.tdew(); }
double hum(const moist_air& m) { return w_from_xw(m.xw()); }
double rel(const moist_air& m) { return m.rh(); }
double enth(const moist_air& m) { return m.hm(); }
double entr(const moist_air& m) { return m.sm(); }
double vol(const moist_air& m) { return m.vm(); }

struct search {
    const char* name;
    moist_air::state_type type;
    reader first, second;  // a state from (first, second); a getter call of second alone when first is null
    unsigned long bound;   // most evaluations one construction or call may take
    // Mean evaluations on the ordinary and the wide states, half an
    // evaluation above what the searches take now: a poorer start or a lost
    // fast path shows here long before it reaches the bound of the worst case.
    double ordinary_mean, wide_mean;
};

const search searches[] = {
    {"tdry_twet", moist_air::tdry_twet, tdb, twb, 12, 6.6, 7.1},
    {"tdry_rh", moist_air::tdry_rh, tdb, rel, 2, 1.5, 1.5},
    {"tdry_h", moist_air::tdry_h, tdb, enth, 12, 5.4, 6.4},
    {"tdry_s", moist_air::tdry_s, tdb, entr, 16, 6.7, 9.2},
    {"tdry_v", moist_air::tdry_v, tdb, vol, 12, 5.5, 6.4},
    {"tdry_tdew", moist_air::tdry_tdew, tdb, tdp, 2, 1.5, 1.5},
    {"w_twet", moist_air::w_twet, hum, twb, 12, 6.5, 5.9},
    {"w_tdry", moist_air::w_tdry, hum, tdb, 2, 0.5, 0.5},
    {"w_rh", moist_air::w_rh, hum, rel, 45, 5.5, 11.3},
    {"w_h", moist_air::w_h, hum, enth, 10, 4.2, 4.7},
    {"w_s", moist_air::w_s, hum, entr, 14, 5.8, 8.1},
    {"w_v", moist_air::w_v, hum, vol, 10, 4.5, 4.8},
    {"rh_twet", moist_air::rh_twet, rel, twb, 60, 15.5, 19.1},
    {"rh_tdry", moist_air::rh_tdry, rel, tdb, 2, 1.5, 1.5},
    {"rh_w", moist_air::rh_w, rel, hum, 45, 5.5, 11.3},
    {"rh_h", moist_air::rh_h, rel, enth, 80, 11.5, 19.9},
    {"rh_s", moist_air::rh_s, rel, entr, 80, 15.2, 29.3},
    {"rh_v", moist_air::rh_v, rel, vol, 80, 11.5, 17.6},
    {"twet", moist_air::tdry_rh, nullptr, twb, 80, 13.4, 20.9},
    {"tdew", moist_air::tdry_rh, nullptr, tdp, 16, 7.5, 7.7},
};

struct counted {
    double mean = 0.0;
    unsigned long max = 0;
    int states = 0;
};

// Evaluations of one search on each state that exists; its inputs are read
// from the state (T, RH) before counting starts.
counted count(const std::vector<sample_state>& states, const search& s)
{
    counted c;
    unsigned long total = 0;
    for (const sample_state& x : states) {
        try {
            const moist_air m(moist_air::tdry_rh, x.t, x.rh, x.p);
            m.tdew();  // a state without a dew point or wet bulb is skipped by every search
            m.twet();
            const double a = s.first ? s.first(m) : 0.0, b = s.second(m);
            evaluation_count = 0;
            if (s.first)
                moist_air(s.type, a, b, m.p());
            else
                s.second(m);
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

TEST(EvaluationCount, EverySearchStaysWithinItsBound)
{
    for (const search& s : searches) {
        const counted o = count(ordinary, s), w = count(wide, s);
        std::printf("%-10s ordinary mean %6.1f max %4lu   wide mean %6.1f max %4lu (%d states)\n", s.name, o.mean,
                    o.max, w.mean, w.max, w.states);
        EXPECT_GT(o.states, 20) << s.name;
        EXPECT_LE(o.max, s.bound) << s.name;
        EXPECT_LE(w.max, s.bound) << s.name;
        EXPECT_LE(o.mean, s.ordinary_mean) << s.name;
        EXPECT_LE(w.mean, s.wide_mean) << s.name;
    }
}

}  // namespace
}  // namespace hygra::ashrae97
