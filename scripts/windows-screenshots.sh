#!/usr/bin/env bash
# Screenshots of the Windows edition under Wine, on Xvfb with the openbox
# window manager and Wine's X11 driver, in a Wine prefix of their own (the
# tests' prefix uses the null driver): the three pages and the replace
# question, written to docs/windows-*.png (docs/windows-*-DPI.png at another
# DPI than 96).
#   scripts/windows-screenshots.sh [windows-build-directory [dpi]]
set -euo pipefail
cd "$(dirname "$0")/.."
# The cross-compiler and Wine, and the window manager and X tools of the
# screenshots, installed by setup.sh (through sudo when not run as root).
zvc_windows=1
zvc_extra_packages=(openbox xdotool imagemagick)
source scripts/setup.sh

build=${1:-build-windows}
export DPI=${2:-96}
export SUFFIX=""
[ "$DPI" = 96 ] || SUFFIX="-$DPI"
[ -f "$build/CMakeCache.txt" ] ||
  cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --target zantrel-velquist-creator

# A staged install tree, as drive D: of Wine, with a kit of the name typed
# below, so that the replace question comes.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
folder="$stage/Zantrel Velquist Creator"
mkdir -p "$folder/Output/Mon Programme"
cp "$build/Zantrel Velquist Creator.exe" "$folder/"
cp -r "$build/Redistributable" "$folder/"
echo old > "$folder/Output/Mon Programme/Mon Programme - Update.exe"

export WINEPREFIX="$PWD/$build/wine-prefix-screenshots"
mkdir -p "$WINEPREFIX"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A fresh prefix has no dosdevices/ until Wine has made it.
[ -d "$WINEPREFIX/dosdevices" ] ||
  { /usr/lib/wine/wine64 wineboot --init </dev/null >/dev/null 2>&1; wineserver -w; }
ln -sfn "$stage" "$WINEPREFIX/dosdevices/d:"
export DOCS="$PWD/docs"

xvfb-run -a -s "-screen 0 1024x768x24" bash -euo pipefail -c '
  wine=/usr/lib/wine/wine64
  quietly() { "$@" </dev/null >/dev/null 2>&1; }
  quietly wineserver -k || true   # a server left by an interrupted run
  quietly wineserver -p
  quietly "$wine" wineboot
  # Smoothed text, as Windows draws it by default.
  quietly "$wine" reg add "HKCU\\Control Panel\\Desktop" /v FontSmoothing /d 2 /f
  quietly "$wine" reg add "HKCU\\Control Panel\\Desktop" /v FontSmoothingType /t REG_DWORD /d 2 /f
  quietly "$wine" reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d "$DPI" /f
  openbox >/dev/null 2>&1 &
  sleep 1
  "$wine" "D:\\Zantrel Velquist Creator\\Zantrel Velquist Creator.exe" </dev/null >/dev/null 2>&1 &
  # The window with this exact title, once shown; then a moment to paint.
  window() {
    for attempt in $(seq 60); do
      id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
      [ -n "$id" ] && { echo "$id"; return; }
      sleep 0.5
    done
    echo "no window \"$1\"" >&2
    return 1
  }
  shoot() { sleep 1; import -frame -window "$(window "$1")" "$DOCS/$2"; }

  shoot "Zantrel Velquist Creator - Bienvenue\.\.\." windows-welcome$SUFFIX.png
  xdotool windowactivate --sync "$(window "Zantrel Velquist Creator - Bienvenue\.\.\.")" key alt+s
  xdotool windowactivate --sync "$(window "Zantrel Velquist Creator - Saisie des param.*")"
  xdotool type --delay 20 "Mon Programme"; xdotool key Return
  xdotool type --delay 20 "1.0.0.0"; xdotool key Return
  xdotool type --delay 20 "https://www.example.com/monprog.maj"
  xdotool key shift+Tab shift+Tab
  shoot "Zantrel Velquist Creator - Saisie des param.*" windows-parameters$SUFFIX.png
  xdotool key Tab Tab Return Return Return Return
  shoot "Zantrel Velquist Creator" windows-replace$SUFFIX.png
  xdotool windowactivate --sync "$(window "Zantrel Velquist Creator")"
  xdotool key shift+Tab space   # Yes: No has the focus
  shoot "Zantrel Velquist Creator - Op.*ration termin.*e\.\.\." windows-finished$SUFFIX.png
  xdotool key Return   # Finish
  sleep 1
  quietly wineserver -k || true
'
echo "Screenshots written to docs/windows-*.png"
