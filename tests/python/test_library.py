"""libhygra found and described: where it is searched, its functions, properties, range and atmosphere."""

import math
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

import helpers
import hygra
from hygra import _library

SONAME = "libhygra.so.0"
SHOW_LIBRARY = "import hygra; print(hygra.library_path(), repr(hygra.State(TDB=20, RH=0.5).W))"
# Passed on to the child so that a library built with a sanitizer still loads.
KEPT = ("PATH", "LD_PRELOAD", "ASAN_OPTIONS", "UBSAN_OPTIONS")


class SearchOrder(unittest.TestCase):
    """HYGRA_LIBRARY, then the package's own folder, then the system's loader."""

    def test_the_variable_then_the_package_folder_then_the_loader_and_failures_that_say_why(self):
        built, scratch = os.path.realpath(os.environ["HYGRA_LIBRARY"]), tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, scratch)
        # A copy of the package without a library, and a copy of the library elsewhere.
        package, named = os.path.join(scratch, "package"), shutil.copyfile(built, os.path.join(scratch, SONAME))
        shutil.copytree(os.path.join(helpers.SOURCE_ROOT, "python", "hygra"), os.path.join(package, "hygra"),
                        ignore=shutil.ignore_patterns("__pycache__", "libhygra.so*"))
        beside, nowhere = os.path.join(package, "hygra", SONAME), os.path.join(scratch, "nowhere", SONAME)

        def run(library=None, loader=True, code=SHOW_LIBRARY):
            env = {key: os.environ[key] for key in KEPT if key in os.environ}
            env.update(PYTHONPATH=package, **({"HYGRA_LIBRARY": library} if library else {}),
                       **({"LD_LIBRARY_PATH": os.path.dirname(built)} if loader else {}))
            return subprocess.run([sys.executable, "-c", code], env=env, capture_output=True, text=True,
                                  timeout=60, cwd=scratch)

        self.assertEqual(run(nowhere, code="import hygra").returncode, 0)  # no library needed until used
        failures = [(nowhere, True, [f"cannot load the library that HYGRA_LIBRARY names, {nowhere}"]),
                    ("libm.so.6", True, ["has no function"])]
        if run(loader=False, code=f"import ctypes; ctypes.CDLL('{SONAME}')").returncode:
            failures.append((None, False, [
                "hygra.LibraryNotFoundError: ", "HYGRA_LIBRARY environment variable: not set",
                f"the package folder {os.path.join(package, 'hygra')}", "the system's loader", SONAME]))
        for library, loader, texts in failures:
            child = run(library, loader)
            self.assertTrue(child.returncode and all(text in child.stderr for text in texts), child.stderr)
        # Found by the loader; then, with a copy in the package's folder, there; the variable before both.
        for library, found in [(None, built), (None, beside), (named, named)]:
            if found == beside:
                shutil.copyfile(built, beside)
            child = run(library)
            self.assertEqual(child.returncode, 0, child.stderr)
            path, w = child.stdout.split()
            self.assertEqual((os.path.realpath(path), w), (found, repr(hygra.State(TDB=20, RH=0.5).W)))


class Description(unittest.TestCase):
    def test_every_function_of_the_header_is_declared_with_its_arguments(self):
        self.assertEqual(set(_library.SIGNATURES), set(helpers.FUNCTIONS))
        for name, count in helpers.FUNCTIONS.items():
            function = getattr(_library.library(), name)
            self.assertEqual((len(function.argtypes), function.restype is not None), (count, True), name)
        self.assertRegex(hygra.version(), r"^\d+\.\d+\.\d+$")

    def test_each_property_has_the_headers_code_a_meaning_and_a_unit_in_each_system(self):
        self.assertEqual({p.name: p.code for p in hygra.properties()}, helpers.PROPERTY_CODES)
        hm = hygra.property_info("hm")
        self.assertEqual((hm.name, hm.unit_si, hm.unit_ip, hm.unit("IP")), ("HM", "kJ/kg", "Btu/lb", "Btu/lb"))
        self.assertTrue("enthalpy" in hm.meaning and all(p.meaning for p in hygra.properties()))
        self.assertEqual([hygra.property_info(0).unit("SI"), hygra.property_info("TDB").unit("IP"),
                          hygra.property_info("W").unit()], ["degC", "degF", ""])

    def test_the_limits_bound_the_states_and_the_standard_atmosphere_in_metres_and_feet(self):
        si, ip = hygra.limits(), hygra.limits("IP")
        psi = hygra.pressure_at(0) / hygra.pressure_at(0, "IP")
        self.assertTrue(all(math.isclose(f, c * 1.8 + 32) for f, c in zip(ip[:2], si[:2])))
        self.assertTrue(math.isclose(ip.p_max * psi, si.p_max, rel_tol=1e-5))
        for tdb in (si.tdb_min, si.tdb_max):
            hygra.State(TDB=tdb, W=0, P=si.p_max)  # inside: no error
        for tdb, p in ((si.tdb_min - 1, 1), (si.tdb_max + 1, 1), (20, si.p_max + 1)):
            self.assertRaises(hygra.OutOfRange, hygra.State, TDB=tdb, W=0, P=p)
        # The standard atmosphere at sea level (published: 1.01325 bar, 15 degC), and in feet.
        self.assertEqual([round(hygra.pressure_at(0), 9), round(hygra.temperature_at(0), 9)], [1.01325, 15])
        for z in (-500, 1500, 10000):
            ft = z / 0.3048
            self.assertAlmostEqual(hygra.temperature_at(ft, "IP"), hygra.temperature_at(z) * 1.8 + 32, places=9)
            self.assertAlmostEqual(hygra.pressure_at(ft, "IP") * psi, hygra.pressure_at(z), places=9)
