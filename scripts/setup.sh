#!/usr/bin/env bash
# Installs everything a fresh Debian 12 machine lacks to build, run and test Vireshade.
# Idempotent and quick when all is in place. Needs root; uses Debian's archive only.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")

packages=(
  cmake make g++ libgtest-dev dpkg-dev zlib1g-dev clang libclang-rt-14-dev python3
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine wine64 wine32:i386
  xvfb xdotool xcompmgr x11-utils imagemagick locales fonts-wqy-microhei
)

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

src_list=/etc/apt/sources.list.d/vireshade-deb-src.sources
need_update=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  as_root dpkg --add-architecture i386
  need_update=1
fi
# libpng for mingw is built from Debian's own patched source, so deb-src must be known.
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
  as_root tee "$src_list" >/dev/null <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  need_update=1
fi

if [ ${#missing[@]} -gt 0 ] || [ $need_update = 1 ]; then
  as_root apt-get update -q
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Labels drawn by Wine follow the locale's code page; tests run under zh_CN as well.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$'; then
  as_root sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi

# libpng source with Debian's security patches applied, kept out of git.
libpng_dir="$root/third_party/libpng"
if [ ! -f "$libpng_dir/png.c" ]; then
  work=$(mktemp -d)
  (cd "$work" && { apt-get source -q libpng1.6 >/dev/null 2>&1 || apt-get source -q libpng1.6/bookworm >/dev/null; })
  rm -rf "$libpng_dir" && mkdir -p "$(dirname "$libpng_dir")"
  mv "$work"/libpng1.6-*/ "$libpng_dir"
  rm -rf "$work"
fi

"$here/wine-prefix.sh" null
"$here/wine-prefix.sh" x11
echo "setup: ready"
