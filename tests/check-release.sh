#!/usr/bin/env bash
# scripts/release.sh three times: twice unsigned, which must give the same zip, and once
# signed with a self-signed certificate made here. The signed program must verify against
# that certificate and, without its signature, be the unsigned program's bytes; SHA256SUMS
# must hold for the signed program and the zip that carries it, in one folder with the
# README.txt. Half a signing set-up must be refused.
# The checks below are functions that check() calls by name.
# shellcheck disable=SC2317
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

release() { MDH_DIST=$work/$1 "$root/scripts/release.sh" >/dev/null; }
release unsigned
release again
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/key.pem" -out "$work/cert.pem" \
  -days 2 -subj "/CN=MDHasher release test" 2>/dev/null
MDH_SIGN_CERT=$work/cert.pem MDH_SIGN_KEY=$work/key.pem release signed

failed=0
check() {
  local label=$1
  shift
  if "$@"; then echo "ok: $label"; else echo "FAIL: $label"; failed=1; fi
}
fails() { ! "$@" 2>/dev/null; }
signed=$work/signed
zip_name=$(cd "$signed" && echo ./*-win32.zip)
zip_name=${zip_name#./}
folder=${zip_name%-win32.zip}
listing() { unzip -Z1 "$signed/$zip_name" | tr '\n' ' '; }
sums_name() { cut -d' ' -f3 "$signed/SHA256SUMS" | LC_ALL=C sort | tr '\n' ' '; }
verifies() { osslsigncode verify -CAfile "$work/cert.pem" -in "$1" >/dev/null 2>&1; }
sums_hold() { (cd "$signed" && sha256sum --quiet -c SHA256SUMS); }

check "an unsigned release, made again, is the same zip" \
  cmp "$work/unsigned/$zip_name" "$work/again/$zip_name"
check "the signed program verifies against its certificate" verifies "$signed/MDHasher.exe"
osslsigncode remove-signature -in "$signed/MDHasher.exe" -out "$work/stripped.exe" >/dev/null
check "without its signature it is the unsigned program" \
  cmp "$work/stripped.exe" "$work/unsigned/MDHasher.exe"
check "SHA256SUMS names the zip and the program" test "$(sums_name)" = "$zip_name MDHasher.exe "
check "SHA256SUMS holds" sums_hold
check "the zip holds one folder, $folder/, with the program and README.txt" \
  test "$(listing)" = "$folder/ $folder/MDHasher.exe $folder/README.txt "
check "the zipped program is the signed one" \
  cmp <(unzip -p "$signed/$zip_name" "$folder/MDHasher.exe") "$signed/MDHasher.exe"
check "a certificate without its key is refused" \
  fails env MDH_SIGN_CERT="$work/cert.pem" MDH_DIST="$work/half" "$root/scripts/release.sh"
exit $failed
