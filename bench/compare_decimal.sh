#!/usr/bin/env bash
# A decimal-native yardstick: Python's decimal module (libmpdec, which keeps numbers in base
# 10^19 words and multiplies long ones by number-theoretic transforms) on the sizes and operands
# of big_number_bench, beside ours from RESULTS_DIR (table in decimal_comparison.md).
#   bench/compare_decimal.sh RESULTS_DIR
# Processor time of text in, operation, text out, as the panel does; best of several runs.
# Division asks for n significant digits, cut off (ROUND_DOWN), as the panel's p = n does.
set -euo pipefail
out="${1:?results directory}"
exec "${PYTHON:-python3}" - "$out" <<'PY'
import decimal, json, os, random, sys, time

out = sys.argv[1]
sizes = [1000, 10000, 100000, 1000000]
ops = ["add", "sub", "mul", "div"]

def number(digits, seed):
    rng = random.Random(seed)
    return str(rng.randint(1, 9)) + "".join(rng.choice("0123456789") for _ in range(digits - 1))

def run(op, a, b, n):
    context = decimal.Context(prec=2 * n + 2, rounding=decimal.ROUND_DOWN,
                              Emax=decimal.MAX_EMAX, Emin=decimal.MIN_EMIN)
    if op == "div":
        context.prec = n
    x, y = decimal.Decimal(a), decimal.Decimal(b)
    r = {"add": context.add, "sub": context.subtract, "mul": context.multiply,
         "div": context.divide}[op](x, y)
    return str(r)

def best_time(op, a, b, n, budget=0.5, runs=5):
    best, spent, count = float("inf"), 0.0, 0
    while count < runs and (count == 0 or spent < budget):
        start = time.process_time()
        run(op, a, b, n)
        elapsed = time.process_time() - start
        best, spent, count = min(best, elapsed), spent + elapsed, count + 1
    return best

mpdec = {}
for n in sizes:
    a, b = number(n, 1), number(n, 2)
    for op in ops:
        mpdec.setdefault(op, {})[str(n)] = best_time(op, a, b, n)
        print(f"decimal {op} {n} digits: {mpdec[op][str(n)] * 1e3:.3f} ms", flush=True)
with open(os.path.join(out, "decimal_big_number.json"), "w") as f:
    json.dump({"seconds": mpdec, "libmpdec": decimal.__libmpdec_version__}, f, indent=1)

try:
    with open(os.path.join(out, "big_number_bench.json")) as f:
        runs = json.load(f)["benchmarks"]
except (OSError, ValueError, KeyError):
    runs = []
scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}
ours = {}
for r in runs:
    name, n = r["name"].split("/")[:2]
    if r.get("run_type", "iteration") == "iteration" and name[len("BM_Big"):].lower() in ops:
        ours[(name[len("BM_Big"):].lower(), n)] = r["cpu_time"] * scale[r["time_unit"]]

def shown(seconds):
    if seconds is None:
        return "not run"
    return f"{seconds:.3g} s" if seconds >= 1 else f"{seconds * 1e3:.3g} ms"

lines = ["| operation | digits | ours | Python decimal | decimal / ours |",
         "|---|---:|---:|---:|---:|"]
for op in ops:
    for n in sizes:
        mine, d = ours.get((op, str(n))), mpdec[op][str(n)]
        ratio = "" if not mine else (f"{d / mine:.0f}x" if d / mine >= 10 else f"{d / mine:.2g}x")
        lines.append(f"| {op} | 10^{len(str(n)) - 1} | {shown(mine)} | {shown(d)} | {ratio} |")
table = "\n".join(lines) + "\n"
with open(os.path.join(out, "decimal_comparison.md"), "w") as f:
    f.write(table)
print(table)
PY
