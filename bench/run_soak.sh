#!/bin/bash
# The soak runs: 10,000 command lines against the simulated monitors with 30 % failing DDC
# calls on the host (ASan, UBSan, virtual clock), then second starts under Wine against the
# simulated dxva2.dll with 10 % failing calls (500 unless given).
# Usage: bench/run_soak.sh [second starts under Wine]
# Builds in the folders of scripts/test.sh (LUMISTRAND_BUILD, else build/).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMISTRAND_BUILD:-$root/build}
host=$build/host
windows=$build/windows
cmake -S "$root" -B "$host" >/dev/null
cmake --build "$host" -j2 --target soak_bench >/dev/null
"$host/soak_bench" "$root/fuzz/corpus/interpreter_fuzz" 10000

cmake -S "$root" -B "$windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$windows" -j2 --target soak_wine_bench >/dev/null
# shellcheck source=../scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
wine_env_start "$windows"
cd "$windows/bin"
unset LUMISTRAND_SIM_CONFIG LUMISTRAND_SIM_LOG LUMISTRAND_SIM_STATE
wine soak_wine_bench.exe "${1:-500}"
