#!/usr/bin/env bash
# Builds Vireshade and runs it under Wine. With a DISPLAY it simply runs there. Without
# one it brings its own virtual display (1920x1080, with a compositor so the tint blends),
# saves a screenshot to out/vireshade.png once the settings window shows, closes the
# window with Esc and reports the program's exit code.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/setup.sh >/dev/null
# A prefix of its own: its Wine services end with the display this script brings.
. scripts/wine-env.sh run
scripts/build.sh win32 "$VIRESHADE_PRESET" >/dev/null
exe="out/build/$VIRESHADE_PRESET/vireshade.exe"
export LANG=zh_CN.UTF-8

if [ -n "${DISPLAY:-}" ]; then
  VIRESHADE_WINE=run exec scripts/wine-run "$exe"
fi

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
  wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
# Layered windows blend only under a compositor, and it must start before any window.
xcompmgr >/dev/null 2>&1 &

VIRESHADE_WINE=run scripts/wine-run "$exe" &
program=$!
window=
for _ in $(seq 600); do
  # Wine creates the X window early; it is mapped once the first tint is painted.
  window=$(xdotool search --onlyvisible --name '^Vireshade - 作者' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "The settings window did not show." >&2; exit 1; }
sleep 1
mkdir -p out
import -window root out/vireshade.png
echo "Screenshot: out/vireshade.png"
xdotool windowfocus --sync "$window" key --window "$window" Escape
set +e
wait "$program"
code=$?
set -e
echo "Vireshade exited with code $code."
exit "$code"
