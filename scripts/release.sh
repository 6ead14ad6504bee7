#!/usr/bin/env bash
# Makes a release from this clone: the Linux tarball, the Windows ZIP and the
# Windows installer, built in Release without the tests, in dist/ beside
# dist/SHA256SUMS.
#   scripts/release.sh
# Two clones of the same commit give the same bytes in dist/, whatever their
# folders, users, umasks and times (scripts/check-reproducible.sh compares
# two). When ZVC_SIGN_CERT and ZVC_SIGN_KEY name a PEM certificate and its
# key, the Windows programs are signed (Authenticode) before they are packed.
# Installs what is missing through setup.sh, as run.sh does.
set -euo pipefail

# The signing files are named from where the command was started.
sign_cert=${ZVC_SIGN_CERT:-}
sign_key=${ZVC_SIGN_KEY:-}
if [ -n "$sign_cert$sign_key" ]; then
  if [ ! -f "$sign_cert" ] || [ ! -f "$sign_key" ]; then
    echo "ZVC_SIGN_CERT and ZVC_SIGN_KEY must both name a file: a PEM certificate and its key." >&2
    exit 1
  fi
  sign_cert=$(realpath "$sign_cert")
  sign_key=$(realpath "$sign_key")
fi

cd "$(dirname "$0")/.."
zvc_release=1
source scripts/setup.sh

# Every time stamp is the last commit's; names sort and dates read the same
# on every machine; new files get the same modes whatever the caller's umask.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C.UTF-8
umask 022
if [ -n "$(git status --porcelain)" ]; then
  echo "Warning: this tree differs from commit $(git rev-parse --short HEAD);" \
       "the packages are not that commit's." >&2
fi

build=build-release
stage=$build/stage
dist=dist
rm -rf "$build" "$dist"
mkdir -p "$stage" "$dist"

# Configures and builds one edition in Release, without the tests.
build_edition() { # BUILD_DIR [CMAKE_OPTION...]
  local dir=$1
  shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DZVC_TESTS=OFF "$@"
  cmake --build "$dir" --parallel "$(nproc)"
}

# The package's name without extension, as packaging/packaging.cmake gives it.
package_name() { # BUILD_DIR
  local name
  name=$(sed -n 's/^set(CPACK_PACKAGE_FILE_NAME "\(.*\)")$/\1/p' "$1/CPackConfig.cmake")
  [ -n "$name" ] || { echo "No package name in $1/CPackConfig.cmake" >&2; return 1; }
  echo "$name"
}

# Installs a build into $stage/NAME, the folder that its packages hold.
# A clone's modes follow the umask it was made with: here rw-r--r--, and
# rwxr-xr-x for programs and folders.
stage_tree() { # BUILD_DIR NAME
  cmake --install "$1" --prefix "$stage/$2" >/dev/null
  chmod -R u+rwX,go=rX "$stage/$2"
}

# The tarball: entries sorted by name, owned by 0:0, dated from the commit;
# gzip writes no name and no date.
pack_tarball() { # NAME
  tar --sort=name --format=gnu --owner=0 --group=0 --numeric-owner --mtime="@$SOURCE_DATE_EPOCH" \
      -C "$stage" -cf - "$1" | gzip -9 -n > "$dist/$1.tar.gz"
  strip-nondeterminism --type gzip --timestamp "$SOURCE_DATE_EPOCH" "$dist/$1.tar.gz"
}

# The ZIP, written by CMake's archiver (entries UTF-8 named, as Windows reads
# them), then given a fixed order, dates and modes by strip-nondeterminism.
pack_zip() { # NAME
  local zip=$PWD/$dist/$1.zip
  (cd "$stage" && cmake -E tar cf "$zip" --format=zip -- "$1")
  strip-nondeterminism --type zip --timestamp "$SOURCE_DATE_EPOCH" "$zip"
}

# Signs the Windows programs given, when a certificate and key were given.
sign_windows_programs() { # FILE...
  if [ -n "$sign_cert" ]; then
    scripts/sign-windows-programs.sh "$sign_cert" "$sign_key" "$@"
  fi
}

# ---------------------------------------------------------------------------
# THE WINDOWS PACKAGES. Each is made from the one staged and signed tree
# $stage/NAME: the ZIP, and the per-user installer (NSIS), itself a program
# and so signed too. SHA256SUMS lists every file in $dist.
windows_packages() { # NAME
  pack_zip "$1"
  local windows=$build/windows installer
  cmake -S . -B "$windows" -DZVC_INSTALLER_FROM="$PWD/$stage/$1" >/dev/null
  cmake --build "$windows" --target windows_installer
  installer=$(find "$windows" -maxdepth 1 -name '*-setup.exe' -printf '%f\n')
  cp "$windows/$installer" "$dist/$installer"
  sign_windows_programs "$dist/$installer"
}
# ---------------------------------------------------------------------------

echo "== The Linux edition"
build_edition "$build/linux"
linux_name=$(package_name "$build/linux")
stage_tree "$build/linux" "$linux_name"
pack_tarball "$linux_name"

echo "== The Windows edition"
build_edition "$build/windows" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
windows_name=$(package_name "$build/windows")
stage_tree "$build/windows" "$windows_name"
if [ -n "$sign_cert" ]; then
  echo "Signing the Windows programs with $sign_cert"
else
  echo "ZVC_SIGN_CERT and ZVC_SIGN_KEY are not set: the Windows programs are packed unsigned."
fi
sign_windows_programs "$stage/$windows_name/Zantrel Velquist Creator.exe" \
                      "$stage/$windows_name/Redistributable/Program/Zantrel Velquist.exe"
windows_packages "$windows_name"

echo "== Checksums"
(
  cd "$dist"
  find . -maxdepth 1 -type f ! -name SHA256SUMS -printf '%P\n' | sort | xargs -d '\n' sha256sum -- > SHA256SUMS
  sha256sum --strict -c SHA256SUMS
)

echo "== The release of commit $(git rev-parse --short HEAD), in $PWD/$dist:"
for file in "$dist"/*; do
  printf '%12s bytes  %s\n' "$(stat -c %s "$file")" "$PWD/$file"
done
