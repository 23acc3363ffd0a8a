"""A literal transcription of the LP road in Python's exact fractions.

Slow and obvious on purpose: the product is compared with it on random
problems. The options switch off the two guards the product adds to the
plain pivot rules, so that tests can show what the guards change.
"""
from __future__ import annotations

import math
import re
from fractions import Fraction
from pathlib import Path
from typing import Dict, List, Optional, Tuple

I64_MAX = 2**63 - 1
I64_MIN = -(2**63)

WHITE_SPACE = set(
    [chr(c) for c in range(0x09, 0x0E)]
    + [" ", "\x85", "\xa0", "\u1680"]
    + [chr(c) for c in range(0x2000, 0x200B)]
    + ["\u2028", "\u2029", "\u202f", "\u205f", "\u3000"]
)


def _load_alphabetic(path: Path) -> List[Tuple[int, int]]:
    # The committed ranges that the reader's table is generated from.
    if not path.is_file():
        raise FileNotFoundError(f"{path} is missing: the oracle cannot tell which characters are Alphabetic")
    ranges = []
    for line in path.read_text(encoding="utf-8").splitlines():
        if line.strip() and not line.startswith("#"):
            lo, hi = line.split("..")
            ranges.append((int(lo, 16), int(hi, 16)))
    if not ranges:
        raise ValueError(f"{path} holds no ranges")
    return ranges


ALPHABETIC = _load_alphabetic(Path(__file__).resolve().parents[2] / "data" / "unicode" / "alphabetic.txt")


def is_alphabetic(ch: str) -> bool:
    cp = ord(ch)
    if cp < 0x80:
        return ch.isascii() and ch.isalpha()
    return any(lo <= cp <= hi for lo, hi in ALPHABETIC)


def trim(s: str) -> str:
    b, e = 0, len(s)
    while b < e and s[b] in WHITE_SPACE:
        b += 1
    while e > b and s[e - 1] in WHITE_SPACE:
        e -= 1
    return s[b:e]


NUMBER = re.compile(r"[+-]?(?:(?i:inf|infinity|nan)|(?:[0-9]+\.?[0-9]*|\.[0-9]+)(?:[eE][+-]?[0-9]+)?)")


def parse_number(text: str) -> Optional[float]:
    """The number's double, or None for what is not a finite number."""
    if not NUMBER.fullmatch(text):
        return None
    value = float(text)
    return value if math.isfinite(value) else None


def saturate(v: float) -> int:
    if math.isnan(v):
        return 0
    if v >= 9223372036854775808.0:
        return I64_MAX
    if v < -9223372036854775808.0:
        return I64_MIN
    return int(v)


def round_half_away(x: float) -> float:
    if math.isnan(x) or math.isinf(x):
        return x
    ax = abs(x)
    f = math.floor(ax)
    r = f + 1 if ax - f >= 0.5 else f
    return math.copysign(r, x)


def from_f64(v: float) -> Fraction:
    """Nearest multiple of 1e-9; infinities and NaN saturate, and finite
    values beyond the 64-bit range are converted exactly."""
    if v == 0.0:
        return Fraction(0)
    if not math.isfinite(v):
        return Fraction(saturate(round_half_away(v * 1000000000.0)), 1000000000)
    if v - math.trunc(v) == 0.0:
        return Fraction(int(v))
    scaled = round_half_away(v * 1000000000.0)
    if -9223372036854775808.0 <= scaled < 9223372036854775808.0:
        return Fraction(int(scaled), 1000000000)
    exact = Fraction(v) * 1000000000
    whole = math.floor(abs(exact) + Fraction(1, 2))
    return Fraction(whole if exact > 0 else -whole, 1000000000)


def to_f64(q: Fraction) -> float:
    """Double division while both parts fit in 64 bits, beyond that the
    double nearest to the fraction (int / int rounds correctly)."""
    n, d = q.numerator, q.denominator
    if I64_MIN <= n <= I64_MAX and d <= I64_MAX:
        return float(n) / float(d)
    try:
        return n / d
    except OverflowError:
        return math.inf if n > 0 else -math.inf


class ParseError(Exception):
    pass


class System:
    def __init__(self) -> None:
        self.objective: Optional[Tuple[str, Dict[int, Fraction], Fraction]] = None
        self.next_var = 0
        self.integer: List[bool] = []
        self.constraints: List[Tuple[Dict[int, Fraction], Fraction, str]] = []

    def new_variable(self) -> int:
        self.next_var += 1
        self.integer.append(False)
        return self.next_var - 1


def get_var(name: str, system: System) -> int:
    name = trim(name)
    for v in range(system.next_var):
        if "x" + str(v) == name:
            return v
    return system.new_variable()


def add_expr(a, b):
    terms = dict(a[0])
    for v, c in b[0].items():
        terms[v] = terms.get(v, Fraction(0)) + c
    return ({v: c for v, c in sorted(terms.items()) if c != 0}, a[1] + b[1])


def parse_expr(text: str, system: System):
    text = trim(text)
    result = ({}, Fraction(0))
    if not text:
        return result
    tokens = []
    sign, cur = 1, ""
    for ch in text:
        if ch in " \t":
            if cur:
                cur += " "
        elif ch in "+-":
            if cur:
                tokens.append((sign, cur))
                cur = ""
            sign = 1 if ch == "+" else -1
        else:
            cur += ch
    if cur:
        tokens.append((sign, cur))
    for sign, tok in tokens:
        t = trim(tok)
        if not t:
            continue
        if "/" in t:
            num_s, den_s = t.split("/", 1)
            num = parse_number(trim(num_s))
            if num is None:
                raise ParseError("bad num in " + t)
            den = parse_number(trim(den_s))
            if den is None:
                raise ParseError("bad den in " + t)
            q = num / den if den != 0 else math.nan
            if not math.isfinite(q):
                raise ParseError("bad den in " + t)
            c = from_f64(q)
            if sign < 0:
                c = -c
            result = add_expr(result, ({}, c))
        elif "*" in t:
            coeff_s, name = t.split("*", 1)
            coeff = parse_number(trim(coeff_s))
            if coeff is None:
                raise ParseError("bad coeff in " + t)
            v = get_var(name, system)
            c = from_f64(coeff * sign)
            result = add_expr(result, ({v: c} if c != 0 else {}, Fraction(0)))
        elif any(is_alphabetic(ch) for ch in t):
            v = get_var(t, system)
            result = add_expr(result, ({v: Fraction(sign)}, Fraction(0)))
        else:
            value = parse_number(t)
            if value is None:
                raise ParseError("bad constant in " + t)
            result = add_expr(result, ({}, from_f64(sign * value)))
    return result


def split_lines(text: str) -> List[str]:
    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    return [ln[:-1] if ln.endswith("\r") else ln for ln in lines]


def parse(text: str) -> System:
    objective_line = None
    int_names: List[str] = []
    pending = []
    for number, raw in enumerate(split_lines(text), start=1):
        line = trim(raw)
        if not line or line[0] in "#c":
            continue
        if line == "end":
            break
        if line.startswith("min ") or line.startswith("max "):
            objective_line = ("min" if line[1] == "i" else "max", line[4:].rstrip(";"))
            continue
        if line.startswith("int "):
            int_names.append(trim(line[4:]))
            continue
        for op in ("<=", ">=", "="):
            if op in line:
                break
        else:
            raise ParseError(f"line {number}: bad syntax: {line}")
        left, right = line.split(op, 1)
        right = trim(trim(right).rstrip(";"))
        value = parse_number(right)
        if value is None:
            raise ParseError("bad number: " + right)
        pending.append((trim(left), op, value))
    system = System()
    if objective_line is not None:
        terms, const = parse_expr(objective_line[1], system)
        system.objective = (objective_line[0], terms, const)
    for name in int_names:
        for v in range(system.next_var):
            if "x" + str(v) == name:
                system.integer[v] = True
    for left, op, value in pending:
        terms, const = parse_expr(left, system)
        system.constraints.append((terms, const - from_f64(value), op))
    return system


def simplex(system: System, extra=(), protect_artificial: bool = True, guard_cycles: bool = True,
            max_pivots: Optional[int] = None, stats: Optional[dict] = None):
    """Returns ("OPTIMAL", values, objective), ("INFEASIBLE",) or ("UNBOUNDED",).

    With `stats`, counts "pivots" and notes in "bits" the widest numerator or
    denominator computed anywhere (for the benchmarks)."""
    widest = [0]

    def seen(q: Fraction) -> Fraction:
        if stats is not None:
            widest[0] = max(widest[0], abs(q.numerator).bit_length(), q.denominator.bit_length())
        return q

    n = system.next_var
    cons = list(system.constraints) + list(extra)
    m = len(cons)
    e = 0
    for terms, const, op in cons:
        e += 1 if op == "=" else 2 if (op == ">=" or -const < 0) else 1
    cols = n + e + 1
    rows = [[Fraction(0)] * cols for _ in range(m + 1)]
    basis: List[Optional[int]] = [None] * (m + 1)
    artificial: List[int] = []
    c = n
    for i, (terms, const, op) in enumerate(cons):
        r = i + 1
        b = -const
        flip = b < 0
        s = -1 if flip else 1
        rows[r][cols - 1] = abs(b)
        for v, a in terms.items():
            rows[r][v] = -a if flip else a
        if op == "<=" and not flip:
            rows[r][c] = Fraction(1)
            basis[r] = c
            c += 1
        elif op == "<=":
            rows[r][c] = Fraction(-1)
            rows[r][c + 1] = Fraction(1)
            artificial.append(c + 1)
            basis[r] = c + 1
            c += 2
        elif op == "=":
            rows[r][c] = Fraction(1)
            artificial.append(c)
            basis[r] = c
            c += 1
        else:
            rows[r][c] = Fraction(-s)
            rows[r][c + 1] = Fraction(1)
            artificial.append(c + 1)
            basis[r] = c + 1
            c += 2
    sense = None
    if system.objective is not None:
        sense, terms, k = system.objective
        for v, a in terms.items():
            rows[0][v] = -a if sense == "min" else a
        rows[0][cols - 1] = k if sense == "min" else -k
    pivots = [0]
    if stats is not None:
        stats["pivots"] = 0
        stats["bits"] = max([0] + [max(abs(x.numerator).bit_length(), x.denominator.bit_length())
                                   for row in rows for x in row])
        widest[0] = stats["bits"]

    def find_entering(excluded, bland):
        best = None
        for j in range(cols - 1):
            if j in excluded or rows[0][j] <= 0:
                continue
            if bland:
                return j
            if best is None or rows[0][j] > rows[0][best]:
                best = j
        return best

    def find_leaving(col, protect, bland):
        best, best_ratio = None, None
        for i in range(1, m + 1):
            a = rows[i][col]
            if a > 0:
                ratio = seen(rows[i][cols - 1] / a)
            elif a < 0 and protect and basis[i] in artificial:
                ratio = Fraction(0)
            else:
                continue
            if best is None or ratio < best_ratio or (bland and ratio == best_ratio and basis[i] < basis[best]):
                best, best_ratio = i, ratio
        return best

    def pivot(row, col):
        p = rows[row][col]
        assert p != 0
        rows[row] = [seen(x / p) for x in rows[row]]
        for i in range(m + 1):
            if i == row:
                continue
            f = rows[i][col]
            if f != 0:
                rows[i] = [seen(x - seen(f * y)) for x, y in zip(rows[i], rows[row])]
        basis[row] = col
        pivots[0] += 1
        if stats is not None:
            stats["pivots"] = pivots[0]
            stats["bits"] = widest[0]
        if max_pivots is not None and pivots[0] > max_pivots:
            raise RuntimeError("pivot limit")

    def phase(excluded, protect):
        bland = False
        seen = set()
        while True:
            col = find_entering(excluded, bland)
            if col is None:
                return True
            row = find_leaving(col, protect, bland)
            if row is None:
                return False
            degenerate = rows[row][cols - 1] == 0
            if not degenerate:
                seen = set()
            elif not seen:
                seen.add(tuple(basis[1:]))
            pivot(row, col)
            if guard_cycles and degenerate and not bland:
                key = tuple(basis[1:])
                if key in seen:
                    bland = True
                seen.add(key)

    if artificial:
        saved = list(rows[0])
        rows[0] = [Fraction(0)] * cols
        for a in artificial:
            rows[0][a] = Fraction(-1)
        for i in range(1, m + 1):
            if basis[i] in artificial:
                f = rows[0][basis[i]]
                rows[0] = [seen(x - seen(f * y)) for x, y in zip(rows[0], rows[i])]
        if not phase(set(), False):
            return ("INFEASIBLE",)
        if rows[0][cols - 1] != 0:
            return ("INFEASIBLE",)
        rows[0] = saved
        for i in range(1, m + 1):
            b = basis[i]
            if b is not None and rows[i][b] != 0 and rows[0][b] != 0:
                f = seen(rows[0][b] / rows[i][b])
                rows[0] = [seen(x - seen(f * y)) for x, y in zip(rows[0], rows[i])]
    if not phase(set(artificial), protect_artificial and bool(artificial)):
        return ("UNBOUNDED",)
    if stats is not None:
        stats["bits"] = widest[0]
    values = []
    for v in range(n):
        value = Fraction(0)
        for i in range(1, m + 1):
            if basis[i] == v:
                value = rows[i][cols - 1]
                break
        values.append(value)
    objective = Fraction(0)
    if sense is not None:
        objective = -rows[0][cols - 1] if sense == "max" else rows[0][cols - 1]
    return ("OPTIMAL", values, objective)


def value_of(q: Fraction):
    return q.numerator if q.denominator == 1 else to_f64(q)


def result_dict(outcome) -> dict:
    if outcome[0] != "OPTIMAL":
        return {"status": outcome[0]}
    _, values, objective = outcome
    return {
        "status": "OPTIMAL",
        "model": {f"x{v}": value_of(q) for v, q in enumerate(values)},
        "objective": to_f64(objective),
    }


def solve_lp_text(text: str, **options) -> dict:
    """Raises ParseError with the reader's message for malformed text."""
    system = parse(text)
    return result_dict(simplex(system, **options))
