"""The nemox command, driven as a user would: every output form against the
module's dict for the same text, exit statuses, messages, many files, the
time limit and Ctrl-C."""
import json
import os
import re
import signal
import subprocess
import sys
import sysconfig
import time
from pathlib import Path

import pytest

import long_calls
import nemox
from memory import SANITIZED

REPO = Path(__file__).resolve().parents[2]
# The sanitized run tests the instrumented command beside the instrumented module.
COMMAND = REPO / "build" / "sanitize" / "nemox" if SANITIZED else Path(sysconfig.get_path("scripts")) / "nemox"
FUNCTIONS = {"sat": nemox.solve_sat, "lp": nemox.solve_lp_text, "milp": nemox.solve_milp_text,
             "cp": nemox.solve_cp_text}


def run(*args, stdin=None, timeout=120):
    assert COMMAND.is_file(), f"{COMMAND} is missing: pip install . installs it"
    return subprocess.run([str(COMMAND), *map(str, args)], input=stdin, capture_output=True, text=True,
                          timeout=timeout)


def chain(factor: str, n: int) -> str:
    return "max x0\nx0 <= 1\n" + "".join(f"x{i + 1} - {factor}*x{i} = 0\n" for i in range(n))


CASES = [
    ("sat", "p cnf 3 2\n1 -3 0\n2 3 -1 0\n"),
    ("sat", "p cnf 1 2\n1 0\n-1 0\n"),
    ("sat", "p cnf 0 0\n"),
    ("lp", "max x0 + x1\nx0 + 2*x1 <= 4\n3*x0 + x1 <= 6\n"),
    ("lp", "max x0\nx0 >= 1\n"),
    ("lp", "max x0\nx0 <= -1\n"),
    ("lp", "min x0\nx0 >= 1e19\n"),
    ("lp", "max x0\nx0 <= 0.00001\n"),
    ("lp", "max x0\nx0 <= 12345678912345.5\n"),
    ("lp", "min -3*x0\nx0 <= 0\n"),
    ("lp", chain("0.777777777", 40)),
    ("lp", chain("9223372036854775807", 240)),
    ("milp", "max x0 + x1\nint x0\nint x1\n2*x0 + 2*x1 <= 3\n"),
    ("milp", "min x0\nint x0\n2*x0 = 3\n"),
    ("milp", "max x0 + x1 + x2 + x3 + x4 + x5\n" + "".join(f"int x{i}\n" for i in range(6))
     + "2*x0 + 2*x1 + 2*x2 + 2*x3 + 2*x4 + 2*x5 <= 11\n"),
    ("cp", "var a 1 3\nvar b 1 3\nneq a b\n"),
    ("cp", "var p 1 2\nvar q 1 2\nvar r 1 2\nallDiff p q r\n"),
    ("cp", "var x -9223372036854775808 9223372036854775807\n"),
]


@pytest.fixture
def decimal_digits_unlimited():
    # The command writes 2^15120 in decimal; Python reads and writes such
    # integers only without its default limit.
    limit = sys.get_int_max_str_digits()
    sys.set_int_max_str_digits(0)
    yield
    sys.set_int_max_str_digits(limit)


@pytest.mark.usefixtures("decimal_digits_unlimited")
@pytest.mark.parametrize("kind, text", CASES, ids=lambda v: v[:30] if isinstance(v, str) else None)
def test_json_is_the_module_dict(kind, text, tmp_path):
    want = FUNCTIONS[kind](text)
    path = tmp_path / "problem.txt"
    path.write_text(text)
    done = run(kind, "--json", path)
    assert done.stdout == json.dumps(want) + "\n"
    got = json.loads(done.stdout)
    assert list(got.items()) == list(want.items())
    assert all(type(got["model"][k]) is type(v) for k, v in want.get("model", {}).items())
    assert done.returncode == ({"SAT": 10, "UNSAT": 20}[want["status"]] if kind == "sat" else 0)


@pytest.mark.usefixtures("decimal_digits_unlimited")
@pytest.mark.parametrize("kind, text", CASES, ids=lambda v: v[:30] if isinstance(v, str) else None)
def test_text_forms_state_the_module_answer(kind, text):
    want = FUNCTIONS[kind](text)
    done = run(kind, "-", stdin=text)
    lines = done.stdout.splitlines()
    model = want.get("model", {})
    if kind == "sat":
        assert lines[0] == "s " + {"SAT": "SATISFIABLE", "UNSAT": "UNSATISFIABLE"}[want["status"]]
        literals = [int(t) for line in lines[1:] for t in line.split()[1:]]
        assert all(line.startswith("v ") and len(line) <= 80 for line in lines[1:])
        if model:
            assert literals[-1] == 0
            assert literals[:-1] == [(i + 1) * (1 if v else -1) for i, v in enumerate(model.values())]
        assert done.returncode == (10 if want["status"] == "SAT" else 20)
        return
    assert lines[0] == "status: " + want["status"]
    rest = lines[1:]
    if "objective" in want:
        assert float(rest[0].removeprefix("objective: ")) == want["objective"]
        rest = rest[1:]
    if want["status"] == "FEASIBLE":
        # The text adds what the dict leaves out of an unproven answer.
        assert rest[0].startswith("objective: ") and rest[1].startswith("bound: ")
        rest = rest[2:]
    values = dict(line.split(" = ") for line in rest)
    expected = {k: v for k, v in model.items() if v != 0}
    assert list(values) == list(expected)
    assert all((int(values[k]) if type(v) is int else float(values[k])) == v for k, v in expected.items())
    assert done.returncode == 0


@pytest.mark.parametrize("kind, text, message", [
    ("sat", "p cnf 1 1\n1 x 0\n", "{}:2: invalid literal 'x'"),
    ("sat", "", "{}: missing 'p cnf' header"),
    ("lp", "max x0\nx0 + x1 < 4\n", "{}:2: bad syntax: x0 + x1 < 4"),
    ("milp", "max x0\nx0 <= bad\n", "{}:2: bad number: bad"),
    ("cp", "var x 0 3\neq x z\n", "{}:2: unknown variable 'z'"),
])
def test_reader_messages_name_file_and_line(kind, text, message, tmp_path):
    path = tmp_path / "broken.txt"
    path.write_text(text)
    done = run(kind, path)
    assert (done.returncode, done.stdout, done.stderr) == (1, "", message.format(path) + "\n")
    with pytest.raises(ValueError) as info:
        FUNCTIONS[kind](text)
    assert message.endswith(info.value.args[0].split(": ", 1)[-1])


@pytest.mark.parametrize("args, status, stderr_has", [
    ([], 2, "missing subcommand"),
    (["solve", "x"], 2, "unknown subcommand 'solve'"),
    (["sat"], 2, "no FILE given"),
    (["sat", "--frobnicate", "x"], 2, "unknown option '--frobnicate'"),
    (["sat", "--time-limit", "soon", "x"], 2, "--time-limit needs a positive number"),
    (["sat", "--time-limit", "-1", "x"], 2, "--time-limit needs a positive number"),
    (["sat", "-j", "0", "x"], 2, "needs a number of jobs"),
    (["sat", "-j"], 2, "option -j needs a value"),
    (["sat", "/no/such/file.cnf"], 1, "nemox: /no/such/file.cnf: No such file or directory"),
])
def test_bad_command_lines_and_files(args, status, stderr_has):
    done = run(*args)
    assert done.returncode == status and stderr_has in done.stderr and done.stdout == ""


def test_help_lists_every_option_and_version():
    done = run("--help")
    assert done.returncode == 0 and done.stdout.startswith("usage: nemox sat|lp|milp|cp")
    for option in ("--json", "--time-limit SECS", "-j N, --jobs N", "--stats", "--summary", "--memory-limit MB",
                   "--proof FILE", "--verify", "--progress", "--help", "--version"):
        assert option in done.stdout
    assert run("sat", "--version").stdout.startswith("nemox ")


def write_batch(tmp_path):
    texts = [text for kind, text in CASES if kind == "sat"] + ["p cnf 2 1\n1 x 0\n"]
    folder = tmp_path / "batch"
    folder.mkdir()
    paths = []
    for i, text in enumerate(texts):
        paths.append(folder / f"f{i:02d}.cnf")
        paths[-1].write_text(text)
    return folder, paths, texts


@pytest.mark.parametrize("jobs", ["1", "2", "8"])
def test_many_files_answer_in_input_order(jobs, tmp_path):
    folder, paths, texts = write_batch(tmp_path)
    listing = tmp_path / "list.txt"
    listing.write_text("".join(f"{p}\n" for p in reversed(paths)))
    by_directory = run("sat", "-j", jobs, "--json", folder)
    by_list = run("sat", "-j", jobs, "--json", f"@{listing}")
    # Every line names its file, the module's dict after it.
    answers = [json.dumps({"file": str(p), **nemox.solve_sat(t)}) for p, t in zip(paths, texts[:-1])]
    # One malformed file: the others are answered, the run says so, and the
    # file keeps its line.
    error = f"{paths[-1]}:2: invalid literal 'x'"
    error_line = json.dumps({"file": str(paths[-1]), "error": error})
    assert by_directory.stdout.splitlines() == answers + [error_line]
    assert by_list.stdout.splitlines() == [error_line] + answers[::-1]
    assert by_directory.returncode == by_list.returncode == 1
    assert by_directory.stderr == f"{error}\n"
    text = run("sat", "-j", jobs, *paths[:2]).stdout
    assert text == f"c file: {paths[0]}\ns SATISFIABLE\nv 1 2 3 0\nc file: {paths[1]}\ns UNSATISFIABLE\n"


# Calls that do not end by themselves, and how each reports being cut short.
UNDECIDED = [
    ("sat", long_calls.SAT, "s UNKNOWN\n"),
    ("lp", long_calls.LP, "status: UNKNOWN (resource limit)\n"),
    ("cp", long_calls.CP, "status: UNKNOWN (resource limit)\n"),
]


@pytest.mark.parametrize("kind, text, report", UNDECIDED, ids=[u[0] for u in UNDECIDED])
def test_time_limit_reports_undecided(kind, text, report, tmp_path):
    path = tmp_path / "long.txt"
    path.write_text(text)
    start = time.perf_counter()
    done = run(kind, "--time-limit", "0.5", path)
    assert (done.returncode, done.stdout, done.stderr) == (0, report, "")
    # Far more than the limit: this guards against a hang, not for speed.
    assert time.perf_counter() - start < 60
    assert json.loads(run(kind, "--json", "--time-limit", "0.2", path).stdout) == \
        {"status": "UNKNOWN (resource limit)"}


def test_time_limit_keeps_the_milp_incumbent(tmp_path):
    path = tmp_path / "slow.lp"
    path.write_text(long_calls.milp_with_a_slow_up_child())
    done = run("milp", "--time-limit", "1", path)
    # The up child is the only open node: its key, the root's objective, is the bound.
    assert (done.returncode, done.stdout, done.stderr) == (0, "status: FEASIBLE\nobjective: -3\nbound: -1\nx1 = 1\n", "")
    done = run("milp", "--json", "--time-limit", "1", path)
    assert done.stdout == json.dumps({"status": "FEASIBLE", "model": {f"x{i}": int(i == 1) for i in range(303)}}) + "\n"


def test_node_limit_feasible_text_gives_objective_and_bound():
    text = "max " + " + ".join(f"x{i}" for i in range(6)) + "\n" + "".join(f"int x{i}\n" for i in range(6)) \
        + " + ".join(f"2*x{i}" for i in range(6)) + " <= 11\n"
    expected = nemox.solve_milp_text(text)
    assert expected["status"] == "FEASIBLE"
    values = "".join(f"{k} = {v}\n" for k, v in expected["model"].items() if v)
    assert run("milp", "-", stdin=text).stdout == "status: FEASIBLE\nobjective: 5\nbound: 5.5\n" + values
    assert json.loads(run("milp", "--json", "-", stdin=text).stdout) == expected


def sigint_is_caught(pid: int) -> bool:
    with open(f"/proc/{pid}/status") as f:
        caught = next(line for line in f if line.startswith("SigCgt:"))
    return int(caught.split()[1], 16) & (1 << (signal.SIGINT - 1)) != 0


def wait_until_open(child, path):
    """Until the command has `path` open: from then on that file is started."""
    deadline = time.monotonic() + 60
    while not any(os.path.realpath(f"/proc/{child.pid}/fd/{fd}") == str(path)
                  for fd in os.listdir(f"/proc/{child.pid}/fd")):
        assert child.poll() is None and time.monotonic() < deadline
        time.sleep(0.01)


@pytest.mark.parametrize("kind, text, report", UNDECIDED, ids=[u[0] for u in UNDECIDED])
def test_ctrl_c_keeps_answers_and_exits_130(kind, text, report, tmp_path):
    done_path, fifo, later = tmp_path / "done.txt", tmp_path / "long.txt", tmp_path / "later.txt"
    quick = next(t for k, t in CASES if k == kind)
    done_path.write_text(quick)
    later.write_text(quick)
    os.mkfifo(fifo)
    # One at a time: the first file is answered, the second runs forever, the
    # third never starts.
    child = subprocess.Popen([str(COMMAND), kind, "-j", "1", "--summary", done_path, fifo, later],
                             stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    try:
        # Opening a FIFO for writing waits for its reader: the second file is started.
        with open(fifo, "w") as writer:
            writer.write(text)
        assert sigint_is_caught(child.pid)
        child.send_signal(signal.SIGINT)
        out, err = child.communicate(timeout=60)
    finally:
        child.kill()
    header = (lambda p: f"c file: {p}\n") if kind == "sat" else (lambda p: f"== {p} ==\n")
    answer = run(kind, done_path).stdout
    assert out == header(done_path) + answer + header(fifo) + report
    rows = [line.split()[:2] for line in err.splitlines()[1:-1]]
    assert rows == [[str(done_path), nemox_word(kind, quick)], [str(fifo), "UNKNOWN"], [str(later), "not"]]
    assert err.splitlines()[-1] == "nemox: interrupted; 1 of 3 files not started"
    assert child.returncode == 130


def nemox_word(kind, text):
    return FUNCTIONS[kind](text)["status"]


def test_reading_sees_ctrl_c_and_the_time_limit(tmp_path):
    # A FIFO nobody writes to waits for data that never comes: Ctrl-C ends it.
    fifo = tmp_path / "silent.cnf"
    os.mkfifo(fifo)
    child = subprocess.Popen([str(COMMAND), "sat", fifo], stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                             text=True)
    try:
        wait_until_open(child, fifo)
        child.send_signal(signal.SIGINT)
        out, err = child.communicate(timeout=60)
    finally:
        child.kill()
    assert (child.returncode, out, err) == (130, "s UNKNOWN\n", "")
    # The time limit covers reading: the FIFO again, and standard input kept open.
    reader, writer = os.pipe()
    try:
        for args in ([fifo], ["-"]):
            done = subprocess.run([str(COMMAND), "sat", "--time-limit", "0.3", *map(str, args)], stdin=reader,
                                  capture_output=True, text=True, timeout=60)
            assert (done.returncode, done.stdout, done.stderr) == (0, "s UNKNOWN\n", "")
    finally:
        os.close(reader)
        os.close(writer)


@pytest.mark.skipif(SANITIZED, reason="an instrumented process cannot run under a small memory limit")
def test_endless_input_ends_by_a_limit():
    # Zeros without end on standard input: the time limit or the memory limit
    # ends the read, whichever comes first on this machine; both are reported.
    child = subprocess.Popen([str(COMMAND), "sat", "--time-limit", "0.5", "--memory-limit", "300", "-"],
                             stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    zeros = bytes(1 << 20)
    try:
        while True:
            child.stdin.write(zeros)
    except BrokenPipeError:
        pass
    finally:
        out, err = child.communicate(timeout=60)
    assert (child.returncode, out, err) in [
        (0, b"s UNKNOWN\n", b""), (3, b"", b"nemox: -: out of memory while reading\n")]


def rup_refutation(clauses, proof) -> bool:
    """Every proof clause follows by unit propagation from the clauses before
    it, and the last is empty: plain fixpoint propagation, no cleverness."""
    known = [list(c) for c in clauses]
    for lemma in proof:
        value = {-lit: True for lit in lemma}
        if any(-lit in value for lit in value):
            return False  # a tautology is not a lemma this solver writes
        changed, conflict = True, False
        while changed and not conflict:
            changed = False
            for clause in known:
                open_lits = [lit for lit in clause if lit not in value and -lit not in value]
                if any(lit in value for lit in clause):
                    continue
                if not open_lits:
                    conflict = True
                    break
                if len(open_lits) == 1:
                    value[open_lits[0]] = True
                    changed = True
        if not conflict:
            return False
        known.append(lemma)
    return bool(proof) and proof[-1] == []


def read_clauses(text: str):
    numbers = [int(t) for line in text.splitlines() if line and line[0] not in "cp" for t in line.split()]
    clauses, current = [], []
    for n in numbers:
        if n == 0:
            clauses.append(current)
            current = []
        else:
            current.append(n)
    return clauses


def unsat_formulas():
    import random
    rng = random.Random(5)
    formulas = [long_calls.pigeonhole_cnf(h) for h in (1, 2, 3, 4)]
    while len(formulas) < 40:
        rows = [" ".join(str(v if rng.random() < 0.5 else -v) for v in rng.sample(range(1, 13), 3)) + " 0"
                for _ in range(80)]
        text = "p cnf 12 80\n" + "\n".join(rows) + "\n"
        if nemox.solve_sat(text)["status"] == "UNSAT":
            formulas.append(text)
    return formulas


def test_proofs_of_unsat_answers_check(tmp_path):
    proof_path = tmp_path / "proof.drat"
    for text in unsat_formulas():
        done = run("sat", "--proof", proof_path, "-", stdin=text)
        assert (done.returncode, done.stdout) == (20, "s UNSATISFIABLE\n")
        proof = [[int(t) for t in line.split()[:-1]] for line in proof_path.read_text().splitlines()]
        assert all(line.endswith("0") for line in proof_path.read_text().splitlines())
        assert rup_refutation(read_clauses(text), proof), text
        # The checker is no rubber stamp: without its lemmas the empty clause does not follow.
        if len(proof) > 1:
            assert not rup_refutation(read_clauses(text), [[]])
    assert not rup_refutation([[1, 2], [-1, 2]], [[1], []])


def test_proof_needs_one_sat_file(tmp_path):
    for args in (["cp", "--proof", tmp_path / "p", "x"], ["sat", "--proof", tmp_path / "p", "a", "b"]):
        done = run(*args)
        assert done.returncode == 2 and "--proof needs the sat subcommand and exactly one FILE" in done.stderr
    done = run("sat", "--proof", tmp_path / "missing" / "p", "-", stdin="p cnf 1 1\n1 0\n")
    assert done.returncode == 1 and "No such file or directory" in done.stderr


def stats_of(text: str) -> dict:
    lines = [line[2:].split(": ") for line in text.splitlines() if line.startswith("c ") and ": " in line]
    return {name: value for name, value in lines if name != "file"}


def test_stats_count_what_the_solve_did(tmp_path):
    proof_path = tmp_path / "proof.drat"
    done = run("sat", "--stats", "--proof", proof_path, "-", stdin=long_calls.pigeonhole_cnf(4))
    stats = stats_of(done.stdout)
    assert list(stats) == ["read time", "solve time", "variables", "clauses", "decisions", "conflicts",
                           "learnt literals", "watch visits"]
    assert (stats["variables"], stats["clauses"]) == ("20", "45")
    # A learnt clause per conflict, then the empty clause.
    conflicts = int(stats["conflicts"])
    proof = proof_path.read_text().splitlines()
    assert conflicts <= len(proof) <= conflicts + 1
    # Each proof line is one learnt clause, its literals then 0.
    assert int(stats["learnt literals"]) == sum(len(line.split()) - 1 for line in proof)
    # With --json the counters go to standard error and the answer stays one JSON object.
    done = run("milp", "--json", "--stats", "-", stdin=CASES[14][1])
    assert json.loads(done.stdout) == nemox.solve_milp_text(CASES[14][1])
    assert stats_of(done.stderr)["nodes examined"] == "1000"
    done = run("lp", "--stats", "-", stdin=CASES[3][1])
    assert int(stats_of(done.stdout)["pivots"]) >= 2 and stats_of(done.stdout)["big numbers solved"] == "0"
    # Three variables over two values all different: closed before or by its branches.
    done = run("cp", "--stats", "-", stdin=CASES[16][1])
    cp_stats = stats_of(done.stdout)
    assert done.stdout.startswith("status: UNSAT\n") and list(cp_stats)[2:] == ["nodes", "failures", "propagator runs"]
    assert int(cp_stats["failures"]) == int(cp_stats["nodes"]) and int(cp_stats["propagator runs"]) > 0


def test_summary_lists_every_file(tmp_path):
    folder, paths, _ = write_batch(tmp_path)
    done = run("sat", "--summary", "-j", "2", folder)
    table = done.stderr.splitlines()[1:]
    assert table[0].split() == ["file", "status", "seconds"]
    rows = [line.split() for line in table[1:]]
    assert [row[0] for row in rows] == [str(p) for p in paths]
    assert [row[1] for row in rows] == ["SAT", "UNSAT", "SAT", "error"]


@pytest.mark.skipif(SANITIZED, reason="an instrumented process cannot run under a small memory limit")
def test_memory_limit_refuses_large_tables():
    done = run("sat", "--memory-limit", "200", "-", stdin="p cnf 1 1\n4000000 0\n")
    assert done.returncode == 3 and "out of memory" in done.stderr and done.stdout == ""
    done = run("sat", "--memory-limit", "200", "-", stdin="p cnf 1 1\n-1 0\n")
    assert (done.returncode, done.stdout) == (10, "s SATISFIABLE\nv -1 0\n")


def test_stats_of_an_interrupted_solve(tmp_path):
    path = tmp_path / "long.cnf"
    path.write_text(long_calls.SAT)
    done = run("sat", "--stats", "--time-limit", "0.5", path)
    stats = stats_of(done.stdout)
    assert done.stdout.startswith("s UNKNOWN\n") and done.returncode == 0
    assert int(stats["conflicts"]) > 0 and float(stats["solve time"].split()[0]) > 0
    done = run("cp", "--stats", "--json", "--time-limit", "0.5", "-", stdin=long_calls.CP)
    assert json.loads(done.stdout) == {"status": "UNKNOWN (resource limit)"}
    assert int(stats_of(done.stderr)["propagator runs"]) > 0


@pytest.mark.usefixtures("decimal_digits_unlimited")
@pytest.mark.parametrize("kind, text", CASES, ids=lambda v: v[:30] if isinstance(v, str) else None)
def test_verify_passes_right_answers(kind, text, tmp_path):
    path = tmp_path / "problem.txt"
    path.write_text(text)
    plain, checked = run(kind, "--json", path), run(kind, "--json", "--verify", path)
    assert (checked.returncode, checked.stdout, checked.stderr) == (plain.returncode, plain.stdout, "")


def test_verify_passes_random_right_answers(tmp_path):
    import random
    rng = random.Random(11)
    folder = tmp_path / "cp"
    folder.mkdir()
    for i in range(60):
        n = rng.randint(2, 6)
        lines = [f"var v{k} {rng.randint(-4, 0)} {rng.randint(0, 4)}\n" for k in range(n)]
        for _ in range(rng.randint(1, 5)):
            a, b = rng.sample(range(n), 2)
            kind = rng.choice(["eq", "neq", "lt", "le", "linear", "allDiff"])
            if kind == "le":
                lines.append(f"le v{a} v{b} {rng.randint(-3, 3)}\n")
            elif kind == "linear":
                terms = " ".join(f"{rng.randint(-3, 3)} v{k}" for k in rng.sample(range(n), rng.randint(1, n)))
                lines.append(f"linear {terms} {rng.randint(-5, 5)} {rng.choice(['le', 'eq', 'ge'])}\n")
            elif kind == "allDiff":
                lines.append("allDiff " + " ".join(f"v{k}" for k in rng.sample(range(n), rng.randint(2, n))) + "\n")
            else:
                lines.append(f"{kind} v{a} v{b}\n")
        (folder / f"m{i:02d}.cp").write_text("".join(lines))
    done = run("cp", "--verify", "--json", folder)
    answers = [json.loads(line) for line in done.stdout.splitlines()]
    assert (done.returncode, done.stderr, len(answers)) == (0, "", 60)
    assert sum(a["status"] == "SAT" for a in answers) >= 20


def test_progress_line_on_standard_error(tmp_path):
    path = tmp_path / "long.cnf"
    path.write_text(long_calls.SAT)
    # The solve lasts the whole limit, well past the second after which the line appears.
    # Bytes: text mode would turn each carriage return into a newline.
    done = subprocess.run([str(COMMAND), "sat", "--progress", "--time-limit", "2.5", str(path)],
                          capture_output=True)
    assert (done.returncode, done.stdout) == (0, b"s UNKNOWN\n")
    updates = done.stderr.decode().split("\r")
    assert updates[0] == "" and updates[-1] == "\x1b[K"
    shown = [u for u in updates[1:-1] if u != "\x1b[K"]
    assert shown and all(re.fullmatch(r"\d+ conflicts \(\d+/s\), \d+\.\d s\x1b\[K", u) for u in shown)
    counts = [int(u.split()[0]) for u in shown]
    assert counts == sorted(counts) and counts[-1] > 0
    # Without the option and with standard error not a terminal: no line.
    assert run("sat", "--time-limit", "1.5", path).stderr == ""


def test_error_lines_are_json_whatever_the_file_name(tmp_path):
    name = tmp_path / 'a "quoted"\tname\xe9.cnf'
    good = tmp_path / "good.cnf"
    good.write_text("p cnf 1 1\n1 0\n")
    raw = os.fsencode(name)[:-4] + b"\xff.cnf"  # not UTF-8 either
    done = subprocess.run([str(COMMAND), "sat", "--json", name, raw, good], capture_output=True)
    lines = done.stdout.decode().splitlines()
    assert done.returncode == 1 and len(lines) == 3
    first, second, third = map(json.loads, lines)
    assert first == {"file": str(name), "error": f"{name}: No such file or directory"}
    assert second["file"].endswith("\ufffd.cnf") and "\ufffd" in second["error"]
    assert third == {"file": str(good), "status": "SAT", "model": {"x0": True}}


def test_verify_passes_random_lp_and_milp_answers(tmp_path):
    import random
    import lp_gen
    rng = random.Random(5)
    for kind in ("lp", "milp"):
        folder = tmp_path / kind
        folder.mkdir()
        for i in range(40):
            n = rng.randint(2, 7)
            text = lp_gen.random_lp(rng, n, rng.randint(1, 6), rng.choice(["int", "dec2"]))
            if kind == "milp":
                text += "".join(f"int x{v}\n" for v in range(0, n, 2))
            (folder / f"m{i:02d}.lp").write_text(text)
        plain, checked = run(kind, "--json", folder), run(kind, "--json", "--verify", folder)
        assert (checked.returncode, checked.stdout, checked.stderr) == (0, plain.stdout, "")
        statuses = [json.loads(line)["status"] for line in checked.stdout.splitlines()]
        assert len(statuses) == 40 and statuses.count("OPTIMAL") >= 10


NETLIB = REPO / "tests" / "data" / "netlib"


def test_mps_files_answer_under_their_column_names(tmp_path):
    afiro = NETLIB / "afiro.mps"
    assert afiro.is_file()
    done = run("lp", "--json", "--verify", afiro)
    answer = json.loads(done.stdout)
    assert done.returncode == 0 and answer["status"] == "OPTIMAL"
    assert answer["objective"] == pytest.approx(-464.7531428571, rel=1e-9)
    assert list(answer["model"])[:3] == ["X01", "X02", "X03"] and answer["model"]["X01"] == 80
    # Standard input has no name to go by: --mps says what it is.
    assert run("lp", "--json", "--mps", "-", stdin=afiro.read_text()).stdout == done.stdout
    text = run("lp", afiro).stdout
    assert text.startswith("status: OPTIMAL\nobjective: -464.75314285714285\nX01 = 80\n")
    bad = tmp_path / "bad.mps"
    bad.write_text("NAME x\nROWS\n N obj\nCOLUMNS\n    X1 nowhere 1\nENDATA\n")
    done = run("milp", bad)
    assert done.returncode == 1 and done.stderr.startswith(f"{bad}:5: ")
    done = run("sat", "--mps", afiro)
    assert done.returncode == 2 and "--mps and --fixed-mps need the lp or milp subcommand" in done.stderr


def mps_one_column(bounds: str, marker: bool = True, rhs: str = "5") -> str:
    column = " x obj 1 r 1\n"
    if marker:
        column = " M 'MARKER' 'INTORG'\n" + column + " M 'MARKER' 'INTEND'\n"
    return f"NAME T\nROWS\n N obj\n L r\nCOLUMNS\n{column}RHS\n rhs r {rhs}\nBOUNDS\n{bounds}ENDATA\n"


# (kind, MPS text, answer): integer columns keep integral values whatever
# their lower bound, the relaxation keeps the bound as written, and infinite
# bounds mean none.
MPS_ANSWERS = [
    ("milp", mps_one_column(" LO b x -0.5\n"), {"status": "OPTIMAL", "model": {"x": 0}, "objective": 0.0}),
    ("lp", mps_one_column(" LO b x -0.5\n"), {"status": "OPTIMAL", "model": {"x": -0.5}, "objective": -0.5}),
    ("milp", mps_one_column(" FX b x -2.5\n"), {"status": "INFEASIBLE"}),
    ("milp", mps_one_column(" LI b x -1.5\n", marker=False),
     {"status": "OPTIMAL", "model": {"x": -1}, "objective": -1.0}),
    ("lp", mps_one_column(" LI b x -1.5\n", marker=False),
     {"status": "OPTIMAL", "model": {"x": -1.5}, "objective": -1.5}),
    ("lp", mps_one_column(" MI b x\n UP b x INF\n").replace("NAME T", "NAME T\nOBJSENSE\n MAX"),
     {"status": "OPTIMAL", "model": {"x": 5}, "objective": 5.0}),
    ("lp", mps_one_column(" LO b x -1e400\n"), {"status": "UNBOUNDED"}),
]


@pytest.mark.parametrize("kind, text, answer", MPS_ANSWERS,
                         ids=[kind + "-" + text.split("BOUNDS")[1].split()[0] + text.split("BOUNDS")[1].split()[-2]
                              for kind, text, _ in MPS_ANSWERS])
def test_mps_answers_the_file_as_written(kind, text, answer, tmp_path):
    path = tmp_path / "model.mps"
    path.write_text(text)
    done = run(kind, "--json", "--verify", path)
    assert done.returncode == 0, done.stderr
    assert json.loads(done.stdout) == answer


def test_mps_non_finite_values_and_fixed_files(tmp_path):
    # Outside BOUNDS an infinite value is an error with its line.
    for value in ("inf", "1e400", "-Infinity"):
        path = tmp_path / "bad.mps"
        path.write_text(mps_one_column("", rhs=value))
        done = run("lp", path)
        assert (done.returncode, done.stdout) == (1, "")
        assert done.stderr == f"{path}:10: bad number {value}\n"
    # Row names with blanks: read as fixed MPS once free reading fails.
    forplan = NETLIB / "forplan.mps"
    assert forplan.is_file()
    done = run("lp", "--json", "--verify", forplan)
    assert done.returncode == 0, done.stderr
    answer = json.loads(done.stdout)
    assert answer["status"] == "OPTIMAL" and "DEDO3 11" in answer["model"]
    assert run("lp", "--json", "--fixed-mps", "-", stdin=forplan.read_text()).stdout == done.stdout


@pytest.mark.skipif(SANITIZED, reason="an instrumented process cannot run under a small memory limit")
@pytest.mark.parametrize("limit, status, stdout, stderr", [
    ("200", 0, "status: OPTIMAL\nobjective: 1\nx0 = 1\n", ""),
    ("60", 3, "", "nemox: {}: out of memory while reading\n"),
], ids=["fits", "too-large"])
def test_reading_never_cuts_the_text_short(limit, status, stdout, stderr, tmp_path):
    # 100 MB whose last line lowers the optimum from 5 to 1: read in full, or
    # refused; never answered without its end.
    path = tmp_path / "big.lp"
    path.write_text("max x0\nx0 <= 5\n" + "\n" * (100 << 20) + "x0 <= 1\n")
    done = run("lp", "--memory-limit", limit, path)
    assert (done.returncode, done.stdout, done.stderr) == (status, stdout, stderr.format(path))


@pytest.mark.skipif(SANITIZED, reason="an instrumented process cannot run under a small memory limit")
@pytest.mark.parametrize("args", [["--memory-limit", mb] for mb in ("1", "5", "10")]
                         + [["-j", "64", "--memory-limit", "100"]])
def test_small_memory_limits_answer_or_say_so(args, tmp_path):
    # Too little room for a worker's stack, or for anything: an answer or an
    # out-of-memory message, never an abort.
    paths = []
    for i in range(64 if "-j" in args else 1):
        paths.append(tmp_path / f"f{i}.cnf")
        paths[-1].write_text("p cnf 1 1\n1 0\n")
    done = run("sat", *args, *paths)
    answer = "".join(("c file: %s\n" % p if len(paths) > 1 else "") + "s SATISFIABLE\nv 1 0\n" for p in paths)
    if done.returncode == 3:
        assert done.stdout == "" and done.stderr.startswith("nemox: ") and "out of memory" in done.stderr
    else:
        assert (done.returncode, done.stdout, done.stderr) == (0 if len(paths) > 1 else 10, answer, "")


@pytest.mark.skipif(SANITIZED, reason="an instrumented process cannot run under a small memory limit")
def test_memory_limit_on_standard_input():
    done = run("sat", "--memory-limit", "600", "-", stdin="c" * (700 << 20))
    assert (done.returncode, done.stdout, done.stderr) == (3, "", "nemox: -: out of memory while reading\n")


@pytest.mark.parametrize("limit", ["1e10", "1e300", "9223372036.9"])
def test_time_limits_beyond_the_clock_never_expire(limit):
    # Solves in well under a second, but only after the first checks of the clock.
    done = run("sat", "--time-limit", limit, "-", stdin=long_calls.pigeonhole_cnf(7))
    assert (done.returncode, done.stdout) == (20, "s UNSATISFIABLE\n")


def test_failed_writes_to_standard_output_are_reported(tmp_path):
    full = Path("/dev/full")
    assert full.exists(), "this test needs /dev/full (Linux)"
    path = tmp_path / "a.cnf"
    path.write_text("p cnf 1 1\n1 0\n")
    for args in (["sat", path], ["sat", "--json", path, path], ["--help"]):
        with open(full, "w") as out:
            done = subprocess.run([str(COMMAND), *map(str, args)], stdout=out, stderr=subprocess.PIPE, text=True)
        assert (done.returncode, done.stderr) == (1, "nemox: standard output: No space left on device\n")
    # A reader that has gone: killed by SIGPIPE as the standard tools are, or,
    # with SIGPIPE ignored, a quiet 141.
    for ignore, status in ((False, -signal.SIGPIPE), (True, 141)):
        reader, writer = os.pipe()
        os.close(reader)
        done = subprocess.run([str(COMMAND), "sat", path], stdout=writer, stderr=subprocess.PIPE,
                              preexec_fn=(lambda: signal.signal(signal.SIGPIPE, signal.SIG_IGN)) if ignore else None)
        os.close(writer)
        assert (done.returncode, done.stderr) == (status, b"")


def test_proof_never_overwrites_or_leaves_a_file(tmp_path):
    unsat = tmp_path / "ph.cnf"
    unsat.write_text(long_calls.pigeonhole_cnf(3))
    original = unsat.read_text()
    alias = tmp_path / "alias.cnf"
    os.link(unsat, alias)
    # The input under its own name, another name of it, or as standard input.
    for proof, source in ((unsat, unsat), (alias, unsat), (tmp_path / "." / "ph.cnf", "-")):
        with open(unsat) as stdin:
            done = subprocess.run([str(COMMAND), "sat", "--proof", str(proof), str(source)], stdin=stdin,
                                  capture_output=True, text=True)
        assert done.returncode == 2 and "is an input; the proof would overwrite it" in done.stderr
    assert unsat.read_text() == original
    # Only an unsatisfiable answer writes the proof; a proof already there stays as it was.
    proof = tmp_path / "proof.drat"
    for text, status in (("p cnf 1 1\n1 0\n", 10), ("p cnf 1 1\n1 x 0\n", 1)):
        done = run("sat", "--proof", proof, "-", stdin=text)
        assert done.returncode == status and not proof.exists()
        proof.write_text("earlier\n")
        assert run("sat", "--proof", proof, "-", stdin=text).returncode == status
        assert proof.read_text() == "earlier\n"
        proof.unlink()
    assert sorted(p.name for p in tmp_path.iterdir()) == ["alias.cnf", "ph.cnf"]
    assert run("sat", f"--proof={proof}", unsat).returncode == 20 and proof.read_text().endswith("0\n")


def test_ctrl_c_leaves_no_proof(tmp_path):
    fifo = tmp_path / "long.cnf"
    os.mkfifo(fifo)
    child = subprocess.Popen([str(COMMAND), "sat", "--proof", tmp_path / "proof.drat", fifo],
                             stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    try:
        with open(fifo, "w") as writer:
            writer.write(long_calls.SAT)
        child.send_signal(signal.SIGINT)
        out, err = child.communicate(timeout=60)
    finally:
        child.kill()
    assert (child.returncode, out, err) == (130, "s UNKNOWN\n", "")
    assert [p.name for p in tmp_path.iterdir()] == ["long.cnf"]


@pytest.mark.parametrize("args", [["-", "-"], ["-j", "2", "-", "-"], ["-", "@{list}"], ["@-", "-"],
                                  ["-", "/dev/stdin"]])
def test_standard_input_is_read_once(args, tmp_path):
    listing = tmp_path / "list"
    listing.write_text("-\n")
    done = run("sat", *[a.format(list=listing) for a in args], stdin="p cnf 1 1\n1 0\n")
    assert (done.returncode, done.stdout) == (2, "")
    assert done.stderr.startswith("nemox: standard input (-) can be read only once\n")


def test_a_file_on_standard_input_may_also_be_named(tmp_path):
    # Only a stream is split between two readers; a file is read twice whole.
    path = tmp_path / "one.cnf"
    path.write_text("p cnf 1 1\n1 0\n")
    with path.open() as stdin:
        done = subprocess.run([str(COMMAND), "sat", "-", path, "/dev/stdin"], stdin=stdin,
                              capture_output=True, text=True, timeout=120)
    assert done.returncode == 0 and done.stdout.count("s SATISFIABLE") == 3


@pytest.mark.parametrize("joined, spaced", [
    (["-j2"], ["-j", "2"]),
    (["--jobs=2"], ["--jobs", "2"]),
    (["--time-limit=5"], ["--time-limit", "5"]),
    pytest.param(["--memory-limit=2000"], ["--memory-limit", "2000"],
                 marks=pytest.mark.skipif(SANITIZED, reason="an instrumented process cannot run under a memory limit")),
    (["--proof={proof}"], ["--proof", "{proof}"]),
])
def test_options_take_their_value_joined(joined, spaced, tmp_path):
    path = tmp_path / "ph.cnf"
    path.write_text(long_calls.pigeonhole_cnf(3))
    proof = tmp_path / "proof.drat"
    outputs = []
    for args in (joined, spaced):
        done = run("sat", *[a.format(proof=proof) for a in args], path)
        outputs.append((done.returncode, done.stdout, done.stderr))
    assert outputs[0] == outputs[1] == (20, "s UNSATISFIABLE\n", "")


@pytest.mark.parametrize("args, message", [
    (["--json=yes"], "option --json takes no value"),
    (["--jobs="], "needs a number of jobs"),
    (["-jx"], "needs a number of jobs"),
    (["--time-limit="], "--time-limit needs a positive number"),
    (["--proof="], "--proof needs a file name"),
])
def test_joined_values_are_checked(args, message):
    done = run("sat", *args, "-", stdin="p cnf 0 0\n")
    assert done.returncode == 2 and message in done.stderr and done.stdout == ""


def test_lists_and_directories_keep_argument_order(tmp_path):
    good = tmp_path / "a.lp"
    good.write_text("max x0\nx0 <= 2\n")
    folder = tmp_path / "dir"
    folder.mkdir()
    (folder / "b.lp").write_text("max x0\nx0 <= 3\n")
    # A directory named in a list is expanded like one named on the command line.
    listing = tmp_path / "list"
    listing.write_text(f"{folder}\n{good}\n")
    missing = tmp_path / "missing"
    done = run("lp", "--json", good, f"@{missing}", f"@{listing}", good)
    lines = [json.loads(line) for line in done.stdout.splitlines()]
    assert [line["file"] for line in lines] == [str(good), str(missing), str(folder / "b.lp"), str(good), str(good)]
    assert [line.get("objective") for line in lines] == [2.0, None, 3.0, 2.0, 2.0]
    assert lines[1]["error"] == f"{missing}: No such file or directory"
    assert done.returncode == 1 and done.stderr == f"nemox: {missing}: No such file or directory\n"


def test_an_unreadable_subdirectory_does_not_end_the_walk(tmp_path):
    # A path too long to open is unreadable even for root.
    top = tmp_path / "top"
    top.mkdir()
    for name in ("a.cnf", "z.cnf"):
        (top / name).write_text("p cnf 1 1\n1 0\n")
    fd = os.open(top, os.O_RDONLY)
    deep = top
    try:
        while len(str(deep)) <= 4200:
            os.mkdir("d" * 200, dir_fd=fd)
            inner = os.open("d" * 200, os.O_RDONLY, dir_fd=fd)
            os.close(fd)
            fd = inner
            deep = deep / ("d" * 200)
    finally:
        os.close(fd)
    # A dangling link is reported at its place too.
    (top / "b.cnf").symlink_to(tmp_path / "nowhere")
    done = run("sat", "--json", top)
    lines = [json.loads(line) for line in done.stdout.splitlines()]
    assert [line["file"] for line in lines] == [str(top / n) for n in ("a.cnf", "b.cnf")] + [str(deep), str(top / "z.cnf")]
    assert [line.get("error") for line in lines[1:3]] == [f"{top / 'b.cnf'}: No such file or directory",
                                                         f"{deep}: File name too long"]
    assert [line.get("status") for line in lines] == ["SAT", None, None, "SAT"]
    assert done.returncode == 1


def gzip_member(data: bytes, level=9, name=None, extra=None, comment=None, header_crc=False) -> bytes:
    """A gzip member with the optional header fields that Python's gzip module does not write."""
    import gzip
    import struct
    import zlib
    flags = (2 if header_crc else 0) | (4 if extra else 0) | (8 if name else 0) | (16 if comment else 0)
    header = b"\x1f\x8b\x08" + bytes([flags]) + b"\0\0\0\0\0\xff"
    if extra:
        header += struct.pack("<H", len(extra)) + extra
    if name:
        header += name + b"\0"
    if comment:
        header += comment + b"\0"
    if header_crc:
        header += struct.pack("<H", zlib.crc32(header) & 0xFFFF)
    body = gzip.compress(data, level)[10:]  # Python's own header is the plain ten bytes
    return header + body


@pytest.fixture(scope="module")
def long_cnf():
    # Long enough for dynamic blocks with long-distance matches; unit
    # propagation makes every variable true, which satisfies the rest.
    import random
    rng = random.Random(3)
    rows = ["1 0"] + [f"-{i} {i + 1} 0" for i in range(1, 3000)]
    rows += [f"{rng.randint(1, 3000)} -{rng.randint(1, 3000)} {rng.randint(1, 3000)} 0" for _ in range(3000)]
    return f"p cnf 3000 {len(rows)}\n{chr(10).join(rows)}\n".encode()


def gzip_variants(data: bytes):
    import gzip
    half = len(data) // 2
    return {
        "stored": gzip.compress(data, 0),
        "fast": gzip.compress(data, 1),
        "best": gzip.compress(data, 9),
        "members": gzip.compress(data[:half]) + gzip.compress(b"") + gzip.compress(data[half:], 0),
        "header-fields": gzip_member(data, name=b"ph.cnf", extra=b"ab\x02\0xy", comment=b"pigeons", header_crc=True),
    }


@pytest.mark.parametrize("variant", ["stored", "fast", "best", "members", "header-fields"])
def test_gzip_inputs_are_decompressed(variant, long_cnf, tmp_path):
    data = gzip_variants(long_cnf)[variant]
    want = run("sat", "-", stdin=long_cnf.decode())
    # By name, by the magic bytes alone, and on standard input.
    named, unnamed = tmp_path / "ph.cnf.gz", tmp_path / "ph.cnf"
    named.write_bytes(data)
    unnamed.write_bytes(data)
    for args, stdin in (([named], None), ([unnamed], None), (["-"], data)):
        done = subprocess.run([str(COMMAND), "sat", *map(str, args)], input=stdin, capture_output=True)
        assert (done.returncode, done.stdout.decode(), done.stderr) == (want.returncode, want.stdout, b"")


def test_gzip_formats_follow_the_name_without_gz(tmp_path):
    import gzip
    afiro = NETLIB / "afiro.mps"
    want = run("lp", "--json", afiro).stdout
    # A file compressed by another program, and one compressed here.
    assert run("lp", "--json", NETLIB / "afiro.mps.gz").stdout == want
    ours = tmp_path / "afiro.mps.gz"
    ours.write_bytes(gzip.compress(afiro.read_bytes()))
    assert run("lp", "--json", ours).stdout == want
    for kind, text in (("lp", CASES[3][1]), ("milp", CASES[12][1]), ("cp", CASES[15][1])):
        path = tmp_path / f"model.{kind}.gz"
        path.write_bytes(gzip.compress(text.encode()))
        assert run(kind, "--json", path).stdout == json.dumps(FUNCTIONS[kind](text)) + "\n"


def corruptions(data: bytes):
    import struct
    body_end = len(data) - 8
    flip = lambda i: data[:i] + bytes([data[i] ^ 0x01]) + data[i + 1:]
    return {
        "empty after magic": data[:2],
        "cut in the header": data[:7],
        "cut in the data": data[:len(data) // 2],
        "cut in the trailer": data[:-3],
        "CRC-32": flip(body_end),
        "length": flip(body_end + 4),
        "method": data[:2] + b"\x07" + data[3:],
        "reserved flags": data[:3] + b"\xe0" + data[4:],
        "block type 3": data[:10] + bytes([data[10] | 0x06]) + data[11:],
        "trailing bytes": data + b"junk",
        "length of a stored block": data[:10] + b"\x01\x05\x00\x05\x00" + data[15:],
        # A fixed block whose first code copies from distance 1 of nothing.
        "distance too far": gzip_raw(b"\x03\x02\x00"),
    }


def gzip_raw(deflate: bytes) -> bytes:
    return b"\x1f\x8b\x08\0\0\0\0\0\0\xff" + deflate + bytes(8)


CORRUPTIONS = {
    "empty after magic": "unexpected end of data",
    "cut in the header": "unexpected end of data",
    "cut in the data": "unexpected end of data",
    "cut in the trailer": "unexpected end of data",
    "CRC-32": "CRC-32 check failed",
    "length": "length check failed",
    "method": "unknown compression method",
    "reserved flags": "reserved header flags set",
    "block type 3": "invalid block type",
    "trailing bytes": "not in gzip format",
    "length of a stored block": "stored block length check failed",
    "distance too far": "distance too far back",
}


@pytest.mark.parametrize("kind", list(CORRUPTIONS))
def test_corrupt_gzip_is_an_error(kind, long_cnf, tmp_path):
    import gzip
    data = (gzip.compress(long_cnf[:300], 0) if kind == "length of a stored block"
            else gzip.compress(long_cnf, 6))
    path = tmp_path / "bad.cnf.gz"
    path.write_bytes(corruptions(data)[kind])
    done = run("sat", path)
    assert (done.returncode, done.stdout, done.stderr) == (
        1, "", f"nemox: {path}: corrupt gzip data: {CORRUPTIONS[kind]}\n")


def test_random_damage_to_gzip_never_crashes(long_cnf, tmp_path):
    import gzip
    import random
    rng = random.Random(7)
    sources = list(gzip_variants(long_cnf[:20000]).values())
    folder = tmp_path / "damaged"
    folder.mkdir()
    for i in range(300):
        data = bytearray(rng.choice(sources))
        for _ in range(rng.randint(1, 3)):
            at = rng.randrange(len(data))
            if rng.random() < 0.5:
                data[at] ^= 1 << rng.randrange(8)
            else:
                data[at:at + rng.randint(1, 40)] = rng.randbytes(rng.randint(0, 40))
        (folder / f"f{i:03d}.cnf.gz").write_bytes(bytes(data))
    done = run("sat", "--json", "--time-limit", "20", folder)
    lines = [json.loads(line) for line in done.stdout.splitlines()]
    assert done.returncode in (0, 1) and len(lines) == 300
    errors = [line["error"].split(": ", 1)[1] for line in lines if "error" in line]
    assert len(errors) > 250 and all(e.startswith(("corrupt gzip data: ", "data before", "invalid", "missing", "line"))
                                     or re.match(r"\d+: ", e) for e in errors)
