"""Linear and mixed-integer programmes over named variables.

The LP text format knows only the names x0, x1, ... in order of first
appearance, and marks as integer only variables that the objective line
mentions. The builder numbers the caller's variables in declaration order
and writes an objective line that mentions every one of them (with a zero
coefficient where need be), so both rules always hold.
"""

from __future__ import annotations

from dataclasses import dataclass, field
from typing import Dict, List, Literal, Mapping, Optional, Tuple, Union

import nemox

from ._names import by_name, check_new
from ._numbers import Number, NumberLike, as_number, is_number, lp_number

Relation = Literal["<=", ">=", "="]
Terms = Mapping[str, NumberLike]


class LinExpr:
    """A linear expression over named variables plus a constant."""

    __slots__ = ("terms", "constant")
    __hash__ = None  # type: ignore[assignment]  # == builds a constraint
    # numpy scalars and arrays then leave `2 * x`, `3 >= x` to the methods here.
    __array_ufunc__ = None

    def __init__(self, terms: Optional[Terms] = None, constant: NumberLike = 0) -> None:
        # numpy scalars become Python numbers here: no fixed-width arithmetic later.
        self.terms: Dict[str, Number] = {name: as_number(c) for name, c in (terms or {}).items()}
        self.constant: Number = as_number(constant)

    @staticmethod
    def of(value: Union[LinExpr, NumberLike]) -> LinExpr:
        if isinstance(value, LinExpr):
            return value
        if not is_number(value):
            raise TypeError(f"cannot use {value!r} in a linear expression")
        return LinExpr(constant=value)

    def __add__(self, other: Union[LinExpr, NumberLike]) -> LinExpr:
        other = LinExpr.of(other)
        terms = dict(self.terms)
        for name, coeff in other.terms.items():
            terms[name] = terms.get(name, 0) + coeff
        return LinExpr(terms, self.constant + other.constant)

    __radd__ = __add__

    def __neg__(self) -> LinExpr:
        return self * -1

    def __sub__(self, other: Union[LinExpr, NumberLike]) -> LinExpr:
        return self + (-LinExpr.of(other))

    def __rsub__(self, other: Union[LinExpr, NumberLike]) -> LinExpr:
        return LinExpr.of(other) + (-self)

    def __mul__(self, factor: NumberLike) -> LinExpr:
        if not is_number(factor):
            return NotImplemented
        f = as_number(factor)
        return LinExpr({n: c * f for n, c in self.terms.items()}, self.constant * f)

    __rmul__ = __mul__

    def __le__(self, other: Union[LinExpr, NumberLike]) -> Constraint:
        return Constraint(self - other, "<=")

    def __ge__(self, other: Union[LinExpr, NumberLike]) -> Constraint:
        return Constraint(self - other, ">=")

    def __eq__(self, other: object) -> Constraint:  # type: ignore[override]
        if not isinstance(other, LinExpr) and not is_number(other):
            return NotImplemented
        return Constraint(self - other, "=")

    def __repr__(self) -> str:
        parts = [f"{c!r}*{n}" for n, c in self.terms.items()]
        return " + ".join(parts + [repr(self.constant)])


@dataclass(frozen=True, eq=False)
class Constraint:
    """`expr` stands in `relation` to zero."""

    expr: LinExpr
    relation: Relation

    def __bool__(self) -> bool:
        # `1 <= x <= 2` is `(1 <= x) and (x <= 2)`: without this it would
        # keep only the second half, silently.
        raise TypeError(
            "a constraint has no truth value: add each side of a chained comparison "
            "separately, b.add(1 <= x) and b.add(x <= 2), instead of b.add(1 <= x <= 2)"
        )


@dataclass(frozen=True)
class LpAnswer:
    """The module's answer with the model keyed by the caller's names."""

    status: str
    values: Dict[str, Union[int, float]]
    objective: Optional[float]
    raw: Dict[str, object] = field(repr=False)


@dataclass(eq=False)
class LpBuilder:
    """Collects named variables, an objective and constraints; writes LP text."""

    _names: List[str] = field(default_factory=list, init=False)
    _index: Dict[str, int] = field(default_factory=dict, init=False)
    _integer: List[bool] = field(default_factory=list, init=False)
    _sense: Literal["min", "max"] = field(default="min", init=False)
    _objective: LinExpr = field(default_factory=LinExpr, init=False)
    _constraints: List[Tuple[LinExpr, Relation, Number]] = field(default_factory=list, init=False)

    def var(self, name: str, integer: bool = False) -> LinExpr:
        """Declares a variable (non-negative, as every LP variable is)."""
        check_new(self._index, name)
        self._index[name] = len(self._names)
        self._names.append(name)
        self._integer.append(bool(integer))
        return LinExpr({name: 1})

    def minimize(self, objective: Union[LinExpr, Terms, NumberLike]) -> None:
        self._sense, self._objective = "min", self._expr(objective)

    def maximize(self, objective: Union[LinExpr, Terms, NumberLike]) -> None:
        self._sense, self._objective = "max", self._expr(objective)

    def add(
        self,
        constraint: Union[Constraint, LinExpr, Terms],
        relation: Optional[Relation] = None,
        rhs: NumberLike = 0,
    ) -> None:
        """Adds `constraint` (from a comparison) or `terms relation rhs`."""
        if isinstance(constraint, Constraint):
            if relation is not None or rhs != 0:
                raise TypeError("a comparison already has its relation and right-hand side")
            # The constant goes to the right as it is: negation is exact.
            expr = LinExpr(constraint.expr.terms)
            rel, bound = constraint.relation, -constraint.expr.constant
        else:
            if relation not in ("<=", ">=", "="):
                raise ValueError(f"relation must be '<=', '>=' or '=', got {relation!r}")
            expr, rel, bound = self._expr(constraint), relation, as_number(rhs)
        self._check(expr)
        lp_number(bound)
        self._constraints.append((expr, rel, bound))

    @property
    def names(self) -> List[str]:
        return list(self._names)

    def text(self) -> str:
        """The LP text: variable i is x{i}, all created by the objective line."""
        obj = self._objective
        objective_terms = [(obj.terms.get(name, 0), i) for i, name in enumerate(self._names)]
        lines = [f"{self._sense} {_linear(objective_terms, obj.constant)}"]
        lines += [f"int x{i}" for i, is_int in enumerate(self._integer) if is_int]
        for expr, rel, rhs in self._constraints:
            terms = [(c, self._index[n]) for n, c in expr.terms.items() if c != 0]
            lines.append(f"{_linear(terms, expr.constant)} {rel} {lp_number(rhs)}")
        return "\n".join(lines) + "\n"

    def solve(self) -> LpAnswer:
        """The continuous relaxation (integer marks ignored)."""
        return self._answer(nemox.solve_lp_text(self.text()))

    def solve_milp(self) -> LpAnswer:
        """Branch and bound honouring the integer variables."""
        return self._answer(nemox.solve_milp_text(self.text()))

    def _answer(self, raw: Mapping[str, object]) -> LpAnswer:
        model = raw.get("model", {})
        assert isinstance(model, dict)
        values = by_name(self._names, model)
        objective = raw.get("objective")
        assert objective is None or isinstance(objective, float)
        return LpAnswer(str(raw["status"]), values, objective, dict(raw))

    def _expr(self, value: Union[LinExpr, Terms, NumberLike]) -> LinExpr:
        expr = LinExpr(value) if isinstance(value, Mapping) else LinExpr.of(value)
        self._check(expr)
        return expr

    def _check(self, expr: LinExpr) -> None:
        for name, coeff in expr.terms.items():
            if name not in self._index:
                raise KeyError(f"unknown variable {name!r}: declare it with var() first")
            lp_number(coeff)
        lp_number(expr.constant)


def _linear(terms: List[Tuple[Number, int]], constant: Number) -> str:
    """`c*xi` terms and a constant, signs written apart from the numbers."""
    parts: List[str] = []
    for coeff, index in terms:
        sign, magnitude = ("-", -coeff) if coeff < 0 else ("+", coeff)
        parts.append(f"{sign} x{index}" if magnitude == 1 else f"{sign} {lp_number(magnitude)}*x{index}")
    if constant != 0 or not parts:
        sign, magnitude = ("-", -constant) if constant < 0 else ("+", constant)
        parts.append(f"{sign} {lp_number(magnitude)}")
    text = " ".join(parts)
    return text[2:] if text.startswith("+ ") else text
