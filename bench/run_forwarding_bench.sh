#!/bin/bash
# Builds the Windows benchmarks and runs the forwarding benchmark under Wine with the
# simulated monitors. Usage: bench/run_forwarding_bench.sh [windows build folder]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/bench-win}
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target forwarding_bench bench_empty Lumistrand dxva2_sim >/dev/null
# shellcheck source=../scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
wine_env_start "$build"
cd "$build/bin"
wine forwarding_bench.exe
