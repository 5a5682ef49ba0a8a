#!/usr/bin/env bash
# Installs everything Tonvaro needs to build and test on Debian 12 (as root) and
# makes the Wine prefix once. Safe to run again: every step checks first.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/wine-env.sh"

export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  rm -f /var/lib/apt/lists/lock
  need_update=1
fi

packages=(
  cmake ninja-build make g++ clang-format git zip unzip file
  g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-posix
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine wine64 wine32:i386 fonts-wine
  xvfb xauth x11-utils imagemagick xdotool
  googletest libexpat1-dev valgrind
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
elif [[ -n "${need_update:-}" ]]; then
  apt-get update -q
fi

# 32-bit Wine needs to run 32-bit Linux programs. Some machines refuse them
# ("Exec format error"); there the i386 loader runs under qemu user emulation.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  dpkg-query -W -f='${Status}' qemu-user-static 2>/dev/null | grep -q "ok installed" ||
    apt-get install -y -q --no-install-recommends qemu-user-static
  if [[ ! -e /proc/sys/fs/binfmt_misc/register ]]; then
    mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  fi
  if [[ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]]; then
    magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
    echo ":qemu-i386:M::${magic}:${mask}:/usr/bin/qemu-i386-static:F" >/proc/sys/fs/binfmt_misc/register
  fi
  /usr/lib/wine/wine --version >/dev/null
fi

# One template prefix per machine; tests copy it when they need a clean one.
if [[ ! -f "$WINEPREFIX/.tonvaro-ready" ]]; then
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  # No Mono/Gecko download prompts; no display needed.
  WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY= /usr/lib/wine/wine64 wineboot -i </dev/null >/dev/null 2>&1
  /usr/lib/wine/wineserver64 -w
  # Let Wine draw window frames itself, so a window under a bare X server has a caption.
  /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
  /usr/lib/wine/wineserver64 -w
  touch "$WINEPREFIX/.tonvaro-ready"
fi
# This Wine does not pick up its own TrueType fonts (Tahoma, and Marlett for the
# caption buttons) from its data folder; in the prefix's Fonts folder it does.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [[ ! -f "$fonts/marlett.ttf" ]]; then
  mkdir -p "$fonts"
  cp /usr/share/wine/fonts/*.ttf "$fonts/"
fi
echo "setup: ready (prefix $WINEPREFIX)"
