#!/usr/bin/env bash
# Runs the UI driver against the program under Wine, in a virtual X display of its own.
# Usage: run-under-wine.sh <ui_driver.exe> <MDHasher.exe> <build directory> [dpi]
# Leaves the pictures the driver takes as PNG files in <build directory>/pictures, or in
# pictures-<dpi>dpi when a dpi other than the default 96 is asked for; that run uses a
# prefix of its own whose display is set to that many dots per inch.
set -euo pipefail
driver=$(realpath "$1")
program=$(realpath "$2")
build=$(realpath "$3")
dpi=${4:-96}

here=$(dirname "$(realpath "$0")")
# shellcheck source=../../scripts/wine-env.sh
source "$here/../../scripts/wine-env.sh" "$build" "$dpi"

pictures=$build/pictures
[ "$dpi" = 96 ] || pictures=$build/pictures-${dpi}dpi
rm -rf "$pictures"
mkdir -p "$pictures"

wine_prefix_ready
start_virtual_display
trap stop_all EXIT

# A Wine virtual desktop: Wine then draws the dialogs' frames and handles focus and input
# itself, as Windows does, instead of leaving them to an X window manager that Xvfb lacks.
# Its exit code is always 0, so the driver's own summary line decides.
log=$pictures/driver.log
rc=0
timeout 600 wine explorer "/desktop=mdhasher-tests,$(screen_size)" \
  "$driver" "$(dos_path "$program")" "$(dos_path "$pictures")" </dev/null | tee "$log" || rc=$?
tr -d '\r' <"$log" | grep -Eq '^[0-9]+ passed, 0 failed$' || rc=1

for bmp in "$pictures"/*.bmp; do
  [ -e "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
ls "$pictures"/*.png 2>/dev/null | sed 's/^/picture: /' || true
exit $rc
