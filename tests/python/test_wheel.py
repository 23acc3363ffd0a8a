"""The wheel that `python -m build --wheel` makes installs into a fresh
virtual environment, without any index, and works there."""

import os
import subprocess
import sys
import zipfile
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]

SMOKE = r"""
import subprocess, sysconfig, os
import nemox
from nemox_builders import CnfBuilder, CpBuilder, LpBuilder
assert nemox.__file__.startswith(sysconfig.get_paths()["platlib"]), nemox.__file__
assert nemox.solve_sat("p cnf 2 1\n1 2 0\n") == {"status": "SAT", "model": {"x0": True, "x1": True}}
assert nemox.solve_lp_text("min x0\nx0 >= 1\n") == {"status": "OPTIMAL", "model": {"x0": 1}, "objective": 1.0}
assert nemox.solve_milp_text("min x0\nint x0\n2*x0 >= 3\n")["model"] == {"x0": 2}
assert nemox.solve_cp_text("var a 1 3\nvar b 1 3\nneq a b\n")["model"] == {"x0": 1, "x1": 2}
assert issubclass(nemox.InternalError, BaseException)
b = LpBuilder()
b.maximize(b.var("bread"))
b.add({"bread": 2}, "<=", 3)
assert b.solve().values == {"bread": 1.5}
assert len(list(CpBuilder().solutions())) == 1
command = os.path.join(sysconfig.get_path("scripts"), "nemox")
run = subprocess.run([command, "sat", "-"], input="p cnf 1 1\n1 0\n", capture_output=True, text=True)
assert run.returncode == 10 and run.stdout.startswith("s SATISFIABLE"), run
print("ok")
"""


def test_wheel_installs_and_runs_in_a_fresh_venv(tmp_path):
    # The test command installs `build`; its absence must fail here, not skip.
    dist = tmp_path / "dist"
    built = subprocess.run(
        [sys.executable, "-m", "build", "--wheel", "--outdir", str(dist), str(REPO)],
        capture_output=True,
        text=True,
    )
    assert built.returncode == 0, built.stdout[-3000:] + built.stderr[-3000:]
    (wheel,) = dist.glob("*.whl")
    names = zipfile.ZipFile(wheel).namelist()
    assert "nemox_builders/py.typed" in names and "nemox-stubs/__init__.pyi" in names
    assert "nemox_builders/_native.pyi" in names
    assert any(n.startswith("nemox_builders/_native.") and n.endswith(".so") for n in names), names
    # The licence shipped is the one the metadata declares.
    (licence,) = [n for n in names if n.endswith(".dist-info/licenses/LICENSE")]
    metadata = zipfile.ZipFile(wheel).read(next(n for n in names if n.endswith(".dist-info/METADATA"))).decode()
    assert zipfile.ZipFile(wheel).read(licence).decode().startswith("MIT License\n")
    assert ("License: MIT" in metadata or "License-Expression: MIT" in metadata), metadata[:800]
    tag = f"cp{sys.version_info[0]}{sys.version_info[1]}"
    assert f"-{tag}-{tag}-linux_" in wheel.name, wheel.name

    venv = tmp_path / "venv"
    subprocess.run([sys.executable, "-m", "venv", str(venv)], check=True)
    python = venv / "bin" / "python"
    env = {k: v for k, v in os.environ.items() if k not in ("PYTHONPATH", "PYTHONHOME")}
    install = subprocess.run(
        [str(python), "-m", "pip", "install", "-q", "--no-index", "--disable-pip-version-check", str(wheel)],
        capture_output=True,
        text=True,
        env=env,
    )
    assert install.returncode == 0, install.stderr
    smoke = subprocess.run([str(python), "-c", SMOKE], capture_output=True, text=True, cwd=tmp_path, env=env)
    assert smoke.stdout == "ok\n", smoke.stderr
