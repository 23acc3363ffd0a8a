#!/usr/bin/env python3
"""Exact LP on the Netlib models, side by side with HiGHS (highspy, floating
point, default options) in one run.

Per model: rows, columns and nonzeros, nemox's seconds, pivots, largest number
(bits), where its exact time goes (the driver's time parts) and whether the
answer was certified directly; HiGHS's seconds (best of three) and simplex
iterations; their ratio; the status; the objective against the published
optimum (bench/data/netlib/optima.csv) compared at the digits it is published
with. Feasible models come from bench/data/netlib, the infeasible ones from
--infeasible. Models above --max-rows are listed with HiGHS's figures only,
unless --all. Figures go to bench/results/netlib.json.

Usage:
  cmake -S . -B build/bench -DNEMOX_BUILD_BENCH=ON -DNEMOX_BUILD_MODULE=OFF \\
        -DNEMOX_BUILD_CLI=OFF -DCMAKE_BUILD_TYPE=Release
  cmake --build build/bench --target nemox_lp_netlib
  nice -n 10 python3 bench/lp_netlib.py [--timeout 60] [--driver PATH] [--out FILE]
        [--extra DIR] [--infeasible DIR] [--all] [MODEL ...]
(pip install highspy: for the benchmark only.)
"""
import argparse
import csv
import gzip
import json
import math
import os
import platform
import subprocess
import sys
import tempfile
import time
from decimal import Decimal
from pathlib import Path

import highspy

ROOT = Path(__file__).resolve().parent.parent
DATA = ROOT / "bench" / "data" / "netlib"
INFEASIBLE = ROOT / "bench" / "data" / "netlib_infeasible"
RESULTS = ROOT / "bench" / "results" / "netlib.json"
# Published without the objective constant that the file gives (see the data note).
WITHOUT_CONSTANT = {"e226"}
# The readme's CPLEX value where its MINOS 5.3 value differs in the digits (see the data note).
ALSO_PUBLISHED = {"scagr7": "-2.3313898243E+06"}
# The ratio summary counts models of at least this many rows.
SUMMARY_ROWS = 100


def optima():
    """name -> published optimum, as its text (its digits say how it was rounded)."""
    with open(DATA / "optima.csv") as f:
        rows = [r for r in csv.reader(f) if r and not r[0].startswith("#")]
    return {name: value for name, value in rows[1:]}


def agrees(value, published):
    """Whether `value` rounds to `published` at the significant digits it is printed with."""
    if value is None or not math.isfinite(value):
        return False
    exact = Decimal(published)
    digits = len(exact.as_tuple().digits)
    if exact == 0:
        return abs(value) < 10.0 ** exact.as_tuple().exponent / 2
    return f"{Decimal(repr(value)):.{digits - 1}E}" == f"{exact:.{digits - 1}E}"


def models_in(directory):
    return {p.name[: -len(".mps.gz")]: p for p in sorted(Path(directory).glob("*.mps.gz"))}


def highs_run(path):
    """HiGHS on the MPS file: (rows, cols, nonzeros, best seconds of three, iterations,
    status, objective). The file's objective constant is part of the objective."""
    with tempfile.TemporaryDirectory() as tmp:
        mps = Path(tmp) / path.name[: -len(".gz")]
        mps.write_bytes(gzip.decompress(path.read_bytes()))
        h = highspy.Highs()
        h.setOptionValue("output_flag", False)
        h.setOptionValue("time_limit", 60.0)
        if h.readModel(str(mps)) == highspy.HighsStatus.kError:
            raise RuntimeError(f"HiGHS cannot read {path.name}")
    best = math.inf
    for _ in range(3):
        h.clearSolver()
        start = time.perf_counter()
        h.run()
        best = min(best, time.perf_counter() - start)
    info = h.getInfo()
    status = h.modelStatusToString(h.getModelStatus())
    objective = info.objective_function_value if h.getModelStatus() == highspy.HighsModelStatus.kOptimal else None
    return {"rows": h.getNumRow(), "cols": h.getNumCol(), "nonzeros": h.getNumNz(), "highs_seconds": best,
            "highs_iterations": info.simplex_iteration_count, "highs_status": status,
            "highs_objective": objective}


def run_driver(driver, text, timeout, option=None):
    """The driver's figures, or None when it gives no answer within `timeout`."""
    args = [str(driver)] + ([option] if option else [])
    try:
        done = subprocess.run(args, input=text, capture_output=True, timeout=timeout, text=True)
    except subprocess.TimeoutExpired:
        return None
    if done.returncode != 0:
        return {"status": "error: " + (done.stderr.strip() or f"exit {done.returncode}")}
    return json.loads(done.stdout)


def objective_constant(driver, text):
    return json.loads(subprocess.run([str(driver), "--system"], input=text, capture_output=True, text=True,
                                     check=True).stdout)["constant"]


def nemox_run(driver, path, name, timeout):
    text = gzip.decompress(path.read_bytes()).decode()
    f = run_driver(driver, text, timeout)
    if f is None:
        return {"status": "timeout", "seconds": None}
    if "seconds" not in f:
        return {"status": f["status"], "seconds": None}
    row = {k: f[k] for k in ("status", "seconds", "pivots", "phase1_pivots", "bits", "objective")}
    row["engine"] = "factorized" if f["revised"] else "dense"
    row["big"] = f["big"]
    row["certified"] = f.get("direct")
    row["lifted"] = f.get("lifted")
    row["time_parts"] = {k[len("time_"):]: f[k] for k in f if k.startswith("time_")}
    if name in WITHOUT_CONSTANT and f["status"] == "OPTIMAL":
        row["objective_without_constant"] = f["objective"] - objective_constant(driver, text)
    return row


def geomean(values):
    return math.exp(sum(math.log(v) for v in values) / len(values)) if values else None


def summary(models, timeout):
    answered = [m for m in models if m["seconds"] is not None and m["status"] in ("OPTIMAL", "INFEASIBLE")]
    big = [m for m in answered if m["set"] == "feasible" and m["rows"] >= SUMMARY_ROWS and m["ratio"]]
    attempted_big = [m for m in models if m["set"] == "feasible" and m["rows"] >= SUMMARY_ROWS and not m["skipped"]]
    unanswered = [m["model"] for m in models if not m["skipped"] and m not in answered]
    worst = max(big, key=lambda m: m["ratio"], default=None)
    # Unanswered models counted at the timeout: a lower bound for the mean.
    bounded = [m["ratio"] if m in big else timeout / m["highs_seconds"] for m in attempted_big]
    wrong = [m["model"] for m in answered if m["set"] == "feasible" and m.get("agrees") is False]
    return {
        "attempted": sum(not m["skipped"] for m in models),
        "answered": len(answered),
        "unanswered": unanswered,
        "skipped": [m["model"] for m in models if m["skipped"]],
        "objective_mismatches": wrong,
        "infeasible_answered": sum(m["set"] == "infeasible" and m["status"] == "INFEASIBLE" for m in answered),
        "infeasible_attempted": sum(m["set"] == "infeasible" and not m["skipped"] for m in models),
        "summary_rows": SUMMARY_ROWS,
        "geomean_ratio": geomean([m["ratio"] for m in big]),
        "geomean_models": len(big),
        "geomean_ratio_timeouts_at_limit": geomean(bounded),
        "worst_ratio": worst["ratio"] if worst else None,
        "worst_model": worst["model"] if worst else None,
    }


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--timeout", type=float, default=60.0, help="seconds per model for nemox")
    ap.add_argument("--driver", default=str(ROOT / "build" / "bench" / "nemox_lp_netlib"))
    ap.add_argument("--out", type=Path, default=RESULTS)
    ap.add_argument("--extra", type=Path, help="more feasible models (e.g. the larger ones)")
    ap.add_argument("--infeasible", type=Path, default=INFEASIBLE)
    ap.add_argument("--max-rows", type=int, default=1000)
    ap.add_argument("--all", action="store_true", help="run nemox on models above --max-rows too")
    ap.add_argument("models", nargs="*")
    args = ap.parse_args()
    if not Path(args.driver).is_file():
        sys.exit(f"no driver at {args.driver}: build it first (see the usage above)")
    if not args.infeasible.is_dir():
        sys.exit(f"no infeasible models at {args.infeasible}: give --infeasible DIR")
    published = optima()
    feasible = models_in(args.extra) if args.extra else {}
    feasible.update(models_in(DATA))
    sets = [("feasible", n, p) for n, p in sorted(feasible.items())]
    sets += [("infeasible", n, p) for n, p in sorted(models_in(args.infeasible).items())]
    if args.models:
        sets = [s for s in sets if s[1] in args.models]
    models = []
    print(f"{'model':10} {'set':4} {'rows':>5} {'cols':>5} {'nnz':>6} {'pivots':>6} {'seconds':>8} "
          f"{'HiGHS s':>8} {'iter':>5} {'ratio':>7} {'status':10} agrees")
    for kind, name, path in sets:
        row = {"model": name, "set": kind}
        row.update(highs_run(path))
        row["skipped"] = row["rows"] > args.max_rows and not args.all
        row.update({"status": "skipped", "seconds": None} if row["skipped"]
                   else nemox_run(args.driver, path, name, args.timeout))
        row["ratio"] = row["seconds"] / row["highs_seconds"] if row["seconds"] is not None else None
        if kind == "feasible":
            row["optimum"] = float(published[name]) if name in published else None
            if name in published and row["status"] == "OPTIMAL":
                value = row.get("objective_without_constant", row["objective"])
                row["agrees"] = any(agrees(value, p) for p in (published[name], ALSO_PUBLISHED.get(name)) if p)
                row["rel_error"] = abs(value - row["optimum"]) / max(1.0, abs(row["optimum"]))
            if name in published and row["highs_objective"] is not None:
                constant = row["objective"] - row["objective_without_constant"] \
                    if "objective_without_constant" in row else 0.0
                row["highs_agrees"] = any(agrees(row["highs_objective"] - constant, p)
                                          for p in (published[name], ALSO_PUBLISHED.get(name)) if p)
        models.append(row)
        seconds = f"{row['seconds']:8.3f}" if row["seconds"] is not None else f"{'-':>8}"
        ratio = f"{row['ratio']:7.1f}" if row["ratio"] is not None else f"{'-':>7}"
        print(f"{name:10} {kind[:4]:4} {row['rows']:5} {row['cols']:5} {row['nonzeros']:6} "
              f"{row.get('pivots') or '-':>6} {seconds} {row['highs_seconds']:8.4f} {row['highs_iterations']:5} "
              f"{ratio} {row['status'][:10]:10} {row.get('agrees', '')}", flush=True)
    result = {
        "benchmark": "netlib",
        "driver": os.path.relpath(args.driver, ROOT) if args.driver.startswith(str(ROOT)) else args.driver,
        "timeout": args.timeout,
        "highs": highspy.Highs().version(),
        "machine": {"cores": os.cpu_count(), "python": platform.python_version()},
        "summary": summary(models, args.timeout),
        "models": models,
    }
    args.out.parent.mkdir(parents=True, exist_ok=True)
    args.out.write_text(json.dumps(result, indent=1) + "\n")
    s = result["summary"]
    print(f"answered {s['answered']} of {s['attempted']} (unanswered: {', '.join(s['unanswered']) or 'none'}); "
          f"objective mismatches: {', '.join(s['objective_mismatches']) or 'none'}; infeasible "
          f"{s['infeasible_answered']} of {s['infeasible_attempted']}")
    if s["geomean_ratio"]:
        print(f"over {s['geomean_models']} models of at least {SUMMARY_ROWS} rows: geometric mean of the time "
              f"ratio to HiGHS {s['geomean_ratio']:.1f} ({s['geomean_ratio_timeouts_at_limit']:.1f} counting "
              f"unanswered ones at the timeout), worst {s['worst_ratio']:.0f} ({s['worst_model']})")


if __name__ == "__main__":
    main()
