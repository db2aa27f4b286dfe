#!/usr/bin/env bash
# Runs every benchmark program of the bench preset, then the Windows probes
# through Wine; figures go to build/bench/results/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$root/build/bench/results"
mkdir -p "$out"
for b in "$root"/build/bench/*_bench; do
  [ -x "$b" ] || continue
  name="$(basename "$b")"
  echo "== $name"
  "$b" --benchmark_out="$out/$name.json" --benchmark_out_format=json
done
# Comparison runs (reference tools) live beside the benchmarks that need them.
for extra in "$root"/bench/*.sh; do
  [ -x "$extra" ] || continue
  echo "== $(basename "$extra")"
  "$extra" "$out"
done
# Start-up, key-press, skin-slider and big-number probes: the real orvanta.exe and window under
# Wine, each on a private Xvfb display, from the build this machine runs (i686 where it can).
# Their tables go to <probe>.md.
source "$root/scripts/wine-env.sh"
for probe in startup_probe keypress_probe skin_probe big_number_probe panel_probe; do
  exe="$ORVANTA_BUILD/$probe.exe"
  if [ ! -f "$exe" ]; then
    echo "== $probe: not built (cmake --build --preset $(basename "$ORVANTA_BUILD") --target $probe)"
    continue
  fi
  echo "== $probe"
  "$root/scripts/with-xvfb.sh" "$root/scripts/wine-run.sh" "$exe" | tee "$out/$probe.md"
done
