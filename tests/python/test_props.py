"""hygra.props: one batch call, equal element by element to hygra.State, broadcast, NaN on request."""

import math
import unittest

import helpers
import hygra

try:
    import numpy
except ImportError:
    numpy = None

ALL = [p.name for p in hygra.properties()]


def scalar_values(names, units="SI", **inputs):
    """The values hygra.State gives, NaN where the state or the property fails."""
    try:
        s = hygra.State(units=units, **inputs)
    except hygra.Error:
        return [math.nan] * len(names)
    values = []
    for name in names:
        try:
            values.append(s[name])
        except hygra.Error:
            values.append(math.nan)
    return values


class EqualToTheScalarPath(unittest.TestCase):
    def check(self, units, first_name, first, second_name, second, pressures):
        """props over lists of the three inputs against State element by element, all 46 properties."""
        got = hygra.props(ALL, units=units, errors="nan",
                          **{first_name: first, second_name: second, "P": pressures})
        self.assertEqual(list(got), ALL)
        for i, (a, b, p) in enumerate(zip(first, second, pressures)):
            expected = scalar_values(ALL, units, **{first_name: a, second_name: b, "P": p})
            for name, value in zip(ALL, expected):
                with self.subTest(units=units, element=i, name=name):
                    self.assertTrue(helpers.same_or_both_nan(got[name][i], value),
                                    f"{got[name][i]} against {value}")

    def test_dry_bulb_and_relative_humidity_with_failing_elements_in_si(self):
        self.check("SI", "TDB", [20, -10, 400, 35, 80, 0.5], "RH", [0.5, 0.9, 0.5, 1.2, 0.1, 0],
                   [1.01325, 0.9, 1.0, 1.0, 2.0, 0.5])

    def test_humidity_ratio_and_enthalpy_in_ip(self):
        self.check("IP", "W", [0.008, 0.002, 0.02, 0.0], "HM", [30, 10, 50, 20], [14.7, 12, 20, 14.7])

    def test_relative_humidity_and_wet_bulb_given_in_the_other_order(self):
        self.check("SI", "TWB", [10, 15, 30], "RH", [0.3, 0.6, 0.9], [1.0, 1.01325, 0.8])


class Broadcasting(unittest.TestCase):
    def test_numbers_and_one_value_sequences_repeat_along_the_sequences(self):
        got = hygra.props("W", TDB=[10, 20, 30], RH=0.5, P=[1.0])
        self.assertEqual(got, [hygra.State(TDB=t, RH=0.5, P=1.0).W for t in (10, 20, 30)])

    def test_sequences_of_different_lengths_are_refused(self):
        with self.assertRaises(hygra.InvalidArgument) as raised:
            hygra.props("W", TDB=[10, 20, 30], RH=[0.5, 0.6])
        self.assertIn("TDB has 3", str(raised.exception))

    def test_numbers_alone_give_numbers_and_a_sequence_of_names_a_dictionary(self):
        self.assertEqual(hygra.props("HM", TDB=20, RH=0.5), hygra.State(TDB=20, RH=0.5).HM)
        got = hygra.props(("hm", "W"), TDB=20, RH=0.5)
        self.assertEqual(list(got), ["HM", "W"])
        self.assertEqual(got["W"], hygra.State(TDB=20, RH=0.5).W)

    def test_tuples_ranges_and_empty_sequences_are_sequences(self):
        self.assertEqual(hygra.props("TDB", TDB=range(3), W=(0.001,)), [0.0, 1.0, 2.0])
        self.assertEqual(hygra.props(["W", "HM"], TDB=[], RH=0.5), {"W": [], "HM": []})

    def test_altitudes_give_each_element_its_own_pressure(self):
        got = hygra.props("P", TDB=20, RH=0.5, ALT=[0, 1500, 1500, 12000, -500], errors="nan")
        self.assertEqual(got[:3], [hygra.pressure_at(0), hygra.pressure_at(1500), hygra.pressure_at(1500)])
        self.assertTrue(math.isnan(got[3]))
        self.assertEqual(got[4], hygra.pressure_at(-500))
        with self.assertRaises(hygra.OutOfRange):
            hygra.props("P", TDB=20, RH=0.5, ALT=[0, 12000])

    def test_wrong_inputs_are_refused_before_any_computing(self):
        with self.assertRaises(TypeError):
            hygra.props("W", TDB="20", RH=0.5)
        with self.assertRaises(TypeError):
            hygra.props("W", TDB=[20, "x"], RH=0.5)
        with self.assertRaises(hygra.InvalidArgument):
            hygra.props("XYZ", TDB=20, RH=0.5)
        with self.assertRaises(hygra.InvalidArgument):
            hygra.props([], TDB=20, RH=0.5)
        with self.assertRaises(hygra.InvalidArgument):
            hygra.props("W", TDB=20, RH=0.5, errors="ignore")


class FailingElements(unittest.TestCase):
    def test_nan_marks_exactly_the_elements_that_fail(self):
        got = hygra.props(["W", "TDEW"], TDB=[20, 400, 20, -99], RH=[0.5, 0.5, 50, 0.5], P=[1, 1, 1, 0.01],
                          errors="nan")
        self.assertEqual(got["W"][0], hygra.State(TDB=20, RH=0.5, P=1).W)
        self.assertTrue(math.isnan(got["W"][1]) and math.isnan(got["W"][2]))
        # The last state exists; only its dew point lies outside the model.
        self.assertEqual(got["W"][3], hygra.State(TDB=-99, RH=0.5, P=0.01).W)
        self.assertTrue(math.isnan(got["TDEW"][3]))

    def test_raise_names_the_first_failing_element_with_the_library_message(self):
        with self.assertRaises(hygra.OutOfRange) as raised:
            hygra.props(["W", "HM"], TDB=[20, 30, 400, 500], RH=0.5)
        message = str(raised.exception)
        # The property, the inputs with their units and the element, then the library's words.
        self.assertTrue(message.startswith("W at TDB=400 degC, RH=0.5, P=1.01325 bar (element 2): "
                                           "dry-bulb temperature 400 degC is above"), message)
        self.assertEqual(raised.exception.code, 4)


@unittest.skipIf(numpy is None, "NumPy is not installed")
class WithNumPy(unittest.TestCase):
    def test_arrays_broadcast_to_a_grid_of_states(self):
        tdb = numpy.array([[10.0], [20.0], [30.0]])
        rh = numpy.array([0.2, 0.4, 0.6, 1.3])
        got = hygra.props(["W", "HM"], TDB=tdb, RH=rh, errors="nan")
        for name in ("W", "HM"):
            self.assertIsInstance(got[name], numpy.ndarray)
            self.assertEqual(got[name].shape, (3, 4))
        for i in range(3):
            for j in range(4):
                expected = scalar_values(["W", "HM"], TDB=tdb[i, 0], RH=rh[j])
                self.assertTrue(helpers.same_or_both_nan(got["W"][i, j], expected[0]))
                self.assertTrue(helpers.same_or_both_nan(got["HM"][i, j], expected[1]))

    def test_integer_arrays_and_altitude_arrays_are_accepted(self):
        got = hygra.props("P", TDB=numpy.array([20, 25]), RH=0.5, ALT=numpy.array([0, 1500]))
        self.assertEqual(got.tolist(), [hygra.pressure_at(0), hygra.pressure_at(1500)])

    def test_shapes_that_do_not_broadcast_are_refused(self):
        with self.assertRaises(hygra.InvalidArgument):
            hygra.props("W", TDB=numpy.zeros(3), RH=numpy.zeros(4))

    def test_raise_and_nan_work_on_arrays(self):
        with self.assertRaises(hygra.OutOfRange):
            hygra.props("W", TDB=numpy.array([20.0, 400.0]), RH=0.5)
        got = hygra.props("W", TDB=numpy.array([20.0, 400.0]), RH=0.5, errors="nan")
        self.assertTrue(numpy.isnan(got[1]))


if __name__ == "__main__":
    unittest.main()
