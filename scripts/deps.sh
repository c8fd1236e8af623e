#!/usr/bin/env bash
# Installs the Debian packages Vornadesk needs, quietly, and only those that are missing.
# Usage: scripts/deps.sh [extra-package...]
set -euo pipefail

# fonts-liberation2 stands in for Arial and friends; fonts-wqy-microhei carries the CJK glyphs of texts
# the skin format fixes, such as the empty picture name "(无)".
packages=(cmake ninja-build g++ pkg-config zlib1g-dev libminizip-dev libpng-dev libgtest-dev
          libbenchmark-dev qt6-base-dev fonts-liberation2 fonts-wqy-microhei "$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
