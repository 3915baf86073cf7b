"""A new user's first install: pip install ./python into a fresh virtual environment, offline.

The environment sees none of the system's packages (no NumPy, pandas, xarray,
Dask or pint) and nothing points at a built library: the install must build and
bundle libhygra itself. Then, from another folder, the README's first example
runs, the library loaded is the bundled one, and the package's own tests pass
against the installed package (those that need the optional packages skip).

    python3 tests/python_install/venv_install.py SOURCE_ROOT
"""

import os
import subprocess
import sys
import tempfile

FIRST_USE = """
import hygra
s = hygra.State(TDB=20, RH=0.5)
print(repr(s.W), repr(s["HM"]), hygra.library_path())
"""


def run(command, **keywords):
    print("+", " ".join(command), flush=True)
    subprocess.run(command, check=True, **keywords)


def main():
    source = os.path.abspath(sys.argv[1])
    # Nothing of the caller's set-up leaks in: no library named, no source folder on the path.
    env = {k: v for k, v in os.environ.items()
           if k not in ("HYGRA_LIBRARY", "PYTHONPATH", "LD_LIBRARY_PATH", "VIRTUAL_ENV")}
    env.update(PIP_NO_INDEX="1", PIP_DISABLE_PIP_VERSION_CHECK="1", PYTHONDONTWRITEBYTECODE="1")
    with tempfile.TemporaryDirectory(prefix="hygra-venv-") as work:
        venv = os.path.join(work, "venv")
        run([sys.executable, "-m", "venv", venv], env=env)
        python = os.path.join(venv, "bin", "python")
        run([python, "-m", "pip", "install", "--no-index", "--quiet", os.path.join(source, "python")],
            env=env, cwd=work)

        out = subprocess.run([python, "-c", FIRST_USE], env=env, cwd=work, check=True,
                             capture_output=True, text=True).stdout.split()
        print("first use:", *out)
        w, hm, path = float(out[0]), float(out[1]), out[2]
        assert abs(w - 0.00729204274011361) < 1e-12, w
        assert abs(hm - 38.62107229896182) < 1e-9, hm
        assert path.startswith(os.path.realpath(venv)), f"the library came from {path}, not the venv"

        # The package's tests against the installed package, without the optional packages.
        tests = os.path.join(source, "tests", "python")
        env_tests = dict(env, HYGRA_LIBRARY=os.path.join(os.path.dirname(path), "libhygra.so.0"))
        run([python, "-c", "import sys\nfor m in ('numpy', 'pandas', 'xarray', 'dask', 'pint'):\n"
             "    try:\n        __import__(m)\n    except ImportError:\n        continue\n"
             "    sys.exit(m + ' is importable in the fresh environment')"], env=env)
        run([python, "-m", "unittest", "discover", "-s", tests, "-t", tests], env=env_tests, cwd=work)
    print("venv install: passed")


if __name__ == "__main__":
    main()
