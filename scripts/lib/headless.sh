# Unattended runs of the demo (or the bare program) on a private Xvfb: the
# session, the message-box watch, the program with the scripted pad, and its
# end. Sourced by scripts/run and scripts/bench, after cmake/wine-common.sh;
# expects $build (the win64 build tree). Every process started here is
# recorded by pid and ended by stop_session, also on failure.

HEADLESS_PIDS=""

# Starts a private Xvfb and a persistent wineserver for $WINEPREFIX (made on
# first use: that takes a while once).
start_session() {
    command -v Xvfb >/dev/null 2>&1 || fail "Xvfb not found: install the Debian package xvfb"
    command -v xdotool >/dev/null 2>&1 || fail "xdotool not found: install the Debian package xdotool"
    start_xvfb || fail "Xvfb did not start"
    trap stop_session EXIT
    trap 'exit 130' INT TERM
    [ -d "$WINEPREFIX" ] || echo "run: preparing the Wine prefix $WINEPREFIX (once)"
    mkdir -p "$WINEPREFIX"
    "$WINESERVER" -p </dev/null >/dev/null 2>&1
    "$WINE" wineboot.exe -u >/dev/null 2>&1
    # boxwatch reports every message box of the prefix as one line, and dismisses it.
    BOXES="$(dirname "$WINEPREFIX")/boxes.txt"
    : >"$BOXES"
    "$WINE" "$build/bin/boxwatch.exe" >"$BOXES" 2>/dev/null </dev/null &
    HEADLESS_PIDS="$HEADLESS_PIDS $!"
}

stop_session() {
    for pid in $HEADLESS_PIDS; do
        kill "$pid" 2>/dev/null
    done
    for pid in $HEADLESS_PIDS; do
        wait "$pid" 2>/dev/null
    done
    HEADLESS_PIDS=""
    "$WINESERVER" -k 2>/dev/null
    stop_xvfb
    XVFB_PID=""
}

# Fails with the text of any message box seen so far.
check_boxes() {
    if [ -s "$BOXES" ]; then
        echo "run: the program showed a message box, so it cannot go on unattended:" >&2
        sed 's/^/run:   /' "$BOXES" >&2
        exit 1
    fi
}

# Starts FOLDER/EXE with the scripted pad beside it running SCRIPT at FPS
# (0: unpaced); the pad logs one line per frame to FOLDER/pad.log. Sets
# PROGRAM_PID and PAD_LOG.
start_program() {
    folder=$1 exe=$2 script=$3 fps=$4
    cp "$build/bin/scriptpad/xinput1_3.dll" "$folder/" || fail "the scripted pad is not built"
    PAD_LOG="$folder/pad.log"
    rm -f "$PAD_LOG"
    (cd "$folder" && VATREL_PAD_SCRIPT="$script" VATREL_PAD_FPS="$fps" VATREL_PAD_LOG=pad.log \
        exec "$WINE" "$exe" >/dev/null 2>&1 </dev/null) &
    PROGRAM_PID=$!
    HEADLESS_PIDS="$HEADLESS_PIDS $PROGRAM_PID"
}

# Frames the program has drawn so far (polls of slot 0).
frames_logged() {
    if [ -f "$PAD_LOG" ]; then wc -l <"$PAD_LOG" | tr -d ' '; else echo 0; fi
}

program_running() {
    kill -0 "$PROGRAM_PID" 2>/dev/null
}

# Waits until the program has drawn FRAMES frames; fails on a message box, on
# the program's end, or when no frame came for a minute. Calls the function
# named PROGRESS (if any) about once a second.
wait_for_frames() {
    want=$1 progress=${2:-}
    last=-1 still=0
    while :; do
        check_boxes
        now=$(frames_logged)
        [ "$now" -ge "$want" ] && return 0
        program_running || fail "the program ended after $now frames"
        if [ "$now" -ne "$last" ]; then
            last=$now still=0
        else
            still=$((still + 1))
            [ $still -ge 600 ] && fail "no frame drawn for a minute (at frame $now)"
        fi
        if [ -n "$progress" ] && [ $((still % 10)) -eq 0 ]; then
            "$progress" "$now"
        fi
        sleep 0.1
    done
}

# The X window of the program's window titled TITLE; waits for it.
window_of() {
    title=$1
    tries=0
    while :; do
        check_boxes
        window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n1)
        [ -n "$window" ] && { echo "$window"; return 0; }
        program_running || fail "the program ended before its window appeared"
        tries=$((tries + 1))
        [ $tries -ge 1200 ] && fail "no window \"$title\" after two minutes"
        sleep 0.1
    done
}

# Sends Escape to the program's window and waits (up to 10 s) for it to end.
# Returns the program's exit status, or fails.
quit_program() {
    window=$1
    xdotool windowfocus --sync "$window" key Escape 2>/dev/null ||
        xdotool key --window "$window" Escape 2>/dev/null
    tries=0
    while program_running && [ $tries -lt 100 ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
    program_running && fail "the program did not end on Escape"
    wait "$PROGRAM_PID"
}

# Succeeds when IMAGE shows the overlay's first and last lines (black on white)
# with the client area's top left at X,Y. The lines are drawn onto the window
# between presents, so a capture can miss them.
overlay_showing() {
    image=$1 x=$2 y=$3
    white=$(convert "$image" \( +clone -crop "30x10+$x+$((y + 2))" \) \
        \( -clone 0 -crop "30x10+$x+$((y + 164))" \) -delete 0 -append +repage \
        -fill black +opaque white -format "%[fx:mean]" info: 2>/dev/null)
    awk -v w="${white:-0}" 'BEGIN { exit !(w > 0.3) }'
}

# Captures the screen rectangle WxH+X+Y into IMAGE, again until the overlay
# shows (client area at CX,CY within the capture), at most 50 times.
capture_with_overlay() {
    image=$1 geometry=$2 cx=$3 cy=$4
    tries=0
    while [ $tries -lt 50 ]; do
        import -display "$DISPLAY" -window root -crop "$geometry" +repage "$image" 2>/dev/null &&
            overlay_showing "$image" "$cx" "$cy" && return 0
        tries=$((tries + 1))
    done
    return 1
}

# The client area's top left within the window's 800 x 600 outer rectangle at
# (100, 100): prints "X Y".
client_offset() {
    xdotool getwindowgeometry "$1" 2>/dev/null |
        awk '/Position:/ { split($2, p, ","); print p[1] - 100, p[2] - 100 }'
}
