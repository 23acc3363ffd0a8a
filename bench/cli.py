"""The nemox command on a directory of problems: one job against two, and
per-file overhead against the module called in a loop from Python.

    python3 bench/cli.py            # 200 random 3-CNF at the threshold, 50 variables
    python3 bench/cli.py --quick    # 60 of them

The command is the one `pip install .` puts next to the interpreter.
"""

import os
import random
import subprocess
import sys
import sysconfig
import tempfile

import nemox
from bench_util import best_of, random_3cnf, write_results

COMMAND = os.path.join(sysconfig.get_path("scripts"), "nemox")


def main():
    count = 60 if "--quick" in sys.argv else 200
    rng = random.Random(7)
    texts = [random_3cnf(rng, 50, 213) for _ in range(count)]
    with tempfile.TemporaryDirectory() as folder:
        for i, text in enumerate(texts):
            with open(os.path.join(folder, f"f{i:04d}.cnf"), "w") as f:
                f.write(text)
        expected = [nemox.solve_sat(t)["status"] for t in texts]

        def command(jobs):
            done = subprocess.run([COMMAND, "sat", "-j", str(jobs), "--json", folder], capture_output=True, text=True)
            got = [line.split('"')[3] for line in done.stdout.splitlines()]
            assert got == expected, "the command and the module disagree"

        loop = best_of(3, lambda: [nemox.solve_sat(t) for t in texts])
        one = best_of(3, lambda: command(1))
        two = best_of(3, lambda: command(2))
    print(f"nemox command, {count} random 3-CNF (50 variables, 213 clauses), {os.cpu_count()} cores; best of 3")
    print(f"  module in a Python loop   {loop:7.3f} s")
    print(f"  nemox sat -j 1 DIR        {one:7.3f} s")
    print(f"  nemox sat -j 2 DIR        {two:7.3f} s   ({one / two:.2f}x the throughput of -j 1)")
    write_results("cli", files=count, cores=os.cpu_count(), module_loop_seconds=loop,
                  command_seconds={"1": one, "2": two})


if __name__ == "__main__":
    main()
