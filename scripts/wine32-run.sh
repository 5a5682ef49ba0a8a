#!/usr/bin/env bash
# Runs a 32-bit Windows program under Wine.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
exec /usr/lib/wine/wine "$@"
