import subprocess
import sys
import textwrap
import typing
from pathlib import Path

import pytest

import nemox

FUNCTIONS = ["solve_sat", "solve_lp_text", "solve_milp_text", "solve_cp_text"]

DOCS = {
    "solve_sat": "Solve a SAT problem from DIMACS CNF text.\nReturns a dict with keys: status, model (if SAT).",
    "solve_lp_text": "Solve an LP problem from text.",
    "solve_milp_text": "Solve a MILP problem from text.",
    "solve_cp_text": "Solve a CP problem from text.",
}


def test_module_docstring_and_function_order():
    assert nemox.__doc__ == "Python module: `nemox`."
    public = [name for name in vars(nemox) if not name.startswith("__")]
    assert public == FUNCTIONS


@pytest.mark.parametrize("name", FUNCTIONS)
def test_docstring_and_text_signature(name):
    fn = getattr(nemox, name)
    assert fn.__doc__ == DOCS[name]
    assert fn.__text_signature__ == "(input)"
    assert type(fn).__name__ == "builtin_function_or_method"


@pytest.mark.parametrize("name", FUNCTIONS)
@pytest.mark.parametrize(
    "args, kwargs",
    [
        ((), {}),
        (("a", "b"), {}),
        ((1,), {}),
        ((None,), {}),
        ((b"p cnf 0 0",), {}),
        ((), {"text": "p cnf 0 0"}),
        (("p cnf 0 0",), {"input": "p cnf 0 0"}),
        ((), {"input": "x", "other": "y"}),
    ],
)
def test_wrong_calls_raise_type_error(name, args, kwargs):
    with pytest.raises(TypeError):
        getattr(nemox, name)(*args, **kwargs)


def test_non_str_error_names_the_parameter():
    with pytest.raises(TypeError, match="input"):
        nemox.solve_sat(3)


def test_str_subclass_and_keyword_are_accepted():
    class Text(str):
        pass

    assert nemox.solve_sat(Text("p cnf 1 1\n1 0\n")) == {"status": "SAT", "model": {"x0": True}}
    assert nemox.solve_sat(input="p cnf 0 0") == {"status": "SAT", "model": {}}


def test_reimport_returns_the_same_module_object():
    import importlib

    first = sys.modules["nemox"]
    del sys.modules["nemox"]
    try:
        again = importlib.import_module("nemox")
        assert again is first
        assert importlib.reload(again) is first
    finally:
        sys.modules["nemox"] = first


def import_in_sub_interpreter():
    """The error text that importing nemox in a fresh sub-interpreter gives."""
    code = f"import sys; sys.path[:] = {sys.path!r}; import nemox"
    try:
        import _interpreters  # 3.13 on
    except ImportError:
        si = pytest.importorskip("_xxsubinterpreters")
        try:  # 3.12 makes isolated interpreters unless asked not to
            interp = si.create(isolated=False)
        except TypeError:
            interp = si.create()
        try:
            si.run_string(interp, code)
            return ""
        except si.RunFailedError as e:
            return str(e).replace("<class 'ImportError'>", "ImportError")
        finally:
            si.destroy(interp)
    # A legacy (shared-GIL) interpreter reaches the module's own check.
    interp = _interpreters.create("legacy")
    try:
        failure = _interpreters.run_string(interp, code)
        return "" if failure is None else f"{failure.type.__name__}: {failure.msg}"
    finally:
        _interpreters.destroy(interp)


def test_sub_interpreter_import_fails_with_import_error():
    assert import_in_sub_interpreter().endswith("ImportError: nemox does not support sub-interpreters")
    assert nemox.solve_sat("p cnf 0 0") == {"status": "SAT", "model": {}}


def run_mypy(tmp_path, source):
    import importlib.util

    # scripts/run_tests.sh installs mypy: without it this check must fail, not skip.
    assert importlib.util.find_spec("mypy") is not None, "mypy is not installed (pip install mypy)"
    script = tmp_path / "use_nemox.py"
    script.write_text(textwrap.dedent(source))
    run = subprocess.run(
        [sys.executable, "-m", "mypy", "--strict", "--no-incremental", "--cache-dir", str(tmp_path / "cache"),
         str(script)],
        capture_output=True,
        text=True,
        cwd=tmp_path,
    )
    return run.stdout + run.stderr


def test_type_checkers_see_the_signatures(tmp_path):
    out = run_mypy(
        tmp_path,
        """
        import nemox
        r1 = nemox.solve_sat("p cnf 0 0")
        r2 = nemox.solve_lp_text(input="min x0")
        r3 = nemox.solve_milp_text("min x0")
        r4 = nemox.solve_cp_text("var x 0 1")
        status: str = r1["status"]
        nemox.solve_sat(3)
        """,
    )
    # Exactly the one bad call is reported: the stubs are found and typed.
    assert "Found 1 error" in out, out
    assert 'Argument 1 to "solve_sat" has incompatible type "int"' in out


def test_result_shapes_type_check_without_casts(tmp_path):
    out = run_mypy(
        tmp_path,
        """
        from typing import Union
        import nemox
        from nemox_builders import CnfBuilder, CpBuilder, LpBuilder

        sat: bool = nemox.solve_sat("p cnf 1 1\\n1 0")["model"]["x0"]
        lp: Union[int, float] = nemox.solve_lp_text("min x0")["model"]["x0"]
        objective: float = nemox.solve_milp_text("min x0")["objective"]
        cp: int = nemox.solve_cp_text("var x 0 1")["model"]["x0"]
        r = nemox.solve_milp_text("min x0")
        if r["status"] == "UNKNOWN (resource limit)":
            pass
        try:
            nemox.solve_sat("")
        except nemox.InternalError as e:
            message: str = e.args[0]
        b = LpBuilder()
        b.minimize(2 * b.var("bread") + 1)
        value: Union[int, float] = b.solve().values["bread"]
        flag: bool = CnfBuilder().solve().values["p"]
        number: int = CpBuilder().solve().values["a"]
        wrong_bool: bool = nemox.solve_cp_text("var x 0 1")["model"]["x0"]
        wrong_status = nemox.solve_cp_text("")["status"] == "OPTIMAL"
        missing = nemox.solve_cp_text("")["objective"]
        """,
    )
    # Only the three wrong uses at the end are reported.
    assert "Found 3 errors" in out, out
    assert 'expression has type "int", variable has type "bool"' in out, out
    assert 'TypedDict "CpResult" has no key "objective"' in out, out
    assert "Non-overlapping equality check" in out, out


INTERNAL_ERROR_PROBE = """
import nemox
cls = nemox.InternalError          # looked up before any call has failed
assert cls is nemox.InternalError and cls is getattr(nemox, "InternalError")
assert issubclass(cls, BaseException) and not issubclass(cls, Exception)
assert (cls.__module__, cls.__qualname__) == ("nemox", "InternalError")
try:
    raise cls("broken")
except nemox.InternalError as e:
    assert e.args == ("broken",)
assert "InternalError" not in vars(nemox)   # created on use, not stored
assert nemox.solve_sat("p cnf 0 0") == {"status": "SAT", "model": {}}
print("ok")
"""


def test_internal_error_is_reachable_by_name_before_any_failure():
    # A fresh process: nothing in this one may have created the class yet.
    run = subprocess.run([sys.executable, "-c", INTERNAL_ERROR_PROBE], capture_output=True, text=True)
    assert run.stdout == "ok\n", run.stderr


RESULT_TYPES = ["SatResult", "LpResult", "MilpResult", "CpResult"]
STUB = Path(__file__).resolve().parents[2] / "src" / "python" / "nemox.pyi"

# Annotations that name the result types, as user code writes them: checked by
# mypy and run by the interpreter, which evaluates them.
ANNOTATED = """
from typing import Dict, Union, get_type_hints
import nemox
from nemox import CpResult, LpResult, MilpResult, SatResult

def model_size(r: SatResult) -> int:
    return len(r.get("model", {}))

def objective(r: Union[LpResult, MilpResult]) -> float:
    return r.get("objective", 0.0)

def values(r: CpResult) -> Dict[str, int]:
    return r.get("model", {})

answers: Dict[str, "nemox.SatResult"] = {"one": nemox.solve_sat("p cnf 1 1\\n1 0\\n")}
assert model_size(answers["one"]) == 1
assert objective(nemox.solve_milp_text("max x0\\nx0 <= 2\\n")) == 2.0
assert values(nemox.solve_cp_text("var a 4 5\\n")) == {"x0": 4}
hints = {**get_type_hints(model_size), **get_type_hints(objective)}
assert hints["r"] == Union[LpResult, MilpResult] and hints["return"] is float
assert get_type_hints(values)["r"] is nemox.CpResult
print("ok")
"""


def test_result_types_exist_at_run_time_and_type_check(tmp_path):
    # A fresh process: the types are made on first use, not at import.
    run = subprocess.run([sys.executable, "-c", ANNOTATED], capture_output=True, text=True)
    assert run.stdout == "ok\n", run.stderr
    out = run_mypy(tmp_path, ANNOTATED)
    assert "Success: no issues found" in out, out


RACE_PROBE = """
import sys, threading
sys.setswitchinterval(1e-6)  # making the types runs Python code: threads switch inside
import nemox
barrier = threading.Barrier(8)
seen = []
def look():
    barrier.wait()
    seen.append(nemox.MilpResult)
threads = [threading.Thread(target=look) for _ in range(8)]
for t in threads:
    t.start()
for t in threads:
    t.join()
print(len({id(cls) for cls in seen}))
"""


def test_threads_looking_up_a_result_type_first_get_one_class():
    run = subprocess.run([sys.executable, "-c", RACE_PROBE], capture_output=True, text=True)
    assert run.stdout == "1\n", run.stdout + run.stderr


def test_help_points_to_the_user_guide():
    import pydoc

    assert "docs/index.md" in pydoc.render_doc(nemox, renderer=pydoc.plaintext)


@pytest.mark.parametrize("name", RESULT_TYPES)
def test_result_types_are_the_typed_dicts_of_the_stub(name):
    stub = {}
    exec(compile(STUB.read_text(), str(STUB), "exec"), stub)
    expected, actual = stub[name], getattr(nemox, name)
    assert actual is getattr(nemox, name)  # made once
    assert (actual.__module__, actual.__qualname__) == ("nemox", name)
    assert typing.get_type_hints(actual) == typing.get_type_hints(expected)
    assert actual.__required_keys__ == expected.__required_keys__ == {"status"}
    assert actual.__optional_keys__ == expected.__optional_keys__
    assert actual.__doc__ == expected.__doc__
    # A TypedDict builds plain dicts: the answers are instances of nothing new.
    assert actual(status="SAT") == {"status": "SAT"}
    assert name not in vars(nemox) and name not in dir(nemox)


@pytest.mark.parametrize(
    "name", ["InternalErrors", "internalerror", "ValueError", "x0", "__wrapped__", "SatResults", "_SatStatus", "satresult"]
)
def test_other_missing_attributes_stay_attribute_errors(name):
    with pytest.raises(AttributeError) as info:
        getattr(nemox, name)
    assert str(info.value) == f"module 'nemox' has no attribute '{name}'"
    assert not hasattr(nemox, name)
    assert getattr(nemox, name, 42) == 42
