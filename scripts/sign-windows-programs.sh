#!/usr/bin/env bash
# Signs Windows programs in place with an Authenticode signature:
#   sign-windows-programs.sh CERTIFICATE.pem KEY.pem FILE...
# Each FILE that is a PE program (the wizard, the stand-in updater, an
# installer) is signed with SHA-256; a FILE that is not one is named and left
# as it is. The signature carries no time stamp from a time-stamping server,
# and its signing time is SOURCE_DATE_EPOCH (required): with an RSA key, the
# same file signed with the same key gives the same bytes on every run.
# Without a time stamp the signature holds only while the certificate is
# valid.
set -euo pipefail

if [ "$#" -lt 3 ]; then
  echo "usage: $0 CERTIFICATE.pem KEY.pem FILE..." >&2
  exit 2
fi
certificate=$1
key=$2
shift 2
: "${SOURCE_DATE_EPOCH:?SOURCE_DATE_EPOCH must give the signing time (seconds since 1970)}"

# A PE file begins with "MZ" and points, at offset 0x3c, to "PE\0\0".
is_pe_program() {
  [ "$(head -c 2 "$1")" = MZ ] || return 1
  local offset
  offset=$(od -An -t u4 -j 60 -N 4 "$1" | tr -d ' ')
  [ -n "$offset" ] && [ "$(od -An -c -j "$offset" -N 4 "$1" | tr -d ' ')" = 'PE\0\0' ]
}

for file in "$@"; do
  if ! is_pe_program "$file"; then
    echo "Not signed (not a Windows program): $file"
    continue
  fi
  signed="$file.signed"
  if ! osslsigncode sign -certs "$certificate" -key "$key" -h sha256 -time "$SOURCE_DATE_EPOCH" \
       -in "$file" -out "$signed" >/dev/null; then
    rm -f "$signed"
    echo "Could not sign $file with $certificate and $key" >&2
    exit 1
  fi
  chmod --reference="$file" "$signed"
  mv -f "$signed" "$file"
  echo "Signed: $file"
done
