# Shared by wine-run and wine-session: the project's private Wine environment.
# Sourced, not run. Expects $root (the source tree).

export WINEPREFIX="${VATREL_WINEPREFIX:-$root/build/wineprefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer may ever put up a dialog.
export WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
export WINELOADER=/usr/lib/wine/wine64
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
SESSION_FILE="$WINEPREFIX.session"

# Starts a private Xvfb; sets DISPLAY and XVFB_PID.
start_xvfb() {
    mkdir -p "$(dirname "$WINEPREFIX")"
    displayfile=$(mktemp "${TMPDIR:-/tmp}/vatrel-xvfb.XXXXXX")
    # Detached from our stdout/stderr, so that nobody waiting on them waits for Xvfb.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -ac 3>"$displayfile" </dev/null >/dev/null 2>&1 &
    XVFB_PID=$!
    tries=0
    while [ ! -s "$displayfile" ] && [ $tries -lt 100 ]; do
        sleep 0.05
        tries=$((tries + 1))
    done
    if [ ! -s "$displayfile" ]; then
        kill "$XVFB_PID" 2>/dev/null
        rm -f "$displayfile"
        echo "wine: Xvfb did not start (package xvfb)" >&2
        return 1
    fi
    DISPLAY=":$(head -n1 "$displayfile")"
    export DISPLAY
    rm -f "$displayfile"
}

stop_xvfb() {
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
    fi
}

# Reads the running session (display, Xvfb pid) if its Xvfb is still alive.
load_session() {
    [ -f "$SESSION_FILE" ] || return 1
    # shellcheck disable=SC1090
    . "$SESSION_FILE"
    if [ -n "${SESSION_XVFB_PID:-}" ] && kill -0 "$SESSION_XVFB_PID" 2>/dev/null; then
        DISPLAY="$SESSION_DISPLAY"
        export DISPLAY
        return 0
    fi
    return 1
}
