#!/usr/bin/env bash
# Runs the end-to-end suite against the program and probe that scripts/build.sh built; it
# builds nothing. Any arguments are unittest names (e.g. test_overlay.ClickThroughTest).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/wine-env.sh" x11
for exe in "out/build/$VIRESHADE_PRESET/vireshade.exe" \
           "out/build/$VIRESHADE_PRESET/tests/e2e/vireshade_probe.exe"; do
  if [ ! -f "$root/$exe" ]; then
    echo "e2e: $exe is missing; run scripts/build.sh first" >&2
    exit 2
  fi
done
"$root/scripts/wine-prefix.sh" x11
# The suite restarts the x11 prefix's wineserver on a display of its own, so two runs at
# once would pull it from under each other. Nothing Wine starts may keep the lock.
exec 9>"$WINEPREFIX.e2e.lock"
flock 9
python3 -B "$root/tests/e2e/suite.py" "$@" 9>&-
