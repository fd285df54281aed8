#!/usr/bin/env bash
# Makes 32-bit x86 Linux programs (32-bit Wine among them) start on a kernel whose own
# 32-bit support is switched off, by registering qemu-i386 as their interpreter. The kernel
# opens the interpreter once, as it registers it (flag F), so it serves programs in a chroot
# too, where no qemu is installed.
# Usage: enable-i386.sh [a 32-bit program to try]   (default: Wine's own, from wine32)
set -euo pipefail
as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

probe=${1:-/usr/lib/wine/wine}
[ -x "$probe" ] || exit 0
"$probe" --version >/dev/null 2>&1 && exit 0

binfmt=/proc/sys/fs/binfmt_misc
[ -e "$binfmt/register" ] || as_root mount -t binfmt_misc binfmt_misc "$binfmt"
if [ ! -e "$binfmt/qemu-i386" ]; then
  magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  echo ":qemu-i386:M::$magic:$mask:/usr/bin/qemu-i386-static:F" | as_root tee "$binfmt/register" >/dev/null
fi
if ! "$probe" --version >/dev/null 2>&1; then
  echo "enable-i386: 32-bit programs still cannot start on this machine" >&2
  exit 1
fi
echo "enable-i386: 32-bit programs run through qemu-i386 on this kernel"
