#!/usr/bin/env bash
# How fast is MD5's block function when built for 32-bit x86, the shipped target?
# Not every kernel here runs 32-bit programs (where it does not, only qemu could, and timing
# qemu says nothing about the code), so two ways that work on any x86-64 machine:
#   1. llvm-mca's models of one block, for the -m32 and the x86-64 build side by side;
#   2. the -m32 instruction sequence itself, moved into 64-bit mode (bench/m32/transplant.awk)
#      and timed on this CPU against the x86-64 build and OpenSSL, interleaved.
# Usage: scripts/bench-m32.sh        (needs g++-multilib and llvm-19; scripts/setup.sh bench)
set -euo pipefail
cd "$(dirname "$0")/.."
out=build/bench-m32
mkdir -p "$out"

# The block function as the project's CMake builds it, with the compile options that
# digest/CMakeLists.txt gives it: once for 32-bit x86 (g++ -m32 standing in for the
# MinGW-w64 i686 compiler, the same GCC) and once for x86-64.
for arch in m32 x64; do
  cxx_flags=
  [ "$arch" = m32 ] && cxx_flags=-m32
  cmake -S . -B "$out/$arch" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Release \
    -DMDH_BUILD_TESTS=OFF -DCMAKE_CXX_FLAGS="$cxx_flags" >/dev/null
  cmake --build "$out/$arch" --target digest -j2 >/dev/null
  make -s -C "$out/$arch/digest" md5_transform.s >/dev/null
  cp "$out/$arch/digest/CMakeFiles/digest.dir/md5_transform.cpp.s" "$out/md5_$arch.s"
  # The block function's instructions alone, for llvm-mca.
  awk '/^_Z12MD5TransformPjPKh:/{f=1;next} f && /\.cfi_endproc/{f=0} f && !/^[ \t]*\.[a-z]/' \
    "$out/md5_$arch.s" >"$out/block_$arch.s"
done

echo "llvm-mca 19, one 64-byte block from entry to return (predictions, not measurements):"
for mcpu in znver4 sapphirerapids; do
  for arch in m32 x64; do
    triple=$([ $arch = m32 ] && echo i386-linux-gnu || echo x86_64-linux-gnu)
    cycles=$(llvm-mca-19 -mtriple="$triple" -mcpu="$mcpu" -iterations=1 "$out/block_$arch.s" 2>/dev/null |
      awk '/^Total Cycles:/{print $3}')
    insns=$(grep -cv ':$' "$out/block_$arch.s")
    awk -v m=$mcpu -v a=$arch -v c="$cycles" -v n="$insns" \
      'BEGIN{printf "  %-14s %-4s %4d instructions, %4d cycles = %.2f cycles/byte\n", m, a, n, c, c/64}'
  done
done

awk -f bench/m32/transplant.awk "$out/md5_m32.s" >"$out/transplant.s"
as --64 -o "$out/transplant.o" "$out/transplant.s"
g++ -std=c++17 -O2 -DNDEBUG -Idigest -Ibench -o "$out/m32_harness" bench/m32/m32_harness.cpp \
  bench/cycle_rate.cpp bench/reference_hashes.cpp "$out/transplant.o" "$out/x64/digest/libdigest.a" \
  -lcrypto -lnettle
echo "The -m32 instruction sequence run on this CPU:"
"$out/m32_harness"
