# Records the program's window on the session's display and cuts the recording to the frames the
# program drew, each shown for 1/60 s, whatever pace the machine drew them at. Sourced by
# scripts/run after lib/preamble.sh; the program runs with the scripted pad (its log: $PAD_LOG).
#
# The screen grabber stamps every captured image with the wall clock; the pad log gives every
# frame's time from the first frame; the log file's modification time ties the two together.
# Frame N is on the screen from the pad's next poll (N + 1), which follows its present.

# Starts grabbing the window's 800 x 600 outer rectangle at (100, 100) into FILE (Matroska,
# wall-clock timestamps); returns once the first image is in.
start_recording() {
    RECORDING=$1
    rm -f "$RECORDING"
    ffmpeg -loglevel error -nostdin -y -f x11grab -draw_mouse 0 -video_size 800x600 -framerate 60 \
        -i "$DISPLAY+100,100" -copyts -c:v libx264 -preset ultrafast -crf 17 -pix_fmt yuv420p \
        -flush_packets 1 "$RECORDING" </dev/null >/dev/null 2>&1 &
    RECORDER_PID=$!
    HEADLESS_PIDS="$HEADLESS_PIDS $RECORDER_PID"
    _tries=0
    until [ -s "$RECORDING" ]; do
        running "$RECORDER_PID" || fail "ffmpeg could not grab the display $DISPLAY"
        _tries=$((_tries + 1))
        [ $_tries -ge 300 ] && fail "ffmpeg recorded nothing in 30 s"
        sleep 0.1
    done
}

# Ends the recording; sets RECORDING_START, the recording's first timestamp (seconds).
stop_recording() {
    kill -INT "$RECORDER_PID" 2>/dev/null
    wait "$RECORDER_PID"
    _status=$?
    [ $_status -eq 0 ] || [ $_status -eq 255 ] || fail "ffmpeg failed ($_status)"
    RECORDING_START=$(ffprobe -v error -show_entries format=start_time -of csv=p=0 "$RECORDING")
}

# Prints "<milliseconds of the last frame logged> <wall-clock seconds when it was logged>", read
# while no frame came in between.
log_clock() {
    while :; do
        _written=$(stat -c %.9Y "$PAD_LOG")
        _line=$(tail -n1 "$PAD_LOG")
        [ "$(stat -c %.9Y "$PAD_LOG")" = "$_written" ] && break
    done
    _line=${_line#* }
    echo "${_line%% *} $_written"
}

# Seconds into the recording at which frame N came on the screen, by the clock CLOCK (from
# log_clock, taken near frame N); after stop_recording.
frame_shown_at() {
    _ms=$(frame_ms $(($1 + 1)))
    echo "$2" | awk -v ms="$_ms" -v start="$RECORDING_START" '{ printf "%.4f", $2 + (ms - $1) / 1000 - start }'
}

# The first time from FROM up to TO (seconds into the recording) with an image that is not black.
first_drawn() {
    ffmpeg -nostdin -i "$RECORDING" \
        -vf "trim=start=$1:end=$2,signalstats,metadata=print:key=lavfi.signalstats.YAVG:file=-" \
        -f null - 2>/dev/null |
        awk -v from="$1" '/pts_time:/ { split($NF, t, ":"); at = t[2] }
            /YAVG=/ { split($0, y, "="); if (y[2] > 20) { print at; found = 1; exit } }
            END { if (!found) print from }'
}

# Writes OUT (H.264, 60 frames per second) from the span [T0, T3) of the recording (seconds), in
# three parts split at T1 and T2 that hold F0, F1 and F2 of the program's frames and so play in
# F0/60, F1/60 and F2/60 s: cut_recording OUT T0 T1 T2 T3 F0 F1 F2.
cut_recording() {
    _out=$1 _t0=$2 _t1=$3 _t2=$4 _t3=$5 _f0=$6 _f1=$7 _f2=$8
    _pts=$(awk -v t0="$_t0" -v t1="$_t1" -v t2="$_t2" -v t3="$_t3" -v f0="$_f0" -v f1="$_f1" -v f2="$_f2" 'BEGIN {
        s0 = f0 / 60 / (t1 - t0); s1 = f1 / 60 / (t2 - t1); s2 = f2 / 60 / (t3 - t2)
        printf "if(lt(T\\,%.4f)\\,(T-%.4f)*%.6f\\,if(lt(T\\,%.4f)\\,%.6f+(T-%.4f)*%.6f\\,%.6f+(T-%.4f)*%.6f))/TB",
            t1, t0, s0, t2, f0 / 60, t1, s1, (f0 + f1) / 60, t2, s2 }')
    ffmpeg -loglevel error -nostdin -y -i "$RECORDING" -vf "trim=start=$_t0:end=$_t3,setpts=$_pts,fps=60" \
        -c:v libx264 -preset veryfast -pix_fmt yuv420p -movflags +faststart "$_out"
}

# Fails unless every frame of VIDEO shows all ten overlay lines, with the client area's top left at
# X,Y: in each line's 16-row box, the start of its label (24 columns) is mostly white around dark
# glyphs, which no part of the scene there is. Names the first frames that do not.
check_overlay_in_video() {
    _bad=$(ffmpeg -loglevel error -nostdin -i "$1" -vf "crop=24:180:$2:$3,format=gray" -f rawvideo - |
        od -An -tu1 -v -w24 | awk '
            { row = (NR - 1) % 180; line = int(row / 18) }
            row % 18 < 16 { for (i = 1; i <= NF; i++) { white[line] += $i > 200; dark[line] += $i < 80 } }
            row == 179 {
                shown = 0
                for (l = 0; l < 10; l++) { shown += white[l] >= 192 && dark[l] >= 30; white[l] = dark[l] = 0 }
                if (shown < 10 && ++bad <= 5) printf " %d (%d lines)", (NR - 1) / 180, shown
            }
            END { if (bad) printf " (%d frames in all)", bad }')
    [ -z "$_bad" ] || fail "frames of $1 without all ten lines:$_bad"
}
