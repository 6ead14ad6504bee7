#!/usr/bin/env bash
# The Windows edition's screen tests: border pixels and tooltips, which
# only Wine's X11 driver shows. Runs win32_screen_test.exe on Xvfb with the
# openbox window manager, in a Wine prefix of its own with the X11 driver.
# Called by test-windows.sh after CTest; skipped, with a message, where
# Xvfb or openbox is missing.
#   scripts/test-windows-screen.sh [windows-build-directory]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-windows}

for program in Xvfb xvfb-run openbox; do
  if ! command -v "$program" >/dev/null; then
    echo "Screen tests skipped: $program is missing (Debian packages xvfb and openbox)."
    exit 0
  fi
done

export WINEPREFIX="$PWD/$build/wine-prefix-screen"
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export ZVC_TEST="$PWD/$build/tests/win32/win32_screen_test.exe"

xvfb-run -a -s "-screen 0 1600x1200x24" bash -euo pipefail -c '
  wine=/usr/lib/wine/wine64
  quietly() { "$@" </dev/null >/dev/null 2>&1; }
  quietly wineserver -k || true   # a server left by an interrupted run
  # A new prefix: its first server outlives wineboot for a few seconds, and
  # a persistent one cannot start beside it, so wait for it to end.
  [ -f "$WINEPREFIX/system.reg" ] || { mkdir -p "$WINEPREFIX"; quietly "$wine" wineboot --init; quietly wineserver -w; }
  quietly wineserver -p
  quietly "$wine" wineboot
  openbox >/dev/null 2>&1 &
  sleep 1
  status=0
  "$wine" "$ZVC_TEST" </dev/null || status=$?
  quietly wineserver -k || true
  exit "$status"
'
