#!/usr/bin/env python3
"""The benchmark page's plots, from the JSON files that the benchmarks write
under bench/results/ (matplotlib, installed for the benchmarks only):

  latency.png   per-call latency next to the peers, every file's "latency" rows
  scaling.png   time per solve against size, one panel per road ("scaling" rows)
  netlib.png    Netlib: nemox time against HiGHS time per model (netlib.json,
                and netlib_before.json where present, drawn fainter)

A road's file is either an object with "latency" and "scaling" lists, or a
list of rows {"case", "nemox_seconds", PEER: seconds or null, ...} (the SAT
and CP benchmarks): rows with a "size" whose case names a family ("queens
20", "convergence width 1e+04") go to a scaling panel of that family, one
series per tool, the others to the latency chart; where rows carry a
"label" (before/after runs), only the last label's rows count.

Usage: python3 bench/plots.py [--results DIR] [--out DIR]   (default docs/img)

A file that is absent is named as skipped; a malformed one stops the script.
"""
import argparse
import json
import math
import sys
from pathlib import Path

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402

HERE = Path(__file__).resolve().parent
ROADS = ["sat", "lp", "milp", "cp"]
NETLIB_KEYS = ["model", "set", "status", "seconds", "highs_seconds", "skipped"]


class Malformed(Exception):
    pass


def positive(value, where):
    if isinstance(value, bool) or not isinstance(value, (int, float)) or not math.isfinite(value) or value <= 0:
        raise Malformed(f"{where}: expected a positive number, got {value!r}")
    return value


def rows_of(data, key, fields, where):
    rows = data.get(key, [])
    if not isinstance(rows, list):
        raise Malformed(f"{where}: {key!r} must be a list")
    for i, row in enumerate(rows):
        if not isinstance(row, dict) or not set(fields) <= set(row):
            raise Malformed(f"{where}: {key}[{i}] must be an object with keys {', '.join(fields)}")
        positive(row["seconds"], f"{where}: {key}[{i}].seconds")
    return rows


# Row fields that are not a tool's time.
NOT_TOOLS = {"label", "case", "size", "nodes", "instructions"}


def family_of(case):
    """'queens 20' -> 'queens'; None when the case is one of a kind."""
    words = case.split()
    return " ".join(words[:-1]) if len(words) > 1 and words[-1][:1].isdigit() else None


def rows_to_road(rows, path):
    if not all(isinstance(r, dict) and "case" in r and "nemox_seconds" in r for r in rows):
        raise Malformed(f"{path}: every row needs 'case' and 'nemox_seconds'")
    labels = [r["label"] for r in rows if "label" in r]
    if labels:
        rows = [r for r in rows if r.get("label") == labels[-1]]
    families = {}
    for row in rows:
        if "size" in row and family_of(row["case"]):
            families[family_of(row["case"])] = families.get(family_of(row["case"]), 0) + 1
    latency, scaling = [], []
    for i, row in enumerate(rows):
        family = family_of(row["case"]) if "size" in row else None
        times = {"nemox": row["nemox_seconds"]}
        times.update({k: v for k, v in row.items()
                      if k not in NOT_TOOLS and not k.startswith("nemox") and not k.endswith("_instructions")})
        for tool, seconds in times.items():
            if seconds is None:
                continue  # the peer did not run or did not finish
            positive(seconds, f"{path}: row {i} ({row['case']}), {tool}")
            if family is not None and families[family] > 1:
                scaling.append({"series": tool, "size": positive(row["size"], f"{path}: row {i} size"),
                                "seconds": seconds, "panel": family})
            else:
                latency.append({"problem": row["case"], "tool": tool, "seconds": seconds})
    return latency, scaling


def load_road(path):
    try:
        data = json.loads(path.read_text())
    except json.JSONDecodeError as e:
        raise Malformed(f"{path}: not JSON ({e})") from None
    if isinstance(data, list):
        return rows_to_road(data, path)
    if not isinstance(data, dict):
        raise Malformed(f"{path}: expected an object or a list of rows")
    latency = rows_of(data, "latency", ["problem", "tool", "seconds"], path)
    scaling = rows_of(data, "scaling", ["series", "size", "seconds"], path)
    for i, row in enumerate(scaling):
        positive(row["size"], f"{path}: scaling[{i}].size")
    return latency, scaling


def load_netlib(path):
    try:
        data = json.loads(path.read_text())
    except json.JSONDecodeError as e:
        raise Malformed(f"{path}: not JSON ({e})") from None
    if not isinstance(data, dict) or not isinstance(data.get("models"), list) or not data["models"]:
        raise Malformed(f"{path}: expected an object with a non-empty list of models")
    positive(data.get("timeout"), f"{path}: timeout")
    for i, row in enumerate(data["models"]):
        if not isinstance(row, dict) or set(NETLIB_KEYS) - set(row):
            raise Malformed(f"{path}: models[{i}] must have the keys {', '.join(NETLIB_KEYS)}")
        positive(row["highs_seconds"], f"{path}: models[{i}].highs_seconds")
        if row["seconds"] is not None:
            positive(row["seconds"], f"{path}: models[{i}].seconds")
    return data


def plot_latency(latency, out):
    problems = list(dict.fromkeys(r["problem"] for r in latency))
    fig, ax = plt.subplots(figsize=(8, 0.5 + 0.45 * len(latency)))
    labels, values, colours = [], [], []
    for p in problems:
        for r in (r for r in latency if r["problem"] == p):
            labels.append(f"{p}: {r['tool']}")
            values.append(r["seconds"] * 1e6)
            colours.append("tab:blue" if r["tool"] == "nemox" else "tab:gray")
    y = range(len(labels))[::-1]
    ax.barh(list(y), values, color=colours)
    ax.set_yticks(list(y), labels)
    ax.set_xscale("log")
    ax.set_xlabel("microseconds per call, or per conflict where the case says so (log scale)")
    ax.set_title("Per-call latency, nemox (blue) and the peers")
    fig.tight_layout()
    fig.savefig(out, dpi=110)
    plt.close(fig)


def plot_scaling(by_road, out):
    panels = {}
    for road, rows in by_road.items():
        for r in rows:
            panels.setdefault(f"{road}: {r['panel']}" if "panel" in r else road, []).append(r)
    fig, axes = plt.subplots(1, len(panels), figsize=(4.2 * len(panels), 3.6), squeeze=False)
    for ax, (road, rows) in zip(axes[0], panels.items()):
        for series in dict.fromkeys(r["series"] for r in rows):
            pts = sorted((r["size"], r["seconds"]) for r in rows if r["series"] == series)
            ax.plot([p[0] for p in pts], [p[1] for p in pts], marker="o", label=series)
        ax.set_yscale("log")
        sizes = [r["size"] for r in rows]
        if max(sizes) > 100 * min(sizes):
            ax.set_xscale("log")
        ax.set_title(road)
        ax.set_xlabel("size")
        ax.set_ylabel("seconds per solve")
        ax.legend(fontsize=7)
    fig.tight_layout()
    fig.savefig(out, dpi=110)
    plt.close(fig)


def netlib_points(data):
    """(HiGHS seconds, nemox seconds or the timeout, answered) of the models nemox ran."""
    limit = data["timeout"]
    return [(m["highs_seconds"], m["seconds"] if m["seconds"] is not None else limit, m["seconds"] is not None,
             m["set"]) for m in data["models"] if not m["skipped"]]


def plot_netlib(data, out, before=None):
    limit = data["timeout"]
    fig, ax = plt.subplots(figsize=(7.5, 6))
    if before is not None:
        pts = netlib_points(before)
        ax.scatter([p[0] for p in pts], [p[1] for p in pts], s=14, facecolors="none", edgecolors="0.7",
                   label="before (same models)")
    pts = netlib_points(data)
    styles = {("feasible", True): ("o", "tab:blue", "feasible, answered"),
              ("infeasible", True): ("s", "tab:green", "infeasible, answered"),
              ("feasible", False): ("^", "tab:red", f"feasible, no answer in {limit:g} s"),
              ("infeasible", False): ("v", "tab:orange", f"infeasible, no answer in {limit:g} s")}
    for (kind, answered), (marker, colour, label) in styles.items():
        sel = [p for p in pts if p[3] == kind and p[2] == answered]
        if sel:
            ax.scatter([p[0] for p in sel], [p[1] for p in sel], s=22, marker=marker, color=colour, label=label)
    xs = [p[0] for p in pts] + ([p[0] for p in netlib_points(before)] if before else [])
    lo, hi = min(xs) / 2, max(xs) * 2
    ymin = min(min(p[1] for p in pts), lo) / 2
    for ratio in (1, 10, 100, 1000):
        ax.plot([lo, hi], [lo * ratio, hi * ratio], color="0.5", lw=0.8, ls="--" if ratio > 1 else "-")
        x = min(hi, limit / ratio) / 1.6
        if x > lo:
            ax.text(x, x * ratio * 1.15, f"{ratio:,}x", fontsize=8, color="0.35", ha="right")
    ax.axhline(limit, color="tab:red", lw=0.6, ls=":")
    ax.set_xscale("log")
    ax.set_yscale("log")
    ax.set_xlim(lo, hi)
    ax.set_ylim(ymin, limit * 2)
    ax.set_xlabel("HiGHS seconds (floating point)")
    ax.set_ylabel("nemox seconds (exact)")
    ax.set_title("Netlib LP models: exact simplex against HiGHS, one point per model")
    ax.legend(fontsize=8, loc="lower right")
    fig.tight_layout()
    fig.savefig(out, dpi=110)
    plt.close(fig)


def main(argv=None):
    parser = argparse.ArgumentParser(description="Plots from bench/results/*.json")
    parser.add_argument("--results", type=Path, default=HERE / "results")
    parser.add_argument("--out", type=Path, default=HERE.parent / "docs" / "img")
    args = parser.parse_args(argv)
    args.out.mkdir(parents=True, exist_ok=True)
    skipped, latency, by_road = [], [], {}
    try:
        for road in ROADS:
            path = args.results / f"{road}.json"
            if not path.exists():
                skipped.append(f"{road}.json")
                continue
            rows, scaling = load_road(path)
            latency += rows
            if scaling:
                by_road[road] = scaling
        netlib_path = args.results / "netlib.json"
        netlib = load_netlib(netlib_path) if netlib_path.exists() else None
        before_path = args.results / "netlib_before.json"
        netlib_before = load_netlib(before_path) if netlib and before_path.exists() else None
    except Malformed as e:
        print(f"plots.py: malformed results file: {e}", file=sys.stderr)
        return 1
    made = []
    if latency:
        plot_latency(latency, args.out / "latency.png")
        made.append("latency.png")
    if by_road:
        plot_scaling(by_road, args.out / "scaling.png")
        made.append("scaling.png")
    if netlib is None:
        skipped.append("netlib.json")
    else:
        plot_netlib(netlib, args.out / "netlib.png", netlib_before)
        made.append("netlib.png")
    print("made: " + (", ".join(made) or "nothing"))
    if skipped:
        print("skipped, file absent: " + ", ".join(skipped) + f" (under {args.results})")
    return 0


if __name__ == "__main__":
    sys.exit(main())
