#!/usr/bin/env bash
# Builds the 32-bit release and starts Tonvaro under Wine. Without a display it
# starts a virtual one, waits for the window, saves a screenshot to
# build/screenshot.png and ends the program.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
bash scripts/setup.sh
cmake --preset win32
cmake --build --preset win32
exe="$root/build/win32/Tonvaro.exe"

if [[ -n "${DISPLAY:-}" ]]; then
  source scripts/wine-env.sh
  exec /usr/lib/wine/wine "$exe"
fi

source scripts/wine-session.sh
StartWineSession "$root/build/wineprefix-run"
trap StopWineSession EXIT
/usr/lib/wine/wine "$exe" </dev/null >/dev/null 2>&1 &
window=""
for _ in $(seq 120); do
  window="$(xdotool search --name '^Tonvaro v0\.3$' 2>/dev/null | head -n 1)" && [[ -n "$window" ]] && break
  sleep 1
done
if [[ -z "$window" ]]; then
  echo "run.sh: the window did not appear" >&2
  exit 1
fi
sleep 2  # let it paint
import -window "$window" "$root/build/screenshot.png"
echo "run.sh: Tonvaro started; screenshot saved to build/screenshot.png"
