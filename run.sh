#!/usr/bin/env bash
# Installs what is missing, builds the wizard, stages its install tree in
# build/ and opens it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZVC_TESTS=OFF
cmake --build build --parallel "$(nproc)" --target zantrel-velquist-creator page_screenshots

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display here: the wizard is built and staged in build/. Run it with: xvfb-run -a ./build/zantrel-velquist-creator"
  exit 0
fi
exec ./build/zantrel-velquist-creator
