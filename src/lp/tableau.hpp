#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "core/failure.hpp"
#include "core/memory.hpp"
#include "linear/big_rational.hpp"
#include "linear/rational.hpp"

namespace nemox::lp {

inline constexpr std::size_t kNoColumn = static_cast<std::size_t>(-1);

// Refuses a tableau that cannot fit in memory before allocating it; small
// ones skip the query, which costs a system call.
inline void check_tableau_memory(double bytes) {
    if (bytes > 64e6) require_memory(bytes, "the LP tableau does not fit in this machine's memory");
}

struct Leaving {
    std::size_t row;
    std::size_t column;  // the column that stops being basic
};

// Dense simplex tableau of normalised fractions: row 0 is the objective row
// (reduced costs of the maximised function, RHS = minus its value), rows 1..M
// the constraints, the last column the RHS.
template <class N>
class Tableau {
  public:
    using Number = N;

    Tableau(std::size_t num_vars, std::size_t num_constraints)
        : num_vars_((check_tableau_memory(static_cast<double>(num_constraints + 1) *
                                          static_cast<double>(num_vars + 1) * sizeof(N)),
                     num_vars)),
          num_cols_(num_vars + 1),
          num_constraints_(num_constraints),
          data_((num_constraints + 1) * (num_vars + 1)),
          basis_(num_constraints + 1, kNoColumn) {}

    std::size_t num_vars() const { return num_vars_; }
    std::size_t num_cols() const { return num_cols_; }
    std::size_t num_constraints() const { return num_constraints_; }
    std::size_t rhs_col() const { return num_cols_ - 1; }

    const N& at(std::size_t row, std::size_t col) const { return data_[index(row, col)]; }
    void set(std::size_t row, std::size_t col, N value) {
        data_[index(row, col)] = std::move(value);
    }
    std::size_t basis(std::size_t row) const {
        check_row(row);
        return basis_[row];
    }
    void set_basis(std::size_t row, std::size_t col) {
        check_row(row);
        if (row == 0 || col >= num_vars_) throw InternalFailure("tableau index out of range");
        basis_[row] = col;
    }
    void seal() {}

    // Dantzig's rule, lowest index among equal largest entries; with `bland`,
    // the lowest improving index. `excluded` marks columns that may not enter.
    std::optional<std::size_t> find_entering(const std::vector<char>* excluded = nullptr,
                                             bool bland = false) const {
        const N* row0 = &data_[0];
        std::optional<std::size_t> best;
        for (std::size_t j = 0; j + 1 < num_cols_; ++j) {
            if (!row0[j].is_positive() || (excluded != nullptr && (*excluded)[j])) continue;
            if (bland) return j;
            if (!best || row0[*best] < row0[j]) best = j;
        }
        return best;
    }

    // Minimum ratio, lowest row among equal ratios (with `bland`: lowest
    // leaving column). Rows whose basic column is marked in `protect` and
    // whose entry is negative count as ratio 0: an artificial column at zero
    // must not become positive.
    std::optional<Leaving> find_leaving(std::size_t col, const std::vector<char>* protect = nullptr,
                                        bool bland = false) const {
        if (col + 1 >= num_cols_) throw InternalFailure("tableau index out of range");
        std::size_t best = 0;
        N best_ratio{};
        for (std::size_t i = 1; i <= num_constraints_; ++i) {
            const N& a = at(i, col);
            N ratio{};
            if (a.is_positive()) {
                const N& rhs = at(i, rhs_col());
                if (!rhs.is_zero()) ratio = rhs / a;
            } else if (!(a.is_negative() && protect != nullptr && basis_[i] != kNoColumn &&
                         (*protect)[basis_[i]])) {
                continue;
            }
            if (best == 0 || ratio < best_ratio ||
                (bland && ratio == best_ratio && basis_[i] < basis_[best])) {
                best = i;
                best_ratio = std::move(ratio);
            }
        }
        if (best == 0 || basis_[best] == kNoColumn) return std::nullopt;
        return Leaving{best, basis_[best]};
    }

    // Gauss-Jordan pivot making `col` basic in `row`.
    void pivot(std::size_t row, std::size_t col) {
        check_row(row);
        const N p = at(row, col);
        if (p.is_zero()) throw InternalFailure("pivot value is zero");
        N* pr = &data_[row * num_cols_];
        for (std::size_t j = 0; j < num_cols_; ++j) {
            if (!pr[j].is_zero()) pr[j] = pr[j] / p;
        }
        for (std::size_t i = 0; i <= num_constraints_; ++i) {
            if (i == row) continue;
            N* ri = &data_[i * num_cols_];
            const N f = ri[col];
            if (f.is_zero()) continue;
            for (std::size_t j = 0; j < num_cols_; ++j) {
                if (!pr[j].is_zero()) ri[j] = ri[j] - f * pr[j];
            }
        }
        basis_[row] = col;
    }

    N objective_value() const { return at(0, rhs_col()); }
    bool objective_is_zero() const { return at(0, rhs_col()).is_zero(); }
    bool rhs_is_zero(std::size_t row) const { return at(row, rhs_col()).is_zero(); }

    N value_of(std::size_t col) const {
        for (std::size_t i = 1; i <= num_constraints_; ++i) {
            if (basis_[i] == col) return at(i, rhs_col());
        }
        return N{};
    }

    // Phase 1: row 0 becomes minus the sum of the artificial columns, priced
    // out against the rows where they are basic. The old row 0 is kept.
    void begin_phase1(const std::vector<char>& artificial) {
        saved_.assign(data_.begin(), data_.begin() + static_cast<std::ptrdiff_t>(num_cols_));
        N* row0 = &data_[0];
        for (std::size_t j = 0; j < num_cols_; ++j) row0[j] = N{};
        for (std::size_t j = 0; j + 1 < num_cols_; ++j) {
            if (artificial[j]) row0[j] = -N(linear::Rational::one());
        }
        for (std::size_t i = 1; i <= num_constraints_; ++i) {
            if (basis_[i] != kNoColumn && artificial[basis_[i]]) eliminate(i, row0[basis_[i]]);
        }
    }

    // Restores row 0 and prices it out against the current basis.
    void end_phase1() {
        std::copy(saved_.begin(), saved_.end(), data_.begin());
        for (std::size_t i = 1; i <= num_constraints_; ++i) {
            const std::size_t b = basis_[i];
            if (b == kNoColumn || at(i, b).is_zero() || at(0, b).is_zero()) continue;
            eliminate(i, at(0, b) / at(i, b));
        }
    }

  private:
    std::size_t index(std::size_t row, std::size_t col) const {
        if (row > num_constraints_ || col >= num_cols_)
            throw InternalFailure("tableau index out of range");
        return row * num_cols_ + col;
    }
    void check_row(std::size_t row) const {
        if (row > num_constraints_) throw InternalFailure("tableau index out of range");
    }
    // row 0 <- row 0 - f * row i
    void eliminate(std::size_t i, N f) {
        N* row0 = &data_[0];
        const N* ri = &data_[i * num_cols_];
        for (std::size_t j = 0; j < num_cols_; ++j) {
            if (!ri[j].is_zero()) row0[j] = row0[j] - f * ri[j];
        }
    }

    std::size_t num_vars_;
    std::size_t num_cols_;
    std::size_t num_constraints_;
    std::vector<N> data_;
    std::vector<std::size_t> basis_;
    std::vector<N> saved_;
};

}  // namespace nemox::lp
