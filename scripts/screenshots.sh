#!/usr/bin/env bash
# Refreshes the pictures of both dialogs in docs/ from a test run of the real program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/windows

"$root/scripts/setup.sh" windows
cmake --preset windows -S "$root" >/dev/null
cmake --build "$build" -j2 --target MDHasher ui_driver
"$root/tests/ui/run-under-wine.sh" "$build/tests/ui/ui_driver.exe" "$build/ui/MDHasher.exe" "$build"
for name in main about; do
  cp "$build/pictures/$name.png" "$root/docs/$name.png"
  echo "docs/$name.png"
done
