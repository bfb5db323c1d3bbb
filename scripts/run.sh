#!/usr/bin/env bash
# Installs what is missing, builds, and starts vksetup. Without a parallel port
# the port library falls back to its simulated port.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
exec "${VK_BUILD_DIR:-$root/build}/vksetup/vksetup" "$@"
