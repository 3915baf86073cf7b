"""A new user's first install: pip install ./python into a fresh virtual environment, offline, without
the optional packages or a built library; then a first use from another folder, and the package's tests
against the installed package.   python3 tests/python_install/venv_install.py SOURCE_ROOT"""

import os
import subprocess
import sys
import tempfile

# None of the optional packages; the README's first example; the state found again from its humidity ratio.
FIRST_USE = """import hygra, importlib.util
assert not [m for m in ("numpy", "pandas", "xarray", "dask", "pint") if importlib.util.find_spec(m)]
print((s := hygra.State(TDB=20, RH=0.5))["HM"], hygra.State(TDB=20, W=s.W).RH, hygra.library_path())
"""


def run(command, **keywords):
    print("+", " ".join(command), flush=True)
    return subprocess.run(command, check=True, text=True, **keywords).stdout


source = os.path.abspath(sys.argv[1])
# Nothing of the caller's set-up leaks in: no library named, no source folder on the path.
unset = ("HYGRA_LIBRARY", "PYTHONPATH", "LD_LIBRARY_PATH", "VIRTUAL_ENV")
env = {k: v for k, v in os.environ.items() if k not in unset}
env.update(PIP_NO_INDEX="1", PIP_DISABLE_PIP_VERSION_CHECK="1", PYTHONDONTWRITEBYTECODE="1")
with tempfile.TemporaryDirectory(prefix="hygra-venv-") as work:
    venv, python = os.path.join(work, "venv"), os.path.join(work, "venv", "bin", "python")
    run([sys.executable, "-m", "venv", venv], env=env)
    run([python, "-m", "pip", "install", "--no-index", "-q", os.path.join(source, "python")], env=env, cwd=work)
    hm, rh, path = run([python, "-c", FIRST_USE], env=env, cwd=work, capture_output=True).split()
    assert 0 < float(hm) and abs(float(rh) - 0.5) < 1e-9, (hm, rh)
    assert path.startswith(os.path.realpath(venv)), f"the library came from {path}, not the venv"
    # The package's tests against the installed package, without the optional packages.
    tests = os.path.join(source, "tests", "python")
    run([python, "-m", "unittest", "discover", "-s", tests, "-t", tests], cwd=work,
        env=dict(env, HYGRA_LIBRARY=os.path.join(os.path.dirname(path), "libhygra.so.0")))
print("venv install: passed")
