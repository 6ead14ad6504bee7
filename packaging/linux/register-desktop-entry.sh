#!/bin/sh
# Adds Zantrel Velquist Creator to the current user's application menu, with
# its icon, pointing at the program in this folder wherever it was unpacked,
# and its manual page (man zantrel-velquist-creator). Nothing is written
# outside the user's own data folder (~/.local/share).
# unregister-desktop-entry.sh removes it again.
set -eu

tree=$(cd "$(dirname "$0")" && pwd -P)
program="$tree/zantrel-velquist-creator"
name=zantrel-velquist-creator

if [ ! -x "$program" ]; then
  echo "Le programme est introuvable : $program" >&2
  exit 1
fi

# The Exec key quotes the path: inside double quotes ", \`, \$ and \\ take a
# backslash; then every backslash of the value is doubled and % written %%.
quoted=$(printf '%s' "$program" | sed -e 's/[\\"`$]/\\&/g' -e 's/\\/\\\\/g' -e 's/%/%%/g')

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sed -e "s|^Exec=.*|Exec=\"$(printf '%s' "$quoted" | sed -e 's/[|&\\]/\\&/g')\"|" \
    "$tree/$name.desktop" > "$work/$name.desktop"

for size in 16 32 48 256; do
  xdg-icon-resource install --mode user --noupdate --size "$size" "$tree/icons/${size}x${size}/$name.png" "$name"
done
xdg-icon-resource forceupdate --mode user
xdg-desktop-menu install --mode user "$work/$name.desktop"

# man looks in ~/.local/share/man for the commands of ~/.local/bin; the page
# is copied, not linked, so that it stays whole if the folder moves.
manuals="$HOME/.local/share/man/man1"
mkdir -p "$manuals"
cp "$tree/$name.1" "$manuals/$name.1"

printf "%s\n" "Zantrel Velquist Creator figure maintenant dans le menu des applications ($program)."
