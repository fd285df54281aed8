#!/usr/bin/env bash
# Fails unless the executable imports only KnownDLLs, which every Windows installation has
# and always takes from the system folder (a MinGW runtime DLL here would make the program
# fail to start on a clean machine; any other DLL could be planted beside it), loads the
# common controls at run time and asks them for their classes (Windows XP registers their
# version 6 classes only then), declares the oldest Windows it runs on, and asks for the
# loader's protections: ASLR, no execution of data, no Remote Desktop compatibility shims,
# and on 32-bit x86 no structured exception handlers in the image.
# Usage: check-imports.sh <objdump> <program.exe> <Windows version, as 5.1>
# The checks below are functions that check() calls by name.
# shellcheck disable=SC2317
set -euo pipefail
objdump=$1
exe=$2
version=$3

# KnownDLLs on every Windows from XP on; on XP msvcrt and shlwapi count as known as
# dependencies of KnownDLLs.
system_dlls='^(kernel32|user32|gdi32|msvcrt|advapi32|comdlg32|shell32|ole32|oleaut32|shlwapi)\.dll$'

header=$("$objdump" -p "$exe")
mapfile -t dlls < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$header")
if [ ${#dlls[@]} -eq 0 ]; then
  echo "no imports found in $exe" >&2
  exit 1
fi
bad=0
# check <label> <word for a failure> <command...>
check() {
  local label=$1 failure=$2
  shift 2
  if "$@"; then echo "ok       $label"; else echo "$failure  $label"; bad=1; fi
}
is_system_dll() { [[ ${1,,} =~ $system_dlls ]]; }
imports_nothing_named() { ! grep -qw "$1" <<<"$header"; }
looks_up() { grep -qaw "$1" "$exe"; }
has_flag() { grep -qx "[[:space:]]*$1" <<<"$header"; }
declared_version() {
  echo "$(sed -n "s/^Major$1Version[[:space:]]*//p" <<<"$header").$(sed -n "s/^Minor$1Version[[:space:]]*//p" <<<"$header")"
}

for dll in "${dlls[@]}"; do check "$dll" FOREIGN is_system_dll "$dll"; done
check "InitCommonControlsEx looked up at run time" MISSING looks_up InitCommonControlsEx
# libssp's stack guard set-up: it would load a cryptographic provider DLL before WinMain.
check "no CryptAcquireContextA" PRESENT imports_nothing_named CryptAcquireContextA
flags=(DYNAMIC_BASE NX_COMPAT TERMINAL_SERVICE_AWARE)
# 64-bit Windows finds exception handlers in tables, where the flag means nothing.
grep -q '^Magic.*(PE32)$' <<<"$header" && flags+=(NO_SEH)
for flag in "${flags[@]}"; do check "$flag" MISSING has_flag "$flag"; done
for field in OSystem Subsystem; do
  declared=$(declared_version "$field")
  check "$field version $declared, wanted $version" WRONG test "$declared" = "$version"
done
exit $bad
