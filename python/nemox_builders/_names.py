"""The caller's variable names and the module's keys x0, x1, ... for them."""

from __future__ import annotations

from typing import Dict, List, Mapping, TypeVar

V = TypeVar("V")


def check_new(index: Mapping[str, int], name: object) -> None:
    """Refuses a name that is not a str, is empty or is declared already.
    Names never reach the text (variables are written x0, x1, ...), so any
    other str is fine."""
    if not isinstance(name, str):
        raise TypeError(f"a variable name must be a str, got {name!r}")
    if not name:
        raise ValueError("a variable name must not be empty")
    if name in index:
        raise ValueError(f"variable {name!r} is declared twice")


def by_name(names: List[str], model: Mapping[str, V]) -> Dict[str, V]:
    """A model keyed x0, x1, ... keyed by the names declared in that order."""
    return {names[int(key[1:])]: value for key, value in model.items()}
