#!/usr/bin/env bash
# Builds the release of the committed sources (HEAD; uncommitted changes are left out) and
# writes, in dist/:
#   MDHasher-<version>-win32.zip   the program and its README.txt
#   MDHasher.exe                   the same program, so that SHA256SUMS can be checked here
#   SHA256SUMS                     sha256sum's lines for the zip and the program
# and prints the zip's path last. The same commit gives the same bytes in any clone.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dist=$root/dist

"$root/scripts/setup.sh" release

if [ -n "$(git -C "$root" status --porcelain --untracked-files=no)" ]; then
  echo "release: uncommitted changes are not in the release; it is built from HEAD" >&2
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/src"
git -C "$root" archive HEAD | tar -x -C "$work/src"

build=$work/src/build/windows
# A build from source, as anyone would make it: a new warning of a newer compiler must not
# stop it.
(cd "$work/src" && cmake --preset windows -DMDH_BUILD_TESTS=OFF -DMDH_WARNINGS_AS_ERRORS=OFF >/dev/null)
cmake --build "$build" -j "${JOBS:-2}" --target MDHasher >/dev/null
cmake --install "$build" --prefix "$work/stage" >/dev/null
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
zip_name=MDHasher-$version-win32.zip

# The zip stores each file's time and mode; take the time from the commit. zip -X leaves out
# the owner's user and group ids, which CMake's own zip writer (cmake -E tar, CPack; CMake
# 3.25) always stores, so that a clone of another user would give other bytes.
epoch=$(git -C "$root" log -1 --format=%ct HEAD)
chmod 644 "$work/stage/README.txt"
chmod 755 "$work/stage/MDHasher.exe"
touch -d "@$epoch" "$work/stage/MDHasher.exe" "$work/stage/README.txt"

rm -rf "$dist"
mkdir -p "$dist"
(cd "$work/stage" && TZ=UTC zip -X -D -q "$dist/$zip_name" MDHasher.exe README.txt)
cp "$work/stage/MDHasher.exe" "$dist/MDHasher.exe"
(cd "$dist" && sha256sum "$zip_name" MDHasher.exe >SHA256SUMS && cat SHA256SUMS)
echo "$dist/$zip_name"
