#!/usr/bin/env bash
# Starts the calculator on the current (private Xvfb) display and saves a PNG of its window.
# Usage: screenshot.sh OUT.png   (run through with-xvfb.sh; `make screenshot` does that)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-docs/screenshot.png}"
source "$root/scripts/wine-env.sh"
wine "$root/build/win32/orvanta.exe" >/dev/null 2>&1 &
app=$!
id=""
for _ in $(seq 1 200); do
  id="$(xdotool search --onlyvisible --name '^Orvanta$' 2>/dev/null | head -n 1 || true)"
  [ -n "$id" ] && break
  sleep 0.1
done
if [ -z "$id" ]; then echo "screenshot: the window did not appear" >&2; kill "$app" 2>/dev/null; exit 1; fi
xdotool mousemove 1270 1010 2>/dev/null || true  # no key hover or tooltip in the picture
sleep "${ORVANTA_SHOT_DELAY:-1.5}"   # first paint and the welcome line
# The root window's pixels inside the window's rectangle: what a user sees, shaped outline included.
eval "$(xwininfo -id "$id" | awk '/Absolute upper-left X/{print "x="$4} /Absolute upper-left Y/{print "y="$4} /Width:/{print "w="$2} /Height:/{print "h="$2}')"
tmp="$(mktemp --suffix=.png)"
import -window root -crop "${w}x${h}+${x}+${y}" +repage "$tmp"
# Outside the window's outline the root window shows through: make it transparent, as the mask
# says (white outside the body).
convert "$tmp" \( "$root/resources/face/Image1.bmp" -fill black +opaque white -negate \
  -background black -extent "${w}x${h}" \) -alpha off -compose CopyOpacity -composite "$out"
rm -f "$tmp"
echo "screenshot: $out (${w}x${h})"
kill "$app" 2>/dev/null || true
wineserver -k >/dev/null 2>&1 || true
