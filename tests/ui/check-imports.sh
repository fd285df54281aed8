#!/usr/bin/env bash
# Fails unless the executable imports only DLLs that every Windows installation has (a MinGW
# runtime DLL here would make the program fail to start on a clean machine), and unless its
# header asks for the loader's protections: ASLR, no execution of data, and no Remote Desktop
# compatibility shims.
# Usage: check-imports.sh <objdump> <program.exe>
set -euo pipefail
objdump=$1
exe=$2

system_dlls='^(kernel32|user32|gdi32|msvcrt|advapi32|comctl32|comdlg32|shell32|ole32|oleaut32|uxtheme|version|shlwapi)\.dll$'

header=$("$objdump" -p "$exe")
mapfile -t dlls < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$header")
if [ ${#dlls[@]} -eq 0 ]; then
  echo "no imports found in $exe" >&2
  exit 1
fi
bad=0
for dll in "${dlls[@]}"; do
  if [[ ${dll,,} =~ $system_dlls ]]; then
    echo "ok       $dll"
  else
    echo "FOREIGN  $dll"
    bad=1
  fi
done
for flag in DYNAMIC_BASE NX_COMPAT TERMINAL_SERVICE_AWARE; do
  if grep -qx "[[:space:]]*$flag" <<<"$header"; then
    echo "ok       $flag"
  else
    echo "MISSING  $flag"
    bad=1
  fi
done
exit $bad
