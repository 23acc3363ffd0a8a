#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

#include "core/interrupt.hpp"
#include "linear/big_rational.hpp"
#include "linear/rational.hpp"
#include "lp/certificate.hpp"
#include "lp/floating.hpp"
#include "lp/revised.hpp"

namespace nemox::lp {

// The driver's standard form as its fill writes it, kept so that it can be
// handed to the floating-point simplex and loaded into the exact engine
// with any basis.
class StandardForm {
  public:
    StandardForm(std::size_t num_vars, std::size_t num_constraints)
        : num_vars_(num_vars), m_(num_constraints), basis_(num_constraints, kNoColumn) {}

    std::size_t num_vars() const { return num_vars_; }
    std::size_t num_constraints() const { return m_; }
    void set(std::size_t row, std::size_t col, const linear::Rational& v) {
        small_.emplace_back(row, col, v);
    }
    void set(std::size_t row, std::size_t col, linear::BigRational v) {
        big_.emplace_back(row, col, std::move(v));
    }
    void set_basis(std::size_t row, std::size_t col) { basis_.at(row - 1) = col; }
    void seal() {}

    // Rows 1..M as A x = b, row 0 as the cost, in doubles.
    FloatProblem to_float(const std::vector<char>& artificial) const;
    // Rows 1..M by sparse columns, each column scaled to integers by the
    // least positive factor; the cost row and the right-hand side exactly.
    struct Integers {
        std::vector<std::size_t> start{0};
        std::vector<std::size_t> rows;  // row - 1
        std::vector<linear::BigInt> values;
        std::vector<linear::BigInt> scale;
        std::vector<linear::BigRational> cost;
        std::vector<linear::BigRational> rhs;
        SparseColumns columns() const { return {start, rows, values}; }
    };
    Integers integers() const;
    // The exact engine at `basis` (m columns, any order), or nothing when
    // that basis is singular. With `unit_cost`, the objective is instead the
    // sum of the columns it marks.
    std::unique_ptr<RevisedTableau> load(const std::vector<std::size_t>& basis,
                                         const std::vector<char>* unit_cost = nullptr) const;

  private:
    std::size_t num_vars_;
    std::size_t m_;
    std::vector<std::tuple<std::size_t, std::size_t, linear::Rational>> small_;
    std::vector<std::tuple<std::size_t, std::size_t, linear::BigRational>> big_;
    std::vector<std::size_t> basis_;
};

// What the standard form does not say about the system it came from.
struct FormInfo {
    enum class Objective { None, Maximize, Minimize };
    std::size_t variables = 0;     // the first columns
    std::vector<char> artificial;  // by column
    std::vector<char> flipped;     // by constraint: the row was negated (b < 0)
    Objective objective = Objective::None;
};

// An answer that no choice of pivots can change, with what proves it.
struct DirectAnswer {
    enum class Kind { Optimal, Infeasible, Unbounded };
    Kind kind = Kind::Optimal;
    std::vector<std::size_t> basis;  // Optimal: the optimal basis, by row - 1
    Certificate certificate;
    std::uint64_t pivots = 0;  // exact pivots from the given basis
    // Proven from p-adic solves with the given basis alone, without an
    // exact factorization.
    bool lifted = false;
};

// First tries the given basis as it stands, its values and prices from
// p-adic solves (padic.hpp); when that basis is not the answer, or the
// optimal face must be searched, loads `basis` exactly and finishes from it with at most
// `max_pivots` exact pivots (phase 1 first when an artificial column is positive; the face takes up
// to `max_pivots` + M more, all degenerate). The answer comes only when it is path-independent:
// infeasible, unbounded, or an optimal vertex that is the only optimal point. It is when every
// nonbasic, non-artificial column has a strictly negative reduced cost;
// when some have zero, the sum of those columns is maximised over the
// optimal face (the others held at zero), and the vertex is the only
// optimal point when that maximum is zero. Nothing
// when the basis is singular, has a negative value, or the pivots run out.
// An answer comes only with a certificate that `accepts` (the exact check
// against the problem itself) takes. Without `lift`, the p-adic attempt is
// skipped: for a basis that the doubles already show cannot prove itself.
using CertificateCheck = std::function<bool(const Certificate&)>;
std::optional<DirectAnswer> certify_basis(const StandardForm& form, const FormInfo& info,
                                          const std::vector<std::size_t>& basis,
                                          std::uint64_t max_pivots, Interrupt& interrupt,
                                          const CertificateCheck& accepts, bool lift = true);

}  // namespace nemox::lp
