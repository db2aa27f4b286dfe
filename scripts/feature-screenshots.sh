#!/usr/bin/env bash
# Saves two pictures of the running calculator: the face recoloured by the skin slider
# (docs/skin.png) and mini mode, only the LCD left (docs/mini.png).
# Usage: feature-screenshots.sh [SHIFT]   (run through with-xvfb.sh; `make screenshot` does that)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
shift_value="${1:-120}"
source "$root/scripts/wine-env.sh"

# The stored shift is what start-up recolours the face with. The prefix's own settings are put
# back afterwards.
settings="$WINEPREFIX/drive_c/ProgramData/Talvenor"
saved="$(mktemp -d)"
[ -d "$settings" ] && cp -a "$settings" "$saved/"
app=""
finish() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$settings"
  [ -d "$saved/Talvenor" ] && cp -a "$saved/Talvenor" "$(dirname "$settings")/"
  rm -rf "$saved"
}
trap finish EXIT
mkdir -p "$settings"
printf '[Setup]\r\nColorSkin=%s\r\n' "$shift_value" >"$settings/Talvenor.ini"

wine "$root/build/win32/orvanta.exe" >/dev/null 2>&1 &
app=$!
id=""
for _ in $(seq 1 200); do
  id="$(xdotool search --onlyvisible --name '^Orvanta$' 2>/dev/null | head -n 1 || true)"
  [ -n "$id" ] && break
  sleep 0.1
done
if [ -z "$id" ]; then echo "feature-screenshots: the window did not appear" >&2; exit 1; fi
eval "$(xwininfo -id "$id" | awk '/Absolute upper-left X/{print "x="$4} /Absolute upper-left Y/{print "y="$4} /Width:/{print "w="$2} /Height:/{print "h="$2}')"
away() { xdotool mousemove 1270 1010; }  # no key hover or tooltip in the pictures

away
sleep "${ORVANTA_SHOT_DELAY:-1.5}"
# Outside the outline the root window shows through; the picture makes it transparent, as the
# mask does (white outside).
import -window root -crop "${w}x${h}+${x}+${y}" +repage "$saved/face.png"
convert "$saved/face.png" \( "$root/resources/face/Image1.bmp" -fill black +opaque white -negate \
  -background black -extent "${w}x${h}" \) -alpha off -compose CopyOpacity -composite \
  "$root/docs/skin.png"
echo "feature-screenshots: docs/skin.png (shift $shift_value)"

# A double-click on the LCD leaves the rectangle 46,35 - 416,123 of the window.
xdotool mousemove $((x + 200)) $((y + 70)) click --repeat 2 --delay 80 1
away
sleep 1
import -window root -crop "370x88+$((x + 46))+$((y + 35))" +repage "$root/docs/mini.png"
echo "feature-screenshots: docs/mini.png"
