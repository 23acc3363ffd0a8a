#!/usr/bin/env python3
"""Instruction counts of the exact LP driver on Netlib models under callgrind,
for two builds of the driver side by side (this machine has no hardware
counters, and wall-clock time is noisy with the cores shared): the whole solve
and the share of the big-integer unit; and the seconds of each build outside
valgrind, best of three runs taken in turns, so that both meet the same load.
Figures go to bench/results/netlib_instructions.json.

Usage:
  nice -n 10 python3 bench/netlib_instructions.py --before PATH [--driver PATH] [--engine E] [MODEL ...]
(valgrind needed; the default models are small enough for callgrind's 50x slowdown.)
With --seconds-only the models too large for callgrind get one timed run of each
build (per-run limit --timeout seconds) and the parts of their time.
"""
import argparse
import gzip
import json
import re
import subprocess
import tempfile
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
DATA = ROOT / "bench" / "data" / "netlib"
RESULTS = ROOT / "bench" / "results" / "netlib_instructions.json"
MODELS = ["israel", "scagr7", "e226", "agg2"]
# Functions of the big-integer unit (demangled names), helpers included.
ARITHMETIC = re.compile(r"linear::BigInt::|mul_mag|add_mag|sub_mag|shifted_copy|mul_add_rows|hensel_rows"
                        r"|mul_small|combine\(")
LINE = re.compile(r"^\s*([\d,]+) \(")


def count(driver, text, option):
    """(total instructions, instructions in the big-number arithmetic, the driver's answer)."""
    with tempfile.TemporaryDirectory() as tmp:
        out = Path(tmp) / "callgrind.out"
        done = subprocess.run(["valgrind", "--tool=callgrind", f"--callgrind-out-file={out}", str(driver), *option],
                              input=text, capture_output=True, text=True, check=True)
        answer = json.loads(done.stdout)
        annotated = subprocess.run(["callgrind_annotate", "--threshold=100", "--auto=no", str(out)], capture_output=True,
                                   text=True, check=True).stdout
    total, arithmetic = None, 0
    for line in annotated.splitlines():
        if line.rstrip().endswith("PROGRAM TOTALS"):
            total = int(line.split()[0].replace(",", ""))
            continue
        m = LINE.match(line)
        if m and ARITHMETIC.search(line):
            arithmetic += int(m.group(1).replace(",", ""))
    return total, arithmetic, answer


def paired_seconds(before, after, text, option, runs=3, timeout=None):
    """Best seconds of each driver, the runs alternating, and the last answer of each."""
    best = [float("inf"), float("inf")]
    answers = [None, None]
    for _ in range(runs):
        for i, driver in enumerate((before, after)):
            done = subprocess.run([str(driver), *option], input=text, capture_output=True, text=True, check=True,
                                  timeout=timeout)
            answers[i] = json.loads(done.stdout)
            best[i] = min(best[i], answers[i]["seconds"])
    return best, answers


PARTS = ("refactor", "btran", "pricing", "ftran", "update")


def seconds_only(args, option):
    rows = []
    print(f"{'model':10} {'s before':>9} {'s after':>8} {'ratio':>6}  parts after (refactor btran pricing ftran update)")
    for name in args.models:
        text = gzip.decompress((DATA / f"{name}.mps.gz").read_bytes()).decode()
        (before, after), (old, new) = paired_seconds(args.before, args.driver, text, option, runs=1,
                                                     timeout=args.timeout)
        same = all(old[k] == new[k] for k in ("status", "objective", "pivots"))
        rows.append({"model": name, "seconds_before": before, "seconds_after": after, "pivots": new["pivots"],
                     "parts_before": {p: old[f"time_{p}"] for p in PARTS},
                     "parts_after": {p: new[f"time_{p}"] for p in PARTS}, "same_answer_and_pivots": same})
        print(f"{name:10} {before:9.2f} {after:8.2f} {before / after:6.2f}  "
              + " ".join(f"{new[f'time_{p}']:.2f}" for p in PARTS) + ("" if same else "  ANSWERS DIFFER"), flush=True)
    args.out.write_text(json.dumps({"benchmark": "netlib_seconds", "engine": args.engine or "automatic",
                                    "models": rows}, indent=1) + "\n")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--before", required=True, help="the driver to compare against")
    ap.add_argument("--driver", default=str(ROOT / "build" / "bench" / "nemox_lp_netlib"))
    ap.add_argument("--out", type=Path, default=RESULTS)
    ap.add_argument("--engine", choices=["revised", "dense", "direct"],
                    help="the driver's engine (default: its automatic choice)")
    ap.add_argument("--seconds-only", action="store_true", help="timed runs only, no callgrind")
    ap.add_argument("--timeout", type=float, default=150.0, help="seconds per run with --seconds-only")
    ap.add_argument("models", nargs="*", default=MODELS)
    args = ap.parse_args()
    option = [f"--{args.engine}"] if args.engine else []
    if args.seconds_only:
        seconds_only(args, option)
        return
    rows = []
    print(f"{'model':10} {'before':>15} {'after':>15} {'ratio':>6} {'arith. before':>14} {'arith. after':>13} "
          f"{'s before':>9} {'s after':>8}")
    for name in args.models:
        text = gzip.decompress((DATA / f"{name}.mps.gz").read_bytes()).decode()
        before, before_arith, old = count(args.before, text, option)
        after, after_arith, new = count(args.driver, text, option)
        same = all(old[k] == new[k] for k in ("status", "objective", "pivots"))
        (seconds_before, seconds_after), _ = paired_seconds(args.before, args.driver, text, option)
        rows.append({"model": name, "instructions_before": before, "instructions_after": after,
                     "arithmetic_before": before_arith, "arithmetic_after": after_arith,
                     "seconds_before": seconds_before, "seconds_after": seconds_after,
                     "pivots": new["pivots"], "bits": new["bits"], "same_answer_and_pivots": same})
        print(f"{name:10} {before:15,} {after:15,} {before / after:6.2f} {before_arith / before:13.0%} "
              f"{after_arith / after:13.0%} {seconds_before:9.3f} {seconds_after:8.3f}"
              f"{'' if same else '  ANSWERS DIFFER'}", flush=True)
    args.out.write_text(json.dumps({"benchmark": "netlib_instructions", "engine": args.engine or "automatic", "models": rows}, indent=1) + "\n")


if __name__ == "__main__":
    main()
