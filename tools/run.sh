#!/usr/bin/env bash
# Installs what is missing, builds Zumblo and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)"
exec build/zumblo "$@"
