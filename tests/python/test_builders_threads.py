"""The builders' solves release the interpreter lock: other threads run
during a solve, two solves run at once, a time limit ends a solve on any
thread, and Ctrl-C still ends one on the main thread. Every solve here
cannot end by itself; what ends it is the signal or the deadline."""

import linecache
import os
import re
import signal
import subprocess
import sys
import threading
import time
from fractions import Fraction
from pathlib import Path

import pytest

import long_calls
from nemox_builders import CnfBuilder, CpBuilder, LpBuilder

HERE = Path(__file__).resolve().parent


def pigeonhole():
    f = CnfBuilder()
    holes = 11
    p = [[f.var(f"p{i}h{h}") for h in range(holes)] for i in range(holes + 1)]
    for row in p:
        f.add_clause(*row)
    for h in range(holes):
        for i in range(holes + 1):
            for j in range(i + 1, holes + 1):
                f.add_clause(~p[i][h], ~p[j][h])
    return f


def crowded_cp():
    """Forty 0/1 variables whose doubled sum is odd: a search that cannot end."""
    m = CpBuilder()
    for i in range(40):
        m.var(f"p{i}", 0, 1)
    m.linear({f"p{i}": 2 for i in range(40)}, "=", 41)
    return m


TERM = re.compile(r"([+-]?) ?([0-9.]*)\*?x(\d+)")


def lp_of(text):
    """LP text of lp_gen (x0, x1, ... on the objective line) as a builder."""
    b = LpBuilder()
    integer = {int(line[5:]) for line in text.splitlines() if line.startswith("int x")}
    lines = [line for line in text.splitlines() if not line.startswith("int ")]
    count = 1 + max(int(v) for v in re.findall(r"x(\d+)", text))
    for i in range(count):
        b.var(f"v{i}", integer=i in integer)

    def terms(side):
        found = {}
        for sign, coeff, var in TERM.findall(side.replace("+ -", "- ")):
            c = Fraction(coeff) if coeff else Fraction(1)
            found[f"v{var}"] = found.get(f"v{var}", 0) + (-c if sign == "-" else c)
        return found

    sense, objective = lines[0].split(" ", 1)
    (b.maximize if sense == "max" else b.minimize)(terms(objective))
    for line in lines[1:]:
        lhs, op, rhs = re.fullmatch(r"(.*) (<=|>=|=) (\S+)", line).groups()
        b.add(terms(lhs), op, Fraction(rhs))
    return b


ENDLESS = {
    "sat": lambda: pigeonhole().solve(),
    "cp": lambda: crowded_cp().solve(),
    "cp solutions": lambda: list(crowded_cp().solutions()),
    "lp": lambda: lp_of(long_calls.LP).solve(),
    "milp": lambda: lp_of(long_calls.MILP).solve_milp(node_limit=10**9),
}


def in_native_call(frame):
    """Whether the thread of `frame` is inside one of the package's native calls."""
    return frame is not None and "_native." in linecache.getline(frame.f_code.co_filename, frame.f_lineno)


@pytest.mark.parametrize("kind", sorted(ENDLESS))
def test_heartbeat_runs_during_a_solve_and_ctrl_c_ends_it(kind):
    call = ENDLESS[kind]
    main = threading.get_ident()
    beats = []
    failed = threading.Event()

    def heartbeat():
        # Counted only while the main thread is inside the solve: a solve
        # that held the lock would let no beat through.
        while len(beats) < 20:
            if failed.is_set():
                return
            if in_native_call(sys._current_frames().get(main)):
                beats.append(1)
            time.sleep(0.001)
        os.kill(os.getpid(), signal.SIGINT)

    beater = threading.Thread(target=heartbeat)
    beater.start()
    try:
        with pytest.raises(KeyboardInterrupt) as stopped:
            call()
    except BaseException:
        failed.set()
        raise
    finally:
        beater.join()
    tb = stopped.value.__traceback__
    while tb.tb_next is not None:
        tb = tb.tb_next
    assert "_native." in linecache.getline(tb.tb_frame.f_code.co_filename, tb.tb_lineno)
    assert len(beats) == 20
    assert CnfBuilder().solve().status == "SAT"  # and the next solve answers


@pytest.mark.parametrize("kind", ["sat", "cp", "cp solutions", "lp", "milp"])
def test_time_limit_ends_a_solve_on_another_thread(kind):
    calls = {
        "sat": lambda: pigeonhole().solve(time_limit=0.2),
        "cp": lambda: crowded_cp().solve(time_limit=0.2),
        "cp solutions": lambda: list(crowded_cp().solutions(time_limit=0.2)),
        "lp": lambda: lp_of(long_calls.LP).solve(time_limit=0.2),
        "milp": lambda: lp_of(long_calls.MILP).solve_milp(time_limit=0.2, node_limit=10**9),
    }
    outcome = []

    def run():
        try:
            calls[kind]()
        except TimeoutError as e:
            outcome.append(e)

    worker = threading.Thread(target=run)
    worker.start()
    worker.join()
    assert len(outcome) == 1 and "time limit" in str(outcome[0])
    # The thread that timed out leaves nothing behind: the next solve answers.
    assert CnfBuilder().solve().status == "SAT"


def test_two_solves_run_at_once():
    """Two threads inside endless solves at the same moment, seen from a third
    thread that keeps running meanwhile. The threads cannot be stopped from
    outside, so the check runs in a process of its own that exits at once."""
    script = f"""
import os, sys, threading, time
sys.path.insert(0, {str(HERE)!r})
from test_builders_threads import crowded_cp, in_native_call, pigeonhole
workers = [threading.Thread(target=call, daemon=True)
           for call in (lambda: pigeonhole().solve(), lambda: crowded_cp().solve())]
for w in workers:
    w.start()
both = 0
while both < 20:
    frames = sys._current_frames()
    if all(in_native_call(frames.get(w.ident)) for w in workers):
        both += 1
    time.sleep(0.001)
print(both, flush=True)
os._exit(0)
"""
    done = subprocess.run([sys.executable, "-c", script], capture_output=True, text=True, timeout=600)
    assert (done.returncode, done.stdout, done.stderr) == (0, "20\n", "")


def test_time_limit_keeps_the_milp_incumbent_with_its_bound():
    answer = lp_of(long_calls.milp_with_a_slow_up_child()).solve_milp(time_limit=1)
    assert (answer.status, answer.objective, answer.bound) == ("FEASIBLE", -3.0, -1.0)
    assert answer.exact_objective == -3 and answer.values["v1"] == 1 and answer.values["v0"] == 0


def test_time_limit_keeps_the_cp_incumbent():
    """z = 0 is found at once; z = 1 makes the doubled sum of forty 0/1 variables odd."""
    m = CpBuilder()
    m.var("z", 0, 1)
    for i in range(40):
        m.var(f"p{i}", 0, 1)
    m.linear({**{f"p{i}": 2 for i in range(40)}, "z": -1}, "=", 40)
    m.maximize({"z": 1})
    answer = m.solve(time_limit=1)
    assert (answer.status, answer.objective, answer.values["z"]) == ("FEASIBLE", 0, 0)
    assert sum(answer.values[f"p{i}"] for i in range(40)) == 20
    with pytest.raises(TimeoutError):
        crowded_cp().solve(time_limit=0)
