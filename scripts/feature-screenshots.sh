#!/usr/bin/env bash
# Saves pictures of the running calculator: the face recoloured by the skin slider
# (docs/skin.png), mini mode, only the LCD left (docs/mini.png), and a result typed into Wine's
# notepad below the calculator, before and after "=" (docs/exchange-before.png and
# docs/exchange-after.png).
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

# A fresh calculator with automatic output over Wine's notepad, which stands beside it (its own
# stored place) so that the typed text shows.
orvanta_stop_window
printf '%b' "[Setup]\r\nColorSkin=${shift_value}\r\nDevice_AutoCopyTo=1\r\nDevice_sound=0\r\n" \
  >"$orvanta_settings/Talvenor.ini"
for value in iWindowPosX:680 iWindowPosY:112 iWindowPosDX:460 iWindowPosDY:260; do
  orvanta_wine reg add 'HKCU\Software\Microsoft\Notepad' /v "${value%%:*}" /t REG_DWORD \
    /d "${value##*:}" /f >/dev/null 2>&1 || true
done
# Notepad's own font is a bitmap face that breaks the strokes of the capitals: the outline one.
orvanta_wine reg add 'HKCU\Software\Microsoft\Notepad' /v lfFaceName /d "WenQuanYi Micro Hei" /f \
  >/dev/null 2>&1 || true
orvanta_wine reg add 'HKCU\Software\Microsoft\Notepad' /v iPointSize /t REG_DWORD /d 140 /f \
  >/dev/null 2>&1 || true
orvanta_wine notepad.exe >/dev/null 2>&1 &
notepad=$!
trap 'kill "$notepad" 2>/dev/null || true; orvanta_restore_settings' EXIT
pad=""
for _ in $(seq 1 100); do
  pad="$(xdotool search --onlyvisible --name '记事本' 2>/dev/null | head -n 1 || true)"
  [ -n "$pad" ] && break
  sleep 0.1
done
if [ -z "$pad" ] || ! orvanta_start_window; then
  echo "feature-screenshots: notepad or the calculator did not appear" >&2
  exit 1
fi
# Notepad just below the calculator (the tray icon's window came up above it), then the
# calculator in front with "人民币中文大写形式" picked and 1435.75 typed.
eval "$(orvanta_geometry "$pad" p)"
xdotool mousemove $((px + pw / 2)) $((py + ph / 2)) click 1
sleep 1
orvanta_menu_item 6
sleep 1
# The keys 1, 4, 3, 5, the point, 7, 5, then "=" (client points of the face).
for key in 199,339 199,298 289,339 244,298 244,380 199,257 244,298; do
  orvanta_click "${key%,*}" "${key#*,}"
  sleep 0.3
done
left=$((x < px ? x : px))
top=$((y < py ? y : py))
right=$((x + w > px + pw ? x + w : px + pw))
bottom=$((y + h > py + ph ? y + h : py + ph))
both="$((right - left))x$((bottom - top))+${left}+${top}"
orvanta_mouse_away
orvanta_wait_still "$both"
import -window root -crop "$both" +repage "$root/docs/exchange-before.png"
orvanta_after_change "$both" orvanta_click 381 360
import -window root -crop "$both" +repage "$root/docs/exchange-after.png"
echo "feature-screenshots: docs/exchange-before.png, docs/exchange-after.png"
