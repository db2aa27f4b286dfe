# Sourced by the screenshot scripts: start the calculator on the current display, find its
# window, and save what a user sees of it.

# Prints the X window ID's place and size as shell assignments PREFIXx, PREFIXy, PREFIXw and
# PREFIXh, for eval: `eval "$(orvanta_geometry "$id" b)"` sets bx, by, bw and bh.
orvanta_geometry() {
  xwininfo -id "$1" | awk -v p="${2:-}" '/Absolute upper-left X/{print p "x=" $4}
    /Absolute upper-left Y/{print p "y=" $4} /Width:/{print p "w=" $2} /Height:/{print p "h=" $2}'
}

# Starts orvanta.exe (or $ORVANTA_EXE) and sets app (its pid), id (the X window), x, y, w, h;
# false if no window.
orvanta_start_window() {
  orvanta_wine "${ORVANTA_EXE:-$ORVANTA_BUILD/orvanta.exe}" >/dev/null 2>&1 &
  app=$!
  id=""
  for _ in $(seq 1 200); do
    id="$(xdotool search --onlyvisible --name '^Orvanta$' 2>/dev/null | head -n 1 || true)"
    [ -n "$id" ] && break
    kill -0 "$app" 2>/dev/null || return 1
    sleep 0.1
  done
  [ -n "$id" ] || return 1
  eval "$(orvanta_geometry "$id")"
}

# Moves the mouse away, so no key hovers and no tooltip shows.
orvanta_mouse_away() { xdotool mousemove 1270 1010 2>/dev/null || true; }

# Waits until the screen's rectangle GEOMETRY (WxH+X+Y) has been drawn (many colours) and looks
# the same twice in a row, at most about ten seconds.
orvanta_wait_still() {
  local geometry="$1" shot last="" now
  shot="$(mktemp --suffix=.png)"
  for _ in $(seq 1 100); do
    import -window root -crop "$geometry" +repage "$shot" 2>/dev/null || true
    now="$(md5sum <"$shot")"
    if [ "$now" = "$last" ] && [ "$(identify -format %k "$shot" 2>/dev/null || echo 0)" -gt 16 ]; then
      rm -f "$shot"
      return 0
    fi
    last="$now"
    sleep 0.1
  done
  rm -f "$shot"
  echo "screenshot: the window kept changing; taking it as it is" >&2
}

# Saves the window's rectangle of the screen as OUT, transparent outside the body's outline
# (where the root window shows through; the mask is white there).
orvanta_save_face() {
  local out="$1" tmp mask="$ORVANTA_ROOT/resources/face/Image1.bmp" dpi
  # A face shown at another scale has the mask of that scale (its width is 464 at that scale).
  for dpi in 120 144 192; do
    [ "$w" = "$(((464 * dpi + 48) / 96))" ] && mask="$ORVANTA_ROOT/resources/$dpi/Image1.png"
  done
  tmp="$(mktemp --suffix=.png)"
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$tmp"
  convert "$tmp" \( "$mask" -fill black +opaque white -negate \
    -background black -extent "${w}x${h}" \) -alpha off -compose CopyOpacity -composite "$out"
  rm -f "$tmp"
}

# Starts the calculator on a settings file of the script's own (TEXT, lines ending in \r\n), so no
# stored state or first-run tip gets into the picture. When the script ends, the calculator is
# stopped if it still runs and the prefix's own settings are put back.
orvanta_use_settings() {
  orvanta_settings="$WINEPREFIX/drive_c/ProgramData/Talvenor"
  orvanta_saved_settings="$(mktemp -d)"
  [ -d "$orvanta_settings" ] && cp -a "$orvanta_settings" "$orvanta_saved_settings/"
  app=""
  trap orvanta_restore_settings EXIT
  mkdir -p "$orvanta_settings"
  printf '%b' "$1" >"$orvanta_settings/Talvenor.ini"
}

orvanta_restore_settings() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  rm -rf "$orvanta_settings"
  [ -d "$orvanta_saved_settings/Talvenor" ] &&
    cp -a "$orvanta_saved_settings/Talvenor" "$(dirname "$orvanta_settings")/"
  rm -rf "$orvanta_saved_settings"
}

# Runs the command given, then waits until the screen's rectangle GEOMETRY has changed from what
# it showed before (at most about ten seconds) and has come to rest: a panel or box opened by
# the command is in the picture, not the face before it.
orvanta_after_change() {
  local geometry="$1" shot before now
  shift
  shot="$(mktemp --suffix=.png)"
  import -window root -crop "$geometry" +repage "$shot" 2>/dev/null || true
  before="$(md5sum <"$shot")"
  "$@"
  for _ in $(seq 1 100); do
    sleep 0.1
    import -window root -crop "$geometry" +repage "$shot" 2>/dev/null || true
    now="$(md5sum <"$shot")"
    [ "$now" != "$before" ] && break
  done
  rm -f "$shot"
  orvanta_wait_still "$geometry"
}

# Clicks the client point X, Y of the calculator's window.
orvanta_click() { xdotool mousemove $((x + $1)) $((y + $2)) click 1; }

# Stops the calculator started by orvanta_start_window and waits until its window is gone, so the
# next start does not find it on its way out.
orvanta_stop_window() {
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  app=""
  for _ in $(seq 1 100); do
    [ -z "$(xdotool search --onlyvisible --name '^Orvanta$' 2>/dev/null || true)" ] && return
    sleep 0.1
  done
}

# Opens the LCD's pop-up menu and picks its item reached by N presses of Down.
orvanta_menu_item() {
  xdotool mousemove $((x + 200)) $((y + 70)) click 3
  sleep 0.5
  local i
  for i in $(seq 1 "$1"); do xdotool key Down; sleep 0.05; done
  xdotool key Return
}
