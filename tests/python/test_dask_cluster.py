"""A chunked job on a Dask cluster of two worker processes gives the serial result, bit for bit.

Each worker imports hygra and loads the library itself; what travels to it is a
module-level function and plain values, never the ctypes handle.
"""

import logging
import os
import unittest

import hygra

try:
    import numpy
    import xarray
    from distributed import Client, LocalCluster
except ImportError:
    LocalCluster = None

# Worker processes inherit the preloaded sanitizer runtime and report the
# interpreter's own leaks and reads; the plain build runs this test.
UNDER_SANITIZER = "libasan" in os.environ.get("LD_PRELOAD", "")


@unittest.skipIf(LocalCluster is None, "Dask's distributed, xarray or NumPy is not installed")
@unittest.skipIf(UNDER_SANITIZER, "worker processes are not run under AddressSanitizer")
class TwoWorkerProcesses(unittest.TestCase):
    def test_chunked_job_on_two_workers_equals_the_serial_result_bit_for_bit(self):
        rng = numpy.random.default_rng(16)
        tdb = xarray.DataArray(rng.uniform(-30, 60, (8, 250)), dims=("time", "site"))
        rh = xarray.DataArray(rng.uniform(0.05, 1.0, 250), dims="site")
        tdb[3, 7] = numpy.nan      # a missing value
        tdb[5, 9] = 400.0          # a state outside the model
        names = ["W", "HM", "TWB", "TDEW"]
        serial = hygra.props(names, TDB=tdb.values, RH=rh.values[numpy.newaxis, :], errors="nan")

        with LocalCluster(n_workers=2, threads_per_worker=1, processes=True, dashboard_address=None,
                          silence_logs=logging.ERROR) as cluster, Client(cluster) as client:
            lazy = hygra.props(names, TDB=tdb.chunk({"time": 2}), RH=rh, errors="nan")
            futures = client.compute([lazy[name] for name in names])
            computed = dict(zip(names, client.gather(futures)))
            # The work ran in the workers, each with its own copy of the library.
            workers = client.run(lambda: (os.getpid(), hygra._library._library is not None))
        pids = {pid for pid, _ in workers.values()}
        self.assertEqual(len(pids), 2)
        self.assertNotIn(os.getpid(), pids)
        self.assertTrue(any(loaded for _, loaded in workers.values()))

        for name in names:
            with self.subTest(name=name):
                got = computed[name].values
                self.assertEqual(got.shape, (8, 250))
                self.assertTrue(numpy.array_equal(got.view(numpy.int64), serial[name].view(numpy.int64)))
        self.assertTrue(numpy.isnan(computed["W"].values[3, 7]) and numpy.isnan(computed["W"].values[5, 9]))


if __name__ == "__main__":
    unittest.main()
