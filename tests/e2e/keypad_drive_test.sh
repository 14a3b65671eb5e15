#!/bin/sh
# vatrel.exe with the keyboard pad beside it, driven by real X key presses as a
# user would: Space held moves the car, released it stands, Escape ends the
# program with exit status 0. (Key presses synthesised inside Wine by another
# process never reach the program's key state, so X does the typing here.)
#
#   keypad_drive_test.sh SOURCE_DIR BIN_DIR
set -u
root=$1
bin=$2
fail() {
    echo "keypad_drive_test: $*" >&2
    exit 1
}
. "$root/cmake/wine-common.sh"
. "$root/scripts/lib/headless.sh"
load_session || fail "no Wine test session is running"

folder="$bin/e2e_runs/keypad_x"
rm -rf "$folder"
mkdir -p "$folder"
cp "$bin/vatrel.exe" "$bin"/*.x "$bin"/*.bmp "$bin/keypad/xinput1_3.dll" "$folder/" || fail "copying failed"

(cd "$folder" && exec "$WINE" vatrel.exe >/dev/null 2>&1 </dev/null) &
PROGRAM_PID=$!
stop() {
    kill "$PROGRAM_PID" 2>/dev/null
}
trap stop EXIT

# Wine names its X windows with the program's process id.
tries=0
window=""
while [ -z "$window" ]; do
    window=$(xdotool search --onlyvisible --pid "$PROGRAM_PID" --name '^Vatrel$' 2>/dev/null | head -n1)
    tries=$((tries + 1))
    [ $tries -ge 600 ] && fail "no window"
    program_running || fail "vatrel.exe ended early"
    sleep 0.1
done
geometry=$(xdotool getwindowgeometry "$window" | awk '/Position:/ { print $2 }')
x=${geometry%,*}
y=${geometry#*,}
overlay="200x180+$x+$((y))"

xdotool windowraise "$window" windowfocus --sync "$window" 2>/dev/null
xdotool mousemove --window "$window" 400 300 click 1
capture_with_overlay "$folder/before.png" "$overlay" 0 0 || fail "no overlay before driving"

xdotool keydown space
sleep 2
xdotool keyup space
sleep 1
capture_with_overlay "$folder/released.png" "$overlay" 0 0 || fail "no overlay after driving"
sleep 1
capture_with_overlay "$folder/later.png" "$overlay" 0 0 || fail "no overlay a second later"

moved=$(compare -metric AE "$folder/before.png" "$folder/released.png" null: 2>&1)
[ "${moved%% *}" != "0" ] || fail "Space held did not move the car"
compare -metric AE "$folder/released.png" "$folder/later.png" null: 2>/dev/null ||
    fail "the car went on after Space was released"

quit_program "$window"
status=$?
trap - EXIT
[ $status -eq 0 ] || fail "vatrel.exe ended with exit status $status"
echo "keypad_drive_test: Space drove the car, release stopped it, Escape ended the program"
