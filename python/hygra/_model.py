"""The model's range and the standard atmosphere."""

import ctypes
import functools
from collections import namedtuple

from . import _library, _units
from ._errors import raise_for

# Selectors of moistair_const.
_TMIN, _TMAX, _PMIN, _PMAX = 2, 3, 4, 5

Limits = namedtuple("Limits", "tdb_min tdb_max p_min p_max")
Limits.__doc__ = "The range of the model: dry-bulb temperature and total pressure."


def _const(selector, units_flag):
    value = ctypes.c_double()
    code = _library.library().moistair_const(selector, units_flag, ctypes.byref(value))
    if code:
        raise_for(code)
    return value.value


def limits(units="SI"):
    """The lowest and highest dry-bulb temperature (degC or degF) and total pressure (bar or psi)."""
    u = _units.flag(units)
    return Limits(*(_const(s, u) for s in (_TMIN, _TMAX, _PMIN, _PMAX)))


def _atmosphere(function, altitude, units):
    value = ctypes.c_double()
    code = function(_units.flag(units), ctypes.byref(value), float(altitude))
    if code:
        raise_for(code)
    return value.value


def pressure_at(altitude, units="SI"):
    """Pressure of the standard atmosphere (bar or psi) at an altitude (m or ft, -500 to 10000 m)."""
    return _atmosphere(_library.library().moistair_pz, altitude, units)


def temperature_at(altitude, units="SI"):
    """Temperature of the standard atmosphere (degC or degF) at an altitude (m or ft)."""
    return _atmosphere(_library.library().moistair_tz, altitude, units)


@functools.lru_cache(maxsize=None)
def sea_level_pressure(units_flag):
    """The default pressure of a state: the standard atmosphere at sea level (bar or psi)."""
    return pressure_at(0.0, _units.name(units_flag))
