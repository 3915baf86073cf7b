"""Many states in one call of the library: hygra.props."""

import ctypes
import itertools
import math
import numbers
import sys
from array import array

from . import _library, _metadata, _model, _pairs, _units
from ._convert import errors_mode
from ._errors import Error, InvalidArgument, raise_for

_double_p = ctypes.POINTER(ctypes.c_double)
_int_p = ctypes.POINTER(ctypes.c_int)


def props(names, *, units="SI", errors="raise", **inputs):
    """Properties of many states of one pair of inputs, computed in one call of the library.

    names   a property name ("HM") or a sequence of names (["W", "HM"])
    inputs  two inputs by the library's names and optionally P or ALT, as for
            hygra.State; each a number or a sequence of numbers (a NumPy array
            when NumPy is installed). Inputs are broadcast together: numbers
            and one-element sequences repeat, sequences must otherwise be of
            one length (arrays follow NumPy's rules).
    units   "SI" or "IP"
    errors  "raise": the first state or property that fails raises its
            exception; "nan": it is NaN and the others are computed

    Returns, for one name, its values; for a sequence of names, a dict of name
    to values in the order asked. The values are a list when the inputs
    are sequences, a NumPy array of the broadcast shape when any input is an
    array, and a float when every input is a number.
    """
    single = isinstance(names, str)
    requested = [names] if single else list(names)
    if not requested:
        raise InvalidArgument("no property names given")
    codes = [_metadata.code_of(name) for name in requested]
    keys = [_metadata.properties()[code].name for code in codes]
    errors_mode(errors)
    flag = _units.flag(units)
    request = _pairs.resolve(inputs)

    columns = {request.names[0]: request.first, request.names[1]: request.second}
    if request.pressure_name is not None:
        columns[request.pressure_name] = request.pressure
    numpy = sys.modules.get("numpy")
    if numpy is not None and any(isinstance(v, numpy.ndarray) for v in columns.values()):
        values = _with_numpy(numpy, request, columns, codes, flag, errors)
    else:
        values = _with_lists(request, columns, codes, flag, errors)
    return values[0] if single else dict(zip(keys, values))


def _altitude_to_pressure(flag, errors):
    units = _units.name(flag)

    def convert(altitude):
        try:
            return _model.pressure_at(altitude, units)
        except Error:
            if errors == "raise":
                raise
            return math.nan
    return convert


# --- lists -----------------------------------------------------------------

def _is_number(value):
    return isinstance(value, numbers.Real) and not isinstance(value, bool)


def _column(name, value):
    if _is_number(value):
        return float(value)
    if isinstance(value, (str, bytes)):
        raise TypeError(f"{name} must be a number or a sequence of numbers, not {type(value).__name__}")
    try:
        return array("d", value)
    except TypeError:
        raise TypeError(f"{name} must be a number or a sequence of numbers") from None


def _pointer(values, ctype):
    return (ctype * len(values)).from_buffer(values)


def _with_lists(request, columns, codes, flag, errors):
    converted = {name: _column(name, value) for name, value in columns.items()}
    lengths = {name: len(v) for name, v in converted.items() if isinstance(v, array)}
    long = {name: length for name, length in lengths.items() if length != 1}
    if len(set(long.values())) > 1:
        described = " and ".join(f"{name} has {length}" for name, length in long.items())
        raise InvalidArgument(f"sequences of inputs must be of one length (or of one value): {described}")
    scalar = not lengths
    n = next(iter(long.values()), 1)

    if request.pressure_name == "ALT":
        altitude = converted.pop("ALT")
        convert = _altitude_to_pressure(flag, errors)
        if isinstance(altitude, float):
            converted["P"] = convert(altitude)
        else:  # the library is asked once for each distinct altitude
            table = {a: convert(a) for a in set(altitude)}
            converted["P"] = array("d", map(table.get, altitude, itertools.repeat(math.nan)))
    elif request.pressure_name is None:
        converted["P"] = _model.sea_level_pressure(flag)

    def full(value):
        return array("d", [value]) * n if isinstance(value, float) else (value * n if len(value) == 1 else value)

    k = len(codes)
    if n == 0:
        return [[] for _ in codes]
    first, second, pressure = (full(converted[name]) for name in (*request.names, "P"))
    results = array("d", [math.nan]) * (n * k)
    status = array("i", [0]) * (n * k)
    code_array = array("i", codes)
    rc = _library.library().hygra_eval_batch(
        request.state_type, flag, n, _pointer(first, ctypes.c_double), _pointer(second, ctypes.c_double),
        _pointer(pressure, ctypes.c_double), _pointer(code_array, ctypes.c_int), k,
        _pointer(results, ctypes.c_double), _pointer(status, ctypes.c_int))
    if rc and errors == "raise":
        raise_for(rc)
    if scalar:
        return [results[j] for j in range(k)]
    return [results[j::k].tolist() for j in range(k)]


# --- NumPy -----------------------------------------------------------------

def _with_numpy(np, request, columns, codes, flag, errors):
    arrays = {}
    for name, value in columns.items():
        if isinstance(value, (str, bytes)):
            raise TypeError(f"{name} must be a number or an array of numbers, not {type(value).__name__}")
        try:
            arrays[name] = np.asarray(value, dtype=np.float64)
        except (TypeError, ValueError):
            raise TypeError(f"{name} must be a number or an array of numbers") from None

    if request.pressure_name == "ALT":
        altitude = arrays.pop("ALT")
        convert = _altitude_to_pressure(flag, errors)
        distinct, where = np.unique(altitude, return_inverse=True)
        pressures = np.array([convert(float(a)) for a in distinct], dtype=np.float64)
        arrays["P"] = pressures[where].reshape(altitude.shape)
    elif request.pressure_name is None:
        arrays["P"] = np.float64(_model.sea_level_pressure(flag))

    try:
        first, second, pressure = np.broadcast_arrays(*(arrays[name] for name in (*request.names, "P")))
    except ValueError:
        shapes = ", ".join(f"{name} {np.shape(a)}" for name, a in arrays.items())
        raise InvalidArgument(f"the inputs do not broadcast together: {shapes}") from None
    shape = first.shape
    first, second, pressure = (np.ascontiguousarray(a.reshape(-1)) for a in (first, second, pressure))
    n, k = first.size, len(codes)
    results = np.full((n, k), np.nan)
    status = np.zeros((n, k), dtype=np.intc)
    code_array = np.asarray(codes, dtype=np.intc)
    if n:
        rc = _library.library().hygra_eval_batch(
            request.state_type, flag, n, first.ctypes.data_as(_double_p), second.ctypes.data_as(_double_p),
            pressure.ctypes.data_as(_double_p), code_array.ctypes.data_as(_int_p), k,
            results.ctypes.data_as(_double_p), status.ctypes.data_as(_int_p))
        if rc and errors == "raise":
            raise_for(rc)
    return [np.ascontiguousarray(results[:, j]).reshape(shape) for j in range(k)]
