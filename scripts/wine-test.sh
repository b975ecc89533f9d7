#!/bin/bash
# Runs one Windows test executable under Wine with a private prefix and display, and exits
# with the executable's exit code. CTest calls this for every Windows test executable.
#   scripts/wine-test.sh <windows build folder> <exe> [arguments...]
set -u
here=$(cd "$(dirname "$0")" && pwd)
build_dir=${1:?windows build folder}
exe=${2:?executable}
shift 2

# shellcheck source=wine-env.sh
source "$here/wine-env.sh"
wine_env_start "$build_dir" || exit 1
cd "$(dirname "$exe")" || exit 1
# A hung test (a message box nobody answers) ends here, and wine_env_stop still cleans up.
timeout --kill-after=10 "${LUMISTRAND_WINE_TEST_SECONDS:-600}" wine "$(basename "$exe")" "$@"
status=$?
[ $status -eq 124 ] && echo "wine-test: $(basename "$exe") timed out" >&2
wine_env_stop
exit $status
