#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <tuple>
#include <vector>

#include "linear/big_rational.hpp"
#include "linear/bigint.hpp"
#include "lp/tableau.hpp"

namespace nemox::lp {

// Work counters of the factorized engine, for benchmarks.
struct RevisedStats {
    std::uint64_t refactorizations = 0;
    std::size_t max_bits = 0;        // largest integer met
    std::uint64_t exact_prices = 0;  // reduced costs that the doubles left open
    std::uint64_t eta_nonzeros = 0;  // after the last refactorization
    // Seconds spent in each part of a step.
    double refactor_seconds = 0;
    double btran_seconds = 0;
    double pricing_seconds = 0;
    double ftran_seconds = 0;
    double update_seconds = 0;
};

// The tableau's operations computed from an exact factorization of the basis
// instead of the whole tableau. The constraint matrix is kept by sparse
// columns, each scaled to integers (a positive factor per column, one for the
// right-hand side: the pivots do not change, see find_entering). The basis
// inverse is a product of elementary (eta) matrices in integer-preserving
// form: every vector carries D = det(B) times its exact values and every
// division is exact, so no gcd is ever taken. Each step computes only what
// the pivot rules read: the prices (one backward solve), the reduced costs
// of a few columns, the entering column (one forward solve) and the basic
// values. The exact values are the dense tableau's, so are the pivots.
//
// Reduced costs are screened in doubles with a rounding-error bound: only
// the columns that the bound cannot separate from the best are priced
// exactly, and the choice among those is exact.
class RevisedTableau {
  public:
    using Number = linear::BigRational;
    using BigInt = linear::BigInt;

    RevisedTableau(std::size_t num_vars, std::size_t num_constraints);

    std::size_t num_vars() const { return num_vars_; }
    std::size_t num_cols() const { return num_vars_ + 1; }
    std::size_t num_constraints() const { return m_; }
    std::size_t basis(std::size_t row) const;
    // Work of one step for the interrupt's budget: it grows with the
    // nonzeros, not with the size of a dense tableau.
    std::int64_t step_work() const {
        return static_cast<std::int64_t>(values_.size() + eta_value_.size() + m_ + 1);
    }
    const RevisedStats& revised_stats() const { return stats_; }

    // Filling, before seal(): an entry of the dense tableau's layout.
    void set(std::size_t row, std::size_t col, Number value);
    // Entries in 64-bit fractions wait as they are: a big one costs two
    // allocations, which would weigh more than the model.
    void set(std::size_t row, std::size_t col, const linear::Rational& value);
    void set_basis(std::size_t row, std::size_t col);
    void seal();

    std::optional<std::size_t> find_entering(const std::vector<char>* excluded = nullptr,
                                             bool bland = false);
    std::optional<Leaving> find_leaving(std::size_t col, const std::vector<char>* protect = nullptr,
                                        bool bland = false);
    void pivot(std::size_t row, std::size_t col);

    Number objective_value() const;
    bool objective_is_zero() const;
    bool rhs_is_zero(std::size_t row) const;
    Number value_of(std::size_t col) const;
    // An entry of the dense tableau's layout, computed on demand: row 0 the
    // reduced cost of `col` under the phase's costs, row i its entry in
    // row i (no right-hand side). Leaves the pivot rules' state as it is.
    Number at(std::size_t row, std::size_t col);

    // Phase 1 maximises minus the sum of the artificial columns.
    void begin_phase1(const std::vector<char>& artificial);
    void end_phase1();

  private:
    struct Eta {
        std::size_t row;    // pivot row
        std::size_t begin;  // off-pivot entries [begin, end) of eta_row_/eta_value_
        std::size_t end;
    };
    struct Bounds {
        double lower;
        double upper;
    };
    struct Candidate {
        std::size_t col;
        double upper;
    };
    // Adds the seconds of its lifetime (or up to stop()) to a counter.
    class Timer {
      public:
        explicit Timer(double& total) : total_(&total), start_(std::chrono::steady_clock::now()) {}
        ~Timer() { stop(); }
        Timer(const Timer&) = delete;
        Timer& operator=(const Timer&) = delete;
        void stop();

      private:
        double* total_;
        std::chrono::steady_clock::time_point start_;
    };

    void check_row(std::size_t row) const;
    const BigInt& cost(std::size_t j) const;  // scaled integer cost of the phase
    double cost_d(std::size_t j) const;       // the exact cost as a double
    void note_bits(const BigInt& v);
    void set_costs();

    // Work vector in row space; entry i holds D_level[i] times its value.
    void touch(std::size_t i);
    void clear_work();
    void lift(std::size_t i, std::size_t level);
    void ftran();
    void load_column(std::size_t col);
    void entering_column(std::size_t col);
    void append_eta(std::size_t p);
    void refactor();
    void compute_prices();
    BigInt reduced_cost(std::size_t j);
    BigInt scaled_reduced_cost(std::size_t j);
    Bounds price_bounds(std::size_t j) const;
    const BigInt& scale(std::size_t j) const {
        return col_scale_[j].is_zero() ? one_ : col_scale_[j];
    }
    int sign_of(const BigInt& scaled) const { return scaled.sign() * d().sign(); }
    const BigInt& d() const { return dets_.back(); }

    std::size_t num_vars_;
    std::size_t m_;
    // Constraint matrix by columns, column j scaled by col_scale_[j].
    std::vector<std::size_t> col_start_;
    std::vector<std::size_t> rows_;
    std::vector<BigInt> values_;
    std::vector<double> values_d_;   // the unscaled entries
    std::vector<BigInt> col_scale_;  // zero stands for 1, the usual scale
    std::vector<std::tuple<std::size_t, std::size_t, Number>> staged_;
    std::vector<std::tuple<std::size_t, std::size_t, linear::Rational>> staged_small_;
    // Objective (the maximised function) and right-hand side.
    // Row 0 and the right-hand side, in 64-bit fractions until a big value
    // comes (then all of them in big ones).
    struct Values {
        std::vector<linear::Rational> small;
        std::vector<Number> big;
        void set(std::size_t i, const linear::Rational& v);
        void set(std::size_t i, Number v);
        Number operator[](std::size_t i) const { return big.empty() ? Number(small[i]) : big[i]; }
        void clear();
    };
    Values cost_exact_;
    std::vector<double> cost_d_;
    std::vector<BigInt> cost2_;  // phase 2: gamma * scale_j * c_j
    BigInt gamma2_{1};
    Number rhs0_;
    Values rhs_;
    BigInt beta_{1};  // the right-hand side is scaled by beta
    std::vector<char> artificial_;
    bool phase1_ = false;
    // Basis by position (the dense tableau's row - 1) and D times its values
    // (of the scaled columns and right-hand side).
    std::vector<std::size_t> basis_;
    std::vector<std::size_t> position_;  // by column: its position, or kNoColumn
    std::vector<BigInt> x_;
    // Factorization: E B = P, P taking position r to row perm_[r]. Eta k
    // (from 1) pivots on dets_[k] with the scale dets_[k - 1] before it.
    std::vector<Eta> etas_;
    std::vector<std::size_t> eta_row_;
    std::vector<BigInt> eta_value_;
    std::vector<BigInt> dets_;
    std::vector<linear::ExactDivisor> divisors_;
    std::vector<std::size_t> perm_;
    std::vector<std::size_t> position_of_row_;
    std::size_t etas_since_refactor_ = 0;
    std::size_t nonzeros_after_refactor_ = 0;
    // Scratch.
    std::vector<BigInt> work_;
    std::vector<std::size_t> level_;
    std::vector<std::size_t> work_nz_;
    std::vector<char> mark_;
    std::vector<BigInt> alpha_;  // entering column by position, scaled by D
    std::vector<std::size_t> alpha_nz_;
    std::size_t alpha_col_ = kNoColumn;
    std::vector<BigInt> y_;  // D * gamma * prices, by row
    std::vector<double> y_d_;
    bool prices_valid_ = false;
    std::vector<Candidate> candidates_;
    BigInt t1_, t2_;
    BigInt one_{1}, minus_one_{-1}, zero_;
    RevisedStats stats_;
};

}  // namespace nemox::lp
