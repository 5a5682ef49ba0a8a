#!/usr/bin/env bash
# Runs an x86_64 Windows program under Wine (used by ctest as the emulator).
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
exec /usr/lib/wine/wine64 "$@"
