#!/usr/bin/env bash
# Saves two pictures of the running calculator: the face recoloured by the skin slider
# (docs/skin.png) and mini mode, only the LCD left (docs/mini.png).
# Usage: feature-screenshots.sh [SHIFT]   (run through with-xvfb.sh; `make screenshot` does that)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
shift_value="${1:-120}"
source "$root/scripts/wine-env.sh"
source "$root/scripts/screenshot-lib.sh"

# The stored shift is what start-up recolours the face with.
orvanta_use_settings "[Setup]\r\nColorSkin=${shift_value}\r\n"

if ! orvanta_start_window; then echo "feature-screenshots: the window did not appear" >&2; exit 1; fi
orvanta_mouse_away
orvanta_wait_still "${w}x${h}+${x}+${y}"
orvanta_save_face "$root/docs/skin.png"
echo "feature-screenshots: docs/skin.png (shift $shift_value)"

# A double-click on the LCD leaves the rectangle 46,35 - 416,123 of the window.
xdotool mousemove $((x + 200)) $((y + 70)) click --repeat 2 --delay 80 1
orvanta_mouse_away
orvanta_wait_still "370x88+$((x + 46))+$((y + 35))"
import -window root -crop "370x88+$((x + 46))+$((y + 35))" +repage "$root/docs/mini.png"
echo "feature-screenshots: docs/mini.png"
