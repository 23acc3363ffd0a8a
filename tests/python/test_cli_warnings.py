"""What the nemox command says about a text besides its answer: every
reader message placed at FILE:LINE, warnings where the text reads but
almost surely means something else, --strict and --satlib."""
import json
import subprocess

import pytest

from test_cli import COMMAND, FUNCTIONS, run


@pytest.mark.parametrize("kind, text, line, message", [
    ("lp", "max x0\n\n# c\nx0 >= 0\nx0 <= 7x\n", 5, "bad number: 7x"),
    ("lp", "max x0\nx0 <= inf\n", 2, "bad number: inf"),
    ("lp", "c plan\nmax 2.5.1*x0\nx0 <= 1\n", 2, "bad coeff in 2.5.1*x0"),
    ("milp", "max x0\nint x0\nx0 <= 1\nx0 + 1/0 >= 0\n", 4, "bad den in 1/0"),
    ("lp", "max x0\nx0 + . <= 1\n", 2, "bad constant in ."),
    ("lp", "max x0\r\nx0 < 1\r\n", 2, "bad syntax: x0 < 1"),
    ("cp", "var x 0 3\n\nlinear two x 10 le\n", 3, "bad coeff"),
    ("cp", "var x 0 3\nvar y 0 3\nle x y 1.5\n", 3, "bad c"),
    ("cp", "var x 0 3\neq x\n", 2, "eq needs 2 vars"),
    ("cp", "var x 0\n", 1, "var needs name, min, max"),
    ("sat", "p cnf 1 1\nc\n1 x 0\n", 3, "invalid literal 'x'"),
    ("sat", "p cnf 1\n", 1, "invalid problem line, expected 'p cnf <vars> <clauses>'"),
])
def test_reader_messages_carry_their_line(kind, text, line, message, tmp_path):
    path = tmp_path / "f.txt"
    path.write_bytes(text.encode())
    done = run(kind, path)
    assert (done.returncode, done.stdout, done.stderr) == (1, "", f"{path}:{line}: {message}\n")
    # The module's message stays as it was, with the line in its text only
    # where it always was.
    with pytest.raises(ValueError) as info:
        FUNCTIONS[kind](text)
    assert info.value.args[0] in (message, f"line {line}: {message}")


LP_WARNINGS = [
    ("max 3*x + 2*y\nx + y <= 4\n",
     [(1, "'x' is not a name of the form x0, x1, ...: each mention makes a new variable"),
      (2, "'x' is not a name of the form x0, x1, ...: each mention makes a new variable")]),
    ("max 2x0\nx0 <= 1\n", [(1, "'2x0' is a name, not a number or a product (a coefficient needs '*', "
                                "as in 2*x0): each mention makes a new variable")]),
    ("max x0\n2 x0 <= 1\n", [(2, "'2 x0' is a name, not a number or a product")]),
    ("max x0\n1e-5*x0 <= 1\n", [(2, "a sign splits a term, exponents included: '1e-' is the name '1e'")]),
    ("max x0 + x1\nint x0 x1\nx0 + x1 <= 1\n", [(2, "'x0 x1' is read as one name")]),
    ("max x0\nint x0;\nx0 <= 1\n", [(2, "'x0;' is not a variable")]),
    ("max x0\nint x1\nx0 + x1 <= 1\n", [(2, "the objective does not mention 'x1'")]),
    ("min x0\nmax x0\nx0 <= 1\n", [(2, "a second objective line: it replaces the one of line 1")]),
    ("max x0\nc1: x0 <= 3\ncost + x0 <= 4\nx0 <= 9\n",
     [(2, "this line starts with 'c', so it is a comment"), (3, "this line starts with 'c'")]),
    ("max x0 - - x1\nx0 + x1 <= 1\n", [(1, "signs in a row do not combine")]),
    ("max x0\nx0 + 2* <= 1\n", [(2, "nothing follows '*' in '2*'")]),
    ("max x0\rx0 <= 3\n", [(1, "carriage return inside a line"), (1, "is not a name")]),
]


@pytest.mark.parametrize("text, warnings", LP_WARNINGS)
def test_lp_warnings(text, warnings, tmp_path):
    path = tmp_path / "w.lp.txt"
    path.write_bytes(text.encode())
    done = run("lp", "--json", path)
    # The answer is still the module's; the warnings go to standard error.
    assert done.returncode == 0 and json.loads(done.stdout) == FUNCTIONS["lp"](text)
    lines = done.stderr.splitlines()
    assert len(lines) == len(warnings)
    for got, (line, piece) in zip(lines, warnings):
        assert got.startswith(f"{path}:{line}: warning: ") and piece in got


@pytest.mark.parametrize("text, warnings", [
    ("p cnf 2 1 extra\n1 2 0\n", [(1, "the problem line has tokens after its two counts: they are ignored")]),
    ("p cnf 2 2\n1 2 0\r-1 0\n", [(2, "carriage return inside a line: it is read as a blank, not as a line end")]),
])
def test_dimacs_warnings(text, warnings, tmp_path):
    path = tmp_path / "w.cnf"
    path.write_bytes(text.encode())
    done = run("sat", "--json", path)
    assert json.loads(done.stdout) == FUNCTIONS["sat"](text)
    assert done.stderr.splitlines() == [f"{path}:{line}: warning: {w}" for line, w in warnings]


@pytest.mark.parametrize("kind, text", [
    ("lp", "c production plan\nmax 3*x0 + 2*x1\nx0 + x1 <= 4\nx0 + 3*x1 <= 6;\nend\n"),
    ("milp", "max x0 + x1\nint x0\nint x1\n2*x0 + 2*x1 <= 3\n"),
    ("sat", "c a comment with p and %\np cnf 2 1\r\n1 -2 0\r\n"),
    ("cp", "var x 0 3\nvar y 0 3\nneq x y\n"),
])
def test_texts_that_mean_what_they_say_get_no_warning(kind, text, tmp_path):
    path = tmp_path / "ok.txt"
    path.write_bytes(text.encode())
    done = run(kind, path)
    assert done.stderr == "" and done.returncode in (0, 10)


def test_strict_turns_warnings_into_errors(tmp_path):
    bad = tmp_path / "bad.lp.txt"
    bad.write_text("max 3*x + 2*y\nx + y <= 4\n")
    good = tmp_path / "good.lp.txt"
    good.write_text("max x0\nx0 <= 4\n")
    done = run("lp", "--strict", bad)
    assert (done.returncode, done.stdout) == (1, "")
    assert done.stderr.startswith(f"{bad}:1: 'x' is not a name") and ": warning: " not in done.stderr
    # One file without an answer does not cost the others theirs.
    done = run("lp", "--strict", "--json", bad, good)
    lines = done.stdout.splitlines()
    assert done.returncode == 1 and json.loads(lines[0])["error"].startswith(f"{bad}:1: ")
    assert json.loads(lines[1]) == {"file": str(good), "status": "OPTIMAL", "model": {"x0": 4},
                                    "objective": 4.0}
    assert run("lp", "--strict", good).returncode == 0
    assert "--strict" in run("--help").stdout


def test_satlib_trailer(tmp_path):
    path = tmp_path / "uf.cnf"
    path.write_text("c SATLIB style\np cnf 2 2\n1 2 0\n-1 0\n%\n0\n\n")
    done = run("sat", path)
    assert done.returncode == 1 and done.stdout == ""
    assert done.stderr.splitlines() == [
        f"{path}:5: warning: '%' ends the clauses of SATLIB files, but not in this format: it is "
        "read as a literal (--satlib drops this line and all after it)",
        f"{path}:5: invalid literal '%'"]
    done = run("sat", "--satlib", path)
    assert (done.returncode, done.stderr) == (10, "")
    assert done.stdout == "s SATISFIABLE\nv -1 2 0\n"
    assert run("lp", "--satlib", path).returncode == 2


def test_warnings_come_before_the_answer_they_concern(tmp_path):
    # With both streams on one terminal or log, a file's warnings head its answer.
    first, second = tmp_path / "a.lp", tmp_path / "b.lp"
    first.write_text("max x0\nx0 <= 1\n")
    second.write_text("max x\nx0 <= 1\n")
    done = subprocess.run([str(COMMAND), "lp", "-j", "1", str(first), str(second)],
                          stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, timeout=120)
    lines = done.stdout.splitlines()
    warning = next(i for i, line in enumerate(lines) if ": warning: " in line)
    assert lines[warning].startswith(f"{second}:1: warning: 'x' is not a name")
    assert lines[warning + 1] == f"== {second} =="
