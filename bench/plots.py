#!/usr/bin/env python3
"""The benchmark page's plots, from the JSON files that the benchmarks write
under bench/results/ (matplotlib, installed for the benchmarks only):

  latency.png   per-call latency next to the peers, every file's "latency" rows
  scaling.png   time per solve against size, one panel per road ("scaling" rows)
  netlib.png    the Netlib LP table (netlib.json)

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
NETLIB_KEYS = ["model", "rows", "cols", "nonzeros", "pivots", "seconds", "bits", "objective", "optimum",
               "rel_error", "highs_seconds"]


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


def load_road(path):
    try:
        data = json.loads(path.read_text())
    except json.JSONDecodeError as e:
        raise Malformed(f"{path}: not JSON ({e})") from None
    if not isinstance(data, dict):
        raise Malformed(f"{path}: expected an object")
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
    if not isinstance(data, list) or not data:
        raise Malformed(f"{path}: expected a non-empty list of models")
    for i, row in enumerate(data):
        if not isinstance(row, dict) or set(NETLIB_KEYS) - set(row):
            raise Malformed(f"{path}: entry {i} must have the keys {', '.join(NETLIB_KEYS)}")
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
    ax.set_xlabel("microseconds per call (log scale)")
    ax.set_title("Per-call latency, nemox (blue) and the peers")
    fig.tight_layout()
    fig.savefig(out, dpi=110)
    plt.close(fig)


def plot_scaling(by_road, out):
    fig, axes = plt.subplots(1, len(by_road), figsize=(4.2 * len(by_road), 3.6), squeeze=False)
    for ax, (road, rows) in zip(axes[0], by_road.items()):
        for series in dict.fromkeys(r["series"] for r in rows):
            pts = sorted((r["size"], r["seconds"]) for r in rows if r["series"] == series)
            ax.plot([p[0] for p in pts], [p[1] for p in pts], marker="o", label=series)
        ax.set_yscale("log")
        ax.set_title(road)
        ax.set_xlabel("size")
        ax.set_ylabel("seconds per solve")
        ax.legend(fontsize=7)
    fig.tight_layout()
    fig.savefig(out, dpi=110)
    plt.close(fig)


def plot_netlib(models, out):
    head = ["model", "rows", "cols", "nonzeros", "pivots", "seconds", "bits", "rel. error", "HiGHS s"]
    cells = [[m["model"], m["rows"], m["cols"], m["nonzeros"], m["pivots"], f"{m['seconds']:.3g}", m["bits"],
              f"{m['rel_error']:.1e}", f"{m['highs_seconds']:.3g}"] for m in models]
    fig, ax = plt.subplots(figsize=(9, 0.6 + 0.3 * len(cells)))
    ax.axis("off")
    table = ax.table(cellText=cells, colLabels=head, loc="center")
    table.auto_set_font_size(False)
    table.set_fontsize(8)
    ax.set_title("Netlib LP models: exact simplex against HiGHS")
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
        plot_netlib(netlib, args.out / "netlib.png")
        made.append("netlib.png")
    print("made: " + (", ".join(made) or "nothing"))
    if skipped:
        print("skipped, file absent: " + ", ".join(skipped) + f" (under {args.results})")
    return 0


if __name__ == "__main__":
    sys.exit(main())
