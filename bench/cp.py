#!/usr/bin/env python3
"""CP benchmark: nemox.solve_cp_text against the plain oracle of the tests,
python-constraint and OR-Tools CP-SAT (each only where it is installed).

Every answer is checked: a model must satisfy every constraint, and an
"UNSAT" is compared with CP-SAT where that is available. Run from the
repository root after building (the C++ counter tool is compiled here):

    python3 bench/cp.py [--quick] [--speed] [--instructions] [--source DIR] [--json FILE]
    python3 bench/cp.py --record | --families [--json FILE]
    python3 bench/cp.py --small-calls [--source DIR]

--record writes the answers, nodes and times of the module as it stands on
the instance families (bench/results/cp_answers.json); --families runs them
again, checks every answer against that record, and sets them beside
CP-SAT with one worker and beside the recorded figures, per family.

--small-calls counts the instructions of a few small models under
callgrind, to compare two trees (--source) where a change must not cost
the calls that end quickly.

--speed runs only the search and convergence figures (queens 20-32, the 95
Sudokus, a correlated knapsack, x + y = 10 and x - y = 4 at growing widths)
and writes them as JSON (default bench/results/cp.json). --instructions adds
instruction counts of parse + solve under callgrind (this machine has no
hardware counters), stable where wall clock is not. --source builds the
counting tool from another source tree, to measure a former state beside
the module found on PYTHONPATH.
"""

from __future__ import annotations

import json
import signal
import os
import random
import subprocess
import sys
import tempfile
import time
from pathlib import Path

import nemox

ROOT = Path(__file__).resolve().parent.parent
MIN, MAX = -(2**63), 2**63 - 1
PEER_LIMIT = 30.0  # seconds per peer call


# ---- instances --------------------------------------------------------------

def queens(n: int) -> str:
    lines = [f"var q{i} 0 {n - 1}" for i in range(n)]
    for i in range(n):
        for j in range(i + 1, n):
            k = j - i
            lines += [
                f"neq q{i} q{j}",
                f"var u{i}_{j} {k} {n - 1 + k}", f"linear 1 u{i}_{j} -1 q{j} {k} eq", f"neq q{i} u{i}_{j}",
                f"var w{i}_{j} {-k} {n - 1 - k}", f"linear 1 w{i}_{j} -1 q{j} {-k} eq", f"neq q{i} w{i}_{j}",
            ]
    return "\n".join(lines)


def send_more_money() -> str:
    letters = "SENDMORY"
    lines = [f"var {c} {1 if c in 'SM' else 0} 9" for c in letters]
    lines.append("allDiff " + " ".join(letters))
    terms = "1000 S 100 E 10 N 1 D 1000 M 100 O 10 R 1 E -10000 M -1000 O -100 N -10 E -1 Y"
    lines.append(f"linear {terms} 0 eq")
    return "\n".join(lines)


def random_problem(rng: random.Random, n: int, m: int) -> str:
    """Random constraints that a planted assignment satisfies, so that the
    search has work to do; wide ranges keep propagation from deciding alone."""
    sol = [rng.randint(-20, 20) for _ in range(n)]
    lines = [f"var v{i} {sol[i] - rng.randint(0, 15)} {sol[i] + rng.randint(0, 15)}" for i in range(n)]
    while len(lines) < n + m:
        a, b = rng.randrange(n), rng.randrange(n)
        kind = rng.randrange(5)
        if kind == 0 and sol[a] != sol[b]:
            lines.append(f"neq v{a} v{b}")
        elif kind == 1 and sol[a] < sol[b]:
            lines.append(f"lt v{a} v{b}")
        elif kind == 2:
            lines.append(f"le v{a} v{b} {sol[a] - sol[b] + rng.randint(0, 2)}")
        elif kind == 3:
            xs = [rng.randrange(n) for _ in range(rng.randint(2, 4))]
            cs = [rng.choice([-3, -2, -1, 1, 2, 3]) for _ in xs]
            value = sum(c * sol[x] for c, x in zip(cs, xs))
            rel = rng.choice(["le", "ge", "eq"])
            rhs = value + {"le": rng.randint(0, 3), "ge": -rng.randint(0, 3), "eq": 0}[rel]
            terms = " ".join(f"{c} v{x}" for c, x in zip(cs, xs))
            lines.append(f"linear {terms} {rhs} {rel}")
        elif kind == 4:
            xs = list({sol[x]: x for x in (rng.randrange(n) for _ in range(rng.randint(2, 4)))}.values())
            if len(xs) >= 2:
                lines.append("allDiff " + " ".join(f"v{x}" for x in xs))
    return "\n".join(lines)


def sudoku(puzzle: str) -> str:
    """Cells r0c0..r8c8, clues fixed, one allDiff per row, column and box."""
    lines = []
    for i, ch in enumerate(puzzle):
        lo, hi = (int(ch), int(ch)) if ch in "123456789" else (1, 9)
        lines.append(f"var r{i // 9}c{i % 9} {lo} {hi}")
    groups = [[(r, c) for c in range(9)] for r in range(9)]
    groups += [[(r, c) for r in range(9)] for c in range(9)]
    groups += [[(br + r, bc + c) for r in range(3) for c in range(3)] for br in (0, 3, 6) for bc in (0, 3, 6)]
    lines += ["allDiff " + " ".join(f"r{r}c{c}" for r, c in g) for g in groups]
    return "\n".join(lines)


def sudoku_puzzles(name: str) -> list:
    path = ROOT / "bench" / "data" / name
    return [line.strip() for line in path.read_text().splitlines() if line.strip() and not line.startswith("#")]


def knapsack(n: int, seed: int) -> str:
    """Correlated 0/1 knapsack (value = weight + 10): pack at least the
    optimal value (found here by dynamic programming) within the capacity."""
    rng = random.Random(seed)
    weights = [rng.randint(10, 100) for _ in range(n)]
    values = [w + 10 for w in weights]
    capacity = sum(weights) // 2
    best = [0] * (capacity + 1)
    for w, v in zip(weights, values):
        for c in range(capacity, w - 1, -1):
            best[c] = max(best[c], best[c - w] + v)
    lines = [f"var k{i} 0 1" for i in range(n)]
    lines.append("linear " + " ".join(f"{w} k{i}" for i, w in enumerate(weights)) + f" {capacity} le")
    lines.append("linear " + " ".join(f"{v} k{i}" for i, v in enumerate(values)) + f" {best[capacity]} ge")
    return "\n".join(lines)


def convergence(width: int) -> str:
    """x + y = 10 and x - y = 4 over [-width, width] (the 64-bit range at 2^63):
    each round of bounds propagation moves the bounds by a constant."""
    lo, hi = max(-width, MIN), min(width, MAX)
    return f"var x {lo} {hi}\nvar y {lo} {hi}\nlinear 1 x 1 y 10 eq\nlinear 1 x -1 y 4 eq"


def lt_chain(n: int) -> str:
    return "\n".join([f"var v{i} {MIN} {MAX}" for i in range(n)] + [f"lt v{i} v{i + 1}" for i in range(n - 1)])


def free_bits(n: int) -> str:
    return "var b 0 1\n" * n


def permutation(n: int) -> str:
    """One allDiff over n variables of n values: n search nodes, each fixing one."""
    return "\n".join([f"var p{i} 0 {n - 1}" for i in range(n)] + ["allDiff " + " ".join(f"p{i}" for i in range(n))])


def data_lines(name: str) -> list:
    path = ROOT / "bench" / "data" / "cp" / name
    return [line.strip() for line in path.read_text().splitlines() if line.strip() and not line.startswith(("#", "c "))]


def magic_square(n: int) -> str:
    """Values 1..n*n all different, every row, column and both diagonals summing alike."""
    total = n * (n * n + 1) // 2
    lines = [f"var m{i} 1 {n * n}" for i in range(n * n)]
    lines.append("allDiff " + " ".join(f"m{i}" for i in range(n * n)))
    groups = [[r * n + c for c in range(n)] for r in range(n)] + [[r * n + c for r in range(n)] for c in range(n)]
    groups += [[i * n + i for i in range(n)], [i * n + n - 1 - i for i in range(n)]]
    lines += ["linear " + " ".join(f"1 m{i}" for i in g) + f" {total} eq" for g in groups]
    return "\n".join(lines)


GOLOMB_OPTIMUM = {2: 1, 3: 3, 4: 6, 5: 11, 6: 17, 7: 25, 8: 34, 9: 44, 10: 55, 11: 72}


def golomb(n: int, length: int) -> str:
    """Marks 0 = x0 < x1 < ... < x(n-1) <= length, all pairwise differences distinct."""
    lines = ["var x0 0 0"] + [f"var x{i} 1 {length}" for i in range(1, n)]
    lines += [f"lt x{i} x{i + 1}" for i in range(n - 1)]
    diffs = []
    for i in range(n):
        for j in range(i + 1, n):
            lines += [f"var d{i}_{j} 1 {length}", f"linear 1 d{i}_{j} -1 x{j} 1 x{i} 0 eq"]
            diffs.append(f"d{i}_{j}")
    lines.append("allDiff " + " ".join(diffs))
    return "\n".join(lines)


def jobshops() -> dict:
    """name -> (optimal makespan, jobs as [(machine, duration), ...])."""
    shops, name = {}, None
    for line in data_lines("jobshop.txt"):
        t = line.split()
        if t[0] == "instance":
            name = t[1]
            shops[name] = (int(t[2]), [])
        else:
            nums = list(map(int, t))
            shops[name][1].append(list(zip(nums[0::2], nums[1::2])))
    return shops


def jobshop(jobs: list, horizon: int) -> str:
    """Every operation ends by the horizon; jobs in order; one operation at a
    time per machine, by an order variable and big-M sums."""
    lines, ops = [], {}
    for j, job in enumerate(jobs):
        for k, (machine, dur) in enumerate(job):
            lines.append(f"var s{j}_{k} 0 {horizon - dur}")
            ops.setdefault(machine, []).append((f"s{j}_{k}", dur))
            if k:
                lines.append(f"le s{j}_{k - 1} s{j}_{k} {-job[k - 1][1]}")
    for machine, on in sorted(ops.items()):
        for a in range(len(on)):
            for b in range(a + 1, len(on)):
                (sa, da), (sb, db) = on[a], on[b]
                o = f"o{sa}_{sb}"
                lines.append(f"var {o} 0 1")  # 1: a before b
                lines.append(f"linear 1 {sa} -1 {sb} {horizon} {o} {horizon - da} le")
                lines.append(f"linear 1 {sb} -1 {sa} {-horizon} {o} {-db} le")
    return "\n".join(lines)


def colouring(name: str, colours: int) -> str:
    lines, edges = [], set()
    for line in data_lines(name):
        t = line.split()
        if t[0] == "p":
            lines += [f"var c{i} 0 {colours - 1}" for i in range(1, int(t[2]) + 1)]
        elif t[0] == "e":
            a, b = sorted((int(t[1]), int(t[2])))
            edges.add((a, b))
    lines += [f"neq c{a} c{b}" for a, b in sorted(edges)]
    return "\n".join(lines)


CHROMATIC = {"myciel3.col": 4, "myciel4.col": 5, "myciel5.col": 6, "queen5_5.col": 5, "queen6_6.col": 7,
             "queen7_7.col": 7, "queen8_8.col": 9}


def cryptarithm(words: list, result: str) -> str:
    """Letters to distinct digits, no leading zero, sum of the words = result."""
    letters = sorted(set("".join(words) + result))
    leading = {w[0] for w in words + [result]}
    lines = [f"var {c} {1 if c in leading else 0} 9" for c in letters]
    lines.append("allDiff " + " ".join(letters))
    coeff = dict.fromkeys(letters, 0)
    for w in words:
        for i, c in enumerate(reversed(w)):
            coeff[c] += 10**i
    for i, c in enumerate(reversed(result)):
        coeff[c] -= 10**i
    lines.append("linear " + " ".join(f"{coeff[c]} {c}" for c in letters if coeff[c]) + " 0 eq")
    return "\n".join(lines)


CRYPTARITHMS = [(["SEND", "MORE"], "MONEY"), (["DONALD", "GERALD"], "ROBERT"),
                (["CROSS", "ROADS"], "DANGER"), (["BASE", "BALL"], "GAMES")]


def pigeonhole(n: int) -> str:
    """n variables over n - 1 values, all different: no solution."""
    return permutation(n).replace(f" 0 {n - 1}", f" 0 {n - 2}")


def families() -> list:
    """(family, instance name, text) of the benchmark families, in order."""
    out = [("queens", f"queens {n}", queens(n)) for n in (8, 10, 12, 16, 20, 24, 28, 32, 37, 40, 45, 50, 60)]
    for list_name, family in (("sudoku_easy50.txt", "sudoku easy50"), ("sudoku_top95.txt", "sudoku top95"),
                              ("sudoku_hardest.txt", "sudoku hardest")):
        path = "cp/" + list_name if list_name == "sudoku_easy50.txt" else list_name
        out += [(family, f"{family} #{i}", sudoku(p)) for i, p in enumerate(sudoku_puzzles(path))]
    out += [("magic", f"magic {n}", magic_square(n)) for n in range(3, 9)]
    for n in range(4, 12):
        out.append(("golomb", f"golomb {n} at {GOLOMB_OPTIMUM[n]}", golomb(n, GOLOMB_OPTIMUM[n])))
        if n <= 9:
            out.append(("golomb", f"golomb {n} at {GOLOMB_OPTIMUM[n] - 1}", golomb(n, GOLOMB_OPTIMUM[n] - 1)))
    out += [("knapsack", f"knapsack {n}", knapsack(n, 7)) for n in (10, 20, 30, 40, 50, 60)]
    for name, (best, jobs) in jobshops().items():
        out += [("jobshop", f"{name} at {h}", jobshop(jobs, h)) for h in (best, best - 1)]
    for name, k in CHROMATIC.items():
        out.append(("colouring", f"{name[:-4]} {k} colours", colouring(name, k)))
        out.append(("colouring", f"{name[:-4]} {k - 1} colours", colouring(name, k - 1)))
    out += [("cryptarithm", "+".join(w) + "=" + r, cryptarithm(w, r)) for w, r in CRYPTARITHMS]
    out += [("pigeonhole", f"pigeonhole {n}", pigeonhole(n)) for n in (8, 12, 20, 50)]
    return out


# ---- a tiny reader for the generated texts (names are unique here) ----------

def read(text: str):
    domains, names, cons = [], {}, []
    for line in text.splitlines():
        t = line.split()
        if not t:
            continue
        if t[0] == "var":
            names[t[1]] = len(domains)
            domains.append((int(t[2]), int(t[3])))
        elif t[0] == "linear":
            pairs = [(int(t[i]), names[t[i + 1]]) for i in range(1, len(t) - 2, 2)]
            cons.append(("linear", pairs, int(t[-2]), t[-1]))
        elif t[0] == "allDiff":
            cons.append(("allDiff", [names[x] for x in t[1:]]))
        elif t[0] == "le":
            cons.append(("le", names[t[1]], names[t[2]], int(t[3])))
        else:
            cons.append((t[0], names[t[1]], names[t[2]]))
    return domains, cons


def holds(con, v) -> bool:
    kind = con[0]
    if kind == "eq":
        return v[con[1]] == v[con[2]]
    if kind == "neq":
        return v[con[1]] != v[con[2]]
    if kind == "lt":
        return v[con[1]] < v[con[2]]
    if kind == "le":
        return v[con[1]] <= v[con[2]] + con[3]
    if kind == "allDiff":
        return len(set(v[i] for i in con[1])) == len(con[1])
    s = sum(c * v[x] for c, x in con[1])
    return {"le": s <= con[2], "ge": s >= con[2], "eq": s == con[2]}[con[3]]


def check(text: str, values) -> None:
    domains, cons = read(text)
    assert len(values) == len(domains)
    assert all(lo <= x <= hi for x, (lo, hi) in zip(values, domains)), "value outside its range"
    assert all(holds(c, values) for c in cons), "constraint violated"


# ---- peers ------------------------------------------------------------------

def timed(peer: str, text: str):
    """Runs one peer in a child process (a pure-Python search cannot always be
    interrupted from inside); returns (answer or None or "skip", seconds),
    or (None, PEER_LIMIT) when it ran out of time."""
    answers, seconds = timed_many(peer, [text], PEER_LIMIT)
    return (answers[0], seconds) if answers else ("timeout", PEER_LIMIT)


def timed_many(peer: str, texts: list, limit: float):
    """Runs one peer on several texts in one child; ([answers], total seconds),
    or ([], limit) when the whole batch ran out of time."""
    with tempfile.NamedTemporaryFile("w", suffix=".json", delete=False) as f:
        json.dump(texts, f)
    try:
        out = subprocess.run([sys.executable, __file__, "--peer", peer, f.name], capture_output=True,
                             text=True, timeout=limit, check=True).stdout
    except subprocess.TimeoutExpired:
        return [], limit
    finally:
        os.unlink(f.name)
    data = json.loads(out)
    return data["answers"], sum(data["seconds"])


def run_peer(peer: str, path: str) -> None:
    fn = dict(PEERS)[peer]
    # Imported before the clock starts: only the solves are timed.
    __import__({"python-constraint": "constraint", "CP-SAT": "ortools.sat.python.cp_model"}[peer])
    answers, seconds = [], []
    for text in json.loads(Path(path).read_text()):
        start = time.perf_counter()
        answers.append(fn(text))
        seconds.append(time.perf_counter() - start)
    print(json.dumps({"answers": answers, "seconds": seconds}))


def python_constraint(text: str):
    import constraint

    domains, cons = read(text)
    if any(hi - lo > 1000 for lo, hi in domains) or len(domains) > 2000:
        return "skip"
    p = constraint.Problem()
    for i, (lo, hi) in enumerate(domains):
        p.addVariable(i, list(range(lo, hi + 1)))
    for con in cons:
        kind = con[0]
        if kind == "allDiff":
            if len(set(con[1])) == len(con[1]):
                p.addConstraint(constraint.AllDifferentConstraint(), con[1])
            else:
                p.addConstraint(lambda *a: False, sorted(set(con[1])))
        elif kind == "linear":
            xs = sorted({x for _, x in con[1]})
            pos = {x: i for i, x in enumerate(xs)}
            p.addConstraint(lambda *a, c=con, pos=pos: holds(c, _View(a, pos)), xs)
        elif con[1] == con[2]:
            p.addConstraint(lambda a, c=con: holds(c, {c[1]: a}), [con[1]])
        else:
            p.addConstraint(lambda a, b, c=con: holds(c, {c[1]: a, c[2]: b}), [con[1], con[2]])
    sol = p.getSolution()
    return None if sol is None else [sol[i] for i in range(len(domains))]


class _View:
    def __init__(self, values, pos):
        self.values, self.pos = values, pos

    def __getitem__(self, x):
        return self.values[self.pos[x]]


def cp_sat(text: str):
    from ortools.sat.python import cp_model

    domains, cons = read(text)
    if any(lo < -(2**62) or hi > 2**62 for lo, hi in domains):
        return "skip"  # beyond the integer range that CP-SAT accepts
    m = cp_model.CpModel()
    xs = [m.NewIntVar(lo, hi, "") for lo, hi in domains]
    for con in cons:
        kind = con[0]
        if kind in ("eq", "neq", "lt", "le") and con[1] == con[2]:
            if not holds(con, {con[1]: 0}):
                m.AddBoolOr([])  # always false
            continue
        if kind == "allDiff" and len(set(con[1])) < len(con[1]):
            m.AddBoolOr([])
            continue
        if kind == "eq":
            m.Add(xs[con[1]] == xs[con[2]])
        elif kind == "neq":
            m.Add(xs[con[1]] != xs[con[2]])
        elif kind == "lt":
            m.Add(xs[con[1]] < xs[con[2]])
        elif kind == "le":
            m.Add(xs[con[1]] <= xs[con[2]] + con[3])
        elif kind == "allDiff":
            m.AddAllDifferent([xs[i] for i in con[1]])
        else:
            s = sum(c * xs[x] for c, x in con[1])
            m.Add({"le": s <= con[2], "ge": s >= con[2], "eq": s == con[2]}[con[3]])
    solver = cp_model.CpSolver()
    solver.parameters.num_workers = 1
    status = solver.Solve(m)
    if status in (cp_model.OPTIMAL, cp_model.FEASIBLE):
        return [solver.Value(x) for x in xs]
    if status == cp_model.INFEASIBLE:
        return None
    raise RuntimeError(f"CP-SAT gave no answer: {solver.StatusName(status)}")


PEERS = (("python-constraint", python_constraint), ("CP-SAT", cp_sat))


def available(module: str) -> bool:
    try:
        __import__(module)
        return True
    except Exception:
        return False


# ---- driver -----------------------------------------------------------------

def build_stats_tool(source: Path = ROOT) -> Path:
    out = Path(tempfile.gettempdir()) / f"nemox_cp_stats_{abs(hash(str(source)))}"
    sources = [source / "bench" / "cp_stats.cpp", source / "tests" / "cpp" / "cp" / "oracle.cpp",
               source / "src" / "parser" / "cp_format.cpp"]
    sources += sorted((source / "src" / "cp").glob("*.cpp")) + sorted((source / "src" / "core").glob("*.cpp"))
    # The flags of the release build, so that counts match the module's code.
    subprocess.run(["g++", "-std=c++20", "-O3", "-DNDEBUG", "-pthread", f"-I{source / 'src'}",
                    f"-I{source / 'tests' / 'cpp'}", *map(str, sources), "-o", str(out)], check=True)
    return out


def instructions(tool: Path, text: str) -> int:
    """Instructions executed in reading and solving, counted by callgrind."""
    with tempfile.TemporaryDirectory() as d:
        cp_file, out = Path(d) / "in.cp", Path(d) / "callgrind.out"
        cp_file.write_text(text)
        subprocess.run(["valgrind", "--tool=callgrind", f"--callgrind-out-file={out}",
                        "--toggle-collect=nemox::parser::parse_cp*", "--toggle-collect=nemox::cp::solve_cp*",
                        str(tool), str(cp_file)], check=True, capture_output=True)
        for line in out.read_text().splitlines():
            if line.startswith(("summary:", "totals:")):
                return int(line.split()[1])
    raise RuntimeError("callgrind wrote no total")


def stats(tool: Path, text: str, oracle: bool) -> dict:
    with tempfile.NamedTemporaryFile("w", suffix=".cp", delete=False) as f:
        f.write(text)
    try:
        args = [str(tool), f.name] + (["--oracle"] if oracle else [])
        try:
            out = subprocess.run(args, capture_output=True, text=True, timeout=120, check=True).stdout
        except subprocess.TimeoutExpired:
            out = subprocess.run(args[:2], capture_output=True, text=True, check=True).stdout
            data = json.loads(out)
            data["oracle_seconds"] = None
            return data
        return json.loads(out)
    finally:
        os.unlink(f.name)


def per_call(text: str, budget: float = 0.5):
    calls, start = 0, time.perf_counter()
    while True:
        result = nemox.solve_cp_text(text)
        calls += 1
        spent = time.perf_counter() - start
        if spent >= budget or calls >= 1000:
            return result, spent / calls


class _Late(Exception):
    pass


def _late(signum, frame):
    raise _Late()


def limited_call(text: str, limit: float):
    """One nemox call, abandoned through SIGALRM after `limit` seconds:
    (result, seconds) or (None, None)."""
    old = signal.signal(signal.SIGALRM, _late)
    signal.setitimer(signal.ITIMER_REAL, limit)
    start = time.perf_counter()
    try:
        result = nemox.solve_cp_text(text)
        return result, time.perf_counter() - start
    except _Late:
        return None, None
    finally:
        signal.setitimer(signal.ITIMER_REAL, 0)
        signal.signal(signal.SIGALRM, old)


def fmt_s(s) -> str:
    if s is None:
        return "-"
    return f"{s * 1e3:9.3f} ms" if s < 10 else f"{s:9.1f} s "


SPEED_LIMIT = 20.0  # seconds per nemox call and per peer batch in --speed


def speed(quick: bool, counting: bool, source: Path, json_path: Path) -> None:
    tool = build_stats_tool(source)
    peers = [name for name, mod in (("CP-SAT", "ortools"), ("python-constraint", "constraint")) if available(mod)]
    records = []
    print(f"{'case':28} {'status':6} {'nodes':>9} {'nemox':>12} {'nodes/s':>10} {'instr/node':>11}"
          + "".join(f" {name:>18}" for name in peers))

    def report(case: str, size, texts: list, count: bool) -> None:
        nodes, seconds, statuses, instr = 0, 0.0, set(), 0
        for text in texts:
            result, spent = limited_call(text, SPEED_LIMIT)
            if result is None:
                seconds = None
                break
            st = stats(tool, text, False)
            assert result["status"] == st["status"]
            if result["status"] == "SAT":
                check(text, list(result["model"].values()))
            statuses.add(result["status"])
            nodes += st["nodes"]
            seconds += spent if spent >= 0.05 else per_call(text, 0.2)[1]
            if count:
                instr += instructions(tool, text)
        record = {"case": case, "size": size, "nemox_seconds": seconds, "nodes": nodes if seconds else None}
        if count and seconds is not None:
            record["instructions"] = instr
        line = f"{case:28} {'/'.join(sorted(statuses)) if seconds else '-':6} {nodes if seconds else '-':>9}"
        line += f" {fmt_s(seconds) if seconds is not None else '> ' + str(int(SPEED_LIMIT)) + ' s':>12}"
        line += f" {nodes / seconds if seconds and nodes else 0:10.0f}" if seconds else f" {'-':>10}"
        line += f" {instr / max(nodes, 1):11.0f}" if count and seconds is not None else f" {'-':>11}"
        for name in peers:
            if name == "python-constraint" and (size is None or case.startswith(("queens", "convergence"))):
                record[name] = None  # hopeless at these sizes: every value is enumerated
                line += f" {'(not run)':>18}"
                continue
            answers, spent = timed_many(name, texts, SPEED_LIMIT)
            if not answers or "skip" in answers:
                record[name] = None
                line += f" {'(cannot take it)' if answers else '> ' + str(int(SPEED_LIMIT)) + ' s':>18}"
                continue
            for text, answer in zip(texts, answers):
                if answer is not None:
                    check(text, answer)
            record[name] = spent
            line += f" {fmt_s(spent):>18}"
        records.append(record)
        print(line, flush=True)

    for n in (20, 24) if quick else (20, 22, 24, 26, 28, 30, 32):
        report(f"queens {n}", n, [queens(n)], counting and n == 20)
    top95 = sudoku_puzzles("sudoku_top95.txt")
    report("sudoku top95 (all 95)", len(top95), [sudoku(p) for p in top95], False)
    if counting:
        report("sudoku top95 (first 10)", 10, [sudoku(p) for p in top95[:10]], True)
    hardest = sudoku_puzzles("sudoku_hardest.txt")
    report("sudoku hardest (all 11)", len(hardest), [sudoku(p) for p in hardest], counting)
    report("correlated knapsack 30", 30, [knapsack(30, 7)], False)
    widths = [10**4, 10**6, 10**8, 10**12, 10**18, 2**63]
    for w in widths[:3] if quick else widths:
        report(f"convergence width {w:.0e}" if w != 2**63 else "convergence width 2^63", w,
               [convergence(w)], counting and w <= 10**4)
    json_path.parent.mkdir(parents=True, exist_ok=True)
    json_path.write_text(json.dumps(records, indent=1) + "\n")
    print(f"written: {json_path}")


RECORD_LIMIT = 10.0  # seconds per call when recording answers
ANSWERS = ROOT / "bench" / "results" / "cp_answers.json"


def record(json_path: Path) -> None:
    """Answers (status and model), nodes and times of the module as it stands,
    per family instance; instances without an answer within the limit are
    kept with status null."""
    tool = build_stats_tool()
    rows = []
    for family, name, text in families():
        result, spent = limited_call(text, RECORD_LIMIT)
        row = {"family": family, "name": name, "status": None, "model": None, "seconds": None, "nodes": None}
        if result is not None:
            if result["status"] == "SAT":
                check(text, list(result["model"].values()))
                row["model"] = list(result["model"].values())
            row["status"] = result["status"]
            row["seconds"] = spent if spent >= 0.05 else per_call(text, 0.2)[1]
            row["nodes"] = stats(tool, text, False)["nodes"]
        rows.append(row)
        print(f"{name:32} {row['status'] or '-':6} {row['nodes'] if row['nodes'] is not None else '-':>10} "
              f"{fmt_s(row['seconds'])}", flush=True)
    json_path.parent.mkdir(parents=True, exist_ok=True)
    json_path.write_text(json.dumps(rows, indent=0) + "\n")
    print(f"written: {json_path}")


def families_run(json_path: Path, limit: float) -> None:
    """Every family instance through the module (within `limit` seconds),
    its answer checked against the one recorded before the refuter, nodes
    from the counting tool, and CP-SAT with one worker in the same run."""
    tool = build_stats_tool()
    before = {r["name"]: r for r in json.loads(ANSWERS.read_text())}
    peer = available("ortools")
    rows = []
    print(f"{'instance':30} {'status':6} {'nodes before':>12} {'nodes now':>10} {'before':>12} {'now':>12}"
          f" {'CP-SAT':>12}")
    for family, name, text in families():
        old = before[name]
        result, spent = limited_call(text, limit)
        row = {"family": family, "name": name, "status": None, "seconds": None, "nodes": None,
               "before_seconds": old["seconds"], "before_nodes": old["nodes"], "CP-SAT": None}
        if result is not None:
            model = list(result["model"].values()) if result["status"] == "SAT" else None
            if model is not None:
                check(text, model)
            if old["status"] is not None:
                assert (result["status"], model) == (old["status"], old["model"]), f"{name}: answer changed"
            row["status"] = result["status"]
            row["seconds"] = spent if spent >= 0.05 else per_call(text, 0.2)[1]
            row["nodes"] = stats(tool, text, False)["nodes"]
        if peer:
            answers, took = timed_many("CP-SAT", [text], limit)
            if answers and answers[0] != "skip":
                if answers[0] is not None:
                    check(text, answers[0])
                if row["status"] is not None:
                    assert (answers[0] is None) == (row["status"] == "UNSAT"), f"{name}: CP-SAT disagrees"
                row["CP-SAT"] = took
        rows.append(row)
        print(f"{name:30} {row['status'] or '-':6} {str(old['nodes'] if old['nodes'] is not None else '-'):>12}"
              f" {str(row['nodes'] if row['nodes'] is not None else '-'):>10} {fmt_s(old['seconds']):>12}"
              f" {fmt_s(row['seconds']):>12} {fmt_s(row['CP-SAT']):>12}", flush=True)
    json_path.parent.mkdir(parents=True, exist_ok=True)
    json_path.write_text(json.dumps({"limit": limit, "rows": rows}, indent=0) + "\n")
    print(f"written: {json_path}")
    summary(rows, limit)


def summary(rows: list, limit: float) -> None:
    """Per family: instances answered before and now, summed times, CP-SAT;
    the geometric-mean speed-up over the instances that took 10 ms or more
    before (an instance without an answer before counts at the limit, so
    its ratio is a lower bound)."""
    print(f"\n{'family':16} {'answered before':>15} {'now':>5} {'time before':>12} {'now':>12} {'CP-SAT':>12}"
          f" {'slower than CP-SAT':>18}")
    ratios = []
    for family in dict.fromkeys(r["family"] for r in rows):
        rs = [r for r in rows if r["family"] == family]
        both = [r for r in rs if r["before_seconds"] is not None and r["seconds"] is not None]
        t_before = sum(r["before_seconds"] for r in both)
        t_now = sum(r["seconds"] for r in both)
        peers = [r["CP-SAT"] for r in rs if r["CP-SAT"] is not None]
        slower = sum(1 for r in rs if r["CP-SAT"] is not None and (r["seconds"] is None or r["seconds"] > r["CP-SAT"]))
        print(f"{family:16} {sum(r['before_seconds'] is not None for r in rs):>9}/{len(rs):<5}"
              f" {sum(r['seconds'] is not None for r in rs):>5} {fmt_s(t_before):>12} {fmt_s(t_now):>12}"
              f" {fmt_s(sum(peers) if peers else None):>12} {slower:>18}")
        for r in rs:
            old = r["before_seconds"] if r["before_seconds"] is not None else limit
            if old >= 0.01 and r["seconds"] is not None:
                ratios.append(old / r["seconds"])
    if ratios:
        import math
        mean = math.exp(sum(math.log(x) for x in ratios) / len(ratios))
        print(f"\ngeometric-mean speed-up over {len(ratios)} instances that took >= 10 ms before "
              f"(and answer now): {mean:.1f}x")


def small_calls(source: Path) -> None:
    """Instructions of reading and solving small models (queens 8-12, easy
    and two top95 Sudokus), with the counting tool built from `source`:
    run once per tree to set two states side by side."""
    tool = build_stats_tool(source)
    easy = sudoku_puzzles("cp/sudoku_easy50.txt")
    top95 = sudoku_puzzles("sudoku_top95.txt")
    cases = [(f"queens {n}", queens(n)) for n in (8, 10, 12)]
    cases += [(f"sudoku easy50 #{i}", sudoku(easy[i])) for i in range(0, 50, 7)]
    cases += [(f"sudoku top95 #{i}", sudoku(top95[i])) for i in (0, 1)]
    print(f"{'instance':20} {'nodes':>6} {'instructions':>13}")
    for name, text in cases:
        print(f"{name:20} {stats(tool, text, False)['nodes']:6d} {instructions(tool, text):13,d}", flush=True)


def main() -> None:
    if sys.argv[1:2] == ["--peer"]:
        run_peer(sys.argv[2], sys.argv[3])
        return
    flags = {"--quick", "--speed", "--instructions", "--record", "--families", "--small-calls"}
    valued = {"--source", "--json"}
    args = sys.argv[1:]
    i = 0
    while i < len(args):
        if args[i] in valued and i + 1 < len(args):
            i += 2
        elif args[i] in flags:
            i += 1
        elif args[i] in ("-h", "--help"):
            print(__doc__)
            return
        else:
            # An unknown word would otherwise start the whole default run.
            print(__doc__, file=sys.stderr)
            sys.exit(f"{args[i]} needs a value" if args[i] in valued else f"unknown argument: {args[i]}")
    quick = "--quick" in sys.argv
    if "--families" in sys.argv:
        families_run(Path(sys.argv[sys.argv.index("--json") + 1]) if "--json" in sys.argv
                     else ROOT / "bench" / "results" / "cp_families.json", RECORD_LIMIT)
        return
    if "--record" in sys.argv:
        record(Path(sys.argv[sys.argv.index("--json") + 1]) if "--json" in sys.argv else ANSWERS)
        return
    if "--small-calls" in sys.argv:
        small_calls(Path(sys.argv[sys.argv.index("--source") + 1]) if "--source" in sys.argv else ROOT)
        return
    if "--speed" in sys.argv:
        source = Path(sys.argv[sys.argv.index("--source") + 1]) if "--source" in sys.argv else ROOT
        json_path = (Path(sys.argv[sys.argv.index("--json") + 1]) if "--json" in sys.argv
                     else ROOT / "bench" / "results" / "cp.json")
        speed(quick, "--instructions" in sys.argv, source, json_path)
        return
    tool = build_stats_tool()
    peers = [(name, fn) for name, mod, fn in (("python-constraint", "constraint", python_constraint),
                                               ("CP-SAT", "ortools", cp_sat)) if available(mod)]
    for name, mod in (("python-constraint", "constraint"), ("OR-Tools CP-SAT", "ortools")):
        if not available(mod):
            print(f"({name} is not installed: skipped)")

    rng = random.Random(2024)
    cases = [(f"queens {n} (aux vars)", queens(n), n <= 12) for n in ((8, 12) if quick else (8, 12, 16, 20))]
    cases.append(("SEND+MORE=MONEY", send_more_money(), True))
    cases += [(f"random #{i} (50 vars)", random_problem(rng, 50, 80), True) for i in range(3 if quick else 8)]
    cases.append(("lt chain 10,000 wide", lt_chain(10_000), True))
    cases.append(("free 0/1 x 5,000", free_bits(5_000), True))
    cases.append(("allDiff of 3,000", permutation(3_000), False))
    cases.append(("free 0/1 x 1,000,000", free_bits(1_000_000), False))

    head = f"{'instance':24} {'status':6} {'nodes':>9} {'prop runs':>11} {'per call':>12} {'oracle':>12} {'x oracle':>9}"
    for name, _ in peers:
        head += f" {name:>20} {'ratio':>7}"
    print(head)
    for title, text, with_oracle in cases:
        st = stats(tool, text, with_oracle)
        result, seconds = per_call(text)
        status = result["status"]
        assert status == st["status"]
        if status == "SAT":
            check(text, list(result["model"].values()))
        line = f"{title:24} {status:6} {st['nodes']:9d} {st['runs']:11d} {fmt_s(seconds):>12}"
        if with_oracle and st.get("oracle_seconds") is not None:
            assert st["agree"] and st["oracle_nodes"] == st["nodes"], "oracle disagrees"
            line += f" {fmt_s(st['oracle_seconds']):>12} {st['oracle_seconds'] / st['seconds']:8.1f}x"
        else:
            line += f" {'-':>12} {'-':>9}"
        for name, fn in peers:
            answer, spent = timed(name, text)
            if answer == "skip":
                line += f" {'(cannot take it)':>20} {'-':>7}"
                continue
            if answer == "timeout":
                line += f" {'> ' + str(int(PEER_LIMIT)) + ' s':>20} {'-':>7}"
                continue
            if answer is None:
                assert status == "UNSAT", f"{name} finds no solution where nemox does"
            else:
                check(text, answer)
                assert status == "SAT", f"{name} finds a solution where nemox does not"
            line += f" {fmt_s(spent):>20} {spent / seconds:6.1f}x"
        print(line, flush=True)
    print("ratio: peer time / nemox time per call (above 1: nemox is faster); "
          "x oracle: time of the plain oracle of the tests / solver time, with equal node counts checked")


if __name__ == "__main__":
    main()
