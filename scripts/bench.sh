#!/usr/bin/env bash
# How fast the engines are beside OpenSSL and Nettle. Installs what it needs, builds with
# the project's release flags, then:
#   1. runs the interleaved benchmark (bench/md_bench.cpp) and prints its table;
#   2. counts instructions per byte of a 1 MiB hash under callgrind, a figure that does
#      not move with the machine's load;
#   3. looks at the 32-bit x86 build of MD5's block function (scripts/bench-m32.sh).
# It measures and reports; no figure makes it fail.
# Usage: scripts/bench.sh [--reps=N] [Google Benchmark flags]   (default 7 repetitions)
set -euo pipefail
cd "$(dirname "$0")/.."

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
