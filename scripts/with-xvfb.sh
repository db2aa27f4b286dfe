#!/usr/bin/env bash
# Runs a command with a private Xvfb display and a persistent wineserver, and stops both after.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

for n in $(seq 91 140); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 1 100); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.05; done
export DISPLAY="$display"
# No sound card here: without an audio driver the voice clips play silently instead of
# filling the test output with the sound system's complaints.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winealsa.drv,winepulse.drv,wineoss.drv=d"
orvanta_wine_prefix
wineserver -p >/dev/null 2>&1 || true   # kept alive across test programs
# Start Wine's own services here, with their output going nowhere: started by the first test
# program instead, they would inherit ctest's output pipe and ctest would wait for them forever.
wine cmd.exe /c exit >/dev/null 2>&1 || true
"$@"
