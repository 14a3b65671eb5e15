# Unattended runs of the demo (or the bare program) on a private Xvfb: the session, the
# message-box watch, the program with the scripted pad, its frames, window, stills and end.
# Sourced by scripts/lib/preamble.sh (which names the script in $me), after cmake/wine-common.sh
# for the functions that run Wine; expects $build (the win64 build tree). Every process started
# here is recorded by pid and ended by stop_session, also on failure or interruption.
#
# Variables inside these functions start with "_", so that the callers' own are never
# overwritten (POSIX sh has no local variables).

HEADLESS_PIDS=""

# Starts the session of $WINEPREFIX (made on first use: that takes a while once): a private Xvfb,
# the wineserver, and boxwatch. The session ends with the script, however it ends.
start_session() {
    need Xvfb xvfb
    need xdotool xdotool
    trap stop_session EXIT
    trap 'exit 130' INT TERM
    end_stray_server
    [ -d "$WINEPREFIX" ] || echo "$me: preparing the Wine prefix $WINEPREFIX (once)"
    open_session $$ || fail "the Wine session did not start"
    prepare_prefix
    # boxwatch reports every message box of the prefix as one line, and dismisses it.
    BOXES="$WINEPREFIX.boxes"
    : >"$BOXES"
    "$WINE" "$build/bin/boxwatch.exe" >"$BOXES" 2>/dev/null </dev/null &
    HEADLESS_PIDS="$HEADLESS_PIDS $!"
}

stop_session() {
    for _pid in $HEADLESS_PIDS; do
        kill "$_pid" 2>/dev/null
    done
    for _pid in $HEADLESS_PIDS; do
        wait "$_pid" 2>/dev/null
    done
    HEADLESS_PIDS=""
    end_session "${SERVER_PID:-}" "${XVFB_PID:-}"
}

# Fails with the text of any message box seen so far.
check_boxes() {
    if [ -s "$BOXES" ]; then
        echo "$me: the program showed a message box, so it cannot go on unattended:" >&2
        sed "s/^/$me:   /" "$BOXES" >&2
        exit 1
    fi
}

# Starts FOLDER/EXE with the scripted pad beside it running SCRIPT at FPS
# (0: unpaced); the pad logs one line per frame to FOLDER/pad.log. Sets
# PROGRAM_EXE, PROGRAM_PID and PAD_LOG.
start_program() {
    _folder=$1 _script=$3 _fps=$4
    PROGRAM_EXE=$2
    cp "$build/bin/scriptpad/xinput1_3.dll" "$_folder/" || fail "the scripted pad is not built"
    PAD_LOG="$_folder/pad.log"
    rm -f "$PAD_LOG"
    PROGRAM_ERR="$_folder/wine.err"
    (cd "$_folder" && VATREL_PAD_SCRIPT="$_script" VATREL_PAD_FPS="$_fps" VATREL_PAD_LOG=pad.log \
        exec "$WINE" "$PROGRAM_EXE" >/dev/null 2>"$PROGRAM_ERR" </dev/null) &
    PROGRAM_PID=$!
    HEADLESS_PIDS="$HEADLESS_PIDS $PROGRAM_PID"
}

# Frames the program has drawn so far (polls of slot 0).
frames_logged() {
    if [ -f "$PAD_LOG" ]; then wc -l <"$PAD_LOG" | tr -d ' '; else echo 0; fi
}

program_running() {
    running "$PROGRAM_PID"
}

# Fails saying that the program ended WHEN, with its exit status and, if it crashed, Wine's line on
# what and where.
fail_ended() {
    wait "$PROGRAM_PID"
    _status=$?
    _crash=$(grep -m1 -E 'Unhandled|Unimplemented|Assertion failed' "$PROGRAM_ERR" 2>/dev/null | sed 's/, starting debugger.*//')
    fail "$PROGRAM_EXE ended $1 with exit status $_status${_crash:+; it crashed: $_crash}"
}

# Waits until the program has drawn FRAMES frames; fails on a message box, on
# the program's end, or when no frame came for a minute. Calls the function
# named PROGRESS (if any) about once a second.
wait_for_frames() {
    _want=$1 _progress=${2:-}
    _last=-1 _still=0 _polls=0
    while :; do
        check_boxes
        _now=$(frames_logged)
        [ "$_now" -ge "$_want" ] && return 0
        program_running || fail_ended "after $_now frames"
        if [ "$_now" -ne "$_last" ]; then
            _last=$_now _still=0
        else
            _still=$((_still + 1))
            [ $_still -ge 600 ] && fail "no frame drawn for a minute (at frame $_now)"
        fi
        _polls=$((_polls + 1))
        if [ -n "$_progress" ] && [ $((_polls % 10)) -eq 1 ]; then
            "$_progress" "$_now"
        fi
        sleep 0.1
    done
}

# The X window of the program's window titled TITLE; waits for it.
window_of() {
    _title=$1
    _tries=0
    while :; do
        check_boxes
        _window=$(xdotool search --onlyvisible --name "^$_title\$" 2>/dev/null | head -n1)
        [ -n "$_window" ] && { echo "$_window"; return 0; }
        program_running || fail_ended "before its window appeared"
        _tries=$((_tries + 1))
        [ $_tries -ge 1200 ] && fail "no window \"$_title\" after two minutes"
        sleep 0.1
    done
}

# Sends Escape to the program's window and waits (up to 10 s) for it to end.
# Returns the program's exit status, or fails.
quit_program() {
    _window=$1
    xdotool windowfocus --sync "$_window" key Escape 2>/dev/null ||
        xdotool key --window "$_window" Escape 2>/dev/null
    _tries=0
    while program_running && [ $_tries -lt 100 ]; do
        sleep 0.1
        _tries=$((_tries + 1))
    done
    program_running && fail "the program did not end on Escape"
    wait "$PROGRAM_PID"
}

# Ends the program by Escape on its window WINDOW; fails on a message box, or unless it ended
# with exit status 0.
end_program() {
    quit_program "$1"
    _status=$?
    check_boxes
    [ $_status -eq 0 ] || fail "$PROGRAM_EXE ended with exit status $_status"
}

# Succeeds when IMAGE shows the overlay's first and last lines (black on white)
# with the client area's top left at X,Y.
overlay_showing() {
    _image=$1 _x=$2 _y=$3
    _white=$(convert "$_image" \( +clone -crop "30x10+$_x+$((_y + 2))" \) \
        \( -clone 0 -crop "30x10+$_x+$((_y + 164))" \) -delete 0 -append +repage \
        -fill black +opaque white -format "%[fx:mean]" info: 2>/dev/null)
    awk -v w="${_white:-0}" 'BEGIN { exit !(w > 0.3) }'
}

# Captures the screen rectangle WxH+X+Y into IMAGE, again until it shows the overlay (client area at
# CX,CY within the capture), at most 50 times: a frame reaches the screen some time after the pad
# has seen its present, and the first one after a black window.
capture_with_overlay() {
    _tries=0
    while [ $_tries -lt 50 ]; do
        import -display "$DISPLAY" -window root -crop "$2" +repage "$1" 2>/dev/null &&
            overlay_showing "$1" "$3" "$4" && return 0
        _tries=$((_tries + 1))
    done
    fail "$1 shows no overlay"
}

# The client area's top left within the window's 800 x 600 outer rectangle at
# (100, 100): prints "X Y".
client_offset() {
    xdotool getwindowgeometry "$1" 2>/dev/null |
        awk '/Position:/ { split($2, p, ","); print p[1] - 100, p[2] - 100 }'
}

# Captures the program's window WINDOW (its 800 x 600 outer rectangle at (100, 100)) into IMAGE.
shoot_window() {
    # shellcheck disable=SC2046
    capture_with_overlay "$1" 800x600+100+100 $(client_offset "$2")
}

# Milliseconds the pad log gives for frame N (from the first frame).
frame_ms() {
    awk -v n="$1" '$1 == n { print $2; exit }' "$PAD_LOG"
}

# Frames per second from frame FROM to frame TO of the pad log, to one decimal.
frame_rate() {
    awk -v a="$(frame_ms "$1")" -v b="$(frame_ms "$2")" -v n=$(($2 - $1)) \
        'BEGIN { printf "%.1f", n * 1000 / (b - a) }'
}
