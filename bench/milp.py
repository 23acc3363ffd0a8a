#!/usr/bin/env python3
"""solve_milp_text throughput on small knapsack, assignment and set-cover
MILPs, checked against the literal branch and bound over fractions.Fraction
and compared with scipy.optimize.milp (HiGHS).

Usage: python3 bench/milp.py [--quick]
"""
import random
import sys
import time
from pathlib import Path

import nemox

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests" / "python"))
import milp_oracle  # noqa: E402
from bench_util import dense_arrays, per_call, write_results  # noqa: E402

try:
    import numpy as np
    from scipy.optimize import Bounds, LinearConstraint, milp
except ImportError:
    milp = None

QUICK = "--quick" in sys.argv
LATENCY, SCALING = [], []


def knapsack(rng, n):
    w = [rng.randint(3, 30) for _ in range(n)]
    v = [rng.randint(3, 30) for _ in range(n)]
    lines = ["max " + " + ".join(f"{v[i]}*x{i}" for i in range(n))]
    lines += [f"int x{i}" for i in range(n)]
    lines.append(" + ".join(f"{w[i]}*x{i}" for i in range(n)) + f" <= {sum(w) // 2}")
    lines += [f"x{i} <= 1" for i in range(n)]
    return "\n".join(lines) + "\n"


def assignment(rng, k):
    idx = lambda i, j: i * k + j  # noqa: E731
    cost = [[rng.randint(1, 20) for _ in range(k)] for _ in range(k)]
    lines = ["min " + " + ".join(f"{cost[i][j]}*x{idx(i, j)}" for i in range(k) for j in range(k))]
    lines += [f"int x{v}" for v in range(k * k)]
    lines += [" + ".join(f"x{idx(i, j)}" for j in range(k)) + " = 1" for i in range(k)]
    lines += [" + ".join(f"x{idx(i, j)}" for i in range(k)) + " = 1" for j in range(k)]
    return "\n".join(lines) + "\n"


def set_cover(rng, n, m):
    sets = [[j for j in range(m) if rng.random() < 0.3] for _ in range(n)]
    for e in range(m):  # every element coverable
        if not any(e in s for s in sets):
            sets[rng.randrange(n)].append(e)
    cost = [rng.randint(1, 9) for _ in range(n)]
    lines = ["min " + " + ".join(f"{cost[i]}*x{i}" for i in range(n))]
    lines += [f"int x{i}" for i in range(n)]
    for e in range(m):
        lines.append(" + ".join(f"x{i}" for i in range(n) if e in sets[i]) + " >= 1")
    lines += [f"x{i} <= 1" for i in range(n)]
    return "\n".join(lines) + "\n"


def scipy_problem(text):
    """milp arguments for the text and the sign of its optimum."""
    c, rows, lo, hi, integrality, sign = dense_arrays(text)
    kw = {"c": c, "integrality": integrality, "bounds": Bounds(0, np.inf)}
    if len(rows):
        kw["constraints"] = LinearConstraint(rows, lo, hi)
    return kw, sign


def example():
    text = "max x0 + x1\nint x0\nint x1\n2*x0 + 2*x1 <= 3\n"
    ours = per_call(nemox.solve_milp_text, text)
    print("Two-variable example (max x0 + x1; int x0; int x1; 2*x0 + 2*x1 <= 3):")
    print(f"  nemox.solve_milp_text  {ours * 1e6:9.2f} us per call")
    LATENCY.append({"problem": "MILP, 2 variables", "tool": "nemox", "seconds": ours})
    frac = per_call(milp_oracle.solve_milp_text, text)
    print(f"  Fraction transcription {frac * 1e6:9.2f} us per call   ratio {frac / ours:6.1f}x")
    if milp is not None:
        kw, sign = scipy_problem(text)
        assert abs(sign * milp(**kw).fun - nemox.solve_milp_text(text)["objective"]) < 1e-9
        theirs = per_call(lambda k: milp(**k), kw)
        LATENCY.append({"problem": "MILP, 2 variables", "tool": "scipy milp (HiGHS)", "seconds": theirs})
        print(f"  scipy milp (HiGHS)     {theirs * 1e6:9.2f} us per call   "
              f"nemox takes {ours / theirs * 100:.2f}% of scipy's time")
    print()


def family(name, make, sizes, count):
    print(f"{name} ({count} problems per size):")
    print("   size     nemox/call   nodes  nodes/s   Fraction/call  speed-up    scipy/call  scipy/nemox")
    rng = random.Random(7)
    for size in sizes:
        texts = [make(rng, size) for _ in range(count)]
        results = [nemox.solve_milp_text(t) for t in texts]
        ours = 0.0
        for t in texts:  # best of three per problem: the machine is shared
            best = float("inf")
            for _ in range(3):
                start = time.perf_counter()
                nemox.solve_milp_text(t)
                best = min(best, time.perf_counter() - start)
            ours += best / count
        nodes = 0
        start = time.perf_counter()
        for t, r in zip(texts, results):
            stats = {}
            assert milp_oracle.solve_milp_text(t, stats=stats) == r, t
            nodes += stats.get("examined", 0)
        frac = (time.perf_counter() - start) / count
        SCALING.append({"series": name, "size": size, "seconds": ours, "nodes": nodes / count})
        line = (f"  {str(size):7s} {ours * 1e3:9.3f} ms {nodes / count:7.1f} {nodes / count / ours:8.0f}"
                f"  {frac * 1e3:10.2f} ms  {frac / ours:7.1f}x")
        if milp is not None:
            kws = [scipy_problem(t) for t in texts]
            start = time.perf_counter()
            for (kw, sign), r in zip(kws, results):
                res = milp(**kw)
                if r["status"] == "OPTIMAL":
                    assert abs(sign * res.fun - r["objective"]) < 1e-6, (sign * res.fun, r)
            theirs = (time.perf_counter() - start) / count
            line += f"  {theirs * 1e3:9.3f} ms  {theirs / ours:9.1f}x"
        print(line, flush=True)
    print()


def main():
    print(f"nemox MILP benchmark, Python {sys.version.split()[0]}"
          + ("" if milp is None else f", scipy {__import__('scipy').__version__}"))
    print()
    example()
    count = 3 if QUICK else 5
    family("Knapsack, 0/1 items", knapsack, [6, 10] if QUICK else [6, 10, 14], count)
    family("Assignment, k x k", assignment, [3, 4] if QUICK else [3, 4, 5], count)
    family("Set cover, n sets over 8 elements", lambda r, n: set_cover(r, n, 8), [6, 10] if QUICK else [6, 10, 14], count)
    print("nodes: examined branch-and-bound nodes (counted by the transcription); every node is a")
    print("fresh exact LP solve of the parsed system plus the node's bounds (no copy of the system).")
    write_results("milp", LATENCY, SCALING)


if __name__ == "__main__":
    main()
