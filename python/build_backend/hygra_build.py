"""A build backend (PEP 517, with PEP 660 editable installs) for the hygra package.

It uses only the standard library, so pip can build the package in an
isolated environment without downloading anything. The wheel holds the
package's files in hygra/ and the shared library libhygra beside them, and is
tagged for this platform. The library comes from, in this order:

1. the file named by the config setting ``library``
   (``pip install ./python --config-settings library=build/libhygra.so``);
   ``library=system`` bundles none: the package then loads the library
   installed on the system (a wheel for any platform);
2. a copy placed in python/hygra/ (libhygra.so.0 or libhygra.so);
3. a fresh build: CMake configures the source tree around this folder in a
   temporary directory and builds the target ``hygra`` alone (Release; the
   config setting ``cmake-args`` adds arguments, ``CMAKE_BUILD_PARALLEL_LEVEL``
   sets the jobs).
"""

import base64
import csv
import hashlib
import io
import os
import shlex
import shutil
import subprocess
import sys
import sysconfig
import tempfile
import tarfile
import zipfile

try:
    import tomllib
except ImportError:  # Python before 3.11
    tomllib = None

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SOURCE_TREE = os.path.dirname(ROOT)  # the library's CMake project, when building from the repository
PACKAGE = "hygra"
LIBRARY_FILES = ("libhygra.so.0", "libhygra.so")
BUNDLED_NAME = "libhygra.so.0"  # the name the package looks for first in its own folder
EDITABLE_LIBRARY_FOLDER = "hygra_library"  # where an editable install keeps its library


def _project():
    if tomllib is None:
        raise RuntimeError("building the hygra package needs Python 3.11 or later (tomllib)")
    with open(os.path.join(ROOT, "pyproject.toml"), "rb") as f:
        return tomllib.load(f)["project"]


def _metadata(project):
    lines = [
        "Metadata-Version: 2.1",
        f"Name: {project['name']}",
        f"Version: {project['version']}",
        f"Summary: {project['description']}",
        f"Requires-Python: {project['requires-python']}",
    ]
    for extra, requirements in project.get("optional-dependencies", {}).items():
        lines.append(f"Provides-Extra: {extra}")
        lines.extend(f'Requires-Dist: {r}; extra == "{extra}"' for r in requirements)
    lines.append("Description-Content-Type: text/markdown")
    with open(os.path.join(ROOT, project["readme"]), encoding="utf-8") as f:
        readme = f.read()
    return "\n".join(lines) + "\n\n" + readme


def _package_files():
    """(path in the archive, path on disk) of the package's files, sorted."""
    folder = os.path.join(ROOT, PACKAGE)
    files = []
    for name in sorted(os.listdir(folder)):
        if name.endswith(".py") or name in LIBRARY_FILES:
            path = os.path.join(folder, name)
            if os.path.isfile(path):
                files.append((f"{PACKAGE}/{name}", path))
    return files


def _record_hash(data):
    digest = base64.urlsafe_b64encode(hashlib.sha256(data).digest()).rstrip(b"=").decode("ascii")
    return f"sha256={digest}"


def _write_wheel(wheel_directory, entries, pure):
    """Writes a wheel of (archive name, bytes) entries; returns its file name."""
    project = _project()
    name, version = project["name"], project["version"]
    tag = "py3-none-any" if pure else "py3-none-" + sysconfig.get_platform().replace("-", "_").replace(".", "_")
    dist_info = f"{name}-{version}.dist-info"
    entries = list(entries) + [
        (f"{dist_info}/METADATA", _metadata(project).encode("utf-8")),
        (f"{dist_info}/WHEEL", (f"Wheel-Version: 1.0\nGenerator: hygra_build\n"
                                f"Root-Is-Purelib: {'true' if pure else 'false'}\nTag: {tag}\n").encode()),
        (f"{dist_info}/top_level.txt", f"{PACKAGE}\n".encode()),
    ]
    record = io.StringIO()
    writer = csv.writer(record, lineterminator="\n")
    for arcname, data in entries:
        writer.writerow([arcname, _record_hash(data), len(data)])
    writer.writerow([f"{dist_info}/RECORD", "", ""])
    entries.append((f"{dist_info}/RECORD", record.getvalue().encode()))

    filename = f"{name}-{version}-{tag}.whl"
    with zipfile.ZipFile(os.path.join(wheel_directory, filename), "w", zipfile.ZIP_DEFLATED) as wheel:
        for arcname, data in entries:
            info = zipfile.ZipInfo(arcname, date_time=(2020, 1, 1, 0, 0, 0))
            info.external_attr = (0o755 if arcname.endswith(LIBRARY_FILES) else 0o644) << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            wheel.writestr(info, data)
    return filename


def _read(path):
    with open(path, "rb") as f:
        return f.read()


def get_requires_for_build_wheel(config_settings=None):
    return []


def get_requires_for_build_sdist(config_settings=None):
    return []


def get_requires_for_build_editable(config_settings=None):
    return []


def _setting(config_settings, name):
    value = (config_settings or {}).get(name)
    if isinstance(value, list):  # given more than once
        value = value[-1]
    return value


def _cmake_build(config_settings, work):
    """Builds libhygra from the source tree in the folder work; returns the library's path."""
    if not (os.path.isfile(os.path.join(SOURCE_TREE, "CMakeLists.txt"))
            and os.path.isfile(os.path.join(SOURCE_TREE, "include", "hygra.h"))):
        raise RuntimeError(
            "hygra: no copy of libhygra to bundle and no source tree to build it from "
            f"(looked for {SOURCE_TREE}/CMakeLists.txt). Install from the repository "
            "(pip install ./python), or name a built library with "
            "--config-settings library=PATH, or library=system to use an installed one.")
    cmake = shutil.which("cmake")
    if cmake is None:
        raise RuntimeError(
            "hygra: building libhygra needs cmake (Debian: apt-get install cmake g++ make "
            "libboost-dev, or run tools/bootstrap.sh); or name a built library with "
            "--config-settings library=PATH")
    configure = [cmake, "-S", SOURCE_TREE, "-B", work, "-DCMAKE_BUILD_TYPE=Release",
                 "-DHYGRA_BUILD_TESTS=OFF", "-DHYGRA_BUILD_BENCHMARKS=OFF"]
    configure += shlex.split(_setting(config_settings, "cmake-args") or "")
    build = [cmake, "--build", work, "--target", "hygra",
             "--parallel", os.environ.get("CMAKE_BUILD_PARALLEL_LEVEL", str(os.cpu_count() or 1))]
    for command in (configure, build):
        print("hygra_build:", " ".join(shlex.quote(c) for c in command), file=sys.stderr, flush=True)
        # Output goes to stderr: stdout may be the channel of the build frontend.
        if subprocess.run(command, stdout=sys.stderr).returncode != 0:
            raise RuntimeError(f"hygra: building libhygra failed: {' '.join(command)}")
    path = os.path.join(work, BUNDLED_NAME)
    if not os.path.isfile(path):
        raise RuntimeError(f"hygra: the build of libhygra made no {path}")
    return path


def _library_entry(config_settings, work):
    """(archive name, bytes) of the library to bundle, or None for a wheel without it."""
    named = _setting(config_settings, "library")
    if named == "system":
        return None
    if named:
        path = os.path.abspath(named)
        if not os.path.isfile(path):
            raise RuntimeError(f"hygra: the library named by --config-settings library={named} "
                               "is not a file")
    else:
        copies = [os.path.join(ROOT, PACKAGE, f) for f in LIBRARY_FILES]
        path = next((c for c in copies if os.path.isfile(c)), None) or _cmake_build(config_settings, work)
    # The real file behind any symbolic link, under the name the package loads first.
    return f"{PACKAGE}/{BUNDLED_NAME}", _read(os.path.realpath(path))


def _wheel_with_library(wheel_directory, config_settings, entries):
    with tempfile.TemporaryDirectory(prefix="hygra-build-") as work:
        library = _library_entry(config_settings, work)
    if library is not None:
        entries.append(library)
    return _write_wheel(wheel_directory, entries, pure=library is None)


def build_wheel(wheel_directory, config_settings=None, metadata_directory=None):
    entries = [(arcname, _read(path)) for arcname, path in _package_files()
               if not arcname.endswith(LIBRARY_FILES)]
    return _wheel_with_library(wheel_directory, config_settings, entries)


def build_editable(wheel_directory, config_settings=None, metadata_directory=None):
    # A .pth file puts the source folder on sys.path: edits take effect at once.
    # The library goes into site-packages beside it, as hygra_library/, which the
    # package searches too, so the source folder stays clean.
    entries = [(f"{PACKAGE}.pth", (ROOT + "\n").encode())]
    with tempfile.TemporaryDirectory(prefix="hygra-build-") as work:
        library = _library_entry(config_settings, work)
    if library is not None:
        entries.append((f"{EDITABLE_LIBRARY_FOLDER}/{BUNDLED_NAME}", library[1]))
    return _write_wheel(wheel_directory, entries, pure=library is None)


def build_sdist(sdist_directory, config_settings=None):
    project = _project()
    base = f"{project['name']}-{project['version']}"
    filename = f"{base}.tar.gz"
    sources = ["pyproject.toml", project["readme"], "build_backend/hygra_build.py"]
    with tarfile.open(os.path.join(sdist_directory, filename), "w:gz", format=tarfile.PAX_FORMAT) as sdist:
        for relative in sources:
            sdist.add(os.path.join(ROOT, relative), arcname=f"{base}/{relative}")
        for arcname, path in _package_files():
            if not arcname.endswith(LIBRARY_FILES):  # a copy of the built library is no source
                sdist.add(path, arcname=f"{base}/{arcname}")
        pkg_info = _metadata(project).encode("utf-8")
        info = tarfile.TarInfo(f"{base}/PKG-INFO")
        info.size = len(pkg_info)
        sdist.addfile(info, io.BytesIO(pkg_info))
    return filename
