"""The zero of dry air's enthalpy and entropy in inch-pound units.

The library puts dry air's zero at 0 degC and 101325 Pa in both unit systems:
its inch-pound enthalpies and entropies are its SI values times a factor.
Inch-pound charts and tables put it at 0 degF. ip_datum="0F" reports HM, HA
(Btu/lb) and SM, SA (Btu/(lb degF)) on that datum, and reads HM and SM given as
inputs on it:

    HM(0 degF datum) = HM - HA0        HA0 = HA of dry air at 0 degF, 14.696 psi (about -7.7 Btu/lb)
    SM(0 degF datum) = SM - SA0        SA0 = SA of dry air at 0 degF, 14.696 psi

HA0 and SA0 are the library's own values for dry air (W = 0) at 0 degF and
the standard atmosphere at sea level (101325 Pa), whatever the state's
pressure: a datum is one fixed state, and the entropy of dry air depends on
its pressure. Water keeps its zero (saturated liquid at the triple point), so
HW, HG, SW and SG are unchanged.
"""

import ctypes
import functools

from . import _library, _metadata, _model, _pairs
from ._errors import InvalidArgument, raise_for

LIBRARY = "0C"   # the library's datum: dry air's zero at 0 degC
FAHRENHEIT = "0F"  # inch-pound charts' datum: dry air's zero at 0 degF
DATUMS = (LIBRARY, FAHRENHEIT)

ENTHALPIES = ("HM", "HA")  # shifted by HA0
ENTROPIES = ("SM", "SA")   # shifted by SA0


def check(ip_datum, units_flag):
    """The datum named by ip_datum ("0C" or "0F", any case); "0F" only with inch-pound units."""
    if ip_datum == LIBRARY:
        return LIBRARY
    name = ip_datum.strip().upper() if isinstance(ip_datum, str) else None
    if name not in DATUMS:
        raise InvalidArgument(f"ip_datum must be '0C' (the library's) or '0F' (inch-pound charts'), "
                              f"not {ip_datum!r}")
    if name == FAHRENHEIT and not units_flag:
        raise InvalidArgument("ip_datum='0F' is a datum of inch-pound enthalpies and entropies; "
                              "give units='IP' with it")
    return name


@functools.lru_cache(maxsize=None)
def offsets():
    """(HA0 in Btu/lb, SA0 in Btu/(lb degF)): dry air at 0 degF and 101325 Pa, in inch-pound units."""
    lib = _library.library()
    state_type = _pairs.PAIRS.index(("TDB", "W"))
    pressure = _model.sea_level_pressure(1)
    values = []
    for name in ("HA", "SA"):
        value = ctypes.c_double()
        rc = lib.moistair_eval(state_type, _metadata.code_of(name), 1, ctypes.byref(value),
                               0.0, 0.0, pressure)
        if rc:
            raise_for(rc)
        values.append(value.value)
    return tuple(values)


def shift(name, datum):
    """What to subtract from the library's value of a property (or input) name on a datum; 0 if nothing."""
    if datum != FAHRENHEIT:
        return 0.0
    ha0, sa0 = offsets()
    if name in ENTHALPIES:
        return ha0
    if name in ENTROPIES:
        return sa0
    return 0.0
