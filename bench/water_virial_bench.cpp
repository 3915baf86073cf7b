// Cost of the saturation state: the enhancement-factor iteration, which the
// root solvers and the minimiser call a few hundred times per property, and
// the saturation pressure it starts from. Each iteration builds its objects
// on the stack as the callers do.
#include <benchmark/benchmark.h>

#include "ashrae97/virial.h"
#include "ashrae97/water.h"

namespace {

using hygra::ashrae97::virial;
using hygra::ashrae97::water;

// args: temperature in K, pressure in Pa
void efactor(benchmark::State& state, double t, double p)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(p);
        double ws, xws, xas;
        virial(t, p).efactor(ws, xws, xas);
        benchmark::DoNotOptimize(ws);
        benchmark::DoNotOptimize(xws);
        benchmark::DoNotOptimize(xas);
    }
}
BENCHMARK_CAPTURE(efactor, liquid_20C_1atm, 293.15, 101325.0);
BENCHMARK_CAPTURE(efactor, ice_minus20C_1atm, 253.15, 101325.0);
BENCHMARK_CAPTURE(efactor, liquid_20C_1MPa, 293.15, 1e6);

// args: temperature in K
void pws(benchmark::State& state, double t)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(water(t).pws());
    }
}
BENCHMARK_CAPTURE(pws, liquid_20C, 293.15);
BENCHMARK_CAPTURE(pws, ice_minus20C, 253.15);

}  // namespace
