#include "lp/padic.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <queue>
#include <random>

#include "core/failure.hpp"

namespace nemox::lp {

using linear::BigInt;
using nemox::UWide;

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

std::uint64_t mul_mod(std::uint64_t a, std::uint64_t b, std::uint64_t p) {
    return static_cast<std::uint64_t>(static_cast<UWide>(a) * b % p);
}

std::uint64_t sub_mod(std::uint64_t a, std::uint64_t b, std::uint64_t p) {
    return a >= b ? a - b : a + (p - b);
}

std::uint64_t pow_mod(std::uint64_t a, std::uint64_t e, std::uint64_t p) {
    std::uint64_t r = 1;
    for (; e > 0; e >>= 1) {
        if (e & 1) r = mul_mod(r, a, p);
        a = mul_mod(a, a, p);
    }
    return r;
}

// Miller-Rabin with the first twelve prime bases: exact below 3.3e24.
bool is_prime(std::uint64_t n) {
    static constexpr std::array<std::uint64_t, 12> kBases{2,  3,  5,  7,  11, 13,
                                                          17, 19, 23, 29, 31, 37};
    if (n < 2) return false;
    for (const std::uint64_t b : kBases) {
        if (n % b == 0) return n == b;
    }
    std::uint64_t d = n - 1;
    int s = 0;
    while ((d & 1) == 0) {
        d >>= 1;
        ++s;
    }
    for (const std::uint64_t b : kBases) {
        std::uint64_t x = pow_mod(b, d, n);
        if (x == 1 || x == n - 1) continue;
        bool composite = true;
        for (int i = 1; i < s && composite; ++i) {
            x = mul_mod(x, x, n);
            composite = x != n - 1;
        }
        if (composite) return false;
    }
    return true;
}

}  // namespace

// Primes just below 2^62: products of two residues fit in 124 bits.
const std::array<std::uint64_t, 3>& PadicSolver::primes() {
    static const std::array<std::uint64_t, 3> list = [] {
        std::array<std::uint64_t, 3> out{};
        std::uint64_t n = (std::uint64_t{1} << 62) - 1;
        for (std::uint64_t& p : out) {
            while (!is_prime(n)) n -= 2;
            p = n;
            n -= 2;
        }
        return out;
    }();
    return list;
}

namespace {

std::uint64_t big_mod(const BigInt& x, std::uint64_t p) {
    UWide rem = 0;
    const auto limbs = x.magnitude();
    for (std::size_t k = limbs.size(); k-- > 0;) rem = ((rem << 64) | limbs[k]) % p;
    const auto r = static_cast<std::uint64_t>(rem);
    return x.is_negative() && r != 0 ? p - r : r;
}

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
        if (factor()) {
            factored_ = true;
            return;
        }
    }
}

// Left-looking LU: each column of B, in the order of fewer entries first,
// is solved against the steps before it (in step order, from a heap of the
// steps its entries reach) and pivots on its remaining row of fewest
// entries in B.
bool PadicSolver::factor() {
    const std::size_t m = m_;
    mod_values_.assign(a_.values.size(), 0);
    std::vector<std::size_t> row_count(m, 0);
    std::vector<std::size_t> col_count(m, 0);
    for (std::size_t c = 0; c < m; ++c) {
        const std::size_t j = basis_[c];
        for (std::size_t k = a_.start[j]; k < a_.start[j + 1]; ++k) {
            if (a_.rows[k] >= m) throw InternalFailure("basis entry outside its rows");
            mod_values_[k] = big_mod(a_.values[k], p_);
            if (mod_values_[k] == 0) continue;
            ++row_count[a_.rows[k]];
            ++col_count[c];
        }
    }
    std::vector<std::size_t> order(m);
    for (std::size_t c = 0; c < m; ++c) order[c] = c;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t x, std::size_t y) { return col_count[x] < col_count[y]; });

    pivot_row_.clear();
    column_.clear();
    pivot_inverse_.clear();
    l_.clear();
    u_.clear();
    l_start_.assign(1, 0);
    u_start_.assign(1, 0);
    std::vector<std::uint64_t> w(m, 0);
    std::vector<char> touched_mark(m, 0);
    std::vector<std::size_t> touched;
    std::vector<std::size_t> step_of_row(m, kNone);
    std::vector<char> queued(m, 0);
    std::priority_queue<std::size_t, std::vector<std::size_t>, std::greater<>> steps;
    const auto touch = [&](std::size_t i) {
        if (touched_mark[i]) return;
        touched_mark[i] = 1;
        touched.push_back(i);
        const std::size_t s = step_of_row[i];
        if (s != kNone && !queued[s]) {
            queued[s] = 1;
            steps.push(s);
        }
    };
    for (const std::size_t c : order) {
        const std::size_t j = basis_[c];
        for (std::size_t k = a_.start[j]; k < a_.start[j + 1]; ++k) {
            if (mod_values_[k] == 0) continue;
            w[a_.rows[k]] = mod_values_[k];
            touch(a_.rows[k]);
        }
        while (!steps.empty()) {
            const std::size_t s = steps.top();
            steps.pop();
            queued[s] = 0;
            const std::uint64_t wr = w[pivot_row_[s]];
            if (wr == 0) continue;
            for (std::size_t k = l_start_[s]; k < l_start_[s + 1]; ++k) {
                const Entry& e = l_[k];
                w[e.index] = sub_mod(w[e.index], mul_mod(wr, e.value, p_), p_);
                touch(e.index);
            }
        }
        std::size_t pivot = kNone;
        for (const std::size_t i : touched) {
            if (w[i] == 0) continue;
            if (step_of_row[i] != kNone) {
                u_.push_back({step_of_row[i], w[i]});
            } else if (pivot == kNone || row_count[i] < row_count[pivot] ||
                       (row_count[i] == row_count[pivot] && i < pivot)) {
                pivot = i;
            }
        }
        if (pivot == kNone) return false;
        const std::uint64_t inverse = pow_mod(w[pivot], p_ - 2, p_);
        for (const std::size_t i : touched) {
            if (w[i] != 0 && step_of_row[i] == kNone && i != pivot)
                l_.push_back({i, mul_mod(w[i], inverse, p_)});
        }
        step_of_row[pivot] = pivot_row_.size();
        pivot_row_.push_back(pivot);
        column_.push_back(c);
        pivot_inverse_.push_back(inverse);
        l_start_.push_back(l_.size());
        u_start_.push_back(u_.size());
        for (const std::size_t i : touched) {
            w[i] = 0;
            touched_mark[i] = 0;
        }
        touched.clear();
    }
    return true;
}

// v <- B^-1 v mod p (rows in, positions out), or B^-T v (positions in,
// rows out).
void PadicSolver::solve_mod(std::vector<std::uint64_t>& v, bool transpose) const {
    const std::size_t m = m_;
    std::vector<std::uint64_t> out(m, 0);
    if (!transpose) {
        for (std::size_t s = 0; s < m; ++s) {
            const std::uint64_t wr = v[pivot_row_[s]];
            if (wr == 0) continue;
            for (std::size_t k = l_start_[s]; k < l_start_[s + 1]; ++k)
                v[l_[k].index] = sub_mod(v[l_[k].index], mul_mod(wr, l_[k].value, p_), p_);
        }
        for (std::size_t s = m; s-- > 0;) {
            const std::uint64_t z = mul_mod(v[pivot_row_[s]], pivot_inverse_[s], p_);
            out[column_[s]] = z;
            if (z == 0) continue;
            for (std::size_t k = u_start_[s]; k < u_start_[s + 1]; ++k) {
                const std::size_t r = pivot_row_[u_[k].index];
                v[r] = sub_mod(v[r], mul_mod(u_[k].value, z, p_), p_);
            }
        }
    } else {
        for (std::size_t s = 0; s < m; ++s) {
            std::uint64_t t = v[column_[s]];
            for (std::size_t k = u_start_[s]; k < u_start_[s + 1]; ++k)
                t = sub_mod(t, mul_mod(u_[k].value, out[pivot_row_[u_[k].index]], p_), p_);
            out[pivot_row_[s]] = mul_mod(t, pivot_inverse_[s], p_);
        }
        for (std::size_t s = m; s-- > 0;) {
            std::uint64_t t = out[pivot_row_[s]];
            for (std::size_t k = l_start_[s]; k < l_start_[s + 1]; ++k)
                t = sub_mod(t, mul_mod(l_[k].value, out[l_[k].index], p_), p_);
            out[pivot_row_[s]] = t;
        }
    }
    v.swap(out);
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
    std::vector<std::uint64_t> v(m_);
    BigInt power(1), tmp;
    std::uint64_t next_attempt = first_attempt_;
    stats_.digits = 0;
    for (;;) {
        for (std::size_t i = 0; i < m_; ++i) v[i] = big_mod(r[i], p_);
        solve_mod(v, transpose);
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
