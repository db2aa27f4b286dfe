#!/usr/bin/env bash
# The shipped 32-bit program against the 64-bit build: big_number_probe built for both and run
# under Wine, and the arithmetic alone (timed inside the window's process) set side by side per
# operation and size. Goal: the 32-bit 10^5-digit product within 1.5x of the 64-bit one.
# Usage: bitness_ratio.sh [results folder] [largest digits]   (build/bench/results, 100000)
# It needs a machine whose kernel runs 32-bit programs; elsewhere it says so and does nothing.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$root/build/bench/results}"
largest="${2:-100000}"
arches="${ORVANTA_BITNESS_ARCHES:-i686 x86_64}"
if [[ " $arches " == *" i686 "* ]] && [ "$(ORVANTA_WINDOWS_ARCH= "$root/scripts/windows-arch.sh")" != i686 ]; then
  echo "bitness_ratio: this machine runs no 32-bit programs; the ratio wants one that does"
  exit 0
fi
mkdir -p "$out"
for arch in $arches; do
  preset=win64
  [ "$arch" = i686 ] && preset=win32
  build="$root/build/$preset"
  (cd "$root" && cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" --target big_number_probe >/dev/null)
  ORVANTA_WINDOWS_ARCH="$arch" "$root/scripts/with-xvfb.sh" "$root/scripts/wine-run.sh" \
    "$build/big_number_probe.exe" "$largest" 5 >"$out/big_number_probe-$arch.md"
done
# "mul_100000 1.6" for each row of a probe's table: the operation alone is its fifth column.
alone() {
  awk -F'|' '$3 ~ /[0-9]/ { gsub(/ /, "", $2); gsub(/ /, "", $3); gsub(/ |ms/, "", $6);
                            print $2 "_" $3, $6 }' "$1" | sort
}
first="${arches%% *}"
second="${arches##* }"
{
  echo "| operation | digits | $first alone | $second alone | $first / $second |"
  echo "|---|---:|---:|---:|---:|"
  join <(alone "$out/big_number_probe-$first.md") <(alone "$out/big_number_probe-$second.md") |
    awk '{ split($1, k, "_"); printf "| %s | %s | %s ms | %s ms | %.2fx |\n", k[1], k[2], $2, $3, $2 / $3 }'
} | tee "$out/bitness_ratio.md"
