#!/bin/bash
# Golden traces of the drive: what drivetrace prints for fixed button patterns, kept in NAME.trace
# (the frame lines of --buttons PATTERN, then the ten lines of --buttons PATTERN --overlay).
# usage: golden.sh check|write DRIVETRACE [ARG...]
#   DRIVETRACE [ARG...] runs drivetrace, e.g. build/host/bin/drivetrace or
#   cmake/wine-run build/win64/bin/drivetrace.exe. `check` compares every trace byte for byte
#   (cmp: a CR or a missing final newline is a difference, never normalised away) and exits 1 on
#   any difference; `write` rewrites the traces (cmake --build build/host --target golden_rewrite).
set -u
mode=$1
shift
dir=$(cd "$(dirname "$0")" && pwd)
trace=$(mktemp)
trap 'rm -f "$trace"' EXIT

# Three laps with A held (3216 frames), each held run of 1..200 frames after a release of 1..20,
# drawn from x' = (1103515245 x + 12345) mod 2^31 with seed 1072; the last run ends the third lap.
seeded_pattern() {
    local x=1072 held=0 run pattern=""
    while [ "$held" -lt 3216 ]; do
        x=$(((1103515245 * x + 12345) % 2147483648))
        pattern+="-$((1 + (x >> 8) % 20)),"
        x=$(((1103515245 * x + 12345) % 2147483648))
        run=$((1 + (x >> 8) % 200))
        run=$((held + run > 3216 ? 3216 - held : run))
        held=$((held + run))
        pattern+="A$run,"
    done
    echo "${pattern%,}"
}

status=0
for golden in "standing -3" "a26 A26" "lap A1072,-2,A30" "seeded $(seeded_pattern)"; do
    name=${golden%% *}
    pattern=${golden#* }
    if ! { "$@" --buttons "$pattern" && "$@" --buttons "$pattern" --overlay; } >"$trace"; then
        echo "golden $name: drivetrace failed on --buttons $pattern" >&2
        status=1
    elif [ "$mode" = write ]; then
        cat "$trace" >"$dir/$name.trace"
    elif ! cmp "$dir/$name.trace" "$trace" >&2; then
        echo "golden $name (--buttons $pattern), committed (<) and now (>):" >&2
        diff "$dir/$name.trace" "$trace" | head -n 4 | cat -A >&2
        status=1
    fi
done
exit $status
