"""hygra: thermodynamic and transport properties of moist air.

    >>> import hygra
    >>> s = hygra.State(TDB=20, RH=0.5)            # 20 degC, 50 %, sea level
    >>> round(s.W, 6), round(s["HM"], 3)
    (0.007292, 38.621)
    >>> hygra.props(["W", "HM"], TDB=[20, 25, 30], RH=0.5)["W"]   # doctest: +ELLIPSIS
    [0.0072920..., 0.0098...
    >>> hygra.property_info("HM").unit("IP")
    'Btu/lb'

hygra.props takes and gives numbers, sequences, NumPy arrays, pandas Series,
xarray DataArrays (lazily when Dask-backed) and pint Quantities;
hygra.pandas.add_properties adds property columns to a DataFrame.

The package calls the shared library libhygra through ctypes. It looks for it
in the file named by the HYGRA_LIBRARY environment variable, then in the
package's own folder, then through the system's loader (libhygra.so.0).
"""

from ._errors import Error, InvalidArgument, NoConvergence, NotApplicable, OutOfRange
from ._library import LibraryNotFoundError, library_path
from ._metadata import Property, properties, property_info
from ._model import Limits, limits, pressure_at, temperature_at
from ._pairs import INPUTS, PAIRS
from ._state import State
from ._units import IP, SI
from ._vectorised import props

__version__ = "0.1.0"


def __getattr__(name):
    # hygra.pandas is imported on first use: importing hygra imports no pandas.
    if name == "pandas":
        import importlib
        return importlib.import_module(".pandas", __name__)
    raise AttributeError(f"module {__name__!r} has no attribute {name!r}")


def version():
    """The version of the loaded library, "MAJOR.MINOR.PATCH"."""
    from ._library import library
    return library().hygra_version().decode("ascii")


# Tracebacks and reprs name the classes where users find them.
for _cls in (State, Error, InvalidArgument, NoConvergence, NotApplicable, OutOfRange,
             LibraryNotFoundError, Property, Limits):
    _cls.__module__ = __name__
del _cls

__all__ = [
    "State", "props",
    "Error", "InvalidArgument", "NoConvergence", "NotApplicable", "OutOfRange",
    "LibraryNotFoundError",
    "Property", "properties", "property_info",
    "Limits", "limits", "pressure_at", "temperature_at",
    "INPUTS", "PAIRS", "SI", "IP",
    "version", "library_path",
]
