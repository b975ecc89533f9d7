#!/bin/bash
# Builds Lumistrand.exe and the simulated dxva2.dll and runs the program under Wine with
# simulated monitors. With a working $DISPLAY the program shows there until you end it;
# otherwise it runs on a private Xvfb, a screenshot is taken after a few seconds into
# build/run/screenshot.png (or LUMISTRAND_SCREENSHOT, e.g. docs/control-panel.png) and the
# program is ended.
#   bash scripts/run.sh [command line for Lumistrand]
# LUMISTRAND_SIM_CONFIG may name a simulator configuration (docs/simulator.md); the
# simulator's transaction log goes to build/run/sim-log.txt. When it declares a graphics card
# (a gpu line) the simulated nvapi.dll and atiadlxx.dll are put next to the program, else removed.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMISTRAND_BUILD:-$root/build}
jobs=${LUMISTRAND_JOBS:-2}
settle_seconds=${LUMISTRAND_SETTLE_SECONDS:-10}

bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$build/windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/windows" -j"$jobs" --target Lumistrand
if [ -f "$root/cmake/sim_dll.cmake" ]; then
    cmake --build "$build/windows" -j"$jobs" --target dxva2_sim
else
    echo "run: no simulated dxva2.dll target; Wine's own dxva2 answers" >&2
fi

gpu_libraries=(nvapi.dll atiadlxx.dll)
if [ -n "${LUMISTRAND_SIM_CONFIG:-}" ] && grep -qE '^[[:space:]]*gpu[[:space:]]' "$LUMISTRAND_SIM_CONFIG"; then
    cmake --build "$build/windows" -j"$jobs" --target nvapi_sim atiadlxx_sim
    for library in "${gpu_libraries[@]}"; do cp "$build/windows/gpu-sim/$library" "$build/windows/bin/"; done
fi
# Left in bin they would give every later test run a graphics card.
remove_gpu_libraries() { for library in "${gpu_libraries[@]}"; do rm -f "$build/windows/bin/$library"; done; }

run_dir="$build/run"
mkdir -p "$run_dir"
screenshot=$(realpath -m "${LUMISTRAND_SCREENSHOT:-$run_dir/screenshot.png}")
export LUMISTRAND_SIM_LOG="$run_dir/sim-log.txt"
export LUMISTRAND_SIM_STATE="$run_dir/sim-state.txt"

# shellcheck source=wine-env.sh
source "$root/scripts/wine-env.sh"
wine_env_start "$build/windows" visible
cd "$build/windows/bin"

if [ -z "${LUMISTRAND_XVFB_PID:-}" ]; then
    echo "run: Lumistrand runs on $DISPLAY; end it from its menu"
    code=0
    wine Lumistrand.exe "$@" || code=$?
    remove_gpu_libraries
    exit $code
fi

wine Lumistrand.exe "$@" &
program=$!
sleep "$settle_seconds"
# Only the windows: the black around them trimmed away.
import -display "$DISPLAY" -window root -trim +repage "$screenshot"
echo "run: screenshot of the running program in $screenshot"
if ! kill -0 "$program" 2>/dev/null; then
    code=0
    wait "$program" || code=$?
    echo "run: Lumistrand ended before the screenshot, exit code $code" >&2
fi
wine_env_stop
wait "$program" 2>/dev/null || true
remove_gpu_libraries
