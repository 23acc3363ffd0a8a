"""nemox lp|milp --certificate FILE: one line per input, written whole or not at all, never
over an input, into pipes and devices as they are; --verify checks the certificates."""
import gzip
import json
import os
import signal
import stat
import subprocess
from fractions import Fraction
from pathlib import Path

import pytest

import long_calls
from test_cli import COMMAND, run, sigint_is_caught

REPO = Path(__file__).resolve().parents[2]
INFEASIBLE = REPO / "bench" / "data" / "netlib_infeasible"

PLAN = "max x0 + x1\nx0 + 2*x1 <= 4\n3*x0 + x1 <= 6\n"
ANSWERS = [
    ("lp", PLAN, "optimality"),
    ("lp", "max x0\nx0 <= -1\n", "infeasibility"),
    ("lp", "max x0\nx0 >= 1\n", "unboundedness"),
    ("lp", "min x0 + 5\nx0 <= 5\n", "optimality"),
    ("milp", "max x0 + x1\nint x0\nint x1\n2*x0 + 2*x1 <= 3\n", "a feasible point and a bound"),
    ("milp", "min x0\nint x0\n2*x0 >= 4\n", "optimality"),
    ("milp", "max x0\nint x0\nx0 <= -1\n", "infeasibility"),
    ("milp", "min x0\nint x0\n2*x0 = 3\n", "nothing"),
    ("milp", "max x0 + x1\nint x0\nint x1\n2*x0 - x1 = 1\n", "unboundedness"),
]


def lines(path):
    return [json.loads(line) for line in Path(path).read_text().splitlines()]


@pytest.mark.parametrize("kind, text, proves", ANSWERS, ids=[f"{a[0]}-{a[2]}" for a in ANSWERS])
def test_each_answer_and_its_certificate(kind, text, proves, tmp_path):
    problem, cert = tmp_path / "p.lp", tmp_path / "c.json"
    problem.write_text(text)
    done = run(kind, "--verify", "--json", "--certificate", cert, problem)
    assert done.returncode == 0, done.stderr
    answer = json.loads(done.stdout)
    [c] = lines(cert)
    assert (c["status"], c["problem"], c["proves"]) == (answer["status"], kind, proves)
    # The point is the answer's, exactly.
    if "model" in answer:
        assert [float(Fraction(v)) for v in c["primal"]] == [answer["model"][n] for n in c["variables"]]


def test_one_line_per_input_in_argument_order(tmp_path):
    good, bad, other = tmp_path / "good.lp", tmp_path / "bad.lp", tmp_path / "other.lp"
    good.write_text(PLAN)
    bad.write_text("max x0\nx0 <= nan\n")
    other.write_text("max x0\nx0 <= -1\n")
    cert = tmp_path / "c.json"
    done = run("lp", "-j", "2", "--certificate", cert, good, bad, other)
    assert done.returncode == 1
    got = lines(cert)
    assert [c["file"] for c in got] == [str(good), str(bad), str(other)]
    assert [c.get("proves") for c in got] == ["optimality", None, "infeasibility"]
    assert got[1]["error"].startswith(str(bad))
    # Nothing but the certificate is left beside it.
    assert sorted(p.name for p in tmp_path.iterdir()) == ["bad.lp", "c.json", "good.lp", "other.lp"]


def test_destinations_that_cannot_take_it(tmp_path):
    problem = tmp_path / "p.lp"
    problem.write_text(PLAN)
    alias = tmp_path / "alias.lp"
    os.link(problem, alias)
    for target in (problem, alias):
        done = run("lp", "--certificate", target, problem)
        assert done.returncode == 2 and "is an input; the certificate would overwrite it" in done.stderr
    assert problem.read_text() == PLAN
    # Refused before any solve: no answer is printed.
    for target, message in ((tmp_path, "Is a directory"), (tmp_path / "no" / "c.json", "No such file")):
        done = run("lp", "--certificate", target, problem)
        assert (done.returncode, done.stdout) == (1, "") and message in done.stderr
    # A full device: the answers stand, the failure is reported.
    done = run("lp", "--certificate", "/dev/full", problem)
    assert done.returncode == 1 and done.stdout.startswith("status: OPTIMAL")
    assert "/dev/full: the certificate could not be written: No space left on device" in done.stderr
    assert stat.S_ISCHR(os.stat("/dev/full").st_mode)
    for args in (["sat", "--certificate", "c.json"], ["lp", "--certificate", ""]):
        assert run(*args, problem).returncode == 2
    assert "--certificate FILE" in run("--help").stdout


def test_an_earlier_file_is_replaced_whole_or_kept(tmp_path):
    problem, cert = tmp_path / "p.lp", tmp_path / "c.json"
    problem.write_text(PLAN)
    cert.write_text("earlier\n")
    # Standard output fails: the run ends without touching the certificate.
    with open("/dev/full", "w") as out:
        done = subprocess.run([str(COMMAND), "lp", "--certificate", str(cert), str(problem)], stdout=out,
                              stderr=subprocess.PIPE, text=True)
    assert done.returncode == 1 and cert.read_text() == "earlier\n"
    assert sorted(p.name for p in tmp_path.iterdir()) == ["c.json", "p.lp"]
    assert run("lp", "--certificate", cert, problem).returncode == 0
    assert [c["proves"] for c in lines(cert)] == ["optimality"]


def read_fifo_after(fifo, args):
    """Runs the command writing into `fifo`, read from its other end."""
    reader = os.open(fifo, os.O_RDONLY | os.O_NONBLOCK)
    try:
        done = run(*args)
        data = os.read(reader, 1 << 20).decode()
    finally:
        os.close(reader)
    return done, data


@pytest.mark.parametrize("option, kind, text", [
    ("--certificate", "lp", PLAN),
    ("--proof", "sat", long_calls.pigeonhole_cnf(3)),
])
def test_a_pipe_is_written_not_replaced(option, kind, text, tmp_path):
    problem, fifo = tmp_path / "input.txt", tmp_path / "out.fifo"
    problem.write_text(text)
    os.mkfifo(fifo)
    done, data = read_fifo_after(fifo, [kind, option, fifo, problem])
    assert done.returncode in (0, 20), done.stderr
    assert stat.S_ISFIFO(os.stat(fifo).st_mode)
    assert data.endswith("0\n") if kind == "sat" else json.loads(data)["proves"] == "optimality"


def test_ctrl_c_keeps_the_answered_certificates(tmp_path):
    done_path, fifo, later = tmp_path / "done.lp", tmp_path / "long.lp", tmp_path / "later.lp"
    done_path.write_text(PLAN)
    later.write_text(PLAN)
    os.mkfifo(fifo)
    cert = tmp_path / "c.json"
    child = subprocess.Popen([str(COMMAND), "lp", "-j", "1", "--certificate", cert, done_path, fifo, later],
                             stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    try:
        with open(fifo, "w") as writer:
            writer.write(long_calls.LP)
        assert sigint_is_caught(child.pid)
        child.send_signal(signal.SIGINT)
        child.communicate(timeout=60)
    finally:
        child.kill()
    assert child.returncode == 130
    got = lines(cert)
    assert [c["file"] for c in got] == [str(done_path), str(fifo), str(later)]
    assert got[0]["proves"] == "optimality"
    assert (got[1]["status"], got[1]["proves"]) == ("UNKNOWN (resource limit)", "nothing")
    assert got[2] == {"file": str(later), "error": "not started"}


# The infeasible Netlib models that the exact engine answers in well under a second.
QUICK_INFEASIBLE = ["bgdbg1", "bgprtr", "box1", "chemcom", "ex72a", "ex73a", "forest6", "galenet", "itest2",
                    "itest6", "klein1", "mondou2", "woodinfe"]


@pytest.mark.parametrize("name", QUICK_INFEASIBLE)
def test_netlib_infeasible_models_carry_farkas_multipliers(name, tmp_path):
    path = INFEASIBLE / f"{name}.mps.gz"
    cert = tmp_path / "c.json"
    done = run("lp", "--verify", "--certificate", cert, path)
    assert (done.returncode, done.stdout) == (0, "status: INFEASIBLE\n"), done.stderr
    [c] = lines(cert)
    assert c["proves"] == "infeasibility" and len(c["farkas"]) == len(c["rows"])
    # Every row carries the file's name of its row or column.
    text = gzip.decompress(path.read_bytes()).decode()
    assert all(r["name"].removesuffix(" bound") in text for r in c["rows"])
