"""What the test files share: the header's numbers, the library called directly, optional packages."""

import ctypes
import functools
import importlib
import math
import os
import re

SOURCE_ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
PACKAGE_SOURCE = os.path.join(SOURCE_ROOT, "python", "hygra")
with open(os.path.join(SOURCE_ROOT, "include", "hygra.h"), encoding="utf-8") as _header:
    HEADER = _header.read()

# The header names the inputs of its state types in its own abbreviations.
_INPUT_NAMES = {"TDRY": "TDB", "TWET": "TWB", "TDEW": "TDEW", "RH": "RH", "W": "W", "H": "HM", "S": "SM",
                "V": "VM"}
# {(first input, second input): state type}, {property name: code}, {function: number of parameters}
STATE_TYPES = {(_INPUT_NAMES[a], _INPUT_NAMES[b]): int(n)
               for a, b, n in re.findall(r"HYGRA_([A-Z]+)_([A-Z]+)\s*=\s*(\d+),?\s*/\*", HEADER)
               if a in _INPUT_NAMES and b in _INPUT_NAMES}
PROPERTY_CODES = {name: int(code) for code, name in
                  re.findall(r"HYGRA_[A-Z]+\s*=\s*(\d+),?\s*/\*\s*([A-Z]+)\s+\S", HEADER)}
FUNCTIONS = {name: 0 if args.strip() in ("", "void") else args.count(",") + 1
             for name, args in re.findall(r"HYGRA_API\s+[^;(]*?\b(\w+)\s*\(([^)]*)\)\s*;", HEADER)}


def optional(module):
    """The module, or None when it is not installed (the tests that need it skip)."""
    try:
        return importlib.import_module(module)
    except ImportError:
        return None


@functools.lru_cache(maxsize=None)
def _c_library():
    lib = ctypes.CDLL(os.environ["HYGRA_LIBRARY"])
    lib.moistair_eval.argtypes = (ctypes.c_int,) * 3 + (ctypes.POINTER(ctypes.c_double),) + (ctypes.c_double,) * 3
    lib.hygra_last_error.restype = ctypes.c_char_p
    return lib


def c_value(name, units="SI", **inputs):
    """moistair_eval's value of a property by the header's numbers (the pair in the order given when it is a
    state type, else reversed); NaN when it fails."""
    pair = tuple(k for k in inputs if k != "P")
    pair = pair if pair in STATE_TYPES else pair[::-1]
    out = ctypes.c_double()
    rc = _c_library().moistair_eval(STATE_TYPES[pair], PROPERTY_CODES[name], units == "IP", ctypes.byref(out),
                                    inputs[pair[0]], inputs[pair[1]], inputs["P"])
    return math.nan if rc else out.value


def c_last_error():
    return _c_library().hygra_last_error().decode()


def same(a, b):
    """Equal, or both NaN."""
    return a == b or (math.isnan(a) and math.isnan(b))
