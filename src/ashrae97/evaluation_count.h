// Work counter for the fuzzing build: every evaluation of the real-gas
// formulation at a temperature and pressure constructs a virial object, so
// counting those constructions measures the work one call does. Compiled out
// unless HYGRA_COUNT_EVALUATIONS is defined.
#ifndef HYGRA_ASHRAE97_EVALUATION_COUNT_H
#define HYGRA_ASHRAE97_EVALUATION_COUNT_H

#ifdef HYGRA_COUNT_EVALUATIONS
namespace hygra::ashrae97 {
// Evaluations made by the calling thread since it last reset the count.
inline thread_local unsigned long evaluation_count = 0;
}  // namespace hygra::ashrae97
#define HYGRA_COUNT_EVALUATION() (++::hygra::ashrae97::evaluation_count)
#else
#define HYGRA_COUNT_EVALUATION() ((void)0)
#endif

#endif
