#!/bin/bash
# Builds Lumistrand.exe, the simulated dxva2.dll and the command round-trip benchmark, and runs
# the benchmark under Wine with the simulator's default monitors and latencies.
# Usage: bench/run_roundtrip_bench.sh [windows build folder]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/bench-roundtrip-win}
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target command_roundtrip_bench >/dev/null
# shellcheck source=../scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
wine_env_start "$build"
cd "$build/bin"
# A settings file or simulator state of an earlier run must not change the figures.
rm -f Lumistrand.xml
unset LUMISTRAND_SIM_CONFIG LUMISTRAND_SIM_LOG LUMISTRAND_SIM_STATE
wine command_roundtrip_bench.exe
