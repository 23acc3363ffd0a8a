#!/usr/bin/env python3
"""Netlib models solved with the pivot rules alone (--revised, as before
answers were certified directly) and with the direct attempt first (the
default), side by side with HiGHS through highspy on the same file: per
model the seconds of each, the ratio to HiGHS, whether the answer was
certified directly, and where the time went (floating-point simplex,
exact check, exact pivots). Figures go to bench/results/lp_direct.json.

Usage:
  cmake -S . -B build/bench -DNEMOX_BUILD_BENCH=ON -DNEMOX_BUILD_MODULE=OFF \\
        -DNEMOX_BUILD_CLI=OFF -DCMAKE_BUILD_TYPE=Release
  cmake --build build/bench --target nemox_lp_netlib
  python3 bench/lp_direct.py [--data DIR] [--max-rows N] [--timeout S] [--skip-before] [MODEL ...]
(highspy is needed for the comparison only.)
"""
import argparse
import gzip
import json
import math
import os
import subprocess
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
RESULTS = ROOT / "bench" / "results" / "lp_direct.json"

try:
    import highspy
except ImportError:  # the comparison is optional
    highspy = None


def mps_text(path):
    if path.suffix == ".gz":
        with gzip.open(path, "rt") as f:
            return f.read()
    return path.read_text()


def rows_of(text):
    """Constraint rows of an MPS text (the ROWS section less the objective)."""
    count, inside = 0, False
    for line in text.splitlines():
        if not line or line[0] == "*":
            continue
        if not line[0].isspace():
            inside = line.split()[0] == "ROWS"
            continue
        if inside and line.split()[0] in ("L", "G", "E"):
            count += 1
    return count


def run_driver(driver, text, option, timeout):
    args = [str(driver)] + ([option] if option else [])
    try:
        done = subprocess.run(args, input=text, capture_output=True, timeout=timeout, text=True)
    except subprocess.TimeoutExpired:
        return {"status": "TIMEOUT", "seconds": None}
    if done.returncode != 0:
        return {"status": "ERROR: " + done.stderr.strip()[:200], "seconds": None}
    return json.loads(done.stdout)


def highs(text):
    """Best of three solves of the same file; (seconds, iterations, objective)."""
    if highspy is None:
        return None
    with tempfile.NamedTemporaryFile("w", suffix=".mps", delete=False) as f:
        f.write(text)
        name = f.name
    try:
        best = None
        for _ in range(3):
            h = highspy.Highs()
            h.setOptionValue("output_flag", False)
            h.readModel(name)
            start = time.perf_counter()
            h.run()
            seconds = time.perf_counter() - start
            info = h.getInfo()
            if best is None or seconds < best[0]:
                best = (seconds, info.simplex_iteration_count, info.objective_function_value)
        return best
    finally:
        os.unlink(name)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("models", nargs="*")
    ap.add_argument("--data", default=str(ROOT / "bench" / "data" / "netlib"))
    ap.add_argument("--driver", default=str(ROOT / "build" / "bench" / "nemox_lp_netlib"))
    ap.add_argument("--max-rows", type=int, default=1000)
    ap.add_argument("--timeout", type=float, default=60.0)
    ap.add_argument("--skip-before", action="store_true")
    ap.add_argument("--out", default=str(RESULTS))
    args = ap.parse_args()
    data = Path(args.data)
    paths = sorted(p for p in data.iterdir() if p.name.endswith((".mps", ".mps.gz")))
    if args.models:
        paths = [p for p in paths if p.name.split(".")[0] in args.models]
    results = []
    print(f"{'model':10} {'rows':>5} {'before':>8} {'after':>8} {'highs':>8} {'after/HiGHS':>11} "
          f"{'direct':>6} {'float':>7} {'check':>7} {'status'}")
    for path in paths:
        name = path.name.split(".")[0]
        text = mps_text(path)
        rows = rows_of(text)
        if rows > args.max_rows:
            continue
        after = run_driver(args.driver, text, "", args.timeout)
        before = None if args.skip_before else run_driver(args.driver, text, "--revised",
                                                          args.timeout)
        peer = highs(text)
        entry = {"model": name, "rows": rows, "after": after, "before": before}
        if peer:
            entry["highs_seconds"], entry["highs_iterations"], entry["highs_objective"] = peer
        results.append(entry)
        ratio = (after["seconds"] / peer[0]) if peer and after.get("seconds") else None
        def fmt(v, width=8):
            return f"{v:{width}.3f}" if isinstance(v, float) else "-".rjust(width)

        ratio_text = f"{ratio:11.1f}" if ratio else "-".rjust(11)
        print(f"{name:10} {rows:5} {fmt(before.get('seconds') if before else None)} "
              f"{fmt(after.get('seconds'))} {fmt(peer[0] if peer else None)} {ratio_text} "
              f"{str(after.get('direct', '-')):>6} {fmt(after.get('time_float'), 7)} "
              f"{fmt(after.get('time_certify'), 7)} {after.get('status')}", flush=True)
    ratios = [r["after"]["seconds"] / r["highs_seconds"] for r in results
              if r["after"].get("seconds") and r.get("highs_seconds") and r["rows"] >= 100]
    if ratios:
        gm = math.exp(sum(math.log(x) for x in ratios) / len(ratios))
        print(f"geometric mean after/HiGHS over {len(ratios)} models of >= 100 rows: {gm:.1f}")
    Path(args.out).parent.mkdir(parents=True, exist_ok=True)
    with open(args.out, "w") as f:
        json.dump(results, f, indent=1)


if __name__ == "__main__":
    main()
