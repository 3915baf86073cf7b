"""Exceptions: one class per result code, each carrying the library's message."""

import math
import unittest
from unittest import mock

import hygra
from hygra import _library

CLASSES = {1: hygra.InvalidArgument, 2: hygra.NoConvergence, 3: hygra.NotApplicable, 4: hygra.OutOfRange}


class StandIn:
    """The real library, but every evaluation answers one result code with one message."""

    def __init__(self, real, code, message):
        self._real, self._code, self._message = real, code, message

    def __getattr__(self, name):
        return getattr(self._real, name)

    def moistair_eval(self, *arguments):
        return self._code

    def hygra_eval_batch(self, *arguments):
        return self._code

    def hygra_last_error(self):
        return self._message


def standing_in(code, message=b"what the library said"):
    return mock.patch.object(_library, "_library", StandIn(_library.library(), code, message))


class EachResultCode(unittest.TestCase):
    def test_every_code_raises_its_own_class_with_the_library_message_from_a_state(self):
        for code, cls in CLASSES.items():
            with self.subTest(code=code), standing_in(code):
                with self.assertRaises(cls) as raised:
                    hygra.State(TDB=20, RH=0.5)
                self.assertEqual(str(raised.exception), "what the library said")
                self.assertEqual(raised.exception.code, code)
                self.assertIsInstance(raised.exception, hygra.Error)
                # No class stands for another code.
                for other in CLASSES.values():
                    if other is not cls:
                        self.assertNotIsInstance(raised.exception, other)

    def test_every_code_raises_its_own_class_from_a_batch_or_gives_nan(self):
        for code, cls in CLASSES.items():
            with self.subTest(code=code), standing_in(code):
                with self.assertRaises(cls):
                    hygra.props("W", TDB=[20, 21], RH=0.5)
                self.assertTrue(all(math.isnan(v) for v in
                                    hygra.props("W", TDB=[20, 21], RH=0.5, errors="nan")))

    def test_a_code_without_a_class_raises_the_base_class(self):
        with standing_in(7), self.assertRaises(hygra.Error) as raised:
            hygra.State(TDB=20, RH=0.5)
        self.assertIs(type(raised.exception), hygra.Error)
        self.assertEqual(raised.exception.code, 7)

    def test_without_a_message_the_text_of_the_code_is_used(self):
        with standing_in(2, b""), self.assertRaises(hygra.NoConvergence) as raised:
            hygra.State(TDB=20, RH=0.5)
        self.assertEqual(str(raised.exception), _library.library().hygra_strerror(2).decode())

    def test_wrong_input_is_a_value_error_too(self):
        self.assertTrue(issubclass(hygra.InvalidArgument, ValueError))
        self.assertTrue(issubclass(hygra.OutOfRange, ValueError))


class FromTheLibrary(unittest.TestCase):
    def test_out_of_range_inputs_carry_the_library_message(self):
        cases = [
            (dict(TDB=400, RH=0.5), "dry-bulb temperature 400 degC is above the highest temperature "
                                    "of the model, 372 degC"),
            (dict(TDB=20, RH=50), "relative humidity 50 is outside 0 to 1 (a fraction, not per cent)"),
            (dict(TDB=20, RH=0.5, P=60), "pressure 60 bar is above the highest pressure of the model, 50 bar"),
            (dict(TDB=20, TWB=25), "wet-bulb temperature 25 degC is above the dry-bulb temperature 20 degC"),
        ]
        for inputs, message in cases:
            with self.subTest(inputs=inputs):
                with self.assertRaises(hygra.OutOfRange) as raised:
                    hygra.State(**inputs)
                self.assertEqual(str(raised.exception), message)
                self.assertEqual(raised.exception.message, message)

    def test_the_message_is_in_the_callers_units(self):
        with self.assertRaises(hygra.OutOfRange) as raised:
            hygra.State(TDB=800, RH=0.5, units="IP")
        self.assertIn("degF", str(raised.exception))

    def test_altitude_outside_the_standard_atmosphere(self):
        with self.assertRaises(hygra.OutOfRange) as raised:
            hygra.pressure_at(12000)
        self.assertEqual(str(raised.exception),
                         "altitude 12000 m is outside the standard atmosphere's range, -500 to 10000 m")
        with self.assertRaises(hygra.OutOfRange):
            hygra.State(TDB=20, RH=0.5, ALT=12000)


class WrongInputs(unittest.TestCase):
    def test_inputs_that_fix_no_state_are_invalid_arguments_that_list_the_pairs(self):
        for inputs in (dict(W=0.008, TDEW=10), dict(TDB=20), dict(TDB=20, RH=0.5, W=0.01),
                       dict(TDB=20, RH=0.5, tdb=21), dict(TDB=20, DS=0.5), dict(TDB=20, XYZ=1), {}):
            with self.subTest(inputs=inputs):
                with self.assertRaises(hygra.InvalidArgument) as raised:
                    hygra.State(**inputs)
                self.assertEqual(raised.exception.code, 1)
        with self.assertRaises(hygra.InvalidArgument) as raised:
            hygra.State(TDEW=10, W=0.008)
        self.assertIn("TDB with TWB, RH, W, HM, SM, VM or TDEW", str(raised.exception))
        self.assertIn("TWB with HM, SM or VM; HM with SM or VM; SM with VM", str(raised.exception))


if __name__ == "__main__":
    unittest.main()
