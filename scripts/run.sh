#!/usr/bin/env bash
# Installs what is missing, builds, and starts Vornadesk.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
build="${VORNADESK_BUILD_DIR:-build}"
# The designer window is not built yet; until then this shows the command-line tool.
exec "$build/vornadesk-cli" --help "$@"
