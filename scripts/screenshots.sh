#!/usr/bin/env bash
# Refreshes the pictures of both dialogs in docs/, at 96 and at 144 DPI, and of the message
# for text the ANSI code page cannot hold, from test runs of the real program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/windows

"$root/scripts/setup.sh" windows
cmake --preset windows -S "$root" >/dev/null
cmake --build "$build" -j2 --target MDHasher ui_driver
# shellcheck source=wine-env.sh
source "$root/scripts/wine-env.sh" "$build"
for dpi in 96 144; do
  "$root/tests/ui/run-under-wine.sh" "$build/tests/ui/ui_driver.exe" "$build/ui/MDHasher.exe" \
    "$build" "$dpi" </dev/null
  suffix=$(dpi_suffix "$dpi")
  for name in main about; do
    cp "$build/pictures$suffix/$name.png" "$root/docs/$name$suffix.png"
    echo "docs/$name$suffix.png"
  done
done
cp "$build/pictures/unrepresentable.png" "$root/docs/unrepresentable.png"
echo "docs/unrepresentable.png"
