"""Finding and loading libhygra, and the C signatures of its functions.

The library is searched for on first use, in this order:

1. the file named by the ``HYGRA_LIBRARY`` environment variable, when set
   (a library named there that cannot be loaded is an error: the search does
   not go on to another copy);
2. ``libhygra.so.0`` or ``libhygra.so`` in this package's own folder, where
   ``pip install ./python`` puts the library it builds, or in the folder
   ``hygra_library`` beside the package on ``sys.path``, where an editable
   install (``pip install -e ./python``) puts it;
3. the system's loader, by the library's SONAME ``libhygra.so.0``
   (``LD_LIBRARY_PATH``, the loader's cache, the default folders).
"""

import ctypes
import os
import sys
import threading
from ctypes import POINTER, c_char_p, c_double, c_int, c_size_t

SONAME = "libhygra.so.0"
ENVIRONMENT_VARIABLE = "HYGRA_LIBRARY"
PACKAGE_FOLDER = os.path.dirname(os.path.abspath(__file__))
PACKAGE_FILES = (SONAME, "libhygra.so")
EDITABLE_FOLDER = "hygra_library"

_double_p = POINTER(c_double)
_int_p = POINTER(c_int)

# Result type and argument types of every function of include/hygra.h.
SIGNATURES = {
    "moistair_eval": (c_int, (c_int, c_int, c_int, _double_p, c_double, c_double, c_double)),
    "moistair_eval_str": (c_int, (c_int, c_char_p, c_int, _double_p, c_double, c_double, c_double)),
    "moistair_pz": (c_int, (c_int, _double_p, c_double)),
    "moistair_tz": (c_int, (c_int, _double_p, c_double)),
    "moistair_const": (c_int, (c_int, c_int, _double_p)),
    "hygra_property_name": (c_char_p, (c_int,)),
    "hygra_property_meaning": (c_char_p, (c_int,)),
    "hygra_property_unit": (c_char_p, (c_int, c_int)),
    "hygra_strerror": (c_char_p, (c_int,)),
    "hygra_last_error": (c_char_p, ()),
    "hygra_version": (c_char_p, ()),
    "hygra_eval_batch": (c_int, (c_int, c_int, c_size_t, _double_p, _double_p, _double_p,
                                 _int_p, c_size_t, _double_p, _int_p)),
}


class LibraryNotFoundError(OSError):
    """libhygra could not be found or loaded; the message says where the search looked."""


_lock = threading.Lock()
_library = None
_path = None


def library():
    """The loaded library (a ctypes.CDLL with every signature declared), loaded on first use."""
    lib = _library
    if lib is None:
        with _lock:
            if _library is None:
                _load()
            lib = _library
    return lib


def library_path():
    """The file the library was loaded from."""
    library()
    return _path


def _load():
    global _library, _path
    lib, how = _search()
    for name, (restype, argtypes) in SIGNATURES.items():
        try:
            function = getattr(lib, name)
        except AttributeError:
            raise LibraryNotFoundError(
                f"hygra: the library loaded from {how} has no function {name}: "
                "it is not libhygra, or an older one") from None
        function.restype = restype
        function.argtypes = argtypes
    _path = _file_of(lib)
    _library = lib


def _search():
    """The loaded library and a description of where it came from."""
    named = os.environ.get(ENVIRONMENT_VARIABLE)
    if named:
        try:
            return ctypes.CDLL(named), f"{ENVIRONMENT_VARIABLE}={named}"
        except OSError as e:
            raise LibraryNotFoundError(
                f"hygra: cannot load the library that {ENVIRONMENT_VARIABLE} names, {named}: {e}. "
                f"Correct {ENVIRONMENT_VARIABLE}, or unset it to search the package folder "
                f"{PACKAGE_FOLDER} and the system's loader.") from None

    folders = [PACKAGE_FOLDER] + [os.path.join(entry or ".", EDITABLE_FOLDER) for entry in sys.path
                                  if isinstance(entry, str)]
    for path in (os.path.join(folder, file) for folder in folders for file in PACKAGE_FILES):
        if os.path.exists(path):
            try:
                return ctypes.CDLL(path), path
            except OSError as e:
                raise LibraryNotFoundError(
                    f"hygra: cannot load the library beside the package, {path}: {e}") from None

    try:
        return ctypes.CDLL(SONAME), f"the system's loader ({SONAME})"
    except OSError as e:
        loader_error = str(e)

    raise LibraryNotFoundError(
        f"hygra: the library {SONAME} was not found. Looked in:\n"
        f"  1. the {ENVIRONMENT_VARIABLE} environment variable: not set\n"
        f"  2. the package folder {PACKAGE_FOLDER} (and {EDITABLE_FOLDER}/ on sys.path): "
        f"no {' or '.join(PACKAGE_FILES)}\n"
        f"  3. the system's loader (LD_LIBRARY_PATH, the loader's cache, /lib, /usr/lib): "
        f"{loader_error}\n"
        f"Reinstall the package from the repository (pip install ./python builds the library "
        f"into it), set {ENVIRONMENT_VARIABLE} to a built library (such as build/libhygra.so), "
        "or install the library with cmake --install.")


class _DlInfo(ctypes.Structure):
    _fields_ = [("dli_fname", c_char_p), ("dli_fbase", ctypes.c_void_p),
                ("dli_sname", c_char_p), ("dli_saddr", ctypes.c_void_p)]


def _file_of(lib):
    """The absolute path of a loaded library, as the loader knows it; its name when unknown."""
    try:
        dladdr = ctypes.CDLL(None).dladdr
    except AttributeError:  # a C library that keeps dladdr in libdl
        try:
            dladdr = ctypes.CDLL("libdl.so.2").dladdr
        except (OSError, AttributeError):
            return lib._name
    dladdr.argtypes = (ctypes.c_void_p, POINTER(_DlInfo))
    dladdr.restype = c_int
    info = _DlInfo()
    if dladdr(ctypes.cast(lib.hygra_version, ctypes.c_void_p), ctypes.byref(info)) and info.dli_fname:
        return os.path.abspath(os.fsdecode(info.dli_fname))
    return lib._name
