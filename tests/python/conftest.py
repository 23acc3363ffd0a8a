import pytest


def pytest_collection_modifyitems(session, config, items):
    # An empty collection must fail the run rather than pass silently.
    if not items:
        raise pytest.UsageError("no tests collected")
