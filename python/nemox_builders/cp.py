"""Finite-domain integer problems over named variables.

Answers of the module are keyed by declaration position; the builder
declares the caller's variables in order and maps the keys back.
"""

from __future__ import annotations

from dataclasses import dataclass, field
from typing import Dict, Iterable, List, Literal, Mapping, Sequence, Tuple, Union

import nemox

from ._names import by_name, check_new
from ._numbers import cp_integer

LinearRel = Literal["<=", "=", ">="]
_REL = {"<=": "le", "=": "eq", ">=": "ge"}


@dataclass(frozen=True)
class CpAnswer:
    """The module's answer with the model keyed by the caller's names."""

    status: str
    values: Dict[str, int]
    raw: Dict[str, object] = field(repr=False)


@dataclass(eq=False)
class CpBuilder:
    """Collects integer variables and the six kinds of constraint; writes CP text."""

    _names: List[str] = field(default_factory=list, init=False)
    _index: Dict[str, int] = field(default_factory=dict, init=False)
    _lines: List[str] = field(default_factory=list, init=False)

    def var(self, name: str, lo: int, hi: int) -> str:
        """Declares an integer variable ranging over lo..hi (inclusive)."""
        check_new(self._index, name)
        low, high = cp_integer(lo, "lower bound"), cp_integer(hi, "upper bound")
        self._index[name] = len(self._names)
        self._lines.append(f"var x{len(self._names)} {low} {high}")
        self._names.append(name)
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
        pairs = [(c, n) for n, c in terms.items()] if isinstance(terms, Mapping) else list(terms)
        if not pairs:
            raise ValueError("a linear constraint needs at least one term")
        if relation not in _REL:
            raise ValueError(f"relation must be '<=', '=' or '>=', got {relation!r}")
        body = " ".join(f"{cp_integer(c, 'coefficient')} {self._ref(n)}" for c, n in pairs)
        self._lines.append(f"linear {body} {cp_integer(rhs, 'right-hand side')} {_REL[relation]}")

    def all_different(self, names: Sequence[str]) -> None:
        """Pairwise distinct values; fewer than two variables constrain nothing."""
        refs = [self._ref(n) for n in names]
        if len(refs) >= 2:
            self._lines.append("allDiff " + " ".join(refs))

    @property
    def names(self) -> List[str]:
        return list(self._names)

    def text(self) -> str:
        return "".join(line + "\n" for line in self._lines)

    def solve(self) -> CpAnswer:
        raw = nemox.solve_cp_text(self.text())
        model = raw.get("model", {})
        values = by_name(self._names, model)
        return CpAnswer(raw["status"], values, dict(raw))

    def _ref(self, name: str) -> str:
        if name not in self._index:
            raise KeyError(f"unknown variable {name!r}: declare it with var() first")
        return f"x{self._index[name]}"
