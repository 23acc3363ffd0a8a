#include "lp/padic.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

#include "core/failure.hpp"

namespace nemox::lp {

using linear::BigInt;
// Primes just below 2^62: products of two residues fit in 124 bits.
const std::array<std::uint64_t, 3>& PadicSolver::primes() {
    static const std::array<std::uint64_t, 3> list = [] {
        std::array<std::uint64_t, 3> out{};
        std::uint64_t n = std::uint64_t{1} << 62;
        for (std::uint64_t& p : out) n = p = prime_below(n);
        return out;
    }();
    return list;
}

namespace {

BigInt power_of_two(std::size_t e) {
    static const BigInt kStep = BigInt::from_double(0x1p1000);
    BigInt r(1);
    for (; e >= 1000; e -= 1000) r = r * kStep;
    return r * BigInt::from_double(std::ldexp(1.0, static_cast<int>(e)));
}

// q, r <- a div b, a mod b for a >= 0, b > 0. Each step subtracts an
// underestimate of the quotient taken from the leading bits (scaled by a
// power of two when it would not fit a double), so r never goes below zero
// and loses about 47 bits a step.
void div_mod(const BigInt& a, const BigInt& b, BigInt& q, BigInt& r) {
    q.set_zero();
    r = a;
    BigInt qi, scaled;
    while (compare(r, b) >= 0) {
        const std::size_t gap = r.bit_length() - b.bit_length();
        if (gap > 900) {
            const BigInt shift = power_of_two(gap - 100);
            const double est = BigInt::approx_ratio(r, b * shift);
            qi = BigInt::from_double(std::floor(est * (1 - 0x1p-48))) * shift;
        } else {
            const double f = std::floor(BigInt::approx_ratio(r, b) * (1 - 0x1p-48));
            qi = f < 1 ? BigInt(1) : BigInt::from_double(f);
        }
        BigInt::submul_into(r, qi, b);
        BigInt::add_into(q, q, qi);
    }
}

// Bits of a bound on the Euclidean norm of the vectors that `each` visits.
double norm_bits(std::size_t count, std::size_t max_bits) {
    return static_cast<double>(max_bits) + 0.5 * std::log2(static_cast<double>(count) + 1.0);
}

}  // namespace

PadicSolver::PadicSolver(const SparseColumns& a, const std::vector<std::size_t>& basis)
    : a_(a), basis_(basis), m_(basis.size()) {
    for (const std::uint64_t p : primes()) {
        p_ = p;
        ++stats_.primes;
        if (lu_.factor(a_, basis_, p)) {
            factored_ = true;
            return;
        }
    }
}

// r <- r - B x (B^T x with `transpose`).
void PadicSolver::multiply_sub(std::vector<BigInt>& r, const std::vector<BigInt>& x,
                               bool transpose) const {
    for (std::size_t c = 0; c < m_; ++c) {
        const std::size_t j = basis_[c];
        for (std::size_t k = a_.start[j]; k < a_.start[j + 1]; ++k) {
            if (transpose) {
                BigInt::submul_into(r[c], a_.values[k], x[a_.rows[k]]);
            } else if (!x[c].is_zero()) {
                BigInt::submul_into(r[a_.rows[k]], a_.values[k], x[c]);
            }
        }
    }
}

bool PadicSolver::checks(const std::vector<BigInt>& b, bool transpose, const ExactVector& x) const {
    if (b.size() != m_ || x.numerators.size() != m_ || !x.denominator.is_positive()) return false;
    std::vector<BigInt> r(m_);
    for (std::size_t i = 0; i < m_; ++i) BigInt::mul_into(r[i], b[i], x.denominator);
    multiply_sub(r, x.numerators, transpose);
    return std::all_of(r.begin(), r.end(), [](const BigInt& v) { return v.is_zero(); });
}

// A denominator of w x for random weights w, from X = x mod M by the
// extended Euclid: every pair n = e (w X) mod M with 2 |n| e < M is among
// its remainders and cofactors. The pair taken is the smallest, and only
// when n e is 40 bits below M: for residues of a fraction that the digits
// do not determine yet, every pair comes out with n e near M, so the
// margin keeps spurious factors out of D (they would only cost digits).
std::optional<BigInt> PadicSolver::denominator_of(const std::vector<BigInt>& x,
                                                  const BigInt& modulus) {
    std::mt19937_64 rng(seed_++);
    BigInt sum, w, q, r0, r1, s0, s1, tmp;
    for (const BigInt& v : x) {
        if (v.is_zero()) continue;
        w.assign(static_cast<std::int64_t>(rng() >> 44));
        BigInt::addmul_into(sum, w, v);
    }
    const bool negative = sum.is_negative();
    if (negative) sum.negate();
    div_mod(sum, modulus, q, r1);
    if (negative && !r1.is_zero()) BigInt::sub_into(r1, modulus, r1);
    r0 = modulus;
    s0.set_zero();
    s1 = BigInt(1);
    std::optional<BigInt> best;
    std::size_t best_bits = modulus.bit_length() - 40;
    while (!r1.is_zero()) {
        const std::size_t bits = r1.bit_length() + s1.bit_length();
        if (bits <= best_bits) {
            best_bits = bits;
            best = s1;
        }
        div_mod(r0, r1, q, tmp);
        r0 = std::move(r1);
        r1 = std::move(tmp);
        tmp = s0;
        BigInt::submul_into(tmp, q, s1);
        s0 = std::move(s1);
        s1 = std::move(tmp);
    }
    if (best && best->is_negative()) best->negate();
    return best;
}

std::optional<ExactVector> PadicSolver::solve(const std::vector<BigInt>& b, bool transpose,
                                              Interrupt& interrupt) {
    if (!factored_ || b.size() != m_) return std::nullopt;
    // Hadamard's bound on the determinant and on the numerators of
    // Cramer's rule (rows or columns, whichever is larger), for the number
    // of digits after which a nonsingular B must have settled.
    std::vector<std::size_t> row_bits(m_, 0), row_entries(m_, 0);
    double col_norms = 0;
    std::size_t nonzeros = 0;
    for (std::size_t c = 0; c < m_; ++c) {
        const std::size_t j = basis_[c];
        std::size_t bits = 0;
        for (std::size_t k = a_.start[j]; k < a_.start[j + 1]; ++k) {
            const std::size_t vb = a_.values[k].bit_length();
            bits = std::max(bits, vb);
            row_bits[a_.rows[k]] = std::max(row_bits[a_.rows[k]], vb);
            ++row_entries[a_.rows[k]];
        }
        nonzeros += a_.start[j + 1] - a_.start[j];
        col_norms += norm_bits(a_.start[j + 1] - a_.start[j], bits);
    }
    double row_norms = 0;
    for (std::size_t i = 0; i < m_; ++i) row_norms += norm_bits(row_entries[i], row_bits[i]);
    std::size_t b_bits = 0;
    for (const BigInt& v : b) b_bits = std::max(b_bits, v.bit_length());
    // The combination's numerator carries 20 bits of weight and log2(m) of
    // terms; the last digits of an integral D x take up to two more.
    const double det_bits = std::max(col_norms, row_norms);
    const double needed_bits = 2 * det_bits + norm_bits(m_, b_bits) + 2 * std::log2(m_ + 1.0) + 64;
    // Twice that, for denominators that reveal their factors one at a time.
    const auto max_digits = 2 * static_cast<std::uint64_t>(std::ceil(needed_bits / 61)) + 8;

    const BigInt prime = BigInt::from_u128(p_);
    const linear::ExactDivisor divisor(prime);
    const std::uint64_t half = p_ / 2;
    ExactVector out;
    out.numerators.assign(m_, BigInt());
    std::vector<BigInt>& x = out.numerators;
    BigInt& den = out.denominator;
    std::vector<BigInt> r = b;
    std::vector<BigInt> digit(m_);
    std::vector<std::uint64_t> v(m_), scratch;
    BigInt power(1), tmp;
    std::uint64_t next_attempt = first_attempt_;
    stats_.digits = 0;
    for (;;) {
        for (std::size_t i = 0; i < m_; ++i) v[i] = residue(r[i], p_);
        lu_.solve(v, scratch, transpose);
        for (std::size_t j = 0; j < m_; ++j) {
            if (v[j] == 0) {
                digit[j].set_zero();
                continue;
            }
            if (v[j] > half) {
                digit[j] = BigInt::from_u128(p_ - v[j]);
                digit[j].negate();
            } else {
                digit[j] = BigInt::from_u128(v[j]);
            }
            BigInt::addmul_into(x[j], digit[j], power);
        }
        multiply_sub(r, digit, transpose);
        bool settled = true;
        for (BigInt& ri : r) {
            if (ri.is_zero()) continue;
            settled = false;
            BigInt::divexact_into(tmp, ri, divisor);
            std::swap(ri, tmp);
        }
        BigInt::mul_into(power, power, prime);
        ++stats_.digits;
        interrupt.poll(static_cast<std::int64_t>(nonzeros + m_));
        if (settled) {
            if (!checks(b, transpose, out))
                throw InternalFailure("p-adic lifting lost its residual");
            return out;
        }
        if (stats_.digits >= max_digits) return std::nullopt;
        if (stats_.digits < next_attempt) continue;
        ++stats_.attempts;
        const std::optional<BigInt> e = denominator_of(x, power);
        // Too few digits: wait for half as many again. A combination looks
        // integral with probability 1/q when D x still misses a factor q, and
        // a new factor may come with others that it hid: look again soon.
        if (!e) {
            next_attempt = stats_.digits + stats_.digits / 2 + 1;
            continue;
        }
        next_attempt = stats_.digits + 1 + (e->is_one() ? stats_.digits / 8 : 0);
        if (e->is_one()) continue;
        ++stats_.factors;
        BigInt::mul_into(den, den, *e);
        for (BigInt& xj : x) BigInt::mul_into(xj, xj, *e);
        for (BigInt& ri : r) BigInt::mul_into(ri, ri, *e);
    }
}

}  // namespace nemox::lp
