#!/usr/bin/env bash
# The Windows half of the tests: cross-builds the Windows edition with
# MinGW-w64 and runs its test programs under Wine through CTest, in a
# private Wine prefix inside the build directory. Called by test.sh after
# the Linux tests, or alone; installs what is missing through setup.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
zvc_windows=1
source scripts/setup.sh

build=build-windows
seconds() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$(seconds)" 'BEGIN { printf "%.1f s", b - a }'; }

started=$(seconds)
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Debug
cmake --build "$build" --parallel "$(nproc)"
build_time=$(elapsed "$started")

export WINEPREFIX="$PWD/$build/wine-prefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono or Gecko prompts
wine=/usr/lib/wine/wine64

# One Wine server for the whole run, started with every stream redirected:
# a server started by the first test would hold CTest's output pipe open.
quietly() { "$@" </dev/null >/dev/null 2>&1; }
stop_wine() { quietly wineserver -k || true; }
trap stop_wine EXIT

started=$(seconds)
if [ ! -f "$WINEPREFIX/.zvc-ready" ]; then
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  quietly wineserver -p
  quietly "$wine" wineboot --init
  # Without a display: Wine's null graphics driver, chosen before Wine's
  # desktop starts, so that window tests run headless. A crash prints its
  # backtrace and ends the program instead of opening a dialog.
  quietly "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
  quietly "$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
  # Wine marks a name beginning with a point as hidden; Windows does not.
  quietly "$wine" reg add 'HKCU\Software\Wine' /v ShowDotFiles /d Y /f
  quietly wineserver -k
  quietly wineserver -w
  touch "$WINEPREFIX/.zvc-ready"
fi
# Drive Q: is an empty folder of the build directory, for the tests of a
# program at the root of a drive.
rm -rf "$build/drive-q"
mkdir -p "$build/drive-q"
ln -sfn "$PWD/$build/drive-q" "$WINEPREFIX/dosdevices/q:"
export ZVC_TEST_DRIVE=Q:

quietly wineserver -p
quietly "$wine" wineboot
prefix_time=$(elapsed "$started")

started=$(seconds)
status=0
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" || status=$?
quietly wineserver -k || true
echo "Windows edition: build $build_time, Wine prefix and server $prefix_time, tests $(elapsed "$started")"

# What only a real screen shows, under Wine's X11 driver on Xvfb.
started=$(seconds)
scripts/test-windows-screen.sh "$build" || status=$?
echo "Windows edition on the X11 driver: $(elapsed "$started")"
exit "$status"
