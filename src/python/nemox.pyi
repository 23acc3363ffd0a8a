"""Python module: `nemox`.

The user guide is docs/index.md in the source tree; nemox_builders writes
the texts from named variables. The result types below exist at run time
too (made on first use), so annotations naming them can be evaluated.
"""

from typing import Dict, Literal, TypedDict, Union

class _SatStatus(TypedDict):
    status: Literal["SAT", "UNSAT"]

class SatResult(_SatStatus, total=False):
    """"model" is present when "status" is "SAT"."""

    model: Dict[str, bool]

class _LpStatus(TypedDict):
    status: Literal["OPTIMAL", "INFEASIBLE", "UNBOUNDED"]

class LpResult(_LpStatus, total=False):
    """"model" and "objective" are present when "status" is "OPTIMAL"."""

    model: Dict[str, Union[int, float]]
    objective: float

class _MilpStatus(TypedDict):
    status: Literal["OPTIMAL", "FEASIBLE", "INFEASIBLE", "UNBOUNDED", "UNKNOWN (resource limit)"]

class MilpResult(_MilpStatus, total=False):
    """"model" is present for "OPTIMAL" and "FEASIBLE", "objective" for "OPTIMAL"."""

    model: Dict[str, Union[int, float]]
    objective: float

class _CpStatus(TypedDict):
    status: Literal["SAT", "UNSAT"]

class CpResult(_CpStatus, total=False):
    """"model" is present when "status" is "SAT"."""

    model: Dict[str, int]

class InternalError(BaseException):
    """A broken internal invariant abandoned the call; the module stays usable."""

def solve_sat(input: str) -> SatResult:
    """Solve a SAT problem from DIMACS CNF text.
    Returns a dict with keys: status, model (if SAT)."""

def solve_lp_text(input: str) -> LpResult:
    """Solve an LP problem from text."""

def solve_milp_text(input: str) -> MilpResult:
    """Solve a MILP problem from text."""

def solve_cp_text(input: str) -> CpResult:
    """Solve a CP problem from text."""
