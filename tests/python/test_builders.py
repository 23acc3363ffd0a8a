"""The builders against the module: a random model written with names gives
exactly the module's answer on the same model written by hand with x0, x1,
..., and every answer satisfies the model it was built from."""

import math
import random
from decimal import Decimal
from fractions import Fraction

import pytest

import nemox
from lp_oracle import from_f64, parse_number
from nemox_builders import CnfBuilder, CpBuilder, Lit, LpBuilder
from nemox_builders._numbers import lp_number

# Names that the text formats would misread if written as they are.
NAMES = ["bread", "x1", "x0", "2 x0", "c", "min", "end", "-", "1e-5", "é", "int x0", "#", "x 3", "x01", "C"]


def random_lp(rng):
    n = rng.randint(1, 6)
    names = rng.sample(NAMES, n)
    number = lambda: rng.choice([rng.randint(-9, 9), round(rng.uniform(-9, 9), 2), 0])  # noqa: E731
    objective = {v: number() for v in rng.sample(names, rng.randint(0, n))}
    rows = []
    for _ in range(rng.randint(0, 6)):
        terms = {v: number() for v in rng.sample(names, rng.randint(1, n))}
        rows.append((terms, rng.choice(["<=", ">=", "="]), rng.randint(-5, 30)))
    for v in names:  # mostly bounded
        if rng.random() < 0.7:
            rows.append(({v: 1}, "<=", rng.randint(0, 10)))
    integer = [rng.random() < 0.5 for _ in names]
    return names, rng.choice(["min", "max"]), objective, rows, integer


def hand_text(names, sense, objective, rows, integer):
    """The same model in x0, x1, ... with every variable on the objective line."""
    lines = [sense + " " + " + ".join(f"{objective.get(v, 0)} * x{i}" for i, v in enumerate(names))]
    lines += [f"int x{i}" for i, is_int in enumerate(integer) if is_int]
    for terms, rel, rhs in rows:
        lines.append(" + ".join(f"{c} * x{names.index(v)}" for v, c in terms.items()) + f" {rel} {rhs}")
    return "\n".join(lines).replace("+ -", "- ") + "\n"


def build_lp(names, sense, objective, rows, integer, rng):
    b = LpBuilder()
    x = {v: b.var(v, integer=is_int) for v, is_int in zip(names, integer)}
    if rng.random() < 0.5:
        (b.minimize if sense == "min" else b.maximize)(objective)
    else:
        expr = sum((c * x[v] for v, c in objective.items()), 0)
        (b.minimize if sense == "min" else b.maximize)(expr)
    for terms, rel, rhs in rows:
        if rng.random() < 0.5:
            b.add(terms, rel, rhs)
        else:  # a comparison with the constant moved to the left
            expr = sum((c * x[v] for v, c in terms.items()), 0) - rhs
            b.add({"<=": expr <= 0, ">=": expr >= 0, "=": expr == 0}[rel])
    return b


def satisfied(value, rel, rhs):
    tol = 1e-6 * max(1.0, abs(rhs))
    return {"<=": value <= rhs + tol, ">=": value >= rhs - tol, "=": abs(value - rhs) <= tol}[rel]


@pytest.mark.parametrize("milp", [False, True])
@pytest.mark.parametrize("seed", range(6))
def test_random_named_lp_matches_the_hand_numbered_text(seed, milp):
    rng = random.Random(seed * 2 + milp)
    solve = nemox.solve_milp_text if milp else nemox.solve_lp_text
    statuses = set()
    for _ in range(60):
        names, sense, objective, rows, integer = model = random_lp(rng)
        answer = (lambda b: b.solve_milp() if milp else b.solve())(build_lp(*model, rng))
        expected = solve(hand_text(*model))
        assert answer.raw == expected
        assert answer.status == expected["status"]
        assert answer.objective == expected.get("objective")
        assert answer.values == {v: expected["model"][f"x{i}"] for i, v in enumerate(names)} if "model" in expected else answer.values == {}
        statuses.add(answer.status)
        if answer.status != "OPTIMAL":
            continue
        values = answer.values
        assert all(values[v] >= 0 for v in names)
        for terms, rel, rhs in rows:
            assert satisfied(sum(c * values[v] for v, c in terms.items()), rel, rhs)
        total = sum(c * values[v] for v, c in objective.items())
        assert math.isclose(total, answer.objective, rel_tol=1e-9, abs_tol=1e-9)
        if milp:  # integer variables outside the objective too
            assert all(float(values[v]).is_integer() for v, is_int in zip(names, integer) if is_int)
    assert "OPTIMAL" in statuses and len(statuses) >= 2


def test_names_that_the_text_would_misread_are_variables():
    b = LpBuilder()
    bread, meat, milk = b.var("bread"), b.var("2 x0"), b.var("x1")
    b.minimize(2 * bread + 3.5 * meat + 0.8 * milk)
    b.add(400 * bread + 600 * meat + 150 * milk >= 2000)
    b.add({"bread": 4, "2 x0": 30, "x1": 8}, ">=", 55)
    answer = b.solve()
    # Written naively, the names become fresh variables each time.
    naive = nemox.solve_lp_text(
        "min 2*bread + 3.5*2 x0 + 0.8*x1\n400*bread + 600*2 x0 + 150*x1 >= 2000\n4*bread + 30*2 x0 + 8*x1 >= 55\n"
    )
    assert len(naive["model"]) != 3
    assert sorted(answer.values) == ["2 x0", "bread", "x1"]
    v = answer.values
    assert satisfied(400 * v["bread"] + 600 * v["2 x0"] + 150 * v["x1"], ">=", 2000)
    assert satisfied(4 * v["bread"] + 30 * v["2 x0"] + 8 * v["x1"], ">=", 55)
    assert answer.objective > 0


@pytest.mark.parametrize("objective", [{}, {"b": 1}, {"a": 0, "b": -1}])
def test_integer_variable_missing_from_the_objective_is_still_integer(objective):
    b = LpBuilder()
    b.var("a", integer=True)
    b.var("b")
    b.maximize(objective)
    b.add({"a": 2, "b": 1}, "=", 3)
    b.add({"a": 4, "b": -1}, ">=", 1)
    answer = b.solve_milp()
    assert answer.status == "OPTIMAL"
    assert isinstance(answer.values["a"], int)
    assert satisfied(2 * answer.values["a"] + answer.values["b"], "=", 3)


@pytest.mark.parametrize("coeff", [1e-5, 2.5e-7, 1e20, 123456.789, -3e-3, Fraction(1, 8), 7])
def test_coefficients_reach_the_reader_with_their_value(coeff):
    b = LpBuilder()
    x = b.var("x")
    b.maximize(x)
    b.add(abs(coeff) * x <= 1)
    text = lp_number(abs(coeff))
    assert "e" not in text.lower() and "+" not in text
    assert float(text) == float(abs(coeff))
    hand = nemox.solve_lp_text(f"max x0\n{float(abs(coeff)):.30f}*x0 <= 1\n")
    assert b.solve().raw == hand


def test_number_text_reads_back_as_the_same_double():
    rng = random.Random(5)
    for _ in range(2000):
        v = rng.uniform(-1, 1) * 10 ** rng.randint(-12, 25)
        text = lp_number(v)
        assert "e" not in text and "+" not in text
        assert float(text) == v


@pytest.mark.parametrize(
    "action, error",
    [
        (lambda b: b.var("a"), ValueError),  # declared twice
        (lambda b: b.minimize({"zz": 1}), KeyError),
        (lambda b: b.add({"a": 1}, "<", 2), ValueError),
        (lambda b: b.add({"a": float("nan")}, "<=", 2), ValueError),
        (lambda b: b.add({"a": 1}, "<=", float("inf")), ValueError),
        (lambda b: b.add({"a": True}, "<=", 1), TypeError),
        (lambda b: b.maximize("a"), TypeError),
        (lambda b: b.var(3), TypeError),
        (lambda b: b.var(""), ValueError),
        (lambda b: b.add(b.var("c") <= 1, "<="), TypeError),
        (lambda b: b.add(b.var("d") <= 1, rhs=2), TypeError),
    ],
)
def test_lp_builder_refuses_what_it_cannot_write(action, error):
    b = LpBuilder()
    b.var("a")
    with pytest.raises(error):
        action(b)


def test_a_comparison_is_a_constraint_not_a_truth_value():
    b = LpBuilder()
    x, y = b.var("x"), b.var("y")
    b.maximize(x + y)
    # Python reads `1 <= x <= 2` as `(1 <= x) and (x <= 2)`: it must not
    # quietly become the second half.
    for chained in (lambda: b.add(1 <= x <= 2), lambda: b.add(x <= y <= 3), lambda: b.add(0 == x == y)):
        with pytest.raises(TypeError, match="separately"):
            chained()
    for constraint in (x == 3, 3 == x, x == y, x >= 1, 2 <= x, x + 1 == y):
        with pytest.raises(TypeError):
            bool(constraint)
    with pytest.raises(TypeError):
        x in [y]  # membership compares with ==
    assert b.text() == "max x0 + x1\n"  # the refused ones added nothing
    b.add(x == 3)
    b.add(1 <= y)
    b.add(y <= 2)
    assert b.solve().values == {"x": 3, "y": 2}
    # Literals compare as values and stay usable as keys.
    cnf = CnfBuilder()
    p = cnf.var("p")
    assert {p: "p", ~p: "not p"}[Lit("p")] == "p" and len({p, ~p, Lit("p", True)}) == 2


def test_numpy_scalars_are_numbers_like_the_python_ones():
    np = __import__("numpy")  # installed by the test command; missing it is a failure
    scalars = [np.int8(-3), np.int16(300), np.int32(-70000), np.int64(2**62), np.uint8(7), np.uint64(2**63),
               np.float16(0.5), np.float32(0.25), np.float64(0.1), np.float64(-2.5e-7)]
    for value in scalars:
        plain = float(value) if isinstance(value, np.floating) else int(value)
        texts = []
        for v in (value, plain):
            b = LpBuilder()
            x, y = b.var("x"), b.var("y")
            b.minimize(v * x + y * v + v)
            b.add(x * v - v <= v)
            b.add({"x": v, "y": 1}, ">=", v)
            b.add(v >= y)  # numpy's own comparison defers to the expression
            texts.append(b.text())
        assert texts[0] == texts[1], value
    # Python ints underneath: no 64-bit wrap-around in the arithmetic.
    b = LpBuilder()
    big = b.var("x") * np.int64(2**62) * 4
    assert big.terms == {"x": 2**64} and type(big.terms["x"]) is int
    c = CpBuilder()
    c.var("a", np.int64(-5), np.uint16(9))
    c.le("a", "a", np.int32(0))
    c.linear({"a": np.int8(2)}, ">=", np.int64(3))
    assert c.solve().values == {"a": 2}
    for refused in (np.bool_(True), np.float64(np.nan), np.float32(np.inf)):
        with pytest.raises((TypeError, ValueError)):
            LpBuilder().minimize(refused)
    with pytest.raises(TypeError):
        CpBuilder().var("f", np.float64(1.0), 2)


@pytest.mark.parametrize(
    "value, text",
    [
        (Fraction(1, 8), "0.125"),
        (Fraction(-7, 4), "-1.75"),
        (Fraction(10, 5), "2.0"),
        (Fraction(123456789, 10**9), "0.123456789"),
        (Decimal("0.000000001"), "0.000000001"),
        (Decimal("-12.5"), "-12.5"),
        (Decimal("1E+3"), "1000.0"),
        (2**53, "9007199254740992"),
        (2**70, str(2**70)),
        (-(10**20), "-" + str(10**20)),
        (0.1, "0.1"),  # a float is written as repr shows it
        (1e-10, "0.0000000001"),  # ... and the reader rounds it to a multiple of 1e-9
    ],
)
def test_numbers_the_text_holds_are_written_as_they_are(value, text):
    assert lp_number(value) == text


@pytest.mark.parametrize(
    "value",
    [
        Fraction(1, 3),
        Fraction(1, 2 * 10**9),
        Decimal("0.1234567891"),
        2**53 + 1,  # read as the double 2**53
        10**30,
        Fraction(2**61 + 1, 2),  # its nearest doubles are integers
    ],
)
def test_numbers_the_text_cannot_hold_are_solved_exactly_and_not_written(value):
    b = LpBuilder()
    x = b.var("x")
    b.maximize(x)
    b.add(x <= value)
    answer = b.solve()
    assert answer.status == "OPTIMAL"
    assert answer.exact_values == {"x": Fraction(value)} and answer.exact_objective == Fraction(value)
    with pytest.raises(ValueError, match="cannot hold"):
        b.text()


@pytest.mark.parametrize("value", [Decimal("NaN"), Decimal("-Infinity"), float("nan"), float("-inf")])
def test_numbers_that_are_not_finite_are_refused(value):
    b = LpBuilder()
    x = b.var("x")
    for use in (lambda: b.add(x <= value), lambda: b.minimize(value * x), lambda: b.add({"x": 1}, "=", value),
                lambda: b.var("y", lb=value), lambda: b.var("z", ub=value)):
        with pytest.raises(ValueError):
            use()
    assert b.text() == "min 0*x0\n"


def test_exact_numbers_are_accepted_exactly_when_the_reader_gives_them_back():
    rng = random.Random(11)
    accepted = refused = 0
    for _ in range(3000):
        places = rng.randint(0, 12)
        value = Fraction(rng.randint(-(10**16), 10**16) // 10 ** rng.randint(0, 15), 10**places)
        if rng.random() < 0.2:
            value = Decimal(value.numerator) / Decimal(value.denominator)
        try:
            text = lp_number(value)
        except ValueError:
            refused += 1
            q = Fraction(value)
            # Refused only what no text holds: a step finer than 1e-9, or an
            # integer or a large value past the doubles' precision.
            assert (q * 10**9).denominator != 1 or abs(q) >= 10**6, value
            continue
        accepted += 1
        assert from_f64(parse_number(text)) == Fraction(value), (value, text)
    assert accepted > 1000 and refused > 500


def test_empty_lp_builder_answers_like_the_empty_text():
    assert LpBuilder().solve().raw == nemox.solve_lp_text("")


CP_NAMES = ["a", "b", "var", "x0", "1", "eq", "q-r", "Z", "allDiff"]


def random_cp(rng):
    names = rng.sample(CP_NAMES, rng.randint(1, 6))
    ranges = {v: sorted((rng.randint(-4, 6), rng.randint(-4, 6))) for v in names}
    cons = []
    for _ in range(rng.randint(0, 6)):
        kind = rng.choice(["eq", "neq", "lt", "le", "linear", "allDiff"])
        if kind == "linear":
            terms = [(rng.randint(-3, 3), rng.choice(names)) for _ in range(rng.randint(1, 3))]
            cons.append((kind, terms, rng.choice(["<=", "=", ">="]), rng.randint(-6, 6)))
        elif kind == "allDiff":
            cons.append((kind, rng.sample(names, min(len(names), rng.randint(2, 4)))))
        elif kind == "le":
            cons.append((kind, rng.choice(names), rng.choice(names), rng.randint(-2, 2)))
        else:
            cons.append((kind, rng.choice(names), rng.choice(names)))
    return names, ranges, cons


def cp_hand_text(names, ranges, cons):
    """The model in the CP text with the names as they are (none has a blank)."""
    rel = {"<=": "le", "=": "eq", ">=": "ge"}
    lines = [f"var {v} {ranges[v][0]} {ranges[v][1]}" for v in names]
    for kind, *args in cons:
        if kind == "linear":
            terms, r, rhs = args
            lines.append("linear " + " ".join(f"{c} {v}" for c, v in terms) + f" {rhs} {rel[r]}")
        elif kind == "allDiff":
            if len(args[0]) >= 2:
                lines.append("allDiff " + " ".join(args[0]))
        else:
            lines.append(" ".join([kind] + [str(a) for a in args]))
    return "\n".join(lines) + "\n"


def cp_holds(values, kind, *args):
    if kind == "eq":
        return values[args[0]] == values[args[1]]
    if kind == "neq":
        return values[args[0]] != values[args[1]]
    if kind == "lt":
        return values[args[0]] < values[args[1]]
    if kind == "le":
        return values[args[0]] <= values[args[1]] + args[2]
    if kind == "allDiff":
        return len({values[v] for v in args[0]}) == len(set(args[0]))
    terms, r, rhs = args
    total = sum(c * values[v] for c, v in terms)
    return {"<=": total <= rhs, "=": total == rhs, ">=": total >= rhs}[r]


@pytest.mark.parametrize("seed", range(4))
def test_random_named_cp_matches_the_text_with_names(seed):
    rng = random.Random(seed)
    statuses = set()
    for _ in range(150):
        names, ranges, cons = random_cp(rng)
        b = CpBuilder()
        for v in names:
            b.var(v, *ranges[v])
        for kind, *args in cons:
            if kind == "linear":
                terms, r, rhs = args
                b.linear(terms if rng.random() < 0.5 or len({v for _, v in terms}) < len(terms) else {v: c for c, v in terms}, r, rhs)
            elif kind == "allDiff":
                b.all_different(args[0])
            else:
                getattr(b, kind)(*args)
        answer = b.solve()
        expected = nemox.solve_cp_text(cp_hand_text(names, ranges, cons))
        assert answer.raw == expected
        statuses.add(answer.status)
        if answer.status == "SAT":
            assert answer.values == {v: expected["model"][f"x{i}"] for i, v in enumerate(names)}
            assert all(ranges[v][0] <= answer.values[v] <= ranges[v][1] for v in names)
            assert all(cp_holds(answer.values, *con) for con in cons)
        else:
            assert answer.values == {}
    assert statuses == {"SAT", "UNSAT"}


@pytest.mark.parametrize(
    "action, error",
    [
        (lambda b: b.var("a", 0, 1), ValueError),
        (lambda b: b.var("big", 0, 2**63), ValueError),
        (lambda b: b.var("f", 0.5, 2), TypeError),
        (lambda b: b.var("", 0, 2), ValueError),
        (lambda b: b.var("t", True, 2), TypeError),
        (lambda b: b.eq("a", "nobody"), KeyError),
        (lambda b: b.linear({}, "=", 0), ValueError),
        (lambda b: b.linear({"a": 1}, "<", 0), ValueError),
        (lambda b: b.le("a", "a", -(2**63) - 1), ValueError),
    ],
)
def test_cp_builder_refuses_what_it_cannot_write(action, error):
    b = CpBuilder()
    b.var("a", 0, 3)
    with pytest.raises(error):
        action(b)


def test_all_different_of_one_variable_constrains_nothing():
    b = CpBuilder()
    b.var("only", 2, 4)
    b.all_different(["only"])
    assert b.solve().values == {"only": 2}


@pytest.mark.parametrize("seed", range(4))
def test_random_named_cnf_matches_the_numbered_text(seed):
    rng = random.Random(seed)
    statuses = set()
    for _ in range(150):
        names = [f"v{k}" if rng.random() < 0.7 else rng.choice(NAMES) + str(k) for k in range(rng.randint(1, 12))]
        clauses = [
            [(rng.choice(names), rng.random() < 0.5) for _ in range(rng.randint(0 if rng.random() < 0.02 else 1, 3))]
            for _ in range(rng.randint(0, 3 * len(names)))
        ]
        b = CnfBuilder()
        lits = {v: b.var(v) for v in names}
        for clause in clauses:
            b.add_clause(*[(lits[v] if pos else ~lits[v]) if rng.random() < 0.8 or not pos else v for v, pos in clause])
        answer = b.solve()
        number = {v: i + 1 for i, v in enumerate(names)}
        text = f"p cnf {len(names)} {len(clauses)}\n" + "".join(
            " ".join(str(number[v] if pos else -number[v]) for v, pos in clause) + " 0\n" for clause in clauses
        )
        expected = nemox.solve_sat(text)
        assert answer.raw == expected
        statuses.add(answer.status)
        if answer.status == "SAT":
            assert answer.values == {names[int(k[1:])]: val for k, val in expected["model"].items()}
            # Variables the model leaves out may take either value.
            for clause in clauses:
                assert any(answer.values.get(v, pos) == pos for v, pos in clause)
    assert statuses == {"SAT", "UNSAT"}


@pytest.mark.parametrize(
    "action, error",
    [
        (lambda b: b.var("p"), ValueError),
        (lambda b: b.var(""), ValueError),
        (lambda b: b.add_clause("q"), KeyError),
        (lambda b: b.add_clause(1), TypeError),
    ],
)
def test_cnf_builder_refuses_unknown_literals(action, error):
    b = CnfBuilder()
    b.var("p")
    with pytest.raises(error):
        action(b)
