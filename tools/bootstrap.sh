#!/usr/bin/env bash
# Installs the Debian packages that building and testing hygra need, only those
# that are missing. Installing needs root; without it the script only reports.
set -euo pipefail

packages=(
  cmake g++ make            # the toolchain
  libboost-dev              # Boost string algorithms (trimming property names)
  googletest libgtest-dev   # unit tests
  libbenchmark-dev          # benchmarks
  libcli11-dev              # the hygra tool: command-line arguments
  nlohmann-json3-dev        # the hygra tool: JSON output
  libcsv-dev                # the hygra tool: reading CSV in a batch
  libxml2-dev               # the hygra tool: writing the chart's SVG
  librsvg2-dev libcairo2-dev  # the hygra tool: the chart as PNG or PDF (librsvg on cairo)
  libxml2-utils             # chart tests: xmllint checks the SVG is well formed
  librsvg2-bin              # chart tests: rsvg-convert renders it to PNG
  libpng-dev                # chart tests: decoding the PNG
  poppler-utils             # chart tests: pdftoppm reads the PDF back
  pkg-config                # the package test: building a client with pkg-config
  time                      # bench/tool_batch.sh: peak memory by /usr/bin/time
  python3 python3-venv      # the Python package's tests; the fresh-install test's virtual environment
  python3-numpy python3-pandas python3-xarray  # the Python package with arrays, Series, DataArrays
  python3-dask python3-distributed python3-pint  # ... chunked work on a cluster, units
  clang libclang-rt-14-dev  # continuous integration: libFuzzer and the sanitizers' runtimes
  emscripten                # the WebAssembly build of the JavaScript package (js/)
  nodejs                    # the JavaScript package's tests (node --test)
  chromium                  # the calculator page's tests (web/), run headless
)
# npm comes with some builds of nodejs; Debian's own npm package only where it did not.
if ! command -v npm >/dev/null 2>&1; then
  packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "bootstrap: missing packages: ${missing[*]} (run as root to install them)" >&2
  exit 0
fi
echo "bootstrap: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}" >/dev/null
