# The project's private Wine environment and its sessions (one Xvfb, one wineserver), shared by
# wine-run, wine-session and the scripts. Sourced, not run. Expects $root (the source tree).
#
# A session lives exactly as long as what it serves: its wineserver stays up between Wine
# processes however long the gaps (a test run's tests may be minutes apart), and a guard process
# ends the session (server first, with every Wine process of the prefix, then Xvfb) as soon as
# the server or the session's owner has ended. Everything is ended by pid.

export WINEPREFIX="${VATREL_WINEPREFIX:-$root/build/wineprefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer may ever put up a dialog.
export WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
export WINELOADER=/usr/lib/wine/wine64
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
SESSION_FILE="$WINEPREFIX.session"

# Makes the prefix or brings it up to date (on the session's display or the desktop's), then sets what
# every run in it relies on, whichever Wine made it:
# - no debugger on a crash: an unhandled exception ends the program at once with its status, after
#   Wine's line saying what it was and where; the debugger it would start instead waits, holding the
#   run's output open;
# - the window frame of Wine 8 (a caption 18 pixels high; Wine 10's is taller), so that an 800 x 600
#   window has the same 792 x 573 client area, and so the same picture, on every Wine.
prepare_prefix() {
    "$WINE" wineboot.exe -u >/dev/null 2>&1
    "$WINE" reg.exe add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d '' /f >/dev/null 2>&1
    "$WINE" reg.exe add 'HKCU\Control Panel\Desktop\WindowMetrics' /v CaptionHeight /d 18 /f >/dev/null 2>&1
}

# Succeeds while process PID exists and has not ended (a zombie has).
running() {
    [ -n "$1" ] && kill -0 "$1" 2>/dev/null && [ "$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -c1)" != Z ]
}

# Starts a private Xvfb, 24 bits deep unless VATREL_SCREEN_DEPTH says otherwise (16 gives the
# device a 16-bit back buffer); sets DISPLAY and XVFB_PID.
start_xvfb() {
    mkdir -p "$(dirname "$WINEPREFIX")"
    _displayfile=$(mktemp "${TMPDIR:-/tmp}/vatrel-xvfb.XXXXXX")
    # Detached from our stdout/stderr, so that nobody waiting on them waits for Xvfb.
    Xvfb -displayfd 3 -screen 0 "1024x768x${VATREL_SCREEN_DEPTH:-24}" -nolisten tcp -ac 3>"$_displayfile" </dev/null >/dev/null 2>&1 &
    XVFB_PID=$!
    _tries=0
    while [ ! -s "$_displayfile" ] && [ $_tries -lt 100 ]; do
        sleep 0.05
        _tries=$((_tries + 1))
    done
    if [ ! -s "$_displayfile" ]; then
        kill "$XVFB_PID" 2>/dev/null
        rm -f "$_displayfile"
        echo "wine: Xvfb did not start (package xvfb)" >&2
        return 1
    fi
    DISPLAY=":$(head -n1 "$_displayfile")"
    export DISPLAY
    rm -f "$_displayfile"
}

# Starts the prefix's wineserver in the foreground of a background job, so that its pid is ours
# to end; returns once it holds the prefix's server lock (it ends at once when another server
# holds it). Sets SERVER_PID. Persistent: a server that left after an idle spell would take the
# session's Xvfb with it, and a program starting as it left would die at once.
start_server() {
    mkdir -p "$WINEPREFIX"
    "$WINESERVER" -f -p </dev/null >/dev/null 2>&1 &
    SERVER_PID=$!
    _tries=0
    while running "$SERVER_PID" && [ $_tries -lt 200 ]; do
        awk -v p="$SERVER_PID" '$5 == p { found = 1 } END { exit !found }' /proc/locks && return 0
        sleep 0.05
        _tries=$((_tries + 1))
    done
    kill "$SERVER_PID" 2>/dev/null
    echo "wine: no wineserver of our own for $WINEPREFIX (is another run using the prefix?)" >&2
    return 1
}

# Ends a wineserver still serving this tree's prefix outside any session (one whose guard was
# itself killed); called before a session of the prefix's sole user starts.
end_stray_server() {
    "$WINESERVER" -k 2>/dev/null && "$WINESERVER" -w 2>/dev/null
    return 0
}

# Ends wineserver SERVER (which ends every Wine process it serves), then Xvfb XVFB.
end_session() {
    if running "$1"; then
        kill -INT "$1" 2>/dev/null
        _tries=0
        while running "$1" && [ $_tries -lt 50 ]; do
            sleep 0.1
            _tries=$((_tries + 1))
        done
        running "$1" && kill -KILL "$1" 2>/dev/null
    fi
    running "$2" && kill "$2" 2>/dev/null
    return 0
}

# Starts the guard of the session: it ends the session once the server or process OWNER has ended.
guard_session() {
    (
        while running "$SERVER_PID" && running "$1"; do
            sleep 1
        done
        end_session "$SERVER_PID" "$XVFB_PID"
    ) </dev/null >/dev/null 2>&1 &
}

# Brings up a session owned by process OWNER: Xvfb, wineserver and their guard.
open_session() {
    start_xvfb || return 1
    if ! start_server; then
        kill "$XVFB_PID" 2>/dev/null
        return 1
    fi
    guard_session "$1"
}

# Reads the test session (display, pids) if it is still up; sets DISPLAY.
load_session() {
    [ -f "$SESSION_FILE" ] || return 1
    # shellcheck disable=SC1090
    . "$SESSION_FILE"
    running "${SESSION_XVFB_PID:-}" && running "${SESSION_SERVER_PID:-}" && running "${SESSION_OWNER:-}" || return 1
    DISPLAY="$SESSION_DISPLAY"
    export DISPLAY
}
