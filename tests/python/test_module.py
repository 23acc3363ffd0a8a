import subprocess
import sys
import textwrap

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


@pytest.mark.parametrize("name", ["InternalErrors", "internalerror", "ValueError", "x0", "__wrapped__"])
def test_other_missing_attributes_stay_attribute_errors(name):
    with pytest.raises(AttributeError) as info:
        getattr(nemox, name)
    assert str(info.value) == f"module 'nemox' has no attribute '{name}'"
    assert not hasattr(nemox, name)
    assert getattr(nemox, name, 42) == 42
