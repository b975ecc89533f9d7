# Sourced by the scripts that run Windows executables under Wine:
#   source scripts/wine-env.sh
#   wine_env_start <windows build folder> [visible]   # "visible": use $DISPLAY when it works
#   wine ...                                           # as often as needed
#   wine_env_stop                                      # also done by the EXIT trap it installs
# A private 32-bit prefix lives in <build folder>/wineprefix and is created once. Without
# "visible" (or without a working $DISPLAY) a private Xvfb with two screens is started.

wine_env_start() {
    local build_dir=${1:?windows build folder}
    local mode=${2:-}
    export WINEPREFIX="$(cd "$build_dir" && pwd)/wineprefix"
    export WINEARCH=win32
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="dxva2=n"
    LUMISTRAND_XVFB_PID=""

    if [ "$mode" = visible ] && [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        :
    else
        wine_env_start_xvfb || return 1
    fi
    trap wine_env_stop EXIT
    wine_env_prepare_prefix
}

# Xvfb picks a free display itself and writes its number to the descriptor we give it,
# so several builds on one machine never race for a display number.
wine_env_start_xvfb() {
    local number_file
    number_file=$(mktemp)
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 -screen 1 1920x1080x24 +xinerama -extension RANDR \
        3>"$number_file" >/dev/null 2>&1 &
    LUMISTRAND_XVFB_PID=$!
    local tries=0
    while [ ! -s "$number_file" ]; do
        tries=$((tries + 1))
        if [ $tries -gt 100 ] || ! kill -0 "$LUMISTRAND_XVFB_PID" 2>/dev/null; then
            echo "wine-env: Xvfb did not start" >&2
            rm -f "$number_file"
            LUMISTRAND_XVFB_PID=""
            return 1
        fi
        sleep 0.1
    done
    export DISPLAY=":$(tr -d '[:space:]' <"$number_file")"
    rm -f "$number_file"
}

wine_env_prepare_prefix() {
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        # One creator at a time when two runs share a build folder.
        flock 9
        [ -f "$WINEPREFIX/.lumistrand-ready" ] && exit 0
        rm -rf "$WINEPREFIX"
        # mscoree/mshtml off: no Mono or Gecko installer dialogs in a headless run.
        WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1 || exit 1
        # A crash must end the process instead of opening winedbg's dialog and hanging the run.
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 || exit 1
        # Unmanaged windows close in ~35 ms instead of ~2 s when no window manager runs.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || exit 1
        wineserver -w
        touch "$WINEPREFIX/.lumistrand-ready"
    ) 9>"$WINEPREFIX.lock" || { echo "wine-env: could not create $WINEPREFIX" >&2; return 1; }
}

wine_env_stop() {
    trap - EXIT
    if [ -n "${WINEPREFIX:-}" ]; then
        wineserver -k >/dev/null 2>&1
        wineserver -w >/dev/null 2>&1
    fi
    if [ -n "${LUMISTRAND_XVFB_PID:-}" ]; then
        kill "$LUMISTRAND_XVFB_PID" 2>/dev/null
        wait "$LUMISTRAND_XVFB_PID" 2>/dev/null
        LUMISTRAND_XVFB_PID=""
    fi
}
