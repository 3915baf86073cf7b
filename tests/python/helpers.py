"""What several test files share: the header's numbers, and comparisons."""

import math
import os
import re

SOURCE_ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
HEADER = os.path.join(SOURCE_ROOT, "include", "hygra.h")
PACKAGE_SOURCE = os.path.join(SOURCE_ROOT, "python", "hygra")

# The header names the inputs of its state types in its own abbreviations.
_HEADER_INPUT_NAMES = {"TDRY": "TDB", "TWET": "TWB", "TDEW": "TDEW", "RH": "RH", "W": "W",
                       "H": "HM", "S": "SM", "V": "VM"}


def header_text():
    with open(HEADER, encoding="utf-8") as f:
        return f.read()


def header_state_types():
    """{(first input, second input): state type} as the header's enum of state types names them."""
    pairs = {}
    for first, second, number in re.findall(r"HYGRA_([A-Z]+)_([A-Z]+)\s*=\s*(\d+),?\s*/\*",
                                            header_text()):
        if first in _HEADER_INPUT_NAMES and second in _HEADER_INPUT_NAMES:
            pairs[(_HEADER_INPUT_NAMES[first], _HEADER_INPUT_NAMES[second])] = int(number)
    return pairs


def header_property_codes():
    """{name: code} from the header's enum of property codes."""
    return {name: int(code) for code, name in
            re.findall(r"HYGRA_[A-Z]+\s*=\s*(\d+),?\s*/\*\s*([A-Z]+)\s+\S", header_text())}


def header_functions():
    """{function name: number of parameters} of every function the header exports."""
    functions = {}
    for name, parameters in re.findall(r"HYGRA_API\s+[^;(]*?\b(\w+)\s*\(([^)]*)\)\s*;", header_text()):
        parameters = parameters.strip()
        functions[name] = 0 if parameters in ("", "void") else parameters.count(",") + 1
    return functions


def library_file():
    return os.environ["HYGRA_LIBRARY"]


def same_or_both_nan(a, b):
    return a == b or (math.isnan(a) and math.isnan(b))
