#!/usr/bin/env bash
# Configures and builds Vornadesk with Ninja into build/ (or $VORNADESK_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${VORNADESK_BUILD_DIR:-build}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
ninja -C "$build" -j "$(nproc)"
