# Sourced: the Wine environment of one of Vireshade's prefixes.
#   null  windows without any X server (API-level tests)
#   x11   a real display (the program itself, end-to-end tests)
# Where the kernel runs 32-bit code, Wine runs the shipped i686 build. Some kernels have
# 32-bit emulation switched off (dmesg: "32-bit emulation disabled"); there Wine can only
# run x86_64 programs, and the tests use the x86_64 build of the same sources.
vireshade_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [ -z "${VIRESHADE_WIN_ARCH:-}" ]; then
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    VIRESHADE_WIN_ARCH=i686
  else
    VIRESHADE_WIN_ARCH=x86_64
  fi
fi
export VIRESHADE_WIN_ARCH
if [ "$VIRESHADE_WIN_ARCH" = i686 ]; then
  export WINE=/usr/lib/wine/wine WINEARCH=win32 VIRESHADE_PRESET=win32
else
  export WINE=/usr/lib/wine/wine64 WINEARCH=win64 VIRESHADE_PRESET=win64 WINELOADER=/usr/lib/wine/wine64
fi
export WINEPREFIX="$vireshade_root/out/wine/$WINEARCH-${1:-null}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
