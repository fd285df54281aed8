#!/usr/bin/env bash
# Runs the README's test command on a fresh Debian 13 (trixie), from this Debian 12 machine:
# makes a Debian 13 root with mmdebstrap as the installer's base system (Priority important,
# with trixie-updates and the security archive), puts a clean clone of the commit checked
# out here into it, and runs scripts/test.sh there in a chroot, which installs what it needs
# as on a new machine. The chroot runs in mount and PID namespaces of its own: its mounts
# and every process started in it (Xvfb, wineserver) end with it, whatever happens. The root
# is removed afterwards; the logs of a failed run are kept in build/debian13/logs.
# Usage: scripts/test-debian13.sh   (as root, or it asks sudo)
set -euo pipefail
exec </dev/null
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || exec sudo "$PWD/scripts/test-debian13.sh" "$@"

repo=$PWD
work=$repo/build/debian13
root=$work/root
logs=$work/logs
commit=$(git rev-parse HEAD)
# Where the clone goes, as a path inside the new root: root's home there.
clone=root/mdhasher
child=

# Anything left under the root: mounts of an interrupted mmdebstrap, and processes whose
# root it is (none should be: the PID namespace's end takes them all).
clean_up() {
  # unshare ignores SIGTERM, leaving it to the command it runs; killed, it has the kernel
  # kill that command, and with it every process of the namespace.
  if [ -n "$child" ]; then
    kill "$child" 2>/dev/null || true
    for _ in $(seq 1 25); do
      kill -0 "$child" 2>/dev/null || break
      sleep 0.2
    done
    kill -KILL "$child" 2>/dev/null || true
    wait "$child" 2>/dev/null || true
  fi
  local pid
  for pid in /proc/[0-9]*; do
    case $(readlink "$pid/root" 2>/dev/null) in
      "$root" | "$root"/*) kill -KILL "${pid#/proc/}" 2>/dev/null || true ;;
    esac
  done
  local target
  findmnt -rn -o TARGET | sort -r | while read -r target; do
    case $target in "$root" | "$root"/*) umount -l "$target" || true ;; esac
  done
  # --one-file-system: should a mount have stayed, what it shows is not ours to delete.
  rm -rf --one-file-system "$root"
}
trap clean_up EXIT
trap 'exit 143' INT TERM

# Runs a command in the background and waits for it, so that a signal to this script is
# handled at once, not after the command ends.
run() {
  "$@" &
  child=$!
  local rc=0
  wait "$child" || rc=$?
  child=
  return "$rc"
}

# Inside new mount and PID namespaces: the kernel's file systems for the root, a /tmp of its
# own, then the command in the root with a clean environment, as root's login would have.
# It runs in the shell that unshare starts, which is handed its text (declare -f).
# shellcheck disable=SC2317
in_root() {
  local root=$1
  shift
  mount -t proc proc "$root/proc"
  mount -t sysfs sysfs "$root/sys"
  mount --bind /dev "$root/dev"
  mount -t devpts -o newinstance,ptmxmode=0666,mode=0620 devpts "$root/dev/pts"
  mount --bind "$root/dev/pts/ptmx" "$root/dev/ptmx"
  mount -t tmpfs tmpfs "$root/dev/shm"
  mount -t tmpfs tmpfs "$root/tmp"
  chroot "$root" /usr/bin/env -i HOME=/root USER=root LOGNAME=root \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
}

# in_chroot <what> <command...>: the command in the clone, timed.
in_chroot() {
  local what=$1 started=$SECONDS rc=0
  shift
  # The inner shell expands its own arguments.
  # shellcheck disable=SC2016
  run unshare --mount --pid --fork --kill-child --propagation private \
    bash -c "set -e; $(declare -f in_root); in_root \"\$@\"" in_root "$root" \
    bash -c 'cd "$1" && shift && "$@"' "$what" "/$clone" "$@" || rc=$?
  echo "== Debian 13: $what took $((SECONDS - started)) s"
  return "$rc"
}

started=$SECONDS
scripts/setup.sh debian13
[ -z "$(git status --porcelain --untracked-files=no)" ] ||
  echo "note: uncommitted changes are not part of the test in Debian 13"
clean_up
rm -rf "$logs"
mkdir -p "$work"

echo "== Debian 13: a fresh root in $root"
step=$SECONDS
run mmdebstrap --mode=root --variant=important --quiet trixie "$root"
cp -L /etc/resolv.conf "$root/etc/resolv.conf"
git clone --quiet --no-hardlinks "$repo" "$root/$clone"
git -C "$root/$clone" checkout --quiet --detach "$commit"
echo "== Debian 13: root made in $((SECONDS - step)) s, with a clone of $commit"

rc=0
in_chroot "setup" scripts/setup.sh all || rc=$?
[ "$rc" != 0 ] || in_chroot "the test command" scripts/test.sh || rc=$?
if [ "$rc" != 0 ]; then
  mkdir -p "$logs"
  (cd "$root/$clone/build" &&
    find . \( -name LastTest.log -o -name driver.log -o -name planted-dlls.log \) \
      -exec cp --parents {} "$logs/" \;) 2>/dev/null || true
  echo "FAIL: the test command on Debian 13 (logs: $logs)"
else
  echo "ok: the test command passed on Debian 13"
fi
echo "== Debian 13: $((SECONDS - started)) s in all"
exit "$rc"
