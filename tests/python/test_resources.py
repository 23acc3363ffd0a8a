"""All four functions together: Ctrl-C on a long call of each kind, memory
over many mixed calls, and threads calling at once."""
import gc
import random
import threading

import pytest

import lp_gen
import nemox
from alarm import assert_ctrl_c_interrupts
from test_sat import random_cnf, rss_bytes

LONG_CALLS = {
    "sat": (nemox.solve_sat, lambda: random_cnf(random.Random(1), 200, 852)),
    "lp": (nemox.solve_lp_text,
           lambda: lp_gen.random_lp(random.Random(3), 60, 60, "dec9", density=1.0, ops=("<=", ">="))),
    "milp": (nemox.solve_milp_text,
             lambda: "max x0 + 0*x1\nint x0\nint x1\n2*x0 - 2*x1 = 1\nx0 <= 10000\nx1 <= 10000\n"),
    "cp": (nemox.solve_cp_text,
           lambda: "\n".join([f"var p{i} 0 11" for i in range(13)] + ["allDiff " + " ".join(f"p{i}" for i in range(13))])),
}

# (function, text): answers of every kind and reader errors of every reader.
MIXED = [
    (nemox.solve_sat, "p cnf 3 2\n1 -3 0\n2 3 -1 0\n"),
    (nemox.solve_sat, "p cnf 1 2\n1 0\n-1 0\n"),
    (nemox.solve_sat, "p cnf 1 1\n1 x 0\n"),
    (nemox.solve_lp_text, "max x0 + x1\nx0 + 2*x1 <= 4\n3*x0 + x1 <= 6\n"),
    (nemox.solve_lp_text, "max x0\nx0 >= 1\n"),
    (nemox.solve_lp_text, "max x0\nx0 <= 1/3 + 123456789.123456789\n"),
    (nemox.solve_lp_text, "x0 + x1 < 4\n"),
    (nemox.solve_milp_text, "max x0 + x1\nint x0\nint x1\n2*x0 + 2*x1 <= 3\n"),
    (nemox.solve_milp_text, "min x0\nint x0\n2*x0 = 3\n"),
    (nemox.solve_milp_text, "max x0\nx0 <= bad\n"),
    (nemox.solve_cp_text, "var a 1 3\nvar b 1 3\nneq a b\nlinear 2 a 3 b 9 le\n"),
    (nemox.solve_cp_text, "var p 1 2\nvar q 1 2\nvar r 1 2\nallDiff p q r\n"),
    (nemox.solve_cp_text, "var x 0 3\neq x z\n"),
]


def call(fn, text):
    try:
        return fn(text)
    except ValueError as e:
        return ("ValueError", e.args)


@pytest.mark.parametrize("kind", sorted(LONG_CALLS))
def test_ctrl_c_ends_a_long_call_of_each_kind(kind):
    fn, make_text = LONG_CALLS[kind]
    text = make_text()
    assert_ctrl_c_interrupts(lambda: fn(text), after=0.3, within=3)
    assert call(*MIXED[0]) == {"status": "SAT", "model": {"x0": True, "x1": True, "x2": True}}


def test_memory_stays_flat_over_mixed_calls():
    def burst(n):
        for i in range(n):
            call(*MIXED[i % len(MIXED)])

    burst(20_000)
    gc.collect()
    before = rss_bytes()
    burst(100_000)
    gc.collect()
    assert rss_bytes() - before < 4 * 1024 * 1024


def test_sixteen_threads_get_the_serial_answers():
    serial = [call(fn, text) for fn, text in MIXED]
    results = {}

    def work(k):
        for round_ in range(20):
            i = (k + round_) % len(MIXED)
            results[(k, round_)] = (i, call(*MIXED[i]))

    threads = [threading.Thread(target=work, args=(k,)) for k in range(16)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    assert len(results) == 16 * 20
    assert all(answer == serial[i] for i, answer in results.values())
