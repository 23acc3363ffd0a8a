"""SAT benchmark: per-call latency against pycosat and python-sat, then the
search stage by stage on growing formulas (C++ driver), with the speed-up over
the literal search kept under tests/ as an oracle.

    python3 bench/sat.py           # everything but the slowest pigeonhole
    python3 bench/sat.py --full    # also pigeonhole with 8 holes (minutes)

pycosat and python-sat are installed for the benchmark only.
"""

import os
import random
import statistics
import subprocess
import sys
import tempfile
import time

import nemox

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DRIVER = os.path.join(ROOT, "build", "bench", "nemox_sat_bench")


def random_3cnf(rng, n, m):
    clauses = []
    for _ in range(m):
        clauses.append([v if rng.random() < 0.5 else -v for v in rng.sample(range(1, n + 1), 3)])
    return clauses


def dimacs(n, clauses):
    return f"p cnf {n} {len(clauses)}\n" + "".join(" ".join(map(str, c)) + " 0\n" for c in clauses)


def pigeonhole(holes):
    pigeons = holes + 1
    var = lambda p, h: p * holes + h + 1
    clauses = [[var(p, h) for h in range(holes)] for p in range(pigeons)]
    for h in range(holes):
        for p1 in range(pigeons):
            for p2 in range(p1 + 1, pigeons):
                clauses.append([-var(p1, h), -var(p2, h)])
    return pigeons * holes, clauses


def median_call_us(fn, arg, repeat=200):
    times = []
    for _ in range(repeat):
        t = time.perf_counter_ns()
        fn(arg)
        times.append(time.perf_counter_ns() - t)
    return statistics.median(times) / 1000


def latency():
    print("== per-call latency, random 3-CNF with 20 variables and 91 clauses (median of medians over 100 formulas)")
    rng = random.Random(2026)
    formulas = [random_3cnf(rng, 20, 91) for _ in range(100)]
    texts = [dimacs(20, c) for c in formulas]
    rows = [("nemox.solve_sat (text in, dict out)", lambda: [median_call_us(nemox.solve_sat, t) for t in texts])]
    try:
        import pycosat

        rows.append(("pycosat.solve (clause lists in)", lambda: [median_call_us(pycosat.solve, c) for c in formulas]))

        def pycosat_text(text):
            return pycosat.solve([[int(t) for t in line.split()[:-1]] for line in text.splitlines()[1:]])

        rows.append(("pycosat.solve, DIMACS text split in Python", lambda: [median_call_us(pycosat_text, t) for t in texts]))
    except ImportError:
        print("   pycosat not installed (pip install pycosat)")
    try:
        from pysat.solvers import Minisat22

        def pysat_call(clauses):
            with Minisat22(bootstrap_with=clauses) as s:
                s.solve()
                return s.get_model()

        rows.append(("python-sat Minisat22 (clause lists in)", lambda: [median_call_us(pysat_call, c) for c in formulas]))
    except ImportError:
        print("   python-sat not installed (pip install python-sat)")
    # Same answers as pycosat on every formula.
    try:
        import pycosat

        for c, t in zip(formulas, texts):
            assert (pycosat.solve(c) == "UNSAT") == (nemox.solve_sat(t)["status"] == "UNSAT")
    except ImportError:
        pass
    base = None
    for name, run in rows:
        us = statistics.median(run())
        base = base or us
        print(f"   {name:48s} {us:8.1f} us   {us / base:6.1f}x nemox")


def build_driver():
    subprocess.run(
        ["cmake", "-S", ROOT, "-B", os.path.join(ROOT, "build", "bench"), "-DNEMOX_BUILD_BENCH=ON",
         "-DNEMOX_BUILD_MODULE=OFF", "-DCMAKE_BUILD_TYPE=Release"], check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", os.path.join(ROOT, "build", "bench"), "-j2", "--target", "nemox_sat_bench"],
                   check=True, stdout=subprocess.DEVNULL)


def drive(paths, reference):
    args = [DRIVER] + (["--reference"] if reference else []) + paths
    out = subprocess.run(args, check=True, capture_output=True, text=True).stdout
    return [line.split() for line in out.splitlines()]


def search_table(title, instances, tmp, reference_limit):
    # The oracle is run on formulas of up to `reference_limit` variables.
    print(f"== {title}")
    print(f"   {'instance':22s} {'answer':6s} {'decisions':>10s} {'conflicts':>10s} {'visits':>12s} "
          f"{'solve s':>9s} {'us/confl':>9s} {'oracle s':>9s} {'speed-up':>8s}")
    for name, n, clauses in instances:
        path = os.path.join(tmp, name + ".cnf")
        with open(path, "w") as f:
            f.write(dimacs(n, clauses))
        row = drive([path], reference=n <= reference_limit)[0]
        _, status, dec, conf, visits, _, _, solve = row[:8]
        line = (f"   {name:22s} {status:6s} {int(dec):10d} {int(conf):10d} {int(visits):12d} "
                f"{float(solve):9.4f} {1e6 * float(solve) / max(1, int(conf)):9.2f}")
        if len(row) > 9:
            assert row[10] == "same", row
            line += f" {float(row[9]):9.3f} {float(row[9]) / max(float(solve), 1e-9):7.1f}x"
        print(line)


def large_easy(tmp):
    print("== large easy formulas: reading and loading throughput (C++ driver), whole call from Python")
    n = 1_000_000
    chain = [[i, i + 1] for i in range(1, n)]
    rng = random.Random(4)
    positive = [[rng.randrange(1, n + 1) for _ in range(3)] for _ in range(n)]
    for name, clauses in (("chain 1M vars", chain), ("1M positive 3-clauses", positive)):
        text = dimacs(n, clauses)
        path = os.path.join(tmp, "large.cnf")
        with open(path, "w") as f:
            f.write(text)
        row = drive([path], reference=False)[0]
        read_s, load_s, solve_s, lits = float(row[5]), float(row[6]), float(row[7]), int(row[8])
        t = time.perf_counter()
        result = nemox.solve_sat(text)
        call_s = time.perf_counter() - t
        assert result["status"] == "SAT" and all(result["model"].values())
        print(f"   {name:22s} read {lits / read_s / 1e6:6.1f} M lit/s   load {lits / load_s / 1e6:6.1f} M lit/s   "
              f"solve {solve_s:.3f} s   whole call {call_s:.3f} s ({lits / call_s / 1e6:.1f} M lit/s)")
    t = time.perf_counter()
    result = nemox.solve_sat("p cnf 1000000 1\n1000000 0\n")
    print(f"   single clause naming variable 1,000,000: {time.perf_counter() - t:.3f} s, {len(result['model'])} model entries")


def main():
    full = "--full" in sys.argv
    latency()
    build_driver()
    rng = random.Random(7)
    with tempfile.TemporaryDirectory() as tmp:
        search_table("random 3-CNF at ratio 4.26",
                     [(f"r{n}_{k}", n, random_3cnf(rng, n, round(4.26 * n))) for n in (20, 30, 40, 50, 60, 70, 75)
                      for k in range(2)], tmp, reference_limit=60)
        # Without unit propagation or restarts the search grows steeply even
        # below the threshold: 200 variables at ratio 3.0 already take minutes.
        search_table("random 3-CNF below the threshold (ratio 3.5, then 2.5)",
                     [(f"u{n}_{k}", n, random_3cnf(rng, n, round(3.5 * n))) for n in (100, 120)
                      for k in range(2 if n < 120 else 1)]
                     + [(f"e{n}", n, random_3cnf(rng, n, round(2.5 * n))) for n in (200, 300)],
                     tmp, reference_limit=100)
        search_table("pigeonhole (holes + 1 pigeons)",
                     [(f"php{h}", *pigeonhole(h)) for h in ((6, 7, 8) if full else (6, 7))], tmp, reference_limit=42)
        large_easy(tmp)


if __name__ == "__main__":
    main()
