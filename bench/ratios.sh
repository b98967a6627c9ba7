#!/bin/sh
# Runs the store benchmarks and prints, for each case, the cursor's time, its
# floor's time and their ratio. Needs python3 (not installed by scripts/setup);
# without it, the console output of bench_store ends with the same ratios.
#   bench/ratios.sh [path/to/bench_store] [benchmark options...]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
bench=${1:-"$here/../build/bench/bench/bench_store"}
[ $# -gt 0 ] && shift
command -v python3 >/dev/null 2>&1 || { echo "python3 is needed; run $bench instead" >&2; exit 1; }
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$bench" --benchmark_format=json "$@" >"$out"
python3 - "$out" <<'PY'
import json, sys

runs = json.load(open(sys.argv[1]))["benchmarks"]
scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}
times, order = {}, []
for r in runs:
    if r.get("error_occurred"):
        continue
    if r.get("run_type") == "aggregate" and r.get("aggregate_name") != "min":
        continue
    name = r.get("run_name", r["name"]).replace("/real_time", "")
    pair, _, side = name.rpartition("/")
    if not pair:
        continue
    if pair not in times:
        order.append(pair)
    k = scale[r["time_unit"]]
    times.setdefault(pair, {})[side] = (r["real_time"] * k, r["cpu_time"] * k)
for pair in order:
    t = times[pair]
    if "cursor" in t and "floor" in t and t["floor"][0] > 0 and t["floor"][1] > 0:
        (cr, cc), (fr, fc) = t["cursor"], t["floor"]
        ratio = cr / fr
        flag = "  OVER BUDGET" if ratio > 3 else ""
        print(f"{pair}: cursor {cr:.3f} ms, floor {fr:.3f} ms, ratio {ratio:.2f} "
              f"(CPU: cursor {cc:.3f} ms, floor {fc:.3f} ms, ratio {cc / fc:.2f}){flag}")
PY
