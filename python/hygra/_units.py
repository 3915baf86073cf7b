"""The two unit systems, named as the package's callers name them."""

from ._errors import InvalidArgument

SI = "SI"
IP = "IP"


def flag(units):
    """The library's unit flag for "SI" or "IP" (in any case)."""
    if isinstance(units, str):
        name = units.strip().upper()
        if name == SI:
            return 0
        if name == IP:
            return 1
    raise InvalidArgument(f"units must be 'SI' or 'IP', not {units!r}")


def name(units_flag):
    return IP if units_flag else SI
