#!/usr/bin/env bash
# Builds the release of the committed sources (HEAD; uncommitted changes are left out) and
# writes, in dist/:
#   MDHasher-<version>-win32.zip   one folder, MDHasher-<version>/, with the program and its
#                                  README.txt
#   MDHasher.exe                   the same program, so that SHA256SUMS can be checked here
#   SHA256SUMS                     sha256sum's lines for the zip and the program
# and prints the zip's path last. The same commit gives the same bytes in any clone.
# With MDH_SIGN_CERT and MDH_SIGN_KEY set (PEM files: the certificate, with any intermediate
# ones after it, and its private key) the program is signed with Authenticode before it is
# zipped, and timestamped where MDH_SIGN_TIMESTAMP_URL names an RFC 3161 server. Taking the
# signature off again (osslsigncode remove-signature) gives exactly the unsigned program;
# the script makes sure of that before it writes anything.
# MDH_DIST names another folder than dist/ for what it writes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dist=${MDH_DIST:-$root/dist}

# Half of a signing set-up is a mistake, not a wish for an unsigned release.
if [ -n "${MDH_SIGN_CERT:-}" ] && [ -n "${MDH_SIGN_KEY:-}" ]; then
  sign=1
elif [ -n "${MDH_SIGN_CERT:-}${MDH_SIGN_KEY:-}" ]; then
  echo "release: set both MDH_SIGN_CERT and MDH_SIGN_KEY to sign, or neither" >&2
  exit 2
else
  sign=
fi

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
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
folder=MDHasher-$version
zip_name=$folder-win32.zip
# Unpacked with "Extract here" into Downloads, the program lands in a folder of its own, not
# among whatever else was saved there.
stage=$work/stage/$folder
cmake --install "$build" --prefix "$stage" >/dev/null

if [ -n "$sign" ]; then
  title=$(sed -n 's/^#define APP_TITLE_LITERAL "\(.*\)"$/\1/p' "$work/src/ui/app_title.h")
  timestamp=()
  [ -z "${MDH_SIGN_TIMESTAMP_URL:-}" ] || timestamp=(-ts "$MDH_SIGN_TIMESTAMP_URL")
  mv "$stage/MDHasher.exe" "$work/unsigned.exe"
  osslsigncode sign -certs "$MDH_SIGN_CERT" -key "$MDH_SIGN_KEY" -h sha256 -n "$title" \
    "${timestamp[@]}" -in "$work/unsigned.exe" -out "$stage/MDHasher.exe" >/dev/null
  # What lets anyone who rebuilds the release compare it with the signed one.
  osslsigncode remove-signature -in "$stage/MDHasher.exe" -out "$work/stripped.exe" >/dev/null
  if ! cmp -s "$work/unsigned.exe" "$work/stripped.exe"; then
    echo "release: without its signature the program is not the unsigned build's bytes" >&2
    exit 1
  fi
fi

# The zip stores each file's time and mode; take the time from the commit. zip -X leaves out
# the owner's user and group ids, which CMake's own zip writer (cmake -E tar, CPack; CMake
# 3.25) always stores, so that a clone of another user would give other bytes.
epoch=$(git -C "$root" log -1 --format=%ct HEAD)
chmod 755 "$stage" "$stage/MDHasher.exe"
chmod 644 "$stage/README.txt"
touch -d "@$epoch" "$stage" "$stage/MDHasher.exe" "$stage/README.txt"

rm -rf "$dist"
mkdir -p "$dist"
(cd "$work/stage" && TZ=UTC zip -X -q "$dist/$zip_name" "$folder/" "$folder/MDHasher.exe" \
  "$folder/README.txt")
cp "$stage/MDHasher.exe" "$dist/MDHasher.exe"
(cd "$dist" && sha256sum "$zip_name" MDHasher.exe >SHA256SUMS && cat SHA256SUMS)
echo "$dist/$zip_name"
