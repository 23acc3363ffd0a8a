"""Checks that a SIGALRM handler's exception abandons a long call promptly."""
import signal
import time

import pytest


def assert_alarm_interrupts(call, after: float, within: float) -> None:
    def on_alarm(signum, frame):
        raise TimeoutError("limit")

    old = signal.signal(signal.SIGALRM, on_alarm)
    try:
        signal.setitimer(signal.ITIMER_REAL, after)
        start = time.perf_counter()
        with pytest.raises(TimeoutError):
            call()
        assert time.perf_counter() - start < within
    finally:
        signal.setitimer(signal.ITIMER_REAL, 0)
        signal.signal(signal.SIGALRM, old)
