"""Texts whose calls do not end within a test run, for the tests that stop a
call by a signal: a call that merely takes "long enough" ends first on a
fast machine, and the signal then lands in the test itself."""
import random

import lp_gen

I64_MIN, I64_MAX = -(2**63), 2**63 - 1


def pigeonhole_cnf(holes: int, pigeons: int = -1) -> str:
    """Each pigeon in some hole, no two in one. With a pigeon more than holes
    it is unsatisfiable and exponential for resolution: 8 holes take minutes
    here, and each hole more about fifty times longer."""
    pigeons = holes + 1 if pigeons < 0 else pigeons

    def var(pigeon: int, hole: int) -> int:
        return pigeon * holes + hole + 1

    rows = [" ".join(str(var(p, h)) for h in range(holes)) + " 0" for p in range(pigeons)]
    rows += [f"-{var(p, h)} -{var(q, h)} 0"
             for h in range(holes) for p in range(pigeons) for q in range(p + 1, pigeons)]
    return "\n".join([f"p cnf {pigeons * holes} {len(rows)}", *rows]) + "\n"


SAT = pigeonhole_cnf(11)

def twin_rows(rng: random.Random, n: int, first: int, scale: str = "") -> list[str]:
    """n dense rows of signed nine-decimal data over 2n columns x{first}...,
    columns 2k and 2k + 1 alike, each at least or at most (written as at
    most) what every column at 2 gives, with a margin, and every column at
    most 3; with `scale`, each right side times that variable, moved to the
    left. Feasible, and no optimum over these columns is unique (a twin can
    take its pair's share), so only the pivots of the whole path answer it."""
    from decimal import Decimal

    rows = []
    for _ in range(n):
        a = [Decimal(lp_gen._number(rng, "dec9")) for _ in range(n)]
        margin = Decimal(lp_gen._number(rng, "dec9").lstrip("-"))
        rhs = 2 * sum(a) + margin
        if rng.random() < 0.5:  # at least 2 sum(a) - margin
            a, rhs = [-c for c in a], -(2 * sum(a) - margin)
        lhs = " + ".join(f"{a[j // 2]}*x{first + j}" for j in range(2 * n))
        rows.append(f"{lhs} + {-rhs}*{scale} <= 0" if scale else f"{lhs} <= {rhs}")
    rows += [f"x{first + j} - 3*{scale} <= 0" if scale else f"x{first + j} <= 3" for j in range(2 * n)]
    return rows


# Two hundred such rows over four hundred columns: a hundred rows took 13 s
# here and sixty 1 s; this many did not end in two minutes.
_rng = random.Random(3)
_costs = [lp_gen._number(_rng, "dec9").lstrip("-") for _ in range(200)]
LP = "\n".join(["max " + " + ".join(f"{_costs[j // 2]}*x{j}" for j in range(400))]
               + twin_rows(_rng, 200, 0)) + "\n"

# Dense nine-decimal nodes of about a second and a half each, all sixty
# variables integer: infeasible, after twelve minutes here.
MILP = "".join(f"int x{v}\n" for v in range(60)) + lp_gen.random_lp(
    random.Random(2), 60, 60, "dec9", density=1.0, ops=("<=", ">="))

# A cycle of 200 constraints over the whole 64-bit range: each round of
# propagation moves the bounds by 200, so it would take about 2^56 rounds. A
# cycle through fewer constraints is cut short by taking its rounds many at
# once; one through this many is not.
CP = "\n".join([f"var v{i} {I64_MIN} {I64_MAX}" for i in range(200)]
                + [f"lt v{i} v{(i + 1) % 200}" for i in range(200)]) + "\n"

# Forty 0/1 variables whose doubled sum must be odd: neither bounds nor
# holes see the parity, so every branch fails only when all are fixed
# (26 variables: 2 s here, each two more about four times that).
CP_SEARCH = "\n".join([f"var p{i} 0 1" for i in range(40)]
                       + ["linear " + " ".join(f"2 p{i}" for i in range(40)) + " 41 eq"]) + "\n"


def milp_with_a_slow_up_child() -> str:
    """The root and its down child take a few pivots, and the down child is
    integral: an incumbent at once. Its up child (x0 >= 1) forces x2 >= 1/2,
    which wakes the twin rows, homogeneous in x2 so that the root and the
    down child meet them at zero; their columns cost, so the up child's one
    LP must move them from zero down the whole path."""
    rng = random.Random(5)
    costs = [lp_gen._number(rng, "dec9").lstrip("-") for _ in range(150)]
    objective = "max -2*x0 - 3*x1 + 0*x2 - " + " - ".join(f"{costs[j // 2]}*x{j + 3}" for j in range(300))
    return "\n".join([objective, "int x0", "2*x0 + x1 >= 1", "x0 - x2 <= 0.5"]
                     + twin_rows(rng, 150, 3, "x2")) + "\n"
