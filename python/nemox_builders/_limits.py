"""Time limits of the native solves: one deadline for all the solves of a call."""

from __future__ import annotations

import math
import time
from typing import Optional

NO_LIMIT = -1.0


class Deadline:
    def __init__(self, seconds: Optional[float]) -> None:
        if seconds is None:
            self._end: Optional[float] = None
            return
        if isinstance(seconds, bool) or not isinstance(seconds, (int, float)):
            raise TypeError(f"time_limit must be a number of seconds or None, got {seconds!r}")
        if math.isnan(seconds) or seconds < 0:
            raise ValueError(f"time_limit must be >= 0 seconds, got {seconds!r}")
        self._end = time.monotonic() + seconds if math.isfinite(seconds) else None

    def remaining(self) -> float:
        """Seconds left for the next solve (NO_LIMIT without a limit), or
        TimeoutError once none are left."""
        if self._end is None:
            return NO_LIMIT
        left = self._end - time.monotonic()
        if left <= 0:
            raise TimeoutError("the time limit ended the solve")
        return left
