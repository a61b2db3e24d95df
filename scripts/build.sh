#!/usr/bin/env bash
# Configures and builds the given CMake presets; by default the Windows build that Wine
# runs on this machine (see wine-env.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
. scripts/wine-env.sh null
presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=("$VIRESHADE_PRESET")
for preset in "${presets[@]}"; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$(nproc)"
done
