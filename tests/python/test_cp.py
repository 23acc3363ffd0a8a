"""solve_cp_text: reader messages, entry flow, decisions and hostile inputs."""

import os
import subprocess
import sys

import pytest

import long_calls
import nemox
from alarm import assert_alarm_interrupts

MIN = -(2**63)
MAX = 2**63 - 1


def solve(*lines: str, sep: str = "\n") -> dict:
    return nemox.solve_cp_text(sep.join(lines))


def model(*values: int) -> dict:
    return {"status": "SAT", "model": {f"x{i}": v for i, v in enumerate(values)}}


UNSAT = {"status": "UNSAT"}


# ---- reader ---------------------------------------------------------------

@pytest.mark.parametrize(
    "text, message",
    [
        ("var x 0 9223372036854775808", "line 1: bad max"),
        ("var x 1.5 2", "line 1: bad min"),
        ("var x 0", "line 1: var needs name, min, max"),
        ("var x", "line 1: var needs name, min, max"),
        ("var x a b", "line 1: bad min"),  # min is checked before max
        ("var x -9223372036854775809 0", "line 1: bad min"),
        ("var x ++1 2", "line 1: bad min"),
        ("var x - 2", "line 1: bad min"),
        ("var x 1e3 2", "line 1: bad min"),
        ("var x 1_000 2", "line 1: bad min"),
        ("var x \u0661 2", "line 1: bad min"),  # Arabic-Indic digit one
        ("\n\n# c\nfoo x", "line 4: unknown keyword 'foo'"),
        ("EQ x y", "line 1: unknown keyword 'EQ'"),
        ("alldiff x y", "line 1: unknown keyword 'alldiff'"),
        ("allDifferent x y", "line 1: unknown keyword 'allDifferent'"),
        ("ge x y", "line 1: unknown keyword 'ge'"),
        ("ne x y", "line 1: unknown keyword 'ne'"),
        ("var y 0 9\neq x y\nvar x 0 9", "line 2: unknown variable 'x'"),
        ("var x 0 9\nvar y 0 9\nallDiff x y # z", "line 3: unknown variable '#'"),
        ("var x 0 3\neq x z", "line 2: unknown variable 'z'"),
        ("var x 0 3\nneq x", "neq needs 2 vars"),
        ("eq x", "eq needs 2 vars"),
        ("lt x", "lt needs 2 vars"),
        ("eq", "eq needs 2 vars"),
        ("var x 0 1\nvar y 0 1\nle x y", "le needs 2 vars + c"),
        ("le x y", "le needs 2 vars + c"),  # the count comes before the names
        ("var x 0 1\nvar y 0 1\nle x y 1.5", "bad c"),
        ("var x 0 1\nle x q 1.5", "line 2: unknown variable 'q'"),
        ("var x 0 1\nlinear 2 x 10 lt", "linear: expected le/eq/ge"),
        ("var x 0 1\nlinear two x 10 le", "bad coeff"),
        ("var x 0 1\nlinear 2 x ten le", "bad rhs"),
        ("var x 0 1\nlinear 2 x le", "linear: need at least coeff var rhs rel"),
        ("linear 2 x 10 le", "line 1: unknown variable 'x'"),
        ("var x 0 1\nlinear 2 q ten lt", "line 2: unknown variable 'q'"),
        ("var x 0 1\nlinear 2 x ten lt", "bad rhs"),  # rhs before rel
        ("var x 0 1\nlinear 2 x two x ten lt", "bad coeff"),  # pairs before rhs
        ("var x 0 1\nallDiff x", "allDiff needs \u2265 2 vars"),
        ("var x 0 1\nalldifferent x", "allDiff needs \u2265 2 vars"),
        ("var x 0 1\nvar y 0 1\nalldifferent x y q", "line 3: unknown variable 'q'"),
        # The first error ends the parse.
        ("var x 0 1\nbad\nvar", "line 2: unknown keyword 'bad'"),
    ],
)
def test_reader_messages(text: str, message: str) -> None:
    with pytest.raises(ValueError) as info:
        nemox.solve_cp_text(text)
    assert info.value.args == (message,)


@pytest.mark.parametrize(
    "text, message",
    [
        # A coefficient left without its variable is refused before any pair is read.
        ("var x 0 1\nlinear 2 x 3 10 le", "linear: too few terms"),
        ("var x 0 1\nlinear two x 3 10 le", "linear: too few terms"),
        ("var x 0 1\nlinear 2 q 3 10 lt", "linear: too few terms"),
        ("var x 0 1\nlinear 2 10 le", "linear: need at least coeff var rhs rel"),
    ],
)
def test_odd_pair_region_is_refused(text: str, message: str) -> None:
    with pytest.raises(ValueError) as info:
        nemox.solve_cp_text(text)
    assert info.value.args == (message,)


@pytest.mark.parametrize(
    "text, expected",
    [
        ("", model()),
        ("\n\n   \n", model()),
        ("# only\n// comments\n  # indented\n", model()),
        ("var x -3 +3", model(-3)),
        ("var x 007 0009", model(7)),
        ("var x -0 +0", model(0)),
        ("var x 5 1", UNSAT),
        ("var x 0 9\nvar y 0 9\neq x y # same\nlt y x", UNSAT),  # '#' after a statement is a token
        ("var x 0 9\nvar y 0 9\neq x y z", model(0, 0)),  # surplus tokens ignored
        ("var x 0 9\nvar y 0 9\nle x y -2 junk", model(0, 2)),
        ("var x 0 9 extra\n", model(0)),
        ("var x 1 3\r\nvar y 1 3\r\nneq x y\r\n", model(1, 2)),
        ("var x 1 3\r\nvar y 1 3\r\nneq x y", model(1, 2)),
        ("var\u00a0x\u30001\u20283\n\u2003var y 1 3\u205f\nneq\tx\x0by", model(1, 2)),
        ("var x 1 3\r\r\nvar y 1 3\nneq x y", model(1, 2)),  # CR before CR LF is white space
        ("var 12 0 1\nvar eq 2 2\nlt 12 eq", model(0, 2)),  # any token is a name
        ("var x\x00 4 4", model(4)),
    ],
)
def test_reader_accepts(text: str, expected: dict) -> None:
    assert nemox.solve_cp_text(text) == expected


def test_redeclared_names_refer_to_the_declaration_in_force() -> None:
    # eq joins x0 and x1; neq joins the newer x (x2) and y (x1).
    assert solve("var x 0 9", "var y 0 9", "eq x y", "var x 5 5", "neq x y") == model(0, 0, 5)
    assert solve("var x 0 9", "var y 0 9", "var x 3 3", "eq x y") == model(0, 3, 3)
    assert solve("var x 3 3", "var x 4 4") == model(3, 4)


# ---- entry flow -----------------------------------------------------------

@pytest.mark.parametrize(
    "lines, expected",
    [
        (["var a 1 3", "var b 1 3", "neq a b"], model(1, 2)),
        (["var x 0 5", "var y 0 10", "lt x y"], model(0, 1)),
        (["var x 0 9", "var y 0 9", "linear 1 x 1 y 12 eq", "linear 1 x -1 y 2 eq"], model(7, 5)),
        (["var p 1 2", "var q 1 2", "var r 1 2", "allDiff p q r"], UNSAT),
        (["var x 0 9", "var y 0 2", "neq x y"], model(1, 0)),  # y (smaller) first
        (["var x 0 1", "var y 0 1", "lt x y"], model(0, 1)),
        (["var x 0 10", "var y 0 5", "le x y -2"], model(0, 2)),
        (["var x -10 10", "linear -1 x -3 le"], model(3)),
        (["var x -10 10", "linear 2 x -3 ge"], model(-1)),
        (["var x -10 10", "linear 2 x -3 le"], model(-10)),
        (["var x 5 1", "var y 0 3", "neq x y"], UNSAT),
        (["var x 0 3", "var y 0 3", "var z 0 3", "alldifferent x y z", "lt z x"], model(1, 2, 0)),
        (["var x 0 2", "allDiff x x"], UNSAT),
        (["var x 0 2", "eq x x", "neq x x"], UNSAT),
        (["var x 0 2", "lt x x"], UNSAT),
        (["var x 0 2", "le x x 0"], model(0)),
    ],
)
def test_entry_flow(lines: list, expected: dict) -> None:
    assert solve(*lines) == expected


def test_result_shape() -> None:
    result = solve("var b 0 1", "var a 0 1")
    assert list(result) == ["status", "model"]
    assert list(result["model"]) == ["x0", "x1"]
    assert all(type(v) is int for v in result["model"].values())
    many = solve(*[f"var v{i} {i} {i}" for i in range(12)])
    assert list(many["model"]) == [f"x{i}" for i in range(12)]
    assert list(solve("var x 1 0")) == ["status"]


def test_same_text_same_model() -> None:
    text = "\n".join(["var a 0 5", "var b 0 5", "var c 0 5", "allDiff a b c", "linear 1 a 1 b 1 c 9 eq"])
    first = nemox.solve_cp_text(text)
    assert first == model(0, 4, 5)
    assert all(nemox.solve_cp_text(text) == first for _ in range(20))


def test_arguments() -> None:
    assert nemox.solve_cp_text(input="var x 2 2") == model(2)

    class Text(str):
        pass

    assert nemox.solve_cp_text(Text("var x 2 2")) == model(2)
    for call in (lambda: nemox.solve_cp_text(), lambda: nemox.solve_cp_text(1),
                 lambda: nemox.solve_cp_text("", ""), lambda: nemox.solve_cp_text(text="")):
        with pytest.raises(TypeError):
            call()
    with pytest.raises(UnicodeEncodeError):
        nemox.solve_cp_text("var \ud800 0 1")


# ---- exact bound arithmetic -----------------------------------------------

@pytest.mark.parametrize(
    "lines, expected",
    [
        # b.hi + c beyond the 64-bit range restricts nothing.
        (["var a 0 10", "var b 0 10", f"le a b {MAX}"], model(0, 0)),
        # a.lo - c beyond the range empties b.
        (["var a 0 10", "var b 0 10", f"le a b {MIN}"], UNSAT),
        ([f"var a {MIN} {MAX}", f"var b {MIN} {MIN}", "lt a b"], UNSAT),
        ([f"var a {MAX} {MAX}", f"var b {MIN} {MAX}", "lt b a"], model(MAX, MIN)),
        # Products beyond 64 bits: 2^62 * x + y >= 0.
        (["var x -10 10", "var y 0 10", "linear 4611686018427387904 x 1 y 0 ge"], model(0, 0)),
        # -2^63 * (x + y) >= 0, and = 0.
        (["var x -1 1", "var y -1 1", f"linear {MIN} x {MIN} y 0 ge"], model(-1, -1)),
        (["var x -1 1", "var y -1 1", f"linear {MIN} x {MIN} y 0 eq"], model(-1, 1)),
        ([f"var x {MIN} {MAX}", f"linear {MIN} x {MIN} le"], model(1)),
        ([f"var x {MIN} {MAX}", f"linear {MAX} x {MAX} x {MAX} x {MIN} le"], model(MIN)),
        ([f"var x {MIN} {MAX}", f"linear {MAX} x {MAX} x {MAX} x 1 ge"], model(1)),
        # A fixed end value next to the range's end: v + 1 and v - 1 do not wrap.
        ([f"var x {MAX} {MAX}", f"var y {MAX - 1} {MAX}", "allDiff x y"], model(MAX, MAX - 1)),
        ([f"var x {MIN} {MIN}", f"var y {MIN} {MIN + 1}", "allDiff x y"], model(MIN, MIN + 1)),
        ([f"var x {MAX} {MAX}", f"var y {MAX} {MAX}", "allDiff x y"], UNSAT),
        ([f"var x {MIN} {MIN}", f"var y {MIN} {MIN}", "allDiff y x"], UNSAT),
        ([f"var x {MIN} {MAX}", f"var y {MIN} {MAX}", f"linear 1 x 1 y {MAX} ge", f"linear 1 x 1 y {MIN} le"], UNSAT),
        ([f"var x {MIN} {MAX}", f"var y {MIN} {MAX}", f"linear 1 x 1 y {MAX} ge", "linear 1 y 0 le"], model(MAX, 0)),
    ],
)
def test_bounds_are_exact(lines: list, expected: dict) -> None:
    assert solve(*lines) == expected


# ---- linear terms combined per variable -----------------------------------

@pytest.mark.parametrize(
    "lines, expected",
    [
        # x - x = 0 holds for every x; bounding each term alone would force x = 0.
        (["var x 3 5", "linear 1 x -1 x 0 eq"], model(3)),
        (["var x 0 5", "linear 1 x 1 x 6 eq"], model(3)),
        (["var x 0 5", "linear 1 x 1 x 7 eq"], UNSAT),
        (["var x 0 9", "var y 0 9", "linear 2 x 1 y -1 x 9 ge", "linear 1 y 0 le"], model(9, 0)),
        # No nonzero coefficient: 0 rel rhs decides.
        (["var x 0 5", "linear 0 x 5 ge"], UNSAT),
        (["var x 0 5", "linear 0 x -5 ge"], model(0)),
        (["var x 0 5", "linear 0 x 0 eq"], model(0)),
        (["var x 0 5", "linear 0 x 1 eq"], UNSAT),
        (["var x 0 5", "linear 2 x -2 x -1 le"], UNSAT),
        # A combined coefficient beyond 64 bits still decides the answer.
        (["var x 0 1", f"linear {MAX} x {MAX} x 1 ge"], model(1)),
        (["var x -1 1", "var y 0 3", f"linear {MAX} x {MAX} x 1 y 0 eq"], model(0, 0)),
    ],
)
def test_linear_terms_combined(lines: list, expected: dict) -> None:
    assert solve(*lines) == expected


# ---- the domain of all 2^64 values is branched on -------------------------

def test_full_domain_is_branched_on() -> None:
    assert solve(f"var x {MIN} {MAX}") == model(MIN)
    assert solve(f"var x {MIN} {MAX}", "var y 0 1", "neq x y") == model(MIN, 0)
    assert solve(f"var x {MIN} {MAX}", f"var y {MIN} {MAX}", "lt x y") == model(MIN, MIN + 1)
    # Smaller domains first, the full one last.
    assert solve(f"var x {MIN} {MAX}", f"var y {MIN} {MAX - 1}", "eq x x") == model(MIN, MIN)


# ---- size -----------------------------------------------------------------

def test_million_unconstrained_variables_search_deep() -> None:
    n = 1_000_000
    result = nemox.solve_cp_text("var v 0 1\n" * n)
    assert result["status"] == "SAT"
    assert len(result["model"]) == n
    assert set(result["model"].values()) == {0}


def test_long_chain_of_lt() -> None:
    n = 10_000
    lines = [f"var v{i} {MIN} {MAX}" for i in range(n)] + [f"lt v{i} v{i + 1}" for i in range(n - 1)]
    result = solve(*lines)
    assert [result["model"][f"x{i}"] for i in (0, n - 1)] == [MIN, MIN + n - 1]


def test_ten_megabyte_lines() -> None:
    terms = 2_500_000
    text = "var x 0 1\nlinear " + "1 x " * terms + f"{terms} eq\n"
    assert len(text) > 10_000_000
    assert nemox.solve_cp_text(text) == model(1)
    with pytest.raises(ValueError) as info:
        nemox.solve_cp_text("var x 0 1\n" + "y" * 10_000_000)
    assert info.value.args[0] == "line 2: unknown keyword '" + "y" * 10_000_000 + "'"
    assert nemox.solve_cp_text("#" + "z" * 10_000_000 + "\nvar x 1 1") == model(1)


# ---- Ctrl-C and time limits -----------------------------------------------

@pytest.mark.parametrize(
    "lines, expected",
    [
        # Each round of propagation moves the bounds by a constant: 2^64 / 2
        # rounds until a domain empties.
        ([f"var x {MIN} {MAX}", f"var y {MIN} {MAX}", "lt x y", "lt y x"], None),
        ([f"var x {MIN} {MAX}", "le x x -1"], None),
        ([f"var v{i} {MIN} {MAX}" for i in range(40)] + [f"lt v{i} v{(i + 1) % 40}" for i in range(40)], None),
        # The search tries 2^63 values of x below 7, each failing the same way.
        ([f"var x {MIN} {MAX}", f"var y {MIN} {MAX}", "linear 1 x 1 y 10 eq", "linear 1 x -1 y 4 eq"], model(7, 3)),
        # ... and here every value fails: x + y and x - y of different parity.
        ([f"var x {MIN} {MAX}", f"var y {MIN} {MAX}", "linear 1 x 1 y 10 eq", "linear 1 x -1 y 5 eq"], None),
        # A value fixed elsewhere ends a run of equal failures: one before the
        # answer, and the answer itself.
        ([f"var x {MIN} {MAX}", f"var y {MIN} {MAX}", "var z 6 6", "neq x z", "linear 1 x 1 y 10 eq",
          "linear 1 x -1 y 4 eq"], model(7, 3, 6)),
        ([f"var x {MIN} {MAX}", f"var y {MIN} {MAX}", "var z 7 7", "neq x z", "linear 1 x 1 y 10 eq",
          "linear 1 x -1 y 4 eq"], None),
    ],
    ids=["lt-cycle", "le-self", "cycle-of-40", "walk-to-answer", "walk-to-nothing", "neq-before-answer",
         "neq-on-answer"],
)
def test_answers_after_many_equal_steps(lines, expected) -> None:
    assert solve(*lines) == (expected if expected is not None else {"status": "UNSAT"})


@pytest.mark.parametrize("text", [long_calls.CP, long_calls.CP_SEARCH], ids=["propagation", "search"])
def test_alarm_interrupts_a_long_call(text: str) -> None:
    assert_alarm_interrupts(lambda: nemox.solve_cp_text(text), after=0.2, within=30)
    assert solve("var a 1 3", "var b 1 3", "neq a b") == model(1, 2)


def test_long_propagation_keeps_memory_flat() -> None:
    # A fresh interpreter, so that the peak resident size is this call's.
    code = f"""
import signal, nemox, long_calls
from memory import peak_rss_bytes
def stop(signum, frame):
    raise TimeoutError()
signal.signal(signal.SIGALRM, stop)
before = peak_rss_bytes()
signal.setitimer(signal.ITIMER_REAL, 1.5)
try:
    nemox.solve_cp_text(long_calls.CP)
except TimeoutError:
    pass
print(peak_rss_bytes() - before)
"""
    path = os.pathsep.join([os.path.dirname(nemox.__file__), os.path.dirname(os.path.abspath(__file__))])
    out = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True, check=True,
                         env=os.environ | {"PYTHONPATH": path})
    assert int(out.stdout) < 150 * 2**20
