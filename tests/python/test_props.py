"""hygra.props: the library's values over numbers, lists, NumPy, pandas, xarray and pint."""

import array
import math
import re
import unittest

import helpers
import hygra

numpy, pandas, xarray, pint = map(helpers.optional, ("numpy", "pandas", "xarray", "pint"))
ALL = [p.name for p in hygra.properties()]
NAN, P0 = math.nan, hygra.pressure_at(0)


def librarys(name, units="SI", P=P0, **inputs):
    """The library's value; NaN for a missing input, which the package never hands to the library."""
    missing = any(math.isnan(v) for v in (P, *inputs.values()))
    return NAN if missing else helpers.c_value(name, units, P=P, **inputs)


def all_librarys(values, name, units="SI", **columns):
    """values, element by element, are the library's (NaN where NaN) at the inputs' elements."""
    values = list(values)
    expected = [librarys(name, units, **dict(zip(columns, row))) for row in zip(*columns.values())]
    return len(values) == len(expected) and all(map(helpers.same, values, expected))


class NumbersAndLists(unittest.TestCase):
    def test_each_element_is_the_librarys_value_or_nan_where_it_fails_or_is_missing(self):
        # The last SI state exists, but its dew point lies below the model's range.
        cases = [("SI", dict(TDB=[20, -10, 400, 35, 80, 0.5, NAN, -99], RH=[.5, .9, .5, 1.2, .1, 0, .5, .5],
                             P=[1.01325, 0.9, 1.0, 1.0, 2.0, 0.5, 1.0, 0.01])),
                 ("IP", dict(W=[0.008, 0.002, 0.02, 0.0], HM=[30, 10, 50, 20], P=[14.7, 12, 20, 14.7])),
                 ("SI", dict(TWB=[10, 15, 30], RH=[0.3, 0.6, NAN], P=[1.0, 1.01325, 0.8]))]
        for units, inputs in cases:
            got = hygra.props(ALL, units=units, errors="nan", **inputs)
            for name in ALL:
                self.assertTrue(all_librarys(got[name], name, units, **inputs), (units, name, got[name]))
        # errors="raise": the property, the inputs with their units and the element, then the library's words.
        words = re.escape("W at TDB=400 degC, RH=0.5, P=1.01325 bar (element 2): dry-bulb temperature 400 degC")
        with self.assertRaisesRegex(hygra.OutOfRange, "^" + words):
            hygra.props(["W", "HM"], TDB=[20, NAN, 400, 500], RH=0.5)

    def test_numbers_and_one_element_sequences_repeat_names_give_a_dictionary_in_their_order(self):
        got = hygra.props("W", TDB=array.array("d", [10, 20, 30]), RH=0.5, P=[1.0])
        self.assertTrue(all_librarys(got, "W", TDB=[10, 20, 30], RH=[0.5] * 3, P=[1.0] * 3))
        self.assertEqual(hygra.props("TDB", TDB=range(3), W=(0.001,)), [0.0, 1.0, 2.0])
        self.assertEqual(hygra.props(["W", "HM"], TDB=[], RH=0.5), {"W": [], "HM": []})
        self.assertRaisesRegex(hygra.InvalidArgument, "TDB has 3", hygra.props, "W", TDB=[1, 2, 3], RH=[.5, .6])
        got = hygra.props(("hm", "W"), TDB=20, RH=0.5)
        self.assertEqual(list(got.items()), [(n, librarys(n, TDB=20, RH=0.5)) for n in ("HM", "W")])
        self.assertEqual(list(hygra.props(TDB=[20, 25], RH=0.5)), ALL)
        # Altitudes give each element its own pressure.
        got = hygra.props("P", TDB=20, RH=0.5, ALT=[0, 1500, 1500, -500, 12000, NAN], errors="nan")
        self.assertTrue(all(map(helpers.same, got, [*map(hygra.pressure_at, (0, 1500, 1500, -500)), NAN, NAN])))
        self.assertRaises(hygra.OutOfRange, hygra.props, "P", TDB=20, RH=0.5, ALT=[0, 12000])


@unittest.skipIf(numpy is None, "NumPy is not installed")
class NumPyArrays(unittest.TestCase):
    def test_arrays_broadcast_to_float64_arrays_with_nan_where_missing_or_failing(self):
        tdb, rh = numpy.array([20.0, NAN, 30.0, 400.0], dtype=numpy.float32), numpy.array([0.3, NAN, 0.9, 1.3])
        for name, values in hygra.props(["W", "TDEW"], TDB=tdb.reshape(4, 1), RH=rh, errors="nan").items():
            self.assertEqual((values.shape, values.dtype), ((4, 4), numpy.float64))
            self.assertTrue(all_librarys(values.flat, name, TDB=tdb.astype(float).repeat(4), RH=[*rh] * 4))
        self.assertRaises(hygra.InvalidArgument, hygra.props, "W", TDB=numpy.zeros(3), RH=numpy.zeros(4))
        # Element errors name the index; integer and altitude arrays are numbers.
        with self.assertRaisesRegex(hygra.OutOfRange, r"^W at TDB=400 degC, .* \(element \(1, 0\)\): dry-bulb"):
            hygra.props(["W", "HM"], TDB=numpy.array([[20.0, 25.0], [400.0, NAN]]), RH=0.5)
        got = hygra.props("P", TDB=numpy.array([20, 25, 30]), RH=0.5, ALT=numpy.array([0, NAN, 1500]))
        self.assertTrue(all(map(helpers.same, got, [P0, NAN, hygra.pressure_at(1500)])))
        # Enthalpy and volume on the 0 degF datum, enthalpy the library's first input.
        chart = hygra.State(TDB=86, RH=0.4, units="IP", ip_datum="0F")
        tdb = hygra.props("TDB", HM=numpy.array([chart.HM]), VM=numpy.array([chart.VM]), units="IP", ip_datum="0F")
        self.assertAlmostEqual(tdb[0], 86, places=6)


@unittest.skipIf(pandas is None, "pandas is not installed")
class PandasSeriesAndFrames(unittest.TestCase):
    def test_series_give_series_on_their_index_and_add_properties_a_copy_with_new_columns(self):
        index = pandas.date_range("2024-07-01", periods=4, freq="H", name="time")
        frame = pandas.DataFrame({"TDB": [20.0, NAN, 30.0, 35.0], "RH": [0.5, 0.5, NAN, 0.2],
                                  "P": [1.0, 1.0, 0.9, 0.9], "station": list("abcd")}, index=index)
        tdb, rh, p = frame.TDB, frame.RH, frame.P
        for name, series in hygra.props(["W", "HM"], TDB=tdb, RH=rh, P=p).items():
            self.assertEqual((type(series), series.name), (pandas.Series, name))
            self.assertTrue(series.index.equals(index) and all_librarys(series, name, TDB=tdb, RH=rh, P=p))
        nullable = hygra.props("W", TDB=pandas.Series([20, None, 30], dtype="Float64"), RH=0.5)
        self.assertEqual(nullable.dtype, numpy.float64)
        self.assertTrue(all_librarys(nullable, "W", TDB=[20, NAN, 30], RH=[0.5] * 3))
        self.assertRaises(hygra.InvalidArgument, hygra.props, "W", TDB=tdb, RH=rh.reset_index(drop=True))
        with self.assertRaisesRegex(hygra.OutOfRange, re.escape("(index Timestamp('2024-07-01 03:00:00'")):
            hygra.props("W", TDB=tdb.where(index != index[3], 400.0), RH=0.5)
        # add_properties: a copy of the frame with new columns, row for row.
        add, renamed = hygra.pandas.add_properties, frame.rename(columns={"RH": "humidity"})
        out = add(renamed, {"TDB": "TDB", "RH": "humidity"}, ["W", "TWB"], P="P")
        self.assertEqual(list(out.columns), [*renamed.columns, "W", "TWB"])
        self.assertNotIn("W", renamed.columns)  # the caller's frame is untouched
        self.assertTrue(out.index.equals(index) and all_librarys(out.TWB, "TWB", TDB=tdb, RH=rh, P=p))
        self.assertRaises(hygra.InvalidArgument, add, frame, ("tdb", "RH"), ["RH"])  # would replace RH
        self.assertIn("out_RH", add(frame, inputs=("TDB", "RH"), properties="RH", prefix="out_"))


@unittest.skipIf(xarray is None, "xarray is not installed")
class XarrayDataArrays(unittest.TestCase):
    def test_dataarrays_give_dataarrays_with_coordinates_and_units_and_refuse_text(self):
        tdb = xarray.DataArray(numpy.array([[20.0, 25.0, NAN], [30.0, 35.0, 40.0]]), dims=("time", "site"),
                               coords={"time": [0, 1], "site": ["a", "b", "c"]}, attrs={"units": "degC"})
        rh = xarray.DataArray([0.5, 0.3, 0.2], dims="site", coords={"site": ["a", "b", "c"]})
        hm = hygra.props(["W", "HM"], TDB=tdb, RH=rh, units="IP")["HM"]
        self.assertEqual((type(hm), hm.dims, hm.name, hm.attrs["units"]),
                         (xarray.DataArray, ("time", "site"), "HM", "Btu/lb"))
        self.assertEqual(list(hm.coords["site"].values), ["a", "b", "c"])
        self.assertTrue(all_librarys(hm.values.flat, "HM", "IP", TDB=tdb.values.flat, RH=[.5, .3, .2] * 2,
                                     P=[hygra.pressure_at(0, "IP")] * 6))
        self.assertRaises(TypeError, hygra.props, "W", TDB=tdb.astype(str), RH=rh)


@unittest.skipIf(pint is None or numpy is None, "pint is not installed")
class PintQuantities(unittest.TestCase):
    def test_quantities_are_converted_to_the_unit_system_and_results_carry_its_units(self):
        q = pint.UnitRegistry().Quantity
        got = hygra.props(["HM", "TWB"], TDB=q(68.0, "degF"), RH=q(0.5, "dimensionless"), P=q(101325.0, "Pa"))
        self.assertEqual(str(got["HM"].units), "kilojoule / kilogram")
        self.assertAlmostEqual(got["HM"].magnitude, librarys("HM", TDB=20, RH=0.5), places=9)
        twb = librarys("TWB", TDB=20, RH=0.5) * 1.8 + 32  # an absolute temperature, not a difference
        self.assertAlmostEqual(got["TWB"].to("degF").magnitude, twb, places=9)
        ip = hygra.props("TDB", W=q(numpy.array([7.0, 10.0]), "g/kg"), TDB=q(293.15, "K"), units="IP")
        self.assertEqual(str(ip.units), "degree_Fahrenheit")
        numpy.testing.assert_allclose(ip.magnitude, [68.0, 68.0], rtol=1e-12)
        # An altitude in feet with SI results: 5280 ft is 1609.344 m.
        p = hygra.props("P", TDB=20, RH=q(0.5, ""), ALT=q(5280, "ft"))
        self.assertAlmostEqual(p.to("bar").magnitude, hygra.pressure_at(1609.344), places=12)
        for p in hygra.properties():  # every unit of the library is a pint unit
            q(1.0, hygra._pint.unit_of(p.name, False)), q(1.0, hygra._pint.unit_of(p.name, True))
        self.assertRaises(hygra.InvalidArgument, hygra.props, "W", TDB=q(20, "m"), RH=0.5)
