#!/usr/bin/env bash
# Runs a command on a private Xvfb display. In the tests' own prefix it also keeps one wineserver
# alive across the test programs, one run at a time, and stops that server after; a prefix given
# in WINEPREFIX_ORVANTA (the user's, from `make run`) is used as it is and nothing in it is stopped.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

own_prefix=0
if [ "$WINEPREFIX" = "$ORVANTA_TEST_PREFIX" ]; then
  own_prefix=1
  mkdir -p "$(dirname "$WINEPREFIX")"
  # Two runs in one prefix would share its settings folder and its wineserver.
  exec {prefix_lock}>"$WINEPREFIX.lock"
  if ! flock -n "$prefix_lock"; then
    echo "with-xvfb: waiting for the other run in $WINEPREFIX" >&2
    flock "$prefix_lock"
  fi
fi

# Xvfb picks a free display itself and writes its number once it accepts connections.
display_file="$(mktemp)"
# ORVANTA_XVFB_SCREEN gives a larger screen (a face at 200 % is 1024 pixels tall).
Xvfb -displayfd 3 -screen 0 "${ORVANTA_XVFB_SCREEN:-1280x1024}x24" -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
cleanup() {
  if [ "$own_prefix" = 1 ]; then wineserver -k >/dev/null 2>&1 || true; fi
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  rm -f "$display_file"
}
trap cleanup EXIT
for _ in $(seq 1 200); do
  grep -qx '[0-9]\+' "$display_file" && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.05
done
if ! grep -qx '[0-9]\+' "$display_file"; then
  echo "with-xvfb: Xvfb did not start" >&2
  exit 1
fi
export DISPLAY=":$(cat "$display_file")"
# No sound card here: without an audio driver the voice clips play silently instead of
# filling the test output with the sound system's complaints.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winealsa.drv,winepulse.drv,wineoss.drv=d"
orvanta_wine_prefix
if [ "$own_prefix" = 1 ]; then
  wineserver -p >/dev/null 2>&1 || true # kept alive across test programs
  # Start Wine's own services here, with their output going nowhere: started by the first test
  # program instead, they would inherit ctest's output pipe and ctest would wait for them forever.
  orvanta_wine cmd.exe /c exit >/dev/null 2>&1 || true
fi
"$@"
