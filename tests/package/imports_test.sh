#!/bin/sh
# Every DLL the release's binaries need is Windows' own or DirectX's; no MinGW
# runtime (libstdc++-6, libgcc_s_seh-1, libwinpthread-1). The DLLs are read from
# the import tables (objdump -p: imports, and delay imports where it prints them)
# and from every DLL name written in the file: this binutils neither indexes
# dlltool's delay-load descriptors in the PE header nor prints them, and a
# LoadLibrary call names its DLL only as a string.
#
#   imports_test.sh OBJDUMP BINARY...
set -u
set -f
objdump=$1
shift

allowed="kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll ole32.dll
msvcrt.dll ucrtbase.dll api-ms-win-crt-*.dll xinput1_4.dll xinput9_1_0.dll
d3d9.dll d3dx9_43.dll xinput1_3.dll"

status=0
for binary in "$@"; do
    name=$(basename "$binary")
    imports=$("$objdump" -p "$binary" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
    case " $(echo $imports) " in
    *" kernel32.dll "*) ;;
    *) echo "$name: objdump -p shows no import of kernel32.dll"; status=1 ;;
    esac
    named=$({ strings -a "$binary"; strings -a -el "$binary"; } |
        grep -o -i '[a-z0-9_][a-z0-9_.+-]*\.dll' | tr 'A-Z' 'a-z')
    for dll in $(printf '%s\n' $imports $named | sort -u); do
        ok=""
        for pattern in $allowed; do
            case $dll in $pattern) ok=1 ;; esac
        done
        if [ -z "$ok" ]; then
            echo "$name needs $dll, which is neither Windows' own nor DirectX's"
            status=1
        fi
    done
    echo "$name: $(printf '%s\n' $imports $named | sort -u | tr '\n' ' ')"
done
exit $status
