#!/usr/bin/env bash
# Runs every benchmark program of the bench preset; figures go to build/bench/results/.
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
