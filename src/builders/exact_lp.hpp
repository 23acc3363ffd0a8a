#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/interrupt.hpp"
#include "core/lp_result.hpp"
#include "linear/big_rational.hpp"
#include "linear/system.hpp"
#include "milp/solver.hpp"

// LP and MILP models handed over by the builders in exact numbers, without
// the LP text, whose numbers are doubles rounded to 1e-9.
namespace nemox::builders {

// The model as whitespace-separated tokens, every number a signed
// hexadecimal integer (what Python's format(n, "x") writes, any size):
//   columns sense(min|max)
//   count integer-column...
//   count (column numerator denominator)... constant-numerator constant-denominator
//   constraints
//   then per constraint: op(le|ge|eq) and its expression as the objective's,
//   the constraint reading expression op 0.
// Columns become variables 0, 1, ... in order, as the LP text makes them
// when its objective line names x0, x1, ... first. 64-bit fractions when
// every number fits, big ones otherwise. A malformed model throws
// InternalFailure: only the package writes it.
linear::ExactSystem read_exact_model(std::string_view text);

struct ExactAnswer {
    LpResult result;
    // The exact value of each pair of the result's model, in its order.
    std::vector<linear::BigRational> values;
    // An LP's multiplier of each constraint, in the system's order (see
    // lp/certificate.hpp): its duals when Optimal, Farkas multipliers when
    // Infeasible; empty otherwise and for a MILP.
    std::vector<linear::BigRational> multipliers;
};

// The same solve as the LP and MILP roads (with `node_limit` 1000 and no
// `keep`, the same answers), keeping the exact values of the answer and,
// for an LP, its multipliers.
ExactAnswer solve_exact(const linear::ExactSystem& system, bool integers, Interrupt interrupt,
                        std::uint64_t node_limit, milp::KeepIncumbent keep);

}  // namespace nemox::builders
