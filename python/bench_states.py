"""States per second through the scalar path (one hygra.State per state) and the
batch path (one hygra.props call), for TDB and RH in, W and HM out.

    HYGRA_LIBRARY=build/libhygra.so PYTHONPATH=python python3 python/bench_states.py [COUNT]
"""

import random
import sys
import time

import hygra


def main():
    count = int(sys.argv[1]) if len(sys.argv) > 1 else 1_000_000
    rng = random.Random(1)
    tdb = [rng.uniform(-20.0, 50.0) for _ in range(count)]
    rh = [rng.uniform(0.05, 1.0) for _ in range(count)]

    start = time.perf_counter()
    for t, r in zip(tdb, rh):
        s = hygra.State(TDB=t, RH=r)
        s.W, s.HM
    scalar = count / (time.perf_counter() - start)

    start = time.perf_counter()
    hygra.props(["W", "HM"], TDB=tdb, RH=rh)
    batch = count / (time.perf_counter() - start)

    print(f"{count} states, TDB and RH in, W and HM out")
    print(f"scalar (hygra.State per state): {scalar:12,.0f} states/s")
    print(f"batch  (one hygra.props call):  {batch:12,.0f} states/s  ({batch / scalar:.1f} times)")
    try:
        import numpy
    except ImportError:
        return
    tdb_array, rh_array = numpy.array(tdb), numpy.array(rh)
    start = time.perf_counter()
    hygra.props(["W", "HM"], TDB=tdb_array, RH=rh_array)
    arrays = count / (time.perf_counter() - start)
    print(f"batch  (NumPy arrays):          {arrays:12,.0f} states/s  ({arrays / scalar:.1f} times)")


if __name__ == "__main__":
    main()
