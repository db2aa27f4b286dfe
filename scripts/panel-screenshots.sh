#!/usr/bin/env bash
# Saves the formula panel (docs/formula.png, with a formula computed) and the big-number panel
# (docs/big_numbers.png) of the running calculator, each opened from the LCD's pop-up menu.
# Usage: panel-screenshots.sh   (run through with-xvfb.sh; `make screenshot` does that)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/wine-env.sh"
source "$root/scripts/screenshot-lib.sh"

# A settled settings file, so no first-run tip covers the panel.
orvanta_use_settings '[Setup]\r\nDevice_AutoCopyTo=0\r\n[Welcome]\r\nText=Orvanta\r\n'

# $1: how many times Down moves through the pop-up menu to the item; $2: the picture; $3: a
# formula typed into the panel's focused field and computed with Enter, or "big" for two
# operands multiplied on the big-number panel, its precision 2000000 (optional).
shoot() {
  if ! orvanta_start_window; then echo "panel-screenshots: the window did not appear" >&2; exit 1; fi
  sleep 1.5
  orvanta_menu_item "$1"
  sleep 0.5
  if [ "${3:-}" = big ]; then
    # The panel stands at 8, 153: its two operand fields, the precision, then "* 乘法".
    xdotool mousemove $((x + 108)) $((y + 195)) click 1
    xdotool type --delay 20 "123456789012345678901234567890"
    xdotool mousemove $((x + 108)) $((y + 243)) click 1
    xdotool type --delay 20 "987654321987654321"
    # A wide precision: the field shows every digit.
    xdotool mousemove $((x + 398)) $((y + 330)) click 1
    xdotool key ctrl+a
    xdotool type --delay 20 "2000000"
    xdotool mousemove $((x + 200)) $((y + 331)) click 1
  elif [ -n "${3:-}" ]; then
    xdotool type --delay 40 "$3"
    xdotool key Return
  fi
  orvanta_mouse_away
  sleep "${ORVANTA_SHOT_DELAY:-1.5}"
  orvanta_save_face "$2"
  orvanta_stop_window
  echo "panel-screenshots: $2"
}

shoot 8 "$root/docs/formula.png" "2+(18-10)/4^2*3"
shoot 10 "$root/docs/big_numbers.png" big
