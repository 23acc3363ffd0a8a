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

# Dense nine-decimal data, exact values that grow with every pivot: more than
# ten minutes here (130 rows take two).
LP = lp_gen.random_lp(random.Random(3), 200, 200, "dec9", density=1.0, ops=("<=", ">="))

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
