"""Inputs that are no numbers, arguments that name nothing, one exception class per result code, batches."""

import array
import functools
import math
import os
import signal
import unittest
from unittest import mock

import helpers
import hygra
from hygra import _batch, _library

numpy = helpers.optional("numpy")


class Refused(unittest.TestCase):
    def test_dicts_sets_text_booleans_and_complex_numbers_are_no_numbers(self):
        wrong = [{20: 1}, {20, 25}, "20", b"20", True, [20, True], 20 + 0j, [20, 1j], [20, "25"], (t for t in [20])]
        if numpy is not None:  # with NumPy, lists beside arrays are held to the same rule
            wrong += [numpy.array(["20", "25"]), numpy.array([20 + 1j, 25]), numpy.array([True, False]),
                      numpy.array([20.0, None], dtype=object)]
        for value in wrong:
            for rh in (0.5, numpy.array([0.5, 0.5])) if numpy is not None else (0.5,):
                with self.subTest(value=value, rh=rh), self.assertRaises(TypeError):
                    hygra.props("W", TDB=value, RH=rh)
            with self.subTest(value=value), self.assertRaises(TypeError):
                hygra.State(TDB=value, RH=0.5)

    def test_none_is_refused_under_raise_and_missing_under_nan(self):
        with self.assertRaisesRegex(TypeError, "None"):
            hygra.props("W", TDB=[None, 20], RH=0.5)
        for tdb in ([None, 20], numpy.array([None, 20], dtype=object)) if numpy is not None else ([None, 20],):
            got = hygra.props("W", TDB=tdb, RH=0.5, errors="nan")
            self.assertTrue(math.isnan(got[0]))
            self.assertEqual(got[1], hygra.props("W", TDB=20, RH=0.5))

    def test_sequences_of_every_kind_are_accepted(self):
        expected = hygra.props("W", TDB=[20.0, 25.0], RH=0.5)
        for value in ((20, 25.0), range(20, 30, 5), array.array("d", [20, 25])):
            self.assertEqual(hygra.props("W", TDB=value, RH=0.5), expected)

    def test_names_units_and_settings_that_name_nothing_are_invalid_arguments(self):
        calls = [functools.partial(hygra.props, names, TDB=20, RH=0.5) for names in ("XYZ", [])]
        calls += [functools.partial(hygra.State(TDB=20, RH=0.5).as_dict, "ignore"),
                  functools.partial(hygra.props, "W", TDB=20, RH=0.5, errors="ignore")]
        calls += [functools.partial(hygra.property_info, name) for name in ("XYZ", 46, -1, "", None)]
        calls += [functools.partial(hygra.State, TDB=20, RH=0.5, units=units) for units in ("US", "", 1, None)]
        calls += [functools.partial(hygra.State, **inputs) for inputs in (
            dict(W=0.008, TDEW=10), dict(TDB=20), dict(TDB=20, RH=0.5, W=0.01), dict(TDB=20, RH=0.5, tdb=21),
            dict(TDB=20, DS=0.5), dict(TDB=20, XYZ=1), {}, dict(TDB=20, RH=0.5, P=1, ALT=0))]
        for i, call in enumerate(calls):
            with self.subTest(call=i), self.assertRaises(hygra.InvalidArgument) as raised:
                call()
            self.assertEqual(raised.exception.code, 1)
        with self.assertRaises(hygra.InvalidArgument) as raised:
            hygra.State(TDEW=10, W=0.008)
        self.assertIn("TDB with TWB, RH, W, HM, SM, VM or TDEW", str(raised.exception))
        self.assertIn("TWB with HM, SM or VM; HM with SM or VM; SM with VM", str(raised.exception))


class Library:
    """The real library, counting batch calls; every evaluation fails with code, or a Ctrl-C follows the first."""

    def __init__(self, code=0, message=b"what the library said", interrupt=False):
        self._real, self.code, self.message, self.interrupt = _library.library(), code, message, interrupt
        self.calls = []

    def __getattr__(self, name):
        return getattr(self._real, name)

    def moistair_eval(self, *arguments):
        return self.code or self._real.moistair_eval(*arguments)

    def hygra_last_error(self):
        return self.message if self.code else self._real.hygra_last_error()

    def hygra_eval_batch(self, *arguments):
        self.calls.append(arguments[2])
        rc = self.code or self._real.hygra_eval_batch(*arguments)
        if self.interrupt and len(self.calls) == 1:
            os.kill(os.getpid(), signal.SIGINT)  # as the terminal does during a long call
        return rc


def standing_in(**keywords):
    return mock.patch.object(_library, "_library", Library(**keywords))


class ResultCodes(unittest.TestCase):
    def test_every_code_raises_its_own_class_with_the_librarys_message(self):
        classes = {1: hygra.InvalidArgument, 2: hygra.NoConvergence, 3: hygra.NotApplicable, 4: hygra.OutOfRange,
                   7: hygra.Error}
        for code, cls in classes.items():
            with self.subTest(code=code), standing_in(code=code):
                with self.assertRaises(hygra.Error) as raised:
                    hygra.State(TDB=20, RH=0.5)
                self.assertIs(type(raised.exception), cls)
                self.assertEqual((str(raised.exception), raised.exception.code), ("what the library said", code))
                with self.assertRaises(cls):
                    hygra.props("W", TDB=[20, 21], RH=0.5)
                self.assertTrue(all(map(math.isnan, hygra.props("W", TDB=[20, 21], RH=0.5, errors="nan"))))
        self.assertTrue(issubclass(hygra.InvalidArgument, ValueError) and issubclass(hygra.OutOfRange, ValueError))
        with standing_in(code=2, message=b""), self.assertRaises(hygra.NoConvergence) as raised:
            hygra.State(TDB=20, RH=0.5)
        self.assertEqual(str(raised.exception), _library.library().hygra_strerror(2).decode())

    def test_failures_carry_the_librarys_message_in_the_callers_units(self):
        for units, inputs in (("SI", dict(TDB=400, RH=0.5)), ("IP", dict(TDB=800, RH=0.5)),
                              ("SI", dict(TDB=20, TWB=25))):
            with self.subTest(inputs=inputs), self.assertRaises(hygra.OutOfRange) as raised:
                hygra.State(units=units, **inputs)
            self.assertTrue(math.isnan(helpers.c_value("TDB", units, P=hygra.pressure_at(0, units), **inputs)))
            self.assertEqual(raised.exception.message, helpers.c_last_error())
            self.assertEqual(str(raised.exception), raised.exception.message)
        with self.assertRaisesRegex(hygra.OutOfRange, "^altitude 12000 m is outside"):
            hygra.pressure_at(12000)
        with self.assertRaises(hygra.OutOfRange):
            hygra.State(TDB=20, RH=0.5, ALT=12000)


class Slices(unittest.TestCase):
    """Long batches go in slices that Ctrl-C can stop between; errors="raise" stops at the slice that fails."""

    def setUp(self):
        self.library, self.tdb = Library(), [-20 + 0.25 * i for i in range(300)]
        for patch in (mock.patch.multiple(_batch, FIRST_SLICE=16, SLICE_LIMITS=(16, 64)),
                      mock.patch.object(_library, "_library", self.library)):
            patch.start()
            self.addCleanup(patch.stop)

    def test_slices_together_give_what_one_call_gives_and_none_follows_one_that_failed(self):
        sliced = hygra.props(["W", "TWB"], TDB=self.tdb, RH=0.4)
        self.assertGreater(len(self.library.calls), 4)
        self.assertEqual(sum(self.library.calls), len(self.tdb))
        with mock.patch.multiple(_batch, FIRST_SLICE=10**6, SLICE_LIMITS=(10**6, 10**6)):
            self.assertEqual(sliced, hygra.props(["W", "TWB"], TDB=self.tdb, RH=0.4))
        self.library.calls = []
        with self.assertRaisesRegex(hygra.OutOfRange, r"\(element 20\)"):
            hygra.props("W", TDB=self.tdb[:20] + [400] + self.tdb, RH=0.4)
        # The last call was the slice holding element 20; the rest was never computed.
        self.assertLessEqual(sum(self.library.calls[:-1]), 20)
        self.assertLess(20, sum(self.library.calls))
        self.assertLess(sum(self.library.calls), 321)

    def test_ctrl_c_stops_a_batch_after_the_slice_it_interrupts(self):
        self.addCleanup(signal.signal, signal.SIGINT, signal.signal(signal.SIGINT, signal.default_int_handler))
        self.library.interrupt = True
        with self.assertRaises(KeyboardInterrupt):
            hygra.props("W", TDB=self.tdb, RH=0.4)
        self.assertEqual(self.library.calls, [16])
