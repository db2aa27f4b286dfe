#!/usr/bin/env bash
# Saves the tools that open on the face: the clock on the LCD (docs/clock.png), the alarm panel
# (docs/alarms.png), the key-binding editor (docs/key_editor.png) and the question of
# "设为系统默认计算器" (docs/default_calculator.png), and the converter, the income-tax panel and
# the constants table and the history tape (docs/converter.png, docs/tax.png, its
# cumulative-withholding page docs/tax_cumulative.png, docs/constants.png, docs/history.png).
# Usage: tool-screenshots.sh   (run through with-xvfb.sh; `make screenshot` does that)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/wine-env.sh"
source "$root/scripts/screenshot-lib.sh"

# A settled settings file, voice off, and two alarms set, so the panel shows them.
orvanta_use_settings '[Setup]\r\nDevice_AutoCopyTo=0\r\nDevice_sound=0\r\n[Welcome]\r\nText=Orvanta\r\n[Time1]\r\non=1\r\nTime=07:30:00\r\nAction=1\r\n[Time2]\r\non=1\r\nTime=12:00:00\r\nAction=2\r\n'

start() {
  if ! orvanta_start_window; then echo "tool-screenshots: the window did not appear" >&2; exit 1; fi
  orvanta_mouse_away
  orvanta_wait_still "${w}x${h}+${x}+${y}"
}

press_and_rest() {
  orvanta_click "$1" "$2"
  orvanta_mouse_away
}

start
# "时钟" twice: the date, then the time of day on the LCD.
orvanta_after_change "${w}x${h}+${x}+${y}" press_and_rest 221 177
orvanta_after_change "${w}x${h}+${x}+${y}" press_and_rest 221 177
orvanta_save_face "$root/docs/clock.png"
echo "tool-screenshots: docs/clock.png"
orvanta_stop_window

start
orvanta_after_change "${w}x${h}+${x}+${y}" press_and_rest 311 177  # "闹钟"
orvanta_save_face "$root/docs/alarms.png"
echo "tool-screenshots: docs/alarms.png"
orvanta_stop_window

start
orvanta_after_change "${w}x${h}+${x}+${y}" orvanta_menu_item 13  # "自定义键盘"
orvanta_mouse_away
orvanta_save_face "$root/docs/key_editor.png"
echo "tool-screenshots: docs/key_editor.png"
orvanta_stop_window

start
# "设为系统默认计算器": its question. Under Xvfb the first right-click can go to the window's
# activation, so the menu is opened again until the question shows.
box=""
for _ in 1 2 3; do
  orvanta_menu_item 15
  for _ in $(seq 1 50); do
    # xdotool's name search misses Chinese captions; xwininfo lists them.
    box="$(xwininfo -root -children | awk '/ "提示": / {print $1; exit}')"
    [ -n "$box" ] && break 2
    sleep 0.1
  done
  xdotool key Escape
done
if [ -z "$box" ]; then echo "tool-screenshots: the question did not appear" >&2; exit 1; fi
eval "$(orvanta_geometry "$box" b)"
orvanta_wait_still "${bw}x${bh}+${bx}+${by}"
import -window root -crop "${bw}x${bh}+${bx}+${by}" +repage "$root/docs/default_calculator.png"
echo "tool-screenshots: docs/default_calculator.png"
xdotool key Escape  # "否": nothing is changed
orvanta_stop_window

# The converter, the income-tax panel, the constants table and the history tape: their
# end-to-end tests keep a picture of the screen where they show them (ORVANTA_SHOTS).
shots="$(mktemp -d)"
ORVANTA_SHOTS="Z:${shots//\//\\}" orvanta_wine "$ORVANTA_BUILD/e2e_tests.exe" \
  --gtest_filter='ToolsE2e.ConverterFollows*:TaxE2e.*:CumulativeTaxE2e.ShowsTheBonusCliff:ConstantsE2e.*:HistoryE2e.Calculations*' \
  >/dev/null 2>&1 || true
for name in converter tax tax_cumulative constants history; do
  if [ -f "$shots/$name.bmp" ]; then
    convert "$shots/$name.bmp" "$root/docs/$name.png"
    echo "tool-screenshots: docs/$name.png"
  else
    echo "tool-screenshots: no picture of $name" >&2
  fi
done
rm -rf "$shots"
