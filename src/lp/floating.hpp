#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/interrupt.hpp"
#include "lp/tableau.hpp"

namespace nemox::lp {

// The driver's standard form in doubles: A x = b, x >= 0, b >= 0, the
// matrix by sparse columns, maximising cost x. Every row has a unit column
// in `basis`, the driver's starting basis (slack or artificial).
struct FloatProblem {
    std::size_t rows = 0;
    std::size_t cols = 0;
    std::vector<std::size_t> col_start;  // cols + 1 entries
    std::vector<std::size_t> row_index;
    std::vector<double> value;
    std::vector<double> rhs;
    std::vector<double> cost;
    std::vector<char> artificial;
    std::vector<std::size_t> basis;  // by row
};

// Where a floating-point simplex ended. Its basis is only a guess, to be
// checked exactly: the doubles may have gone wrong anywhere.
struct FloatOutcome {
    enum class Kind { Optimal, Infeasible, Unbounded, Failed };
    Kind kind = Kind::Failed;
    std::vector<std::size_t> basis;  // m columns, any order
    std::uint64_t pivots = 0;
    // Optimal: the doubles found a second optimal point, so the optimum is
    // very likely not unique. A hint only, never a proof.
    bool another_optimum = false;
    // Optimal: some nonbasic column prices at zero in doubles. The exact
    // prices of the basis alone then most likely cannot prove the optimum
    // unique.
    bool zero_reduced_cost = false;
};

// Two-phase primal simplex in doubles: a product-form factorization of the
// basis refreshed every few dozen updates, devex pricing (Dantzig's rule where devex fails) on the
// scaled problem, a two-pass ratio test with tolerances. Rows that only bound one column become
// bounds on it (the basis given back is one of the rows again); a long run of degenerate pivots
// perturbs the basic values, which dual simplex pivots mend at the end. Artificial columns never
// enter, and those left basic stay at zero in phase 2. Gives up (Failed) on a singular basis it
// cannot repair or after too many pivots.
// The pricing rules tried in turn until one does not fail; the single rules
// are there so that each path can be tested on its own.
enum class FloatPricing { DevexThenDantzig, Devex, Dantzig };
FloatOutcome float_simplex(const FloatProblem& problem, Interrupt& interrupt,
                           FloatPricing pricing = FloatPricing::DevexThenDantzig);

}  // namespace nemox::lp
