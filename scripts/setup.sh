#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12 or 13, and nothing when it is
# all there.
# Usage: scripts/setup.sh [native|windows|bench|release|debian13|all]   (default: all)
# debian13 is what scripts/test-debian13.sh needs on the machine that runs it, and is not
# part of all.
set -euo pipefail

what=${1:-all}
as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

native_pkgs=(cmake g++ clang libgtest-dev libssl-dev nettle-dev)
windows_pkgs=(cmake g++ g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine wine32:i386 wine64 wine32-preloader wine64-preloader qemu-user-static
  xvfb x11-utils imagemagick fonts-liberation)
bench_pkgs=(cmake g++ g++-multilib libbenchmark-dev libssl-dev nettle-dev valgrind llvm-19)
release_pkgs=(cmake g++ g++-mingw-w64-i686 binutils-mingw-w64-i686 git zip osslsigncode)
# The test command's own: the script checker, and the release test's throwaway certificate
# and look into the zip.
check_pkgs=(shellcheck openssl unzip)
# A Debian 13 root made here, and 32-bit programs able to start in it.
debian13_pkgs=(mmdebstrap arch-test qemu-user-static git)

pkgs=()
case "$what" in
  native) pkgs=("${native_pkgs[@]}") ;;
  windows) pkgs=("${windows_pkgs[@]}") ;;
  bench) pkgs=("${bench_pkgs[@]}") ;;
  release) pkgs=("${release_pkgs[@]}") ;;
  debian13) pkgs=("${debian13_pkgs[@]}") ;;
  all) pkgs=("${native_pkgs[@]}" "${windows_pkgs[@]}" "${release_pkgs[@]}" "${check_pkgs[@]}") ;;
  *) echo "usage: $0 [native|windows|bench|release|debian13|all]" >&2; exit 2 ;;
esac

missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  if [[ " ${missing[*]} " == *":i386"* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
  fi
  as_root apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
fi

# Some kernels ship with 32-bit emulation switched off; 32-bit Wine then cannot start.
# Hand 32-bit ELF programs to qemu's user-mode emulator in that case.
if [ "$what" = windows ] || [ "$what" = all ]; then
  "$(dirname "$0")/enable-i386.sh"
elif [ "$what" = debian13 ]; then
  # Before any root is made: the kernel's handler then serves the root's 32-bit Wine too.
  "$(dirname "$0")/enable-i386.sh" /usr/lib/arch-test/i386
fi
