#!/bin/bash
# Builds everything and runs every test: the host tests (GoogleTest with ASan and UBSan) and
# the Windows tests under Wine against the optimised (Release) program, in one ctest run.
# Exits with ctest's exit code.
#   bash scripts/test.sh [ctest arguments...]
# Build folders: build/windows and build/host (override with LUMISTRAND_BUILD=<folder>).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMISTRAND_BUILD:-$root/build}
jobs=${LUMISTRAND_JOBS:-2}

bash "$root/scripts/setup.sh"

cmake -S "$root" -B "$build/windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw.cmake" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build/windows" -j"$jobs"
cmake -S "$root" -B "$build/host" -DLUMISTRAND_WINDOWS_BUILD_DIR="$build/windows"
cmake --build "$build/host" -j"$jobs"

set +e
ctest --test-dir "$build/host" --output-on-failure "$@"
