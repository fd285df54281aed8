#!/usr/bin/env bash
# Builds the Windows program and starts it under Wine.
# With a display ($DISPLAY set) the program opens there and runs until it is closed.
# Without one it runs in a virtual display: the script waits for the window, saves a
# picture of it, says where, and closes the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/windows

"$root/scripts/setup.sh" windows
cmake --preset windows -S "$root" >/dev/null
cmake --build "$build" -j2 --target MDHasher
exe=$build/ui/MDHasher.exe

# shellcheck source=wine-env.sh
source "$root/scripts/wine-env.sh" "$build"
wine_prefix_ready

if [ -n "${DISPLAY:-}" ]; then
  echo "starting $exe on $DISPLAY"
  wine "$exe"
  exit 0
fi

start_virtual_display
trap stop_all EXIT
title=$(sed -n 's/^#define APP_TITLE_LITERAL "\(.*\)"$/\1/p' "$root/ui/app_title.h")
wine "$exe" &
window=
for _ in $(seq 1 120); do
  window=$(xwininfo -root -tree 2>/dev/null | grep -F "\"$title\"" | awk '{print $1}' | head -n1 || true)
  [ -n "$window" ] && break
  sleep 0.5
done
if [ -z "$window" ]; then
  echo "the program's window did not appear" >&2
  exit 1
fi
sleep 1  # let it finish painting
mkdir -p "$build/pictures"
picture=$build/pictures/run.png
import -window "$window" "$picture"
echo "no display: ran the program in a virtual one; picture of its window: $picture"
