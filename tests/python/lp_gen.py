"""Seeded random LP texts for the differential tests and the benchmarks."""
from __future__ import annotations

import random
from typing import List


def _number(rng: random.Random, kind: str) -> str:
    if kind == "int":
        return str(rng.randint(-9, 9))
    if kind == "dec2":
        return f"{rng.randint(-999, 999) / 100:.2f}"
    if kind == "dec9":
        return f"{rng.randint(-10**10, 10**10) / 10**9:.9f}"
    return str(rng.choice([0, 1, 2, 3, -1, -2, 0.5, 1.25, 7, 100]))


def _expr(rng: random.Random, n: int, kind: str, density: float) -> str:
    parts: List[str] = []
    for v in range(n):
        if rng.random() > density:
            continue
        c = _number(rng, kind)
        form = rng.random()
        if form < 0.15 and c in ("1", "-1"):
            parts.append(("- " if c == "-1" else "+ ") + f"x{v}")
        else:
            parts.append(f"+ {c}*x{v}")
    if not parts:
        parts.append(f"+ 1*x{rng.randrange(n)}")
    text = " ".join(parts)
    return text[2:] if text.startswith("+ ") else text


def random_lp(rng: random.Random, n: int, m: int, kind: str = "small", density: float = 0.7,
              objective: bool = True, ops=("<=", ">=", "=")) -> str:
    """n variables x0..x(n-1) named in order by the objective, m constraints."""
    lines = []
    if objective:
        terms = " + ".join(f"{_number(rng, kind)}*x{v}" for v in range(n))
        lines.append(f"{rng.choice(['min', 'max'])} {terms}")
    for _ in range(m):
        # Mostly <= with a non-negative right side, so that many are feasible.
        op = rng.choice(ops) if rng.random() < 0.4 else ops[0]
        rhs = _number(rng, kind)
        if rng.random() < 0.75:
            rhs = rhs.lstrip("-")
        lines.append(f"{_expr(rng, n, kind, density)} {op} {rhs}")
    return "\n".join(lines) + "\n"


def dense_lp(rng: random.Random, n: int, m: int, kind: str) -> str:
    """A dense maximisation, positive objective, rows mostly positive with a
    positive right side: the origin is feasible and an optimum usually exists."""
    def num(lo: int, hi: int) -> str:
        if kind == "int":
            return str(rng.randint(lo, hi))
        return f"{rng.randint(lo * 100, hi * 100) / 100:.2f}"

    lines = ["max " + " + ".join(f"{num(1, 9)}*x{v}" for v in range(n))]
    for _ in range(m):
        lines.append(" + ".join(f"{num(-3, 9)}*x{v}" for v in range(n)) + f" <= {num(1, 9)}")
    return "\n".join(lines) + "\n"
