"""All four functions together: Ctrl-C on a long call of each kind, memory
over many mixed calls, and threads calling at once."""
import gc
import json
import os
import pathlib
import subprocess
import sys
import threading

import pytest

import long_calls
import nemox
from alarm import assert_ctrl_c_interrupts
from memory import SANITIZED, rss_bytes

# Calls that do not end before the signal, whatever the machine's speed.
LONG_CALLS = {
    "sat": (nemox.solve_sat, long_calls.SAT),
    "lp": (nemox.solve_lp_text, long_calls.LP),
    "milp": (nemox.solve_milp_text, long_calls.MILP),
    "cp": (nemox.solve_cp_text, long_calls.CP),
}

# (function, text): answers of every kind and reader errors of every reader.
MIXED = [
    (nemox.solve_sat, "p cnf 3 2\n1 -3 0\n2 3 -1 0\n"),
    (nemox.solve_sat, "p cnf 1 2\n1 0\n-1 0\n"),
    (nemox.solve_sat, "p cnf 1 1\n1 x 0\n"),
    (nemox.solve_lp_text, "max x0 + x1\nx0 + 2*x1 <= 4\n3*x0 + x1 <= 6\n"),
    (nemox.solve_lp_text, "max x0\nx0 >= 1\n"),
    (nemox.solve_lp_text, "max x0\nx0 <= 1/3 + 123456789.123456789\n"),
    (nemox.solve_lp_text, "x0 + x1 < 4\n"),
    (nemox.solve_milp_text, "max x0 + x1\nint x0\nint x1\n2*x0 + 2*x1 <= 3\n"),
    (nemox.solve_milp_text, "min x0\nint x0\n2*x0 = 3\n"),
    (nemox.solve_milp_text, "max x0\nx0 <= bad\n"),
    (nemox.solve_cp_text, "var a 1 3\nvar b 1 3\nneq a b\nlinear 2 a 3 b 9 le\n"),
    (nemox.solve_cp_text, "var p 1 2\nvar q 1 2\nvar r 1 2\nallDiff p q r\n"),
    (nemox.solve_cp_text, "var x 0 3\neq x z\n"),
]


def call(fn, text):
    try:
        return fn(text)
    except ValueError as e:
        return ("ValueError", e.args)


@pytest.mark.parametrize("kind", sorted(LONG_CALLS))
def test_ctrl_c_ends_a_long_call_of_each_kind(kind):
    fn, text = LONG_CALLS[kind]
    assert_ctrl_c_interrupts(lambda: fn(text), after=0.3, within=30)
    assert call(*MIXED[0]) == {"status": "SAT", "model": {"x0": True, "x1": True, "x2": True}}


def test_memory_stays_flat_over_mixed_calls():
    def burst(n):
        for i in range(n):
            call(*MIXED[i % len(MIXED)])

    burst(20_000)
    gc.collect()
    before = rss_bytes()
    burst(100_000)
    gc.collect()
    assert rss_bytes() - before < 4 * 1024 * 1024


def test_sixteen_threads_get_the_serial_answers():
    serial = [call(fn, text) for fn, text in MIXED]
    results = {}

    def work(k):
        for round_ in range(20):
            i = (k + round_) % len(MIXED)
            results[(k, round_)] = (i, call(*MIXED[i]))

    threads = [threading.Thread(target=work, args=(k,)) for k in range(16)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    assert len(results) == 16 * 20
    assert all(answer == serial[i] for i, answer in results.values())


# --- the memory check sees the limits of this process, not only the machine's ------------

SAT_TOO_BIG = "the largest variable index of this formula needs more memory than this machine has"
# An instrumented interpreter maps terabytes of shadow memory at start and charges it as it
# goes: no small limit leaves it room to run.
NOT_UNDER_ASAN = pytest.mark.skipif(SANITIZED, reason="an instrumented interpreter cannot run under a small memory limit")

# A table of about 900 MB (4M variables): far above the limits below, far below the memory of
# any machine that runs these tests, so that a MemoryError with the module's message shows that
# the check saw the limit. LPs of 5,000 rows, which needed dense tableaux of 400 MB, are solved
# within the same limits by the factorized engine.
OVER_LIMIT = [
    ("solve_sat", "p cnf 1 1\n4000000 0\n", ["MemoryError", SAT_TOO_BIG]),
    ("solve_lp_text", "max x0\n" + "x0 <= 1\n" * 5000, ["OPTIMAL", 1]),
    ("solve_milp_text", "max x0\nint x0\n" + "x0 <= 1.5\n" * 5000, ["OPTIMAL", 1]),
]
# Each refused at once (or solved within the limit), then a small call that still works.
LIMITED_CALLS = [[name, text] for name, text, _ in OVER_LIMIT] + [["solve_sat", "p cnf 1 1\n-1 0\n"]]
LIMITED_OUTCOMES = [expected for _, _, expected in OVER_LIMIT] + [["SAT", 1]]

# Reads phases of [limit, [[function, text], ...]] on stdin once its parent has placed it; for
# each phase sets the limit (a resource name and MiB, or "none") and makes the calls. Prints
# each outcome: the error and its message, or the status and the size of the model.
LIMITED_CHILD = """
import json, resource, sys
import nemox

def outcome(name, text):
    try:
        result = getattr(nemox, name)(text)
    except MemoryError as e:
        return ["MemoryError", *e.args]
    return [result["status"], len(result["model"])]

def limit(setting):
    if setting != "none":
        kind, mib = setting.split(":")
        resource.setrlimit(getattr(resource, kind), (int(mib) * 2**20, resource.RLIM_INFINITY))

results = []
for setting, calls in json.load(sys.stdin):
    limit(setting)
    results.append([outcome(*call) for call in calls])
print(json.dumps(results))
"""


def run_limited(phases, place=None):
    """Runs LIMITED_CHILD on phases of [limit, calls]; `place` gets the child's pid first."""
    child = subprocess.Popen([sys.executable, "-c", LIMITED_CHILD], stdin=subprocess.PIPE,
                             stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True,
                             env=os.environ | {"PYTHONPATH": os.path.dirname(nemox.__file__)})
    try:
        if place is not None:
            place(child.pid)
        out, err = child.communicate(json.dumps(phases), timeout=300)
    finally:
        if child.poll() is None:
            child.kill()
            child.wait()
    assert child.returncode == 0, f"child ended with {child.returncode}: {err[-2000:]}"
    return json.loads(out)


@NOT_UNDER_ASAN
@pytest.mark.parametrize("kind", ["RLIMIT_AS", "RLIMIT_DATA"])
def test_memory_check_sees_the_resource_limit(kind):
    # Under a limit that leaves room for it, a table that the check must weigh (1M variables,
    # about 220 MB) is built: the check refuses only what does not fit.
    fits = [["solve_sat", "p cnf 1 1\n1000000 0\n"]]
    seen = run_limited([[f"{kind}:256", LIMITED_CALLS], [f"{kind}:1024", fits]])
    assert seen == [LIMITED_OUTCOMES, [["SAT", 1000000]]]


CGROUP_ROOT = pathlib.Path("/sys/fs/cgroup")


def cgroup_v2_unavailable():
    """Why this machine cannot give a child its own cgroup v2 memory limit, or None."""
    if SANITIZED:
        return "an instrumented interpreter cannot run under a small memory limit"
    if os.geteuid() != 0:
        return "creating a cgroup needs root"
    if not (CGROUP_ROOT / "cgroup.controllers").is_file():
        return f"{CGROUP_ROOT} is not a cgroup v2 hierarchy (no cgroup.controllers)"
    if "memory" not in (CGROUP_ROOT / "cgroup.subtree_control").read_text().split():
        return f"the memory controller is not enabled for the children of {CGROUP_ROOT}"
    return None


def test_memory_check_sees_the_cgroup_limit():
    reason = cgroup_v2_unavailable()
    if reason is not None:
        pytest.skip(reason)
    group = CGROUP_ROOT / f"nemox-test-{os.getpid()}"
    try:
        group.mkdir()
    except OSError as e:
        pytest.skip(f"cannot create {group}: {e}")

    def write(name, value):
        try:
            (group / name).write_text(str(value))
        except OSError as e:
            pytest.skip(f"cannot write {group / name}: {e}")

    try:
        write("memory.max", 200 * 2**20)
        seen = run_limited([["none", LIMITED_CALLS]], place=lambda pid: write("cgroup.procs", pid))
        # Killed by the kernel instead, the child fails run_limited's return code check.
        assert seen == [LIMITED_OUTCOMES]
    finally:
        group.rmdir()
