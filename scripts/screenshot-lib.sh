# Sourced by the screenshot scripts: start the calculator on the current display, find its
# window, and save what a user sees of it.

# Starts orvanta.exe (or $ORVANTA_EXE) and sets app (its pid), id (the X window), x, y, w, h;
# false if no window.
orvanta_start_window() {
  wine "${ORVANTA_EXE:-$ORVANTA_ROOT/build/win32/orvanta.exe}" >/dev/null 2>&1 &
  app=$!
  id=""
  for _ in $(seq 1 200); do
    id="$(xdotool search --onlyvisible --name '^Orvanta$' 2>/dev/null | head -n 1 || true)"
    [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || return 1
  eval "$(xwininfo -id "$id" | awk '/Absolute upper-left X/{print "x="$4} /Absolute upper-left Y/{print "y="$4} /Width:/{print "w="$2} /Height:/{print "h="$2}')"
}

# Moves the mouse away, so no key hovers and no tooltip shows.
orvanta_mouse_away() { xdotool mousemove 1270 1010 2>/dev/null || true; }

# Saves the window's rectangle of the screen as OUT, transparent outside the body's outline
# (where the root window shows through; the mask is white there).
orvanta_save_face() {
  local out="$1" tmp
  tmp="$(mktemp --suffix=.png)"
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$tmp"
  convert "$tmp" \( "$ORVANTA_ROOT/resources/face/Image1.bmp" -fill black +opaque white -negate \
    -background black -extent "${w}x${h}" \) -alpha off -compose CopyOpacity -composite "$out"
  rm -f "$tmp"
}
