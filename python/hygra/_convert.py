"""Checks of inputs shared by the state object and the vectorised function.

Inputs are strict: a number is a real number that is not a boolean; a
sequence is a list, tuple, range, array.array or array-like of such numbers.
Dicts, sets, text, booleans and complex numbers are refused, never read as
numbers. NaN marks a missing value; None does too under errors="nan" and is
refused under errors="raise".
"""

import collections.abc
import math
import numbers
import sys

from ._errors import InvalidArgument

ERRORS = ("raise", "nan")


def is_number(value):
    return isinstance(value, numbers.Real) and not isinstance(value, bool)


def number(name, value):
    """A scalar input as a float; TypeError for anything but a real number."""
    if is_number(value):
        return float(value)
    raise TypeError(f"{name} must be a number, not {type(value).__name__}")


def errors_mode(errors):
    if errors not in ERRORS:
        raise InvalidArgument(f"errors must be 'raise' or 'nan', not {errors!r}")
    return errors


def _refused(name, what):
    return TypeError(f"{name} must be a number or a sequence of numbers, not {what}")


def check_container(name, value):
    """TypeError for a value that is neither a number nor a sequence or array of them."""
    if isinstance(value, (str, bytes, bytearray)):
        raise _refused(name, "text")
    if isinstance(value, (collections.abc.Mapping, collections.abc.Set)):
        raise _refused(name, f"a {type(value).__name__}")
    if isinstance(value, (bool, complex)):
        raise _refused(name, f"a {type(value).__name__}")
    if not (is_number(value) or isinstance(value, collections.abc.Sequence)
            or hasattr(value, "__array__") or hasattr(value, "__array_interface__")):
        raise _refused(name, f"a {type(value).__name__}")


def element(name, value, errors):
    """One element of a sequence as a float: NaN for None under errors="nan"."""
    if type(value) is float or is_number(value):
        return float(value)
    if value is None:
        if errors == "nan":
            return math.nan
        raise TypeError(f"{name} holds None: give NaN (float('nan')) for a missing value, "
                        "or pass errors='nan'")
    numpy = sys.modules.get("numpy")
    if numpy is not None and isinstance(value, numpy.bool_) or isinstance(value, bool):
        raise TypeError(f"{name} holds a boolean, not a number")
    raise TypeError(f"{name} holds {type(value).__name__} {value!r}, not a number")


def numpy_array(np, name, value, errors):
    """An input as a float64 NumPy array (or a float64 scalar for a number), strictly checked."""
    if is_number(value):
        return np.float64(value)
    check_container(name, value)
    if isinstance(value, (list, tuple)):
        # NumPy would turn booleans among numbers into numbers: look at the elements first.
        objects = np.asarray(value, dtype=object)
        converted = np.fromiter((element(name, v, errors) for v in objects.flat), dtype=np.float64,
                                count=objects.size)
        return converted.reshape(objects.shape)
    array = np.asarray(value)
    kind = array.dtype.kind
    if kind in "fiu":
        return array.astype(np.float64, copy=False)
    if kind == "O":
        converted = np.fromiter((element(name, v, errors) for v in array.flat), dtype=np.float64,
                                count=array.size)
        return converted.reshape(array.shape)
    what = {"b": "booleans", "c": "complex numbers", "U": "text", "S": "text"}.get(kind, f"{array.dtype}")
    raise TypeError(f"{name} must hold real numbers, not {what}")


def check_numpy_dtype(name, dtype):
    """TypeError unless a dtype holds real numbers (for arrays not converted here, such as Dask's)."""
    if dtype.kind not in "fiu":
        what = {"b": "booleans", "c": "complex numbers", "U": "text", "S": "text"}.get(dtype.kind, str(dtype))
        raise TypeError(f"{name} must hold real numbers, not {what}")
