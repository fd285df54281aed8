#!/usr/bin/env bash
# Plants copies of a marker DLL beside a copy of the program, under the names of DLLs that
# the system's own DLLs load by name and that are not KnownDLLs on every Windows, in a
# folder that is the current one as well, and has Wine load them native first, as Windows
# loads such a DLL. The UI driver then uses the program briefly, asking for its fields as a
# screen reader does too, and no marker may have run.
# Afterwards a probe without the program's protections loads the same names from that
# folder, and every marker must run then: otherwise this test could not have seen one.
# Usage: check-planted-dlls.sh <ui_driver.exe> <MDHasher.exe> <marker.dll> <probe.exe>
#                              <build directory>
set -euo pipefail
exec </dev/null
driver=$(realpath "$1")
program=$(realpath "$2")
marker=$(realpath "$3")
probe=$(realpath "$4")
build=$(realpath "$5")
here=$(dirname "$(realpath "$0")")

# Not version.dll: Wine's own user32 imports it, before the program starts, which Windows'
# user32 does not. comctl32.dll is loaded by the program itself, and must come from the
# side-by-side store.
names=(uxtheme msimg32 dwmapi usp10 cryptbase oleacc winmm comctl32)
folder=$build/planted-dlls
rm -rf "$folder"
mkdir -p "$folder"
cp "$program" "$probe" "$folder/"
overrides=
for name in "${names[@]}"; do
  cp "$marker" "$folder/$name.dll"
  overrides+="${overrides:+;}$name=n,b"
done
cd "$folder"

# A planted DLL that ran can leave Wine complaining without end; that goes to a file.
rc=0
MDH_DLL_OVERRIDES=$overrides "$here/run-under-wine.sh" "$driver" MDHasher.exe "$build" 96 "" \
  brief 2>"$build/planted-dlls.log" || rc=$?
[ "$rc" = 0 ] || echo "(what Wine said: $build/planted-dlls.log)"
shopt -s nullglob
for ran in *.ran; do
  echo "FAIL: the planted ${ran%.ran} ran in $(cat "$ran")"
  rc=1
done
rm -f ./*.ran

# shellcheck source=../../scripts/wine-env.sh
source "$here/../../scripts/wine-env.sh" "$build"
WINEDLLOVERRIDES+=";$overrides" timeout 120 wine "${probe##*/}" "${names[@]/%/.dll}" || true
timeout 30 wineserver -k 2>/dev/null || true
for name in "${names[@]}"; do
  [ -e "$name.dll.ran" ] && continue
  echo "FAIL: not even a program without protections loaded the planted $name.dll here, so" \
    "this test cannot tell whether one runs"
  rc=1
done
[ "$rc" = 0 ] && echo "ok: none of the ${#names[@]} planted DLLs ran in the program;" \
  "each runs in a probe"
exit "$rc"
