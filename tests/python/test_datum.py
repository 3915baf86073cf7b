"""ip_datum="0F": dry air's enthalpy and entropy zero at 0 degF, as inch-pound charts have it."""

import math
import unittest

import hygra

# By hand, for dry air as an ideal gas with cp = 0.240 Btu/(lb degF) from 0 degF:
# h(100 degF) = 0.240 * 100 = 24.0 Btu/lb; s(100 degF) = 0.240 * ln(559.67 / 459.67) Btu/(lb degF).
HAND_H_100F = 24.0
HAND_S_100F = 0.240 * math.log(559.67 / 459.67)


class FahrenheitDatum(unittest.TestCase):
    def test_dry_air_at_0_degF_and_sea_level_is_zero_and_at_100_degF_as_by_hand(self):
        zero = hygra.State(TDB=0, W=0, units="IP", ip_datum="0F")
        self.assertEqual((zero.HA, zero.SA), (0.0, 0.0))
        # The mixture's own formula for dry air agrees with dry air's to a few 1e-7.
        self.assertAlmostEqual(zero.HM, 0.0, delta=1e-6)
        self.assertAlmostEqual(zero.SM, 0.0, delta=1e-8)
        warm = hygra.State(TDB=100, W=0, units="IP", ip_datum="0f")
        self.assertAlmostEqual(warm.HA, HAND_H_100F, delta=0.05)
        self.assertAlmostEqual(warm.SA, HAND_S_100F, delta=2e-4)

    def test_the_shift_is_the_library_value_of_dry_air_at_0_degF_whatever_the_pressure(self):
        dry = hygra.State(TDB=0, W=0, units="IP")     # the library's datum: zero at 0 degC
        ha0, sa0 = dry.HA, dry.SA
        self.assertAlmostEqual(ha0, -0.240 * 32, delta=0.02)  # about -7.7 Btu/lb
        state = dict(TDB=86, RH=0.4, P=12.0, units="IP")
        library = hygra.State(**state)
        charts = hygra.State(ip_datum="0F", **state)
        self.assertEqual(charts.HM, library.HM - ha0)
        self.assertEqual(charts.HA, library.HA - ha0)
        self.assertEqual(charts.SM, library.SM - sa0)
        self.assertEqual(charts.SA, library.SA - sa0)
        for unchanged in ("HW", "HG", "SW", "SG", "W", "TWB", "CPM"):
            self.assertEqual(charts[unchanged], library[unchanged])
        values = charts.as_dict()
        self.assertEqual((values["HM"], values["SM"]), (charts.HM, charts.SM))

    def test_enthalpy_and_entropy_inputs_are_read_on_the_datum_and_props_agrees(self):
        charts = hygra.State(TDB=75, RH=0.5, units="IP", ip_datum="0F")
        back = hygra.State(TDB=75, HM=charts.HM, units="IP", ip_datum="0F")
        self.assertAlmostEqual(back.RH, 0.5, places=9)
        back = hygra.State(W=charts.W, SM=charts.SM, units="IP", ip_datum="0F")
        self.assertAlmostEqual(back.TDB, 75, places=6)
        got = hygra.props(["HM", "SA", "W"], TDB=[75, 75], HM=[charts.HM, charts.HM + 5],
                          units="IP", ip_datum="0F")
        self.assertAlmostEqual(got["HM"][0], charts.HM, places=9)
        self.assertAlmostEqual(got["HM"][1], charts.HM + 5, places=9)
        self.assertEqual(got["SA"][0], charts.SA)

    def test_the_datum_is_for_inch_pound_units_and_has_two_names(self):
        with self.assertRaises(hygra.InvalidArgument):
            hygra.State(TDB=20, RH=0.5, ip_datum="0F")
        for wrong in ("32F", "", None):
            with self.assertRaises(hygra.InvalidArgument):
                hygra.props("HM", TDB=68, RH=0.5, units="IP", ip_datum=wrong)
        self.assertEqual(hygra.State(TDB=68, RH=0.5, units="IP", ip_datum="0C").HM,
                         hygra.State(TDB=68, RH=0.5, units="IP").HM)


if __name__ == "__main__":
    unittest.main()
