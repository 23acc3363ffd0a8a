"""Checks that a signal abandons a long call promptly: an alarm whose handler
raises, or Ctrl-C (SIGINT) sent by another process, as a user would; no
thread of this process could, since the call holds the interpreter lock."""
import os
import signal
import subprocess
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


def assert_ctrl_c_interrupts(call, after: float, within: float) -> None:
    sender = subprocess.Popen(["sh", "-c", f"sleep {after}; kill -INT {os.getpid()}"])
    start = time.perf_counter()
    try:
        with pytest.raises(KeyboardInterrupt):
            call()
    finally:
        sender.wait()
    assert time.perf_counter() - start < within
