"""The library's table of properties, its range, the standard atmosphere and the C signatures."""

import ctypes
import unittest

import helpers
import hygra
from hygra import _library


class Properties(unittest.TestCase):
    def test_names_and_codes_are_those_of_the_header(self):
        self.assertEqual({p.name: p.code for p in hygra.properties()}, helpers.header_property_codes())
        self.assertEqual([p.code for p in hygra.properties()], list(range(46)))

    def test_each_property_has_a_meaning_and_a_unit_in_each_system(self):
        hm = hygra.property_info("hm")
        self.assertEqual((hm.code, hm.name, hm.unit_si, hm.unit_ip), (19, "HM", "kJ/kg", "Btu/lb"))
        self.assertEqual(hm.unit("IP"), "Btu/lb")
        self.assertIn("enthalpy", hm.meaning)
        self.assertEqual(hygra.property_info(0).unit("SI"), "degC")
        self.assertEqual(hygra.property_info("TDB").unit("IP"), "degF")
        self.assertEqual(hygra.property_info("W").unit("SI"), "")
        self.assertTrue(all(p.meaning for p in hygra.properties()))

    def test_unknown_properties_are_invalid_arguments(self):
        for wrong in ("XYZ", 46, -1, "", None):
            with self.subTest(name=wrong):
                with self.assertRaises(hygra.InvalidArgument):
                    hygra.property_info(wrong)


class ModelAndAtmosphere(unittest.TestCase):
    def test_limits_in_both_systems(self):
        si, ip = hygra.limits(), hygra.limits("IP")
        for got, expected in ((si, (-100, 372, 0, 50)), (ip, (-148, 701.6, 0, 725.19))):
            for value, limit in zip(got, expected):
                self.assertAlmostEqual(value, limit, places=9)
        self.assertAlmostEqual(si.tdb_max, 372)

    def test_standard_atmosphere_in_metres_and_feet(self):
        self.assertEqual(hygra.pressure_at(0), 1.01325)
        self.assertAlmostEqual(hygra.pressure_at(-500), 1.074775, places=6)
        self.assertAlmostEqual(hygra.temperature_at(10000), -50, places=9)
        self.assertAlmostEqual(hygra.temperature_at(1000 / 0.3048, "IP"), 8.5 * 1.8 + 32, places=9)
        self.assertAlmostEqual(hygra.pressure_at(1000 / 0.3048, "IP"),
                               hygra.pressure_at(0, "IP") / hygra.pressure_at(0) * hygra.pressure_at(1000),
                               places=9)


class CSignatures(unittest.TestCase):
    def test_every_function_of_the_header_is_declared_with_its_arguments(self):
        functions = helpers.header_functions()
        self.assertEqual(set(_library.SIGNATURES), set(functions))
        lib = _library.library()
        for name, count in functions.items():
            with self.subTest(function=name):
                function = getattr(lib, name)
                self.assertEqual(len(function.argtypes), count)
                self.assertIsNotNone(function.restype)

    def test_text_results_are_read_as_text(self):
        self.assertRegex(hygra.version(), r"^\d+\.\d+\.\d+$")
        self.assertIs(_library.library().hygra_property_unit.restype, ctypes.c_char_p)


if __name__ == "__main__":
    unittest.main()
