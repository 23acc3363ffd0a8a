#pragma once

#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "core/failure.hpp"
#include "linear/big_rational.hpp"
#include "linear/rational.hpp"
#include "lp/tableau.hpp"

namespace nemox::lp {

inline std::size_t bit_size(const linear::Rational& v) {
    const auto width = [](std::int64_t x) {
        const std::uint64_t m = x < 0 ? 0 - static_cast<std::uint64_t>(x) : static_cast<std::uint64_t>(x);
        return static_cast<std::size_t>(64 - std::countl_zero(m));
    };
    return std::max(width(v.numerator), width(v.denominator));
}
inline std::size_t bit_size(const linear::BigRational& v) {
    return std::max(v.numerator().bit_length(), v.denominator().bit_length());
}

// Work counters of the factorization, for benchmarks.
struct RevisedStats {
    std::uint64_t refactorizations = 0;
    std::size_t max_bits = 0;        // largest numerator or denominator met
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
// instead of the whole tableau: the constraint matrix is kept by sparse
// columns, the basis inverse as a product of elementary (eta) matrices
// rebuilt from scratch now and then. Each step computes only what the pivot
// rules read: the reduced costs (prices from a backward solve), the entering
// column (a forward solve) and the basic values. The exact values are the
// dense tableau's, so every pivot is the same.
//
// Prices are screened in doubles with a rounding-error bound: only the
// columns that the bound cannot separate from the best are priced exactly,
// and the choice among those is exact.
template <class N>
class RevisedTableau {
  public:
    using Number = N;

    RevisedTableau(std::size_t num_vars, std::size_t num_constraints)
        : num_vars_(num_vars),
          m_(num_constraints),
          cost_(num_vars),
          rhs_(num_constraints),
          basis_(num_constraints, kNoColumn),
          position_(num_vars, kNoColumn),
          perm_(num_constraints),
          position_of_row_(num_constraints),
          work_(num_constraints),
          mark_(num_constraints, 0),
          alpha_(num_constraints),
          y_(num_constraints),
          y_d_(num_constraints) {}

    std::size_t num_vars() const { return num_vars_; }
    std::size_t num_cols() const { return num_vars_ + 1; }
    std::size_t num_constraints() const { return m_; }
    std::size_t basis(std::size_t row) const {
        if (row == 0) return kNoColumn;
        check_row(row);
        return basis_[row - 1];
    }
    // Work of one step for the interrupt's budget: it grows with the
    // nonzeros, not with the size of a dense tableau.
    std::int64_t step_work() const {
        return static_cast<std::int64_t>(values_.size() + eta_value_.size() + m_ + 1);
    }
    const RevisedStats& revised_stats() const { return stats_; }

    // Filling, before seal(): an entry of the dense tableau's layout.
    void set(std::size_t row, std::size_t col, N value) {
        if (row > m_ || col > num_vars_) throw InternalFailure("tableau index out of range");
        if (col == num_vars_) {
            if (row == 0) {
                rhs0_ = std::move(value);
            } else {
                rhs_[row - 1] = std::move(value);
            }
        } else if (row == 0) {
            cost_[col] = std::move(value);
        } else {
            staged_.emplace_back(col, row - 1, std::move(value));
        }
    }
    void set_basis(std::size_t row, std::size_t col) {
        if (row == 0 || row > m_ || col >= num_vars_)
            throw InternalFailure("tableau index out of range");
        basis_[row - 1] = col;
    }

    void seal() {
        // Column-wise storage; a later write to the same entry replaces it.
        std::stable_sort(staged_.begin(), staged_.end(), [](const auto& a, const auto& b) {
            return std::tie(std::get<0>(a), std::get<1>(a)) <
                   std::tie(std::get<0>(b), std::get<1>(b));
        });
        col_start_.assign(num_vars_ + 1, 0);
        for (std::size_t k = 0; k < staged_.size(); ++k) {
            auto& [col, row, value] = staged_[k];
            if (k + 1 < staged_.size() && std::get<0>(staged_[k + 1]) == col &&
                std::get<1>(staged_[k + 1]) == row)
                continue;
            if (value.is_zero()) continue;
            rows_.push_back(row);
            values_.push_back(std::move(value));
            values_d_.push_back(values_.back().to_f64());
            ++col_start_[col + 1];
        }
        staged_.clear();
        staged_.shrink_to_fit();
        for (std::size_t j = 0; j < num_vars_; ++j) col_start_[j + 1] += col_start_[j];
        cost_d_.resize(num_vars_);
        for (std::size_t j = 0; j < num_vars_; ++j) cost_d_[j] = cost_[j].to_f64();
        for (std::size_t r = 0; r < m_; ++r) {
            if (basis_[r] == kNoColumn) throw InternalFailure("constraint row without a basic column");
            position_[basis_[r]] = r;
        }
        refactor();
        // Basic values B^-1 b (b itself for the driver's unit starting basis).
        ftran_column_of(rhs_);
        x_.assign(m_, N{});
        for (std::size_t r = 0; r < m_; ++r) x_[r] = work_[perm_[r]];
        clear_work();
        for (const N& v : x_) note_bits(v);
    }

    std::optional<std::size_t> find_entering(const std::vector<char>* excluded = nullptr,
                                             bool bland = false) {
        compute_prices();
        const Timer timer(stats_.pricing_seconds);
        const auto skipped = [&](std::size_t j) {
            return position_[j] != kNoColumn || (excluded != nullptr && (*excluded)[j]);
        };
        // Bounds on each reduced cost from the double prices.
        bounds_.clear();
        double best_lower = -HUGE_VAL;
        for (std::size_t j = 0; j < num_vars_; ++j) {
            if (skipped(j)) continue;
            const Bounds b = price_bounds(j);
            if (!(b.upper > 0)) continue;  // provably not positive
            if (bland) {
                if (b.lower > 0 || reduced_cost(j).is_positive()) return j;
                continue;
            }
            if (b.lower > best_lower) best_lower = b.lower;
            bounds_.push_back({j, b.upper});
        }
        if (bland) return std::nullopt;
        std::optional<std::size_t> best;
        N best_value{};
        for (const auto& [j, upper] : bounds_) {
            if (upper < best_lower) continue;  // provably below the best
            N d = reduced_cost(j);
            if (!d.is_positive()) continue;
            if (!best || best_value < d) {
                best = j;
                best_value = std::move(d);
            }
        }
        return best;
    }

    std::optional<Leaving> find_leaving(std::size_t col, const std::vector<char>* protect = nullptr,
                                        bool bland = false) {
        if (col >= num_vars_) throw InternalFailure("tableau index out of range");
        entering_column(col);
        const Timer timer(stats_.update_seconds);
        std::size_t best = kNoColumn;
        bool best_zero = false;
        for (const std::size_t r : alpha_nz_) {
            const N& a = alpha_[r];
            bool zero_ratio;
            if (a.is_positive()) {
                zero_ratio = x_[r].is_zero();
            } else if (a.is_negative() && protect != nullptr && (*protect)[basis_[r]]) {
                zero_ratio = true;
            } else {
                continue;
            }
            bool better;
            if (best == kNoColumn) {
                better = true;
            } else if (best_zero) {
                better = zero_ratio && bland && basis_[r] < basis_[best];
            } else if (zero_ratio) {
                better = true;
            } else {
                // x_r / a_r against x_b / a_b, both entries positive.
                const N lhs = x_[r] * alpha_[best];
                const N rhs = x_[best] * a;
                better = lhs < rhs || (bland && lhs == rhs && basis_[r] < basis_[best]);
            }
            if (better) {
                best = r;
                best_zero = zero_ratio;
                if (zero_ratio && !bland) break;
            }
        }
        if (best == kNoColumn) return std::nullopt;
        return Leaving{best + 1, basis_[best]};
    }

    void pivot(std::size_t row, std::size_t col) {
        check_row(row);
        if (row == 0 || col >= num_vars_) throw InternalFailure("tableau index out of range");
        if (alpha_col_ != col) entering_column(col);
        Timer timer(stats_.update_seconds);
        const std::size_t r = row - 1;
        const N p = alpha_[r];
        if (p.is_zero()) throw InternalFailure("pivot value is zero");
        const N theta = x_[r] / p;
        if (!theta.is_zero()) {
            for (const std::size_t k : alpha_nz_) {
                if (k == r) continue;
                x_[k] = x_[k] - theta * alpha_[k];
                note_bits(x_[k]);
            }
        }
        x_[r] = theta;
        note_bits(theta);
        // The eta matrix that turns the transformed column into a unit
        // vector at the leaving row's pivot row.
        append_eta(perm_[r], work_row_nz_, work_);
        clear_work();
        position_[basis_[r]] = kNoColumn;
        basis_[r] = col;
        position_[col] = r;
        alpha_col_ = kNoColumn;
        prices_valid_ = false;
        ++etas_since_refactor_;
        timer.stop();
        if (etas_since_refactor_ >= 16 + m_ / 8 ||
            eta_value_.size() > 2 * nonzeros_after_refactor_ + 2 * m_ + values_.size()) {
            refactor();
        }
    }

    N objective_value() const {
        N v = phase1_ ? N{} : rhs0_;
        for (std::size_t r = 0; r < m_; ++r) {
            const std::size_t b = basis_[r];
            if (!x_[r].is_zero() && !cost(b).is_zero()) v = v - cost(b) * x_[r];
        }
        return v;
    }
    bool objective_is_zero() const { return objective_value().is_zero(); }
    bool rhs_is_zero(std::size_t row) const {
        check_row(row);
        return row == 0 ? objective_is_zero() : x_[row - 1].is_zero();
    }
    N value_of(std::size_t col) const {
        for (std::size_t r = 0; r < m_; ++r) {
            if (basis_[r] == col) return x_[r];
        }
        return N{};
    }

    // Phase 1 maximises minus the sum of the artificial columns.
    void begin_phase1(const std::vector<char>& artificial) {
        artificial_ = artificial;
        phase1_ = true;
        prices_valid_ = false;
    }
    void end_phase1() {
        phase1_ = false;
        prices_valid_ = false;
    }

  private:
    struct Eta {
        std::size_t row;    // pivot row
        std::size_t begin;  // entries [begin, end) of eta_row_/eta_value_, the pivot's first
        std::size_t end;
    };
    struct Bounds {
        double lower;
        double upper;
    };
    // Adds the seconds of its lifetime (or up to stop()) to a counter.
    class Timer {
      public:
        explicit Timer(double& total) : total_(&total), start_(std::chrono::steady_clock::now()) {}
        ~Timer() { stop(); }
        Timer(const Timer&) = delete;
        Timer& operator=(const Timer&) = delete;
        void stop() {
            if (total_ == nullptr) return;
            *total_ += std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
            total_ = nullptr;
        }

      private:
        double* total_;
        std::chrono::steady_clock::time_point start_;
    };
    struct Candidate {
        std::size_t col;
        double upper;
    };

    void check_row(std::size_t row) const {
        if (row > m_) throw InternalFailure("tableau index out of range");
    }

    N cost(std::size_t j) const {
        if (phase1_) return artificial_[j] ? -N(linear::Rational::one()) : N{};
        return cost_[j];
    }
    double cost_d(std::size_t j) const {
        if (phase1_) return artificial_[j] ? -1.0 : 0.0;
        return cost_d_[j];
    }

    void note_bits(const N& v) { stats_.max_bits = std::max(stats_.max_bits, bit_size(v)); }

    // Sparse work vector in row space: dense values, a list of touched rows.
    void touch(std::size_t i) {
        if (!mark_[i]) {
            mark_[i] = 1;
            work_nz_.push_back(i);
        }
    }
    void clear_work() {
        for (const std::size_t i : work_nz_) {
            work_[i] = N{};
            mark_[i] = 0;
        }
        work_nz_.clear();
    }

    // work_ <- E a for the etas E in order (forward solve).
    void ftran() {
        for (const Eta& e : etas_) {
            const std::size_t p = e.row;
            if (work_[p].is_zero()) continue;
            const N t = work_[p];
            work_[p] = eta_value_[e.begin] * t;
            for (std::size_t k = e.begin + 1; k < e.end; ++k) {
                const std::size_t i = eta_row_[k];
                touch(i);
                work_[i] = work_[i] + eta_value_[k] * t;
            }
        }
    }
    void ftran_structural(std::size_t col) {
        for (std::size_t k = col_start_[col]; k < col_start_[col + 1]; ++k) {
            touch(rows_[k]);
            work_[rows_[k]] = values_[k];
        }
        ftran();
    }
    void ftran_column_of(const std::vector<N>& dense) {
        for (std::size_t i = 0; i < m_; ++i) {
            if (dense[i].is_zero()) continue;
            touch(i);
            work_[i] = dense[i];
        }
        ftran();
    }

    // alpha_ <- B^-1 A_col by position; work_ keeps it by row for the eta.
    void entering_column(std::size_t col) {
        const Timer timer(stats_.ftran_seconds);
        for (const std::size_t r : alpha_nz_) alpha_[r] = N{};
        alpha_nz_.clear();
        clear_work();
        ftran_structural(col);
        work_row_nz_.clear();
        for (const std::size_t i : work_nz_) {
            if (work_[i].is_zero()) continue;
            work_row_nz_.push_back(i);
            const std::size_t r = position_of_row_[i];
            alpha_[r] = work_[i];
            alpha_nz_.push_back(r);
        }
        std::sort(alpha_nz_.begin(), alpha_nz_.end());
        alpha_col_ = col;
    }

    // Eta with pivot row p from the transformed column v (nonzero rows nz).
    void append_eta(std::size_t p, const std::vector<std::size_t>& nz, const std::vector<N>& v) {
        const N inverse = N(linear::Rational::one()) / v[p];
        const std::size_t begin = eta_row_.size();
        eta_row_.push_back(p);
        eta_value_.push_back(inverse);
        note_bits(inverse);
        for (const std::size_t i : nz) {
            if (i == p || v[i].is_zero()) continue;
            eta_row_.push_back(i);
            eta_value_.push_back(-(v[i] * inverse));
            note_bits(eta_value_.back());
        }
        etas_.push_back({p, begin, eta_row_.size()});
    }

    // Rebuilds the etas from the basis columns: unit columns first, then
    // the rest by increasing count, each pivoted on its sparsest free row.
    void refactor() {
        const Timer timer(stats_.refactor_seconds);
        ++stats_.refactorizations;
        etas_.clear();
        eta_row_.clear();
        eta_value_.clear();
        clear_work();
        std::vector<char> row_used(m_, 0);
        std::vector<char> placed(m_, 0);
        const auto count = [&](std::size_t col) { return col_start_[col + 1] - col_start_[col]; };
        for (std::size_t r = 0; r < m_; ++r) {
            const std::size_t col = basis_[r];
            if (count(col) != 1) continue;
            const std::size_t k = col_start_[col];
            const std::size_t i = rows_[k];
            if (row_used[i]) continue;
            row_used[i] = 1;
            placed[r] = 1;
            perm_[r] = i;
            if (!(values_[k] == N(linear::Rational::one()))) {
                touch(i);
                work_[i] = values_[k];
                append_eta(i, work_nz_, work_);
                clear_work();
            }
        }
        std::vector<std::size_t> row_count(m_, 0);
        std::vector<std::size_t> rest;
        for (std::size_t r = 0; r < m_; ++r) {
            if (placed[r]) continue;
            rest.push_back(r);
            const std::size_t col = basis_[r];
            for (std::size_t k = col_start_[col]; k < col_start_[col + 1]; ++k) ++row_count[rows_[k]];
        }
        std::stable_sort(rest.begin(), rest.end(), [&](std::size_t a, std::size_t b) {
            return count(basis_[a]) < count(basis_[b]);
        });
        for (const std::size_t r : rest) {
            ftran_structural(basis_[r]);
            std::size_t pick = kNoColumn;
            for (const std::size_t i : work_nz_) {
                if (row_used[i] || work_[i].is_zero()) continue;
                if (pick == kNoColumn || row_count[i] < row_count[pick] ||
                    (row_count[i] == row_count[pick] && i < pick))
                    pick = i;
            }
            if (pick == kNoColumn) throw InternalFailure("singular basis");
            row_used[pick] = 1;
            perm_[r] = pick;
            append_eta(pick, work_nz_, work_);
            clear_work();
        }
        for (std::size_t r = 0; r < m_; ++r) position_of_row_[perm_[r]] = r;
        nonzeros_after_refactor_ = eta_value_.size();
        stats_.eta_nonzeros = eta_value_.size();
        etas_since_refactor_ = 0;
        alpha_col_ = kNoColumn;
        prices_valid_ = false;
    }

    // y = c_B B^-1 (backward solve), exactly and as doubles.
    void compute_prices() {
        if (prices_valid_) return;
        const Timer timer(stats_.btran_seconds);
        for (std::size_t i = 0; i < m_; ++i) y_[i] = N{};
        for (std::size_t r = 0; r < m_; ++r) y_[perm_[r]] = cost(basis_[r]);
        for (std::size_t k = etas_.size(); k-- > 0;) {
            const Eta& e = etas_[k];
            N s{};
            for (std::size_t q = e.begin; q < e.end; ++q) {
                const N& w = y_[eta_row_[q]];
                if (!w.is_zero()) s = s + eta_value_[q] * w;
            }
            y_[e.row] = std::move(s);
        }
        for (std::size_t i = 0; i < m_; ++i) y_d_[i] = y_[i].to_f64();
        prices_valid_ = true;
    }

    N reduced_cost(std::size_t j) {
        ++stats_.exact_prices;
        N d = cost(j);
        for (std::size_t k = col_start_[j]; k < col_start_[j + 1]; ++k) {
            const N& y = y_[rows_[k]];
            if (!y.is_zero()) d = d - y * values_[k];
        }
        return d;
    }

    // An interval that holds the exact reduced cost of column j: the double
    // sum with a bound on its rounding (each input within 3 units in the
    // last place, one rounding per product and per addition), plus a margin
    // for underflow.
    Bounds price_bounds(std::size_t j) const {
        const double c = cost_d(j);
        double d = c;
        double magnitude = std::fabs(c);
        const std::size_t begin = col_start_[j], end = col_start_[j + 1];
        for (std::size_t k = begin; k < end; ++k) {
            const double t = y_d_[rows_[k]] * values_d_[k];
            d -= t;
            magnitude += std::fabs(t);
        }
        const double terms = static_cast<double>(end - begin + 1);
        const double error = (terms + 10.0) * 0x1p-52 * magnitude + (terms + 1.0) * 0x1p-1000;
        if (!std::isfinite(d) || !std::isfinite(error)) return {-HUGE_VAL, HUGE_VAL};
        return {d - error, d + error};
    }

    std::size_t num_vars_;
    std::size_t m_;
    // Constraint matrix by columns.
    std::vector<std::size_t> col_start_;
    std::vector<std::size_t> rows_;
    std::vector<N> values_;
    std::vector<double> values_d_;
    std::vector<std::tuple<std::size_t, std::size_t, N>> staged_;
    // Objective (the maximised function) and right-hand side.
    std::vector<N> cost_;
    std::vector<double> cost_d_;
    N rhs0_{};
    std::vector<N> rhs_;
    std::vector<char> artificial_;
    bool phase1_ = false;
    // Basis by position (the dense tableau's row - 1) and its values.
    std::vector<std::size_t> basis_;
    std::vector<std::size_t> position_;  // by column: its position, or kNoColumn
    std::vector<N> x_;
    // Factorization: E B = P, P taking position r to row perm_[r].
    std::vector<Eta> etas_;
    std::vector<std::size_t> eta_row_;
    std::vector<N> eta_value_;
    std::vector<std::size_t> perm_;
    std::vector<std::size_t> position_of_row_;
    std::size_t etas_since_refactor_ = 0;
    std::size_t nonzeros_after_refactor_ = 0;
    // Scratch.
    std::vector<N> work_;
    std::vector<std::size_t> work_nz_;
    std::vector<std::size_t> work_row_nz_;
    std::vector<char> mark_;
    std::vector<N> alpha_;
    std::vector<std::size_t> alpha_nz_;
    std::size_t alpha_col_ = kNoColumn;
    std::vector<N> y_;
    std::vector<double> y_d_;
    bool prices_valid_ = false;
    std::vector<Candidate> bounds_;
    RevisedStats stats_;
};

}  // namespace nemox::lp
