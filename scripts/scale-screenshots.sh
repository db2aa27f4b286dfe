#!/usr/bin/env bash
# Saves the face as shown at 150 % and 200 % (LogPixels 144 and 192 in the prefix):
# docs/face-144dpi.png and docs/face-192dpi.png. Each is drawn from the pictures of its own scale.
# Usage: ORVANTA_XVFB_SCREEN=1600x1400 scripts/with-xvfb.sh scripts/scale-screenshots.sh
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/wine-env.sh"
source "$root/scripts/screenshot-lib.sh"

orvanta_use_settings '[Setup]\r\nDevice_AutoCopyTo=0\r\nDevice_sound=0\r\n[Welcome]\r\nText=Orvanta\r\n'
set_dpi() {
  orvanta_wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
    >/dev/null 2>&1
}
trap 'set_dpi 96; orvanta_restore_settings' EXIT

for dpi in 144 192; do
  set_dpi "$dpi"
  if ! orvanta_start_window; then echo "scale-screenshots: the window did not appear" >&2; exit 1; fi
  xdotool mousemove 0 0 2>/dev/null || true
  orvanta_wait_still "${w}x${h}+${x}+${y}"
  orvanta_save_face "$root/docs/face-${dpi}dpi.png"
  echo "scale-screenshots: docs/face-${dpi}dpi.png (${w}x${h})"
  # The next start must not find this window: every program of the prefix is ended.
  wineserver -k >/dev/null 2>&1 || true
  wait "$app" 2>/dev/null || true
  app=""
done
