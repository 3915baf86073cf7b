"""Checks shared by the state object and the vectorised function."""

import numbers

from ._errors import InvalidArgument

ERRORS = ("raise", "nan")


def number(name, value):
    """A scalar input as a float; TypeError for anything but a real number."""
    if isinstance(value, numbers.Real) and not isinstance(value, bool):
        return float(value)
    raise TypeError(f"{name} must be a number, not {type(value).__name__}")


def errors_mode(errors):
    if errors not in ERRORS:
        raise InvalidArgument(f"errors must be 'raise' or 'nan', not {errors!r}")
    return errors
