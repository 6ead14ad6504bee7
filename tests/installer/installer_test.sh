#!/bin/bash
# The per-user installer under Wine, as a user goes through it: a silent
# install into the user's programs folder, its files, Start menu shortcuts
# and uninstall entry; a kit made by the installed program; an upgrade in
# place, refused while the program runs; a silent uninstall that keeps the
# kit in Output\.
#   installer_test.sh WINE SETUP_EXE INSTALL_TREE
# Runs in the Wine prefix of the environment (scripts/test-windows.sh).
set -eu

wine=$1
setup=$2
tree=$3
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-};winemenubuilder.exe=d"  # no menu entries on the Linux desktop
name="Zantrel Velquist Creator"
key="HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$name"

fail() {
  printf 'FAILED: %s\n' "$*" >&2
  exit 1
}
windows() { "$wine" cmd /c echo "$1" | tr -d '\r'; }
unix() { "$wine" winepath -u "$1" | tr -d '\r'; }
entry() {  # the value of the uninstall entry, or nothing
  "$wine" reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z]* *//p"
}
uninstalled() { [ ! -e "$folder/$name.exe" ] && [ ! -e "$folder/Uninstall.exe" ]; }

install_win="$(windows %LOCALAPPDATA%)\\Programs\\$name"
folder=$(unix "$install_win")
menu=$(unix "$(windows %APPDATA%)\\Microsoft\\Windows\\Start Menu\\Programs")
# A fresh start: nothing of an earlier run.
rm -rf "$folder" "$menu/$name.lnk" "$menu/Systèmes de mise à jour créés.lnk"
"$wine" reg delete "$key" /f >/dev/null 2>&1 || true

"$wine" "$setup" /S || fail "the silent install failed"

# The install tree as it was staged, and Output\ and Uninstall.exe beside it.
diff -r -x Output -x Uninstall.exe "$tree" "$folder" || fail "the installed files differ from the install tree"
[ -d "$folder/Output" ] || fail "no Output folder"
[ -f "$folder/Uninstall.exe" ] || fail "no Uninstall.exe"

# The shortcuts name the program and Output\.
strings -a "$menu/$name.lnk" | grep -qxF "$install_win\\$name.exe" || fail "no shortcut to the program"
strings -a "$menu/Systèmes de mise à jour créés.lnk" | grep -qxF "$install_win\\Output" || fail "no shortcut to Output"

[ "$(entry DisplayName)" = "$name" ] || fail "display name \"$(entry DisplayName)\""
[ "$(entry DisplayVersion)" = 1.00 ] || fail "version \"$(entry DisplayVersion)\""
[ "$(entry Publisher)" = Zantrel ] || fail "publisher \"$(entry Publisher)\""
[ "$(entry DisplayIcon)" = "$install_win\\$name.exe,0" ] || fail "icon \"$(entry DisplayIcon)\""
[ "$(entry InstallLocation)" = "$install_win" ] || fail "install location \"$(entry InstallLocation)\""
[ "$(entry UninstallString)" = "\"$install_win\\Uninstall.exe\"" ] || fail "uninstall command \"$(entry UninstallString)\""
# The size in KiB: at least that of the files installed.
size=$(($(entry EstimatedSize)))
[ "$size" -ge "$(find "$tree" -type f -printf '%s\n' | awk '{ bytes += $1 } END { print int(bytes / 1024) }')" ] ||
  fail "size $size KiB"

# The installed program makes a kit in its Output\.
kit=$("$wine" "$folder/$name.exe" --name "Mon Programme" --program-version 1.0.0.0 \
        --address https://www.example.com/monprog.maj) || fail "the installed program made no kit"
[ "$(printf '%s' "$kit" | tr -d '\r')" = "$install_win\\Output\\Mon Programme" ] || fail "kit folder \"$kit\""
kit_files=$(cd "$folder/Output" && find . -type f | sort)
[ "$(printf '%s\n' "$kit_files" | wc -l)" = 5 ] || fail "kit files: $kit_files"

# While the program runs, an upgrade stops with an error and leaves the
# install whole.
"$wine" "$folder/$name.exe" </dev/null >/dev/null 2>&1 &
running=$!
for attempt in $(seq 100); do
  grep -qF "$name.exe" "/proc/$running/maps" 2>/dev/null && break
  sleep 0.1
done
status=0
"$wine" "$setup" /S || status=$?
kill "$running"
wait "$running" 2>/dev/null || true
[ "$status" != 0 ] || fail "the install over the running program reported success"
diff -r -x Output -x Uninstall.exe "$tree" "$folder" || fail "the failed upgrade changed the install"

# Again, once the program is closed: an upgrade in place that keeps the kit.
# The Wine server lets go of a killed program's files a moment after its
# process is gone, and under load that moment can be long: the upgrade is
# tried again for a few seconds before it counts as failed.
upgraded=0
for attempt in $(seq 20); do
  "$wine" "$setup" /S && { upgraded=1; break; }
  sleep 0.5
done
[ "$upgraded" = 1 ] || fail "the upgrade failed"
diff -r -x Output -x Uninstall.exe "$tree" "$folder" || fail "the upgraded files differ from the install tree"
[ "$(cd "$folder/Output" && find . -type f | sort)" = "$kit_files" ] || fail "the upgrade changed Output"

# The uninstaller copies itself out and returns at once: wait for the files to go.
"$wine" "$folder/Uninstall.exe" /S || fail "the silent uninstall failed"
for attempt in $(seq 300); do
  uninstalled && break
  sleep 0.1
done
uninstalled || fail "the program is still there"
[ "$(cd "$folder" && find . | sort)" = "$(printf '.\n./Output\n./Output/Mon Programme\n%s\n' \
    "$(printf '%s\n' "$kit_files" | sed 's|^\./|./Output/|')" | sort)" ] ||
  fail "after the uninstall, the folder holds: $(cd "$folder" && find .)"
[ ! -e "$menu/$name.lnk" ] && [ ! -e "$menu/Systèmes de mise à jour créés.lnk" ] || fail "a shortcut is left"
! "$wine" reg query "$key" >/dev/null 2>&1 || fail "the uninstall entry is left"
rm -rf "$folder"
echo "installed, upgraded and uninstalled; the kit was kept"
