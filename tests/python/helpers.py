"""What the test files share: the header's numbers, the library called directly, optional packages."""

import contextlib
import ctypes
import importlib
import math
import os
import pathlib
import re

SOURCE_ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
HEADER = pathlib.Path(SOURCE_ROOT, "include", "hygra.h").read_text(encoding="utf-8")

# The header names the inputs of its state types in its own abbreviations.
_INPUT_NAMES = dict(TDRY="TDB", TWET="TWB", TDEW="TDEW", RH="RH", W="W", H="HM", S="SM", V="VM")
# {(first input, second input): state type}, {property name: code}, {function: number of parameters}
STATE_TYPES = {(_INPUT_NAMES[a], _INPUT_NAMES[b]): int(n)
               for a, b, n in re.findall(r"HYGRA_([A-Z]+)_([A-Z]+)\s*=\s*(\d+),?\s*/\*", HEADER)
               if a in _INPUT_NAMES and b in _INPUT_NAMES}
PROPERTY_CODES = {name: int(code) for code, name in
                  re.findall(r"HYGRA_[A-Z]+\s*=\s*(\d+),?\s*/\*\s*([A-Z]+)\s+\S", HEADER)}
FUNCTIONS = {name: 0 if args.strip() in ("", "void") else args.count(",") + 1
             for name, args in re.findall(r"HYGRA_API\s+[^;(]*?\b(\w+)\s*\(([^)]*)\)\s*;", HEADER)}

# The library itself, loaded apart from the package.
C_LIBRARY = ctypes.CDLL(os.environ["HYGRA_LIBRARY"])


def optional(module):
    """The module, or None when it is not installed (the tests that need it skip)."""
    with contextlib.suppress(ImportError):
        return importlib.import_module(module)


def c_value(name, units="SI", **inputs):
    """moistair_eval's value by the header's numbers (the pair in the order given if it can); NaN on failure."""
    pair = tuple(k for k in inputs if k != "P")
    pair, out = pair if pair in STATE_TYPES else pair[::-1], ctypes.c_double()
    rc = C_LIBRARY.moistair_eval(STATE_TYPES[pair], PROPERTY_CODES[name], units == "IP", ctypes.byref(out),
                                 *(ctypes.c_double(inputs[k]) for k in (*pair, "P")))
    return math.nan if rc else out.value


def same(a, b):
    """Equal, or both NaN."""
    return a == b or (math.isnan(a) and math.isnan(b))
