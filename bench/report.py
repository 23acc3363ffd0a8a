"""Writes the benchmark figures of README.md and docs/*.md from bench/results.

Every figure the pages quote sits between `<!-- figures:NAME -->` and
`<!-- /figures:NAME -->` (inline), and this script writes what goes there from the
committed results files, so a page never quotes a figure that no results
file holds, and a new run of a benchmark updates its pages with one command:

    python3 bench/report.py            # rewrite the pages
    python3 bench/report.py --check    # exit 1 if a page differs from the results
"""

import json
import math
import re
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


def netlib_models(results, name="netlib"):
    return {m["model"]: m for m in results[name]["models"]}


def netlib_answered(m):
    return m["seconds"] is not None and m["status"] in ("OPTIMAL", "INFEASIBLE")


def geomean(values):
    return math.exp(sum(math.log(v) for v in values) / len(values))


def close(a, b, rel=1e-9):
    return abs(a - b) <= rel * max(1.0, abs(b))


def region_netlib_models(results):
    run = results["netlib"]
    models = [m for m in run["models"] if not m["skipped"]]
    feasible = [m for m in models if m["set"] == "feasible"]
    infeasible = [m for m in models if m["set"] == "infeasible"]
    optimal = [m for m in feasible if netlib_answered(m)]
    published = [m for m in optimal if m.get("agrees")]
    others = [m for m in optimal if not m.get("agrees")]
    assert all(m["highs_objective"] is not None and close(m["objective"], m["highs_objective"], 1e-8)
               for m in others), "an objective differs from both the published one and HiGHS's"
    return (
        f"the {len(feasible)} feasible Netlib models of up to {max(m['rows'] for m in feasible):,} rows "
        f"(`bench/data/netlib`) and {len(infeasible)} infeasible ones of up to {max(m['rows'] for m in infeasible):,} rows, "
        f"read from MPS and solved "
        f"exactly with {run['timeout']:g} s each: {len(optimal)} feasible ones answered, {len(published)} at their "
        f"published optimum to its printed digits and the other {len(others)} ({', '.join(m['model'] for m in others)}) "
        f"at HiGHS's optimum within 1e-8 where `optima.csv` has no value or a different one; "
        f"{sum(netlib_answered(m) for m in infeasible)} of the {len(infeasible)} infeasible ones answered INFEASIBLE"
    )


def region_netlib(results):
    s = results["netlib"]["summary"]
    unanswered = s["unanswered"]
    return (
        f"Over the {s['geomean_models']} answered models of at least {s['summary_rows']} rows the time is "
        f"{significant(s['geomean_ratio'], 2)} times HiGHS's (geometric mean; "
        f"{significant(s['geomean_ratio_timeouts_at_limit'], 2)} counting the unanswered ones at the timeout), "
        f"the worst {significant(s['worst_ratio'], 2)} times ({s['worst_model']}); {len(unanswered)} models give no "
        f"answer in {results['netlib']['timeout']:g} s ({', '.join(unanswered)})"
    )


def region_netlib_bits(results):
    bits = [m["bits"] for m in results["netlib"]["models"] if netlib_answered(m) and m["engine"] == "factorized"]
    return f"up to {max(bits):,} bits"


def region_netlib_time(results):
    parts, total = {}, 0.0
    for m in results["netlib"]["models"]:
        if netlib_answered(m) and m["engine"] == "factorized":
            total += m["seconds"]
            for k, v in m["time_parts"].items():
                parts[k] = parts.get(k, 0.0) + v
    parts["the rest"] = total - sum(parts.values())
    shares = sorted(parts.items(), key=lambda kv: -kv[1])
    return (f"of the {duration(total)} that the factorized engine spends on the models it answers: "
            + ", ".join(f"{k} {100 * v / total:.0f}%" for k, v in shares))


def region_netlib_instructions(results):
    rows = results["netlib_instructions"]["models"]
    assert all(r["same_answer_and_pivots"] for r in rows)
    parts = ", ".join(f"{r['model']} ({r['bits']:,} bits) {r['instructions_before'] / r['instructions_after']:.2f} "
                      f"times fewer instructions and {r['seconds_before'] / r['seconds_after']:.2f} times less time"
                      for r in rows)
    share = max(r["arithmetic_before"] / r["instructions_before"] for r in rows)
    return (f"same answers and pivots, {parts} (the big-integer unit took up to {100 * share:.0f}% of the "
            f"instructions before)")


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
    nodes = [f"{cp_case(results, 'cp', c)['nodes']:,}" for c in CP_INSTRUCTION_CASES]
    before_nodes = [f"{cp_case(results, 'cp_before', c)['nodes']:,}" for c in CP_INSTRUCTION_CASES]
    return (
        f"queens 20 with auxiliary variables {now[0]} instructions per node over {nodes[0]} nodes, the first "
        f'ten of the 95 published Sudokus ("top95") {now[1]} over {nodes[1]} and the 11 "hardest" {now[2]} '
        f"over {nodes[2]}, reading included ({before[0]}, {before[1]} and {before[2]} over {before_nodes[0]}, "
        f"{before_nodes[1]} and {before_nodes[2]} before propagators were woken by the bound events they read, "
        f"the branching order was kept in step with the trail once per node, and unit sums were bounded in "
        f"64 bits; the refuter, which joins a search after 256 nodes to close subtrees without a solution, "
        f"costs more per node and visits fewer nodes); {span(rates, lambda x: count(x, 1))} nodes "
        f"per second on queens "
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
    "netlib-time": region_netlib_time,
    "netlib-instructions": region_netlib_instructions,
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
