#pragma once

// Exact factorization of a basis in integer-preserving product form.
//
// E B = P, where B is the basis (its columns by position r), P the
// permutation taking position r to row row_of(r), and E the product of the
// eta matrices E_K ... E_1. Eta k pivots on row p_k with the pivot value
// D_k and the scale D_{k-1} before it (D_0 = 1); D = D_K is det(B) up to
// its sign. Every vector is kept as D times its exact values, so every
// division is exact and no gcd is ever taken.
//
// - ftran: w <- D B^-1 w for a work vector w given by rows, the result by
//   rows (position r at row_of(r)).
// - btran: y <- D c_B B^-1 for y given as D c_B by rows, the result by rows.
// - update: a new eta from the column B^-1 a_q left in the work vector by
//   ftran, pivoting on row p; D becomes the pivot value.
// - refactor: new etas from the basis columns alone (the same B, a new P).
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "linear/bigint.hpp"

namespace nemox::lp {

// A constraint matrix by sparse columns of integers.
struct SparseColumns {
    const std::vector<std::size_t>& start;  // column j in [start[j], start[j + 1])
    const std::vector<std::size_t>& rows;
    const std::vector<linear::BigInt>& values;
};

class Factorization {
  public:
    using BigInt = linear::BigInt;

    explicit Factorization(std::size_t rows);

    // The work vector: entry i holds D_level(i) times its value.
    void clear_work();
    void load(const SparseColumns& a, std::size_t col);
    void set_work(std::size_t i, BigInt v);
    const BigInt& work(std::size_t i) const { return work_[i]; }
    const std::vector<std::size_t>& work_nonzeros() const { return work_nz_; }

    void ftran();
    void btran(std::vector<BigInt>& y);
    // Throws when the pivot value is zero.
    void update(std::size_t p);
    // A pivot whose solves are made elsewhere: the chain of determinants
    // moves on to `pivot`, the etas stay behind, and ftran and btran throw
    // until the next refactor.
    void update_det_only(const BigInt& pivot);
    // Throws when the basis is singular.
    void refactor(const SparseColumns& a, const std::vector<std::size_t>& basis);

    std::size_t row_of(std::size_t position) const { return perm_[position]; }
    std::size_t position_of(std::size_t row) const { return position_of_row_[row]; }
    const BigInt& det() const { return dets_.back(); }
    const linear::ExactDivisor& det_divisor() const { return divisors_.back(); }
    // Since the last refactorization, the determinant of each basis met is
    // that of the level it was current at: det_at(level()) is det().
    std::size_t level() const { return dets_.size() - 1; }
    const BigInt& det_at(std::size_t level) const { return dets_[level]; }
    const linear::ExactDivisor& divisor_at(std::size_t level) const { return divisors_[level]; }
    std::size_t updates() const { return updates_; }
    std::size_t nonzeros() const { return eta_value_.size(); }
    std::size_t nonzeros_after_refactor() const { return nonzeros_after_refactor_; }
    std::size_t max_bits() const { return max_bits_; }
    // Work in limb products, a measure that does not depend on the machine:
    // of the last refactorization, and of the solves since then through the
    // update etas (a cost that grows with each update).
    std::uint64_t refactor_work() const { return refactor_work_; }
    std::uint64_t update_work() const { return update_work_; }

  private:
    struct Eta {
        std::size_t row;    // pivot row
        std::size_t begin;  // off-pivot entries [begin, end) of eta_row_/eta_value_
        std::size_t end;
    };

    void touch(std::size_t i);
    void lift(std::size_t i, std::size_t level);
    void append_eta(std::size_t p);
    void note_bits(const BigInt& v);
    void combine(BigInt& out, std::span<const linear::Product> terms,
                 const linear::ExactDivisor& d);

    std::size_t m_;
    std::vector<Eta> etas_;
    std::vector<std::size_t> eta_row_;
    std::vector<BigInt> eta_value_;
    std::vector<BigInt> dets_;
    std::vector<linear::ExactDivisor> divisors_;
    std::vector<std::size_t> perm_;
    std::vector<std::size_t> position_of_row_;
    std::size_t updates_ = 0;
    std::size_t nonzeros_after_refactor_ = 0;
    std::size_t max_bits_ = 0;
    std::uint64_t solve_work_ = 0;
    std::uint64_t refactor_work_ = 0;
    std::uint64_t update_work_ = 0;
    std::size_t base_ = 0;  // etas of the last refactorization
    bool etas_behind_ = false;
    std::vector<BigInt> work_;
    std::vector<std::size_t> level_;
    std::vector<std::size_t> work_nz_;
    std::vector<char> mark_;
    std::vector<linear::Product> terms_;
};

}  // namespace nemox::lp
