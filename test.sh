#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test through CTest; then builds
# the Windows edition and runs its tests under Wine. A failure in either half
# fails the command.
set -euo pipefail
cd "$(dirname "$0")"
zvc_windows=1
source scripts/setup.sh

cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=Debug -DZVC_SANITIZE=ON
cmake --build build-tests --parallel "$(nproc)"

# Leaks inside system libraries (fontconfig's caches and the like) are theirs;
# the suppressions name those libraries only.
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
ctest --test-dir build-tests --output-on-failure --parallel "$(nproc)"

# The Windows edition, cross-built with MinGW-w64 and tested under Wine.
scripts/test-windows.sh
