#!/bin/sh
# The sources copied into two folders and packaged in each (scripts/package, no
# compiler cache, so both compile for real) give the same vatrel.exe and zip,
# byte for byte; the zip holds the program, the keyboard pad, both notes, the
# licence and every model and texture.
#
#   reproducible_test.sh SOURCE_DIR VERSION
set -u
src=$1
version=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/vatrel-reproducible.XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT
fail() {
    echo "reproducible_test: $*" >&2
    exit 1
}

zip=out/vatrel-$version-win64.zip
one="$work/one/vatrel"
two="$work/second/other-name"
for tree in "$one" "$two"; do
    mkdir -p "$tree"
    (cd "$src" && tar -cf - --exclude=./build --exclude=./out --exclude=./.git .) | tar -xf - -C "$tree" ||
        fail "copying the sources failed"
    if ! (cd "$tree" && env -u CMAKE_C_COMPILER_LAUNCHER -u CMAKE_CXX_COMPILER_LAUNCHER \
        CCACHE_DISABLE=1 CMAKE_BUILD_PARALLEL_LEVEL=2 sh scripts/package >"$work/log" 2>&1); then
        cat "$work/log"
        fail "scripts/package failed in $tree"
    fi
    [ -f "$tree/$zip" ] || fail "scripts/package wrote no $zip"
done

cmp "$one/build/win64/bin/vatrel.exe" "$two/build/win64/bin/vatrel.exe" || fail "vatrel.exe differs"
cmp "$one/$zip" "$two/$zip" || fail "the zip differs"

expected=$({ cd "$src/assets" && ls -- *.x *.bmp &&
    printf '%s\n' LICENSE.txt README.txt vatrel.exe keypad/README.txt keypad/xinput1_3.dll; } |
    sed "s|^|vatrel-$version-win64/|" | LC_ALL=C sort)
listed=$(unzip -Z1 "$one/$zip" | LC_ALL=C sort)
[ "$listed" = "$expected" ] || fail "the zip holds $(echo $listed), not $(echo $expected)"
echo "reproducible_test: vatrel.exe and $zip ($(wc -c <"$one/$zip") bytes) the same from both folders"
