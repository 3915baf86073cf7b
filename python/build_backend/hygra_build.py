"""A build backend (PEP 517, with PEP 660 editable installs) for the hygra package.

It uses only the standard library, so pip can build the package in an
isolated environment without downloading anything. The wheel holds the
package's files in hygra/; a copy of libhygra placed there before building
(libhygra.so.0 or libhygra.so) goes into the wheel too, which is then tagged
for this platform instead of for any.
"""

import base64
import csv
import hashlib
import io
import os
import sysconfig
import tarfile
import zipfile

try:
    import tomllib
except ImportError:  # Python before 3.11
    tomllib = None

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PACKAGE = "hygra"
LIBRARY_FILES = ("libhygra.so.0", "libhygra.so")


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


def build_wheel(wheel_directory, config_settings=None, metadata_directory=None):
    files = _package_files()
    pure = not any(arcname.endswith(LIBRARY_FILES) for arcname, _ in files)
    return _write_wheel(wheel_directory, [(arcname, _read(path)) for arcname, path in files], pure)


def build_editable(wheel_directory, config_settings=None, metadata_directory=None):
    # A .pth file puts the source folder on sys.path: edits take effect at once.
    return _write_wheel(wheel_directory, [(f"{PACKAGE}.pth", (ROOT + "\n").encode())], True)


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
