#!/bin/sh
# What the release's binaries need: at load time only Windows' own DLLs and d3d9.dll, so that a stock
# Windows starts them; by name (loaded by the program itself) DirectX's too; never a MinGW runtime DLL.
# The load-time DLLs are the import table's (objdump -p, which shows no dlltool delay imports); the
# others are every DLL name written in the file, as a LoadLibrary call names its DLL only as a string.
#
#   imports_test.sh OBJDUMP BINARY...
set -u
set -f
objdump=$1
shift
load_time="kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll ole32.dll
msvcrt.dll ucrtbase.dll api-ms-win-crt-*.dll d3d9.dll"
by_name="$load_time d3dx9_43.dll xinput1_3.dll xinput1_4.dll xinput9_1_0.dll"

allowed() {  # LIST DLL: whether DLL matches a pattern of LIST
    for pattern in $1; do case $2 in $pattern) return 0 ;; esac done
    return 1
}

status=0
for binary in "$@"; do
    name=$(basename "$binary")
    imports=$("$objdump" -p "$binary" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
    case " $(echo $imports) " in *" kernel32.dll "*) ;; *) echo "$name: objdump -p shows no import of kernel32.dll"; status=1 ;; esac
    for dll in $imports; do
        allowed "$load_time" "$dll" || { echo "$name binds $dll at load time, which is not Windows' own"; status=1; }
    done
    named=$({ strings -a "$binary"; strings -a -el "$binary"; } | grep -o -i '[a-z0-9_][a-z0-9_.+-]*\.dll' | tr 'A-Z' 'a-z')
    for dll in $(printf '%s\n' $named | sort -u); do
        allowed "$by_name" "$dll" || { echo "$name needs $dll, which is neither Windows' own nor DirectX's"; status=1; }
    done
    echo "$name: at load time $(printf '%s\n' $imports | sort -u | tr '\n' ' ')"
done
exit $status
