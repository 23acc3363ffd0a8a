#!/usr/bin/env python3
"""Per-node cost of the CP engine, two source trees side by side.

    python3 bench/cp_shape.py --before DIR [--json FILE]

DIR is another checkout (say `git worktree add /tmp/before <commit>`). For
each tree the counting tool of bench/cp.py is built from that tree; then

- the small calls (queens 8-12, easy and two top95 Sudokus): instructions of
  reading and solving under callgrind, which the shared machine does not
  disturb;
- queens 20, 30, 37 and magic squares 5, 6: nodes and the best of three
  wall-clock times, as nodes per second. The node counts of both trees must
  agree (the refuter is on, as in the module).

Results go to bench/results/cp_shape.json unless --json says otherwise.
"""

from __future__ import annotations

import json
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import cp  # noqa: E402  (the instances and the counting tool)

ROOT = Path(__file__).resolve().parent.parent


def small_cases() -> list[tuple[str, str]]:
    easy = cp.sudoku_puzzles("cp/sudoku_easy50.txt")
    top95 = cp.sudoku_puzzles("sudoku_top95.txt")
    cases = [(f"queens {n}", cp.queens(n)) for n in (8, 10, 12)]
    cases += [(f"sudoku easy50 #{i}", cp.sudoku(easy[i])) for i in range(0, 50, 7)]
    cases += [(f"sudoku top95 #{i}", cp.sudoku(top95[i])) for i in (0, 1)]
    return cases


def search_cases() -> list[tuple[str, str]]:
    cases = [(f"queens {n}", cp.queens(n)) for n in (20, 30, 37)]
    return cases + [(f"magic {n}", cp.magic_square(n)) for n in (5, 6)]


def best_of_three(tool: Path, text: str) -> dict:
    runs = [cp.stats(tool, text, False) for _ in range(3)]
    assert all(r["status"] == runs[0]["status"] and r["nodes"] == runs[0]["nodes"] for r in runs)
    return min(runs, key=lambda r: r["seconds"])


def main() -> None:
    if "--before" not in sys.argv:
        sys.exit(__doc__)
    before = Path(sys.argv[sys.argv.index("--before") + 1]).resolve()
    out = Path(sys.argv[sys.argv.index("--json") + 1]) if "--json" in sys.argv else (
        ROOT / "bench" / "results" / "cp_shape.json")
    tools = {"before": cp.build_stats_tool(before), "after": cp.build_stats_tool(ROOT)}
    result: dict = {"small_calls": [], "searches": []}

    print(f"{'instance':20} {'nodes':>7} {'instr before':>14} {'instr after':>14} {'after/before':>13}")
    for name, text in small_cases():
        counts = {k: cp.instructions(t, text) for k, t in tools.items()}
        nodes = {k: cp.stats(t, text, False)["nodes"] for k, t in tools.items()}
        assert nodes["before"] == nodes["after"], name
        ratio = counts["after"] / counts["before"]
        print(f"{name:20} {nodes['after']:7d} {counts['before']:14,d} {counts['after']:14,d} {ratio:13.3f}",
              flush=True)
        result["small_calls"].append({"instance": name, "nodes": nodes["after"], **counts})

    print(f"\n{'instance':12} {'nodes':>8} {'s before':>9} {'s after':>9} "
          f"{'nodes/s before':>15} {'nodes/s after':>14} {'speed-up':>9}")
    for name, text in search_cases():
        runs = {k: best_of_three(t, text) for k, t in tools.items()}
        assert runs["before"]["nodes"] == runs["after"]["nodes"], name
        assert runs["before"]["model"] == runs["after"]["model"], name
        nodes = runs["after"]["nodes"]
        s = {k: r["seconds"] for k, r in runs.items()}
        print(f"{name:12} {nodes:8d} {s['before']:9.3f} {s['after']:9.3f} {nodes / s['before']:15,.0f} "
              f"{nodes / s['after']:14,.0f} {s['before'] / s['after']:8.2f}x", flush=True)
        result["searches"].append({"instance": name, "nodes": nodes, "seconds_before": s["before"],
                                   "seconds_after": s["after"]})
    out.parent.mkdir(parents=True, exist_ok=True)
    out.write_text(json.dumps(result, indent=1) + "\n")


if __name__ == "__main__":
    main()
