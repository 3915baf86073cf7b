"""One state of moist air, fixed by a pair of inputs and its pressure."""

import ctypes
import math

from . import _datum, _library, _metadata, _model, _pairs, _units
from ._convert import errors_mode, number
from ._errors import raise_for

_ALL_CODES = tuple(range(_metadata.PROPERTY_COUNT))


class State:
    """A state of moist air.

    Give two inputs by the library's names, in either order, and optionally the
    total pressure P or the altitude ALT of the standard atmosphere (without
    either, the standard atmosphere at sea level)::

        State(TDB=20, RH=0.5)
        State(W=0.008, HM=45, P=1.01325)
        State(TDB=68, TWB=60, ALT=5280, units="IP")

    The inputs are TDB, TWB, TDEW (temperatures), RH (a fraction 0..1), W, HM,
    SM and VM; the pairs that fix a state are TDB with TWB, RH, W, HM, SM, VM or
    TDEW; W with TWB, TDB, RH, HM, SM or VM; RH with TWB, TDB, W, HM, SM or VM.
    Units are SI (degC, bar, kJ/kg, m) or IP (degF, psi, Btu/lb, ft).

    Every one of the forty-six properties is an attribute and an item by its
    name, in any case: ``s.HM``, ``s.hm``, ``s["hm"]``; ``s.as_dict()`` gives
    them all. A state that cannot be constructed raises at once; a property
    that cannot be computed raises when it is read.

    With units="IP", ip_datum="0F" puts dry air's enthalpy and entropy zero at
    0 degF, as inch-pound charts do: HA, HM, SA and SM are reported on it, and
    HM or SM given as inputs are read on it.

    Two states are equal when they have the same unit system, datum, pair of
    inputs (in either order) with the same values, and the same pressure;
    equal states have equal hashes.
    """

    __slots__ = ("_flag", "_type", "_first", "_second", "_pressure", "_given", "_values", "_datum")

    def __init__(self, *, units="SI", ip_datum="0C", **inputs):
        flag = _units.flag(units)
        datum = _datum.check(ip_datum, flag)
        request = _pairs.resolve(inputs)
        given = {name: number(name, value) for name, value in request.given.items()}
        if request.pressure_name == "P":
            pressure = given["P"]
        elif request.pressure_name == "ALT":
            pressure = _model.pressure_at(given["ALT"], _units.name(flag))
        else:
            pressure = _model.sea_level_pressure(flag)
        self._flag = flag
        self._type = request.state_type
        self._datum = datum
        # The library's values of the inputs: HM and SM given on the 0 degF datum are shifted.
        first, second = request.names
        self._first, self._second = given[first], given[second]
        if datum != _datum.LIBRARY:
            self._first += _datum.shift(first, datum)
            self._second += _datum.shift(second, datum)
        self._pressure = pressure
        self._given = given
        self._values = {}
        self._evaluate(0)  # constructs the state: one that cannot be constructed fails here

    @property
    def units(self):
        """The unit system, "SI" or "IP"."""
        return _units.name(self._flag)

    @property
    def ip_datum(self):
        """The datum of HA, HM, SA and SM: "0C" (the library's) or "0F" (inch-pound charts')."""
        return self._datum

    @property
    def state_type(self):
        """The library's state type (0..18) of the pair of inputs."""
        return self._type

    @property
    def inputs(self):
        """The inputs as given (upper-case names, P or ALT when given), as floats."""
        return dict(self._given)

    def _evaluate(self, code):
        value = self._values.get(code)
        if value is None:
            result = ctypes.c_double()
            rc = _library.library().moistair_eval(self._type, code, self._flag, ctypes.byref(result),
                                                  self._first, self._second, self._pressure)
            if rc:
                raise_for(rc)
            value = result.value
            if self._datum != _datum.LIBRARY:
                value -= self._shift(code)
            self._values[code] = value
        return value

    def _shift(self, code):
        if self._datum == _datum.LIBRARY:
            return 0.0
        return _datum.shift(_metadata.properties()[code].name, self._datum)

    def _key(self):
        names = self._names()
        return (self._flag, self._datum, frozenset(((names[0], self._first), (names[1], self._second))),
                self._pressure)

    def _names(self):
        return _pairs.PAIRS[self._type]

    def __eq__(self, other):
        if not isinstance(other, State):
            return NotImplemented
        return self._key() == other._key()

    def __hash__(self):
        return hash(self._key())

    def __getattr__(self, name):
        if not name.startswith("_"):
            code = _metadata._codes().get(name.upper())
            if code is not None:
                return self._evaluate(code)
        raise AttributeError(f"'State' object has no attribute {name!r}")

    def __getitem__(self, name):
        if not isinstance(name, str):
            raise TypeError(f"properties are named by text, not {type(name).__name__}")
        try:
            code = _metadata.code_of(name)
        except ValueError:
            raise KeyError(name) from None
        return self._evaluate(code)

    def __dir__(self):
        return sorted(set(super().__dir__()) | set(_metadata._codes()))

    def as_dict(self, errors="raise"):
        """All forty-six properties, {name: value} in the order of their codes.

        errors="raise" raises the first property that fails; errors="nan" gives NaN for it.
        """
        errors_mode(errors)
        count = len(_ALL_CODES)
        results = (ctypes.c_double * count)(*([math.nan] * count))
        status = (ctypes.c_int * count)()
        rc = _library.library().hygra_eval_batch(
            self._type, self._flag, 1, ctypes.byref(ctypes.c_double(self._first)),
            ctypes.byref(ctypes.c_double(self._second)), ctypes.byref(ctypes.c_double(self._pressure)),
            (ctypes.c_int * count)(*_ALL_CODES), count, results, status)
        if rc and errors == "raise":
            failed = next(code for code in _ALL_CODES if status[code])
            self._evaluate(failed)  # raises with the property's own message
            raise_for(rc)  # not reached unless the library changed its mind
        names = [p.name for p in _metadata.properties()]
        out = {}
        for code in _ALL_CODES:
            out[names[code]] = results[code] - self._shift(code)
            if status[code] == 0:
                self._values[code] = out[names[code]]
        return out

    def __repr__(self):
        parts = [f"{name}={value!r}" for name, value in self._given.items()]
        if "P" not in self._given and "ALT" not in self._given:
            parts.append(f"P={self._pressure!r}")
        if self._flag:
            parts.append("units='IP'")
        if self._datum != _datum.LIBRARY:
            parts.append(f"ip_datum={self._datum!r}")
        return f"hygra.State({', '.join(parts)})"

    def __str__(self):
        """A table of the forty-six properties: name, value, unit and meaning."""
        values = self.as_dict(errors="nan")
        lines = [repr(self)]
        for p in _metadata.properties():
            lines.append(f"  {p.name:<5}{values[p.name]:>14.6g}  {p.unit(self.units):<14}{p.meaning}")
        return "\n".join(lines)
