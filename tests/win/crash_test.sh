#!/bin/sh
# A program that crashes under Wine ends at once: a failing status, Wine's line naming the crash and
# where, and no debugger left waiting in the prefix. The program's output goes to a file, so that a
# debugger holding it open cannot hold this test's.
#
#   crash_test.sh WINE_RUN PROGRAM
set -u
said=$(mktemp)
trap 'rm -f "$said"' EXIT
"$1" "$2" >"$said" 2>&1 </dev/null &
program=$!
tries=0
while kill -0 "$program" 2>/dev/null && [ $tries -lt 150 ]; do
    sleep 0.1
    tries=$((tries + 1))
done
if kill -0 "$program" 2>/dev/null; then
    kill "$program"
    echo "the crashed program had not ended after 15 s (a debugger waiting?):"
    cat "$said"
    exit 1
fi
wait "$program"
status=$?
cat "$said"
[ $status -ne 0 ] || { echo "the crash ended with status 0"; exit 1; }
grep -q "Unhandled page fault on write access to 0*0 at address" "$said" || { echo "no line names the crash"; exit 1; }
for process in /proc/[0-9]*; do
    # A process may end while it is read.
    if { tr '\0' '\n' <"$process/cmdline"; } 2>/dev/null | grep -q -i 'winedbg' &&
        { tr '\0' '\n' <"$process/environ"; } 2>/dev/null | grep -q -x "WINEPREFIX=$VATREL_WINEPREFIX"; then
        echo "a debugger is running in the prefix: $(tr '\0' ' ' <"$process/cmdline")"
        exit 1
    fi
done
