"""Solving a directory of instances on every core, or on a Dask cluster.

A call holds the interpreter lock from start to end, so threads do not
solve in parallel: processes do. The four functions are module-level
built-ins, which pickle by name, so they can be sent to worker processes
and cluster workers as they are (each worker needs nemox installed).

    python examples/batch.py DIR                    # all cores of this machine
    python examples/batch.py DIR -j 2               # two processes
    python examples/batch.py DIR --dask HOST:8786   # the workers of a Dask cluster

One JSON line per file, in file-name order, as each answer arrives in turn.
The kind of problem comes from the file's suffix.
"""

from __future__ import annotations

import argparse
import json
import sys
from concurrent.futures import ProcessPoolExecutor
from dataclasses import asdict, dataclass
from pathlib import Path
from typing import Any, Callable, Dict, Iterable, Iterator, List, Optional

import nemox

SOLVERS: Dict[str, Callable[[str], Any]] = {
    ".cnf": nemox.solve_sat,
    ".lp": nemox.solve_lp_text,
    ".milp": nemox.solve_milp_text,
    ".cp": nemox.solve_cp_text,
}


@dataclass(frozen=True)
class Outcome:
    """The answer for one file, or why there is none."""

    path: str
    result: Optional[Dict[str, Any]] = None
    error: Optional[str] = None


def instances(folder: str) -> List[str]:
    """The files of `folder` with a known suffix, sorted by name."""
    return sorted(str(p) for p in Path(folder).iterdir() if p.suffix in SOLVERS and p.is_file())


def solve_file(path: str) -> Outcome:
    """Reads and solves one file; every failure stays with its file."""
    try:
        text = Path(path).read_text(encoding="utf-8")
        return Outcome(path, result=SOLVERS[Path(path).suffix](text))
    except (Exception, nemox.InternalError) as e:  # InternalError derives from BaseException
        return Outcome(path, error=f"{type(e).__name__}: {e}")


def solve_with_processes(paths: Iterable[str], workers: Optional[int] = None) -> Iterator[Outcome]:
    """Answers in the order of `paths`, each as soon as it and those before it are done."""
    with ProcessPoolExecutor(max_workers=workers) as pool:
        yield from pool.map(solve_file, paths)


def solve_texts(function: Callable[[str], Any], texts: Iterable[str], workers: Optional[int] = None) -> Iterator[Any]:
    """A module function itself as the task: the built-in pickles by name."""
    with ProcessPoolExecutor(max_workers=workers) as pool:
        yield from pool.map(function, texts)


def solve_with_dask(paths: Iterable[str], client: Any) -> Iterator[Outcome]:
    """The same on a Dask cluster (`distributed.Client`); the workers must see the files.
    Failures come back as outcomes, so `result()` never raises for a bad file."""
    futures = client.map(solve_file, list(paths), pure=False)
    for future in futures:  # in order; later ones keep running meanwhile
        yield future.result()


def main(argv: Optional[List[str]] = None) -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("folder")
    parser.add_argument("-j", "--jobs", type=int, default=None, help="processes (default: all cores)")
    parser.add_argument("--dask", metavar="ADDRESS", help="scheduler address of a Dask cluster")
    args = parser.parse_args(argv)
    paths = instances(args.folder)
    if args.dask:
        from distributed import Client

        with Client(args.dask) as client:
            outcomes = list(_print_all(solve_with_dask(paths, client)))
    else:
        outcomes = list(_print_all(solve_with_processes(paths, args.jobs)))
    return 1 if any(o.error for o in outcomes) else 0


def _print_all(outcomes: Iterator[Outcome]) -> Iterator[Outcome]:
    for outcome in outcomes:
        print(json.dumps(asdict(outcome)), flush=True)
        yield outcome


if __name__ == "__main__":
    sys.exit(main())
