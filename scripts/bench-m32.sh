#!/usr/bin/env bash
# How fast is MD5's block function when built for 32-bit x86, the shipped target?
# This kernel runs no 32-bit programs (only qemu could, and timing qemu says nothing about
# the code), so two other ways:
#   1. llvm-mca's model of one block, for the -m32 and the x86-64 build side by side;
#   2. the -m32 instruction sequence itself, moved into 64-bit mode (bench/m32/transplant.awk)
#      and timed on this CPU against the x86-64 build and OpenSSL, interleaved.
# Usage: scripts/bench-m32.sh        (needs g++-multilib and llvm; scripts/setup.sh bench)
set -euo pipefail
cd "$(dirname "$0")/.."
out=build/bench-m32
mkdir -p "$out"
# The project's release flags.
flags=(-std=c++17 -O2 -DNDEBUG -Idigest)

g++ -m32 "${flags[@]}" -S -o "$out/md5_m32.s" digest/md5.cpp
g++ "${flags[@]}" -S -o "$out/md5_x64.s" digest/md5.cpp

block() {  # the block function's instructions alone, for llvm-mca
  awk '/^_Z12MD5TransformPjPKh:/{f=1;next} f && /\.cfi_endproc/{f=0} f && !/^[ \t]*\.[a-z]/' "$1"
}
block "$out/md5_m32.s" >"$out/block_m32.s"
block "$out/md5_x64.s" >"$out/block_x64.s"

# llvm-mca 14 knows no core newer than Zen 3; its model stands in for this machine's.
mcpu=znver3
echo "llvm-mca ($mcpu model), one 64-byte block from entry to return:"
for arch in m32 x64; do
  triple=$([ $arch = m32 ] && echo i386-linux-gnu || echo x86_64-linux-gnu)
  cycles=$(llvm-mca -mtriple="$triple" -mcpu=$mcpu -iterations=1 "$out/block_$arch.s" 2>/dev/null |
    awk '/^Total Cycles:/{print $3}')
  insns=$(grep -cv ':$' "$out/block_$arch.s")
  awk -v a=$arch -v c="$cycles" -v n="$insns" \
    'BEGIN{printf "  %-4s %4d instructions, %4d cycles = %.2f cycles/byte\n", a, n, c, c/64}'
done

awk -f bench/m32/transplant.awk "$out/md5_m32.s" >"$out/transplant.s"
as --64 -o "$out/transplant.o" "$out/transplant.s"
g++ "${flags[@]}" -Ibench -o "$out/m32_harness" bench/m32/m32_harness.cpp bench/cycle_rate.cpp \
  bench/reference_hashes.cpp digest/md5.cpp "$out/transplant.o" -lcrypto -lnettle
echo "The -m32 instruction sequence run on this CPU:"
"$out/m32_harness"
