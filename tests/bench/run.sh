#!/usr/bin/env bash
# Repaint benchmark: builds it, encodes the pictures it compares with, runs it once under
# Wine and prints its report.
#
#   tests/bench/run.sh [--rounds N]
#
# The decode comparison sets our embedded green preset (PNG filter none) against the same
# picture encoded by ImageMagick with its default settings and by tools/make_images with
# --filter up. Exit status: the benchmark's (0 every target met, 1 a target missed,
# 2 it could not run).
#
# Under the API-level prefix ("null" graphics driver) UpdateLayeredWindow only moves the
# window: that driver draws nothing. VIRESHADE_WINE=x11 with a DISPLAY runs it on a real
# display instead; the benchmark takes the foreground there, so use a display and prefix
# nothing else is testing on.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
. scripts/wine-env.sh "${VIRESHADE_WINE:-null}"

build_dir=out/build/$VIRESHADE_PRESET
[ -f "$build_dir/CMakeCache.txt" ] || cmake --preset "$VIRESHADE_PRESET" >/dev/null
cmake --build --preset "$VIRESHADE_PRESET" --target vireshade_repaint_bench -- -s >/dev/null

work=$(mktemp -d /tmp/vireshade-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT

# The same colour as preset 3, "#22AC38", encoded the way an image editor would.
convert -size 5000x5000 xc:'#22AC38' PNG24:"$work/imagemagick.png"

g++ -std=c++17 -O2 tools/make_images/*.cpp -lz -o "$work/make_images"
"$work/make_images" --filter none "$work/none" >/dev/null
"$work/make_images" --filter up "$work/up" >/dev/null
# The embedded presets are the committed files; a stale commit would make "ours" a
# different picture from what the tool makes today.
if ! cmp -s "$work/none/tints/3_green.png" resources/tints/3_green.png; then
  echo "note: resources/tints/3_green.png differs from what make_images --filter none makes now"
fi

# Wine's drive Z: is the Unix root, so Unix paths reach the benchmark as Z:/...
bench=$build_dir/tests/bench/vireshade_repaint_bench.exe
scripts/wine-run "$bench" "$@" \
  "ImageMagick convert, defaults=Z:$work/imagemagick.png" \
  "make_images --filter up=Z:$work/up/tints/3_green.png"
