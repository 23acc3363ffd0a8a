#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

#include "linear/big_rational.hpp"
#include "linear/bigint.hpp"
#include "lp/engine.hpp"
#include "lp/factorization.hpp"
#include "lp/modular_basis.hpp"
#include "lp/tableau.hpp"

namespace nemox::lp {

// The tableau's operations computed from an exact factorization of the basis
// instead of the whole tableau. The constraint matrix is kept by sparse
// columns, each scaled to integers (a positive factor per column, one for the
// right-hand side: the pivots do not change, see find_entering). The basis
// inverse is a product of elementary (eta) matrices in integer-preserving
// form (factorization.hpp). Each step computes only what
// the pivot rules read: the prices (one backward solve), the reduced costs
// of a few columns, the entering column (one forward solve) and the basic
// values. The exact values are the dense tableau's, so are the pivots.
//
// When the scaled entries are small enough, the solves are lifted from the
// basis modulo a word prime instead (modular_basis.hpp): D B^-1 a_q is the
// same integer vector whichever exact method finds it, and word operations
// per digit cost far less than big products per eta entry.
//
// Reduced costs are screened in doubles with a rounding-error bound: only
// the columns that the bound cannot separate from the best are priced
// exactly, and the choice among those is exact.
class RevisedTableau {
  public:
    using Number = linear::BigRational;
    using BigInt = linear::BigInt;

    RevisedTableau(std::size_t num_vars, std::size_t num_constraints);
    // The basis modulo p reads the columns and the basis in place.
    RevisedTableau(const RevisedTableau&) = delete;
    RevisedTableau& operator=(const RevisedTableau&) = delete;

    std::size_t num_vars() const { return num_vars_; }
    std::size_t num_cols() const { return num_vars_ + 1; }
    std::size_t num_constraints() const { return m_; }
    std::size_t basis(std::size_t row) const;
    // Work of one step for the interrupt's budget: it grows with the
    // nonzeros, not with the size of a dense tableau.
    std::int64_t step_work() const {
        return static_cast<std::int64_t>(values_.size() + lu_.nonzeros() + m_ + 1);
    }
    const EngineStats& engine_stats() const { return stats_; }

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

    // Reading a basis loaded with set_basis before seal(), to check it: the
    // exact prices of the phase by constraint row (row - 1), the signs of a
    // reduced cost and of a basic value, and B^-1 A_col by row (row - 1).
    std::vector<Number> prices();
    int reduced_cost_sign(std::size_t col);
    int value_sign(std::size_t row) const;
    std::vector<Number> column(std::size_t col);

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

    SparseColumns columns() const { return {col_start_, rows_, values_}; }
    void entering_column(std::size_t col);
    void refactor();
    void compute_prices();
    void update_prices(std::size_t r, std::size_t col);
    void lift_price(std::size_t i);
    BigInt reduced_cost(std::size_t j);
    BigInt scaled_reduced_cost(std::size_t j);
    Bounds price_bounds(std::size_t j) const;
    const BigInt& scale(std::size_t j) const {
        return col_scale_[j].is_zero() ? one_ : col_scale_[j];
    }
    int sign_of(const BigInt& scaled) const { return scaled.sign() * d().sign(); }
    void lift_value(std::size_t r);
    BigInt lifted_value(std::size_t r) const;
    const BigInt& d() const { return lu_.det(); }

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
    // Basis by position (the dense tableau's row - 1) and its values (of the
    // scaled columns and right-hand side), x_[r] times the determinant of
    // the factorization's level x_level_[r]. A pivot whose column misses
    // row r leaves its value as it is, so x_[r] keeps its old scale until a
    // pivot or a comparison needs the current one.
    std::vector<std::size_t> basis_;
    std::vector<std::size_t> position_;  // by column: its position, or kNoColumn
    std::vector<BigInt> x_;
    std::vector<std::size_t> x_level_;
    Factorization lu_;
    // The same basis modulo a prime, for the solves by lifting, when the
    // data are small enough for word residuals; else the solves go through
    // lu_.
    std::unique_ptr<ModularBasis> modular_;
    // Every solve by lifting, prices included (the costs fit in words): the
    // factorization then keeps only its chain of determinants.
    bool lifted_prices_ = false;
    std::vector<ModularBasis::Term> price_terms_;
    std::vector<std::size_t> price_nz_;
    // Scratch.
    std::vector<BigInt> alpha_;  // entering column by position, scaled by D
    std::vector<std::size_t> alpha_nz_;
    std::size_t alpha_col_ = kNoColumn;
    // D_level * gamma * prices by row, the level y_level_ as for x_, and
    // the prices as doubles.
    std::vector<BigInt> y_;
    std::vector<std::size_t> y_level_;
    std::vector<double> y_d_;
    std::vector<BigInt> rho_;  // D e_r B^-1 by row, for the price update
    std::vector<std::size_t> rho_nz_;
    std::vector<std::size_t> changed_;
    bool prices_valid_ = false;
    std::vector<Candidate> candidates_;
    BigInt t1_, t2_;
    BigInt one_{1}, minus_one_{-1}, zero_;
    EngineStats stats_;
};

}  // namespace nemox::lp
