#!/bin/sh
# Signs copies of the built Windows program with a throwaway self-signed
# certificate, through the release command's signing script, and checks:
# osslsigncode verifies the signature (and refuses the unsigned program);
# two signatures a second apart are the same bytes; a file that is not a
# Windows program is named and left as it is.
#   signature_test.sh PROGRAM SIGNING_SCRIPT
set -eu

program=$1
sign=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  printf 'FAILED: %s\n' "$*" >&2
  exit 1
}

openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=Zantrel test signer" \
  -keyout "$work/key.pem" -out "$work/certificate.pem" 2>/dev/null
cp "$program" "$work/first.exe"
cp "$program" "$work/second.exe"
printf '#!/bin/sh\necho stand-in\n' > "$work/script.exe"
cp "$work/script.exe" "$work/script.orig"

export SOURCE_DATE_EPOCH=1700000000
"$sign" "$work/certificate.pem" "$work/key.pem" "$work/first.exe" "$work/script.exe" > "$work/output.txt"
sleep 1
"$sign" "$work/certificate.pem" "$work/key.pem" "$work/second.exe" >/dev/null

osslsigncode verify -CAfile "$work/certificate.pem" -in "$work/first.exe" > "$work/verify.txt" ||
  { cat "$work/verify.txt" >&2; fail "the signed program does not verify"; }
if osslsigncode verify -CAfile "$work/certificate.pem" -in "$program" >/dev/null 2>&1; then
  fail "the unsigned program verifies"
fi
cmp -s "$work/first.exe" "$work/second.exe" || fail "two signatures with the same key differ"
cmp -s "$work/script.exe" "$work/script.orig" || fail "a file that is not a Windows program was changed"
grep -qxF "Not signed (not a Windows program): $work/script.exe" "$work/output.txt" ||
  fail "the file that is not a Windows program is not named"
echo "signature verified"
