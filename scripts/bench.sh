#!/usr/bin/env bash
# Benchmarks: set generation against the file-copy limit, start-up and
# memory against a minimal dialog program, and the release program's size
# and imports. Prints the figures; asserts nothing.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
bash scripts/setup.sh >/dev/null
cmake --preset win32 >/dev/null
cmake --build --preset win32 >/dev/null
cmake --preset win64 >/dev/null
cmake --build --preset win64 >/dev/null

source scripts/wine-session.sh
work="$root/build/bench-work"
mkdir -p "$work"
trap 'StopWineSession; mountpoint -q "$work" && umount "$work"' EXIT
StartWineSession "$root/build/wineprefix-bench"
# The copies go to memory where possible, so that the disk's write-back does
# not decide the comparison.
if ! mountpoint -q "$work" && mount -t tmpfs -o size=3g tmpfs "$work" 2>/dev/null; then
  echo "(generation measured on a tmpfs)"
else
  echo "(generation measured on $(df --output=fstype "$work" | tail -1))"
fi

release="build/win32/Tonvaro.exe"
echo "== release program"
echo "size: $(stat -c %s "$release") bytes ($(file -b "$release" | cut -d, -f1))"
echo "imports: $(x86_64-w64-mingw32-objdump -p "$release" | awk '/DLL Name/ {print $3}' | tr '\n' ' ')"
echo "== set generation (x86_64 build)"
/usr/lib/wine/wine64 build/win64/bench/tonvaro_generate_bench.exe "${GENERATE_ROUNDS:-11}" "$work" |
    tr -d '\r'
echo "== start-up and peak working set (32-bit release builds)"
/usr/lib/wine/wine64 build/win64/bench/tonvaro_startup_bench.exe "${STARTUP_ROUNDS:-11}" \
    "$root/$release" "$root/build/win32/bench/tonvaro_same_window_dialog.exe" \
    "$root/build/win32/bench/tonvaro_minimal_dialog.exe" | tr -d '\r'
