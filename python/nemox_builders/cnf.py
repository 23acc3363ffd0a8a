"""Boolean formulas in conjunctive normal form over named variables.

Variable i of the builder is DIMACS variable i + 1 and the module's key
x{i}. The module reports only variables up to the largest one that a
clause mentions; a variable that no clause mentions may be missing from
the answer, and any value of it satisfies the formula.
"""

from __future__ import annotations

from dataclasses import dataclass, field
from typing import Dict, List, Union

import nemox

from ._names import by_name, check_new


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

    status: str
    values: Dict[str, bool]
    raw: Dict[str, object] = field(repr=False)


@dataclass(eq=False)
class CnfBuilder:
    """Collects named Boolean variables and clauses; writes DIMACS CNF."""

    _names: List[str] = field(default_factory=list, init=False)
    _index: Dict[str, int] = field(default_factory=dict, init=False)
    _clauses: List[List[int]] = field(default_factory=list, init=False)

    def var(self, name: str) -> Lit:
        check_new(self._index, name)
        self._index[name] = len(self._names)
        self._names.append(name)
        return Lit(name)

    def add_clause(self, *literals: Union[Lit, str]) -> None:
        """At least one literal true; a str is the positive literal of that name.
        No literal at all makes the formula unsatisfiable."""
        self._clauses.append([self._dimacs(lit) for lit in literals])

    @property
    def names(self) -> List[str]:
        return list(self._names)

    def text(self) -> str:
        lines = [f"p cnf {len(self._names)} {len(self._clauses)}"]
        lines += [" ".join(map(str, clause + [0])) for clause in self._clauses]
        return "\n".join(lines) + "\n"

    def solve(self) -> CnfAnswer:
        raw = nemox.solve_sat(self.text())
        model = raw.get("model", {})
        values = by_name(self._names, model)
        return CnfAnswer(raw["status"], values, dict(raw))

    def _dimacs(self, lit: Union[Lit, str]) -> int:
        if isinstance(lit, str):
            lit = Lit(lit)
        if not isinstance(lit, Lit):
            raise TypeError(f"a literal is a Lit or a variable name, got {lit!r}")
        if lit.name not in self._index:
            raise KeyError(f"unknown variable {lit.name!r}: declare it with var() first")
        number = self._index[lit.name] + 1
        return number if lit.positive else -number
