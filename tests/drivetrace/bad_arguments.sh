#!/bin/bash
# drivetrace refuses malformed command lines: exit status 2, one line on stderr naming the fault
# and nothing on stdout. usage: bad_arguments.sh DRIVETRACE [ARG...] (the command that runs it)
set -u
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
status=0

# expect_refused NAMED ARG...: drivetrace ARG... is refused with a line that contains NAMED.
expect_refused() {
    local named=$1
    shift
    "${drivetrace[@]}" "$@" >"$out" 2>"$err"
    local rc=$? first
    first=$(head -n 1 "$err")
    if [ $rc -ne 2 ] || [ -s "$out" ] || [ "$(wc -l <"$err")" -ne 1 ] || [ "$first" != "$(cat "$err")" ] ||
        [[ $first != "drivetrace: "*"$named"* ]]; then
        echo "drivetrace $*: exit $rc, stdout $(wc -c <"$out") bytes, stderr:" >&2
        cat -A "$err" >&2
        status=1
    fi
}

drivetrace=("$@")
expect_refused "run 2 '' is empty" --buttons A3,,A1
expect_refused "run 2 'X2' unplugs the pad" --buttons A3,X2 --overlay
expect_refused "unknown option '--frobnicate'" --buttons A3 --frobnicate
expect_refused "give --course or --buttons PATTERN"
exit $status
