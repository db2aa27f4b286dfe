#!/usr/bin/env bash
# Runs every libFuzzer target of build/fuzz for its share of FUZZ_SECONDS (default 240 in all),
# each from a working copy of its committed corpus, then the 100,000-command walk through
# orvanta-sim. An input that breaks a target is saved under build/fuzz/crashes/; copy it into
# tests/fuzz/corpus/<target>/ with the fix so `make test` replays it from then on.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/fuzz
total=${FUZZ_SECONDS:-240}
walk_commands=${WALK_COMMANDS:-100000}
targets=("$build"/fuzz_*)
[ -x "${targets[0]}" ] || { echo "fuzz: no targets in $build (run make fuzz)"; exit 2; }
per_target=$(( total / ${#targets[@]} ))
[ "$per_target" -ge 1 ] || per_target=1
mkdir -p "$build/crashes"
status=0
printf '%-20s %12s %10s %s\n' target executions 'exec/s' result
for program in "${targets[@]}"; do
  name=${program##*/fuzz_}
  work="$build/corpus/$name"
  mkdir -p "$work"
  cp -n tests/fuzz/corpus/"$name"/* "$work"/ 2>/dev/null || true
  log="$build/$name.log"
  if "$program" -max_total_time="$per_target" -timeout=20 -rss_limit_mb=2048 -max_len=4096 \
       -print_final_stats=1 -artifact_prefix="$build/crashes/$name-" "$work" >"$log" 2>&1; then
    result=clean
  else
    result="FAILED: see $log and $build/crashes/"; status=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  printf '%-20s %12s %10s %s\n' "$name" "${runs:-?}" "${rate:-?}" "$result"
done
python3 scripts/sim-walk.py "$build/orvanta-sim" --commands "$walk_commands" || status=1
exit $status
