# The opening every script that runs the demo shares: its options, the build, the run folder and
# the Wine prefix; lib/headless.sh (sourced here) adds the private Xvfb session and its clean-up.
#
# Sourced as the script's first command, with $usage set (the usage line, "scripts/NAME ...").
# Defines root (the source tree), build (the win64 build tree, -b BUILD), D3D9 (--d3d9 FILE) and
# me (the script's name for its messages).

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/win64"
me=$(basename "$0")

fail() {
    echo "$me: $*" >&2
    exit 1
}

# Fails naming the Debian package PACKAGE when command TOOL is not there.
need() {
    command -v "$1" >/dev/null 2>&1 || fail "$1 not found: install the Debian package $2"
}

usage_error() {
    echo "usage: $usage" >&2
    exit 2
}

# Fails with the usage unless VALUE is a whole number.
whole_number() {
    case $1 in '' | *[!0-9]*) usage_error ;; esac
}

# The d3d9.dll the programs run on (--d3d9 FILE, an absolute path); empty: Wine's own.
D3D9=""

# Takes FILE (relative to where the script was started) as the d3d9.dll to run on.
choose_d3d9() {
    [ -f "$1" ] || fail "--d3d9 $1: no such file"
    D3D9="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
}

# Says which Direct3D 9 the programs run on.
d3d9_name() {
    if [ -z "$D3D9" ]; then
        echo "Wine's own d3d9"
    elif grep -q -a DXVK_STATE_CACHE "$D3D9"; then
        echo "DXVK ($D3D9)"
    else
        echo "$D3D9"
    fi
}

# Reads the options: -b BUILD and --d3d9 FILE (or --d3d9=FILE) always, and those in LETTERS
# (getopts letters), for which the script's own function option_<letter> is called with the
# value; then requires OPERANDS operands. The script goes on with: shift $((OPTIND - 1)).
read_options() {
    _letters=$1 _operands=$2
    shift 2
    # getopts knows no long options: "--d3d9" comes as the option "-" with the value "d3d9".
    while getopts "b:$_letters-:" _option; do
        case $_option in
        b) { mkdir -p "$OPTARG" && build=$(cd "$OPTARG" && pwd); } || exit 2 ;;
        -)
            case $OPTARG in
            d3d9=?*) choose_d3d9 "${OPTARG#d3d9=}" ;;
            d3d9)
                [ "$OPTIND" -le $# ] || usage_error
                eval "choose_d3d9 \"\${$OPTIND}\""
                OPTIND=$((OPTIND + 1))
                ;;
            *) usage_error ;;
            esac
            ;;
        \?) usage_error ;;
        *) "option_$_option" "$OPTARG" ;;
        esac
    done
    [ $(($# - OPTIND + 1)) -eq "$_operands" ] || usage_error
}

# Installs what is missing and brings the cmake TARGETS of the build tree up to date
# (configuring it on first use).
build_targets() {
    "$root/scripts/bootstrap" || fail "bootstrap failed (see above)"
    need cmake cmake
    need ninja ninja-build
    need x86_64-w64-mingw32-g++-posix g++-mingw-w64-x86-64-posix
    [ -x /usr/lib/wine/wine64 ] || fail "/usr/lib/wine/wine64 not found: install the Debian packages wine and wine64"
    echo "$me: building in $build"
    if [ ! -f "$build/CMakeCache.txt" ]; then
        cmake --preset win64 -B "$build" >/dev/null || fail "configuring $build failed"
    fi
    cmake --build "$build" --target "$@" >/dev/null || fail "the build failed: cmake --build $build shows why"
}

# Makes the run folder $build/NAME afresh (the program, its models and textures, and FILES) and
# selects the Wine prefix $build/NAME-prefix, in which the stand-in pads replace Wine's XInput,
# and the chosen d3d9.dll (if any), placed beside the programs, replaces Wine's d3d9. Sets folder.
prepare_run() {
    folder="$build/$1"
    shift
    rm -rf "$folder"
    mkdir -p "$folder"
    cp "$build/bin/vatrel.exe" "$build"/bin/*.x "$build"/bin/*.bmp "$@" "$folder/" ||
        fail "copying the program into $folder failed"
    VATREL_WINEPREFIX="$folder-prefix"
    WINEDLLOVERRIDES="xinput1_3=n"
    if [ -n "$D3D9" ]; then
        cp "$D3D9" "$folder/d3d9.dll" || fail "copying $D3D9 into $folder failed"
        WINEDLLOVERRIDES="xinput1_3=n;d3d9=n,b"
        # DXVK would otherwise write its log files and shader cache into the run folder.
        DXVK_LOG_LEVEL=none DXVK_STATE_CACHE=0
        export DXVK_LOG_LEVEL DXVK_STATE_CACHE
    fi
    echo "$me: Direct3D 9: $(d3d9_name)"
    export VATREL_WINEPREFIX WINEDLLOVERRIDES
    . "$root/cmake/wine-common.sh"
}

. "$root/scripts/lib/headless.sh"
