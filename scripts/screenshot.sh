#!/usr/bin/env bash
# Starts the calculator on the current (private Xvfb) display and saves a PNG of its window.
# Usage: screenshot.sh OUT.png   (run through with-xvfb.sh; `make screenshot` does that)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-docs/screenshot.png}"
source "$root/scripts/wine-env.sh"
source "$root/scripts/screenshot-lib.sh"
if ! orvanta_start_window; then
  echo "screenshot: the window did not appear" >&2
  kill "$app" 2>/dev/null
  exit 1
fi
orvanta_mouse_away
sleep "${ORVANTA_SHOT_DELAY:-1.5}"  # first paint and the welcome line
orvanta_save_face "$out"
echo "screenshot: $out (${w}x${h})"
kill "$app" 2>/dev/null || true
wineserver -k >/dev/null 2>&1 || true
