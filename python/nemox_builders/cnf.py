"""Boolean formulas in conjunctive normal form over named variables.

Variable i of the builder is DIMACS variable i + 1 and the module's key
x{i}. The module reports only variables up to the largest one that a
clause mentions; a variable that no clause mentions may be missing from
the answer, and any value of it satisfies the formula.
"""

from __future__ import annotations

from dataclasses import dataclass, field
from typing import Dict, Iterator, List, Literal, Optional, Union, cast

from . import _enumerate, _native
from ._limits import Deadline
from ._names import Registry

SatStatus = Literal["SAT", "UNSAT"]


@dataclass(frozen=True)
class Lit:
    """A variable or its negation (~lit)."""

    name: str
    positive: bool = True

    def __invert__(self) -> Lit:
        return Lit(self.name, not self.positive)


@dataclass(frozen=True)
class CnfAnswer:
    """The module's answer with the model keyed by the caller's names."""

    status: SatStatus
    values: Dict[str, bool]
    raw: Dict[str, object] = field(repr=False)


class CnfBuilder(Registry):
    """Collects named Boolean variables and clauses; writes DIMACS CNF."""

    def __init__(self) -> None:
        super().__init__()
        # Each clause's DIMACS line, written once: a solve writes the text
        # with the lock held, and formatting every number again at each
        # solve cost more than joining the lines.
        self._clause_lines: List[str] = []

    def var(self, name: str) -> Lit:
        return Lit(self._declare(name))

    def add_clause(self, *literals: Union[Lit, str]) -> None:
        """At least one literal true; a str is the positive literal of that name.
        No literal at all makes the formula unsatisfiable."""
        numbers = [self._dimacs(lit) for lit in literals]
        self._clause_lines.append("".join(f"{n} " for n in numbers) + "0\n")

    def text(self) -> str:
        return f"p cnf {len(self._names)} {len(self._clause_lines)}\n" + "".join(self._clause_lines)

    def solve(self, *, time_limit: Optional[float] = None) -> CnfAnswer:
        """The module's answer; TimeoutError when the time limit ends the search."""
        raw = _native.solve_sat(self.text(), Deadline(time_limit).remaining())
        values = self._by_name(cast(Dict[str, bool], raw.get("model", {})))
        return CnfAnswer(cast(SatStatus, raw["status"]), values, dict(raw))

    def solutions(self, limit: Optional[int] = None, *, time_limit: Optional[float] = None) -> Iterator[Dict[str, bool]]:
        """Every model exactly once (at most `limit`), the first one `solve()`'s,
        over the variables `solve()` reports. TimeoutError when the time limit
        (for the whole iteration) ends it."""
        found: Iterator[Dict[str, bool]] = _enumerate.models(_native.sat_solutions(self.text()), limit, time_limit)
        return (self._by_name(model) for model in found)

    def _dimacs(self, lit: Union[Lit, str]) -> int:
        if isinstance(lit, str):
            lit = Lit(lit)
        if not isinstance(lit, Lit):
            raise TypeError(f"a literal is a Lit or a variable name, got {lit!r}")
        number = self._position(lit.name) + 1
        return number if lit.positive else -number
