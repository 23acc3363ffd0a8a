#pragma once

// Exact solves with a fixed basis by p-adic lifting.
//
// B is factored once modulo a word prime p (P B Q = L U over the integers
// mod p). A solve lifts x = sum x_i p^i digit by digit: x_i = B^-1 r_i mod p
// (symmetric residues), r_{i+1} = (r_i - B x_i) / p, so the residual stays
// as small as the data and only words are ever solved. The invariant
// p^k r_k = D b - B X_k holds exactly, so a zero residual proves B X = D b.
// For an integral D x that happens within a few digits of its size; the
// denominator D comes from rational reconstruction of a random combination
// of the components, and growing it by a factor e multiplies X and r by e,
// which keeps the invariant without starting over. A reconstruction from
// too few digits only adds a spurious factor to D: the answer stays exact,
// and the exact residual check B z = D b in big integers runs before any
// answer leaves.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/interrupt.hpp"
#include "linear/bigint.hpp"
#include "lp/factorization.hpp"
#include "lp/modular_basis.hpp"

namespace nemox::lp {

// x = numerators / denominator, the denominator positive.
struct ExactVector {
    std::vector<linear::BigInt> numerators;
    linear::BigInt denominator{1};
};

struct PadicStats {
    std::uint64_t primes = 0;    // primes tried for the factorization
    std::uint64_t digits = 0;    // lifting steps of the last solve
    std::uint64_t attempts = 0;  // reconstructions tried, all solves
    std::uint64_t factors = 0;   // of those, that grew the denominator
};

class PadicSolver {
  public:
    using BigInt = linear::BigInt;

    // The primes tried, in order.
    static const std::array<std::uint64_t, 3>& primes();

    // B is the columns `basis` of `a` (which must outlive the solver), over
    // rows 0..basis.size()-1. Factors
    // it modulo the first of a few primes for which it is nonsingular.
    PadicSolver(const SparseColumns& a, const std::vector<std::size_t>& basis);

    // False when B was singular modulo every prime tried (it may be
    // singular, or unlucky): then no solve is possible.
    bool factored() const { return factored_; }
    std::uint64_t prime() const { return p_; }
    const PadicStats& stats() const { return stats_; }

    // x with B x = b (B^T x = b with `transpose`), proven by the exact
    // residual check; nothing when the lifting passes its bound (Hadamard's)
    // without settling, which needs a combination whose denominator misses
    // a factor of the others' at every attempt.
    std::optional<ExactVector> solve(const std::vector<BigInt>& b, bool transpose,
                                     Interrupt& interrupt);

    // Whether B z = D b (B^T z = D b) holds exactly.
    bool checks(const std::vector<BigInt>& b, bool transpose, const ExactVector& x) const;

    // The digits before the first reconstruction,
    // for tests that force early, wrong reconstructions.
    void set_first_attempt(std::uint64_t digits) { first_attempt_ = digits; }

  private:
    std::optional<BigInt> denominator_of(const std::vector<BigInt>& x, const BigInt& modulus);
    void multiply_sub(std::vector<BigInt>& r, const std::vector<BigInt>& x, bool transpose) const;

    SparseColumns a_;  // the references of the caller's matrix
    std::vector<std::size_t> basis_;
    std::size_t m_;
    std::uint64_t p_ = 0;
    bool factored_ = false;
    ModularLu lu_;
    std::uint64_t first_attempt_ = 2;
    std::uint64_t seed_ = 1;  // of the combinations' weights
    PadicStats stats_;
};

}  // namespace nemox::lp
