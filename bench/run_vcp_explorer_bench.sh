#!/bin/bash
# Builds Lumistrand.exe, the simulated dxva2.dll and the VCP explorer benchmark, and runs the
# benchmark under Wine with the simulator's default latencies.
# Usage: bench/run_vcp_explorer_bench.sh [windows build folder]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/windows}
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target vcp_explorer_bench >/dev/null
# shellcheck source=../scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
wine_env_start "$build"
cd "$build/bin"
wine vcp_explorer_bench.exe
status=$?
wine_env_stop
exit $status
