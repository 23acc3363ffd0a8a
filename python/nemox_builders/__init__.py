"""Builders for the four text formats of `nemox` over named variables.

Each builder numbers the caller's variables the way its format requires,
writes the text (`text()`), solves (`solve()`, with the interpreter lock
released and an optional time limit) and returns the answer with the model
keyed by the caller's names. The user guide is docs/index.md in the source
tree (docs/builders.md for these builders).
"""

from pkgutil import extend_path

# The native part may sit in a build tree's nemox_builders/ beside these sources.
__path__ = extend_path(__path__, __name__)

from .cnf import CnfAnswer, CnfBuilder, Lit, SatStatus
from .cp import CpAnswer, CpBuilder, CpStatus
from .lp import Constraint, ConstraintKey, LinExpr, LpAnswer, LpBuilder, LpStatus

__all__ = [
    "CnfAnswer",
    "CnfBuilder",
    "Constraint",
    "ConstraintKey",
    "CpAnswer",
    "CpBuilder",
    "CpStatus",
    "LinExpr",
    "Lit",
    "LpAnswer",
    "LpBuilder",
    "LpStatus",
    "SatStatus",
]
