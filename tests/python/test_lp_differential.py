"""The product against the literal transcription in exact fractions, on
thousands of seeded random problems: identical dictionaries, value types
included, also where the exact values leave the 64-bit range."""
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
