#!/bin/sh
# Installs the build into a temporary folder whose name holds a space, and
# checks the tree: the program (it starts and gives its version without a
# display), Redistributable/ as the build stages it with a Windows program as
# the stand-in updater, the guide LISEZMOI.txt, the manual page (man renders
# it), the desktop entry (valid), the icons, the scripts that register them
# for the user and remove them again; then that CPack's archive holds the same
# tree.
#   install_tree_test.sh BUILD_DIR
set -eu

build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tree="$work/Zantrel Velquist"
name=zantrel-velquist-creator

fail() {
  printf 'FAILED: %s\n' "$*" >&2
  exit 1
}
. "$(dirname "$0")/package_checks.sh"

cmake --install "$build" --prefix "$tree" >/dev/null

# The tree is complete.
for file in "$name" "$name.desktop" LISEZMOI.txt "$name.1" register-desktop-entry.sh unregister-desktop-entry.sh \
    "Redistributable/Program/Zantrel Velquist.exe" "Redistributable/Program/Zantrel Velquist.exe.manifest" \
    "Redistributable/Language Files/Français.lng" "Redistributable/Language Files/Anglais.lng" \
    icons/16x16/$name.png icons/32x32/$name.png icons/48x48/$name.png icons/256x256/$name.png; do
  [ -f "$tree/$file" ] || fail "missing $file"
done
for program in "$name" register-desktop-entry.sh unregister-desktop-entry.sh; do
  [ -x "$tree/$program" ] || fail "$program is not executable"
done
diff -r "$build/Redistributable" "$tree/Redistributable" || fail "Redistributable/ differs from the build's"
desktop-file-validate "$tree/$name.desktop" || fail "the desktop entry is not valid"
check_windows_gui_program "$tree/Redistributable/Program/Zantrel Velquist.exe"

# The guide: Unix line ends, the version filled in.
[ "$(head -n 1 "$tree/LISEZMOI.txt")" = "Zantrel Velquist Creator 1.00" ] || fail "LISEZMOI.txt does not begin with the version"
! grep -q "$(printf '\r')" "$tree/LISEZMOI.txt" || fail "LISEZMOI.txt has CR line ends"

# The manual page renders without a warning and holds the options of --help.
LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$tree/$name.1" > "$work/manual.txt" 2> "$work/manual-warnings.txt" ||
  fail "man cannot render the manual page"
[ ! -s "$work/manual-warnings.txt" ] || fail "man warns about the manual page: $(cat "$work/manual-warnings.txt")"
for option in --name --program-version --address --language --replace --list-languages; do
  grep -q -- "$option" "$work/manual.txt" || fail "the manual page lacks $option"
done

# The installed program starts, with no display: it gives its version.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$tree/$name" --version) ||
  fail "the installed program does not start"
[ "$version" = "Zantrel Velquist Creator 1.00" ] || fail "the installed program gives the version \"$version\""

# Registered for a user of its own, the entry starts the program of this tree.
export HOME="$work/home" XDG_DATA_HOME="$work/home/data"
mkdir -p "$HOME"
"$tree/register-desktop-entry.sh" >/dev/null
entry="$XDG_DATA_HOME/applications/$name.desktop"
[ -f "$entry" ] || fail "the entry was not registered"
grep -qxF "Exec=\"$tree/$name\"" "$entry" || fail "the registered entry does not start $tree/$name"
desktop-file-validate "$entry" || fail "the registered entry is not valid"
manual="$HOME/.local/share/man/man1/$name.1"
cmp -s "$tree/$name.1" "$manual" || fail "the manual page was not registered"
for size in 16 32 48 256; do
  cmp -s "$tree/icons/${size}x${size}/$name.png" "$XDG_DATA_HOME/icons/hicolor/${size}x${size}/apps/$name.png" ||
    fail "icon $size was not registered"
done
"$tree/unregister-desktop-entry.sh" >/dev/null
[ ! -e "$entry" ] || fail "the entry is still registered"
[ ! -e "$manual" ] || fail "the manual page is still registered"
for size in 16 32 48 256; do
  [ ! -e "$XDG_DATA_HOME/icons/hicolor/${size}x${size}/apps/$name.png" ] || fail "icon $size is still registered"
done

# CPack's archive: the same tree under one folder named with version and architecture.
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null)
archive=$(ls "$work/package"/$name-1.00-linux-*.tar.gz) || fail "no archive named with version and architecture"
top=$(basename "$archive" .tar.gz)
(cd "$tree" && find . -type f | sed 's|^\./||' | sort) > "$work/tree.txt"
tar -tzf "$archive" | grep -v '/$' | sed "s|^$top/||" | sort > "$work/archive.txt"
diff "$work/tree.txt" "$work/archive.txt" || fail "the archive does not hold the install tree"
echo "install tree complete"
