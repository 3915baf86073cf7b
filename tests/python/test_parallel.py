"""A lazy Dask job, on threads sharing the package or on two worker processes, gives the serial result."""

import logging
import os
import unittest

import helpers
import hygra

numpy, xarray, dask_array, distributed = map(helpers.optional, ("numpy", "xarray", "dask.array", "distributed"))


class Parallel(unittest.TestCase):
    @unittest.skipIf(None in (numpy, xarray, dask_array, distributed), "Dask, xarray or NumPy is not installed")
    # Worker processes would inherit the preloaded sanitizer runtime and report the interpreter's own leaks.
    @unittest.skipIf("libasan" in os.environ.get("LD_PRELOAD", ""), "no workers under AddressSanitizer")
    def test_chunked_job_stays_lazy_and_on_threads_or_two_worker_processes_equals_the_serial_result(self):
        rng = numpy.random.default_rng(16)
        tdb = xarray.DataArray(rng.uniform(-30, 60, (8, 250)), dims=("time", "site"))
        rh = xarray.DataArray(rng.uniform(0.05, 1.0, 250), dims="site")
        tdb[3, 7], tdb[5, 9] = numpy.nan, 400.0  # a missing value, a state outside the model
        names = ["W", "HM", "TWB", "TDEW"]
        serial = hygra.props(names, TDB=tdb.values, RH=rh.values[numpy.newaxis, :], errors="nan")
        # What travels to the workers is a module-level function and plain values, never the ctypes handle.
        with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True, dashboard_address=None,
                                      silence_logs=logging.ERROR) as cluster, \
                distributed.Client(cluster) as client:
            lazy = hygra.props(names, TDB=tdb.chunk({"time": 2}), RH=rh, errors="nan")
            self.assertIsInstance(lazy["TWB"].data, dask_array.Array)  # nothing computed yet
            computed = dict(zip(names, client.compute([lazy[name] for name in names], sync=True)))
            threads = {name: lazy[name].compute(scheduler="threads") for name in names}
            # The work ran in the workers, each with its own copy of the library.
            workers = client.run(lambda: (os.getpid(), hygra._library._library is not None))
        pids, loaded = zip(*workers.values())
        self.assertEqual((len(set(pids) - {os.getpid()}), any(loaded)), (2, True))
        for name in names:  # bit for bit, NaN where NaN (the missing value and the failure)
            for got in (computed[name], threads[name]):
                self.assertTrue(numpy.array_equal(got.values.view("i8"), serial[name].view("i8")), name)
