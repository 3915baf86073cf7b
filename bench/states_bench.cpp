// Cost of constructing a state from each of the thirty input pairs through
// the C interface, at an ordinary state (20 degC, 50 % relative humidity, 1 atm).
// Each iteration nudges the first input by a part in 1e12, cycling through 200
// values, so that the state cache (101 entries, keyed by the converted inputs)
// never answers: every call constructs.
#include <cmath>

#include <benchmark/benchmark.h>

#include "hygra.h"

namespace {

struct pair_inputs {
    int first, second;  // property codes
};

const pair_inputs inputs_of[HYGRA_STATE_TYPE_COUNT] = {
    {HYGRA_TDB, HYGRA_TWB}, {HYGRA_TDB, HYGRA_RH}, {HYGRA_TDB, HYGRA_W},   {HYGRA_TDB, HYGRA_HM},
    {HYGRA_TDB, HYGRA_SM},  {HYGRA_TDB, HYGRA_VM}, {HYGRA_TDB, HYGRA_TDEW}, {HYGRA_W, HYGRA_TWB},
    {HYGRA_W, HYGRA_TDB},   {HYGRA_W, HYGRA_RH},   {HYGRA_W, HYGRA_HM},    {HYGRA_W, HYGRA_SM},
    {HYGRA_W, HYGRA_VM},    {HYGRA_RH, HYGRA_TWB}, {HYGRA_RH, HYGRA_TDB},  {HYGRA_RH, HYGRA_W},
    {HYGRA_RH, HYGRA_HM},   {HYGRA_RH, HYGRA_SM},  {HYGRA_RH, HYGRA_VM},  {HYGRA_TDEW, HYGRA_TWB},
    {HYGRA_TDEW, HYGRA_RH}, {HYGRA_TDEW, HYGRA_HM}, {HYGRA_TDEW, HYGRA_SM}, {HYGRA_TDEW, HYGRA_VM},
    {HYGRA_TWB, HYGRA_HM},  {HYGRA_TWB, HYGRA_SM}, {HYGRA_TWB, HYGRA_VM},  {HYGRA_HM, HYGRA_SM},
    {HYGRA_HM, HYGRA_VM},   {HYGRA_SM, HYGRA_VM},
};

double property(int code)
{
    double v = NAN;
    moistair_eval(HYGRA_TDRY_RH, code, HYGRA_SI, &v, 20.0, 0.5, 1.01325);
    return v;
}

void construct(benchmark::State& st)
{
    const int type = static_cast<int>(st.range(0));
    const double a = property(inputs_of[type].first);
    const double b = property(inputs_of[type].second);
    double v;
    int i = 0;
    for (auto _ : st) {
        const double nudged = a * (1.0 + 1e-12 * i);
        i = (i + 1) % 200;
        if (moistair_eval(type, HYGRA_TDB, HYGRA_SI, &v, nudged, b, 1.01325) != HYGRA_OK)
            st.SkipWithError("construction failed");
    }
}
BENCHMARK(construct)->DenseRange(0, HYGRA_STATE_TYPE_COUNT - 1)->Unit(benchmark::kMicrosecond);

}  // namespace
