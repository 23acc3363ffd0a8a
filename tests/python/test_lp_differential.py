"""The product against the literal transcription in exact fractions, on
thousands of seeded random problems: identical dictionaries, value types
included, also where the exact values leave the 64-bit range."""
import math
import random
import sys
from pathlib import Path

import pytest

import nemox

sys.path.insert(0, str(Path(__file__).parent))
import lp_gen  # noqa: E402
import lp_oracle  # noqa: E402


def outcome(text: str):
    try:
        return nemox.solve_lp_text(text)
    except ValueError as e:
        return ("error",) + e.args


def expected(text: str):
    try:
        return lp_oracle.solve_lp_text(text)
    except lp_oracle.ParseError as e:
        return ("error",) + e.args


def same(a, b) -> bool:
    if isinstance(a, tuple) or isinstance(b, tuple):
        return a == b
    if list(a.items()) != list(b.items()):
        return False
    return all(type(a["model"][k]) is type(b["model"][k]) for k in a.get("model", {}))


@pytest.mark.parametrize("seed", range(12))
def test_random_problems(seed: int) -> None:
    rng = random.Random(seed)
    statuses = set()
    for _ in range(250):
        n, m = rng.randint(2, 8), rng.randint(2, 8)
        kind = rng.choice(["small", "int", "dec2", "dec9"])
        text = lp_gen.random_lp(rng, n, m, kind, density=rng.choice([0.3, 0.6, 1.0]),
                                objective=rng.random() < 0.85)
        want, got = expected(text), outcome(text)
        assert same(want, got), text
        statuses.add(want["status"])
    assert statuses == {"OPTIMAL", "INFEASIBLE", "UNBOUNDED"}


@pytest.mark.parametrize("seed", range(4))
def test_problems_beyond_64_bits(seed: int) -> None:
    # Dense data where most exact values outgrow 64 bits.
    rng = random.Random(1000 + seed)
    beyond = 0
    for _ in range(40):
        n = rng.randint(4, 8)
        text = lp_gen.random_lp(rng, n, n, rng.choice(["dec2", "dec9", "int"]), density=1.0)
        want, got = expected(text), outcome(text)
        assert same(want, got), text
        system = lp_oracle.parse(text)
        result = lp_oracle.simplex(system)
        if result[0] == "OPTIMAL":
            beyond += any(max(abs(q.numerator), q.denominator) >= 2**63 for q in result[1] + [result[2]])
    assert beyond > 0


def chain(coefficients) -> str:
    """max x0 with x0 <= 1 and x(i+1) = c_i * x(i): x(k) is the product of the first k."""
    return "max x0\nx0 <= 1\n" + "".join(f"x{i + 1} - {c}*x{i} = 0\n" for i, c in enumerate(coefficients))


def assert_exact_and_finite(text: str) -> dict:
    system = lp_oracle.parse(text)
    status, values, objective = lp_oracle.simplex(system)
    got = nemox.solve_lp_text(text)
    assert got == lp_oracle.result_dict((status, values, objective))
    for q, (key, value) in zip(values, got["model"].items()):
        if q.denominator == 1:
            assert type(value) is int and value == q, key
        else:
            # int / int is the double nearest to the fraction.
            assert type(value) is float and math.isfinite(value) and value == q.numerator / q.denominator, key
    return got


@pytest.mark.parametrize("seed", range(6))
def test_chains_beyond_the_double_range(seed: int) -> None:
    # Nine-decimal factors: numerators and denominators of the products pass
    # 2^1024 long before the values do; tiny factors reach the subnormal
    # doubles and below.
    rng = random.Random(seed)
    factors = [f"{rng.randint(1, 10**9 - 1) / 10**9:.9f}" for _ in range(rng.randint(36, 48))]
    if seed % 2:
        factors[:34] = ["0.000000001"] * 34 + [f"{rng.randint(1, 9) / 10:.9f}"] * (seed % 4)
    got = assert_exact_and_finite(chain(factors))
    assert got["status"] == "OPTIMAL"


def test_stated_chain_and_integers_of_any_size() -> None:
    got = assert_exact_and_finite(chain(["0.777777777"] * 40))
    assert got["model"]["x40"] == 4.3074595282728473e-05
    # The factor reads as the double 2^63, so x(k) = 2^(63 k); 2^15120 has
    # 4552 decimal digits, beyond the limit of int(str).
    got = nemox.solve_lp_text(chain(["9223372036854775807"] * 240))
    assert got == {"status": "OPTIMAL", "model": {f"x{k}": 2 ** (63 * k) for k in range(241)}, "objective": 1.0}


def test_dense_nine_decimal_problem_beyond_the_double_range() -> None:
    # Exact values of 1199 bits at the optimum: once 34 of them came back NaN.
    text = lp_gen.random_lp(random.Random(3), 60, 60, "dec9", density=1.0, ops=("<=", ">="))
    got = assert_exact_and_finite(text)
    assert math.isfinite(got["objective"])


@pytest.mark.parametrize("seed", range(3))
def test_mangled_texts(seed: int) -> None:
    # Random edits of valid texts: messages must match too.
    rng = random.Random(500 + seed)
    pieces = ["<=", ">=", "=", "*", "/", "+", "-", ";", " ", "\t", ".", "e", "x1", "1", "0", "#",
              "c", "\n", "int x0\n", "end\n", "min ", "max ", "1/0", "nan", "\u00e9", "\u00a0", "<"]
    for _ in range(300):
        text = list(lp_gen.random_lp(rng, rng.randint(1, 4), rng.randint(1, 4), "small"))
        for _ in range(rng.randint(1, 4)):
            pos = rng.randrange(len(text) + 1)
            if rng.random() < 0.5 and pos < len(text):
                del text[pos]
            else:
                text.insert(pos, rng.choice(pieces))
        mangled = "".join(text)
        assert same(expected(mangled), outcome(mangled)), repr(mangled)
