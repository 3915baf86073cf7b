#!/usr/bin/env bash
# Builds what the JavaScript package and its tests need, each only when out of
# date (CMake decides):
#   ../build-wasm    the library as WebAssembly (emcmake, HYGRA_WASM=ON),
#                    copied to dist/hygra.mjs and dist/hygra.wasm;
#   ../build-native  the native shared library and test/native/reference.c
#                    linked against it (the values the tests compare with);
#                    HYGRA_NATIVE_BUILD names another native build folder
#                    to use instead (continuous integration passes its own);
#   ../web/hygra/    the package and its module beside the calculator page.
set -euo pipefail
js=$(cd "$(dirname "$0")/.." && pwd)
root=$(dirname "$js")

# Debian's emscripten finds its Node modules (acorn, ...) only through NODE_PATH.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
if ! command -v emcmake >/dev/null; then
  echo "build: emscripten is missing; run tools/bootstrap.sh as root" >&2
  exit 2
fi

if [ ! -f "$root/build-wasm/CMakeCache.txt" ]; then
  emcmake cmake -S "$root" -B "$root/build-wasm" -DHYGRA_WASM=ON -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$root/build-wasm" -j2 --target hygra_wasm
mkdir -p "$js/dist"
cp -p "$root/build-wasm/hygra.mjs" "$root/build-wasm/hygra.wasm" "$js/dist/"

native=$(realpath -m "${HYGRA_NATIVE_BUILD:-$root/build-native}")
if [ ! -f "$native/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$native" -DCMAKE_BUILD_TYPE=Release \
        -DHYGRA_BUILD_TESTS=OFF -DHYGRA_BUILD_BENCHMARKS=OFF >/dev/null
fi
cmake --build "$native" -j2 --target hygra
reference="$native/hygra_reference"
if [ ! -x "$reference" ] || [ "$js/test/native/reference.c" -nt "$reference" ] \
   || [ "$native/libhygra.so" -nt "$reference" ]; then
  cc -std=c99 -O2 -Wall -Wextra -Werror -D_POSIX_C_SOURCE=199309L -I"$root/include" \
     "$js/test/native/reference.c" -o "$reference" \
     -L"$native" -lhygra -Wl,-rpath,"$native"
fi

# The page loads the package from its own folder, so that web/ alone is a site.
rm -rf "$root/web/hygra"
mkdir -p "$root/web/hygra/src" "$root/web/hygra/dist"
cp -p "$js"/src/*.js "$root/web/hygra/src/"
cp -p "$js"/dist/hygra.mjs "$js"/dist/hygra.wasm "$root/web/hygra/dist/"
