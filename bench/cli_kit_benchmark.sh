#!/usr/bin/env bash
# The command-line kit for a 1 MiB updater, as a whole process, against the
# same five files copied by cp and written by printf in one shell run.
#
#   bench/cli_kit_benchmark.sh PROGRAM [RUNS]
#
# PROGRAM is a built zantrel-velquist-creator (a Release build gives the
# meaningful figures). Both sides are timed over RUNS runs each, after one
# run that is not counted; the script checks that both write the same bytes.
set -euo pipefail

program=$(realpath "$1")
runs=${2:-200}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Two identical install trees: one for the program, one for the shell.
for tree in "$work/program" "$work/shell"; do
  mkdir -p "$tree/Redistributable/Program" "$tree/Redistributable/Language Files"
  cp "$source_dir/redistributable/Program/Zantrel Velquist.exe.manifest" "$tree/Redistributable/Program/"
  cp "$source_dir/redistributable/Language Files/"*.lng "$tree/Redistributable/Language Files/"
done
head -c 1048576 /dev/urandom >"$work/program/Redistributable/Program/Zantrel Velquist.exe"
cp "$work/program/Redistributable/Program/Zantrel Velquist.exe" "$work/shell/Redistributable/Program/"
cp "$program" "$work/program/zantrel-velquist-creator"

address="https://www.example.com/monprog.maj"
language=$("$work/program/zantrel-velquist-creator" --list-languages | sed -n 1p)

by_program() {
  "$work/program/zantrel-velquist-creator" --name "Mon Programme" --program-version 1.0.0.0 \
    --address "$address" --language "$language" --replace >/dev/null
}

# The same kit from one shell: the folder, three copies, two printf. The
# names are ASCII, so the generated files need no code-page conversion.
by_shell() {
  sh -c '
    tree=$1 address=$2 language=$3 name="Mon Programme"
    kit="$tree/Output/$name"
    mkdir -p "$kit"
    cp "$tree/Redistributable/Program/Zantrel Velquist.exe" "$kit/$name - Update.exe"
    cp "$tree/Redistributable/Program/Zantrel Velquist.exe.manifest" "$kit/$name - Update.exe.manifest"
    cp "$tree/Redistributable/Language Files/$language.lng" "$kit/$name - Update.lng"
    printf "ADR %s\r\nLOC \\\\%s - Update.ver\r\nTIT %s" "$address" "$name" "$name" >"$kit/$name - Update.cfg"
    printf "VER %s" 1.0.0.0 >"$kit/$name - Update.ver"
  ' sh "$work/shell" "$address" "$language"
}

# Mean wall-clock time of one run, in microseconds.
time_runs() {
  "$1"
  local start end
  start=$(date +%s%N)
  for ((i = 0; i < runs; i++)); do "$1"; done
  end=$(date +%s%N)
  echo $(((end - start) / runs / 1000))
}

program_us=$(time_runs by_program)
shell_us=$(time_runs by_shell)
diff -r "$work/program/Output" "$work/shell/Output" >/dev/null || {
  echo "the two kits differ" >&2
  exit 1
}

echo "command-line kit, 1 MiB updater: ${program_us} µs per run (${runs} runs)"
echo "cp and printf in one shell run:  ${shell_us} µs per run (${runs} runs)"
awk -v p="$program_us" -v s="$shell_us" 'BEGIN { printf "ratio program / shell: %.2f\n", p / s }'
