from pathlib import Path

import pytest

from memory import SANITIZED


def pytest_configure(config):
    # The sanitized run must test the instrumented module, not an installed one.
    if SANITIZED:
        import nemox

        build = (Path(__file__).resolve().parents[2] / "build" / "sanitize").resolve()
        if build not in Path(nemox.__file__).resolve().parents:
            raise pytest.UsageError(f"NEMOX_SANITIZED=1 but nemox was imported from {nemox.__file__}, not {build}")


def pytest_collection_modifyitems(session, config, items):
    # An empty collection must fail the run rather than pass silently.
    if not items:
        raise pytest.UsageError("no tests collected")
