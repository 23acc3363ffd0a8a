"""Every example of the pages under docs/ runs, and shows what it prints:
```python blocks as doctests (plain code must run without error), ```console
blocks command by command with their output. Links and images must exist."""

import doctest
import importlib.util
import json
import os
import re
import shutil
import subprocess
import sysconfig
from fractions import Fraction
from pathlib import Path

import pytest

from memory import SANITIZED

REPO = Path(__file__).resolve().parents[2]
DOCS = REPO / "docs"
PAGES = sorted(DOCS.glob("*.md"))
FENCE = re.compile(r"^```(\w*)\n(.*?)^```", re.S | re.M)
COMMAND_DIR = REPO / "build" / "sanitize" if SANITIZED else Path(sysconfig.get_path("scripts"))


def blocks(kind):
    found = []
    for page in PAGES:
        text = page.read_text()
        for match in FENCE.finditer(text):
            if match.group(1) == kind:
                line = text.count("\n", 0, match.start()) + 2
                found.append(pytest.param(page, line, match.group(2), id=f"{page.stem}:{line}"))
    return found


@pytest.fixture
def workdir(tmp_path, monkeypatch):
    """The examples' working directory: a copy of examples/, as at the repository's root."""
    shutil.copytree(REPO / "examples", tmp_path / "examples")
    monkeypatch.chdir(tmp_path)
    monkeypatch.setattr("sys.path", list(__import__("sys").path))
    return tmp_path


def bench_report():
    found = importlib.util.spec_from_file_location("bench_report", REPO / "bench" / "report.py")
    module = importlib.util.module_from_spec(found)
    found.loader.exec_module(module)
    return module


def test_figures_are_the_ones_the_committed_results_give():
    report = bench_report()
    results = report.load(REPO / "bench" / "results")
    quoted = set()
    for page in report.pages(REPO):
        text = page.read_text()
        names = report.regions_in(text)
        assert text.count("<!-- figures:") == text.count("<!-- /figures:") == len(names), f"{page.name}: unclosed region"
        assert report.rewrite(text, results) == text, f"{page.name} differs from bench/results: python3 bench/report.py"
        quoted |= set(names)
    assert quoted == set(report.REGIONS)
    # The check sees a new result: the README's LP latency follows the file.
    results["lp"]["latency"][0]["seconds"] *= 3
    readme = (REPO / "README.md").read_text()
    assert report.rewrite(readme, results) != readme


def test_the_pages_exist_and_the_readme_links_them():
    names = {p.name for p in PAGES}
    assert {"index.md", "formats.md", "builders.md", "guarantees.md", "interrupting.md", "command-line.md",
            "batches.md", "benchmarks.md"} <= names
    assert "docs/index.md" in (REPO / "README.md").read_text()


@pytest.mark.parametrize("page", PAGES, ids=lambda p: p.stem)
def test_links_and_images_point_at_files(page):
    for target in re.findall(r"\]\(([^)#:]+)\)", page.read_text()):
        assert (page.parent / target).is_file(), f"{page.name} links to missing {target}"


@pytest.mark.parametrize("page", [p for p in PAGES if any(b.values[0] == p for b in blocks("python"))],
                         ids=lambda p: p.stem)
def test_python_examples(page, workdir):
    # The blocks of a page run in order in one namespace, as a reader would run them.
    namespace = {"__name__": "__main__"}
    for _, line, code in (b.values for b in blocks("python") if b.values[0] == page):
        if ">>>" in code:
            test = doctest.DocTestParser().get_doctest(code, namespace, f"{page.name}:{line}", str(page), line)
            report = []
            result = doctest.DocTestRunner(optionflags=doctest.ELLIPSIS).run(test, out=report.append, clear_globs=False)
            assert result.failed == 0, "".join(report)
            namespace = test.globs  # the doctest ran on a copy
        else:
            exec(compile(code, f"{page.name}:{line}", "exec"), namespace)


def console_steps(code):
    """(command, expected output) for each `$ ` line of a console block."""
    steps = []
    for row in code.splitlines():
        if row.startswith("$ "):
            steps.append([row[2:], []])
        else:
            assert steps, f"output before any command: {row!r}"
            steps[-1][1].append(row)
    return [(command, "\n".join(out)) for command, out in steps]


@pytest.mark.parametrize("page, line, code", blocks("console"))
def test_console_examples(page, line, code, workdir):
    env = dict(os.environ, PATH=f"{COMMAND_DIR}{os.pathsep}{os.environ['PATH']}")
    steps = console_steps(code)
    assert steps
    for command, expected in steps:
        run = subprocess.run(["bash", "-c", command], capture_output=True, text=True, cwd=workdir, env=env)
        assert run.returncode in (0, 10, 20), (command, run.stderr)
        assert run.stdout.rstrip("\n") == expected, command


def certificate_checker():
    """The checker of docs/certificates.md, as a reader would copy it."""
    text = (DOCS / "certificates.md").read_text()
    code = next(m.group(2) for m in FENCE.finditer(text) if m.group(1) == "python" and "def check" in m.group(2))
    namespace = {}
    exec(code, namespace)
    return namespace["check"]


def spoiled(c):
    """The certificate with a number changed so that it proves nothing."""
    c = json.loads(json.dumps(c))
    if "farkas" in c:
        c["farkas"] = [str(-Fraction(v)) for v in c["farkas"]]
    elif "ray" in c:
        c["ray"] = [str(-Fraction(v)) for v in c["ray"]]
    else:
        c["primal"][0] = "-1"
    return c


def test_the_certificate_checker_accepts_what_the_command_writes(tmp_path):
    import random

    import lp_gen
    check = certificate_checker()
    rng = random.Random(11)
    for kind in ("lp", "milp"):
        folder = tmp_path / kind
        folder.mkdir()
        for i in range(60):
            n = rng.randint(2, 7)
            text = lp_gen.random_lp(rng, n, rng.randint(1, 6), rng.choice(["int", "dec2", "dec9"]))
            if kind == "milp":
                text += "".join(f"int x{v}\n" for v in range(0, n, 2))
            (folder / f"m{i:02d}.lp").write_text(text)
        inputs = [folder, REPO / "examples" / "plan.mps"]
        inputs += [REPO / "bench" / "data" / "netlib_infeasible" / f"{m}.mps.gz" for m in ("galenet", "itest6")]
        cert = tmp_path / f"{kind}.json"
        done = subprocess.run([str(COMMAND_DIR / "nemox"), kind, "--verify", "--certificate", str(cert),
                               *map(str, inputs)], capture_output=True, text=True)
        assert done.returncode == 0, done.stderr
        proven = []
        for line in cert.read_text().splitlines():
            c = json.loads(line)
            assert check(c) == c["proves"], c["file"]
            if c["proves"] != "nothing":
                with pytest.raises(AssertionError):
                    check(spoiled(c))
            proven.append(c["proves"])
        assert len(proven) == 63
        assert {"infeasibility", "unboundedness"} <= set(proven)
        assert "optimality" in proven if kind == "lp" else "a feasible point and a bound" in proven
