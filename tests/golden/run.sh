#!/usr/bin/env bash
# Runs every golden script NAME.txt through orvanta-sim and compares with NAME.expected.
set -uo pipefail
sim="$1"; dir="$2"; failed=0; passed=0
for script in "$dir"/*.txt; do
  [ -e "$script" ] || continue
  expected="${script%.txt}.expected"
  if diff -u "$expected" <("$sim" "$script" 2>&1); then
    passed=$((passed + 1))
  else
    echo "golden: $(basename "$script") differs"; failed=$((failed + 1))
  fi
done
echo "$passed passed, $failed failed"
if [ "$passed" -eq 0 ] && [ "$failed" -eq 0 ]; then
  echo "golden: no script in $dir"
  exit 1
fi
[ "$failed" -eq 0 ]
