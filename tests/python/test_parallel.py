"""Threads at once, and a lazy Dask job on two worker processes, give what one serial call gives."""

import concurrent.futures
import logging
import os
import threading
import unittest

import helpers
import hygra

numpy, xarray, dask_array, distributed = map(helpers.optional, ("numpy", "xarray", "dask.array", "distributed"))


def work(k):
    """States and batches that differ from thread to thread, and a failure that names its thread."""
    batch = hygra.props(["W", "HM", "TWB"], TDB=[5.0 + k + 0.5 * i for i in range(50)], RH=0.3 + 0.05 * k)
    states = [hygra.State(W=0.002 + 0.001 * k, HM=20 + 5 * i).TDB for i in range(5)]
    try:
        hygra.State(TDB=400 + k, RH=0.5)
    except hygra.OutOfRange as e:
        return batch, states, str(e)


class Parallel(unittest.TestCase):
    def test_threads_at_once_agree_with_one_thread_and_keep_their_own_messages(self):
        expected, start = [work(k) for k in range(8)], threading.Barrier(8)

        def rounds(k):
            start.wait()
            return [work(k) for _ in range(20)]

        with concurrent.futures.ThreadPoolExecutor(8) as pool:
            for k, results in enumerate(pool.map(rounds, range(8))):
                self.assertIn(f"{400 + k} degC", expected[k][2])
                self.assertEqual(results, [expected[k]] * 20)

    @unittest.skipIf(None in (numpy, xarray, dask_array, distributed), "Dask, xarray or NumPy is not installed")
    # Worker processes would inherit the preloaded sanitizer runtime and report the interpreter's own leaks.
    @unittest.skipIf("libasan" in os.environ.get("LD_PRELOAD", ""), "no workers under AddressSanitizer")
    def test_chunked_job_stays_lazy_and_on_two_worker_processes_equals_the_serial_result_bit_for_bit(self):
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
            # The work ran in the workers, each with its own copy of the library.
            workers = client.run(lambda: (os.getpid(), hygra._library._library is not None))
        self.assertEqual(len({pid for pid, _ in workers.values()} - {os.getpid()}), 2)
        self.assertTrue(any(loaded for _, loaded in workers.values()))
        for name, got in computed.items():  # bit for bit, NaN where NaN (the missing value and the failure)
            self.assertTrue(numpy.array_equal(got.values.view("i8"), serial[name].view("i8")), name)
