#!/usr/bin/env python3
"""solve_lp_text throughput: per-call latency on textbook problems and dense
random LPs, checked against and compared with scipy's HiGHS (floating point)
and with the same algorithm transcribed over fractions.Fraction.

Usage: python3 bench/lp.py [--quick]
(scipy is needed for the comparison only: pip install scipy)
"""
import random
import sys
import time
from pathlib import Path

import nemox

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests" / "python"))
import lp_gen  # noqa: E402
import lp_oracle  # noqa: E402
from bench_util import dense_arrays, per_call, write_results  # noqa: E402

try:
    import numpy as np
    from scipy.optimize import linprog
except ImportError:  # the comparison is optional
    linprog = None

QUICK = "--quick" in sys.argv
LATENCY, SCALING = [], []


def scipy_problem(text):
    """linprog arguments for the text and the sign of its optimum."""
    c, rows, lo, hi, _, sign = dense_arrays(text)
    kw = {"c": c, "bounds": (0, None), "method": "highs"}
    eq = lo == hi
    ub_rows = np.vstack([rows[~eq & np.isfinite(hi)], -rows[~eq & np.isfinite(lo)]]) if len(rows) else rows
    ub = np.concatenate([hi[~eq & np.isfinite(hi)], -lo[~eq & np.isfinite(lo)]]) if len(rows) else hi
    if len(ub):
        kw.update(A_ub=ub_rows, b_ub=ub)
    if eq.any():
        kw.update(A_eq=rows[eq], b_eq=hi[eq])
    return kw, sign


def textbook():
    text = "max x0 + x1\nx0 + 2*x1 <= 4\n3*x0 + x1 <= 6\n"
    ours = per_call(nemox.solve_lp_text, text)
    print("Two-variable example (max x0 + x1; x0 + 2*x1 <= 4; 3*x0 + x1 <= 6):")
    print(f"  nemox.solve_lp_text  {ours * 1e6:9.2f} us per call (dict included)")
    problem = "LP, 2 variables"
    LATENCY.append({"problem": problem, "tool": "nemox", "seconds": ours})
    frac = per_call(lp_oracle.solve_lp_text, text)
    print(f"  Fraction transcription {frac * 1e6:7.2f} us per call   ratio {frac / ours:7.1f}x")
    if linprog is not None:
        kw, _ = scipy_problem(text)
        res = linprog(**kw)
        assert abs(-res.fun - nemox.solve_lp_text(text)["objective"]) < 1e-9
        theirs = per_call(lambda k: linprog(**k), kw)
        LATENCY.append({"problem": problem, "tool": "scipy linprog (HiGHS)", "seconds": theirs})
        print(f"  scipy linprog (HiGHS) {theirs * 1e6:8.2f} us per call   "
              f"nemox takes {ours / theirs * 100:.2f}% of scipy's time ({theirs / ours:.0f}x faster)")
    print()


def dense(kind, sizes, count):
    print(f"Dense random LPs, {'small integer' if kind == 'int' else 'two-decimal'} data "
          f"({count} problems per size; max, <= rows, positive data):")
    print("   size   nemox/call   pivots  pivots/s  64-bit  widest  Fraction/call  speed-up"
          "   scipy/call  scipy/nemox")
    rng = random.Random(2024)
    for n in sizes:
        texts = [lp_gen.dense_lp(rng, n, n, kind) for _ in range(count)]
        results = [nemox.solve_lp_text(t) for t in texts]
        ours = 0.0
        for t in texts:  # best of three per problem: the machine is shared
            best = float("inf")
            for _ in range(3):
                start = time.perf_counter()
                nemox.solve_lp_text(t)
                best = min(best, time.perf_counter() - start)
            ours += best / count
        # The same algorithm over Fraction: answers, pivots and widest value.
        pivots, stayed, widest = 0, 0, 0
        start = time.perf_counter()
        for t, r in zip(texts, results):
            assert lp_oracle.solve_lp_text(t) == r, t
        frac = (time.perf_counter() - start) / count
        for t in texts:
            stats = {}
            lp_oracle.simplex(lp_oracle.parse(t), stats=stats)
            pivots += stats["pivots"]
            stayed += stats["bits"] <= 63
            widest = max(widest, stats["bits"])
        SCALING.append({"series": f"dense {kind} LP, n x n", "size": n, "seconds": ours,
                        "pivots": pivots / count, "widest_bits": widest})
        line = (f"  {n:3d}x{n:<3d} {ours * 1e3:9.3f} ms {pivots / count:8.1f} {pivots / count / ours:9.0f}"
                f"  {stayed / count * 100:5.0f}%  {widest:4d}b  {frac * 1e3:10.2f} ms  {frac / ours:7.1f}x")
        if linprog is not None and n <= 20:
            kws = [scipy_problem(t) for t in texts]
            start = time.perf_counter()
            for (kw, sign), r in zip(kws, results):
                res = linprog(**kw)
                assert abs(sign * res.fun - r["objective"]) <= 1e-6 * max(1.0, abs(r["objective"]))
            theirs = (time.perf_counter() - start) / count
            line += f"  {theirs * 1e3:9.3f} ms  {theirs / ours:9.1f}x"
        print(line, flush=True)
    print()


def main():
    print(f"nemox LP benchmark, Python {sys.version.split()[0]}"
          + ("" if linprog is None else f", scipy {__import__('scipy').__version__}"))
    print()
    textbook()
    sizes = [5, 10, 20] if QUICK else [5, 10, 15, 20, 30, 40, 60]
    count = 5 if QUICK else 10
    dense("int", sizes, count)
    dense("dec2", sizes, count)
    print("64-bit: share of problems whose every exact value fits 64 bits (else the solve is redone")
    print("in big integers); widest: largest numerator or denominator met, in bits.")
    write_results("lp", LATENCY, SCALING)


if __name__ == "__main__":
    main()
