"""Python module: `nemox`."""

from typing import Dict, Union

_Model = Dict[str, Union[bool, int, float]]
_Result = Dict[str, Union[str, float, _Model]]

def solve_sat(input: str) -> _Result:
    """Solve a SAT problem from DIMACS CNF text.
    Returns a dict with keys: status, model (if SAT)."""

def solve_lp_text(input: str) -> _Result:
    """Solve an LP problem from text."""

def solve_milp_text(input: str) -> _Result:
    """Solve a MILP problem from text."""

def solve_cp_text(input: str) -> _Result:
    """Solve a CP problem from text."""
