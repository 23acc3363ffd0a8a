"""The builders' own answers, each checked independently of the solver:
bounds and exact numbers against brute force over integer boxes, every
enumeration against brute force, CP optima against brute force, and the
defaults against the module on the same model."""

import itertools
import random
from decimal import Decimal
from fractions import Fraction

import pytest

import nemox
from nemox_builders import CnfBuilder, CpBuilder, LpBuilder
from test_builders import cp_holds, random_cp


def one_variable(lb, ub, integer, sense):
    b = LpBuilder()
    x = b.var("x", lb=lb, ub=ub, integer=integer)
    (b.maximize if sense == "max" else b.minimize)(x)
    return b


@pytest.mark.parametrize(
    "lb, ub, integer, sense, status, optimum",
    [
        (0, None, False, "min", "OPTIMAL", Fraction(0)),
        (None, 5, False, "max", "OPTIMAL", Fraction(5)),
        (None, 5, False, "min", "UNBOUNDED", None),
        (None, Fraction(9, 2), True, "max", "OPTIMAL", Fraction(4)),
        (-3, None, False, "min", "OPTIMAL", Fraction(-3)),
        (Fraction(-5, 2), None, False, "min", "OPTIMAL", Fraction(-5, 2)),
        (Fraction(-5, 2), None, True, "min", "OPTIMAL", Fraction(-2)),
        (-3, Fraction(-1, 2), True, "max", "OPTIMAL", Fraction(-1)),
        (Fraction(1, 3), Fraction(2, 3), False, "max", "OPTIMAL", Fraction(2, 3)),
        (Fraction(1, 3), Fraction(2, 3), True, "max", "INFEASIBLE", None),
        (2, 1, False, "max", "INFEASIBLE", None),
        (Decimal("-1.5"), Decimal("7.25"), False, "max", "OPTIMAL", Fraction(29, 4)),
        (-(2**70), None, False, "min", "OPTIMAL", Fraction(-(2**70))),
    ],
)
def test_bounds_of_one_variable(lb, ub, integer, sense, status, optimum):
    answer = one_variable(lb, ub, integer, sense).solve_milp()
    assert answer.status == status
    if optimum is None:
        assert answer.exact_values == {} and answer.objective is None
    else:
        assert answer.exact_values == {"x": optimum} and answer.exact_objective == optimum
        assert answer.values["x"] == (optimum if optimum.denominator == 1 else float(optimum))
        assert answer.objective == float(optimum)


def random_boxed_milp(rng):
    """Integer variables in small boxes that reach below zero, given as bounds
    or as constraints; random rows with exact fractional data."""
    n = rng.randint(1, 3)
    b = LpBuilder()
    box = []
    for i in range(n):
        lo = rng.randint(-4, 2)
        hi = lo + rng.randint(0, 4)
        if rng.random() < 0.3:
            x = b.var(f"v{i}", lb=lo - rng.randint(0, 3), integer=True)
            b.add(x >= lo)
            b.add(x <= hi, f"hi{i}")
            box.append(range(lo, hi + 1))
        else:
            above = rng.randint(0, 2)  # a fractional bound: the next integer up
            b.var(f"v{i}", lb=lo + Fraction(above, 3), ub=hi, integer=True)
            box.append(range(lo + (above > 0), hi + 1))
    coeff = lambda: Fraction(rng.randint(-9, 9), rng.choice([1, 2, 3, 7]))  # noqa: E731
    rows = []
    for _ in range(rng.randint(0, 3)):
        terms = {f"v{i}": coeff() for i in range(n)}
        rel, rhs = rng.choice(["<=", ">=", "="]), coeff()
        b.add(terms, rel, rhs)
        rows.append((terms, rel, rhs))
    objective = {f"v{i}": coeff() for i in range(n)}
    sense = rng.choice(["min", "max"])
    (b.minimize if sense == "min" else b.maximize)(objective)
    return b, box, rows, objective, sense


def holds(value, rel, rhs):
    return {"<=": value <= rhs, ">=": value >= rhs, "=": value == rhs}[rel]


@pytest.mark.parametrize("seed", range(4))
def test_bounded_milp_optimum_is_the_brute_force_one(seed):
    rng = random.Random(seed)
    statuses = set()
    for _ in range(80):
        b, box, rows, objective, sense = random_boxed_milp(rng)
        best = None
        for point in itertools.product(*box):
            x = {f"v{i}": v for i, v in enumerate(point)}
            if all(holds(sum(c * x[n] for n, c in t.items()), rel, rhs) for t, rel, rhs in rows):
                value = sum(c * x[n] for n, c in objective.items())
                if best is None or (value < best if sense == "min" else value > best):
                    best = value
        answer = b.solve_milp(node_limit=10**6)
        statuses.add(answer.status)
        if best is None:
            assert answer.status == "INFEASIBLE"
            continue
        assert answer.status == "OPTIMAL"
        assert answer.exact_objective == best
        x = answer.exact_values
        assert all(v.denominator == 1 and v in box[i] for i, v in enumerate(x.values()))
        assert all(holds(sum(c * x[n] for n, c in t.items()), rel, rhs) for t, rel, rhs in rows)
    assert statuses == {"OPTIMAL", "INFEASIBLE"}


def test_exact_numbers_in_and_out():
    b = LpBuilder()
    x, y = b.var("x"), b.var("y")
    b.maximize(x + y)
    b.add(3 * x + Fraction(1, 7) * y <= 1)
    b.add(y <= Decimal("0.1"))
    b.add(x - 2**80 * y <= 0)
    answer = b.solve()
    assert answer.exact_values == {"x": Fraction(1, 3) - Fraction(1, 210), "y": Fraction(1, 10)}
    assert answer.exact_objective == Fraction(1, 3) - Fraction(1, 210) + Fraction(1, 10)
    assert answer.values == {"x": float(answer.exact_values["x"]), "y": 0.1}
    # A float is taken as the LP text reads it: 0.1 is 1/10, not the double.
    f = LpBuilder()
    z = f.var("z")
    f.maximize(z)
    f.add(z <= 0.1)
    f.add(z <= 1e-10 + 5)
    assert f.solve().exact_values == {"z": Fraction(1, 10)}


def test_numpy_scalars_are_exact_numbers():
    np = __import__("numpy")  # installed by the test command; missing it is a failure
    b = LpBuilder()
    x = b.var("x", lb=np.int64(-(2**63)), ub=np.float32(0.25))
    b.minimize(np.int8(3) * x * np.uint64(2**63))
    answer = b.solve()
    assert answer.exact_values == {"x": -(2**63)} and answer.exact_objective == -3 * 2**126


def knapsack():
    b = LpBuilder()
    xs = [b.var(f"i{i}", integer=True) for i in range(6)]
    b.maximize(sum(xs))
    b.add(sum(2 * x for x in xs) <= 11)
    return b


@pytest.mark.parametrize(
    "node_limit, status, objective, bound",
    [
        (0, "UNKNOWN (resource limit)", None, None),
        (1000, "FEASIBLE", 5.0, 5.5),
        (10**6, "OPTIMAL", 5.0, 5.0),
    ],
)
def test_node_limit_and_the_incumbent_with_its_bound(node_limit, status, objective, bound):
    answer = knapsack().solve_milp(node_limit=node_limit)
    assert (answer.status, answer.objective, answer.bound) == (status, objective, bound)
    if objective is not None:
        assert answer.exact_objective == 5 == sum(answer.exact_values.values())
        assert sum(2 * v for v in answer.values.values()) <= 11
    if node_limit == 1000:  # the default is the module's search
        assert answer.raw == nemox.solve_milp_text(knapsack().text())
        assert knapsack().solve_milp().raw == answer.raw


def test_named_constraints_and_their_keys():
    b = LpBuilder()
    x = b.var("x")
    b.add(x <= 4, "cap")
    b.add(x >= 1)
    b.add({"x": 1}, "<=", 3, name="tight")
    with pytest.raises(ValueError, match="twice"):
        b.add(x <= 5, "cap")
    with pytest.raises(TypeError):
        b.add(x <= 5, name="")
    assert b.text() == "min 0*x0\nx0 <= 4\nx0 >= 1\nx0 <= 3\n"


def queens(n):
    m = CpBuilder()
    for i in range(n):
        m.var(f"q{i}", 0, n - 1)
        m.var(f"u{i}", -n, 2 * n)
        m.var(f"d{i}", -n, 2 * n)
        m.linear({f"u{i}": 1, f"q{i}": -1}, "=", i)
        m.linear({f"d{i}": 1, f"q{i}": -1}, "=", -i)
    for kind in "qud":
        m.all_different([f"{kind}{i}" for i in range(n)])
    return m


@pytest.mark.parametrize("n, count", [(1, 1), (3, 0), (6, 4), (8, 92)])
def test_queens_solutions_each_once(n, count):
    m = queens(n)
    found = [tuple(s[f"q{i}"] for i in range(n)) for s in m.solutions()]
    assert len(found) == len(set(found)) == count
    for rows in found:
        assert len({r + i for i, r in enumerate(rows)}) == len({r - i for i, r in enumerate(rows)}) == n
    if count:
        assert next(m.solutions()) == m.solve().values
    assert len(list(m.solutions(limit=3))) == min(3, count)
    assert list(m.solutions(limit=0)) == []


@pytest.mark.parametrize("seed", range(3))
def test_cp_solutions_are_the_brute_force_ones(seed):
    rng = random.Random(100 + seed)
    for _ in range(60):
        names, ranges, cons = random_cp(rng)
        m = CpBuilder()
        for v in names:
            m.var(v, *ranges[v])
        for kind, *args in cons:
            if kind == "allDiff":
                m.all_different(args[0])
            elif kind == "linear":
                m.linear(args[0], args[1], args[2])
            else:
                getattr(m, kind)(*args)
        expected = set()
        for point in itertools.product(*(range(ranges[v][0], ranges[v][1] + 1) for v in names)):
            values = dict(zip(names, point))
            if all(cp_holds(values, kind, *args) for kind, *args in cons):
                expected.add(point)
        found = [tuple(s[v] for v in names) for s in m.solutions()]
        assert len(found) == len(set(found)) and set(found) == expected
        if found:
            assert found[0] == tuple(m.solve().values[v] for v in names)


def random_cnf(rng):
    f = CnfBuilder()
    n = rng.randint(1, 7)
    lits = [f.var(f"p{i}") for i in range(n)]
    clauses = []
    for _ in range(rng.randint(0, 12)):
        clause = [lit if rng.random() < 0.5 else ~lit for lit in rng.sample(lits, rng.randint(1, min(3, n)))]
        f.add_clause(*clause)
        clauses.append(clause)
    return f, clauses


@pytest.mark.parametrize("seed", range(3))
def test_cnf_solutions_are_the_brute_force_ones(seed):
    rng = random.Random(200 + seed)
    for _ in range(80):
        f, clauses = random_cnf(rng)
        first = f.solve()
        reported = sorted(first.values, key=f.names.index) if first.status == "SAT" else None
        found = [tuple(s[v] for v in s) for s in f.solutions()]
        if reported is None:
            assert found == []
            continue
        expected = set()
        for point in itertools.product([False, True], repeat=len(reported)):
            values = dict(zip(reported, point))
            if all(any(values[lit.name] == lit.positive for lit in clause) for clause in clauses):
                expected.add(point)
        assert len(found) == len(set(found)) and set(found) == expected
        assert next(f.solutions()) == first.values


def test_cnf_solutions_of_a_formula_with_no_clause_and_an_empty_clause():
    f = CnfBuilder()
    f.var("a")
    assert list(f.solutions()) == [f.solve().values]
    f.add_clause()
    assert list(f.solutions()) == [] and f.solve().status == "UNSAT"


@pytest.mark.parametrize("seed", range(3))
def test_cp_optimum_is_the_brute_force_one(seed):
    rng = random.Random(300 + seed)
    seen = set()
    for _ in range(60):
        names, ranges, cons = random_cp(rng)
        m = CpBuilder()
        for v in names:
            m.var(v, *ranges[v])
        for kind, *args in cons:
            if kind == "allDiff":
                m.all_different(args[0])
            elif kind == "linear":
                m.linear(args[0], args[1], args[2])
            else:
                getattr(m, kind)(*args)
        goal = [(rng.randint(-4, 4), rng.choice(names)) for _ in range(rng.randint(1, 3))]
        sense = rng.choice(["min", "max"])
        (m.minimize if sense == "min" else m.maximize)(goal)
        values = []
        for point in itertools.product(*(range(ranges[v][0], ranges[v][1] + 1) for v in names)):
            x = dict(zip(names, point))
            if all(cp_holds(x, kind, *args) for kind, *args in cons):
                values.append(sum(c * x[n] for c, n in goal))
        answer = m.solve()
        seen.add(answer.status)
        if not values:
            assert answer.status == "UNSAT" and answer.objective is None
            continue
        assert answer.status == "OPTIMAL"
        assert answer.objective == (min(values) if sense == "min" else max(values))
        assert answer.objective == sum(c * answer.values[n] for c, n in goal)
        assert all(cp_holds(answer.values, kind, *args) for kind, *args in cons)
    assert seen == {"OPTIMAL", "UNSAT"}


def test_cp_objective_beyond_64_bits_is_refused():
    m = CpBuilder()
    m.var("a", 0, 2**62)
    m.maximize({"a": 4})
    with pytest.raises(ValueError, match="64-bit"):
        m.solve()


@pytest.mark.parametrize(
    "call",
    [
        lambda: LpBuilder().solve(time_limit=-1),
        lambda: LpBuilder().solve(time_limit=float("nan")),
        lambda: LpBuilder().solve_milp(node_limit=-1),
        lambda: CnfBuilder().solutions(limit=-2),
        lambda: CpBuilder().solve(time_limit="1"),
    ],
)
def test_limits_refuse_what_is_no_limit(call):
    with pytest.raises((TypeError, ValueError)):
        call()


def test_type_check_of_the_builders_answers(tmp_path):
    from test_module import run_mypy

    out = run_mypy(
        tmp_path,
        """
        from fractions import Fraction
        from typing import Dict, Iterator, Optional
        from nemox_builders import CnfBuilder, CpBuilder, LpBuilder

        b = LpBuilder()
        x = b.var("x", lb=None, ub=Fraction(1, 3), integer=True)
        b.add(x >= -1, "low")
        a = b.solve_milp(time_limit=1.5, node_limit=10)
        exact: Optional[Fraction] = a.exact_objective
        values: Dict[str, Fraction] = a.exact_values
        bound: Optional[float] = a.bound
        sols: Iterator[Dict[str, bool]] = CnfBuilder().solutions(limit=3)
        c = CpBuilder()
        c.maximize({"y": 2})
        best: Optional[int] = c.solve(time_limit=None).objective
        if a.status == "OPTMAL":
            pass
        """,
    )
    # Exactly the misspelt status is reported: the statuses are typed as literals.
    assert "Found 1 error" in out, out
    assert "Non-overlapping equality check" in out and "OPTMAL" in out


def random_certified_lp(rng):
    """Non-negative variables, some with an upper bound (a row of its own),
    random exact rows; a mix of optimal, infeasible and unbounded models."""
    n = rng.randint(1, 4)
    b = LpBuilder()
    ubs = {}
    for i in range(n):
        ub = rng.choice([None, None, rng.randint(0, 6)])
        b.var(f"v{i}", ub=ub)
        if ub is not None:
            ubs[f"v{i}"] = ub
    coeff = lambda: Fraction(rng.randint(-6, 6), rng.choice([1, 2, 5]))  # noqa: E731
    rows = {}
    for k in range(rng.randint(1, 5)):
        terms = {f"v{i}": coeff() for i in range(n)}
        rel, rhs = rng.choice(["<=", ">=", "="]), coeff()
        name = f"r{k}" if rng.random() < 0.5 else None
        b.add(terms, rel, rhs, name=name)
        rows[name if name is not None else k] = (terms, rel, rhs)
    for name, ub in ubs.items():
        rows[("ub", name)] = ({name: 1}, "<=", ub)
    objective = {f"v{i}": coeff() for i in range(n)}
    sense = rng.choice(["min", "max"])
    (b.minimize if sense == "min" else b.maximize)(objective)
    return b, [f"v{i}" for i in range(n)], rows, objective, sense


def sign_allowed(y, rel, maximise):
    """The sign a multiplier may take on its row: maximising (and for Farkas
    multipliers) >= 0 on "<=" and <= 0 on ">=", minimising the reverse."""
    if rel == "=":
        return True
    return y >= 0 if (rel == "<=") == maximise else y <= 0


@pytest.mark.parametrize("seed", range(4))
def test_duals_prove_optimality_and_farkas_multipliers_prove_infeasibility(seed):
    rng = random.Random(400 + seed)
    seen = set()
    for _ in range(80):
        b, names, rows, objective, sense = random_certified_lp(rng)
        answer = b.solve()
        seen.add(answer.status)
        if answer.status == "OPTIMAL":
            y = answer.duals
            assert answer.farkas is None and set(y) == set(rows)
            maximise = sense == "max"
            assert all(sign_allowed(y[k], rel, maximise) for k, (_, rel, _) in rows.items())
            # Reduced costs c - sum y_i a_i: <= 0 maximising, >= 0 minimising.
            for v in names:
                reduced = objective.get(v, 0) - sum(y[k] * t.get(v, 0) for k, (t, _, _) in rows.items())
                assert reduced <= 0 if maximise else reduced >= 0, (v, reduced)
            # Strong duality: the primal optimum equals the dual objective.
            assert answer.exact_objective == sum(y[k] * rhs for k, (_, _, rhs) in rows.items())
        elif answer.status == "INFEASIBLE":
            y = answer.farkas
            assert answer.duals is None and set(y) == set(rows)
            assert all(sign_allowed(y[k], rel, True) for k, (_, rel, _) in rows.items())
            for v in names:
                assert sum(y[k] * t.get(v, 0) for k, (t, _, _) in rows.items()) >= 0
            assert sum(y[k] * rhs for k, (_, _, rhs) in rows.items()) < 0
        else:
            assert answer.duals is None and answer.farkas is None
    assert {"OPTIMAL", "INFEASIBLE", "UNBOUNDED"} <= seen


def test_a_milp_answer_has_no_multipliers():
    answer = knapsack().solve_milp(node_limit=10**6)
    assert answer.status == "OPTIMAL" and answer.duals is None and answer.farkas is None


def test_every_change_after_a_solve_is_in_the_next_solve():
    b = LpBuilder()
    x = b.var("x")
    b.maximize(x)
    b.add(x <= 4)
    steps = [b.solve().exact_objective]
    b.add(x <= 3)
    steps.append(b.solve().exact_objective)
    b.var("y", ub=Fraction(1, 2))
    b.maximize({"x": 1, "y": 1})
    steps.append(b.solve().exact_objective)
    b.minimize({"x": 1, "y": -1})
    steps.append(b.solve().exact_objective)
    assert steps == [4, 3, Fraction(7, 2), Fraction(-1, 2)]


@pytest.mark.parametrize("model", ["1 sideways 0 0 0 1 0", "2 min 0 1 7 1 1 0 1 0"])
def test_the_packages_internal_failure_is_the_modules_exception(model):
    # A model only the package writes, broken: a sense that does not exist,
    # a column beyond the model's.
    from nemox_builders import _native

    with pytest.raises(nemox.InternalError, match="exact model"):
        _native.solve_lp(model, False, -1.0, 0)
