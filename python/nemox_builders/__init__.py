"""Builders for the four text formats of `nemox` over named variables.

Each builder numbers the caller's variables the way its format requires,
writes the text (`text()`), calls the module (`solve()`) and returns the
answer with the model keyed by the caller's names. The user guide is
docs/index.md in the source tree (docs/builders.md for these builders).
"""

from .cnf import CnfAnswer, CnfBuilder, Lit
from .cp import CpAnswer, CpBuilder
from .lp import Constraint, LinExpr, LpAnswer, LpBuilder

__all__ = [
    "CnfAnswer",
    "CnfBuilder",
    "Constraint",
    "CpAnswer",
    "CpBuilder",
    "LinExpr",
    "Lit",
    "LpAnswer",
    "LpBuilder",
]
