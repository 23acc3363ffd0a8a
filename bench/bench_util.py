"""Timing, result files and problem conversion shared by the benchmarks."""
import json
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests" / "python"))
import lp_oracle  # noqa: E402


def per_call(fn, arg, min_time=0.3):
    """Best of five batches, seconds per call."""
    n = 1
    while True:
        start = time.perf_counter()
        for _ in range(n):
            fn(arg)
        elapsed = time.perf_counter() - start
        if elapsed > min_time / 5 or n > 1_000_000:
            break
        n *= 4
    best = elapsed / n
    for _ in range(4):
        start = time.perf_counter()
        for _ in range(n):
            fn(arg)
        best = min(best, (time.perf_counter() - start) / n)
    return best


RESULTS = Path(__file__).resolve().parent / "results"


def random_3cnf(rng, n, m):
    """A random 3-CNF formula of n variables and m clauses, as DIMACS text."""
    rows = [" ".join(str(v if rng.random() < 0.5 else -v) for v in rng.sample(range(1, n + 1), 3)) + " 0"
            for _ in range(m)]
    return f"p cnf {n} {m}\n" + "\n".join(rows) + "\n"


def best_of(runs, fn):
    """The shortest of `runs` timings of fn(), in seconds."""
    best = float("inf")
    for _ in range(runs):
        start = time.perf_counter()
        fn()
        best = min(best, time.perf_counter() - start)
    return best


def write_results(name, latency=(), scaling=(), **extra):
    """Writes bench/results/NAME.json, the input of bench/plots.py:
    latency: [{"problem", "tool", "seconds"}] per-call times next to the peers;
    scaling: [{"series", "size", "seconds"}] time per solve against size;
    any further keys are kept as they are."""
    for row in latency:
        assert set(row) == {"problem", "tool", "seconds"}, row
    for row in scaling:
        assert {"series", "size", "seconds"} <= set(row), row
    data = {"benchmark": name, "python": sys.version.split()[0], "latency": list(latency),
            "scaling": list(scaling), **extra}
    RESULTS.mkdir(exist_ok=True)
    path = RESULTS / f"{name}.json"
    path.write_text(json.dumps(data, indent=1) + "\n")
    print(f"results written to {path.relative_to(Path.cwd()) if path.is_relative_to(Path.cwd()) else path}")


def dense_arrays(text):
    """The LP text as dense floating-point data for scipy: the cost vector of a
    minimisation, rows with lower and upper limits, integrality flags and the
    sign that turns scipy's optimum into ours."""
    import numpy as np

    system = lp_oracle.parse(text)
    n = system.next_var
    sense, terms, _ = system.objective
    c = np.zeros(n)
    for v, a in terms.items():
        c[v] = float(a) * (1 if sense == "min" else -1)
    rows, lo, hi = [], [], []
    for terms, const, op in system.constraints:
        row = np.zeros(n)
        for v, a in terms.items():
            row[v] = float(a)
        rows.append(row)
        b = -float(const)
        lo.append(b if op in ("=", ">=") else -np.inf)
        hi.append(b if op in ("=", "<=") else np.inf)
    integrality = np.array([1 if system.integer[v] else 0 for v in range(n)])
    return c, np.array(rows), np.array(lo), np.array(hi), integrality, (-1 if sense == "max" else 1)
