#!/usr/bin/env python3
"""examples/batch.py with one process against two: 200 small random 3-CNF
files (50 variables at the threshold), solved through a process pool, best
of three, against the module called in a loop. Answers checked.

Usage: python3 bench/batch.py [--quick]
"""
import os
import random
import sys
import tempfile
from pathlib import Path

import nemox
from bench_util import best_of, random_3cnf, write_results

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "examples"))
import batch  # noqa: E402


def main():
    count = 60 if "--quick" in sys.argv else 200
    rng = random.Random(7)
    texts = [random_3cnf(rng, 50, 213) for _ in range(count)]
    expected = [nemox.solve_sat(t) for t in texts]
    with tempfile.TemporaryDirectory() as folder:
        for i, text in enumerate(texts):
            Path(folder, f"f{i:04d}.cnf").write_text(text)
        paths = batch.instances(folder)

        def pool(workers):
            got = [o.result for o in batch.solve_with_processes(paths, workers)]
            assert got == expected, "the pool and the module disagree"

        loop = best_of(3, lambda: [nemox.solve_sat(t) for t in texts])
        one = best_of(3, lambda: pool(1))
        two = best_of(3, lambda: pool(2))
    print(f"examples/batch.py, {count} random 3-CNF (50 variables, 213 clauses), {os.cpu_count()} cores; best of 3")
    print(f"  module in a Python loop      {loop:7.3f} s")
    print(f"  process pool, 1 worker       {one:7.3f} s")
    print(f"  process pool, 2 workers      {two:7.3f} s   ({one / two:.2f}x the throughput of 1)")
    write_results("batch", files=count, cores=os.cpu_count(), module_loop_seconds=loop,
                  pool_seconds={"1": one, "2": two})


if __name__ == "__main__":
    main()
