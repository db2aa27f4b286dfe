#!/usr/bin/env bash
# Runs one Windows program under Wine in the tests' prefix (ctest's cross-compiling emulator).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
orvanta_wine_prefix
exec "$ORVANTA_WINE" "$@"
