"""Coverage-guided fuzzing of the four functions through Python (atheris).

The first byte of an input picks the function and how the rest is decoded
(invalid UTF-8 becomes lone surrogates or U+FFFD). Every call must return a
dict of the documented shape, or raise ValueError with a message, MemoryError
or UnicodeEncodeError; the same text must give the same answer again. A CPU-time
timer interrupts long solves, as Ctrl-C would.

Usage (see the README): python3 fuzz/surface.py CORPUS_DIR [libFuzzer flags]
An empty CORPUS_DIR is first filled with the seed texts of fuzz/corpus.
"""
import pathlib
import re
import signal
import sys

import atheris

with atheris.instrument_imports():
    import nemox

FUNCTIONS = [nemox.solve_sat, nemox.solve_lp_text, nemox.solve_milp_text, nemox.solve_cp_text]
SEEDS = {0: "dimacs", 1: "lp", 2: "lp", 3: "cp"}
LINEAR_WORDS = {"OPTIMAL", "FEASIBLE", "INFEASIBLE", "UNBOUNDED"}
BUDGET_SECONDS = 0.05


class OutOfTime(Exception):
    pass


def out_of_time(signum, frame):
    raise OutOfTime


def check_shape(which, result):
    assert type(result) is dict, result
    keys = list(result)
    assert keys in (["status"], ["status", "model"], ["status", "model", "objective"]), keys
    status = result["status"]
    model = result.get("model")
    if which in (0, 3):
        assert status in ("SAT", "UNSAT") and (model is not None) == (status == "SAT"), result
        value_type = bool if which == 0 else int
    else:
        # An undecided answer carries a longer text than the four words.
        assert status in LINEAR_WORDS or len(status) > 10, result
        assert ("objective" in result) == (status == "OPTIMAL"), result
        if "objective" in result:
            assert type(result["objective"]) is float, result
        value_type = (int, float)
    if model is not None:
        assert all(isinstance(v, value_type) and (value_type is bool or type(v) is not bool)
                   for v in model.values()), result
        if which == 0:
            assert list(model) == [f"x{i}" for i in range(len(model))], result


def call(function, text):
    signal.setitimer(signal.ITIMER_VIRTUAL, BUDGET_SECONDS)
    try:
        return function(text)
    except (MemoryError, UnicodeEncodeError) as e:
        return (type(e).__name__,)
    except ValueError as e:
        assert len(e.args) == 1 and e.args[0], e
        return ("ValueError", e.args[0])
    finally:
        signal.setitimer(signal.ITIMER_VIRTUAL, 0)


def test_one_input(data: bytes) -> None:
    if not data:
        return
    which = data[0] % 4
    raw = data[1:]
    text = raw.decode("utf-8", "surrogateescape" if data[0] & 0x80 else "replace")
    # A clause naming variable 10,000,000 asks for a model of ten million
    # pairs: gigabytes, more than the fuzzer lets a process use.
    if which == 0 and re.search(r"[1-9][0-9]{6}", text):
        return
    try:
        first = call(FUNCTIONS[which], text)
        if isinstance(first, dict):
            check_shape(which, first)
        again = call(FUNCTIONS[which], text)
    except OutOfTime:
        return
    assert first == again, (first, again)


def fill_seeds(corpus: pathlib.Path) -> None:
    root = pathlib.Path(__file__).parent / "corpus"
    for which, kind in SEEDS.items():
        for seed in sorted((root / kind).iterdir()):
            (corpus / f"{which}-{seed.name}").write_bytes(bytes([which]) + seed.read_bytes())


if __name__ == "__main__":
    # SIGALRM stays libFuzzer's, for its own time-outs.
    signal.signal(signal.SIGVTALRM, out_of_time)
    corpus = pathlib.Path(sys.argv[1])
    if not corpus.is_file():
        corpus.mkdir(parents=True, exist_ok=True)
        if not any(corpus.iterdir()):
            fill_seeds(corpus)
    atheris.Setup(sys.argv, test_one_input)
    atheris.Fuzz()
