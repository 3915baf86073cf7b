"""States per second of hygra.props through NumPy, pandas, xarray and Dask, against one C batch call.

    python3 python/bench_data_stack.py [COUNT]        (default 1,000,000 states)

with the package importable (pip install ./python, or HYGRA_LIBRARY=build/libhygra.so
PYTHONPATH=python) and Debian's python3-numpy, -pandas, -xarray, -dask, -distributed.
For (TDB, RH) -> W, HM (cheap) and (TDB, RH) -> TWB (a search), it times:

- the C batch call: hygra_eval_batch once over the whole arrays, through ctypes;
- hygra.props with NumPy arrays, pandas Series and xarray DataArrays;
- a chunked (Dask-backed) DataArray computed serially, and on a local cluster
  of two worker processes (one thread each).

A benchmark, not a test: the figures depend on the machine and its load.
"""

import ctypes
import logging
import sys
import time

import numpy as np

import hygra
from hygra import _library

CHUNKS = 16  # Dask blocks of the chunked runs


def timed(function, repeats=1):
    """The shortest of some runs, in seconds: the least disturbed by other work on the machine."""
    best = float("inf")
    for _ in range(repeats):
        start = time.perf_counter()
        function()
        best = min(best, time.perf_counter() - start)
    return best


class TimedLibrary:
    """The library, with the time spent inside hygra_eval_batch added up."""

    def __init__(self, real):
        self._real, self.seconds = real, 0.0

    def __getattr__(self, name):
        return getattr(self._real, name)

    def hygra_eval_batch(self, *arguments):
        start = time.perf_counter()
        try:
            return self._real.hygra_eval_batch(*arguments)
        finally:
            self.seconds += time.perf_counter() - start


def numpy_overhead(names, tdb, rh):
    """Seconds of hygra.props with NumPy arrays outside the library's batch calls, and inside them."""
    real = _library.library()
    timed_library = TimedLibrary(real)
    _library._library = timed_library
    try:
        total = timed(lambda: hygra.props(names, TDB=tdb, RH=rh))
    finally:
        _library._library = real
    return total - timed_library.seconds, timed_library.seconds


def c_batch(tdb, rh, names):
    lib = _library.library()
    codes = np.array([hygra.property_info(n).code for n in names], dtype=np.intc)
    n, k = tdb.size, codes.size
    pressure = np.full(n, 1.01325)
    results = np.full((n, k), np.nan)
    status = np.zeros((n, k), dtype=np.intc)
    double_p, int_p = ctypes.POINTER(ctypes.c_double), ctypes.POINTER(ctypes.c_int)
    lib.hygra_eval_batch(1, 0, n, tdb.ctypes.data_as(double_p), rh.ctypes.data_as(double_p),
                         pressure.ctypes.data_as(double_p), codes.ctypes.data_as(int_p), k,
                         results.ctypes.data_as(double_p), status.ctypes.data_as(int_p))


def main():
    count = int(float(sys.argv[1])) if len(sys.argv) > 1 else 1_000_000
    rng = np.random.default_rng(1)
    tdb = rng.uniform(-20.0, 50.0, count)
    rh = rng.uniform(0.05, 1.0, count)
    print(f"{count:,} states, TDB and RH in, at 1.01325 bar; states/s (seconds)")

    import pandas
    import xarray
    import dask
    from distributed import Client, LocalCluster

    series_tdb, series_rh = pandas.Series(tdb), pandas.Series(rh)
    array_tdb, array_rh = xarray.DataArray(tdb, dims="row"), xarray.DataArray(rh, dims="row")
    chunked_tdb = array_tdb.chunk({"row": -(-count // CHUNKS)})
    chunked_rh = array_rh.chunk({"row": -(-count // CHUNKS)})

    def dask_run(names):
        values = hygra.props(names, TDB=chunked_tdb, RH=chunked_rh)
        dask.compute(*values.values())

    with LocalCluster(n_workers=2, threads_per_worker=1, processes=True, dashboard_address=None,
                      silence_logs=logging.ERROR) as cluster, Client(cluster) as client:
        client.run(hygra.version)  # each worker imports hygra and loads the library before timing
        for names in (["W", "HM"], ["TWB"]):
            print(f"\n-> {', '.join(names)}")
            runs = {
                "C batch call (one hygra_eval_batch)": lambda: c_batch(tdb, rh, names),
                "NumPy arrays": lambda: hygra.props(names, TDB=tdb, RH=rh),
                "pandas Series": lambda: hygra.props(names, TDB=series_tdb, RH=series_rh),
                "xarray DataArray": lambda: hygra.props(names, TDB=array_tdb, RH=array_rh),
            }
            repeats = 3 if names == ["W", "HM"] else 1
            seconds = {}
            for label, run in runs.items():
                seconds[label] = timed(run, repeats)
            with dask.config.set(scheduler="synchronous"):
                seconds["Dask, serial"] = timed(lambda: dask_run(names), repeats)
            with dask.config.set(scheduler=client.get):
                seconds["Dask, two worker processes"] = timed(lambda: dask_run(names), repeats)
            for label, s in seconds.items():
                print(f"  {label:<38}{count / s:>12,.0f}  ({s:.2f} s)")
            outside, inside = numpy_overhead(names, tdb, rh)
            print(f"  NumPy path: {outside:.3f} s in Python around {inside:.2f} s of batch calls "
                  f"({100 * outside / inside:.1f} % overhead); two workers against serial: "
                  f"{seconds['Dask, serial'] / seconds['Dask, two worker processes']:.2f}x")


if __name__ == "__main__":
    main()
