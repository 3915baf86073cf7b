"""The batch loop: many states through hygra_eval_batch, one slice at a time.

The arrays are handed over by address (contiguous doubles), so lists held in
array.array and NumPy arrays share the loop. Each call of the library is kept
to about a tenth of a second: the interpreter acts on Ctrl-C between calls, and
errors="raise" stops at the first slice that fails instead of computing the rest.
"""

import ctypes
import time

from . import _library, _metadata
from ._errors import error_for, raise_for

_double_p = ctypes.POINTER(ctypes.c_double)
_int_p = ctypes.POINTER(ctypes.c_int)
_DOUBLE = ctypes.sizeof(ctypes.c_double)

FIRST_SLICE = 4096           # states in the first call
SLICE_LIMITS = (64, 1 << 20)  # fewest and most states in one call
SLICE_SECONDS = (0.05, 0.2)   # a call shorter than the first doubles the slice, longer than the second halves it


def _at(address, offset, pointer_type=_double_p, size=_DOUBLE):
    return ctypes.cast(address + offset * size, pointer_type)


def _double_at(address, offset):
    return ctypes.c_double.from_address(address + offset * _DOUBLE).value


def run(state_type, flag, codes, n, first, second, pressure, results, errors, describe):
    """Evaluates n states into results.

    first, second, pressure  addresses of n contiguous doubles (the library's inputs)
    results                  address of n * len(codes) doubles, prefilled with NaN; the value
                             of code j for state i goes to [i * len(codes) + j]
    errors                   "raise": raise at the first value that fails; "nan": leave it NaN
    describe(i, a, b, p)     the text that names state i and its inputs in an error message
    """
    lib = _library.library()
    k = len(codes)
    if n == 0 or k == 0:
        return
    code_array = (ctypes.c_int * k)(*codes)
    size = min(FIRST_SLICE, n)
    status = (ctypes.c_int * (size * k))()
    start = 0
    while start < n:
        m = min(size, n - start)
        if len(status) < m * k:
            status = (ctypes.c_int * (m * k))()
        began = time.perf_counter()
        rc = lib.hygra_eval_batch(state_type, flag, m, _at(first, start), _at(second, start),
                                  _at(pressure, start), code_array, k, _at(results, start * k),
                                  status)
        elapsed = time.perf_counter() - began
        if rc and errors == "raise":
            failed = next((place for place in range(m * k) if status[place]), None)
            if failed is None:  # a failure of the call itself, not of a value
                raise_for(rc)
            i = start + failed // k
            raise element_error(state_type, flag, codes[failed % k],
                                *(_double_at(a, i) for a in (first, second, pressure)),
                                describe=lambda a, b, p: describe(i, a, b, p))
        start += m
        if elapsed < SLICE_SECONDS[0]:
            size = min(size * 2, SLICE_LIMITS[1])
        elif elapsed > SLICE_SECONDS[1]:
            size = max(size // 2, SLICE_LIMITS[0])


def element_error(state_type, flag, code, first, second, pressure, describe):
    """The exception for one failing value: the property, the inputs, and the library's own message.

    The value is evaluated once more alone, in this thread, for the library's message without
    the batch's place in it.
    """
    lib = _library.library()
    value = ctypes.c_double()
    rc = lib.moistair_eval(state_type, code, flag, ctypes.byref(value), first, second, pressure)
    message = lib.hygra_last_error().decode("utf-8", "replace") if rc else ""
    if not message:
        message = lib.hygra_strerror(rc or 2).decode("utf-8", "replace")
    name = _metadata.properties()[code].name
    return error_for(rc or 2, f"{name} at {describe(first, second, pressure)}: {message}")


def describe_inputs(names, units, first, second, pressure):
    """"TDB=400 degC, RH=0.5, P=1.01325 bar": a state's inputs with their units."""
    parts = []
    for name, value in zip((*names, "P"), (first, second, pressure)):
        unit = _metadata.property_info(name).unit(units)
        parts.append(f"{name}={value:.12g}" + (f" {unit}" if unit else ""))
    return ", ".join(parts)
