"""Inputs are numbers or sequences of numbers, nothing read as one; long batches go in slices
that Ctrl-C can stop between."""

import array
import math
import os
import signal
import unittest
from unittest import mock

import hygra
from hygra import _batch, _library

try:
    import numpy
except ImportError:
    numpy = None


class Refused(unittest.TestCase):
    def test_dicts_sets_text_booleans_and_complex_numbers_are_no_numbers(self):
        wrong = [{20: 1}, {20, 25}, "20", b"20", True, [20, True], 20 + 0j, [20, 1j], [20, "25"],
                 (t for t in [20, 25])]
        for value in wrong:
            with self.subTest(value=value):
                with self.assertRaises(TypeError):
                    hygra.props("W", TDB=value, RH=0.5)
                with self.assertRaises(TypeError):
                    hygra.State(TDB=value, RH=0.5)

    def test_none_is_refused_under_raise_and_missing_under_nan(self):
        with self.assertRaises(TypeError) as raised:
            hygra.props("W", TDB=[None, 20], RH=0.5)
        self.assertIn("None", str(raised.exception))
        got = hygra.props("W", TDB=[None, 20], RH=0.5, errors="nan")
        self.assertTrue(math.isnan(got[0]))
        self.assertEqual(got[1], hygra.State(TDB=20, RH=0.5).W)

    def test_sequences_of_every_kind_are_accepted(self):
        expected = hygra.props("W", TDB=[20.0, 25.0], RH=0.5)
        for value in ([20, 25], (20, 25.0), range(20, 30, 5), array.array("d", [20, 25])):
            with self.subTest(value=value):
                self.assertEqual(hygra.props("W", TDB=value, RH=0.5), expected)

    @unittest.skipIf(numpy is None, "NumPy is not installed")
    def test_with_numpy_text_is_not_parsed_and_complex_and_boolean_arrays_are_refused(self):
        for value in (numpy.array(["20", "25"]), numpy.array([20 + 1j, 25]), numpy.array([True, False]),
                      numpy.array([20.0, None], dtype=object)):
            with self.subTest(value=value):
                with self.assertRaises(TypeError):
                    hygra.props("W", TDB=value, RH=numpy.array([0.5, 0.5]))
        # Lists beside arrays are held to the same rule: a boolean among numbers is refused.
        with self.assertRaises(TypeError):
            hygra.props("W", TDB=[20, True], RH=numpy.array([0.5, 0.5]))
        # Object arrays of numbers (as pandas makes them) are numbers; None is missing under nan.
        got = hygra.props("W", TDB=numpy.array([20, None], dtype=object), RH=0.5, errors="nan")
        self.assertTrue(numpy.isnan(got[1]))


class CountingLibrary:
    """The real library, counting batch calls; the first call is followed by a Ctrl-C if asked."""

    def __init__(self, real, interrupt=False):
        self._real, self._interrupt, self.calls = real, interrupt, []

    def __getattr__(self, name):
        return getattr(self._real, name)

    def hygra_eval_batch(self, state_type, units, n, *arguments):
        self.calls.append(n)
        rc = self._real.hygra_eval_batch(state_type, units, n, *arguments)
        if self._interrupt and len(self.calls) == 1:
            os.kill(os.getpid(), signal.SIGINT)  # as the terminal does during a long call
        return rc


class Interrupted(Exception):
    pass


def counting(**keywords):
    library = CountingLibrary(_library.library(), **keywords)
    return library, mock.patch.object(_library, "_library", library)


class Slices(unittest.TestCase):
    def setUp(self):
        patcher = mock.patch.multiple(_batch, FIRST_SLICE=16, SLICE_LIMITS=(16, 64))
        patcher.start()
        self.addCleanup(patcher.stop)
        self.tdb = [-20 + 0.25 * i for i in range(300)]

    def test_slices_together_give_what_one_call_gives(self):
        library, patch = counting()
        with patch:
            sliced = hygra.props(["W", "TWB"], TDB=self.tdb, RH=0.4)
        self.assertGreater(len(library.calls), 4)
        self.assertEqual(sum(library.calls), len(self.tdb))
        with mock.patch.multiple(_batch, FIRST_SLICE=10**6, SLICE_LIMITS=(10**6, 10**6)):
            whole = hygra.props(["W", "TWB"], TDB=self.tdb, RH=0.4)
        self.assertEqual(sliced, whole)

    def test_ctrl_c_stops_a_batch_after_the_slice_it_interrupts(self):
        previous = signal.signal(signal.SIGINT, self.raise_interrupted)
        self.addCleanup(signal.signal, signal.SIGINT, previous)
        library, patch = counting(interrupt=True)
        with patch, self.assertRaises(Interrupted):
            hygra.props("W", TDB=self.tdb, RH=0.4)
        self.assertEqual(library.calls, [16])

    def test_raise_computes_no_slice_after_the_one_that_failed(self):
        library, patch = counting()
        with patch, self.assertRaises(hygra.OutOfRange) as raised:
            hygra.props("W", TDB=self.tdb[:20] + [400] + self.tdb, RH=0.4)
        self.assertIn("(element 20)", str(raised.exception))
        # The last call was the slice holding element 20; the rest was never computed.
        self.assertLessEqual(sum(library.calls[:-1]), 20)
        self.assertLess(20, sum(library.calls))
        self.assertLess(sum(library.calls), 321)

    @staticmethod
    def raise_interrupted(signum, frame):
        raise Interrupted()


if __name__ == "__main__":
    unittest.main()
