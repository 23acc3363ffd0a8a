#include "lp/fraction_free.hpp"

#include <utility>

#include "core/failure.hpp"

namespace nemox::lp {

using linear::BigInt;
using linear::BigRational;
using linear::ExactDivisor;

FractionFreeTableau::FractionFreeTableau(std::size_t num_vars, std::size_t num_constraints)
    : num_cols_((check_tableau_memory(static_cast<double>(num_constraints + 1) *
                                      static_cast<double>(num_vars + 1) *
                                      (sizeof(Number) + sizeof(BigInt))),
                 num_vars + 1)),
      num_constraints_(num_constraints),
      staged_((num_constraints + 1) * (num_vars + 1)),
      basis_(num_constraints + 1, kNoColumn) {}

void FractionFreeTableau::set(std::size_t row, std::size_t col, Number value) {
    if (row > num_constraints_ || col >= num_cols_ || staged_.empty())
        throw InternalFailure("tableau index out of range");
    staged_[row * num_cols_ + col] = std::move(value);
}

void FractionFreeTableau::set_basis(std::size_t row, std::size_t col) {
    if (row == 0 || row > num_constraints_ || col + 1 >= num_cols_)
        throw InternalFailure("tableau index out of range");
    basis_[row] = col;
}

void FractionFreeTableau::seal() {
    // Row i (i >= 1) is scaled by the lcm d_i of its denominators and D is
    // the product of the d_i: the state that integer-preserving elimination
    // reaches from the scaled rows after pivoting in the starting basis.
    std::vector<BigInt> row_lcm(num_constraints_ + 1, BigInt(1));
    const BigInt one(1);
    for (std::size_t i = 0; i <= num_constraints_; ++i) {
        for (std::size_t j = 0; j < num_cols_; ++j) {
            const BigInt& den = staged_[i * num_cols_ + j].denominator();
            if (!(den == one)) row_lcm[i] = BigInt::lcm(row_lcm[i], den);
        }
    }
    d_ = BigInt(1);
    for (std::size_t i = 1; i <= num_constraints_; ++i) {
        if (!(row_lcm[i] == one)) d_ = d_ * row_lcm[i];
    }
    d0_ = row_lcm[0];
    cells_.assign(staged_.size(), BigInt());
    for (std::size_t i = 0; i <= num_constraints_; ++i) {
        const BigInt scale = i == 0 ? d_ * d0_ : d_;
        for (std::size_t j = 0; j < num_cols_; ++j) {
            const BigRational& v = staged_[i * num_cols_ + j];
            if (v.is_zero()) continue;
            s(i, j) = BigInt::divexact(scale, v.denominator()) * v.numerator();
        }
    }
    staged_.clear();
    staged_.shrink_to_fit();
}

std::optional<std::size_t> FractionFreeTableau::find_entering(const std::vector<char>* excluded,
                                                              bool bland) const {
    std::optional<std::size_t> best;
    for (std::size_t j = 0; j + 1 < num_cols_; ++j) {
        const BigInt& v = s(0, j);
        if (!v.is_positive() || (excluded != nullptr && (*excluded)[j])) continue;
        if (bland) return j;
        if (!best || compare(s(0, *best), v) < 0) best = j;
    }
    return best;
}

std::optional<Leaving> FractionFreeTableau::find_leaving(std::size_t col,
                                                         const std::vector<char>* protect,
                                                         bool bland) {
    if (col + 1 >= num_cols_) throw InternalFailure("tableau index out of range");
    // Ratios rhs_i / a_i share the factor D, so they compare by cross products.
    std::size_t best = 0;
    bool best_zero = false;
    for (std::size_t i = 1; i <= num_constraints_; ++i) {
        const BigInt& a = s(i, col);
        bool zero_ratio;
        if (a.is_positive()) {
            zero_ratio = s(i, rhs_col()).is_zero();
        } else if (a.is_negative() && protect != nullptr && basis_[i] != kNoColumn &&
                   (*protect)[basis_[i]]) {
            zero_ratio = true;
        } else {
            continue;
        }
        bool better;
        if (best == 0) {
            better = true;
        } else if (best_zero) {
            better = zero_ratio && bland && basis_[i] < basis_[best];
        } else if (zero_ratio) {
            better = true;
        } else {
            BigInt::mul_into(t1_, s(i, rhs_col()), s(best, col));
            BigInt::mul_into(t2_, s(best, rhs_col()), a);
            const int c = compare(t1_, t2_);
            better = c < 0 || (bland && c == 0 && basis_[i] < basis_[best]);
        }
        if (better) {
            best = i;
            best_zero = zero_ratio;
            // Nothing beats a zero ratio under the lowest-row tie-break.
            if (zero_ratio && !bland) break;
        }
    }
    if (best == 0 || basis_[best] == kNoColumn) return std::nullopt;
    return Leaving{best, basis_[best]};
}

void FractionFreeTableau::pivot(std::size_t row, std::size_t col) {
    if (row > num_constraints_ || col + 1 >= num_cols_)
        throw InternalFailure("tableau index out of range");
    const BigInt p = s(row, col);
    if (p.is_zero()) throw InternalFailure("pivot value is zero");
    const ExactDivisor div(d_);
    const bool same_scale = p == d_;
    const BigInt* pr = &cells_[row * num_cols_];
    for (std::size_t i = 0; i <= num_constraints_; ++i) {
        if (i == row) continue;
        if (interrupt_ != nullptr) interrupt_->poll(static_cast<std::int64_t>(num_cols_));
        BigInt* ri = &cells_[i * num_cols_];
        if (ri[col].is_zero()) {
            // Only the common scale changes: a * p / D.
            if (same_scale) continue;
            for (std::size_t j = 0; j < num_cols_; ++j) {
                if (ri[j].is_zero()) continue;
                BigInt::mul_into(t1_, ri[j], p);
                BigInt::divexact_into(ri[j], t1_, div);
            }
            continue;
        }
        t3_ = ri[col];
        const BigInt& f = t3_;
        for (std::size_t j = 0; j < num_cols_; ++j) {
            if (pr[j].is_zero()) {
                if (ri[j].is_zero() || same_scale) continue;
                BigInt::mul_into(t1_, ri[j], p);
            } else {
                BigInt::mul_into(t2_, f, pr[j]);
                if (ri[j].is_zero()) {
                    t1_.set_zero();
                } else {
                    BigInt::mul_into(t1_, ri[j], p);
                }
                BigInt::sub_into(t1_, t1_, t2_);
            }
            BigInt::divexact_into(ri[j], t1_, div);
        }
    }
    d_ = p;
    if (d_.is_negative()) {
        for (BigInt& c : cells_) c.negate();
        d_.negate();
    }
    basis_[row] = col;
}

BigRational FractionFreeTableau::objective_value() const {
    return BigRational(s(0, rhs_col()), d_ * d0_);
}

BigRational FractionFreeTableau::value_of(std::size_t col) const {
    for (std::size_t i = 1; i <= num_constraints_; ++i) {
        if (basis_[i] == col) return BigRational(s(i, rhs_col()), d_);
    }
    return BigRational();
}

BigRational FractionFreeTableau::at(std::size_t row, std::size_t col) const {
    if (row > num_constraints_ || col >= num_cols_)
        throw InternalFailure("tableau index out of range");
    return BigRational(s(row, col), row == 0 ? d_ * d0_ : d_);
}

void FractionFreeTableau::eliminate_objective(std::size_t row, std::size_t basic) {
    // row 0 <- row 0 - f * row i with f = row0[b] / D exact (row i holds D at b).
    BigInt::divexact_into(t3_, s(0, basic), d_);
    if (t3_.is_zero()) return;
    for (std::size_t j = 0; j < num_cols_; ++j) {
        const BigInt& a = s(row, j);
        if (a.is_zero()) continue;
        BigInt::mul_into(t1_, t3_, a);
        BigInt::sub_into(s(0, j), s(0, j), t1_);
    }
}

void FractionFreeTableau::begin_phase1(const std::vector<char>& artificial) {
    saved_row0_.assign(cells_.begin(), cells_.begin() + static_cast<std::ptrdiff_t>(num_cols_));
    saved_d_ = d_;
    saved_d0_ = d0_;
    d0_ = BigInt(1);
    for (std::size_t j = 0; j < num_cols_; ++j) {
        if (j + 1 < num_cols_ && artificial[j]) {
            s(0, j) = -d_;
        } else {
            s(0, j).set_zero();
        }
    }
    for (std::size_t i = 1; i <= num_constraints_; ++i) {
        if (basis_[i] != kNoColumn && artificial[basis_[i]]) eliminate_objective(i, basis_[i]);
    }
}

void FractionFreeTableau::end_phase1() {
    // Back to D * d0 * objective at the current D, then priced out.
    const ExactDivisor div(saved_d_);
    for (std::size_t j = 0; j < num_cols_; ++j) {
        BigInt::mul_into(t1_, saved_row0_[j], d_);
        BigInt::divexact_into(s(0, j), t1_, div);
    }
    d0_ = saved_d0_;
    // The basic entries are D, so f = row0[b] / D is d0 times an objective
    // coefficient: an integer.
    for (std::size_t i = 1; i <= num_constraints_; ++i) {
        const std::size_t b = basis_[i];
        if (b == kNoColumn || s(0, b).is_zero()) continue;
        eliminate_objective(i, b);
    }
    saved_row0_.clear();
}

}  // namespace nemox::lp
