#!/usr/bin/env bash
# The Authenticode signatures of what a user installs:
#   check-signatures.sh <osslsigncode> <openssl> <trusted certificates .pem> <signed file>...
# Each file verifies, SHA-256, against the certificate the build signed with and not against another one; a copy
# with one byte changed, in the product's name or in the contents (the DLL's middle, the package's cabinet),
# fails to verify.
set -uo pipefail
osslsigncode=$1 openssl=$2 trusted=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

"$openssl" req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Someone else" -addext "extendedKeyUsage=codeSigning" \
  -keyout "$work/stranger-key.pem" -out "$work/stranger.pem" >/dev/null 2>&1 || { echo "openssl failed"; exit 1; }

verifies() { "$osslsigncode" verify -CAfile "$2" -in "$1" >"$work/verify.txt" 2>&1; }

# The offset of the first byte of the product's name (UTF-16 in the DLL, UTF-8 in the package), or of the
# contents: 100 bytes into the package's cabinet, the DLL's middle byte.
offset_of() {
  local file=$1 place=$2
  case $place in
    name) LC_ALL=C grep -obUaP 'Zenda Utilities Cellwright|Z\x00e\x00n\x00d\x00a\x00 \x00U\x00t\x00i\x00l\x00i\x00t\x00i\x00e\x00s\x00 \x00C\x00e\x00l\x00l' \
            "$file" | head -n1 | cut -d: -f1 ;;
    contents) if [[ $file == *.msi ]]; then
                echo $(( $(LC_ALL=C grep -obUaF MSCF "$file" | head -n1 | cut -d: -f1) + 100 ))
              else
                echo $(( $(stat -c %s "$file") / 2 ))
              fi ;;
  esac
}

with_byte_changed() {
  local file=$1 offset=$2 copy=$3 byte
  cp "$file" "$copy"
  byte=$(od -An -tu1 -j "$offset" -N1 "$file" | tr -d ' ')
  printf "\\$(printf '%03o' $(( byte ^ 0x20 )))" | dd of="$copy" bs=1 seek="$offset" conv=notrunc status=none
}

for file in "$@"; do
  name=$(basename "$file")
  if [ ! -f "$file" ]; then fail "$name is missing"; continue; fi
  if ! verifies "$file" "$trusted"; then
    fail "$name does not verify against $trusted:"; cat "$work/verify.txt"; continue
  fi
  grep -Eq 'Message digest algorithm *: SHA256' "$work/verify.txt" || fail "$name is not signed with SHA-256"
  verifies "$file" "$work/stranger.pem" && fail "$name verifies against a certificate that did not sign it"
  for place in name contents; do
    offset=$(offset_of "$file" "$place")
    if [ -z "$offset" ]; then fail "$name: no $place to change"; continue; fi
    with_byte_changed "$file" "$offset" "$work/changed-$name"
    cmp -s "$file" "$work/changed-$name" && fail "$name: the byte at $offset did not change"
    verifies "$work/changed-$name" "$trusted" && fail "$name still verifies with a byte of its $place changed (offset $offset)"
  done
  echo "$name: signed, SHA-256, verified; a changed byte breaks the signature"
done
exit $(( failures > 0 ))
