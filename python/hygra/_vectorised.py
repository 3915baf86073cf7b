"""Many states in one call: hygra.props, over numbers, sequences, NumPy, pandas, xarray and pint.

The type of the inputs is the type of the results: numbers give a float,
sequences a list, NumPy arrays an array of the broadcast shape, pandas Series a
Series on the same index, xarray DataArrays a DataArray with their coordinates
(lazily for Dask-backed ones), pint Quantities Quantities. NumPy, pandas,
xarray, Dask and pint are looked up only when the inputs are theirs: none of
them is needed.
"""

import collections.abc
import math
import sys
from array import array

from . import _batch, _datum, _metadata, _model, _pairs, _units
from ._convert import check_container, element, errors_mode, is_number, numpy_array
from ._errors import Error, InvalidArgument


def props(names=None, *, units="SI", errors="raise", ip_datum="0C", **inputs):
    """Properties of many states of one pair of inputs.

    names     a property name ("HM"), a sequence of names (["W", "HM"]), or
              nothing for all forty-six
    inputs    two inputs by the library's names and optionally P or ALT, as for
              hygra.State; each a number, a sequence of numbers, a NumPy array,
              a pandas Series, an xarray DataArray or a pint Quantity of those.
              Inputs broadcast together (numbers and one-element sequences
              repeat; arrays follow NumPy's rules, DataArrays xarray's).
    units     "SI" or "IP"
    errors    "raise": a state or property that fails raises its exception,
              naming the property and the inputs; "nan": it is NaN and the
              others are computed. A NaN input is a missing value: its
              results are NaN, with either setting.
    ip_datum  "0C" (the library's) or "0F": with units="IP", enthalpies and
              entropies of dry and moist air (HA, HM, SA, SM) on the 0 degF
              dry-air datum of inch-pound charts, HM and SM inputs too

    Returns, for one name, its values; otherwise a dict of name to values in
    the order asked.
    """
    single = isinstance(names, str)
    if names is None:
        requested = [p.name for p in _metadata.properties()]
    else:
        requested = [names] if single else list(names)
    if not requested:
        raise InvalidArgument("no property names given")
    codes = [_metadata.code_of(name) for name in requested]
    keys = [_metadata.properties()[code].name for code in codes]
    errors_mode(errors)
    flag = _units.flag(units)
    datum = _datum.check(ip_datum, flag)
    request = _pairs.resolve(inputs)
    job = Job(request.state_type, flag, codes, request.names, errors, datum)

    columns = {request.names[0]: request.first, request.names[1]: request.second}
    if request.pressure_name is not None:
        columns[request.pressure_name] = request.pressure
    registry = None
    pint = sys.modules.get("pint")
    if pint is not None:
        from . import _pint
        registry, columns = _pint.magnitudes(pint, columns, flag)

    xarray = sys.modules.get("xarray")
    pandas = sys.modules.get("pandas")
    numpy = sys.modules.get("numpy")
    if xarray is not None and any(isinstance(v, xarray.DataArray) for v in columns.values()):
        from . import _xarray
        values = _xarray.compute(job, columns, request.pressure_name)
    elif pandas is not None and any(isinstance(v, pandas.Series) for v in columns.values()):
        from . import pandas as hygra_pandas
        values = hygra_pandas.compute_series(job, columns, request.pressure_name)
    elif numpy is not None and any(isinstance(v, numpy.ndarray) for v in columns.values()):
        values = compute_numpy(numpy, job, _numpy_columns(numpy, job, columns, request.pressure_name))
    else:
        values = _compute_lists(job, columns, request.pressure_name)

    if registry is not None:
        values = [_pint.quantity(registry, value, code, flag) for value, code in zip(values, codes)]
    return values[0] if single else dict(zip(keys, values))


class Job:
    """What every slice of a computation shares: the state type, units, codes, names and settings."""

    __slots__ = ("state_type", "flag", "codes", "names", "errors", "datum")

    def __init__(self, state_type, flag, codes, names, errors, datum):
        self.state_type, self.flag, self.codes = state_type, flag, tuple(codes)
        self.names, self.errors, self.datum = tuple(names), errors, datum

    def __reduce__(self):  # plain values only: a job travels to Dask's workers
        return Job, (self.state_type, self.flag, self.codes, self.names, self.errors, self.datum)

    @property
    def units(self):
        return _units.name(self.flag)

    def input_shifts(self):
        """What to add to each given input (on the job's datum) for the library's value."""
        return tuple(_datum.shift(name, self.datum) for name in self.names)

    def output_shifts(self):
        return tuple(_datum.shift(_metadata.properties()[code].name, self.datum) for code in self.codes)

    def describe(self, where):
        """The describe callback of _batch.run: inputs as the caller gave them, and where(i)."""
        shifts = self.input_shifts()

        def text(i, first, second, pressure):
            inputs = _batch.describe_inputs(self.names, self.units, first - shifts[0],
                                            second - shifts[1], pressure)
            place = where(i)
            return f"{inputs} ({place})" if place else inputs
        return text

    def altitude_to_pressure(self):
        """Altitude to pressure, NaN in, NaN out; NaN for an altitude outside under errors="nan"."""
        units = self.units

        def convert(altitude):
            if math.isnan(altitude):
                return math.nan
            try:
                return _model.pressure_at(altitude, units)
            except Error:
                if self.errors == "raise":
                    raise
                return math.nan
        return convert


# --- NumPy -----------------------------------------------------------------

def _numpy_columns(np, job, columns, pressure_name):
    """The inputs as float64 arrays, in the library's order: first, second, pressure."""
    arrays = {name: numpy_array(np, name, value, job.errors) for name, value in columns.items()}
    return [arrays[job.names[0]], arrays[job.names[1]],
            pressure_array(np, job, arrays.get(pressure_name), pressure_name)]


def pressure_array(np, job, value, pressure_name):
    """The pressure of each state from P, ALT (each distinct altitude converted once) or neither."""
    if pressure_name is None:
        return np.float64(_model.sea_level_pressure(job.flag))
    if pressure_name == "P":
        return value
    altitude = np.asarray(value, dtype=np.float64)
    distinct, where = np.unique(altitude, return_inverse=True)
    convert = job.altitude_to_pressure()
    pressures = np.array([convert(float(a)) for a in distinct], dtype=np.float64)
    return pressures[where].reshape(altitude.shape)


def compute_numpy(np, job, inputs, where=None):
    """Properties of the states of float64 arrays first, second, pressure, broadcast together.

    Returns one float64 array of the broadcast shape per code. where(index) names an element in
    an error message (by default its index in the broadcast shape).
    """
    try:
        first, second, pressure = np.broadcast_arrays(*inputs)
    except ValueError:
        shapes = ", ".join(f"{name} {np.shape(a)}" for name, a in zip((*job.names, "P"), inputs))
        raise InvalidArgument(f"the inputs do not broadcast together: {shapes}") from None
    shape = first.shape
    shift_first, shift_second = job.input_shifts()
    first = np.ascontiguousarray(first, dtype=np.float64).reshape(-1)
    second = np.ascontiguousarray(second, dtype=np.float64).reshape(-1)
    if shift_first:
        first = first + shift_first
    if shift_second:
        second = second + shift_second
    pressure = np.ascontiguousarray(pressure, dtype=np.float64).reshape(-1)
    n, k = first.size, len(job.codes)
    results = np.full((n, k), np.nan)
    if where is None:
        def where(i):
            index = np.unravel_index(i, shape) if len(shape) > 1 else i
            return f"element {tuple(int(j) for j in index) if len(shape) > 1 else index}"

    missing = np.isnan(first) | np.isnan(second) | np.isnan(pressure)
    if missing.any():  # missing values stay NaN: only the others go to the library
        kept = np.flatnonzero(~missing)
        first, second, pressure = first[kept], second[kept], pressure[kept]
        computed = np.full((kept.size, k), np.nan)
        _batch.run(job.state_type, job.flag, job.codes, kept.size, first.ctypes.data,
                   second.ctypes.data, pressure.ctypes.data, computed.ctypes.data, job.errors,
                   job.describe(lambda i: where(int(kept[i]))))
        results[kept] = computed
    else:
        _batch.run(job.state_type, job.flag, job.codes, n, first.ctypes.data, second.ctypes.data,
                   pressure.ctypes.data, results.ctypes.data, job.errors, job.describe(where))
    values = []
    for j, shift in enumerate(job.output_shifts()):
        column = np.ascontiguousarray(results[:, j])
        if shift:
            column -= shift
        values.append(column.reshape(shape))
    return values


# --- lists -----------------------------------------------------------------

def _column(name, value, errors):
    """A number as a float, a sequence as an array("d"), strictly checked."""
    if is_number(value):
        return float(value)
    check_container(name, value)
    if not isinstance(value, collections.abc.Iterable):
        raise TypeError(f"{name} must be a number or a sequence of numbers")
    try:
        converted = array("d", value)  # fast: numbers only, booleans among them
    except TypeError:  # None, text, complex numbers: element by element, for the message
        return array("d", (element(name, v, errors) for v in value))
    types = set(map(type, value))  # one pass in C
    numpy = sys.modules.get("numpy")
    if bool in types or (numpy is not None and numpy.bool_ in types):
        raise TypeError(f"{name} holds a boolean, not a number")
    return converted


def _compute_lists(job, columns, pressure_name):
    converted = {name: _column(name, value, job.errors) for name, value in columns.items()}
    lengths = {name: len(v) for name, v in converted.items() if isinstance(v, array)}
    long = {name: length for name, length in lengths.items() if length != 1}
    if len(set(long.values())) > 1:
        described = " and ".join(f"{name} has {length}" for name, length in long.items())
        raise InvalidArgument(f"sequences of inputs must be of one length (or of one value): {described}")
    scalar = not lengths
    n = next(iter(long.values()), 1)

    if pressure_name == "ALT":
        altitude = converted.pop("ALT")
        convert = job.altitude_to_pressure()
        if isinstance(altitude, float):
            converted["P"] = convert(altitude)
        else:  # the library is asked once for each distinct altitude
            table = {a: convert(a) for a in set(altitude) if not math.isnan(a)}
            converted["P"] = array("d", (table.get(a, math.nan) for a in altitude))
    elif pressure_name is None:
        converted["P"] = _model.sea_level_pressure(job.flag)

    def full(value, shift=0.0):
        if isinstance(value, float):
            return array("d", [value + shift]) * n
        values = value * n if len(value) == 1 else value
        return array("d", (v + shift for v in values)) if shift else values

    k = len(job.codes)
    if n == 0:
        return [[] for _ in job.codes]
    shifts = job.input_shifts()
    first, second = (full(converted[name], shift) for name, shift in zip(job.names, shifts))
    pressure = full(converted["P"])
    missing = []
    if math.isnan(sum(first) + sum(second) + sum(pressure)):  # a NaN somewhere (or infinities)
        missing = [i for i in range(n)
                   if math.isnan(first[i]) or math.isnan(second[i]) or math.isnan(pressure[i])]
    kept = None
    if missing:
        gone = set(missing)
        kept = [i for i in range(n) if i not in gone]
        first, second, pressure = (array("d", (a[i] for i in kept)) for a in (first, second, pressure))
    m = len(first)
    results = array("d", [math.nan]) * (m * k)
    if scalar:
        where = lambda i: ""  # noqa: E731
    elif kept is None:
        where = lambda i: f"element {i}"  # noqa: E731
    else:
        where = lambda i: f"element {kept[i]}"  # noqa: E731
    if m:
        _batch.run(job.state_type, job.flag, job.codes, m, first.buffer_info()[0],
                   second.buffer_info()[0], pressure.buffer_info()[0], results.buffer_info()[0],
                   job.errors, job.describe(where))
    shifts = job.output_shifts()
    values = []
    for j in range(k):
        column = results[j::k]
        if kept is not None:
            full_column = [math.nan] * n
            for place, i in enumerate(kept):
                full_column[i] = column[place]
            column = full_column
        else:
            column = column.tolist()
        if shifts[j]:
            column = [v - shifts[j] for v in column]
        values.append(column[0] if scalar else column)
    return values
