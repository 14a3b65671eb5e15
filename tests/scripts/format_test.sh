#!/bin/sh
# scripts/format --check in a tree that holds no C++ source (no git, nothing to find) must fail and
# say so, never pass having looked at nothing.
#
#   format_test.sh SOURCE_DIR
set -u
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir "$tree/scripts"
cp "$1/scripts/format" "$tree/scripts/"
said=$("$tree/scripts/format" --check 2>&1)
rc=$?
[ $rc -ne 0 ] || { echo "format --check passed in a tree without sources"; exit 1; }
case $said in *"no C++ source"*) ;; *) echo "format --check failed without saying why: $said"; exit 1 ;; esac
