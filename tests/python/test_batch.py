"""The batch recipes of examples/: every file answered in name order, each
answer the module's own, failures reported with their file."""

import json
import pickle
import random
import subprocess
import sys
from pathlib import Path

import pytest

import nemox

EXAMPLES = Path(__file__).resolve().parents[2] / "examples"
sys.path.insert(0, str(EXAMPLES))
import batch  # noqa: E402

FUNCTIONS = [nemox.solve_sat, nemox.solve_lp_text, nemox.solve_milp_text, nemox.solve_cp_text]


def write_instances(folder, rng):
    """Random small instances of every kind, a few malformed, one unreadable."""
    files = {}
    for k in range(24):
        kind = rng.choice([".cnf", ".lp", ".milp", ".cp"])
        if kind == ".cnf":
            n = rng.randint(1, 8)
            text = f"p cnf {n} {2 * n}\n" + "".join(
                f"{rng.choice([-1, 1]) * rng.randint(1, n)} {rng.choice([-1, 1]) * rng.randint(1, n)} 0\n"
                for _ in range(2 * n)
            )
        elif kind == ".cp":
            text = f"var a 0 {rng.randint(0, 3)}\nvar b 0 3\nlinear 1 a 1 b {rng.randint(0, 7)} eq\n"
        else:
            text = f"max x0 + {rng.randint(1, 4)}*x1\nint x0\nint x1\n2*x0 + 3*x1 <= {rng.randint(0, 9)}.5\n"
        if rng.random() < 0.2:
            text = "p cnf x\n" if kind == ".cnf" else "var a\n" if kind == ".cp" else "x0 < 1\n"
        files[folder / f"{k:02d}{kind}"] = text
    for path, text in files.items():
        path.write_text(text)
    (folder / "notes.txt").write_text("not an instance")
    bad = folder / "99.cnf"
    bad.write_bytes(b"p cnf 1 1\n\xff 0\n")  # not UTF-8
    return sorted(str(p) for p in list(files) + [bad])


def expected_outcomes(paths):
    outcomes = []
    for path in paths:
        try:
            text = Path(path).read_text(encoding="utf-8")
            outcomes.append(batch.Outcome(path, result=batch.SOLVERS[Path(path).suffix](text)))
        except (ValueError, UnicodeDecodeError) as e:
            outcomes.append(batch.Outcome(path, error=f"{type(e).__name__}: {e}"))
    return outcomes


@pytest.fixture
def folder(tmp_path):
    paths = write_instances(tmp_path, random.Random(11))
    return tmp_path, paths


def check(outcomes, paths):
    assert outcomes == expected_outcomes(paths)
    errors = [o for o in outcomes if o.error]
    assert any(o.error.startswith("ValueError: ") for o in errors)
    assert any(o.path.endswith("99.cnf") and o.error.startswith("UnicodeDecodeError") for o in errors)
    assert len(errors) < len(outcomes)


def test_instances_are_the_known_suffixes_in_name_order(folder):
    tmp_path, paths = folder
    assert batch.instances(str(tmp_path)) == paths


def test_process_pool_answers_every_file_in_order(folder):
    tmp_path, paths = folder
    check(list(batch.solve_with_processes(batch.instances(str(tmp_path)), workers=2)), paths)


@pytest.mark.parametrize("function", FUNCTIONS)
def test_module_functions_pickle_by_name_and_run_in_workers(function):
    assert pickle.loads(pickle.dumps(function)) is function
    texts = {
        nemox.solve_sat: ["p cnf 2 1\n1 2 0\n", "p cnf 1 2\n1 0\n-1 0\n"],
        nemox.solve_cp_text: ["var a 1 3\nvar b 1 3\nneq a b\n", "var x 5 1\n"],
    }.get(function, ["max x0 + x1\nint x0\nint x1\n2*x0 + 2*x1 <= 3\n", "max x0\nx0 >= 1\n"])
    assert list(batch.solve_texts(function, texts, workers=2)) == [function(t) for t in texts]


def test_dask_local_cluster_answers_every_file_in_order(folder):
    # The test command installs dask; its absence must fail here, not skip.
    from distributed import Client, LocalCluster

    tmp_path, paths = folder
    with LocalCluster(n_workers=2, threads_per_worker=1, processes=True, dashboard_address=None) as cluster:
        with Client(cluster) as client:
            check(list(batch.solve_with_dask(batch.instances(str(tmp_path)), client)), paths)


def test_command_line_prints_one_json_line_per_file(folder):
    tmp_path, paths = folder
    run = subprocess.run(
        [sys.executable, str(EXAMPLES / "batch.py"), str(tmp_path), "-j", "2"], capture_output=True, text=True
    )
    assert run.returncode == 1, run.stderr  # some files are malformed
    lines = [json.loads(line) for line in run.stdout.splitlines()]
    assert [batch.Outcome(**line) for line in lines] == expected_outcomes(paths)
