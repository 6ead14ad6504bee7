#!/usr/bin/env bash
# Several runs of the command line for one kit at once, repeated: how many
# kits came out mixed (files from two runs; want 0), and how long a run
# waits for the others.
#
#   bench/concurrent_kits_benchmark.sh PROGRAM [RUNS_AT_ONCE] [ROUNDS]
#
# PROGRAM is a built zantrel-velquist-creator (a Release build gives the
# meaningful times). Each round starts RUNS_AT_ONCE runs with --replace,
# each with its own version, address and language, and then checks that
# the kit's configuration and language files belong to the run whose
# version file is there, and that the folder holds exactly five files.
set -euo pipefail

program=$(realpath "$1")
at_once=${2:-8}
rounds=${3:-50}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

tree="$work/tree"
mkdir -p "$tree/Redistributable/Program" "$tree/Redistributable/Language Files"
cp "$source_dir/redistributable/Program/"* "$tree/Redistributable/Program/"
printf 'english' >"$tree/Redistributable/Language Files/Anglais.lng"
printf 'français' >"$tree/Redistributable/Language Files/Français.lng"
cp "$program" "$tree/zantrel-velquist-creator"
kit="$tree/Output/Mon Programme/Mon Programme - Update"

# One run: its exit code, whether it said it waited, and its time in µs.
run() {
  local index=$1 start end status=0 language=Français
  ((index % 2)) && language=Anglais
  start=$(date +%s%N)
  "$tree/zantrel-velquist-creator" --name "Mon Programme" --program-version "$index" \
    --address "https://x/$index" --language "$language" --replace \
    >/dev/null 2>"$work/err.$index" || status=$?
  end=$(date +%s%N)
  local waited=0
  grep -q attente "$work/err.$index" && waited=1
  echo "$status $waited $(((end - start) / 1000))" >"$work/result.$index"
}

mixed=0 failed=0
: >"$work/times"
for ((round = 0; round < rounds; round++)); do
  for ((i = 0; i < at_once; i++)); do run "$i" & done
  wait
  cat "$work"/result.* >>"$work/times"
  awk '$1 != 0 { bad++ } END { exit bad > 0 }' "$work"/result.* || failed=$((failed + 1))
  version=$(tail -c +5 "$kit.ver")
  expected_language=français
  ((version % 2)) && expected_language=english
  if [ "$(cat "$kit.cfg")" != "$(printf 'ADR https://x/%s\r\nLOC \\Mon Programme - Update.ver\r\nTIT Mon Programme' "$version")" ] ||
    [ "$(cat "$kit.lng")" != "$expected_language" ] ||
    [ "$(find "$tree/Output/Mon Programme" -mindepth 1 | wc -l)" -ne 5 ]; then
    mixed=$((mixed + 1))
  fi
  rm -f "$work"/result.*
done

echo "${at_once} runs at once for one kit, ${rounds} rounds: ${mixed} kits mixed, ${failed} rounds with a failed run"
awk '{ n++; all += $3; if ($2) { w++; waited += $3 } else { free += $3 }
       if ($3 > longest) longest = $3 }
     END { printf "runs that waited: %d of %d\n", w, n
           printf "mean run time: %.1f ms; without waiting %.1f ms, after waiting %.1f ms; longest %.1f ms\n",
                  all / n / 1000, (n > w ? free / (n - w) : 0) / 1000, (w ? waited / w : 0) / 1000, longest / 1000 }' \
  "$work/times"
