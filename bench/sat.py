"""SAT benchmark: instructions and time per call on the SATLIB formulas against
pycosat and python-sat, the cost of a conflict once 100k and 500k clauses are
learnt, then the search stage by stage on growing formulas (C++ driver), with
the speed-up over the literal search kept under tests/ as an oracle.

    python3 bench/sat.py                         # everything but the slowest pigeonhole
    python3 bench/sat.py --full                  # also pigeonhole with 8 holes (minutes)
    python3 bench/sat.py --sections calls,conflicts
    python3 bench/sat.py --label before --nemox-path DIR --driver PATH

Sections: calls (instructions per call under callgrind, and time per call),
conflicts, latency, search, large. Instruction counts are what callgrind counts
(valgrind must be installed); they do not drift with the load of the machine
as times do. A whole call is measured as the difference between a process
that makes the calls and one that only prepares them. The figures are also
written to bench/results/sat.json under the label (default "current"),
replacing that label's earlier figures; --nemox-path and --driver measure
another build (its module directory and its nemox_sat_bench).

pycosat and python-sat are installed for the benchmark only.
"""

import json
import os
import random
import re
import statistics
import subprocess
import sys
import tempfile
import time


try:
    from pysat.solvers import Minisat22
except ImportError:
    Minisat22 = None


def pysat_call(clauses):
    """python-sat's Minisat22 on ready clause lists, as its users call it."""
    with Minisat22(bootstrap_with=clauses) as s:
        s.solve()
        return s.get_model()

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DRIVER = os.path.join(ROOT, "build", "bench", "nemox_sat_bench")
DATA = os.path.join(ROOT, "bench", "data", "satlib")
RESULTS = os.path.join(ROOT, "bench", "results", "sat.json")
nemox = None  # imported in main, from --nemox-path when given


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
        if Minisat22 is None:
            raise ImportError("python-sat")

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


# ---- instructions and time per call on the SATLIB formulas

def satlib(folder):
    names = sorted(os.listdir(os.path.join(DATA, folder)))
    paths = [os.path.join(DATA, folder, n) for n in names if n.endswith(".cnf")]
    if not paths:
        raise SystemExit(f"no formulas in {os.path.join(DATA, folder)}")
    return paths


def clause_lists(text):
    return [[int(t) for t in line.split()[:-1]] for line in text.splitlines()
            if line.strip() and line.split()[0] not in ("c", "p", "%")]


def callgrind_total(args, env=None):
    """Instructions that callgrind counts for the whole command."""
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, "callgrind.out")
        subprocess.run(["valgrind", "--tool=callgrind", f"--callgrind-out-file={out}"] + args,
                       check=True, capture_output=True, env=env)
        with open(out) as f:
            for line in f:
                m = re.match(r"(?:summary|totals): (\d+)", line)
                if m:
                    return int(m.group(1))
    raise RuntimeError("no total in the callgrind output")


def callgrind_functions(args, names):
    """Inclusive instructions of the functions whose names contain each of `names`."""
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, "callgrind.out")
        subprocess.run(["valgrind", "--tool=callgrind", f"--callgrind-out-file={out}"] + args,
                       check=True, capture_output=True)
        report = subprocess.run(["callgrind_annotate", "--inclusive=yes", "--threshold=100", out],
                                check=True, capture_output=True, text=True).stdout
    found = {}
    for line in report.splitlines():
        m = re.match(r"\s*([\d,]+)\s.*?:(.*)", line)
        if not m:
            continue
        for key, needle in names.items():
            if key not in found and needle in m.group(2):
                found[key] = int(m.group(1).replace(",", ""))
    return found


# The peers and nemox as the calls a new user makes: nemox reads the text,
# the peers take ready clause lists.
CALLER = r"""
import os, sys
if os.environ.get("NEMOX_PATH"):
    sys.path.insert(0, os.environ["NEMOX_PATH"])
which, reps, paths = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
texts = [open(p).read() for p in paths]
lists = [[[int(t) for t in line.split()[:-1]] for line in text.splitlines()
          if line.strip() and line.split()[0] not in ("c", "p", "%")] for text in texts]
if which == "nemox":
    import nemox
    call, args = nemox.solve_sat, texts
elif which == "pycosat":
    import pycosat
    call, args = pycosat.solve, lists
else:
    from pysat.solvers import Minisat22
    def call(clauses):
        with Minisat22(bootstrap_with=clauses) as s:
            s.solve()
            return s.get_model()
    args = lists
for a in args:
    call(a)
for _ in range(reps):
    for a in args:
        call(a)
"""


def instructions_per_call(which, paths, reps, nemox_path):
    env = dict(os.environ, PYTHONHASHSEED="0", NEMOX_PATH=nemox_path or "")
    base = [sys.executable, "-c", CALLER, which]
    empty = callgrind_total(base + ["0"] + paths, env)
    full = callgrind_total(base + [str(reps)] + paths, env)
    return (full - empty) / (reps * len(paths))


def seconds_per_call(call, args):
    """Best of five passes over all the formulas, seconds per call."""
    best = float("inf")
    for _ in range(5):
        start = time.perf_counter()
        for a in args:
            call(a)
        best = min(best, (time.perf_counter() - start) / len(args))
    return best


def peers():
    out = {}
    try:
        import pycosat

        out["pycosat"] = pycosat.solve
    except ImportError:
        print("   pycosat not installed (pip install pycosat)")
    try:
        if Minisat22 is None:
            raise ImportError("python-sat")

        out["python-sat"] = pysat_call
    except ImportError:
        print("   python-sat not installed (pip install python-sat)")
    return out


def calls(args, records):
    print("== per call on SATLIB formulas: nemox text in, dict out; peers ready clause lists in")
    print(f"   {'formulas':10s} {'who':12s} {'instr/call':>11s} {'us/call':>9s}   nemox split (C++ driver): "
          "reading / loading / searching instr")
    have = peers()
    for folder, reps in (("uf20-91", 10), ("uf50-218", 2), ("uuf50-218", 1)):
        paths = satlib(folder)
        texts = [open(p).read() for p in paths]
        lists = [clause_lists(t) for t in texts]
        answers = [nemox.solve_sat(t)["status"] for t in texts]
        if "pycosat" in have:
            assert answers == ["UNSAT" if have["pycosat"](c) == "UNSAT" else "SAT" for c in lists]
        split = callgrind_functions([args.driver, "--calls", str(reps)] + paths,
                                    {"read": "parse_dimacs(", "load": "Solver::load(",
                                     "search": "Solver::solve()", "road": "roads::solve_sat("})
        per = {k: v / (reps * len(paths)) for k, v in split.items()}
        record = {"label": args.label, "case": f"{folder} per call"}
        rows = [("nemox", nemox.solve_sat, texts)] + [(name, fn, lists) for name, fn in have.items()]
        for who, fn, data in rows:
            instr = instructions_per_call(who, paths, reps, args.nemox_path)
            sec = seconds_per_call(fn, data)
            line = f"   {folder:10s} {who:12s} {instr:11.0f} {1e6 * sec:9.1f}"
            if who == "nemox":
                line += (f"   {per.get('read', 0):7.0f} / {per.get('load', 0):7.0f} / {per.get('search', 0):8.0f}"
                         f"  (road {per.get('road', 0):.0f})")
                record.update(nemox_seconds=sec, nemox_instructions=instr,
                              nemox_read_instructions=per.get("read"),
                              nemox_load_instructions=per.get("load"),
                              nemox_search_instructions=per.get("search"))
            else:
                record[who] = sec
                record[who + "_instructions"] = instr
            print(line)
        records.append(record)


# ---- the cost of a conflict on a large learnt database

def long_run_formula():
    # Random 3-CNF with 80 variables at ratio 4.26 whose search meets about
    # 510,000 conflicts: past both windows.
    rng = random.Random(1001)
    return 80, random_3cnf(rng, 80, round(4.26 * 80))


def conflicts(args, records, tmp):
    print("== time per conflict once 100k and 500k clauses are learnt (nemox never deletes one)")
    n, clauses = long_run_formula()
    path = os.path.join(tmp, "long.cnf")
    with open(path, "w") as f:
        f.write(dimacs(n, clauses))
    out = subprocess.run([args.driver, "--windows", path], check=True, capture_output=True, text=True).stdout
    _, status, total, at100k, at500k = out.split()
    print(f"   nemox: {status}, {int(total)} conflicts; {float(at100k):.2f} us per conflict at 100k, "
          f"{float(at500k):.2f} us at 500k")
    record = {"label": args.label, "case": "conflict at 100k learnt", "nemox_seconds": float(at100k) * 1e-6}
    record500 = {"label": args.label, "case": "conflict at 500k learnt", "nemox_seconds": float(at500k) * 1e-6}
    # The peers restart and delete learnt clauses, so the same formula takes
    # them few conflicts: their whole solve and average conflict are shown.
    try:
        if Minisat22 is None:
            raise ImportError("python-sat")

        start = time.perf_counter()
        with Minisat22(bootstrap_with=clauses) as s:
            s.solve()
            peer_conflicts = s.accum_stats()["conflicts"]
        spent = time.perf_counter() - start
        print(f"   python-sat Minisat22: whole solve {spent * 1e3:.1f} ms, {peer_conflicts} conflicts, "
              f"{1e6 * spent / max(1, peer_conflicts):.2f} us per conflict on average")
        record["python-sat"] = record500["python-sat"] = spent / max(1, peer_conflicts)
    except ImportError:
        pass
    try:
        import pycosat

        start = time.perf_counter()
        pycosat.solve(clauses)
        spent = time.perf_counter() - start
        print(f"   pycosat: whole solve {spent * 1e3:.1f} ms")
        record["pycosat_whole_solve"] = record500["pycosat_whole_solve"] = spent
    except ImportError:
        pass
    records += [record, record500]


def write_results(label, records):
    os.makedirs(os.path.dirname(RESULTS), exist_ok=True)
    kept = []
    if os.path.exists(RESULTS):
        with open(RESULTS) as f:
            kept = [r for r in json.load(f) if r.get("label") != label]
    with open(RESULTS, "w") as f:
        json.dump(kept + records, f, indent=1)
        f.write("\n")


def main():
    global nemox, DRIVER
    import argparse

    parser = argparse.ArgumentParser()
    parser.add_argument("--full", action="store_true")
    parser.add_argument("--sections", default="calls,conflicts,latency,search,large")
    parser.add_argument("--label", default="current")
    parser.add_argument("--nemox-path", default=None)
    parser.add_argument("--driver", default=None)
    args = parser.parse_args()
    if args.nemox_path:
        sys.path.insert(0, args.nemox_path)
    import nemox as module

    nemox = module
    if args.driver is None:
        build_driver()
        args.driver = DRIVER
    DRIVER = args.driver
    sections = set(args.sections.split(","))
    full = args.full
    records = []
    with tempfile.TemporaryDirectory() as tmp:
        if "calls" in sections:
            calls(args, records)
        if "conflicts" in sections:
            conflicts(args, records, tmp)
        if records:
            write_results(args.label, records)
        if "latency" in sections:
            latency()
        rng = random.Random(7)
        if "search" in sections:
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
                         [(f"php{h}", *pigeonhole(h)) for h in ((6, 7, 8) if full else (6, 7))], tmp,
                         reference_limit=42)
        if "large" in sections:
            large_easy(tmp)


if __name__ == "__main__":
    main()
