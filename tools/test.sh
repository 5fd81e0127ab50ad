#!/usr/bin/env bash
# Installs what is missing, builds Zumblo and runs every test. With
# --sanitize, does the same in a second build tree with AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh

build_and_test() {
  local dir=$1; shift
  cmake -S . -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j"$(nproc)"
  (cd "$dir" && ctest --output-on-failure -j"$(nproc)")
}

build_and_test build
if [ "${1:-}" = "--sanitize" ]; then
  build_and_test build-asan -DZUMBLO_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DZUMBLO_BUILD_BENCH=OFF
fi
