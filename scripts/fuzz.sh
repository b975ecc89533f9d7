#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang and runs each of them for a while.
#
#   scripts/fuzz.sh [options] [seconds-per-target]      (default 60 seconds)
#     --build-dir DIR   where the targets are built (default build/fuzz)
#     --no-build        run targets already built in the build folder
#     --only NAME       run only this target (e.g. interpreter_fuzz)
#
# Each target starts from its seeds in fuzz/corpus/<target>/, which stay untouched; what it
# finds goes to <build>/corpus/<target>/ and is reused by the next run. A crash leaves its
# input in <build>/artifacts/ and makes the script fail.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/fuzz"
do_build=1
only=""
seconds=60
while [ $# -gt 0 ]; do
    case "$1" in
        --build-dir) build=$(realpath -m "$2"); shift 2 ;;
        --no-build) do_build=0; shift ;;
        --only) only="$2"; shift 2 ;;
        -h|--help) sed -n '2,11p' "$0"; exit 0 ;;
        *[!0-9]*|'') echo "fuzz.sh: unknown argument '$1'" >&2; exit 2 ;;
        *) seconds="$1"; shift ;;
    esac
done

if [ "$do_build" = 1 ]; then
    cmake -S "$root/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
    cmake --build "$build" -j2
fi

targets=()
for source in "$root"/fuzz/*_fuzz.cpp; do
    name=$(basename "$source" .cpp)
    if [ -z "$only" ] || [ "$only" = "$name" ]; then targets+=("$name"); fi
done
if [ ${#targets[@]} -eq 0 ]; then
    echo "fuzz.sh: no target named '$only'" >&2
    exit 2
fi

mkdir -p "$build/artifacts"
failed=()
for name in "${targets[@]}"; do
    if [ ! -x "$build/$name" ]; then
        echo "fuzz.sh: $build/$name is not built" >&2
        exit 2
    fi
    mkdir -p "$build/corpus/$name"
    seeds=()
    if [ -d "$root/fuzz/corpus/$name" ]; then seeds+=("$root/fuzz/corpus/$name"); fi
    echo "== $name: ${seconds}s"
    # The first corpus folder receives new inputs; the seeds in the repository stay as they are.
    if ! "$build/$name" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
            -artifact_prefix="$build/artifacts/$name-" "$build/corpus/$name" "${seeds[@]}" \
            >"$build/$name.log" 2>&1; then
        failed+=("$name")
        tail -n 60 "$build/$name.log"
    fi
    grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$build/$name.log" || true
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz.sh: failed: ${failed[*]} (inputs in $build/artifacts/)" >&2
    exit 1
fi
echo "fuzz.sh: ${#targets[@]} target(s) ran ${seconds}s each without a finding"
