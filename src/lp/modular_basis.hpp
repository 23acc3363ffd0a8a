#pragma once

// A basis modulo a word prime p, and exact solves with it.
//
// ModularLu is P B Q = L U over the integers mod p: the fixed basis of the
// p-adic solver (padic.hpp), and the start of a ModularBasis.
//
// ModularBasis follows the simplex: the LU of its last factorization times
// one eta per pivot since then (B' = B E, E the identity but for the column
// B^-1 a_q in the leaving position). It solves B w = D b and B^T w = D b for
// small integer b, D being det B up to its sign, by lifting with the digits
// of D fed in one at a time: with D = sum d_k p^k (symmetric digits),
//   x_k = B^-1 (t_k + d_k b) mod p,   t_{k+1} = (t_k + d_k b - B x_k) / p
// keeps p^k t_k = D_k b - B X_k exactly (D_k and X_k the sums of the first
// k digits), and t stays below the row sums of the data, so all of it is
// word arithmetic. Once the digits of D are used up, t_k = B (w - X_k) / p^k
// and the digits of x are those of the integer w = D B^-1 b, so t reaches
// zero exactly; a zero t proves B X = D b. With a wrong D, w is no integer
// and t never reaches zero: the solve stops at Hadamard's bound and throws.
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "core/wide_integer.hpp"
#include "linear/bigint.hpp"
#include "lp/factorization.hpp"

namespace nemox::lp {

bool is_word_prime(std::uint64_t n);
// The largest prime below n (n > 3).
std::uint64_t prime_below(std::uint64_t n);
// The largest prime below 2^62, found once: small solves should not pay
// for its search.
std::uint64_t largest_word_prime();
// x mod p in [0, p).
std::uint64_t residue(const linear::BigInt& x, std::uint64_t p);

// Products modulo an odd p < 2^62 without a division (Montgomery's, with
// R = 2^64): mul(a, b R mod p) = a b mod p, so the multipliers of a solve
// are kept times R and the vectors as they are.
struct Montgomery {
    std::uint64_t p = 0;
    std::uint64_t neg_inverse = 0;  // -1/p mod 2^64
    std::uint64_t r2 = 0;           // R^2 mod p

    Montgomery() = default;
    explicit Montgomery(std::uint64_t prime);
    // t / R mod p, for 0 <= t < p 2^64.
    std::uint64_t reduce(UWide t) const {
        const std::uint64_t q = static_cast<std::uint64_t>(t) * neg_inverse;
        const auto r = static_cast<std::uint64_t>((t + static_cast<UWide>(q) * p) >> 64);
        return r >= p ? r - p : r;
    }
    std::uint64_t mul(std::uint64_t a, std::uint64_t b) const {
        return reduce(static_cast<UWide>(a) * b);
    }
    std::uint64_t to_form(std::uint64_t a) const { return mul(a, r2); }  // a R mod p
    // Sums of products reduced once per four: 4 p^2 < p 2^64.
    template <class Terms>
    std::uint64_t dot(std::size_t begin, std::size_t end, Terms term) const {
        std::uint64_t sum = 0;
        UWide acc = 0;
        int pending = 0;
        for (std::size_t k = begin; k < end; ++k) {
            const auto [a, b] = term(k);
            acc += static_cast<UWide>(a) * b;
            if (++pending == 4) {
                sum = add(sum, reduce(acc));
                acc = 0;
                pending = 0;
            }
        }
        return pending == 0 ? sum : add(sum, reduce(acc));
    }
    std::uint64_t add(std::uint64_t a, std::uint64_t b) const {
        const std::uint64_t s = a + b;
        return s >= p ? s - p : s;
    }
    // t mod p in [0, p), for |t| < p 2^64.
    std::uint64_t residue(Wide t) const {
        const std::uint64_t r = mul(reduce(static_cast<UWide>(t < 0 ? -t : t)), r2);
        return t < 0 && r != 0 ? p - r : r;
    }
};

class ModularLu {
  public:
    // B is the columns `basis` of `a` over rows 0..basis.size()-1. False
    // when B is singular modulo p.
    bool factor(const SparseColumns& a, const std::vector<std::size_t>& basis, std::uint64_t p);
    // v <- B^-1 v (rows in, positions out), or B^-T v (positions in, rows
    // out); `scratch` is any vector.
    void solve(std::vector<std::uint64_t>& v, std::vector<std::uint64_t>& scratch,
               bool transpose) const;
    // The same, by one of the two forms of each triangular solve: scattering
    // each nonzero of the solution into the entries it updates (work in
    // proportion to the nonzeros), or gathering each entry as a sum over its
    // row (every entry of the factors, at a fraction of the cost per entry:
    // one reduction per four products). Returns the products of a scattering
    // solve, for the caller's choice of the form.
    std::size_t solve(std::vector<std::uint64_t>& v, std::vector<std::uint64_t>& scratch,
                      bool transpose, bool gather) const;
    std::uint64_t prime() const { return p_; }
    const Montgomery& arithmetic() const { return mont_; }
    std::size_t nonzeros() const { return l_.size() + u_.size(); }

  private:
    struct Entry {
        std::size_t index;
        std::uint64_t value;
    };

    std::size_t m_ = 0;
    std::uint64_t p_ = 0;
    Montgomery mont_;
    // The multipliers below are kept times R (Montgomery).
    // Step k pivots on row pivot_row_[k] of column column_[k] of B.
    std::vector<std::size_t> pivot_row_;
    std::vector<std::size_t> column_;
    std::vector<std::uint64_t> pivot_inverse_;
    // L's multipliers by step (rows), U's entries above the diagonal by
    // step (their rows, pivot rows of earlier steps).
    std::vector<std::size_t> l_start_, u_start_;
    std::vector<Entry> l_, u_;
    std::vector<std::size_t> l_steps_;  // the steps with multipliers, in order
    // L and U by the steps of their rows: L's entries giving the pivot row
    // of their step, U's the position of their column.
    std::vector<std::size_t> lt_start_, ut_start_;
    std::vector<Entry> lt_, ut_;
    std::vector<std::size_t> lt_steps_;  // the steps with entries in lt_, in order
};

class ModularBasis {
  public:
    using BigInt = linear::BigInt;
    struct Term {
        std::size_t index;
        std::int64_t value;
    };
    // The largest magnitude of a right-hand side entry.
    static constexpr std::int64_t kMaxRight = std::int64_t{1} << 57;

    // Whether the residuals of every basis of `a` (over `rows` rows) fit
    // in 128 bits: every entry in 64 bits, and row and column sums of
    // magnitudes below 2^58.
    static bool fits(const SparseColumns& a, std::size_t rows);

    // `a` (which must fit) and `basis` (by position) must outlive this
    // object; factors the basis as it is now.
    ModularBasis(const SparseColumns& a, const std::vector<std::size_t>& basis);

    // Factors the current basis again: modulo the same prime, or the next
    // ones below it while the basis is singular modulo them (the first is
    // the largest prime below 2^62).
    void refactor();
    // Called after the basis took the entering column of the last forward
    // solve in position r, D being the determinant of that solve. Refactors
    // when the new basis is singular modulo p or the etas outgrew the LU.
    void update(std::size_t r);

    // w <- D B^-1 a_col by position, or with `transpose` w <- D B^-T e_r by
    // row for the position r; D must be the current determinant. `nz` gets
    // the indices of the nonzeros of w, increasing; entries of w that are
    // not listed are left as they were and must be zero.
    void solve_column(std::size_t col, const BigInt& d, std::vector<BigInt>& w,
                      std::vector<std::size_t>& nz);
    void solve_unit_row(std::size_t r, const BigInt& d, std::vector<BigInt>& w,
                        std::vector<std::size_t>& nz);
    // w <- D B^-T c by row for c by position, every |c_r| at most kMaxRight.
    void solve_transposed(std::span<const Term> c, const BigInt& d, std::vector<BigInt>& w,
                          std::vector<std::size_t>& nz);

    std::uint64_t prime() const { return lu_.prime(); }
    // Primes given up because a basis was singular modulo them.
    std::uint64_t primes_skipped() const { return primes_skipped_; }
    std::uint64_t refactorizations() const { return refactorizations_; }
    std::uint64_t digits() const { return digits_; }  // of the last solve

  private:
    struct Entry {
        std::size_t index;
        std::uint64_t value;
    };
    struct Eta {
        std::size_t position;
        std::uint64_t pivot_inverse;  // times R, as the entries
        std::size_t begin, end;       // entries [begin, end) of eta_entries_
    };

    void set_det(const BigInt& d);
    // Returns the products of a scattering solve with the LU.
    std::size_t solve_mod(std::vector<std::uint64_t>& v, bool transpose, bool gather);
    void lift(std::span<const Term> b, bool transpose, std::vector<BigInt>& w,
              std::vector<std::size_t>& nz);

    SparseColumns a_;
    const std::vector<std::size_t>& basis_;
    std::size_t m_;
    std::vector<std::int64_t> values_;  // the entries of a_
    std::vector<double> column_norm_;   // Euclidean, by column of a_
    ModularLu lu_;
    std::vector<Eta> etas_;
    std::vector<Entry> eta_entries_;
    // Digits of the determinant of the last set_det, lowest first.
    BigInt det_;
    std::vector<std::int64_t> det_digits_;
    std::uint64_t det_residue_ = 0;
    // The last forward solve modulo p by position, for the next update.
    std::vector<std::uint64_t> column_mod_;
    std::vector<std::size_t> column_mod_nz_;
    // Scratch.
    std::vector<std::uint64_t> v_, scratch_;
    std::vector<Wide> t_;
    UWide p_inverse_ = 0;       // 1/p mod 2^128
    UWide quotient_limit_ = 0;  // t is a multiple of p when |t|/p mod 2^128 is at most this
    std::vector<std::int64_t> digits_by_step_;
    std::vector<char> mark_;
    std::vector<Term> b_;
    std::uint64_t primes_skipped_ = 0;
    std::uint64_t refactorizations_ = 0;
    std::uint64_t digits_ = 0;
};

}  // namespace nemox::lp
