#!/bin/sh
# Removes the application-menu entry and the icons that
# register-desktop-entry.sh added for the current user. The program's folder
# itself is left as it is.
set -eu

name=zantrel-velquist-creator

xdg-desktop-menu uninstall --mode user "$name.desktop"
for size in 16 32 48 256; do
  xdg-icon-resource uninstall --mode user --noupdate --size "$size" "$name"
done
xdg-icon-resource forceupdate --mode user

echo "Zantrel Velquist Creator ne figure plus dans le menu des applications."
