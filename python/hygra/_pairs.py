"""Which pair of named inputs fixes which state type of the library.

PAIRS lists the thirty pairs in the order of the library's state types
(HYGRA_TDRY_TWET = 0 ... HYGRA_S_V = 29): the state type of a pair is its
place in the list, and the library takes the pair's inputs in the order given
here. Where both orders of two inputs are state types (TDB and W, TDB and RH,
W and RH) the order the caller gives chooses between them; they describe the
same state.
"""

from collections import namedtuple

from ._errors import InvalidArgument

INPUTS = ("TDB", "TWB", "TDEW", "RH", "W", "HM", "SM", "VM")

PAIRS = (
    ("TDB", "TWB"), ("TDB", "RH"), ("TDB", "W"), ("TDB", "HM"), ("TDB", "SM"),
    ("TDB", "VM"), ("TDB", "TDEW"),
    ("W", "TWB"), ("W", "TDB"), ("W", "RH"), ("W", "HM"), ("W", "SM"), ("W", "VM"),
    ("RH", "TWB"), ("RH", "TDB"), ("RH", "W"), ("RH", "HM"), ("RH", "SM"), ("RH", "VM"),
    ("TDEW", "TWB"), ("TDEW", "RH"), ("TDEW", "HM"), ("TDEW", "SM"), ("TDEW", "VM"),
    ("TWB", "HM"), ("TWB", "SM"), ("TWB", "VM"), ("HM", "SM"), ("HM", "VM"), ("SM", "VM"),
)

PRESSURE_INPUTS = ("P", "ALT")

_STATE_TYPES = {pair: state_type for state_type, pair in enumerate(PAIRS)}

Inputs = namedtuple("Inputs", "state_type names first second pressure_name pressure given")
Inputs.__doc__ = """Keyword inputs resolved: the state type, the pair's names and values in the
library's order, the pressure input ("P", "ALT" or None) and its value, and
the inputs as given (upper-case names, in the caller's order)."""


def _pairs_text():
    groups = []
    for lead in ("TDB", "W", "RH", "TDEW", "TWB", "HM", "SM"):
        partners = [second for first, second in PAIRS if first == lead]
        others = f"{', '.join(partners[:-1])} or {partners[-1]}" if len(partners) > 1 else partners[0]
        groups.append(f"{lead} with {others}")
    return "; ".join(groups)


def resolve(inputs):
    """Resolves keyword inputs (names in any case) to an Inputs; InvalidArgument when they fix no state."""
    given = {}
    for key, value in inputs.items():
        name = key.upper()
        if name in given:
            raise InvalidArgument(f"{name} is given twice")
        if name not in INPUTS and name not in PRESSURE_INPUTS:
            raise InvalidArgument(
                f"{key} is not an input; a state is given by two of {', '.join(INPUTS)}, "
                "and optionally P (total pressure) or ALT (altitude)")
        given[name] = value

    pressures = [name for name in given if name in PRESSURE_INPUTS]
    if len(pressures) > 1:
        raise InvalidArgument("give the total pressure P or the altitude ALT, not both")
    pair = tuple(name for name in given if name in INPUTS)
    if len(pair) != 2:
        raise InvalidArgument(
            f"a state needs two inputs, {len(pair)} given; the pairs are {_pairs_text()}")

    if pair in _STATE_TYPES:
        names = pair
    elif pair[::-1] in _STATE_TYPES:
        names = pair[::-1]
    else:
        raise InvalidArgument(
            f"{pair[0]} and {pair[1]} do not fix a state; the pairs that do are {_pairs_text()}")
    pressure_name = pressures[0] if pressures else None
    return Inputs(_STATE_TYPES[names], names, given[names[0]], given[names[1]], pressure_name,
                  given.get(pressure_name), given)
