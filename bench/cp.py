#!/usr/bin/env python3
"""CP benchmark: nemox.solve_cp_text against the plain oracle of the tests,
python-constraint and OR-Tools CP-SAT (each only where it is installed).

Every answer is checked: a model must satisfy every constraint, and an
"UNSAT" is compared with CP-SAT where that is available. Run from the
repository root after building (the C++ counter tool is compiled here):

    python3 bench/cp.py [--quick]
"""

from __future__ import annotations

import json
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


def lt_chain(n: int) -> str:
    return "\n".join([f"var v{i} {MIN} {MAX}" for i in range(n)] + [f"lt v{i} v{i + 1}" for i in range(n - 1)])


def free_bits(n: int) -> str:
    return "var b 0 1\n" * n


def permutation(n: int) -> str:
    """One allDiff over n variables of n values: n search nodes, each fixing one."""
    return "\n".join([f"var p{i} 0 {n - 1}" for i in range(n)] + ["allDiff " + " ".join(f"p{i}" for i in range(n))])


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
    with tempfile.NamedTemporaryFile("w", suffix=".cp", delete=False) as f:
        f.write(text)
    try:
        out = subprocess.run([sys.executable, __file__, "--peer", peer, f.name], capture_output=True,
                             text=True, timeout=PEER_LIMIT, check=True).stdout
    except subprocess.TimeoutExpired:
        return "timeout", PEER_LIMIT
    finally:
        os.unlink(f.name)
    data = json.loads(out)
    return data["answer"], data["seconds"]


def run_peer(peer: str, path: str) -> None:
    text = Path(path).read_text()
    fn = dict(PEERS)[peer]
    # Imported before the clock starts: only the solve is timed.
    __import__({"python-constraint": "constraint", "CP-SAT": "ortools.sat.python.cp_model"}[peer])
    start = time.perf_counter()
    answer = fn(text)
    print(json.dumps({"answer": answer, "seconds": time.perf_counter() - start}))


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

def build_stats_tool() -> Path:
    out = Path(tempfile.gettempdir()) / "nemox_cp_stats"
    sources = [ROOT / "bench" / "cp_stats.cpp", ROOT / "tests" / "cpp" / "cp" / "oracle.cpp",
               ROOT / "src" / "parser" / "cp_format.cpp"]
    sources += sorted((ROOT / "src" / "cp").glob("*.cpp")) + sorted((ROOT / "src" / "core").glob("*.cpp"))
    subprocess.run(["g++", "-std=c++20", "-O2", "-DNDEBUG", f"-I{ROOT / 'src'}", f"-I{ROOT / 'tests' / 'cpp'}",
                    *map(str, sources), "-o", str(out)], check=True)
    return out


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


def fmt_s(s) -> str:
    if s is None:
        return "-"
    return f"{s * 1e3:9.3f} ms" if s < 10 else f"{s:9.1f} s "


def main() -> None:
    if sys.argv[1:2] == ["--peer"]:
        run_peer(sys.argv[2], sys.argv[3])
        return
    quick = "--quick" in sys.argv
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
