#!/usr/bin/env bash
# Installs what is missing, builds, and starts Vornadesk.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
build="${VORNADESK_BUILD_DIR:-build}"
exec "$build/vornadesk" "$@"
