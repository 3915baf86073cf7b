"""Where the package finds libhygra: HYGRA_LIBRARY, then its own folder, then the system's loader."""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

import helpers

SONAME = "libhygra.so.0"
SHOW_LIBRARY = "import hygra; print(hygra.library_path()); print(hygra.State(TDB=20, RH=0.5).W)"
# Passed on to the child so that a library built with a sanitizer still loads.
KEPT = ("PATH", "LD_PRELOAD", "ASAN_OPTIONS", "UBSAN_OPTIONS")


class SearchOrder(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.built = os.path.realpath(helpers.library_file())
        cls.build_folder = os.path.dirname(helpers.library_file())
        cls.scratch = tempfile.mkdtemp(prefix="hygra-search-")
        # A package without a library, one with a copy in its folder, and a copy elsewhere.
        cls.bare = cls._package("bare", with_library=False)
        cls.carrying = cls._package("carrying", with_library=True)
        cls.named = os.path.join(cls.scratch, "named", SONAME)
        os.makedirs(os.path.dirname(cls.named))
        shutil.copyfile(cls.built, cls.named)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.scratch)

    @classmethod
    def _package(cls, name, with_library):
        root = os.path.join(cls.scratch, name)
        shutil.copytree(helpers.PACKAGE_SOURCE, os.path.join(root, "hygra"),
                        ignore=shutil.ignore_patterns("__pycache__", "libhygra.so*"))
        if with_library:
            shutil.copyfile(cls.built, os.path.join(root, "hygra", SONAME))
        return root

    def run_python(self, package, library=None, loader_path=None):
        env = {key: os.environ[key] for key in KEPT if key in os.environ}
        env["PYTHONPATH"] = package
        if library is not None:
            env["HYGRA_LIBRARY"] = library
        if loader_path is not None:
            env["LD_LIBRARY_PATH"] = loader_path
        return subprocess.run([sys.executable, "-c", SHOW_LIBRARY], env=env, capture_output=True,
                              text=True, timeout=60)

    def loaded(self, *arguments, **keywords):
        child = self.run_python(*arguments, **keywords)
        self.assertEqual(child.returncode, 0, child.stderr)
        path, w = child.stdout.split()
        self.assertAlmostEqual(float(w), 0.00729204, places=8)
        return os.path.realpath(path)

    def test_the_environment_variable_comes_first(self):
        self.assertEqual(self.loaded(self.carrying, library=self.named, loader_path=self.build_folder),
                         os.path.realpath(self.named))

    def test_then_the_package_folder(self):
        self.assertEqual(self.loaded(self.carrying, loader_path=self.build_folder),
                         os.path.join(os.path.realpath(self.carrying), "hygra", SONAME))

    def test_then_the_system_loader_by_soname(self):
        self.assertEqual(self.loaded(self.bare, loader_path=self.build_folder), self.built)

    def test_nowhere_is_an_error_that_says_where_it_looked(self):
        probe = subprocess.run([sys.executable, "-c", f"import ctypes; ctypes.CDLL('{SONAME}')"],
                               env={key: os.environ[key] for key in KEPT if key in os.environ},
                               capture_output=True)
        if probe.returncode == 0:
            self.skipTest(f"{SONAME} is installed on this system")
        child = self.run_python(self.bare)
        self.assertNotEqual(child.returncode, 0)
        self.assertIn("hygra.LibraryNotFoundError: ", child.stderr)
        self.assertIn("HYGRA_LIBRARY environment variable: not set", child.stderr)
        self.assertIn(f"the package folder {os.path.join(self.bare, 'hygra')}", child.stderr)
        self.assertIn("the system's loader", child.stderr)
        self.assertIn(SONAME, child.stderr)

    def test_a_named_library_that_does_not_load_is_an_error_not_a_reason_to_look_further(self):
        missing = os.path.join(self.scratch, "nowhere", SONAME)
        child = self.run_python(self.carrying, library=missing, loader_path=self.build_folder)
        self.assertNotEqual(child.returncode, 0)
        self.assertIn(f"cannot load the library that HYGRA_LIBRARY names, {missing}", child.stderr)

    def test_a_library_that_is_not_libhygra_is_refused(self):
        child = self.run_python(self.bare, library="libm.so.6")
        self.assertNotEqual(child.returncode, 0)
        self.assertIn("has no function", child.stderr)

    def test_importing_needs_no_library_until_it_is_used(self):
        env = {key: os.environ[key] for key in KEPT if key in os.environ}
        env.update(PYTHONPATH=self.bare, HYGRA_LIBRARY=os.path.join(self.scratch, "nowhere.so"))
        child = subprocess.run([sys.executable, "-c", "import hygra; print(hygra.__version__)"], env=env,
                               capture_output=True, text=True, timeout=60)
        self.assertEqual(child.returncode, 0, child.stderr)


if __name__ == "__main__":
    unittest.main()
