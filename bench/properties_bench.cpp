// Cost of the property getters of one ordinary state (20 degC, W = 0.0073 at
// 1 atm), and of reading all forty-six properties through the C interface.
#include <benchmark/benchmark.h>

#include "ashrae97/moist_air.h"
#include "hygra.h"

namespace {

using hygra::ashrae97::moist_air;

const moist_air& ordinary_state()
{
    static const moist_air state(moist_air::tdry_w, 293.15, 0.0073, 101325.0);
    return state;
}

void getter(benchmark::State& st, double (moist_air::*get)() const)
{
    const moist_air& m = ordinary_state();
    for (auto _ : st)
        benchmark::DoNotOptimize((m.*get)());
}

#define HYGRA_GETTER(name) BENCHMARK_CAPTURE(getter, name, &moist_air::name)
HYGRA_GETTER(twet);
HYGRA_GETTER(tdew);
HYGRA_GETTER(pws);
HYGRA_GETTER(pwet);
HYGRA_GETTER(pdew);
HYGRA_GETTER(ws);
HYGRA_GETTER(rh);
HYGRA_GETTER(va);
HYGRA_GETTER(vm);
HYGRA_GETTER(vw);
HYGRA_GETTER(vg);
HYGRA_GETTER(ha);
HYGRA_GETTER(hm);
HYGRA_GETTER(hw);
HYGRA_GETTER(hg);
HYGRA_GETTER(sa);
HYGRA_GETTER(sm);
HYGRA_GETTER(sw);
HYGRA_GETTER(sg);
HYGRA_GETTER(cpa);
HYGRA_GETTER(cpm);
HYGRA_GETTER(cpw);
HYGRA_GETTER(cpg);
HYGRA_GETTER(mua);
HYGRA_GETTER(mum);
HYGRA_GETTER(muw);
HYGRA_GETTER(mug);
HYGRA_GETTER(tka);
HYGRA_GETTER(tkm);
HYGRA_GETTER(tkw);
HYGRA_GETTER(tkg);
HYGRA_GETTER(pra);
HYGRA_GETTER(prm);
HYGRA_GETTER(prw);
HYGRA_GETTER(prg);
HYGRA_GETTER(daw);
HYGRA_GETTER(scm);
HYGRA_GETTER(rho);
HYGRA_GETTER(ds);

// All forty-six codes of one state through moistair_eval: the state is
// constructed once and then found in the cache.
void whole_state(benchmark::State& st)
{
    double v;
    for (auto _ : st)
        for (int code = 0; code < HYGRA_PROPERTY_COUNT; ++code)
            benchmark::DoNotOptimize(
                moistair_eval(HYGRA_TDRY_W, code, HYGRA_SI, &v, 20.0, 0.0073, 1.01325));
}
BENCHMARK(whole_state);

}  // namespace
