#!/usr/bin/env python3
"""Exact LP on the Netlib models in bench/data/netlib: rows, columns,
nonzeros, pivots, time and the largest number (bits) of each solve, the
objective against the published optimum, and scipy's HiGHS (floating point)
on the same linear system for scale. Figures also go to
bench/results/netlib.json.

Usage:
  cmake -S . -B build/bench -DNEMOX_BUILD_BENCH=ON -DNEMOX_BUILD_MODULE=OFF \\
        -DNEMOX_BUILD_CLI=OFF -DCMAKE_BUILD_TYPE=Release
  cmake --build build/bench --target nemox_lp_netlib
  python3 bench/lp_netlib.py [--timeout SECONDS] [--driver PATH] [MODEL ...]
(scipy is needed for the comparison only.)
"""
import argparse
import csv
import gzip
import json
import statistics
import subprocess
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
DATA = ROOT / "bench" / "data" / "netlib"
RESULTS = ROOT / "bench" / "results" / "netlib.json"
# Published without the objective constant that the file gives (see README).
WITHOUT_CONSTANT = {"e226"}

try:
    import numpy as np
    from scipy.optimize import linprog
    from scipy.sparse import csr_matrix
except ImportError:  # the comparison is optional
    linprog = None


def optima():
    with open(DATA / "optima.csv") as f:
        rows = [r for r in csv.reader(f) if r and not r[0].startswith("#")]
    return {name: float(value) for name, value in rows[1:]}


def run_driver(driver, text, option, timeout):
    args = [str(driver)] + ([option] if option else [])
    done = subprocess.run(args, input=text, capture_output=True, timeout=timeout, text=True)
    if done.returncode != 0:
        raise RuntimeError(done.stderr.strip())
    return json.loads(done.stdout)


def highs_seconds(system):
    """Best of three linprog calls on the system; (seconds, objective)."""
    n = system["variables"]
    sign = -1.0 if system["maximize"] else 1.0
    c = np.zeros(n)
    for var, coeff in system["cost"]:
        c[var] = sign * coeff
    groups = {"<=": ([], [], [], []), ">=": ([], [], [], []), "=": ([], [], [], [])}
    for row in system["rows"]:
        data, cols, ptr, rhs = groups[row["op"]]
        ptr.append(len(data))
        flip = -1.0 if row["op"] == ">=" else 1.0
        for var, coeff in row["terms"]:
            cols.append(var)
            data.append(flip * coeff)
        rhs.append(flip * row["rhs"])

    def matrix(group):
        data, cols, ptr, rhs = group
        if not rhs:
            return None, None
        return csr_matrix((data, cols, ptr + [len(data)]), shape=(len(rhs), n)), np.array(rhs)

    le = [matrix(groups["<="]), matrix(groups[">="])]
    a_ub = [m for m, _ in le if m is not None]
    b_ub = [b for _, b in le if b is not None]
    kw = {"c": c, "bounds": (0, None), "method": "highs"}
    if a_ub:
        from scipy.sparse import vstack
        kw.update(A_ub=vstack(a_ub).tocsr(), b_ub=np.concatenate(b_ub))
    a_eq, b_eq = matrix(groups["="])
    if a_eq is not None:
        kw.update(A_eq=a_eq, b_eq=b_eq)
    best, result = float("inf"), None
    for _ in range(3):
        start = time.perf_counter()
        result = linprog(**kw)
        best = min(best, time.perf_counter() - start)
    objective = sign * result.fun + system["constant"] if result.status == 0 else None
    return best, objective


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--timeout", type=float, default=120.0)
    ap.add_argument("--driver", default=str(ROOT / "build" / "bench" / "nemox_lp_netlib"))
    ap.add_argument("models", nargs="*")
    args = ap.parse_args()
    published = optima()
    names = args.models or list(published)
    figures = []
    head = (f"{'model':9} {'rows':>5} {'cols':>5} {'nnz':>6} {'pivots':>6} {'seconds':>9} "
            f"{'bits':>5} {'objective':>18} {'rel.err':>8} {'HiGHS s':>8} {'ratio':>7}")
    print(head)
    for name in names:
        text = gzip.decompress((DATA / f"{name}.mps.gz").read_bytes()).decode()
        system = run_driver(args.driver, text, "--system", args.timeout)
        try:
            f = run_driver(args.driver, text, None, args.timeout)
        except subprocess.TimeoutExpired:
            f = None
        highs, highs_objective = highs_seconds(system) if linprog else (None, None)
        optimum = published[name]
        row = {"model": name, "optimum": optimum, "highs_seconds": highs,
               "highs_objective": highs_objective}
        if f is None:
            row.update(rows=None, cols=None, nonzeros=None, pivots=None, seconds=None,
                       bits=None, objective=None, rel_error=None, status="timeout")
            print(f"{name:9} no answer within {args.timeout:.0f} s; HiGHS {highs}")
        else:
            objective = f["objective"]
            compared = objective - system["constant"] if name in WITHOUT_CONSTANT else objective
            rel = abs(compared - optimum) / max(1.0, abs(optimum))
            row.update(rows=f["rows"], cols=f["cols"], nonzeros=f["nonzeros"], pivots=f["pivots"],
                       seconds=f["seconds"], bits=f["bits"], objective=objective, rel_error=rel,
                       status=f["status"], engine="factorized" if f["revised"] else "dense",
                       big=f["big"], exact_prices=f["exact_prices"],
                       time_parts={k[5:]: f[k] for k in f if k.startswith("time_")})
            ratio = f["seconds"] / highs if highs else float("nan")
            print(f"{name:9} {f['rows']:5} {f['cols']:5} {f['nonzeros']:6} {f['pivots']:6} "
                  f"{f['seconds']:9.4f} {f['bits']:5} {objective:18.10g} {rel:8.1e} "
                  f"{highs if highs else float('nan'):8.4f} {ratio:7.1f}")
        figures.append(row)
    RESULTS.parent.mkdir(parents=True, exist_ok=True)
    RESULTS.write_text(json.dumps(figures, indent=1) + "\n")
    ratios = [r["seconds"] / r["highs_seconds"] for r in figures
              if r["seconds"] is not None and r["highs_seconds"]]
    answered = sum(r["seconds"] is not None for r in figures)
    print(f"answered {answered} of {len(figures)}; median time ratio to HiGHS "
          f"{statistics.median(ratios):.1f}" if ratios else f"answered {answered} of {len(figures)}")


if __name__ == "__main__":
    main()
