"""Names, meanings and units of the forty-six properties, read from the library's own table."""

import functools
from collections import namedtuple

from . import _library, _units
from ._errors import InvalidArgument

PROPERTY_COUNT = 46


class Property(namedtuple("Property", "code name meaning unit_si unit_ip")):
    """One property: its code, short name, meaning and unit in each system ("" when it has none)."""

    __slots__ = ()

    def unit(self, units="SI"):
        """The property's unit in a unit system, "SI" or "IP"."""
        return self.unit_ip if _units.flag(units) else self.unit_si


@functools.lru_cache(maxsize=None)
def properties():
    """The forty-six properties, in the order of their codes."""
    lib = _library.library()

    def text(pointer):
        return pointer.decode("ascii")

    return tuple(
        Property(code, text(lib.hygra_property_name(code)), text(lib.hygra_property_meaning(code)),
                 text(lib.hygra_property_unit(code, 0)), text(lib.hygra_property_unit(code, 1)))
        for code in range(PROPERTY_COUNT))


@functools.lru_cache(maxsize=None)
def _codes():
    return {p.name: p.code for p in properties()}


def code_of(name):
    """The code of a property name, in any case; InvalidArgument for an unknown one."""
    if isinstance(name, str):
        code = _codes().get(name.strip().upper())
        if code is not None:
            return code
    known = ", ".join(p.name for p in properties())
    raise InvalidArgument(f"{name!r} is not the name of a property; the names are {known}")


def property_info(name):
    """The Property of a name ("HM", "rh", ...) or of a code 0..45."""
    if isinstance(name, int) and not isinstance(name, bool):
        if 0 <= name < PROPERTY_COUNT:
            return properties()[name]
        raise InvalidArgument(f"property code {name} is not one of 0 to {PROPERTY_COUNT - 1}")
    return properties()[code_of(name)]
