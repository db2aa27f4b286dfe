#!/usr/bin/env bash
# Starts the calculator under Wine on $DISPLAY, or on a private Xvfb when there is none, in the
# user's own prefix (the tests keep theirs apart).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/wine-env.sh"
exe="$ORVANTA_BUILD/orvanta.exe"
export WINEPREFIX_ORVANTA="${WINEPREFIX_ORVANTA:-$ORVANTA_USER_PREFIX}"
export WINEPREFIX="$WINEPREFIX_ORVANTA"
if [ -z "${DISPLAY:-}" ]; then
  echo "run: no \$DISPLAY; starting the calculator on a private Xvfb display (see 'make screenshot')"
  exec "$root/scripts/with-xvfb.sh" "$ORVANTA_WINE" "$exe"
fi
orvanta_wine_prefix
exec "$ORVANTA_WINE" "$exe"
