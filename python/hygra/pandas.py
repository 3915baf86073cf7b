"""hygra with pandas: Series in, Series out; property columns added to a DataFrame.

    import hygra.pandas
    frame = hygra.pandas.add_properties(frame, inputs=("TDB", "RH"), properties=["W", "HM"])

hygra.props takes Series as inputs (on one index) and gives Series on that
index. Importing this module imports pandas; importing hygra does not.
"""

import numpy as np
import pandas

from . import _convert, _metadata, _vectorised
from ._errors import InvalidArgument

__all__ = ["add_properties"]


def _values(name, value, errors):
    """A Series (or other input) as float64 NumPy values, nullable numbers' missing values as NaN."""
    if isinstance(value, pandas.Series):
        dtype = value.dtype
        if pandas.api.types.is_bool_dtype(dtype) or not (
                pandas.api.types.is_numeric_dtype(dtype) or dtype == object):
            raise TypeError(f"{name} must hold real numbers, not {dtype}")
        if pandas.api.types.is_extension_array_dtype(dtype) and pandas.api.types.is_numeric_dtype(dtype):
            return value.to_numpy(dtype=np.float64, na_value=np.nan)
        return _convert.numpy_array(np, name, value.to_numpy(), errors)
    return _convert.numpy_array(np, name, value, errors)


def compute_series(job, columns, pressure_name):
    """One Series per code, on the index of the Series among the inputs (which must share it)."""
    series = [(name, v) for name, v in columns.items() if isinstance(v, pandas.Series)]
    index = series[0][1].index
    for name, s in series[1:]:
        if not s.index.equals(index):
            raise InvalidArgument(f"{series[0][0]} and {name} are Series on different indexes; "
                                  "align them first (such as with DataFrame columns)")
    arrays = {name: _values(name, value, job.errors) for name, value in columns.items()}
    inputs = [arrays[job.names[0]], arrays[job.names[1]],
              _vectorised.pressure_array(np, job, arrays.get(pressure_name), pressure_name)]
    shape = np.broadcast_shapes(*(np.shape(a) for a in inputs)) if hasattr(np, "broadcast_shapes") else None
    if shape is not None and shape != (len(index),):
        raise InvalidArgument(f"the inputs broadcast to shape {shape}, not to the Series' "
                              f"length {len(index)}")
    values = _vectorised.compute_numpy(np, job, inputs,
                                       where=lambda i: f"index {index[i]!r}")
    return [pandas.Series(v, index=index, name=_metadata.properties()[code].name)
            for v, code in zip(values, job.codes)]


def add_properties(frame, inputs, properties=None, *, P=None, ALT=None, units="SI", errors="raise",
                   ip_datum="0C", prefix=""):
    """A copy of a DataFrame with columns of properties computed from two of its columns.

    inputs      the two input columns: a pair of column names that are input names
                (("TDB", "RH"), in any case), or a dict of input name to column
                name ({"TDB": "air temperature", "RH": "humidity"})
    properties  the names of the properties to add (default: all forty-six)
    P, ALT      the total pressure or altitude: a number, a column's name, or
                values on the frame's rows; neither: the standard atmosphere at
                sea level
    units, errors, ip_datum   as for hygra.props
    prefix      put before each new column's name ("out_" gives "out_W")

    A new column that would replace one of the frame's is refused: give a prefix.
    """
    if not isinstance(frame, pandas.DataFrame):
        raise TypeError(f"add_properties needs a pandas DataFrame, not {type(frame).__name__}")
    if isinstance(inputs, dict):
        pairs = list(inputs.items())
    elif isinstance(inputs, (list, tuple)) and all(isinstance(c, str) for c in inputs):
        pairs = [(column, column) for column in inputs]
    else:
        raise InvalidArgument("inputs must be two column names, such as ('TDB', 'RH'), or a dict "
                              "of input name to column name")
    if len(pairs) != 2:
        raise InvalidArgument(f"inputs must name two columns, not {len(pairs)}")
    keywords = {}
    for name, column in pairs:
        if column not in frame.columns:
            raise InvalidArgument(f"the frame has no column {column!r}; its columns are "
                                  f"{', '.join(map(str, frame.columns))}")
        keywords[name] = frame[column]
    for name, value in (("P", P), ("ALT", ALT)):
        if value is None:
            continue
        if isinstance(value, str):
            if value not in frame.columns:
                raise InvalidArgument(f"{name}: the frame has no column {value!r}")
            value = frame[value]
        elif not _convert.is_number(value) and not isinstance(value, pandas.Series):
            value = pandas.Series(_convert.numpy_array(np, name, value, errors), index=frame.index)
        keywords[name] = value

    names = [p.name for p in _metadata.properties()] if properties is None else (
        [properties] if isinstance(properties, str) else list(properties))
    results = _vectorised.props(names, units=units, errors=errors, ip_datum=ip_datum, **keywords)
    out = frame.copy()
    for name, values in results.items():
        column = prefix + name
        if column in out.columns:
            raise InvalidArgument(f"the frame already has a column {column!r}; give a prefix "
                                  "(prefix='out_') to add the properties beside it")
        out[column] = values.to_numpy() if isinstance(values, pandas.Series) else values
    return out
