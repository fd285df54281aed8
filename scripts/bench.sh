#!/usr/bin/env bash
# How fast the engines are beside OpenSSL and Nettle. Installs what it needs, builds with
# the project's release flags, then:
#   1. runs the interleaved benchmark (bench/md_bench.cpp) and prints its table;
#   2. counts instructions per byte of a 1 MiB hash under callgrind, a figure that does
#      not move with the machine's load;
#   3. looks at the 32-bit x86 build of MD5's block function (scripts/bench-m32.sh);
#   4. runs the real Windows program under Wine on a pasted text of 50 MB and sets its MD5
#      and MD2 times against the engines' own on the same bytes (bench/wine/e2e_bench.cpp),
#      with the memory it takes beyond the text and how long it leaves messages unanswered.
# It measures and reports; no figure makes it fail.
# Usage: scripts/bench.sh [--reps=N] [Google Benchmark flags]   (default 7 repetitions)
#        scripts/bench.sh --e2e-only                             (stage 4 alone)
# MDH_E2E_MEGABYTES sets the size of stage 4's text (default 50).
set -euo pipefail
cd "$(dirname "$0")/.."

# In a subshell of its own, so that its Wine settings and clean-up stay inside it.
e2e_stage() (
  local megabytes=${MDH_E2E_MEGABYTES:-50} build started=$SECONDS
  build=$PWD/build/windows
  echo "== The program end to end under Wine ($megabytes MB)"
  scripts/setup.sh windows
  cmake --preset windows >/dev/null
  cmake --build "$build" -j2 --target MDHasher e2e_bench >/dev/null
  # A prefix apart from the UI tests': its clean-up ends every Wine process of the prefix,
  # and the program lets only one copy of itself run in one.
  export MDH_WINEPREFIX=${MDH_WINEPREFIX:-$build/wineprefix-bench}
  # shellcheck source=wine-env.sh
  source scripts/wine-env.sh "$build"
  wine_prefix_ready
  wine_desktop_for e2e_bench.exe
  # Always a display of its own, even with $DISPLAY set: Wine hands the clipboard to the X
  # server, and the 100 MB of the paste would land on the user's desktop.
  start_virtual_display
  trap stop_all EXIT
  trap 'exit 143' INT TERM
  local log=$build/e2e_bench.log
  # The benchmark's last line tells whether it finished.
  timeout $((600 + megabytes * 30)) wine "$build/bench/wine/e2e_bench.exe" \
    "$(dos_path "$build/ui/MDHasher.exe")" "$megabytes" </dev/null | tr -d '\r' | tee "$log"
  echo "(stage 4 took $((SECONDS - started)) s; its output: $log)"
  grep -q '^end to end: done' "$log"
)

if [ "${1:-}" = --e2e-only ]; then
  e2e_stage
  exit
fi

scripts/setup.sh bench
cmake --preset bench >/dev/null
cmake --build --preset bench -j"$(nproc)" >/dev/null

log=build/bench/md_bench.log
echo "== Throughput, ours against OpenSSL and Nettle (every run: $log)"
build/bench/bench/md_bench --reps=7 --benchmark_color=false "$@" >"$log" 2>&1
awk '/^CPU:/ { shown = 1 } shown' "$log"

echo
echo "== Instructions per byte hashing 1 MiB (valgrind --tool=callgrind)"
for engine in md5 openssl-md5 nettle-md5 md2 nettle-md2; do
  out=build/bench/callgrind.$engine.out
  valgrind --tool=callgrind --callgrind-out-file="$out" --toggle-collect='*HashOnce*' \
    build/bench/bench/md_callgrind "$engine" >/dev/null 2>&1
  awk -v e="$engine" '/^summary:/ { printf "  %-12s %11d instructions  %7.2f per byte\n", e, $2, $2 / 1048576 }' "$out"
done

echo
echo "== MD5 built for 32-bit x86"
scripts/bench-m32.sh

echo
e2e_stage
