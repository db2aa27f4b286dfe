#!/usr/bin/env bash
# Saves the face as shown at 150 % and 200 % (LogPixels 144 and 192 in the prefix):
# docs/face-144dpi.png and docs/face-192dpi.png, each drawn from the pictures of its own scale,
# and panels laid out at those scales: docs/settings-144dpi.png, docs/keyboard-192dpi.png and
# docs/tax-192dpi.png.
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

start() {
  if ! orvanta_start_window; then echo "scale-screenshots: the window did not appear" >&2; exit 1; fi
  xdotool mousemove 0 0 2>/dev/null || true
  orvanta_wait_still "${w}x${h}+${x}+${y}"
}

stop() {
  # The next start must not find this window: every program of the prefix is ended.
  wineserver -k >/dev/null 2>&1 || true
  wait "$app" 2>/dev/null || true
  app=""
}

# $1: the scale; $2: how many times Down moves through the LCD's pop-up menu to the panel's item;
# $3: the picture.
panel() {
  start
  # The LCD at its scale (200, 70 at 100 %).
  xdotool mousemove $((x + 200 * $1 / 96)) $((y + 70 * $1 / 96)) click 3
  sleep 0.5
  local i
  for i in $(seq 1 "$2"); do xdotool key Down; sleep 0.05; done
  xdotool key Return
  xdotool mousemove 0 0 2>/dev/null || true
  sleep 1
  orvanta_wait_still "${w}x${h}+${x}+${y}"
  orvanta_save_face "$3"
  echo "scale-screenshots: $3"
  stop
}

for dpi in 144 192; do
  set_dpi "$dpi"
  start
  orvanta_save_face "$root/docs/face-${dpi}dpi.png"
  echo "scale-screenshots: docs/face-${dpi}dpi.png (${w}x${h})"
  stop
done
set_dpi 144
panel 144 12 "$root/docs/settings-144dpi.png"
set_dpi 192
panel 192 13 "$root/docs/keyboard-192dpi.png"
panel 192 9 "$root/docs/tax-192dpi.png"
