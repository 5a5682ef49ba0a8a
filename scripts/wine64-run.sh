#!/usr/bin/env bash
# Runs an x86_64 Windows program under Wine (used by ctest as the emulator).
# A failure is named on stderr with Wine's exit code, so that a program that
# never reached its own output still leaves a trace in the test log.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
/usr/lib/wine/wine64 "$@"
status=$?
if ((status != 0)); then
    echo "wine64-run: $(basename "$1") ended with exit code $status" >&2
fi
exit "$status"
