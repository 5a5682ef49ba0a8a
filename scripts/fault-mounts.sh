# Sourced by test.sh: folders for the failures that need root to be real, a
# read-only bind mount (a program folder nobody may write to, root included)
# and a 1 MB tmpfs (a full disk). Without root they are left out and the
# tests that need them say so and skip.
StartFaultMounts() {
    local base="$1"
    StopFaultMounts "$base"
    mkdir -p "$base/readonly" "$base/small"
    if mount --bind "$base/readonly" "$base/readonly" 2>/dev/null &&
        mount -o remount,ro,bind "$base/readonly" 2>/dev/null; then
        export TONVARO_READONLY_DIR="$base/readonly"
    fi
    if mount -t tmpfs -o size=1m tmpfs "$base/small" 2>/dev/null; then
        export TONVARO_SMALL_DIR="$base/small"
    fi
}

StopFaultMounts() {
    local base="$1"
    for dir in "$base/readonly" "$base/small"; do
        while mountpoint -q "$dir" 2>/dev/null; do umount "$dir" || break; done
    done
}
