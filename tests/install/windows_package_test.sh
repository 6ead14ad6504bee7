#!/bin/sh
# Makes the Windows edition's ZIP with CPack and checks what a user unpacks:
# the program beside Redistributable\, the stand-in updater a Windows GUI
# program (the very file the Linux archive ships), and LISEZMOI.txt in
# Windows' text form (UTF-8 mark, CR LF line ends).
#   windows_package_test.sh BUILD_DIR SOURCE_DIR
set -eu

build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  printf 'FAILED: %s\n' "$*" >&2
  exit 1
}
. "$(dirname "$0")/package_checks.sh"

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null)
archive=$(ls "$work/package"/zantrel-velquist-creator-1.00-windows-x64.zip) || fail "no ZIP named with the version"
mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$archive")
top="$work/unpacked/zantrel-velquist-creator-1.00-windows-x64"

for file in "Zantrel Velquist Creator.exe" LISEZMOI.txt "Redistributable/Program/Zantrel Velquist.exe" \
    "Redistributable/Program/Zantrel Velquist.exe.manifest" "Redistributable/Language Files/Français.lng"; do
  [ -f "$top/$file" ] || fail "the ZIP lacks $file"
done
standin="$top/Redistributable/Program/Zantrel Velquist.exe"
check_windows_gui_program "$standin"
cmp -s "$standin" "$source/redistributable/Program/Zantrel Velquist.exe" || fail "the ZIP's stand-in is not the committed one"

guide="$top/LISEZMOI.txt"
[ "$(head -c 3 "$guide" | od -An -t x1 | tr -d ' ')" = efbbbf ] || fail "LISEZMOI.txt does not begin with the UTF-8 mark"
lines=$(wc -l < "$guide")
[ "$(grep -c "$(printf '\r')\$" "$guide")" = "$lines" ] || fail "LISEZMOI.txt has lines without CR LF"
grep -q "Zantrel Velquist Creator 1.00" "$guide" || fail "LISEZMOI.txt does not give the version"
echo "Windows package complete"
