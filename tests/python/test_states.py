"""hygra.State: every pair of inputs, both unit systems, pressure and altitude, access by name."""

import math
import unittest

import helpers
import hygra

INPUTS = ("TDB", "TWB", "TDEW", "RH", "W", "HM", "SM", "VM")


def psi_in_bar():
    # The library's own factor, whatever its last digits: sea level in both units.
    return hygra.pressure_at(0) / hygra.pressure_at(0, "IP")


# A state away from every default: warm, half dry, below sea-level pressure.
REFERENCE = {"SI": dict(TDB=30.0, RH=0.4, P=13 * psi_in_bar()), "IP": dict(TDB=86.0, RH=0.4, P=13.0)}


def close(a, b):
    return math.isclose(a, b, rel_tol=1e-6, abs_tol=1e-9)


class EveryPair(unittest.TestCase):
    def check_round_trip(self, units):
        reference = hygra.State(units=units, **REFERENCE[units])
        expected = {name: reference[name] for name in INPUTS}
        pressure = REFERENCE[units]["P"]
        for (first, second), state_type in helpers.header_state_types().items():
            for order in ((first, second), (second, first)):
                with self.subTest(units=units, inputs=order):
                    s = hygra.State(units=units, P=pressure, **{name: expected[name] for name in order})
                    # The order given picks between the two state types of TDB/W, TDB/RH, W/RH.
                    if order == (first, second) or order[::-1] not in helpers.header_state_types():
                        self.assertEqual(s.state_type, state_type)
                    for name in INPUTS:
                        self.assertTrue(close(s[name], expected[name]),
                                        f"{name}: {s[name]} against {expected[name]}")

    def test_each_of_the_thirty_pairs_in_either_order_reproduces_the_state_in_si(self):
        self.check_round_trip("SI")

    def test_each_of_the_thirty_pairs_in_either_order_reproduces_the_state_in_ip(self):
        self.check_round_trip("IP")

    def test_names_of_inputs_are_read_without_regard_to_case(self):
        self.assertEqual(hygra.State(tdb=20, Rh=0.5).W, hygra.State(TDB=20, RH=0.5).W)


class UnitSystems(unittest.TestCase):
    def test_one_state_in_both_systems_gives_converted_values(self):
        si = hygra.State(**REFERENCE["SI"])
        ip = hygra.State(units="IP", **REFERENCE["IP"])
        self.assertTrue(math.isclose(si.W, ip.W, rel_tol=1e-9))
        self.assertTrue(math.isclose(si.TWB * 1.8 + 32, ip.TWB, rel_tol=1e-9))
        self.assertTrue(math.isclose(si.HM, ip.HM * 2.326, rel_tol=1e-6))
        self.assertTrue(math.isclose(si.VM, ip.VM * 0.3048**3 / 0.45359237, rel_tol=1e-6))
        self.assertEqual(ip.units, "IP")
        self.assertEqual(si.units, "SI")

    def test_units_are_named_in_any_case_and_nothing_else_is_a_unit_system(self):
        self.assertAlmostEqual(hygra.State(TDB=68, RH=0.5, units="ip").TDB, 68, places=12)
        for wrong in ("US", "", 1, None):
            with self.subTest(units=wrong):
                with self.assertRaises(hygra.InvalidArgument):
                    hygra.State(TDB=20, RH=0.5, units=wrong)


class Equality(unittest.TestCase):
    def test_states_of_the_same_inputs_and_pressure_are_equal_and_hash_alike(self):
        a = hygra.State(TDB=20, RH=0.5)
        same = [hygra.State(rh=0.5, tdb=20.0), hygra.State(TDB=20, RH=0.5, P=1.01325),
                hygra.State(TDB=20, RH=0.5, ALT=0)]
        for b in same:
            with self.subTest(b=b):
                self.assertEqual(a, b)
                self.assertEqual(hash(a), hash(b))
        self.assertEqual(len({a, *same}), 1)
        different = [hygra.State(TDB=20, RH=0.6), hygra.State(TDB=20, RH=0.5, P=1.0),
                     hygra.State(TDB=20, W=a.W), hygra.State(TDB=68, RH=0.5, units="IP"),
                     hygra.State(TDB=68, RH=0.5, units="IP", ip_datum="0F")]
        for b in different:
            with self.subTest(b=b):
                self.assertNotEqual(a, b)
        self.assertNotEqual(different[3], different[4])
        self.assertNotEqual(a, (20, 0.5))


class Pressure(unittest.TestCase):
    def test_without_pressure_or_altitude_the_state_is_at_sea_level(self):
        self.assertEqual(hygra.State(TDB=20, RH=0.5).P, 1.01325)
        self.assertAlmostEqual(hygra.State(TDB=68, RH=0.5, units="IP").P, 14.696, places=3)

    def test_altitude_gives_the_pressure_of_the_standard_atmosphere(self):
        high = hygra.State(TDB=20, RH=0.5, ALT=1500)
        self.assertEqual(high.P, hygra.pressure_at(1500))
        self.assertEqual(high.W, hygra.State(TDB=20, RH=0.5, P=hygra.pressure_at(1500)).W)
        feet = hygra.State(TDB=68, RH=0.5, ALT=5280, units="IP")
        self.assertEqual(feet.P, hygra.pressure_at(5280, "IP"))

    def test_pressure_and_altitude_together_are_refused(self):
        with self.assertRaises(hygra.InvalidArgument):
            hygra.State(TDB=20, RH=0.5, P=1, ALT=0)


class ReadingProperties(unittest.TestCase):
    def setUp(self):
        self.state = hygra.State(TDB=20, RH=0.5)

    def test_attribute_item_and_dictionary_give_the_same_values(self):
        values = self.state.as_dict()
        self.assertEqual(list(values), [p.name for p in hygra.properties()])
        self.assertEqual(len(values), 46)
        for name, value in values.items():
            with self.subTest(name=name):
                self.assertEqual(getattr(self.state, name), value)
                self.assertEqual(self.state[name.lower()], value)

    def test_known_values_at_twenty_degrees_and_half_saturation(self):
        self.assertAlmostEqual(self.state.W, 0.00729204, places=8)
        self.assertAlmostEqual(self.state.HM, 38.6211, places=4)
        self.assertAlmostEqual(self.state.TWB, 13.7773, places=4)

    def test_unknown_names_are_missing_attributes_and_keys(self):
        with self.assertRaises(AttributeError):
            self.state.XYZ
        with self.assertRaises(KeyError):
            self.state["XYZ"]
        with self.assertRaises(AttributeError):
            self.state.HM = 1

    def test_repr_shows_the_inputs_and_rebuilds_the_state(self):
        self.assertEqual(repr(self.state), "hygra.State(TDB=20.0, RH=0.5, P=1.01325)")
        ip = hygra.State(TWB=60, TDB=68, ALT=5280, units="IP")
        self.assertEqual(repr(ip), "hygra.State(TWB=60.0, TDB=68.0, ALT=5280.0, units='IP')")
        rebuilt = eval(repr(ip), {"hygra": hygra})
        self.assertEqual(rebuilt.as_dict(), ip.as_dict())

    def test_text_lists_every_property_with_its_unit(self):
        lines = str(self.state).splitlines()
        self.assertEqual(len(lines), 47)
        self.assertIn("HM", lines[20])
        self.assertIn("kJ/kg", lines[20])

    def test_a_property_that_fails_raises_when_read_and_is_nan_on_request(self):
        # Air this dry has its dew point below the model's range; the state itself is fine.
        s = hygra.State(TDB=-99, RH=0.5, P=0.01)
        with self.assertRaises(hygra.OutOfRange) as raised:
            s.TDEW
        self.assertIn("dew point", str(raised.exception))
        with self.assertRaises(hygra.OutOfRange):
            s.as_dict()
        values = s.as_dict(errors="nan")
        self.assertTrue(math.isnan(values["TDEW"]))
        self.assertEqual(values["W"], s.W)

    def test_properties_are_attributes_in_any_case_and_a_state_cannot_be_changed(self):
        self.assertEqual(self.state.w, self.state.W)
        self.assertEqual(self.state.Hm, self.state["hM"])
        self.assertIn("TWB", dir(self.state))
        with self.assertRaises(AttributeError):
            self.state.w = 1

    def test_inputs_must_be_numbers(self):
        with self.assertRaises(TypeError):
            hygra.State(TDB="20", RH=0.5)
        with self.assertRaises(TypeError):
            hygra.State(TDB=[20], RH=0.5)


if __name__ == "__main__":
    unittest.main()
