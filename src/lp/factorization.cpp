#include "lp/factorization.hpp"

#include <algorithm>
#include <utility>

#include "core/failure.hpp"
#include "lp/tableau.hpp"

namespace nemox::lp {

using linear::BigInt;

Factorization::Factorization(std::size_t rows)
    : m_(rows),
      dets_(1, BigInt(1)),
      perm_(rows),
      position_of_row_(rows),
      work_(rows),
      level_(rows, 0),
      mark_(rows, 0) {
    divisors_.emplace_back(dets_[0]);
}

void Factorization::note_bits(const BigInt& v) {
    max_bits_ = std::max(max_bits_, v.bit_length());
}

// out = (sum of the terms) / d, counted.
void Factorization::combine(BigInt& out, std::span<const linear::Product> terms,
                            const linear::ExactDivisor& d) {
    for (const linear::Product& t : terms) solve_work_ += t.a->limbs() * t.b->limbs();
    BigInt::divexact_sum_into(out, terms, d);
}

void Factorization::touch(std::size_t i) {
    if (!mark_[i]) {
        mark_[i] = 1;
        level_[i] = 0;
        work_nz_.push_back(i);
    }
}

void Factorization::clear_work() {
    for (const std::size_t i : work_nz_) {
        work_[i].set_zero();
        mark_[i] = 0;
    }
    work_nz_.clear();
}

void Factorization::load(const SparseColumns& a, std::size_t col) {
    clear_work();
    for (std::size_t k = a.start[col]; k < a.start[col + 1]; ++k) {
        touch(a.rows[k]);
        work_[a.rows[k]] = a.values[k];
    }
}

void Factorization::set_work(std::size_t i, BigInt v) {
    touch(i);
    work_[i] = std::move(v);
}

// Brings work_[i] from the scale of dets_[level_[i]] to that of dets_[level]:
// the value is unchanged, and D_level times it is an integer.
void Factorization::lift(std::size_t i, std::size_t level) {
    if (level_[i] != level && !work_[i].is_zero()) {
        const linear::Product term[] = {{&work_[i], &dets_[level], false}};
        combine(work_[i], term, divisors_[level_[i]]);
    }
    level_[i] = level;
}

// Through the etas in order; a row waits at its last scale until an eta
// reads it, so that rows no eta touches are scaled once, at the end.
void Factorization::ftran() {
    if (etas_behind_) throw InternalFailure("factorization out of step");
    std::uint64_t start = solve_work_;
    for (std::size_t k = 1; k <= etas_.size(); ++k) {
        if (k == base_ + 1) start = solve_work_;
        const Eta& e = etas_[k - 1];
        const std::size_t p = e.row;
        if (work_[p].is_zero()) continue;
        lift(p, k - 1);
        const BigInt& t = work_[p];
        const BigInt& pivot = dets_[k];
        for (std::size_t q = e.begin; q < e.end; ++q) {
            const std::size_t i = eta_row_[q];
            touch(i);
            lift(i, k - 1);
            // (w_i * P - f_i * t) / D_{k-1}
            const linear::Product terms[] = {{&work_[i], &pivot, false},
                                             {&eta_value_[q], &t, true}};
            combine(work_[i], terms, divisors_[k - 1]);
            level_[i] = k;
        }
        level_[p] = k;
    }
    const std::size_t top = etas_.size();
    for (const std::size_t i : work_nz_) lift(i, top);
    if (top > base_) update_work_ += solve_work_ - start;
}

// From the last eta back: y_p <- (D_{k-1} y_p - sum f_i y_i) / D_k.
void Factorization::btran(std::vector<BigInt>& y) {
    if (etas_behind_) throw InternalFailure("factorization out of step");
    const std::uint64_t start = solve_work_;
    for (std::size_t k = etas_.size(); k >= 1; --k) {
        if (k == base_) update_work_ += solve_work_ - start;
        const Eta& e = etas_[k - 1];
        terms_.clear();
        terms_.push_back({&y[e.row], &dets_[k - 1], false});
        for (std::size_t q = e.begin; q < e.end; ++q) {
            const BigInt& w = y[eta_row_[q]];
            if (!w.is_zero()) terms_.push_back({&eta_value_[q], &w, true});
        }
        combine(y[e.row], terms_, divisors_[k]);
    }
}

// The eta that turns the transformed column in the work vector into D times
// the unit vector of row p: it pivots on work_[p], the next determinant.
void Factorization::append_eta(std::size_t p) {
    if (work_[p].is_zero()) throw InternalFailure("pivot value is zero");
    const std::size_t begin = eta_row_.size();
    for (const std::size_t i : work_nz_) {
        if (i == p || work_[i].is_zero()) continue;
        eta_row_.push_back(i);
        eta_value_.push_back(work_[i]);
        note_bits(work_[i]);
    }
    if (eta_row_.size() == begin && work_[p] == det()) return;  // the identity
    etas_.push_back({p, begin, eta_row_.size()});
    note_bits(work_[p]);
    dets_.push_back(work_[p]);
    divisors_.emplace_back(dets_.back());
}

void Factorization::update(std::size_t p) {
    append_eta(p);
    clear_work();
    ++updates_;
}

void Factorization::update_det_only(const BigInt& pivot) {
    if (pivot.is_zero()) throw InternalFailure("pivot value is zero");
    note_bits(pivot);
    dets_.push_back(pivot);
    divisors_.emplace_back(dets_.back());
    etas_behind_ = true;
    ++updates_;
}

// Unit-like columns first, then the rest by increasing count, each pivoted
// on its sparsest free row: few fill-ins, small numbers.
void Factorization::refactor(const SparseColumns& a, const std::vector<std::size_t>& basis) {
    const std::uint64_t start = solve_work_;
    base_ = kNoColumn;
    etas_behind_ = false;
    etas_.clear();
    eta_row_.clear();
    eta_value_.clear();
    dets_.assign(1, BigInt(1));
    divisors_.clear();
    divisors_.emplace_back(dets_[0]);
    std::vector<char> row_used(m_, 0);
    std::vector<char> placed(m_, 0);
    const auto count = [&](std::size_t col) { return a.start[col + 1] - a.start[col]; };
    for (std::size_t r = 0; r < m_; ++r) {
        const std::size_t col = basis[r];
        if (count(col) != 1 || row_used[a.rows[a.start[col]]]) continue;
        const std::size_t i = a.rows[a.start[col]];
        row_used[i] = 1;
        placed[r] = 1;
        perm_[r] = i;
        load(a, col);
        ftran();
        append_eta(i);
    }
    std::vector<std::size_t> row_count(m_, 0);
    std::vector<std::size_t> rest;
    for (std::size_t r = 0; r < m_; ++r) {
        if (placed[r]) continue;
        rest.push_back(r);
        const std::size_t col = basis[r];
        for (std::size_t k = a.start[col]; k < a.start[col + 1]; ++k) ++row_count[a.rows[k]];
    }
    std::stable_sort(rest.begin(), rest.end(), [&](std::size_t x, std::size_t y) {
        return count(basis[x]) < count(basis[y]);
    });
    for (const std::size_t r : rest) {
        load(a, basis[r]);
        ftran();
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
        append_eta(pick);
    }
    clear_work();
    for (std::size_t r = 0; r < m_; ++r) position_of_row_[perm_[r]] = r;
    nonzeros_after_refactor_ = eta_value_.size();
    updates_ = 0;
    base_ = etas_.size();
    refactor_work_ = solve_work_ - start;
    update_work_ = 0;
}

}  // namespace nemox::lp
