#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "core/failure.hpp"
#include "core/interrupt.hpp"
#include "linear/big_rational.hpp"
#include "linear/bigint.hpp"
#include "lp/tableau.hpp"

namespace nemox::lp {

// The simplex tableau in big integers without fractions: every constraint
// row holds D times its exact values, row 0 holds D * d0 times them (d0 > 0
// clears the objective's denominators), where D > 0 is the last pivot entry.
// A pivot updates entries as (a * p - f * r) / D, an exact division
// (integer-preserving elimination), so no GCD is ever computed inside the
// loop. The exact values, and so every pivot decision, are those of the
// tableau of normalised fractions; the interface is the same.
class FractionFreeTableau {
  public:
    using Number = linear::BigRational;
    using BigInt = linear::BigInt;

    FractionFreeTableau(std::size_t num_vars, std::size_t num_constraints);

    std::size_t num_vars() const { return num_cols_ - 1; }
    std::size_t num_cols() const { return num_cols_; }
    std::size_t num_constraints() const { return num_constraints_; }
    std::size_t basis(std::size_t row) const { return basis_.at(row); }

    // Filling, before seal(): exact fractions.
    void set(std::size_t row, std::size_t col, Number value);
    void set_basis(std::size_t row, std::size_t col);
    // Clears denominators; the tableau is then ready for the operations below.
    void seal();

    std::optional<std::size_t> find_entering(const std::vector<char>* excluded = nullptr,
                                             bool bland = false) const;
    std::optional<Leaving> find_leaving(std::size_t col, const std::vector<char>* protect = nullptr,
                                        bool bland = false);
    void pivot(std::size_t row, std::size_t col);

    Number objective_value() const;
    bool objective_is_zero() const { return s(0, rhs_col()).is_zero(); }
    bool rhs_is_zero(std::size_t row) const { return s(row, rhs_col()).is_zero(); }
    Number value_of(std::size_t col) const;
    Number at(std::size_t row, std::size_t col) const;

    // Polled once per row inside a pivot: one pivot on big numbers can be long.
    void set_interrupt(Interrupt* interrupt) { interrupt_ = interrupt; }

    void begin_phase1(const std::vector<char>& artificial);
    void end_phase1();

  private:
    std::size_t rhs_col() const { return num_cols_ - 1; }
    BigInt& s(std::size_t row, std::size_t col) { return cells_[row * num_cols_ + col]; }
    const BigInt& s(std::size_t row, std::size_t col) const {
        return cells_[row * num_cols_ + col];
    }
    void eliminate_objective(std::size_t row, std::size_t basic);

    std::size_t num_cols_;
    std::size_t num_constraints_;
    std::vector<Number> staged_;
    std::vector<BigInt> cells_;
    std::vector<std::size_t> basis_;
    BigInt d_{1};
    BigInt d0_{1};
    std::vector<BigInt> saved_row0_;  // D * d0 * objective, at the D of saving
    BigInt saved_d_{1};
    BigInt saved_d0_{1};
    BigInt t1_, t2_, t3_;  // scratch, reused across operations
    Interrupt* interrupt_ = nullptr;
};

}  // namespace nemox::lp
