"""hygra.State: every pair of inputs in both unit systems, pressure, access by name, the 0 degF datum."""

import math
import unittest

import helpers
import hygra

INPUTS = ("TDB", "TWB", "TDEW", "RH", "W", "HM", "SM", "VM")
ALL = [p.name for p in hygra.properties()]
P0 = hygra.pressure_at(0)
PSI = P0 / hygra.pressure_at(0, "IP")  # bar per psi, as the library has it
# Warm, half dry, below sea-level pressure: away from every default.
REFERENCE = {"SI": dict(TDB=30.0, RH=0.4, P=13 * PSI), "IP": dict(TDB=86.0, RH=0.4, P=13.0)}


class EveryPair(unittest.TestCase):
    def test_every_pair_in_either_order_reproduces_the_librarys_state_in_both_unit_systems(self):
        for units, inputs in REFERENCE.items():
            reference = hygra.State(units=units.lower(), **{k.lower(): v for k, v in inputs.items()})
            values = reference.as_dict()
            self.assertEqual(list(values), ALL)
            for name, value in values.items():  # by dictionary, attribute and item alike
                got = (value, getattr(reference, name.lower()), reference[name.capitalize()])
                self.assertEqual(got, (helpers.c_value(name, units, **inputs),) * 3, (units, name))
            for (first, second), state_type in helpers.STATE_TYPES.items():
                for order in ((first, second), (second, first)):
                    s = hygra.State(units=units, P=inputs["P"], **{n: reference[n] for n in order})
                    # The order given picks between the two state types of TDB/W, TDB/RH, W/RH.
                    if order == (first, second) or order[::-1] not in helpers.STATE_TYPES:
                        self.assertEqual(s.state_type, state_type, order)
                    for name in INPUTS:
                        self.assertTrue(math.isclose(s[name], reference[name], rel_tol=1e-6, abs_tol=1e-9),
                                        f"{units} {order}: {name} {s[name]} against {reference[name]}")

    def test_pressure_is_given_by_p_or_by_altitude_or_is_that_of_sea_level(self):
        for units, altitude in (("SI", 1500), ("IP", 5280)):
            self.assertEqual(hygra.State(TDB=20, RH=0.5, units=units).P, hygra.pressure_at(0, units))
            high = hygra.State(TDB=20, RH=0.5, ALT=altitude, units=units)
            self.assertEqual((high.P, high.W), (hygra.pressure_at(altitude, units),
                                                hygra.State(TDB=20, RH=0.5, P=high.P, units=units).W))


class OneState(unittest.TestCase):
    def test_states_of_the_same_inputs_and_pressure_are_equal_and_hash_alike(self):
        a = hygra.State(TDB=20, RH=0.5)
        self.assertEqual({a}, {a, hygra.State(rh=0.5, tdb=20.0), hygra.State(TDB=20, RH=0.5, ALT=0)})
        different = {a, (20, 0.5), hygra.State(TDB=20, RH=0.6), hygra.State(TDB=20, RH=0.5, P=1.0),
                     hygra.State(TDB=20, W=a.W), hygra.State(TDB=68, RH=0.5, units="IP"),
                     hygra.State(TDB=68, RH=0.5, units="IP", ip_datum="0F")}
        self.assertEqual(len(different), 7)

    def test_unknown_names_are_missing_a_state_cannot_be_changed_and_a_failing_property_raises_when_read(self):
        s = hygra.State(TDB=-99, RH=0.5, P=0.01)  # a state whose dew point lies below the model's range
        self.assertIn("TWB", dir(s))
        for error, attempt in ((AttributeError, lambda: s.XYZ), (KeyError, lambda: s["XYZ"]),
                               (AttributeError, lambda: setattr(s, "HM", 1)),
                               (AttributeError, lambda: setattr(s, "w", 1)),
                               (hygra.OutOfRange, lambda: s.TDEW), (hygra.OutOfRange, s.as_dict)):
            with self.assertRaises(error):
                attempt()
        values = s.as_dict(errors="nan")
        self.assertEqual((math.isnan(values["TDEW"]), values["W"]), (True, s.W))

    def test_repr_rebuilds_the_state_and_text_lists_every_property_with_its_unit(self):
        self.assertEqual(repr(hygra.State(TDB=20, RH=0.5)), f"hygra.State(TDB=20.0, RH=0.5, P={P0!r})")
        ip = hygra.State(TWB=60, TDB=68, ALT=5280, units="IP", ip_datum="0F")
        self.assertEqual(repr(ip), "hygra.State(TWB=60.0, TDB=68.0, ALT=5280.0, units='IP', ip_datum='0F')")
        self.assertEqual(len(str(ip).splitlines()), 47)
        self.assertRegex(str(ip).splitlines()[1 + ALL.index("HM")], r"^\s+HM\s.*Btu/lb")


class FahrenheitDatum(unittest.TestCase):
    """ip_datum="0F": dry air's enthalpy and entropy zero at 0 degF, as inch-pound charts have it."""

    def test_outputs_and_inputs_shift_by_dry_air_at_0_degF_and_sea_level_whatever_the_pressure(self):
        dry = hygra.State(TDB=0, W=0, units="IP")  # on the library's datum, zero at 0 degC
        # By hand, dry air as an ideal gas with cp = 0.240 Btu/(lb degF): 32 degF below the library's zero.
        self.assertAlmostEqual(dry.HA, -0.240 * 32, delta=0.02)
        on_datum = dict(P=12.0, units="IP", ip_datum="0f")
        library = hygra.State(TDB=86, RH=0.4, P=12.0, units="IP", ip_datum="0c")
        charts = hygra.State(TDB=86, RH=0.4, **on_datum)
        values = charts.as_dict()
        for name in ALL:
            shift = {"HM": dry.HA, "HA": dry.HA, "SM": dry.SA, "SA": dry.SA}.get(name, 0.0)
            self.assertEqual((charts[name], values[name]), (library[name] - shift,) * 2, name)
        # Enthalpy and entropy inputs are read on the datum, by State and by props.
        self.assertAlmostEqual(hygra.State(TDB=86, HM=charts.HM, **on_datum).RH, 0.4, places=9)
        self.assertAlmostEqual(hygra.State(W=charts.W, SM=charts.SM, **on_datum).TDB, 86, places=6)
        got = hygra.props(["HM", "SA"], TDB=86, HM=[charts.HM], **on_datum)  # the same state: the same SA
        self.assertAlmostEqual(got["HM"][0], charts.HM, places=9)
        self.assertEqual(got["SA"][0], charts.SA)
