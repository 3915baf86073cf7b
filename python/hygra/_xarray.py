"""xarray DataArrays in and out, computed lazily block by block when they are Dask-backed.

xarray.apply_ufunc broadcasts the inputs by their dimensions and calls block()
on NumPy arrays: on the whole data at once, or with dask="parallelized" on each
block of a chunked array when the result is computed. block() is a module-level
function and the Job holds plain values, so Dask sends both to its workers by
reference and value: each worker process loads the library itself on first use;
no ctypes handle is ever pickled.
"""

import numpy as np
import xarray

from . import _metadata, _model, _vectorised
from ._convert import check_numpy_dtype


def block(first, second, pressure, job, pressure_name):
    """The job's properties of one block of inputs: a tuple of float64 arrays."""
    inputs = [np.asarray(first, dtype=np.float64), np.asarray(second, dtype=np.float64),
              _vectorised.pressure_array(np, job, pressure, pressure_name)]
    values = _vectorised.compute_numpy(np, job, inputs, where=lambda i: "")
    return tuple(values) if len(values) > 1 else values[0]


def _checked(name, value, errors):
    if isinstance(value, xarray.DataArray):
        check_numpy_dtype(name, value.dtype)
        return value
    from ._convert import numpy_array
    return numpy_array(np, name, value, errors)


def compute(job, columns, pressure_name):
    """One DataArray per code, with the inputs' coordinates and the property's name, units and meaning."""
    args = [_checked(name, columns[name], job.errors) for name in job.names]
    if pressure_name is None:  # the standard atmosphere at sea level
        pressure_name = "P"
        args.append(_model.sea_level_pressure(job.flag))
    else:
        args.append(_checked(pressure_name, columns[pressure_name], job.errors))
    k = len(job.codes)
    result = xarray.apply_ufunc(
        block, *args, kwargs={"job": job, "pressure_name": pressure_name},
        output_core_dims=[()] * k, dask="parallelized", output_dtypes=[np.float64] * k,
        keep_attrs=False)
    values = list(result) if k > 1 else [result]
    out = []
    for value, code in zip(values, job.codes):
        p = _metadata.properties()[code]
        value = value.rename(p.name)
        value.attrs = {"units": p.unit(job.units), "long_name": p.meaning}
        if job.datum == "0F" and p.name in ("HA", "HM", "SA", "SM"):
            value.attrs["datum"] = "dry air zero at 0 degF"
        out.append(value)
    return out
