#!/usr/bin/env bash
# Checks the shell scripts with shellcheck, then builds everything and runs every test: the
# engines and text layer natively (g++, clang, and under AddressSanitizer/UBSan), then the
# Windows program itself under Wine in a virtual display, that a second build of the
# program in another folder gives the same bytes, and the release, signed and unsigned.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh all

echo "== shellcheck"
shellcheck scripts/*.sh tests/*.sh tests/ui/*.sh .ci/run

jobs=${JOBS:-2}
run_preset() {
  local preset=$1
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset"
}

run_preset native
run_preset native-clang
run_preset native-asan
run_preset windows64
run_preset windows

echo "== the program built again in another folder gives the same bytes"
cmake --preset windows -B build/windows-again -DMDH_BUILD_TESTS=OFF >/dev/null
cmake --build build/windows-again -j "$jobs" --target MDHasher >/dev/null
cmp build/windows/ui/MDHasher.exe build/windows-again/ui/MDHasher.exe

echo "== the release: unsigned twice, and signed with a throwaway certificate"
tests/check-release.sh
