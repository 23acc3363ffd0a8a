"""Solutions handed out by the native enumeration in growing batches: the
first at once, later ones many per call, each call without the lock."""

from __future__ import annotations

from typing import Dict, Iterator, List, Optional, TypeVar, cast

from . import _native
from ._limits import Deadline

V = TypeVar("V")

_LARGEST_BATCH = 1024


def models(enumeration: object, limit: Optional[int], time_limit: Optional[float]) -> Iterator[Dict[str, V]]:
    """The models (keyed x0, x1, ...) of `enumeration`, at most `limit` of them."""
    if limit is not None and (isinstance(limit, bool) or not isinstance(limit, int) or limit < 0):
        raise ValueError(f"limit must be an int >= 0 or None, got {limit!r}")
    deadline = Deadline(time_limit)
    return _batches(enumeration, limit, deadline)


def _batches(enumeration: object, limit: Optional[int], deadline: Deadline) -> Iterator[Dict[str, V]]:
    handed, batch = 0, 1
    while limit is None or handed < limit:
        count = batch if limit is None else min(batch, limit - handed)
        found = cast(List[Dict[str, V]], _native.next_solutions(enumeration, count, deadline.remaining()))
        yield from found
        handed += len(found)
        if len(found) < count:
            return
        batch = min(2 * batch, _LARGEST_BATCH)
