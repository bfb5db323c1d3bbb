#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, runs every test headless.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VK_BUILD_DIR:-$root/build}
"$root/scripts/deps.sh"
VK_BUILD_DIR=$build "$root/scripts/build.sh" -DVK_WERROR=ON
export QT_QPA_PLATFORM=offscreen
cd "$build" && ctest --output-on-failure -j"$(nproc)"
