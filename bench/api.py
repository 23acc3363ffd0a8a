"""The builders' API side by side with the module and with the exact and
enumerating tools a user would try instead, in one run:

- per-call overhead: a builder solve against the module call on the same model;
- enumeration rate: solutions per second of n queens (8 to 12) and of random
  3-CNF formulas, against python-constraint and pycosat;
- the exact LP through Fractions against pplpy's MIP_Problem, pycddlib's
  exact LP and sympy's rational simplex, on small and mid-size models (every
  tool's optimum checked equal to ours);
- thread scaling: the same LP, MILP, CP and SAT solves on 1 and 2 threads,
  beside a reference that certainly runs without the lock, measured in the
  same run (on a shared machine it shows what two threads could gain then).

    python3 bench/api.py [--quick]

Writes bench/results/api.json. Peers that are not installed are reported as
missing. Every instance has a time limit, so a run stays short.
"""
import argparse
import hashlib
import random
import sys
import threading
import time
from fractions import Fraction
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from bench_util import best_of, per_call, random_3cnf, write_results  # noqa: E402

import nemox  # noqa: E402
from nemox_builders import CnfBuilder, CpBuilder, LpBuilder  # noqa: E402

LIMIT = 20.0  # seconds per enumeration instance


def random_exact_lp(rng, n, m):
    """max c x, A x <= b, x >= 0: small integer data, bounded and feasible
    (b >= 0, every column has a positive entry in some row)."""
    a = [[rng.randint(-3, 9) for _ in range(n)] for _ in range(m)]
    for j in range(n):
        a[rng.randrange(m)][j] = rng.randint(1, 9)
    b = [rng.randint(1, 30) for _ in range(m)]
    c = [rng.randint(1, 9) for _ in range(n)]
    return a, b, c


def builder_of(a, b, c, integer=False):
    lp = LpBuilder()
    for j in range(len(c)):
        lp.var(f"x{j}", integer=integer)
    lp.maximize({f"x{j}": cj for j, cj in enumerate(c)})
    for row, bi in zip(a, b):
        lp.add({f"x{j}": v for j, v in enumerate(row) if v}, "<=", bi)
    return lp


def ours(a, b, c):
    return builder_of(a, b, c).solve().exact_objective


def with_ppl(a, b, c):
    import ppl

    xs = [ppl.Variable(j) for j in range(len(c))]
    cs = ppl.Constraint_System()
    for x in xs:
        cs.insert(x >= 0)
    for row, bi in zip(a, b):
        cs.insert(sum((v * x for v, x in zip(row, xs) if v), ppl.Linear_Expression(0)) <= bi)
    objective = sum((cj * x for cj, x in zip(c, xs)), ppl.Linear_Expression(0))
    problem = ppl.MIP_Problem(len(c), cs, objective, "maximization")
    return Fraction(problem.optimal_value())


def with_cdd(a, b, c):
    import cdd.gmp as cdd  # the exact one: cdd alone is in floating point

    rows = [[Fraction(bi)] + [Fraction(-v) for v in row] for row, bi in zip(a, b)]
    rows += [[Fraction(0)] + [Fraction(int(i == j)) for i in range(len(c))] for j in range(len(c))]
    mat = cdd.matrix_from_array(
        rows, rep_type=cdd.RepType.INEQUALITY, obj_type=cdd.LPObjType.MAX, obj_func=[Fraction(0)] + [Fraction(v) for v in c]
    )
    lp = cdd.linprog_from_matrix(mat)
    cdd.linprog_solve(lp)
    return Fraction(lp.obj_value)


def with_sympy(a, b, c):
    import sympy
    from sympy.solvers.simplex import lpmax

    xs = sympy.symbols(f"x0:{len(c)}")
    constraints = [x >= 0 for x in xs]
    constraints += [sum(v * x for v, x in zip(row, xs)) <= bi for row, bi in zip(a, b)]
    value, _ = lpmax(sum(cj * x for cj, x in zip(c, xs)), constraints)
    return Fraction(int(value.p), int(value.q))


EXACT_PEERS = {"pplpy MIP_Problem": with_ppl, "pycddlib (gmp)": with_cdd, "sympy lpmax": with_sympy}


def exact_lp(rows, quick):
    sizes = [(5, 5), (15, 15)] if quick else [(5, 5), (15, 15), (30, 30)]
    for n, m in sizes:
        problem = random_exact_lp(random.Random(n * 100 + m), n, m)
        expected = ours(*problem)
        name = f"exact LP {n}x{m}"
        rows.append({"problem": name, "tool": "nemox_builders", "seconds": per_call(lambda p: ours(*p), problem)})
        for tool, solve in EXACT_PEERS.items():
            try:
                got = solve(*problem)
            except ImportError:
                print(f"{tool}: not installed")
                continue
            assert got == expected, (tool, name, got, expected)
            if tool == "sympy lpmax" and n > 15:
                seconds = best_of(1, lambda: solve(*problem))
            else:
                seconds = per_call(lambda p: solve(*p), problem, min_time=0.1)
            rows.append({"problem": name, "tool": tool, "seconds": seconds})


def overhead(rows):
    """The same small models through the builders and through the module."""
    lp = builder_of(*random_exact_lp(random.Random(1), 3, 3))
    lp_text = lp.text()
    cnf = CnfBuilder()
    ps = [cnf.var(f"p{i}") for i in range(5)]
    for i in range(4):
        cnf.add_clause(~ps[i], ps[i + 1])
    cnf_text = cnf.text()
    cp = CpBuilder()
    for v in "abc":
        cp.var(v, 0, 5)
    cp.all_different(list("abc"))
    cp_text = cp.text()
    milp = builder_of(*random_exact_lp(random.Random(2), 3, 3), integer=True)
    milp_text = milp.text()
    cases = [
        ("small LP", lambda _: lp.solve(), lambda _: nemox.solve_lp_text(lp_text)),
        ("small MILP", lambda _: milp.solve_milp(), lambda _: nemox.solve_milp_text(milp_text)),
        ("small CNF", lambda _: cnf.solve(), lambda _: nemox.solve_sat(cnf_text)),
        ("small CP", lambda _: cp.solve(), lambda _: nemox.solve_cp_text(cp_text)),
    ]
    for name, builder, module in cases:
        rows.append({"problem": name, "tool": "nemox_builders solve()", "seconds": per_call(builder, None)})
        rows.append({"problem": name, "tool": "nemox module call", "seconds": per_call(module, None)})


def queens(n):
    m = CpBuilder()
    for i in range(n):
        m.var(f"q{i}", 0, n - 1)
        m.var(f"u{i}", -n, 2 * n)
        m.var(f"d{i}", -n, 2 * n)
        m.linear({f"u{i}": 1, f"q{i}": -1}, "=", i)
        m.linear({f"d{i}": 1, f"q{i}": -1}, "=", -i)
    for kind in "qud":
        m.all_different([f"{kind}{i}" for i in range(n)])
    return m


def count_within(iterator, seconds):
    start, count = time.perf_counter(), 0
    try:
        for _ in iterator:
            count += 1
            if time.perf_counter() - start > seconds:
                break
    except TimeoutError:
        pass
    return count, time.perf_counter() - start


def enumeration(rows, quick):
    for n in ([8, 10] if quick else [8, 9, 10, 11, 12]):
        count, seconds = count_within(queens(n).solutions(time_limit=LIMIT), LIMIT)
        rows.append({"series": "queens nemox_builders", "size": n, "seconds": seconds, "solutions": count,
                     "per_second": count / seconds})
        try:
            import constraint
        except ImportError:
            print("python-constraint: not installed")
            continue
        problem = constraint.Problem()
        problem.addVariables(range(n), range(n))
        for i in range(n):
            for j in range(i + 1, n):
                problem.addConstraint(lambda a, b, d=j - i: a != b and abs(a - b) != d, (i, j))
        count, seconds = count_within(problem.getSolutionIter(), LIMIT)
        rows.append({"series": "queens python-constraint", "size": n, "seconds": seconds, "solutions": count,
                     "per_second": count / seconds})
    for nvars in ([20] if quick else [20, 30]):
        text = random_3cnf(random.Random(nvars), nvars, 2 * nvars)
        f = CnfBuilder()
        lits = [f.var(f"v{i}") for i in range(nvars)]
        clauses = [[int(t) for t in line.split()[:-1]] for line in text.splitlines()[1:]]
        for clause in clauses:
            f.add_clause(*(lits[abs(t) - 1] if t > 0 else ~lits[abs(t) - 1] for t in clause))
        limit = 20000
        count, seconds = count_within(f.solutions(limit=limit, time_limit=LIMIT), LIMIT)
        rows.append({"series": "3-CNF nemox_builders", "size": nvars, "seconds": seconds, "solutions": count,
                     "per_second": count / seconds})
        try:
            import pycosat
        except ImportError:
            print("pycosat: not installed")
            continue
        found = pycosat.itersolve(clauses, vars=nvars)
        count, seconds = count_within((s for s, _ in zip(found, range(limit))), LIMIT)
        rows.append({"series": "3-CNF pycosat", "size": nvars, "seconds": seconds, "solutions": count,
                     "per_second": count / seconds})


def sat_builder(nvars, ratio, seed):
    text = random_3cnf(random.Random(seed), nvars, int(ratio * nvars))
    f = CnfBuilder()
    lits = [f.var(f"v{i}") for i in range(nvars)]
    for line in text.splitlines()[1:]:
        f.add_clause(*(lits[abs(t) - 1] if t > 0 else ~lits[abs(t) - 1] for t in map(int, line.split()[:-1])))
    return f


def thread_cases(quick):
    """Solves of a few milliseconds each, and a reference that certainly runs
    without the lock (hashing a large buffer): on a machine shared with
    other work, two threads gain only what the scheduler gives the process,
    and the reference shows how much that was during the same run."""
    lp = builder_of(*random_exact_lp(random.Random(7), 80, 80))
    milp = builder_of(*random_exact_lp(random.Random(8), 12, 12), integer=True)
    cp = queens(20)
    sat = sat_builder(60, 4.26, 3)
    data = bytes(8 << 20)
    return [
        ("LP 80x80", lambda: lp.solve()),
        ("MILP 12x12", lambda: milp.solve_milp()),
        ("CP 20 queens", lambda: cp.solve()),
        ("SAT 3-CNF 60 vars", lambda: sat.solve()),
        ("sha256 8 MB (reference)", lambda: hashlib.sha256(data).digest()),
    ]


def timed_run(solve, solves, count):
    """`solves` calls split over `count` threads: wall seconds and the CPU
    seconds of each thread."""
    cpu = [0.0] * count

    def work(i, k):
        start = time.thread_time()
        for _ in range(k):
            solve()
        cpu[i] = time.thread_time() - start

    start = time.perf_counter()
    workers = [threading.Thread(target=work, args=(i, solves // count)) for i in range(count)]
    for w in workers:
        w.start()
    for w in workers:
        w.join()
    return time.perf_counter() - start, cpu


def threads(rows, quick):
    """The same solves on 1 and 2 threads, alternated, best of several
    repeats with their spread, and the CPU time per solve of each thread."""
    repeats = 3 if quick else 5
    target = 0.3 if quick else 1.0  # seconds of one thread's work per repeat
    for name, solve in thread_cases(quick):
        solve()
        start = time.thread_time()
        solve()
        once = max(time.thread_time() - start, 1e-4)
        solves = max(8, 2 * round(target / once / 2))
        rates = {1: [], 2: []}
        cpu = {1: [], 2: []}
        for _ in range(repeats):
            for count in (1, 2):
                seconds, per_thread = timed_run(solve, solves, count)
                rates[count].append(solves / seconds)
                cpu[count].append(sum(per_thread) / solves)
        for count in (1, 2):
            rows.append({"series": f"threads {name}", "size": count, "solves": solves, "repeats": repeats,
                         "per_second": max(rates[count]), "per_second_min": min(rates[count]),
                         "seconds": solves / max(rates[count]),
                         "cpu_seconds_per_solve": min(cpu[count])})


class _Recorded:
    """Stands in for the native part: hands back the answer recorded for
    the same arguments, so that a solve through it costs only the builder's
    own Python work, all of it with the lock held."""

    def __init__(self, native):
        self.native, self.answers = native, {}

    def __getattr__(self, name):
        def call(*args):
            key = (name, args[0], name == "solve_lp" and args[1])  # not the seconds left
            if key not in self.answers:
                self.answers[key] = getattr(self.native, name)(*args)
            return self.answers[key]

        return call


def lock_share(quick):
    """Per builder solve of the thread cases, the time of the whole solve and
    of its Python side alone (the native answer recorded): that share holds
    the lock, which bounds what a second thread can add, 1 / (share + (1 -
    share) / 2). The native part's own conversion of its answer holds it too
    and is not counted, so the share is a lower bound."""
    import nemox_builders.cnf as cnf_module
    import nemox_builders.cp as cp_module
    import nemox_builders.lp as lp_module

    modules = (cnf_module, cp_module, lp_module)
    native = lp_module._native
    out = {}
    for name, solve in thread_cases(quick):
        if "reference" in name:
            continue
        whole = per_call(lambda _: solve(), None, min_time=0.5 if quick else 1.0)
        recorded = _Recorded(native)
        for module in modules:
            module._native = recorded
        try:
            solve()
            python_side = per_call(lambda _: solve(), None)
        finally:
            for module in modules:
                module._native = native
        share = python_side / whole
        out[name] = {"solve_seconds": whole, "python_side_seconds": python_side, "share": share,
                     "two_thread_bound": 1 / (share + (1 - share) / 2)}
    return out


def scaling_ratios(scaling):
    """Best rate on 2 threads over best rate on 1, per case."""
    best = {}
    for row in scaling:
        if row["series"].startswith("threads "):
            best.setdefault(row["series"][len("threads "):], {})[row["size"]] = row["per_second"]
    return {name: rates[2] / rates[1] for name, rates in best.items() if 1 in rates and 2 in rates}


def ratios(latency, scaling):
    """Each peer's time over ours, and the module's over the builders'."""
    out = {}
    by_problem = {}
    for row in latency:
        by_problem.setdefault(row["problem"], {})[row["tool"]] = row["seconds"]
    for problem, tools in by_problem.items():
        base = tools.get("nemox_builders", tools.get("nemox_builders solve()"))
        out[problem] = {tool: seconds / base for tool, seconds in tools.items()}
    rates = {}
    for row in scaling:
        rates.setdefault((row["series"].split(" ")[0], row["size"]), {})[row["series"]] = row["per_second"]
    for (kind, size), series in rates.items():
        if kind != "threads" and len(series) > 1:
            out[f"{kind} {size} solutions per second"] = series
    return out


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--quick", action="store_true", help="fewer and smaller instances")
    args = parser.parse_args()
    latency, scaling = [], []
    overhead(latency)
    exact_lp(latency, args.quick)
    enumeration(scaling, args.quick)
    threads(scaling, args.quick)
    for row in latency:
        print(f"{row['problem']:<16} {row['tool']:<24} {row['seconds'] * 1e6:12.1f} us")
    for row in scaling:
        extra = {k: v for k, v in row.items() if k not in ("series", "size", "seconds")}
        print(f"{row['series']:<28} {row['size']:>3} {row['seconds']:8.3f} s  {extra}")
    speedups = scaling_ratios(scaling)
    for name, ratio in speedups.items():
        print(f"2 threads / 1 thread  {name:<26} {ratio:5.2f}x")
    shares = lock_share(args.quick)
    for name, row in shares.items():
        print(f"lock held {name:<20} {row['python_side_seconds'] * 1e6:8.0f} of {row['solve_seconds'] * 1e6:8.0f} us"
              f" ({row['share']:.1%}), 2 threads at most {row['two_thread_bound']:.2f}x")
    write_results("api", latency, scaling, ratios=ratios(latency, scaling), thread_speedup=speedups,
                  lock_share=shares, quick=args.quick)


if __name__ == "__main__":
    main()
