#!/usr/bin/env bash
# Runs the UI driver against the program under Wine, in a virtual X display of its own.
# Usage: run-under-wine.sh <ui_driver.exe> <MDHasher.exe> <build directory> [dpi] [locale]
#                         [checks]
# Leaves the pictures the driver takes as PNG files in <build directory>/pictures, or in
# pictures-<dpi>dpi when a dpi other than the default 96 is asked for; that run uses a
# prefix of its own whose display is set to that many dots per inch.
# With a locale (ru_RU.UTF-8, say), Wine runs with that locale's ANSI code page and the
# driver runs only the checks that depend on it; the pictures go to pictures-<locale>.
# With checks (brief, say) and no locale, the driver runs only that set of its checks, and its
# log goes to pictures-<checks>. MDH_DLL_OVERRIDES, when set, is added to WINEDLLOVERRIDES
# once the prefix exists.
set -euo pipefail
# Nothing here reads the terminal; a Wine process that tried would stop the whole run when
# it is in the background.
exec </dev/null
driver=$(realpath "$1")
program=$(realpath "$2")
build=$(realpath "$3")
dpi=${4:-96}
locale=${5:-}
checks=${6:-all}

here=$(dirname "$(realpath "$0")")
# shellcheck source=../../scripts/wine-env.sh
source "$here/../../scripts/wine-env.sh" "$build" "$dpi"

pictures=$build/pictures$(dpi_suffix "$dpi")
if [ -n "$locale" ]; then
  # Wine takes its ANSI code page from the locale, even one the system has not installed.
  export LC_ALL=$locale
  pictures=$build/pictures-${locale%%.*}
  checks=code-page
elif [ "$checks" != all ]; then
  pictures=$build/pictures-$checks
fi
rm -rf "$pictures"
mkdir -p "$pictures"

wine_prefix_ready
wine_desktop_for "${driver##*/}"
[ -z "${MDH_DLL_OVERRIDES:-}" ] || WINEDLLOVERRIDES+=";$MDH_DLL_OVERRIDES"
start_virtual_display
trap stop_all EXIT
trap 'exit 143' INT TERM

# The driver's own summary line decides, whatever Wine's exit code says.
log=$pictures/driver.log

# Every wait of the driver's is bounded (a minute at most) and it prints a line per check,
# so a driver silent for this long is not waiting on the program: Wine itself has stalled,
# as 32-bit Wine under qemu now and then does (about one run in five here, always as the
# program starts). That attempt is ended and another made, up to three in all.
stall_seconds=120

run_driver() {
  : >"$log"
  timeout 600 wine "$driver" "$(dos_path "$program")" "$(dos_path "$pictures")" "$checks" |
    tee -a "$log" &
  local pipeline=$! size=-1 quiet=0
  while kill -0 "$pipeline" 2>/dev/null; do
    sleep 1
    if [ "$(stat -c %s "$log")" != "$size" ]; then
      size=$(stat -c %s "$log")
      quiet=0
    elif [ $((quiet += 1)) -ge "$stall_seconds" ]; then
      echo "no word from the driver for $stall_seconds s: Wine stalled; ending this attempt"
      timeout 30 wineserver -k 2>/dev/null || true
      wait "$pipeline" || true
      return 2
    fi
  done
  wait "$pipeline" || true
  tr -d '\r' <"$log" | grep -Eq '^[0-9]+ passed, 0 failed$'
}

for attempt in 1 2 3; do
  rc=0
  run_driver || rc=$?
  [ "$rc" = 2 ] || break
  [ "$attempt" = 3 ] || echo "trying again"
done

for bmp in "$pictures"/*.bmp; do
  [ -e "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
for png in "$pictures"/*.png; do
  [ -e "$png" ] || continue
  echo "picture: $png"
done
exit "$rc"
