#!/usr/bin/env bash
# GNU bc on the sizes of big_number_bench, then the side-by-side table of ours, GMP and bc from
# the benchmark results in RESULTS_DIR (written there as big_number_comparison.md).
#   bench/compare_bc.sh RESULTS_DIR
# bc's runs that take about a minute (product at 10^6 digits, division at 10^5) only run with
# ORVANTA_BC_SLOW=1; its division at 10^6 digits would take hours and never runs.
# All figures are processor time (the machine is shared, so wall time would mostly measure the
# neighbours): the benchmarks' cpu_time, and for bc the whole child process (reading the
# operands, the operation, printing the result) less an empty run's start-up, best of several.
set -euo pipefail
out="${1:?results directory}"
if ! command -v bc >/dev/null; then
  echo "compare_bc.sh: bc is not installed; skipped"
  exit 0
fi
exec "${PYTHON:-python3}" - "$out" "${ORVANTA_BC_SLOW:-0}" <<'PY'
import json, os, random, resource, subprocess, sys, tempfile

out, slow = sys.argv[1], sys.argv[2] == "1"
sizes = [1000, 10000, 100000, 1000000]
symbols = {"add": "+", "sub": "-", "mul": "*", "div": "/"}
limits = {"add": 10**6, "sub": 10**6, "mul": 10**6 if slow else 10**5,
          "div": 10**5 if slow else 10**4}

def number(digits, seed):
    rng = random.Random(seed)
    return str(rng.randint(1, 9)) + "".join(rng.choice("0123456789") for _ in range(digits - 1))

env = dict(os.environ, BC_LINE_LENGTH="0")

def children_cpu():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime

def best_time(path, budget=0.5, runs=5):
    best, spent, count = float("inf"), 0.0, 0
    while count < runs and (count == 0 or spent < budget):
        start = children_cpu()
        subprocess.run(["bc", "-q", path], env=env, stdout=subprocess.DEVNULL, check=True)
        elapsed = children_cpu() - start
        best, spent, count = min(best, elapsed), spent + elapsed, count + 1
    return best

bc = {}
with tempfile.TemporaryDirectory() as work:
    empty = os.path.join(work, "empty.bc")
    with open(empty, "w") as f:
        f.write("quit\n")
    start_up = best_time(empty, runs=10)
    for op, symbol in symbols.items():
        for n in sizes:
            if n > limits[op]:
                continue
            path = os.path.join(work, f"{op}{n}.bc")
            with open(path, "w") as f:
                if op == "div":
                    f.write(f"scale={n}\n")
                f.write(f"a={number(n, 1)}\nb={number(n, 2)}\nc=a{symbol}b\nc\nquit\n")
            bc.setdefault(op, {})[str(n)] = max(best_time(path) - start_up, 0.0)
            print(f"bc {op} {n} digits: {bc[op][str(n)] * 1e3:.3f} ms", flush=True)
with open(os.path.join(out, "bc_big_number.json"), "w") as f:
    json.dump({"seconds": bc, "start_up_seconds": start_up}, f, indent=1)

def benchmark_seconds(name, prefix):
    try:
        with open(os.path.join(out, name)) as f:
            runs = json.load(f)["benchmarks"]
    except (OSError, ValueError, KeyError):
        return {}
    scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}
    times = {}
    for run in runs:
        if run.get("run_type", "iteration") != "iteration":
            continue
        op, n = run["name"].split("/")[:2]
        times[(op[len(prefix):].lower(), n)] = run["cpu_time"] * scale[run["time_unit"]]
    return times

ours = benchmark_seconds("big_number_bench.json", "BM_Big")
gmp = benchmark_seconds("gmp_reference_bench.json", "BM_Gmp")

# Below this bc's figure is lost in the jitter of its start-up.
bc_floor = 1e-4

def shown(seconds):
    if seconds is None:
        return "not run"
    if seconds >= 1:
        return f"{seconds:.3g} s"
    return f"{seconds * 1e3:.3g} ms"

def ratio(other, mine):
    if other is None or mine is None or mine == 0:
        return ""
    r = other / mine
    return f"{r:.0f}x" if r >= 10 else f"{r:.2g}x"

lines = ["| operation | digits | ours | GMP | bc | GMP / ours | bc / ours |",
         "|---|---:|---:|---:|---:|---:|---:|"]
for op in symbols:
    for n in sizes:
        mine, g = ours.get((op, str(n))), gmp.get((op, str(n)))
        b = bc.get(op, {}).get(str(n))
        b_text = "< 0.1 ms" if b is not None and b < bc_floor else shown(b)
        b = None if b is not None and b < bc_floor else b
        lines.append(f"| {op} | 10^{len(str(n)) - 1} | {shown(mine)} | {shown(g)} | {b_text} | "
                     f"{ratio(g, mine)} | {ratio(b, mine)} |")
table = "\n".join(lines) + "\n"
with open(os.path.join(out, "big_number_comparison.md"), "w") as f:
    f.write(table)
print(table)
PY
