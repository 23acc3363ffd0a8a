"""The caller's variable names and their positions, shared by the builders."""

from __future__ import annotations

from typing import Dict, List, Mapping, TypeVar

V = TypeVar("V")


class Registry:
    """Names in declaration order; variable i is the module's key x{i}.
    Names never reach the text (variables are written x0, x1, ...), so any
    non-empty str is fine."""

    def __init__(self) -> None:
        self._names: List[str] = []
        self._index: Dict[str, int] = {}

    @property
    def names(self) -> List[str]:
        return list(self._names)

    def _declare(self, name: object) -> str:
        if not isinstance(name, str):
            raise TypeError(f"a variable name must be a str, got {name!r}")
        if not name:
            raise ValueError("a variable name must not be empty")
        if name in self._index:
            raise ValueError(f"variable {name!r} is declared twice")
        self._index[name] = len(self._names)
        self._names.append(name)
        return name

    def _position(self, name: object) -> int:
        position = self._index.get(name) if isinstance(name, str) else None
        if position is None:
            raise KeyError(f"unknown variable {name!r}: declare it with var() first")
        return position

    def _by_name(self, model: Mapping[str, V]) -> Dict[str, V]:
        """A model keyed x0, x1, ... keyed by the names declared in that order."""
        return {self._names[int(key[1:])]: value for key, value in model.items()}
