#!/usr/bin/env bash
# Checks that a release is reproducible, before it is published: clones the
# commit twice into two different folders (one with a space in its path),
# runs scripts/release.sh in each, one after the other and with different
# umasks and time zones, and compares the two dist/ folders byte for byte.
# Prints the SHA-256 of each package from each clone; where they differ,
# diffoscope says how, in a text file beside the clones.
#   scripts/check-reproducible.sh [COMMIT]    (default: HEAD)
# Slow: two full release builds, without the compiler cache. Not part of
# ./test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
zvc_release=1
source scripts/setup.sh

commit=$(git rev-parse --verify "${1:-HEAD}^{commit}")
repository=$(git rev-parse --show-toplevel)
work=$(mktemp -d "${TMPDIR:-/tmp}/zvc-reproducible.XXXXXX")
first=$work/first/zantrel-velquist-creator
second="$work/second clone/of the same commit"
# Each clone compiles everything itself.
export CCACHE_DISABLE=1

release_in() { # FOLDER UMASK TZ LOG
  mkdir -p "$(dirname "$1")"
  git clone --quiet --no-checkout "$repository" "$1"
  git -C "$1" checkout --quiet --detach "$commit"
  echo "$(date -u +%T) release in $1 (umask $2, TZ=$3)"
  if ! (umask "$2" && cd "$1" && TZ=$3 scripts/release.sh) >"$4" 2>&1; then
    tail -n 30 "$4" >&2
    echo "The release failed in $1 (log: $4)" >&2
    exit 1
  fi
}

release_in "$first" 022 UTC "$work/first.log"
release_in "$second" 002 Pacific/Auckland "$work/second.log"

echo "Commit $commit:"
status=0
for file in "$first"/dist/* "$second"/dist/*; do
  name=$(basename "$file")
  [ -e "$first/dist/$name" ] && [ -e "$second/dist/$name" ] || { echo "Only in one release: $file"; status=1; }
done
for file in "$first"/dist/*; do
  name=$(basename "$file")
  [ -e "$second/dist/$name" ] || continue
  printf '  %s\n    %s  first clone\n    %s  second clone\n' "$name" \
    "$(sha256sum < "$file" | cut -d' ' -f1)" "$(sha256sum < "$second/dist/$name" | cut -d' ' -f1)"
  if ! cmp -s "$file" "$second/dist/$name"; then
    report=$work/diffoscope-$name.txt
    diffoscope --text "$report" --no-progress "$file" "$second/dist/$name" >/dev/null || true
    echo "    DIFFERENT: see $report"
    status=1
  fi
done

if [ "$status" = 0 ]; then
  echo "Reproducible: both clones gave the same files."
  rm -rf "$work"
else
  echo "Not reproducible; the clones and their logs are kept in $work" >&2
fi
exit "$status"
