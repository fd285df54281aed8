#!/usr/bin/env bash
# Runs the UI driver against the program under Wine, in a virtual X display of its own.
# Usage: run-under-wine.sh <ui_driver.exe> <MDHasher.exe> <build directory>
# Leaves the pictures the driver takes as PNG files in <build directory>/pictures.
set -euo pipefail
driver=$(realpath "$1")
program=$(realpath "$2")
build=$(realpath "$3")

here=$(dirname "$(realpath "$0")")
# shellcheck source=../../scripts/wine-env.sh
source "$here/../../scripts/wine-env.sh" "$build"

pictures=$build/pictures
rm -rf "$pictures"
mkdir -p "$pictures"

wine_prefix_ready
start_virtual_display
trap stop_all EXIT

rc=0
timeout 600 wine "$driver" "$(dos_path "$program")" "$(dos_path "$pictures")" || rc=$?

for bmp in "$pictures"/*.bmp; do
  [ -e "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
ls "$pictures"/*.png 2>/dev/null | sed 's/^/picture: /' || true
exit $rc
