#!/usr/bin/env bash
# Screenshots of the Windows installer and uninstaller under Wine, on Xvfb
# with the openbox window manager and Wine's X11 driver, in a Wine prefix of
# their own: the installer's welcome, folder and last pages, then the
# uninstaller's first and last pages, written to docs/installer-*.png.
#   scripts/installer-screenshots.sh [windows-build-directory]
set -euo pipefail
cd "$(dirname "$0")/.."
zvc_windows=1
source scripts/setup.sh
shot_packages=(openbox xdotool imagemagick)
for package in "${shot_packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$package"
done

build=${1:-build-windows}
[ -f "$build/CMakeCache.txt" ] ||
  cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --target windows_installer
export SETUP="$PWD/$(ls "$build"/zantrel-velquist-creator-*-setup.exe)"

# A fresh prefix each time, so that the installer meets no earlier install.
export WINEPREFIX="$PWD/$build/wine-prefix-installer-screenshots"
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
export WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"  # no menu entries on the Linux desktop
export DOCS="$PWD/docs"

xvfb-run -a -s "-screen 0 1024x768x24" bash -euo pipefail -c '
  wine=/usr/lib/wine/wine64
  quietly() { "$@" </dev/null >/dev/null 2>&1; }
  quietly wineserver -k || true   # a server left by an interrupted run
  quietly wineserver -p
  trap "quietly wineserver -k || true" EXIT
  quietly "$wine" wineboot --init
  # Smoothed text, as Windows draws it by default.
  quietly "$wine" reg add "HKCU\\Control Panel\\Desktop" /v FontSmoothing /d 2 /f
  quietly "$wine" reg add "HKCU\\Control Panel\\Desktop" /v FontSmoothingType /t REG_DWORD /d 2 /f
  openbox >/dev/null 2>&1 &
  sleep 1
  # The visible window with this exact title; then a moment to paint.
  window() {
    for attempt in $(seq 60); do
      id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
      [ -n "$id" ] && { echo "$id"; return; }
      sleep 0.5
    done
    echo "no window \"$1\"" >&2
    return 1
  }
  shoot() { sleep 1.5; import -frame -window "$(window "$1")" "$DOCS/$2"; }
  press() { xdotool windowactivate --sync "$(window "$1")" key "$2"; sleep 1; }

  # Each page may add its own words to the title.
  setup="Installation de Zantrel Velquist Creator.*"
  "$wine" "$SETUP" </dev/null >/dev/null 2>&1 &
  shoot "$setup" installer-welcome.png
  press "$setup" Return
  shoot "$setup" installer-folder.png
  press "$setup" Return
  shoot "$setup" installer-finished.png
  press "$setup" Return   # Fermer, which starts the program ("Lancer" is ticked)
  press "Zantrel Velquist Creator - Bienvenue\.\.\." alt+a   # Annuler quits it

  # A kit, so that the uninstaller has one to keep.
  folder="$("$wine" cmd /c echo %LOCALAPPDATA% | tr -d "\r")\\Programs\\Zantrel Velquist Creator"
  "$wine" "$folder\\Zantrel Velquist Creator.exe" --name "Mon Programme" --program-version 1.0.0.0 \
      --address https://www.example.com/monprog.maj </dev/null >/dev/null 2>&1

  uninstall="D.*sinstallation de Zantrel Velquist Creator.*"
  "$wine" "$folder\\Uninstall.exe" </dev/null >/dev/null 2>&1
  shoot "$uninstall" uninstaller-confirm.png
  press "$uninstall" Return
  shoot "$uninstall" uninstaller-finished.png
  press "$uninstall" Return
  quietly wineserver -k || true
'
rm -rf "$WINEPREFIX"
echo "Screenshots written to docs/installer-*.png and docs/uninstaller-*.png"
