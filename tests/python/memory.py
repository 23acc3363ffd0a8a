"""How the tests measure memory, in one place; and whether the module under
test is the instrumented (sanitizer) build, where such measures mean nothing."""
import os
import resource
import sys


def _sanitized() -> bool:
    # Set by scripts/run_sanitized_tests.sh; anything but "1" or unset is a mistake.
    value = os.environ.get("NEMOX_SANITIZED", "")
    if value not in ("", "0", "1"):
        raise RuntimeError(f"NEMOX_SANITIZED must be 0 or 1, not {value!r}")
    return value == "1"


# An instrumented build keeps freed memory in quarantine and maps terabytes of
# shadow memory: resident sizes and address-space limits do not apply there.
SANITIZED = _sanitized()


def _statm(field: int) -> int:
    try:
        with open("/proc/self/statm") as f:
            pages = int(f.read().split()[field])
    except FileNotFoundError:
        raise RuntimeError("measuring memory needs /proc/self/statm (Linux)") from None
    return pages * os.sysconf("SC_PAGE_SIZE")


def rss_bytes() -> int:
    """Resident size of this process now (not its peak)."""
    return _statm(1)


def address_space_bytes() -> int:
    """Size of this process's address space now: what RLIMIT_AS counts."""
    return _statm(0)


def peak_rss_bytes() -> int:
    """Highest resident size this process has had."""
    peak = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
    # Linux counts in kilobytes, macOS in bytes.
    return peak if sys.platform == "darwin" else peak * 1024
