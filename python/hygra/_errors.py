"""Exceptions: one class for each result code of the library."""

from . import _library


class Error(Exception):
    """A call of hygra failed. ``code`` is the library's result code, ``message`` its words."""

    code = None

    def __init__(self, message, code=None):
        super().__init__(message)
        self.message = message
        if code is not None:
            self.code = code


class InvalidArgument(Error, ValueError):
    """An unknown name, pair, unit system or property; a wrong argument (result code 1)."""

    code = 1


class NoConvergence(Error):
    """A search for the state or a property found no answer (result code 2)."""

    code = 2


class NotApplicable(Error):
    """The property does not apply to this state (result code 3)."""

    code = 3


class OutOfRange(Error, ValueError):
    """An input, the state or an intermediate quantity lies outside the model's range (result code 4)."""

    code = 4


_CLASSES = {cls.code: cls for cls in (InvalidArgument, NoConvergence, NotApplicable, OutOfRange)}


def error_for(code, message):
    """The exception for a result code, with its message."""
    return _CLASSES.get(code, Error)(message, code)


def raise_for(code):
    """Raises the exception for a failed call's result code, with the thread's last message.

    Called in the thread that made the failed call, before any other call of the library.
    """
    lib = _library.library()
    message = lib.hygra_last_error().decode("utf-8", "replace")
    if not message:
        message = lib.hygra_strerror(code).decode("utf-8", "replace")
    raise error_for(code, message)
