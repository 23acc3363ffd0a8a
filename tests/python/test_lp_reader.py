"""The LP text reader, observed through solve_lp_text: messages, detection
order, variable numbering and the number syntax."""
import sys
from pathlib import Path

import pytest

import nemox

sys.path.insert(0, str(Path(__file__).parent))
import lp_oracle  # noqa: E402


def solve(*lines: str) -> dict:
    return nemox.solve_lp_text("\n".join(lines) + "\n")


@pytest.mark.parametrize(
    "text, message",
    [
        ("x0 >= 0\nx0 >= 0\nx0 + x1 < 4\n", "line 3: bad syntax: x0 + x1 < 4"),
        ("x0 == 3", "bad number: = 3"),
        ("x0 <= 1/2", "bad number: 1/2"),
        ("x0 <=", "bad number: "),
        ("x0 <= ;;", "bad number: "),
        ("x0 <= 4;; ;", "bad number: 4;;"),
        ("3 >= x0", "bad number: x0"),
        ("x0 + . <= 1", "bad constant in ."),
        ("x0 + 2/ <= 1", "bad den in 2/"),
        ("x0 + /2 <= 1", "bad num in /2"),
        ("2.5.1*x0 <= 3", "bad coeff in 2.5.1*x0"),
        ("x0 + *x1 <= 1", "bad coeff in *x1"),
        ("3/4*x0 <= 1", "bad den in 3/4*x0"),
        ("x0*2 <= 1", "bad coeff in x0*2"),
        ("x0 + 1_000 <= 1", "bad constant in 1_000"),
        ("x0 <= 1 000", "bad number: 1 000"),
        ("x0 <= 1e", "bad number: 1e"),
        ("x0 <= e5", "bad number: e5"),
        ("x0 <= 0x10", "bad number: 0x10"),
        ("x0 <= +-1", "bad number: +-1"),
        ("x0 <= infinit", "bad number: infinit"),
        ("End", "line 1: bad syntax: End"),
        ("MIN x0", "line 1: bad syntax: MIN x0"),
        ("min", "line 1: bad syntax: min"),
        ("min\tx0", "line 1: bad syntax: min\tx0"),
        ("maximize 3*x0", "line 1: bad syntax: maximize 3*x0"),
        ("\n\n  x0 < 1  \r\n", "line 3: bad syntax: x0 < 1"),
        ("# c\n\nc x\n x0 ! 1", "line 4: bad syntax: x0 ! 1"),
        ("x0 <= 1\u00a0\u00a0;\u3000 ;", "bad number: 1\u00a0\u00a0;"),
        ("x0 + 1 2 <= 3", "bad constant in 1 2"),
        ("x0 + 1\t\t2 <= 3", "bad constant in 1  2"),
    ],
)
def test_messages(text: str, message: str) -> None:
    with pytest.raises(ValueError) as info:
        nemox.solve_lp_text(text)
    assert info.value.args == (message,)


@pytest.mark.parametrize(
    "text, message",
    [
        # The first pass reports the first bad line before any expression is read.
        ("max 2.5.1*x0\nx0 <= 1\nx0 <= 1\nx0 <= 1\nx0 <= y\n", "bad number: y"),
        ("max 2.5.1*x0\nx0 ? 1\nx0 <= y\n", "line 2: bad syntax: x0 ? 1"),
        ("x0 <= y\nx0 ? 1\n", "bad number: y"),
        # Then the objective, then the left sides in line order.
        ("max 2.5.1*x0\nx0 + . <= 1\n", "bad coeff in 2.5.1*x0"),
        ("x0 + . <= 1\nx0 + 2/ <= 1\n", "bad constant in ."),
        ("x0 + 2/ + . <= 1\n", "bad den in 2/"),
        # The objective line read is the last one; earlier ones are never parsed.
        ("max 2.5.1*x0\nmin x0\nx0 + . <= 1\n", "bad constant in ."),
        # Lines after "end" are not read at all.
        ("x0 + . <= 1\nend\nx0 ? 1\n", "bad constant in ."),
    ],
)
def test_detection_order(text: str, message: str) -> None:
    with pytest.raises(ValueError) as info:
        nemox.solve_lp_text(text)
    assert info.value.args == (message,)


@pytest.mark.parametrize(
    "text",
    ["", "\n\n", "   \t\n", "# only\nc comments\n", "end\n", "c x\n\nend\nx0 ? 1\n",
     "count >= 1\n", "c1: x0 <= 1\n"],
)
def test_texts_without_content(text: str) -> None:
    assert nemox.solve_lp_text(text) == {"status": "OPTIMAL", "model": {}, "objective": 0.0}


def test_production_plan_example() -> None:
    text = "c production plan\nmax 3*x0 + 2*x1\nx0 + x1 <= 4\nx0 + 3*x1 <= 6;\nx0 >= 0.5\nend\nthis line is not read\n"
    assert nemox.solve_lp_text(text) == {"status": "OPTIMAL", "model": {"x0": 4, "x1": 0}, "objective": 12.0}


def test_integer_marks_and_variable_creation_order() -> None:
    # The constraint creates x2; the marks are ignored by the LP road.
    result = solve("min 2*x0 + x1", "x0 + x1 >= 1.5", "x1 - x2 = 0", "int x0", "int x2")
    assert result == {"status": "OPTIMAL", "model": {"x0": 0, "x1": 1.5, "x2": 1.5}, "objective": 1.5}


def test_fraction_constants_and_zero_coefficient() -> None:
    # Constant 13/4, variable x2 created by a zero coefficient.
    result = solve("min 1/4 + 2.5*x0 - x1 + 3 - 0*x2", "x1 <= 2")
    assert result == {"status": "OPTIMAL", "model": {"x0": 0, "x1": 2, "x2": 0}, "objective": 1.25}


def test_non_canonical_names_create_new_variables() -> None:
    result = solve("max y + z", "y + z <= 1")
    assert result == {"status": "UNBOUNDED"}
    result = solve("min y + z", "y + z >= 1")
    assert list(result["model"]) == ["x0", "x1", "x2", "x3"]
    assert result["model"] == {"x0": 0, "x1": 0, "x2": 1, "x3": 0}


def test_first_name_becomes_variable_zero() -> None:
    # "x5" written first is variable 0; a later "x0" is that same variable.
    assert solve("max x5", "x0 <= 3") == {"status": "OPTIMAL", "model": {"x0": 3}, "objective": 3.0}
    # "x01" is not the canonical name of variable 1.
    assert list(solve("min x0 + x1 + x01")["model"]) == ["x0", "x1", "x2"]


def test_later_objective_line_replaces_earlier() -> None:
    result = solve("min x0", "max x1", "x0 <= 2")
    assert result == {"status": "OPTIMAL", "model": {"x0": 2}, "objective": 2.0}


@pytest.mark.parametrize(
    "constraint, value",
    [
        ("x0 - - x1 <= 0", None),  # x0 - x1 <= 0: x1 must follow x0 up
        ("x0 + x1 <= 4;;", 4),
        ("x0 + 2 * x1 <= 4", 4),
        ("-+x1 + x0 <= 4", 4),
        ("x0 -+ 0 <= 4", 4),
        ("1/3 + x0 <= 1", 666666667),
        ("x0 <= 7.", 7),
        ("x0 <= .5e1", 5),
        ("x0 <= +2.5E+0", 2.5),
        ("x0 <= 1e-3", 0.001),
        ("x0 <= 0.0000000005", 1e-9),
        ("x0 <= 0.0000000004", 0),
        ("x0 <= 2.9999999999", 3),
        ("x0 + 1e5*x1 <= 3", 3),
    ],
)
def test_constraint_forms(constraint: str, value) -> None:
    result = solve("max x0", constraint, "x0 <= 10000")
    if value is None:
        assert result["model"] == {"x0": 10000, "x1": 10000}
    elif value == 666666667:
        # 1/3 enters as 333333333/1000000000, not as 1/3.
        assert result["model"]["x0"] == 0.666666667
    else:
        assert result["model"]["x0"] == value
        assert type(result["model"]["x0"]) is type(value)


def test_semicolons_end_objective_and_blank_ge() -> None:
    assert solve("min x0 + x1;", "x0 >= 1") == {"status": "OPTIMAL", "model": {"x0": 1, "x1": 0}, "objective": 1.0}
    # ">= 2" alone: 0 >= 2, infeasible.
    assert solve(">= 2") == {"status": "INFEASIBLE"}
    assert solve("<= 2") == {"status": "OPTIMAL", "model": {}, "objective": 0.0}


def test_tab_inside_a_name_becomes_a_space() -> None:
    # "C x0" is a constraint with one new variable named "C x0".
    assert solve("C x0 <= 1") == {"status": "OPTIMAL", "model": {"x0": 0}, "objective": 0.0}
    assert solve("max 2*C\tx", "C x <= 1")["status"] == "UNBOUNDED"


def test_star_with_nothing_after_creates_a_variable() -> None:
    result = solve("max x0", "x0 + 2* <= 1")
    assert result == {"status": "OPTIMAL", "model": {"x0": 1, "x1": 0}, "objective": 1.0}


@pytest.mark.parametrize(
    "name, is_name",
    [("1e5", True), ("é", True), ("\u03c0", True), ("\u4e2d", True), ("\u0663", False),
     ("\u2160", True), ("\U0001d400", True), ("\u00b2", False), ("\u02b0", True), ("\u0345", True)],
)
def test_alphabetic_rule(name: str, is_name: bool) -> None:
    # A token with an Alphabetic character is a variable; otherwise it must be a number.
    if is_name:
        assert solve(f"min {name}")["model"] == {"x0": 0}
    else:
        with pytest.raises(ValueError) as info:
            solve(f"min {name}")
        assert info.value.args == (f"bad constant in {name}",)


def test_negative_exponent_splits_token() -> None:
    # "1e-3" is the variable "1e" minus the constant 3.
    assert solve("min 1e-3") == {"status": "OPTIMAL", "model": {"x0": 0}, "objective": -3.0}


@pytest.mark.parametrize(
    "text, expected",
    [
        ("max x0\nint x0;\n2*x0 <= 3\n", 1.5),
        ("max x0\nint x0 x1\n2*x0 <= 3\n", 1.5),
    ],
)
def test_int_lines_are_ignored_by_the_lp_road(text: str, expected: float) -> None:
    assert nemox.solve_lp_text(text)["model"]["x0"] == expected


@pytest.mark.parametrize(
    "rhs, value",
    [("1e-999", 0), ("-0", 0), ("1.7976931348623157e308", int(1.7976931348623157e308)),
     # Finite numbers beyond the 64-bit range are kept exactly (as their doubles).
     ("1e19", 10**19), ("123456789012345678901234567890", int(123456789012345678901234567890.0)),
     ("1e300", int(1e300)), ("10000000000.5", 10000000000.5)],
)
def test_extreme_finite_numbers(rhs: str, value) -> None:
    assert solve("max x0", f"x0 <= {rhs}")["model"]["x0"] == value


@pytest.mark.parametrize(
    "lines, message",
    [
        # A number whose double is infinite or NaN is malformed where it stands.
        (["max x0", "x0 <= inf"], "bad number: inf"),
        (["max x0", "x0 <= -INF;"], "bad number: -INF"),
        (["max x0", "x0 <= Infinity"], "bad number: Infinity"),
        (["max x0", "x0 <= nan"], "bad number: nan"),
        (["max x0", "x0 <= -NaN"], "bad number: -NaN"),
        (["max x0", "x0 <= 1e999"], "bad number: 1e999"),
        (["max x0", "x0 <= " + "9" * 400], "bad number: " + "9" * 400),
        (["max x0", "1/0 + x0 <= 9223372037"], "bad den in 1/0"),
        (["max x0", "0/0 + x0 <= 1"], "bad den in 0/0"),
        (["max x0", "x0 - 1e300/0." + "0" * 299 + "1 <= 1"], "bad den in 1e300/0." + "0" * 299 + "1"),
        (["max x0", "x0 + 1/inf <= 1"], "bad den in 1/inf"),
        (["max x0", "nan/1 + x0 <= 1"], "bad num in nan/1"),
        (["max nan*x0 + x1", "x1 <= 1"], "bad coeff in nan*x0"),
        (["max x0", "inf*x0 <= 1"], "bad coeff in inf*x0"),
        (["max x0", "1e400*x0 <= 1"], "bad coeff in 1e400*x0"),
        (["max x0", "x0 + 1" + "0" * 400 + " <= 1"], "bad constant in 1" + "0" * 400),
    ],
)
def test_numbers_that_are_not_finite_are_malformed(lines, message) -> None:
    text = "\n".join(lines) + "\n"
    for function in (nemox.solve_lp_text, nemox.solve_milp_text):
        with pytest.raises(ValueError) as info:
            function(text)
        assert info.value.args == (message,)
    with pytest.raises(lp_oracle.ParseError) as info:
        lp_oracle.solve_lp_text(text)
    assert info.value.args == (message,)


@pytest.mark.parametrize("text, expected", [
    ("max x0\nx0 <= 1.0000000015\n", {"status": "OPTIMAL", "model": {"x0": 1.000000001}, "objective": 1.000000001}),
    ("max x0\nx0 <= 9007199254740993\n",
     {"status": "OPTIMAL", "model": {"x0": 2**53}, "objective": 2.0**53}),
    ("max x0\nx0 <= 1e19\n", {"status": "OPTIMAL", "model": {"x0": 10**19}, "objective": 1e19}),
    ("min 1e-5\n", {"status": "OPTIMAL", "model": {"x0": 0}, "objective": -5.0}),
    ("max x0\n1e-5*x0 <= 1\n", {"status": "UNBOUNDED"}),
    ("max x0\ncost + x0 <= 4\n", {"status": "UNBOUNDED"}),
    ("x0 <= 4\nmax x1\n", {"status": "OPTIMAL", "model": {"x0": 4}, "objective": 4.0}),
    ("max y\ny <= 3\n", {"status": "UNBOUNDED"}),
    ("max x1\nx1 <= 3\n", {"status": "UNBOUNDED"}),
])
def test_the_surprises_the_readme_names(text: str, expected: dict) -> None:
    assert nemox.solve_lp_text(text) == expected
    assert lp_oracle.solve_lp_text(text) == expected
