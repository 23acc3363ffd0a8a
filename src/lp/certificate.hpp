#pragma once

#include <optional>
#include <string>
#include <vector>

#include "linear/big_rational.hpp"
#include "linear/system.hpp"

namespace nemox::lp {

// What proves an LP answer, in exact numbers, so that anyone can check it
// without trusting the solver. Constraint i of the system reads
// a_i x op b_i (b_i minus the constant of its expression); the objective
// c x + k (zero without one). Vectors over variables follow the order of
// the system's `variables`, vectors over constraints that of its
// `constraints`.
//
// Optimal: `primal` is a feasible point and `multipliers` the dual value
// of each constraint: the rate at which the optimum moves when b_i grows.
// Maximising, y_i >= 0 on "<=", y_i <= 0 on ">="; minimising, the reverse;
// free on "=". The reduced costs c - sum y_i a_i are <= 0 (maximising) or
// >= 0 (minimising) and c x = sum y_i b_i: no feasible point does better.
//
// Infeasible: `multipliers` y with y_i >= 0 on "<=", y_i <= 0 on ">=",
// free on "=", such that sum y_i a_i >= 0 in every variable and
// sum y_i b_i < 0: every feasible x >= 0 would give 0 <= sum y_i b_i < 0.
//
// Unbounded: `primal` a feasible point and `ray` a direction d >= 0 that
// keeps every constraint (a_i d <= 0 on "<=", >= 0 on ">=", = 0 on "=")
// and improves the objective (c d > 0 maximising, < 0 minimising).
struct Certificate {
    enum class Kind { Optimal, Infeasible, Unbounded };

    Kind kind = Kind::Optimal;
    std::vector<linear::BigRational> primal;       // Optimal, Unbounded
    std::vector<linear::BigRational> multipliers;  // Optimal, Infeasible
    std::vector<linear::BigRational> ray;          // Unbounded

    bool operator==(const Certificate&) const = default;
};

// Nothing when `certificate` proves its answer about `system` in exact
// arithmetic; otherwise the first reason it does not, for a person.
std::optional<std::string> certificate_error(const linear::BigLinearSystem& system,
                                             const Certificate& certificate);

// The objective c x + k of the system at `point` (zero without objective).
linear::BigRational objective_at(const linear::BigLinearSystem& system,
                                 const std::vector<linear::BigRational>& point);

}  // namespace nemox::lp
