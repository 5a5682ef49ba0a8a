# Sourced by the scripts that run Windows programs: a private copy of the Wine
# prefix, a virtual display when there is none, and one Wine server kept up
# for the whole run (Debian's wrapper would otherwise restart Wine for every
# process). StopWineSession ends all of it.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

StartWineSession() {
    local prefix="$1"
    local template="$WINEPREFIX"
    rm -rf "$prefix"
    mkdir -p "$(dirname "$prefix")"
    cp -a "$template" "$prefix"
    export TONVARO_WINEPREFIX="$prefix" WINEPREFIX="$prefix"

    WINE_SESSION_XVFB=""
    if [[ -z "${DISPLAY:-}" ]]; then
        local n=90
        while [[ -e /tmp/.X$n-lock ]]; do n=$((n + 1)); done
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
        WINE_SESSION_XVFB=$!
        export DISPLAY=":$n"
        for _ in $(seq 50); do
            xdpyinfo >/dev/null 2>&1 && break
            sleep 0.1
        done
    fi
    /usr/lib/wine/wineserver64 -f -p </dev/null >/dev/null 2>&1 &
    # Start Wine's background services now, so that they do not inherit the
    # pipes of whatever runs the first program.
    /usr/lib/wine/wine64 cmd /c exit </dev/null >/dev/null 2>&1
}

StopWineSession() {
    /usr/lib/wine/wineserver64 -k >/dev/null 2>&1 || true
    if [[ -n "${WINE_SESSION_XVFB:-}" ]]; then
        kill "$WINE_SESSION_XVFB" 2>/dev/null || true
        wait "$WINE_SESSION_XVFB" 2>/dev/null || true
    fi
}
