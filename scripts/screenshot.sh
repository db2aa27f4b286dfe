#!/usr/bin/env bash
# Starts the calculator on the current (private Xvfb) display and saves a PNG of its window.
# Usage: screenshot.sh OUT.png   (run through with-xvfb.sh; `make screenshot` does that)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-docs/screenshot.png}"
source "$root/scripts/wine-env.sh"
source "$root/scripts/screenshot-lib.sh"
app=""
trap '[ -n "$app" ] && kill "$app" 2>/dev/null || true' EXIT
if ! orvanta_start_window; then
  echo "screenshot: the window did not appear" >&2
  exit 1
fi
orvanta_mouse_away
orvanta_wait_still "${w}x${h}+${x}+${y}" # first paint and the welcome line
orvanta_save_face "$out"
echo "screenshot: $out (${w}x${h})"
