#!/usr/bin/env bash
# Installs whatever is missing, builds everything and runs every test: the host unit tests
# (under AddressSanitizer and UBSan), a short fuzzing run, the Windows tests under Wine,
# and the end-to-end suite that drives the built program on a virtual display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)

scripts/setup.sh
. scripts/wine-env.sh null
step() { printf '\n== %s\n' "$*"; }

step "host: pure logic and the pictures"
cmake --preset host >/dev/null
cmake --build --preset host -j"$jobs"
ctest --preset host -j"$jobs"

step "fuzz: TextToInt, short run"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$jobs"
ctest --test-dir out/build/fuzz --output-on-failure

step "windows: the shipped 32-bit program"
scripts/build.sh win32
ctest --preset win32 -R '^executable$'

if [ "$VIRESHADE_PRESET" != win32 ]; then
  echo "This kernel cannot run 32-bit code; Wine runs the $VIRESHADE_PRESET build of the same sources."
  step "windows: the $VIRESHADE_PRESET build"
  scripts/build.sh "$VIRESHADE_PRESET"
fi

step "windows: tests under Wine ($VIRESHADE_PRESET)"
ctest --preset "$VIRESHADE_PRESET" -E '^executable$' -j2

step "end to end ($VIRESHADE_PRESET)"
tests/e2e/run.sh

printf '\nAll tests passed.\n'
