"""Finite-domain integer problems over named variables.

Answers of the module are keyed by declaration position; the builder
declares the caller's variables in order and maps the keys back.
"""

from __future__ import annotations

from dataclasses import dataclass, field
from typing import Dict, Iterable, Iterator, List, Literal, Mapping, Optional, Sequence, Tuple, Union, cast

from . import _enumerate, _native
from ._limits import Deadline
from ._names import Registry
from ._numbers import INT64_MAX, INT64_MIN, cp_integer

LinearRel = Literal["<=", "=", ">="]
CpStatus = Literal["SAT", "UNSAT", "OPTIMAL", "FEASIBLE"]
_REL = {"<=": "le", "=": "eq", ">=": "ge"}


@dataclass(frozen=True)
class CpAnswer:
    """The module's answer with the model keyed by the caller's names; with
    an objective, OPTIMAL or (cut short by the time limit) FEASIBLE, and the
    objective's value at `values`."""

    status: CpStatus
    values: Dict[str, int]
    raw: Dict[str, object] = field(repr=False)
    objective: Optional[int] = None


class CpBuilder(Registry):
    """Collects integer variables and the six kinds of constraint; writes CP text."""

    def __init__(self) -> None:
        super().__init__()
        self._lines: List[str] = []
        self._ranges: List[Tuple[int, int]] = []
        self._goal: Optional[Tuple[Literal["min", "max"], List[Tuple[int, int]]]] = None

    def var(self, name: str, lo: int, hi: int) -> str:
        """Declares an integer variable ranging over lo..hi (inclusive)."""
        low, high = cp_integer(lo, "lower bound"), cp_integer(hi, "upper bound")
        position = len(self._names)
        self._declare(name)
        self._lines.append(f"var x{position} {low} {high}")
        self._ranges.append((int(low), int(high)))
        return name

    def eq(self, a: str, b: str) -> None:
        """a = b"""
        self._lines.append(f"eq {self._ref(a)} {self._ref(b)}")

    def neq(self, a: str, b: str) -> None:
        """a != b"""
        self._lines.append(f"neq {self._ref(a)} {self._ref(b)}")

    def lt(self, a: str, b: str) -> None:
        """a < b"""
        self._lines.append(f"lt {self._ref(a)} {self._ref(b)}")

    def le(self, a: str, b: str, c: int = 0) -> None:
        """a <= b + c"""
        self._lines.append(f"le {self._ref(a)} {self._ref(b)} {cp_integer(c, 'offset')}")

    def linear(
        self,
        terms: Union[Mapping[str, int], Iterable[Tuple[int, str]]],
        relation: LinearRel,
        rhs: int,
    ) -> None:
        """sum(coeff * var) relation rhs; terms as {name: coeff} or (coeff, name) pairs."""
        pairs = self._pairs(terms)
        if relation not in _REL:
            raise ValueError(f"relation must be '<=', '=' or '>=', got {relation!r}")
        self._lines.append(f"{self._sum(pairs)} {cp_integer(rhs, 'right-hand side')} {_REL[relation]}")

    def all_different(self, names: Sequence[str]) -> None:
        """Pairwise distinct values; fewer than two variables constrain nothing."""
        refs = [self._ref(n) for n in names]
        if len(refs) >= 2:
            self._lines.append("allDiff " + " ".join(refs))

    def minimize(self, terms: Union[Mapping[str, int], Iterable[Tuple[int, str]]]) -> None:
        """solve() then finds the least sum(coeff * var), as `linear`'s terms."""
        self._goal = ("min", [(int(cp_integer(c, "coefficient")), self._position(n)) for c, n in self._pairs(terms)])

    def maximize(self, terms: Union[Mapping[str, int], Iterable[Tuple[int, str]]]) -> None:
        """solve() then finds the greatest sum(coeff * var), as `linear`'s terms."""
        self._goal = ("max", [(int(cp_integer(c, "coefficient")), self._position(n)) for c, n in self._pairs(terms)])

    def text(self) -> str:
        """The constraints as CP text (the objective is not part of it)."""
        return "".join(line + "\n" for line in self._lines)

    def solve(self, *, time_limit: Optional[float] = None) -> CpAnswer:
        """The module's answer, or with an objective the optimum. TimeoutError
        when the time limit ends the search before any solution."""
        deadline = Deadline(time_limit)
        if self._goal is None:
            return self._answer(_native.solve_cp(self.text(), deadline.remaining()))
        return self._optimise(deadline, *self._goal)

    def solutions(self, limit: Optional[int] = None, *, time_limit: Optional[float] = None) -> Iterator[Dict[str, int]]:
        """Every solution of the constraints exactly once (at most `limit`;
        the objective plays no part), the first one `solve()`'s without an
        objective. TimeoutError when the time limit (for the whole
        iteration) ends it."""
        found: Iterator[Dict[str, int]] = _enumerate.models(_native.cp_solutions(self.text()), limit, time_limit)
        return (self._by_name(model) for model in found)

    def _optimise(self, deadline: Deadline, sense: str, goal: List[Tuple[int, int]]) -> CpAnswer:
        """Successive solves, each asking for a strictly better objective than
        the last solution's; the last solution is optimal once none exists."""
        low, high = self._goal_range(goal)
        if low < INT64_MIN or high > INT64_MAX:
            raise ValueError(
                "the objective's range over the variables' bounds leaves the signed 64-bit range, "
                "which a CP constraint on it cannot express"
            )
        terms = " ".join(f"{c} x{v}" for c, v in goal)
        text = self.text()
        best: Optional[CpAnswer] = None
        while True:
            bound = ""
            if best is not None:
                assert best.objective is not None
                target = best.objective - 1 if sense == "min" else best.objective + 1
                if not low <= target <= high:  # nothing better within the bounds
                    return CpAnswer("OPTIMAL", best.values, best.raw, best.objective)
                bound = f"linear {terms} {target} {'le' if sense == 'min' else 'ge'}\n"
            try:
                raw = _native.solve_cp(text + bound, deadline.remaining())
            except TimeoutError:
                if best is None:
                    raise
                return CpAnswer("FEASIBLE", best.values, best.raw, best.objective)
            if raw["status"] != "SAT":
                if best is None:
                    return self._answer(raw)
                return CpAnswer("OPTIMAL", best.values, best.raw, best.objective)
            answer = self._answer(raw)
            value = sum(c * answer.values[self._names[v]] for c, v in goal)
            best = CpAnswer("FEASIBLE", answer.values, answer.raw, value)

    def _goal_range(self, goal: List[Tuple[int, int]]) -> Tuple[int, int]:
        low = high = 0
        for c, v in goal:
            lo, hi = self._ranges[v]
            low += min(c * lo, c * hi)
            high += max(c * lo, c * hi)
        return low, high

    def _answer(self, raw: Dict[str, object]) -> CpAnswer:
        values = self._by_name(cast(Dict[str, int], raw.get("model", {})))
        return CpAnswer(cast(CpStatus, raw["status"]), values, dict(raw))

    def _pairs(self, terms: Union[Mapping[str, int], Iterable[Tuple[int, str]]]) -> List[Tuple[int, str]]:
        pairs = [(c, n) for n, c in terms.items()] if isinstance(terms, Mapping) else list(terms)
        if not pairs:
            raise ValueError("a linear constraint needs at least one term")
        return pairs

    def _sum(self, pairs: List[Tuple[int, str]]) -> str:
        body = " ".join(f"{cp_integer(c, 'coefficient')} {self._ref(n)}" for c, n in pairs)
        return f"linear {body}"

    def _ref(self, name: str) -> str:
        return f"x{self._position(name)}"
