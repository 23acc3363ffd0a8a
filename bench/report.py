"""Writes the benchmark figures of README.md and docs/*.md from bench/results.

Every figure the pages quote sits between `<!-- figures:NAME -->` and
`<!-- /figures:NAME -->` (inline), and this script writes what goes there from the
committed results files, so a page never quotes a figure that no results
file holds, and a new run of a benchmark updates its pages with one command:

    python3 bench/report.py            # rewrite the pages
    python3 bench/report.py --check    # exit 1 if a page differs from the results
"""

import json
import re
import statistics
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
RESULTS = ROOT / "bench" / "results"
# Inline, so that a region can sit inside a sentence: a comment that began a
# line would end the paragraph around it.
REGION = re.compile(r"(<!-- figures:([\w-]+) -->)(.*?)(<!-- /figures:\2 -->)", re.S)


def pages(root=ROOT):
    return [root / "README.md"] + sorted((root / "docs").glob("*.md"))


def load(results=RESULTS):
    return {path.stem: json.loads(path.read_text()) for path in sorted(results.glob("*.json"))}


# ---- number formats


def significant(x, digits=2):
    """x to `digits` significant digits: positional with thousands separators,
    or with an exponent below 1e-3."""
    if x == 0:
        return "0"
    if abs(x) < 1e-3:
        mantissa, exponent = f"{x:.{digits - 1}e}".split("e")
        return f"{mantissa}e{int(exponent)}"
    text = f"{x:#.{digits}g}"
    if "e" in text:
        text = str(int(float(text)))
    whole, dot, frac = text.rstrip(".").partition(".")
    return (f"{int(whole):,}" if abs(int(whole)) >= 1000 else whole) + dot + frac


def count(x, digits=3):
    """A large count to `digits` significant digits, with thousands separators."""
    return f"{int(float(f'{x:.{digits}g}')):,}"


UNITS = (("us", 1e-6, 1e-4), ("ms", 1e-3, 0.1), ("s", 1.0, float("inf")))


def unit_of(seconds):
    return next((name, scale) for name, scale, below in UNITS if seconds < below)


def duration(seconds):
    name, scale = unit_of(seconds)
    return f"{significant(seconds / scale)} {name}"


def span(values, fmt):
    low, high = fmt(min(values)), fmt(max(values))
    return low if low == high else f"{low} to {high}"


def time_span(values):
    """'6.1 to 9.2 us': one unit when both ends share it."""
    (low_unit, scale), (high_unit, _) = unit_of(min(values)), unit_of(max(values))
    if low_unit != high_unit:
        return span(values, duration)
    return f"{span([v / scale for v in values], significant)} {low_unit}"


# ---- the figures, one region each


def latency_of(results, name, tool):
    rows = [r for r in results[name]["latency"] if r["tool"] == tool]
    assert len(rows) == 1, (name, tool)
    return rows[0]["seconds"]


def peer_of(results, name):
    rows = [r for r in results[name]["latency"] if r["tool"] != "nemox"]
    assert len(rows) == 1, name
    return rows[0]["tool"], rows[0]["seconds"]


def sat_records(results):
    """The records of the latest run (sat.py keeps earlier runs under other labels)."""
    label = results["sat"][-1]["label"]
    return {r["case"]: r for r in results["sat"] if r["label"] == label}


def region_machine(results):
    return f"{results['batch']['cores']} cores, Python {results['lp']['python']}"


def region_sat_calls(results):
    r = sat_records(results)["uf20-91 per call"]
    return (
        f"nemox {count(r['nemox_instructions'])} from text to dict ({count(r['nemox_read_instructions'])} "
        f"reading, {count(r['nemox_load_instructions'])} loading, {count(r['nemox_search_instructions'])} "
        f"searching), pycosat {count(r['pycosat_instructions'])} and python-sat "
        f"{count(r['python-sat_instructions'])} on ready clause lists; in the same run "
        f"{duration(r['nemox_seconds'])} per call against {duration(r['pycosat'])} (pycosat) and "
        f"{duration(r['python-sat'])} (python-sat)"
    )


def region_sat_conflicts(results):
    r = sat_records(results)
    return (
        f"{duration(r['conflict at 100k learnt']['nemox_seconds'])} once 100,000 clauses are learnt "
        f"and {duration(r['conflict at 500k learnt']['nemox_seconds'])} at 500,000"
    )


def region_lp_latency(results):
    nemox = latency_of(results, "lp", "nemox")
    _, peer = peer_of(results, "lp")
    return f"{duration(nemox)} per call, dict included; `scipy.optimize.linprog` (HiGHS) {duration(peer)}"


def region_milp_latency(results):
    nemox = latency_of(results, "milp", "nemox")
    _, peer = peer_of(results, "milp")
    return f"{duration(nemox)} per call; `scipy.optimize.milp` (HiGHS) {duration(peer)}"


def dense_series(results):
    series = {}
    for row in results["lp"]["scaling"]:
        series.setdefault(row["series"], []).append(row)
    return series


def region_lp_dense(results):
    series = dense_series(results)
    smallest = [min(rows, key=lambda r: r["size"]) for rows in series.values()]
    largest = [max(rows, key=lambda r: r["size"]) for rows in series.values()]
    small_n, large_n = smallest[0]["size"], largest[0]["size"]
    decimal = min(series["dense dec2 LP, n x n"], key=lambda r: (r["widest_bits"] <= 64, r["size"]))
    bits = [r["widest_bits"] for rows in series.values() for r in rows]
    return (
        f"Dense LPs take {time_span([r['seconds'] for r in smallest])} at {small_n}x{small_n} and "
        f"{time_span([r['seconds'] for r in largest])} at {large_n}x{large_n}. Their exact values "
        f"reach {min(bits)} to {max(bits)} bits (two-decimal data already {decimal['widest_bits']} bits at "
        f"{decimal['size']}x{decimal['size']}), and past 64 bits the solve continues in big integers"
    )


NETLIB_QUOTED = ["afiro", "blend", "israel", "e226", "capri", "bandm", "stair"]


def region_netlib(results):
    models = {m["model"]: m for m in results["netlib"]}
    assert all(m["status"] == "OPTIMAL" for m in models.values())
    ratios = {name: m["seconds"] / m["highs_seconds"] for name, m in models.items()}
    low, high = min(ratios, key=ratios.get), max(ratios, key=ratios.get)
    times = ", ".join(f"{name} {duration(models[name]['seconds'])}" for name in NETLIB_QUOTED)
    return (
        f"All {len(models)} answer: {times}; the median time is {significant(statistics.median(ratios.values()), 1)} "
        f"times that of `scipy.optimize.linprog` (HiGHS) on the same system, from "
        f"{significant(ratios[low], 1)} times ({low}) to {significant(ratios[high], 2)} times ({high})"
    )


def region_netlib_models(results):
    models = results["netlib"]
    worst = max(models, key=lambda m: m["rel_error"])
    others = max(m["rel_error"] for m in models if m is not worst)
    return (
        f"the {len(models)} Netlib models of `bench/data/netlib` (up to {max(m['rows'] for m in models)} rows), "
        f"read from MPS and solved exactly, every objective within {significant(others, 1)} of the published "
        f"optimum ({worst['model']} {significant(worst['rel_error'], 2)} from its MINOS value, and equal to its "
        f"CPLEX one)"
    )


def region_netlib_bits(results):
    bits = [m["bits"] for m in results["netlib"] if m["engine"] == "factorized"]
    return f"up to {max(bits):,} bits"


def cp_case(results, name, case):
    rows = [r for r in results[name] if r["case"] == case]
    assert len(rows) == 1, case
    return rows[0]


def per_node(results, name, case):
    r = cp_case(results, name, case)
    return r["instructions"] / r["nodes"]


CP_INSTRUCTION_CASES = ["queens 20", "sudoku top95 (first 10)", "sudoku hardest (all 11)"]


def region_cp_search(results):
    now = [count(per_node(results, "cp", c), 4) for c in CP_INSTRUCTION_CASES]
    before = [count(per_node(results, "cp_before", c), 4) for c in CP_INSTRUCTION_CASES]
    queens = [r for r in results["cp"] if r["case"].startswith("queens ") and r["size"] > 20]
    rates = [r["nodes"] / r["nemox_seconds"] for r in queens]
    sudoku = cp_case(results, "cp", "sudoku top95 (all 95)")
    return (
        f"queens 20 with auxiliary variables {now[0]} instructions per node, the first ten of the 95 "
        f'published Sudokus ("top95") {now[1]} and the 11 "hardest" {now[2]}, reading included ({before[0]}, '
        f"{before[1]} and {before[2]} before propagators were woken by the bound events they read, the "
        f"branching order was kept in step with the trail once per node, and unit sums were bounded in 64 "
        f"bits); {span(rates, lambda x: count(x, 1))} nodes per second on queens "
        f"{min(r['size'] for r in queens)} to {max(r['size'] for r in queens)} and "
        f"{significant(sudoku['nodes'] / sudoku['nemox_seconds'] / 1e6)} million on all 95 Sudokus, "
        f"{duration(sudoku['nemox_seconds'])} for the 95, measured with the machine busy (CP-SAT "
        f"single-threaded {duration(sudoku['CP-SAT'])})"
    )


def region_cp_convergence(results):
    rows = [r for r in results["cp"] if r["case"].startswith("convergence")]
    peers = [r["CP-SAT"] for r in rows if r["CP-SAT"] is not None]
    return (
        f"every width from {rows[0]['size']:,} up to the whole 64-bit range answers in "
        f"{time_span([r['nemox_seconds'] for r in rows])} (CP-SAT {time_span(peers)})"
    )


def region_batch(results):
    batch, cli = results["batch"], results["cli"]
    pool, command = batch["pool_seconds"], cli["command_seconds"]
    return (
        f"`bench/batch.py` solves {batch['files']} random 3-CNF files (50 variables, 213 clauses) through "
        f"`examples/batch.py`: 1 worker took {duration(pool['1'])} and 2 workers {duration(pool['2'])} "
        f"({pool['1'] / pool['2']:.2f} times the throughput); the `nemox` command on the same files "
        f"(`bench/cli.py`) took {duration(command['1'])} with `-j 1` and {duration(command['2'])} with "
        f"`-j 2` ({command['1'] / command['2']:.2f} times), at about "
        f"{duration(batch['module_loop_seconds'] / batch['files'])} per file in one process"
    )


REGIONS = {
    "machine": region_machine,
    "sat-calls": region_sat_calls,
    "sat-conflicts": region_sat_conflicts,
    "lp-latency": region_lp_latency,
    "milp-latency": region_milp_latency,
    "lp-dense": region_lp_dense,
    "netlib": region_netlib,
    "netlib-models": region_netlib_models,
    "netlib-bits": region_netlib_bits,
    "cp-search": region_cp_search,
    "cp-convergence": region_cp_convergence,
    "batch": region_batch,
}


def rewrite(text, results):
    """`text` with every region's figures written from `results`."""

    def fill(match):
        name = match.group(2)
        if name not in REGIONS:
            raise KeyError(f"unknown figures region {name!r}")
        return match.group(1) + REGIONS[name](results) + match.group(4)

    return REGION.sub(fill, text)


def regions_in(text):
    return [m.group(2) for m in REGION.finditer(text)]


def main(argv):
    check = argv == ["--check"]
    if argv and not check:
        sys.exit("usage: python3 bench/report.py [--check]")
    results = load()
    stale = []
    for page in pages():
        text = page.read_text()
        new = rewrite(text, results)
        if new != text:
            stale.append(page.relative_to(ROOT))
            if not check:
                page.write_text(new)
    for path in stale:
        print(f"{path}: {'differs from' if check else 'rewritten from'} bench/results")
    return 1 if check and stale else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
