# Sourced by the scripts: where the Wine prefix lives and how Wine is run.
export WINEPREFIX="${TONVARO_WINEPREFIX:-/var/cache/tonvaro/wineprefix}"
export WINEARCH=win64
export WINEDEBUG=-all
