"""Type in, type out: numbers, lists, NumPy arrays, pandas Series and DataFrames, xarray DataArrays
(lazily when Dask-backed) and pint Quantities; NaN as a missing value in each."""

import math
import unittest

import hygra

try:
    import numpy
except ImportError:
    numpy = None
try:
    import pandas
    import hygra.pandas
except ImportError:
    pandas = None
try:
    import xarray
except ImportError:
    xarray = None
try:
    import dask
    import dask.array
except ImportError:
    dask = None
try:
    import pint
except ImportError:
    pint = None

NAN = float("nan")
TDB = [20.0, NAN, 30.0, 35.0]
RH = [0.5, 0.5, NAN, 0.2]


def scalar(name, **inputs):
    return hygra.State(**inputs)[name]


def same_bits(a, b):
    """Equal arrays, NaN where NaN: bit for bit."""
    a, b = numpy.asarray(a, dtype=numpy.float64), numpy.asarray(b, dtype=numpy.float64)
    return a.shape == b.shape and numpy.array_equal(a.view(numpy.int64), b.view(numpy.int64))


class NumbersAndLists(unittest.TestCase):
    def test_numbers_give_a_float_and_lists_a_list_with_nan_where_an_input_is_missing(self):
        self.assertIsInstance(hygra.props("W", TDB=20, RH=0.5), float)
        got = hygra.props(["W", "HM"], TDB=TDB, RH=RH)  # errors="raise": missing is no error
        self.assertIsInstance(got["W"], list)
        self.assertEqual(got["W"][0], scalar("W", TDB=20, RH=0.5))
        self.assertTrue(math.isnan(got["W"][1]) and math.isnan(got["HM"][2]))
        self.assertEqual(got["HM"][3], scalar("HM", TDB=35, RH=0.2))
        self.assertTrue(math.isnan(hygra.props("W", TDB=NAN, RH=0.5)))

    def test_no_names_give_all_forty_six_properties(self):
        got = hygra.props(TDB=[20, 25], RH=0.5)
        self.assertEqual(list(got), [p.name for p in hygra.properties()])
        self.assertEqual(got["TDB"], [20.0, 25.0])


@unittest.skipIf(numpy is None, "NumPy is not installed")
class NumPyArrays(unittest.TestCase):
    def test_float64_arrays_of_the_broadcast_shape_with_nan_as_missing(self):
        tdb = numpy.array(TDB, dtype=numpy.float32).reshape(4, 1)
        rh = numpy.array([0.3, NAN, 0.9])
        got = hygra.props(["W", "TDEW"], TDB=tdb, RH=rh)
        for values in got.values():
            self.assertEqual((values.shape, values.dtype), ((4, 3), numpy.float64))
        self.assertTrue(numpy.isnan(got["W"][1]).all() and numpy.isnan(got["W"][:, 1]).all())
        self.assertEqual(got["W"][2, 2], scalar("W", TDB=30, RH=0.9))
        self.assertEqual(got["TDEW"][3, 0], scalar("TDEW", TDB=35, RH=0.3))

    def test_element_errors_name_the_property_the_inputs_and_the_index(self):
        with self.assertRaises(hygra.OutOfRange) as raised:
            hygra.props(["W", "HM"], TDB=numpy.array([[20.0, 25.0], [400.0, NAN]]), RH=0.5)
        self.assertTrue(str(raised.exception).startswith(
            "W at TDB=400 degC, RH=0.5, P=1.01325 bar (element (1, 0)): dry-bulb temperature"),
            str(raised.exception))

    def test_a_missing_altitude_is_a_missing_pressure(self):
        got = hygra.props("P", TDB=20, RH=0.5, ALT=numpy.array([0.0, NAN, 1500.0]))
        self.assertEqual(got[0], hygra.pressure_at(0))
        self.assertTrue(numpy.isnan(got[1]))
        self.assertEqual(got[2], hygra.pressure_at(1500))


@unittest.skipIf(pandas is None, "pandas is not installed")
class PandasSeriesAndFrames(unittest.TestCase):
    def setUp(self):
        self.index = pandas.date_range("2024-07-01", periods=4, freq="H", name="time")
        self.frame = pandas.DataFrame({"TDB": TDB, "RH": RH, "station": list("abcd")}, index=self.index)

    def test_series_give_series_on_their_index_named_by_the_property(self):
        got = hygra.props(["W", "HM"], TDB=self.frame["TDB"], RH=self.frame["RH"], P=1.0)
        for name, series in got.items():
            self.assertIsInstance(series, pandas.Series)
            self.assertTrue(series.index.equals(self.index))
            self.assertEqual(series.name, name)
        self.assertEqual(got["W"].iloc[3], scalar("W", TDB=35, RH=0.2, P=1.0))
        self.assertTrue(math.isnan(got["W"].iloc[1]))

    def test_series_on_different_indexes_are_refused_and_errors_name_the_index(self):
        with self.assertRaises(hygra.InvalidArgument):
            hygra.props("W", TDB=self.frame["TDB"], RH=self.frame["RH"].reset_index(drop=True))
        hot = self.frame["TDB"].where(self.frame.index != self.index[3], 400.0)
        with self.assertRaises(hygra.OutOfRange) as raised:
            hygra.props("W", TDB=hot, RH=0.5)
        self.assertIn("index Timestamp('2024-07-01 03:00:00'", str(raised.exception))

    def test_nullable_columns_give_nan_for_their_missing_values(self):
        tdb = pandas.Series([20, None, 30], dtype="Float64")
        got = hygra.props("W", TDB=tdb, RH=0.5)
        self.assertEqual(got.dtype, numpy.float64)
        self.assertTrue(math.isnan(got[1]))
        self.assertEqual(got[2], scalar("W", TDB=30, RH=0.5))

    def test_add_properties_gives_a_copy_with_new_columns_row_for_row(self):
        frame = self.frame.rename(columns={"RH": "humidity"})
        frame["P"] = [1.0, 1.0, 0.9, 0.9]
        out = hygra.pandas.add_properties(frame, inputs={"TDB": "TDB", "RH": "humidity"},
                                          properties=["W", "TWB"], P="P")
        self.assertEqual(list(out.columns), ["TDB", "humidity", "station", "P", "W", "TWB"])
        self.assertNotIn("W", frame.columns)  # the caller's frame is untouched
        self.assertTrue(out.index.equals(self.index))
        self.assertEqual(out["TWB"].iloc[3], scalar("TWB", TDB=35, RH=0.2, P=0.9))
        self.assertTrue(math.isnan(out["W"].iloc[2]))
        with self.assertRaises(hygra.InvalidArgument):  # would replace the input column
            hygra.pandas.add_properties(self.frame, inputs=("tdb", "RH"), properties=["RH"])
        with_prefix = hygra.pandas.add_properties(self.frame, inputs=("TDB", "RH"), properties="RH",
                                                  prefix="out_", units="SI")
        self.assertIn("out_RH", with_prefix.columns)


@unittest.skipIf(xarray is None, "xarray is not installed")
class XarrayDataArrays(unittest.TestCase):
    def setUp(self):
        self.tdb = xarray.DataArray(
            numpy.array([[20.0, 25.0, NAN], [30.0, 35.0, 40.0]]), dims=("time", "site"),
            coords={"time": [0, 1], "site": ["a", "b", "c"]}, attrs={"units": "degC"})
        self.rh = xarray.DataArray([0.5, 0.3, 0.2], dims="site", coords={"site": ["a", "b", "c"]})

    def test_dataarrays_give_dataarrays_with_coordinates_and_units(self):
        got = hygra.props(["W", "HM"], TDB=self.tdb, RH=self.rh, units="SI")
        hm = got["HM"]
        self.assertIsInstance(hm, xarray.DataArray)
        self.assertEqual(hm.dims, ("time", "site"))
        self.assertEqual(list(hm.coords["site"].values), ["a", "b", "c"])
        self.assertEqual(hm.name, "HM")
        self.assertEqual(hm.attrs["units"], "kJ/kg")
        self.assertEqual(float(hm.sel(time=1, site="b")), scalar("HM", TDB=35, RH=0.3))
        self.assertTrue(numpy.isnan(hm.sel(time=0, site="c")))

    @unittest.skipIf(dask is None, "Dask is not installed")
    def test_chunked_arrays_stay_lazy_and_compute_to_the_serial_result(self):
        got = hygra.props(["W", "TWB"], TDB=self.tdb.chunk({"time": 1}), RH=self.rh)
        self.assertIsInstance(got["TWB"].data, dask.array.Array)  # nothing computed yet
        serial = hygra.props(["W", "TWB"], TDB=self.tdb, RH=self.rh)
        with dask.config.set(scheduler="threads"):
            for name in ("W", "TWB"):
                self.assertTrue(same_bits(got[name].compute().values, serial[name].values))
        self.assertEqual(got["TWB"].attrs["units"], "degC")

    def test_text_arrays_are_refused_before_any_computing(self):
        with self.assertRaises(TypeError):
            hygra.props("W", TDB=self.tdb.astype(str), RH=self.rh)


@unittest.skipIf(pint is None or numpy is None, "pint is not installed")
class PintQuantities(unittest.TestCase):
    units = pint.UnitRegistry() if pint is not None else None

    def test_quantities_are_converted_to_the_unit_system_and_results_carry_its_units(self):
        q = self.units.Quantity
        got = hygra.props(["HM", "TWB", "W"], TDB=q(68.0, "degF"), RH=q(0.5, "dimensionless"),
                          P=q(101325.0, "Pa"))
        reference = hygra.State(TDB=20, RH=0.5, P=1.01325)
        self.assertEqual(str(got["HM"].units), "kilojoule / kilogram")
        self.assertAlmostEqual(got["HM"].magnitude, reference.HM, places=9)
        self.assertAlmostEqual(got["TWB"].to("degC").magnitude, reference.TWB, places=9)
        # By hand: 1 Btu/lb is 2.326 kJ/kg (pint's Btu, 1055.056 J, is rounded: 1.4e-7 off);
        # 13.7773 degC is 56.799 degF.
        self.assertTrue(math.isclose(got["HM"].to("Btu/lb").magnitude, reference.HM / 2.326,
                                     rel_tol=3e-7))
        self.assertAlmostEqual(got["TWB"].to("degF").magnitude, reference.TWB * 1.8 + 32, places=9)

    def test_inch_pound_from_other_units_and_plain_numbers_beside_quantities(self):
        q = self.units.Quantity
        got = hygra.props("TDB", W=q(numpy.array([7.0, 10.0]), "g/kg"), TDB=q(293.15, "K"), units="IP")
        self.assertEqual(str(got.units), "degree_Fahrenheit")
        numpy.testing.assert_allclose(got.magnitude, [68.0, 68.0], rtol=1e-12)
        # An altitude in feet with SI results: 5280 ft is 1609.344 m.
        p = hygra.props("P", TDB=20, RH=q(0.5, ""), ALT=q(5280, "ft"))
        self.assertAlmostEqual(p.to("bar").magnitude, hygra.pressure_at(1609.344), places=12)

    def test_every_unit_of_the_library_is_a_pint_unit_and_wrong_dimensions_are_refused(self):
        for p in hygra.properties():
            for system in ("SI", "IP"):
                with self.subTest(property=p.name, units=system):
                    self.units.Quantity(1.0, hygra._pint.unit_of(p.name, system == "IP"))
        with self.assertRaises(hygra.InvalidArgument):
            hygra.props("W", TDB=self.units.Quantity(20, "m"), RH=0.5)


if __name__ == "__main__":
    unittest.main()
