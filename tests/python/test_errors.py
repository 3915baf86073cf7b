"""Inputs that are no numbers, arguments that name nothing, one exception class per result code, batches."""

import math
import signal
import unittest
from functools import partial as call
from unittest import mock

import helpers
import hygra
from hygra import _batch, _library

numpy = helpers.optional("numpy")


class Refused(unittest.TestCase):
    def test_dicts_sets_text_booleans_complex_numbers_and_none_are_no_numbers(self):
        wrong = [{20: 1}, {20, 25}, "20", b"20", True, [20, True], 20 + 0j, [20, 1j], [20, "25"], iter([20])]
        nones, rhs = [[None, 20]], [0.5]
        if numpy is not None:  # lists beside arrays are held to the same rule; object arrays are read as lists
            wrong += [numpy.array(["20", "25"]), numpy.array([20 + 1j, 25]), numpy.array([True, False])]
            nones, rhs = nones + [numpy.array([None, 20], dtype=object)], rhs + [numpy.array([0.5, 0.5])]
        for value, rh in [(value, rh) for value in wrong + nones for rh in rhs]:
            with self.subTest(value=value, rh=rh):
                self.assertRaises(TypeError, hygra.props, "W", TDB=value, RH=rh)
                self.assertRaises(TypeError, hygra.State, TDB=value, RH=0.5)
        self.assertRaisesRegex(TypeError, "None", hygra.props, "W", TDB=[None, 20], RH=0.5)
        for tdb in nones:  # None is a missing value under errors="nan"
            got = hygra.props("W", TDB=tdb, RH=0.5, errors="nan")
            self.assertTrue(math.isnan(got[0]) and got[1] == hygra.props("W", TDB=20, RH=0.5))

    def test_names_units_and_settings_that_name_nothing_are_invalid_arguments(self):
        calls = [call(hygra.props, names, TDB=20, RH=0.5) for names in ("XYZ", [])]
        calls += [call(hygra.State(TDB=20, RH=0.5).as_dict, "ignore"),
                  call(hygra.props, "W", TDB=20, RH=0.5, errors="ignore")]
        calls += [call(hygra.property_info, name) for name in ("XYZ", 46, -1, "", None)]
        calls += [call(hygra.State, TDB=20, RH=0.5, units=units) for units in ("US", "", 1, None)]
        calls += [call(hygra.props, "HM", TDB=68, RH=0.5, units="IP", ip_datum=d) for d in ("32F", "", None)]
        calls += [call(hygra.State, **inputs) for inputs in (
            dict(W=0.008, TDEW=10), dict(TDB=20), dict(TDB=20, RH=0.5, W=0.01), dict(TDB=20, RH=0.5, tdb=21),
            dict(TDB=20, DS=0.5), dict(TDB=20, XYZ=1), {}, dict(TDB=20, RH=0.5, P=1, ALT=0),
            dict(TDB=20, RH=0.5, ip_datum="0F"))]  # the 0 degF datum is for inch-pound units
        for i, wrong in enumerate(calls):
            with self.subTest(call=i), self.assertRaises(hygra.InvalidArgument) as raised:
                wrong()
            self.assertEqual(raised.exception.code, 1)
        # The message lists the pairs that do fix a state.
        self.assertRaisesRegex(hygra.InvalidArgument, "VM or TDEW; .*; SM with VM$", hygra.State, TDEW=1, W=1)


class Library:
    """The real library counting batch calls, or failing every evaluation with code, or with a Ctrl-C."""

    def __init__(self, code=0, message=b"the library's words"):
        self._real, self.code, self.message = _library.library(), code, message
        self.interrupt, self.calls = False, []

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
            signal.raise_signal(signal.SIGINT)  # as the terminal does during a long call
        return rc


class ResultCodes(unittest.TestCase):
    def test_every_code_raises_its_own_class_with_the_librarys_message_in_the_callers_units(self):
        classes = {1: hygra.InvalidArgument, 2: hygra.NoConvergence, 3: hygra.NotApplicable,
                   4: hygra.OutOfRange, 7: hygra.Error}
        for code, cls in classes.items():
            with self.subTest(code=code), mock.patch.object(_library, "_library", Library(code)):
                with self.assertRaises(hygra.Error) as raised:
                    hygra.State(TDB=20, RH=0.5)
                self.assertIs(type(raised.exception), cls)
                self.assertEqual((str(raised.exception), raised.exception.code), ("the library's words", code))
                self.assertRaises(cls, hygra.props, "W", TDB=[20, 21], RH=0.5)
                self.assertTrue(all(map(math.isnan, hygra.props("W", TDB=[20, 21], RH=0.5, errors="nan"))))
        self.assertEqual({cls for cls in classes.values() if issubclass(cls, ValueError)},
                         {hygra.InvalidArgument, hygra.OutOfRange})  # wrong inputs are ValueErrors too
        with mock.patch.object(_library, "_library", Library(2, b"")), self.assertRaises(hygra.Error) as raised:
            hygra.State(TDB=20, RH=0.5)  # no message: the code's own words
        self.assertEqual(str(raised.exception), _library.library().hygra_strerror(2).decode())
        # The real library's message, in the caller's units.
        with self.assertRaisesRegex(hygra.OutOfRange, "^dry-bulb temperature 800 degF is above") as raised:
            hygra.State(TDB=800, RH=0.5, units="IP")
        self.assertEqual(raised.exception.message, str(raised.exception))
        self.assertRaisesRegex(hygra.OutOfRange, "^altitude 12000 m is outside", hygra.pressure_at, 12000)
        self.assertRaises(hygra.OutOfRange, hygra.State, TDB=20, RH=0.5, ALT=12000)


class Slices(unittest.TestCase):
    def test_long_batches_go_in_slices_that_an_error_or_ctrl_c_stops_between(self):
        library, tdb = Library(), [-20 + 0.25 * i for i in range(300)]
        with mock.patch.multiple(_batch, FIRST_SLICE=16, SLICE_LIMITS=(16, 64)), \
                mock.patch.object(_library, "_library", library):
            sliced = hygra.props(["W", "TWB"], TDB=tdb, RH=0.4)
            self.assertTrue(len(library.calls) > 4 and sum(library.calls) == 300, library.calls)
            with mock.patch.multiple(_batch, FIRST_SLICE=10**6, SLICE_LIMITS=(10**6, 10**6)):
                self.assertEqual(sliced, hygra.props(["W", "TWB"], TDB=tdb, RH=0.4))
            library.calls = []
            with self.assertRaisesRegex(hygra.OutOfRange, r"\(element 20\)"):
                hygra.props("W", TDB=tdb[:20] + [400] + tdb, RH=0.4)
            # The last call was the slice holding element 20; the rest was never computed.
            self.assertTrue(sum(library.calls[:-1]) <= 20 < sum(library.calls) < 321, library.calls)
            # Ctrl-C during the first call: the batch stops when it returns.
            previous = signal.signal(signal.SIGINT, signal.default_int_handler)
            self.addCleanup(signal.signal, signal.SIGINT, previous)
            library.calls, library.interrupt = [], True
            self.assertRaises(KeyboardInterrupt, hygra.props, "W", TDB=tdb, RH=0.4)
            self.assertEqual(library.calls, [16])
