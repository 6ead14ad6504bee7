#!/bin/sh
# Removes the application-menu entry, the icons and the manual page that
# register-desktop-entry.sh added for the current user. The program's folder
# itself is left as it is.
set -eu

name=zantrel-velquist-creator

xdg-desktop-menu uninstall --mode user "$name.desktop"
for size in 16 32 48 256; do
  xdg-icon-resource uninstall --mode user --noupdate --size "$size" "$name"
done
xdg-icon-resource forceupdate --mode user
rm -f "$HOME/.local/share/man/man1/$name.1"

echo "Zantrel Velquist Creator ne figure plus dans le menu des applications."
