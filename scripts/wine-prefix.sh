#!/usr/bin/env bash
# Creates the Wine prefix "null" or "x11" once; parallel callers wait on a lock.
set -euo pipefail
kind=${1:?null or x11}
. "$(dirname "$0")/wine-env.sh" "$kind"
[ -f "$WINEPREFIX/.ready" ] && exit 0
mkdir -p "$(dirname "$WINEPREFIX")"
# Wine's background processes must not inherit the lock, or they hold it for a minute.
exec 9>"$WINEPREFIX.lock"
flock 9
[ -f "$WINEPREFIX/.ready" ] && exit 0
rm -rf "$WINEPREFIX"
echo "wine: creating the $kind prefix ($WINEARCH)"
(unset DISPLAY; "$WINE" wineboot -i </dev/null >/dev/null 2>&1 9>&-)
# A crash must fail a test at once instead of waiting on a dialog nobody sees.
"$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1 9>&-
if [ "$kind" = null ]; then
  "$WINE" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1 9>&-
fi
wineserver -w 9>&-
touch "$WINEPREFIX/.ready"
