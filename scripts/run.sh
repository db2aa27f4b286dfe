#!/usr/bin/env bash
# Starts the calculator under Wine on $DISPLAY, or on a private Xvfb when there is none.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
exe="$root/build/win32/orvanta.exe"
if [ -z "${DISPLAY:-}" ]; then
  echo "run: no \$DISPLAY; starting the calculator on a private Xvfb display (see 'make screenshot')"
  exec "$root/scripts/with-xvfb.sh" wine "$exe"
fi
source "$root/scripts/wine-env.sh"
orvanta_wine_prefix
exec wine "$exe"
