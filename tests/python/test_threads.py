"""Calls from several threads at once give what one thread gives, each with its own messages."""

import threading
import unittest

import hygra

THREADS = 8
ROUNDS = 20


def work(k):
    """States and batches that differ from thread to thread, and a failure that names its thread."""
    tdb = [5.0 + k + 0.5 * i for i in range(50)]
    batch = hygra.props(["W", "HM", "TWB"], TDB=tdb, RH=0.3 + 0.05 * k)
    states = [hygra.State(W=0.002 + 0.001 * k, HM=20 + 5 * i).TDB for i in range(5)]
    try:
        hygra.State(TDB=400 + k, RH=0.5)
        message = None
    except hygra.OutOfRange as e:
        message = str(e)
    return batch, states, message


class Threads(unittest.TestCase):
    def test_threads_at_once_agree_with_one_thread_and_keep_their_own_messages(self):
        expected = [work(k) for k in range(THREADS)]
        results = [[] for _ in range(THREADS)]
        failures = []
        start = threading.Barrier(THREADS)

        def run(k):
            try:
                start.wait()
                for _ in range(ROUNDS):
                    results[k].append(work(k))
            except Exception as e:  # reported below, in the main thread
                failures.append(e)

        threads = [threading.Thread(target=run, args=(k,)) for k in range(THREADS)]
        for t in threads:
            t.start()
        for t in threads:
            t.join()
        self.assertEqual(failures, [])
        for k in range(THREADS):
            self.assertIn(f"{400 + k} degC", expected[k][2])
            for got in results[k]:
                self.assertEqual(got, expected[k])


if __name__ == "__main__":
    unittest.main()
