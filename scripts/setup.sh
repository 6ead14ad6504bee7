# Installs the Debian packages the project needs that are not installed yet.
# Sourced by run.sh and test.sh; test.sh sets zvc_windows=1 first, for the
# Windows edition's cross-compiler and Wine (about 1.2 GB that run.sh does
# not need). scripts/release.sh sets zvc_release=1: the cross-compiler and
# the release's own tools, without Wine. A script may list more in
# zvc_extra_packages.

zvc_packages=(
  cmake g++ make            # the build
  qt6-base-dev              # Qt 6 Widgets
  libgtest-dev              # the tests
  libbenchmark-dev          # the copy benchmark
  fonts-liberation          # the dialog font
  xvfb xauth                # running the wizard without a screen
  python3-pil               # the picture script's palettes and file formats
  qt6-translations-l10n     # Qt's own French texts (context menus)
  desktop-file-utils xdg-utils  # checking and registering the desktop entry
  help2man man-db            # the manual page, made from --help and checked with man
)
if [ "${zvc_windows:-0}" = 1 ]; then
  zvc_packages+=(
    g++-mingw-w64-x86-64-posix  # the Windows edition's cross-compiler and windres
    googletest                  # GoogleTest's sources, built with it
    wine64 wine fonts-wine      # running the Windows edition's tests
    locales                     # a Central European locale for Wine in those tests
    openbox                     # the window manager of the screen tests on Xvfb
    nsis                        # the Windows installer, made and tested with the tests
    osslsigncode openssl        # the signing test: a throwaway certificate, a signature
  )
fi
if [ "${zvc_release:-0}" = 1 ]; then
  zvc_packages+=(
    g++-mingw-w64-x86-64-posix  # the Windows edition's cross-compiler and windres
    strip-nondeterminism        # archives with fixed order, times and modes
    osslsigncode                # the optional Authenticode signature
    git                         # the last commit's time, for every time stamp
    diffoscope-minimal          # what differs between two releases (check-reproducible.sh)
    nsis                        # the Windows installer
  )
fi

# What a script needs beyond these, set by it before sourcing this file.
zvc_packages+=(${zvc_extra_packages[@]+"${zvc_extra_packages[@]}"})

zvc_missing=()
for package in "${zvc_packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    zvc_missing+=("$package")
  fi
done

if [ "${#zvc_missing[@]}" -gt 0 ]; then
  echo "Installing: ${zvc_missing[*]}"
  zvc_sudo=()
  [ "$(id -u)" -ne 0 ] && zvc_sudo=(sudo)
  "${zvc_sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${zvc_sudo[@]}" apt-get install -y -qq --no-install-recommends "${zvc_missing[@]}"
fi
