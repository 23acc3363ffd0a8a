"""Linear and mixed-integer programmes over named variables.

Every number is kept exactly (see `exact`), and the solves hand the model
to the package's native part in those exact numbers. `text()` writes the
same model as LP text, which knows only the names x0, x1, ... in order of
first appearance and marks as integer only variables that the objective
line mentions: the builder numbers the solver's columns in declaration
order and writes an objective line that mentions every one of them (with a
zero coefficient where need be), so both rules always hold and the text
solves to the same answer.

The solver's columns are non-negative. A variable with the default bounds
(0 and none) is one column; a lower bound above 0 and an upper bound are
constraints after the caller's; a negative lower bound shifts the column
(x = lb + c, lb rounded up for an integer variable), and an upper bound
without a lower one reflects it (x = ub - c, ub rounded down). A variable
without any bound is the difference of two columns.
"""

from __future__ import annotations

import math
from dataclasses import dataclass, field
from fractions import Fraction
from typing import Dict, Iterator, List, Literal, Mapping, Optional, Tuple, Union, cast, overload

from . import _native
from ._limits import Deadline
from ._names import Registry
from ._numbers import Exact, NumberLike, exact, is_number, lp_number

Relation = Literal["<=", ">=", "="]
Terms = Mapping[str, NumberLike]
LpStatus = Literal["OPTIMAL", "FEASIBLE", "INFEASIBLE", "UNBOUNDED", "UNKNOWN (resource limit)"]
# A constraint's key in `duals` and `farkas`: its name, else its position
# among the added ones; a bound is ("lb", name) or ("ub", name).
ConstraintKey = Union[str, int, Tuple[str, str]]

_RELATIONS = ("<=", ">=", "=")
_OPS = {"<=": "le", ">=": "ge", "=": "eq"}
_NO_RHS: object = object()


class LinExpr:
    """A linear expression over named variables plus a constant."""

    __slots__ = ("terms", "constant")
    __hash__ = None  # type: ignore[assignment]  # == builds a constraint
    # numpy scalars and arrays then leave `2 * x`, `3 >= x` to the methods here.
    __array_ufunc__ = None

    def __init__(self, terms: Optional[Terms] = None, constant: NumberLike = 0) -> None:
        # Exact from here on: the arithmetic below rounds nothing.
        self.terms: Dict[str, Exact] = {name: exact(c) for name, c in (terms or {}).items()}
        self.constant: Exact = exact(constant)

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
        f = exact(factor)
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
    """An LP or MILP answer with the model keyed by the caller's names.

    `values` are the module's numbers (int when integral, else float);
    `exact_values` and `exact_objective` the exact ones. `objective` is also
    the incumbent's for FEASIBLE; `bound` the best objective an open node
    could still reach (the objective itself when OPTIMAL). `duals` (OPTIMAL
    LP) and `farkas` (INFEASIBLE LP) are exact multipliers per constraint.
    `raw` is the module's dict for the same model."""

    status: LpStatus
    values: Dict[str, Union[int, float]]
    objective: Optional[float]
    raw: Dict[str, object] = field(repr=False)
    exact_values: Dict[str, Fraction] = field(default_factory=dict, repr=False)
    exact_objective: Optional[Fraction] = None
    bound: Optional[float] = None
    duals: Optional[Dict[ConstraintKey, Fraction]] = field(default=None, repr=False)
    farkas: Optional[Dict[ConstraintKey, Fraction]] = field(default=None, repr=False)


@dataclass(frozen=True)
class _Row:
    """sum(coeff * column) op rhs, over the solver's columns."""

    terms: Dict[int, Exact]
    relation: Relation
    rhs: Exact
    key: ConstraintKey


class _Columns:
    """The solver's columns of the caller's variables: x = offset + sum(sign * column)."""

    def __init__(self, builder: LpBuilder) -> None:
        self.of: List[List[Tuple[int, int]]] = []
        self.offset: List[Exact] = []
        self.integer: List[bool] = []
        # Whether the upper bound is the column's own (x = ub - column).
        self.reflected: List[bool] = []
        for lb, ub, is_int in zip(builder._lower, builder._upper, builder._integer):
            first = len(self.integer)
            self.reflected.append(lb is None and ub is not None)
            if lb is None and ub is None:
                self.of.append([(first, 1), (first + 1, -1)])
                self.integer += [is_int, is_int]
                self.offset.append(0)
            elif lb is None:
                assert ub is not None
                self.of.append([(first, -1)])
                self.integer.append(is_int)
                self.offset.append(math.floor(ub) if is_int else ub)
            else:
                self.of.append([(first, 1)])
                self.integer.append(is_int)
                shift = lb if lb < 0 else 0
                self.offset.append(math.ceil(shift) if is_int else shift)
        self.count = len(self.integer)

    def lowered(self, expr: LinExpr, position: Mapping[str, int]) -> Tuple[Dict[int, Exact], Exact]:
        """`expr` over the columns: their coefficients and the constant."""
        terms: Dict[int, Exact] = {}
        constant = expr.constant
        for name, coeff in expr.terms.items():
            var = position[name]
            constant += coeff * self.offset[var]
            for column, sign in self.of[var]:
                terms[column] = terms.get(column, 0) + sign * coeff
        return {c: v for c, v in sorted(terms.items()) if v != 0}, constant


class LpBuilder(Registry):
    """Collects named variables, an objective and constraints; solves them exactly."""

    def __init__(self) -> None:
        super().__init__()
        self._lower: List[Optional[Exact]] = []
        self._upper: List[Optional[Exact]] = []
        self._integer: List[bool] = []
        self._sense: Literal["min", "max"] = "min"
        self._objective = LinExpr()
        self._constraints: List[Tuple[LinExpr, Relation, Exact, ConstraintKey]] = []
        self._keys: Dict[ConstraintKey, int] = {}
        # The lowered model of the last solve, until the model changes.
        self._lowered: Optional[Tuple[_Columns, Dict[int, Exact], Exact, List[_Row], str]] = None

    def var(
        self,
        name: str,
        lb: Optional[NumberLike] = 0,
        ub: Optional[NumberLike] = None,
        integer: bool = False,
    ) -> LinExpr:
        """Declares a variable with lb <= x <= ub; None is no bound on that side."""
        low = None if lb is None else exact(lb)
        high = None if ub is None else exact(ub)
        self._declare(name)
        self._lowered = None
        self._lower.append(low)
        self._upper.append(high)
        self._integer.append(bool(integer))
        return LinExpr({name: 1})

    def minimize(self, objective: Union[LinExpr, Terms, NumberLike]) -> None:
        self._sense, self._objective, self._lowered = "min", self._expr(objective), None

    def maximize(self, objective: Union[LinExpr, Terms, NumberLike]) -> None:
        self._sense, self._objective, self._lowered = "max", self._expr(objective), None

    @overload
    def add(self, constraint: Constraint, name: Optional[str] = None, /) -> None: ...

    @overload
    def add(self, constraint: Constraint, *, name: Optional[str] = None) -> None: ...

    @overload
    def add(
        self, constraint: Union[LinExpr, Terms], relation: Relation, rhs: NumberLike = 0, name: Optional[str] = None
    ) -> None: ...

    def add(self, constraint: object, relation: object = None, rhs: object = _NO_RHS, name: object = None) -> None:
        """Adds `constraint` (from a comparison) or `terms relation rhs`; its
        key in `duals` and `farkas` is `name`, else its position among the added."""
        if isinstance(constraint, Constraint):
            if relation is not None and relation not in _RELATIONS and rhs is _NO_RHS and name is None:
                relation, name = None, relation
            if relation is not None or rhs is not _NO_RHS:
                raise TypeError("a comparison already has its relation and right-hand side")
            # The constant goes to the right as it is: negation is exact.
            expr = LinExpr(constraint.expr.terms)
            rel, bound = constraint.relation, -constraint.expr.constant
        else:
            if relation not in _RELATIONS:
                raise ValueError(f"relation must be '<=', '>=' or '=', got {relation!r}")
            expr = self._expr(cast(Union[LinExpr, Terms], constraint))
            rel, bound = cast(Relation, relation), exact(0 if rhs is _NO_RHS else rhs)
        self._check(expr)
        key: ConstraintKey = len(self._constraints)
        if name is not None:
            if not isinstance(name, str) or not name:
                raise TypeError(f"a constraint name must be a non-empty str, got {name!r}")
            if name in self._keys:
                raise ValueError(f"constraint {name!r} is added twice")
            key = name
        self._keys[key] = len(self._constraints)
        self._constraints.append((expr, rel, bound, key))
        self._lowered = None

    def text(self) -> str:
        """The LP text of the same model: column i is x{i}, all created by
        the objective line. ValueError when a number of it is one the text
        cannot hold (it reads every number as a double rounded to 1e-9)."""
        columns = _Columns(self)
        terms, constant = columns.lowered(self._objective, self._index)
        objective_terms = [(terms.get(i, 0), i) for i in range(columns.count)]
        lines = [f"{self._sense} {_linear(objective_terms, constant)}"]
        lines += [f"int x{i}" for i, is_int in enumerate(columns.integer) if is_int]
        for row in self._rows(columns):
            lines.append(f"{_linear(list((c, i) for i, c in row.terms.items()), 0)} {row.relation} {lp_number(row.rhs)}")
        return "\n".join(lines) + "\n"

    def solve(self, *, time_limit: Optional[float] = None) -> LpAnswer:
        """The continuous relaxation (integer marks ignored). TimeoutError
        when the time limit ends it."""
        return self._solve(False, time_limit, 0)

    def solve_milp(self, *, time_limit: Optional[float] = None, node_limit: int = 1000) -> LpAnswer:
        """Branch and bound honouring the integer variables, at most
        `node_limit` nodes. When the time limit ends it with an incumbent,
        that is the answer as FEASIBLE with its bound; without, TimeoutError."""
        if isinstance(node_limit, bool) or not isinstance(node_limit, int) or node_limit < 0:
            raise ValueError(f"node_limit must be an int >= 0, got {node_limit!r}")
        return self._solve(True, time_limit, node_limit)

    def _solve(self, integers: bool, time_limit: Optional[float], node_limit: int) -> LpAnswer:
        seconds = Deadline(time_limit).remaining()
        if self._lowered is None:
            columns = _Columns(self)
            obj_terms, obj_constant = columns.lowered(self._objective, self._index)
            rows = self._rows(columns)
            text = _model_text(self._sense, columns, obj_terms, obj_constant, rows)
            self._lowered = (columns, obj_terms, obj_constant, rows, text)
        columns, obj_terms, obj_constant, rows, model_text = self._lowered
        limit = min(node_limit, 2**64 - 1)
        raw, objective, bound, pairs, multipliers = _native.solve_lp(model_text, integers, seconds, limit)
        status = cast(LpStatus, raw["status"])
        model = cast(Dict[str, Union[int, float]], raw.get("model", {}))
        by_row = {row.key: Fraction(num, den) for row, (num, den) in zip(rows, multipliers)} if multipliers else None
        if status == "INFEASIBLE":
            return LpAnswer(status, {}, objective, raw, bound=bound, farkas=by_row)
        if not pairs:
            return LpAnswer(status, {}, objective, raw, bound=bound)
        column_value = [Fraction(0)] * columns.count
        for key, (num, den) in zip(model, pairs):
            column_value[int(key[1:])] = Fraction(num, den)
        exact_values: Dict[str, Fraction] = {}
        values: Dict[str, Union[int, float]] = {}
        for var, name in enumerate(self._names):
            (column, sign), *others = columns.of[var]
            key = f"x{column}"
            if not others and sign == 1 and columns.offset[var] == 0 and key in model:
                # The column is the variable: as the module gives it.
                exact_values[name] = column_value[column]
                values[name] = model[key]
                continue
            value = columns.offset[var] + sum(sign * column_value[c] for c, sign in columns.of[var])
            exact_values[name] = Fraction(value)
            values[name] = _plain(exact_values[name])
        exact_objective = _dot(obj_terms, column_value, obj_constant)
        duals = by_row if status == "OPTIMAL" else None
        return LpAnswer(status, values, objective, raw, exact_values, exact_objective, bound, duals)

    def _rows(self, columns: _Columns) -> List[_Row]:
        """The caller's constraints, then the bounds that are not the columns' own."""
        rows = []
        for expr, rel, rhs, key in self._constraints:
            terms, constant = columns.lowered(expr, self._index)
            rows.append(_Row(terms, rel, rhs - constant, key))
        for var, name in enumerate(self._names):
            lb, ub = self._lower[var], self._upper[var]
            terms = {c: sign for c, sign in columns.of[var]}
            if lb is not None and lb > 0:
                rows.append(_Row(terms, ">=", lb - columns.offset[var], ("lb", name)))
            if ub is not None and not columns.reflected[var]:
                rows.append(_Row(terms, "<=", ub - columns.offset[var], ("ub", name)))
        return rows

    def _expr(self, value: Union[LinExpr, Terms, NumberLike]) -> LinExpr:
        expr = LinExpr(value) if isinstance(value, Mapping) else LinExpr.of(value)
        self._check(expr)
        return expr

    def _check(self, expr: LinExpr) -> None:
        for name in expr.terms:
            self._position(name)


def _plain(value: Fraction) -> Union[int, float]:
    """An exact value as the module reports one: int when integral, else the nearest float."""
    return value.numerator if value.denominator == 1 else float(value)


def _dot(terms: Mapping[int, Exact], values: List[Fraction], constant: Exact) -> Fraction:
    """constant + sum of coeff * value, in integers: the lock is held meanwhile,
    and Fraction arithmetic per term costs more than the solve of a small model."""
    num, den = constant.numerator, constant.denominator
    for column, coeff in terms.items():
        value = values[column]
        term_num, term_den = coeff.numerator * value.numerator, coeff.denominator * value.denominator
        if term_den == den:
            num += term_num
        else:
            g = math.gcd(den, term_den)
            num = num * (term_den // g) + term_num * (den // g)
            den = den // g * term_den
    return Fraction(num, den)


def _hex(q: Exact) -> str:
    return f"{q:x} 1" if isinstance(q, int) else f"{q.numerator:x} {q.denominator:x}"


def _hex_terms(terms: Mapping[int, Exact], constant: Exact) -> Iterator[str]:
    yield format(len(terms), "x")
    for column, coeff in terms.items():
        yield f"{column:x} {_hex(coeff)}"
    yield _hex(constant)


def _model_text(
    sense: str, columns: _Columns, obj_terms: Mapping[int, Exact], obj_constant: Exact, rows: List[_Row]
) -> str:
    """The model for the native solve, in its token format (hexadecimal
    integers: Python's decimal conversion is limited in size, this one not)."""
    ints = [i for i, is_int in enumerate(columns.integer) if is_int]
    parts = [f"{columns.count:x} {sense}", f"{len(ints):x}", *(f"{i:x}" for i in ints)]
    parts += _hex_terms(obj_terms, obj_constant)
    parts.append(f"{len(rows):x}")
    for row in rows:
        parts.append(_OPS[row.relation])
        parts += _hex_terms(row.terms, -row.rhs)
    return " ".join(parts)


def _linear(terms: List[Tuple[Exact, int]], constant: Exact) -> str:
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
