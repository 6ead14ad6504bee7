#!/bin/sh
# Builds the stand-in updater, redistributable/Program/Zantrel Velquist.exe,
# with MinGW-w64: a small Windows program (GUI, static, Windows' own DLLs only)
# whose one message box says that it stands in for the updater.
#   tools/make_standin.sh            writes the file
#   tools/make_standin.sh --check    builds it again and compares with the committed file
# The build happens in a fixed temporary folder with fixed flags and no time
# stamps, so the same toolchain writes the same bytes at every run.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd -P)
source_dir="$root/tools/standin"
target="$root/redistributable/Program/Zantrel Velquist.exe"
mode=${1:-write}

# The toolchain of the Windows edition (cmake/mingw-w64-x86_64.cmake).
cc=x86_64-w64-mingw32-gcc-posix
windres=x86_64-w64-mingw32-windres
command -v "$cc" >/dev/null || {
  echo "$cc is missing: install g++-mingw-w64-x86-64-posix (scripts/setup.sh with zvc_windows=1)" >&2
  exit 1
}

# A fixed folder, not mktemp's random one: paths that reach the object files
# would otherwise differ from run to run.
work=/tmp/zvc-standin-build
rm -rf "$work"
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT
cp "$source_dir/zantrel_velquist_standin.c" "$source_dir/zantrel_velquist_standin.rc" "$work/"
cd "$work"

export SOURCE_DATE_EPOCH=0 LC_ALL=C
"$windres" --target=pe-x86-64 -c 65001 zantrel_velquist_standin.rc -O coff -o standin_res.o
"$cc" -std=c11 -Os -Wall -Wextra -municode -mwindows -static -s \
  -ffile-prefix-map="$work"=. -fno-ident \
  -Wl,--no-insert-timestamp -Wl,--gc-sections -ffunction-sections -fdata-sections \
  -o standin.exe zantrel_velquist_standin.c standin_res.o

case "$mode" in
  --check)
    cmp standin.exe "$target" || { echo "the committed stand-in differs from a new build" >&2; exit 1; }
    echo "the committed stand-in is the same as a new build" ;;
  *)
    cp standin.exe "$target"
    echo "written: $target ($(wc -c < "$target") bytes)" ;;
esac
