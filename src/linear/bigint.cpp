#include "linear/bigint.hpp"

#include <algorithm>
#include <bit>
#include <cmath>

#include "core/big_integer.hpp"
#include "core/failure.hpp"
#include "linear/bigint_kernels.hpp"

namespace nemox::linear {

namespace {

using Limbs = std::vector<std::uint64_t>;
using kernels::addmul_1;
using kernels::Kernel;
using kernels::Limb;
using kernels::mul_1;
using kernels::submul_1;
using kernels::with_kernels;

int compare_mag(const Limbs& a, const Limbs& b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    for (std::size_t i = a.size(); i-- > 0;) {
        if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
    }
    return 0;
}

// a + b + carry into `sum`, and the carry out. Both steps always run.
unsigned char add_carry(unsigned long long a, unsigned long long b, unsigned char carry,
                        unsigned long long& sum) {
    const bool first = __builtin_uaddll_overflow(a, b, &sum);
    const bool second = __builtin_uaddll_overflow(sum, carry, &sum);
    return static_cast<unsigned char>(first || second);
}

// a - b - borrow into `diff`, and the borrow out. Both steps always run.
unsigned char sub_borrow(unsigned long long a, unsigned long long b, unsigned char borrow,
                         unsigned long long& diff) {
    const bool first = __builtin_usubll_overflow(a, b, &diff);
    const bool second = __builtin_usubll_overflow(diff, borrow, &diff);
    return static_cast<unsigned char>(first || second);
}

// out = a + b on magnitudes; out may alias a or b.
void add_mag(Limbs& out, const Limbs& a, const Limbs& b) {
    const Limbs& lo = a.size() >= b.size() ? b : a;
    const Limbs& hi = a.size() >= b.size() ? a : b;
    const std::size_t nl = lo.size(), nh = hi.size();
    out.resize(nh + 1);
    unsigned char carry = 0;
    for (std::size_t i = 0; i < nl; ++i) {
        unsigned long long s;
        carry = add_carry(hi[i], lo[i], carry, s);
        out[i] = s;
    }
    for (std::size_t i = nl; i < nh; ++i) {
        unsigned long long s;
        carry = static_cast<unsigned char>(__builtin_uaddll_overflow(hi[i], carry, &s));
        out[i] = s;
    }
    out[nh] = carry;
    if (carry == 0) out.pop_back();
}

// out = a - b on magnitudes with a >= b; out may alias a or b.
void sub_mag(Limbs& out, const Limbs& a, const Limbs& b) {
    const std::size_t na = a.size(), nb = b.size();
    out.resize(na);
    unsigned char borrow = 0;
    for (std::size_t i = 0; i < nb; ++i) {
        unsigned long long d;
        borrow = sub_borrow(a[i], b[i], borrow, d);
        out[i] = d;
    }
    for (std::size_t i = nb; i < na; ++i) {
        unsigned long long d;
        borrow = static_cast<unsigned char>(__builtin_usubll_overflow(a[i], borrow, &d));
        out[i] = d;
    }
    while (!out.empty() && out.back() == 0) out.pop_back();
}

// r[0..na+nb) = a * b, na >= nb >= 1; r aliases neither.
void mul_mag(Limb* r, const Limb* a, std::size_t na, const Limb* b, std::size_t nb) {
    with_kernels([&]<Kernel X>() {
        r[na] = mul_1<X>(r, a, na, b[0]);
        for (std::size_t i = 1; i < nb; ++i) r[na + i] = addmul_1<X>(r + i, a, na, b[i]);
    });
}

// r[0..width) +/-= x * y row by row, carries kept within the width; whether
// a borrow left the top (the result went below zero, in two's complement).
bool mul_add_rows(Limb* r, std::size_t width, const Limb* x, std::size_t nx, const Limb* y,
                  std::size_t ny, bool add) {
    return with_kernels([&]<Kernel X>() {
        bool wrapped = false;
        for (std::size_t i = 0; i < ny; ++i) {
            Limb c = add ? addmul_1<X>(r + i, x, nx, y[i]) : submul_1<X>(r + i, x, nx, y[i]);
            for (std::size_t k = i + nx; c != 0 && k < width; ++k) {
                const Limb v = r[k];
                r[k] = add ? v + c : v - c;
                c = add ? r[k] < c : v < c;
            }
            wrapped = wrapped || c != 0;
        }
        return wrapped;
    });
}

// r[0..width) +/-= x * y modulo 2^(64 width): the limb products above the
// width are never formed.
void mul_add_low(Limb* r, std::size_t width, const Limb* x, std::size_t nx, const Limb* y,
                 std::size_t ny, bool add) {
    with_kernels([&]<Kernel X>() {
        for (std::size_t i = 0; i < ny && i < width; ++i) {
            const std::size_t len = std::min(nx, width - i);
            Limb c = add ? addmul_1<X>(r + i, x, len, y[i]) : submul_1<X>(r + i, x, len, y[i]);
            for (std::size_t k = i + len; c != 0 && k < width; ++k) {
                const Limb v = r[k];
                r[k] = add ? v + c : v - c;
                c = add ? r[k] < c : v < c;
            }
        }
    });
}

// Hensel division from the low end of r[0..nq) by the odd d[0..nd): the
// quotient is exact, so only its own limbs of the dividend are ever needed,
// and each quotient limb takes the place of the dividend limb it cancels.
void hensel_rows(Limb* r, std::size_t nq, const Limb* d, std::size_t nd, Limb inverse) {
    with_kernels([&]<Kernel X>() {
        for (std::size_t i = 0; i < nq; ++i) {
            const Limb qi = r[i] * inverse;
            if (qi == 0) continue;
            const std::size_t stop = std::min(nd, nq - i);
            Limb borrow = submul_1<X>(r + i, d, stop, qi);
            for (std::size_t k = i + stop; k < nq && borrow != 0; ++k) {
                const Limb v = r[k];
                r[k] = v - borrow;
                borrow = v < borrow;
            }
            r[i] = qi;
        }
    });
}

// out = a >> bits on magnitudes, trimmed, in one pass; out does not alias a.
void shifted_copy(Limbs& out, const Limbs& a, std::size_t bits) {
    const std::size_t limbs = bits / 64, rem = bits % 64;
    if (limbs >= a.size()) {
        out.clear();
        return;
    }
    const std::size_t n = a.size() - limbs;
    out.resize(n);
    const Limb* src = a.data() + limbs;
    if (rem == 0) {
        std::copy(src, src + n, out.data());
    } else {
        for (std::size_t i = 0; i + 1 < n; ++i)
            out[i] = (src[i] >> rem) | (src[i + 1] << (64 - rem));
        out[n - 1] = src[n - 1] >> rem;
    }
    while (!out.empty() && out.back() == 0) out.pop_back();
}

// out = a * m on magnitudes.
void mul_small(Limbs& out, const Limbs& a, std::uint64_t m) {
    out.resize(a.size() + 1);
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const UWide t = static_cast<UWide>(a[i]) * m + carry;
        out[i] = static_cast<std::uint64_t>(t);
        carry = static_cast<std::uint64_t>(t >> 64);
    }
    out[a.size()] = carry;
    while (!out.empty() && out.back() == 0) out.pop_back();
}

// The 64 bits of x from bit s upwards.
std::uint64_t bits_from(const Limbs& x, std::size_t s) {
    const std::size_t limb = s / 64, r = s % 64;
    if (limb >= x.size()) return 0;
    std::uint64_t v = x[limb] >> r;
    if (r != 0 && limb + 1 < x.size()) v |= x[limb + 1] << (64 - r);
    return v;
}

// out = |a x + b y| where a and b have opposite signs (or one is zero).
void combine(Limbs& out, Limbs& scratch, const Limbs& x, const Limbs& y, Wide a, Wide b) {
    const auto mag = [](Wide v) { return static_cast<std::uint64_t>(v < 0 ? -v : v); };
    mul_small(out, x, mag(a));
    mul_small(scratch, y, mag(b));
    if (compare_mag(out, scratch) >= 0) {
        sub_mag(out, out, scratch);
    } else {
        sub_mag(out, scratch, out);
    }
}

std::uint64_t inverse_mod_2_64(std::uint64_t d) {
    std::uint64_t x = d;  // correct to 3 bits for odd d
    for (int i = 0; i < 5; ++i) x *= 2 - d * x;
    return x;
}

}  // namespace

void BigInt::assign(std::int64_t v) {
    mag_.clear();
    neg_ = v < 0;
    const std::uint64_t m =
        v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    if (m != 0) mag_.push_back(m);
}

BigInt BigInt::from_u128(UWide v) {
    BigInt r;
    if (v != 0) r.mag_.push_back(static_cast<std::uint64_t>(v));
    if ((v >> 64) != 0) r.mag_.push_back(static_cast<std::uint64_t>(v >> 64));
    return r;
}

// |x| m + d keeps the sign of x when x is not zero: |d| < m <= |x| m.
void BigInt::mul_small_add(std::uint64_t m, std::int64_t d) {
    std::uint64_t carry = 0;
    for (std::uint64_t& limb : mag_) {
        const UWide t = static_cast<UWide>(limb) * m + carry;
        limb = static_cast<std::uint64_t>(t);
        carry = static_cast<std::uint64_t>(t >> 64);
    }
    if (carry != 0) mag_.push_back(carry);
    if (d == 0) return;
    if (mag_.empty()) {
        assign(d);
        return;
    }
    const std::uint64_t ad =
        d < 0 ? 0 - static_cast<std::uint64_t>(d) : static_cast<std::uint64_t>(d);
    if ((d < 0) == neg_) {
        for (std::size_t i = 0; i < mag_.size(); ++i) {
            const std::uint64_t add = i == 0 ? ad : 1;
            mag_[i] += add;
            if (mag_[i] >= add) return;
        }
        mag_.push_back(1);
        return;
    }
    if (mag_.size() == 1 && mag_[0] < ad) {
        mag_[0] = ad - mag_[0];
        neg_ = !neg_;
        return;
    }
    for (std::size_t i = 0; i < mag_.size(); ++i) {
        const std::uint64_t sub = i == 0 ? ad : 1;
        const bool borrow = mag_[i] < sub;
        mag_[i] -= sub;
        if (!borrow) break;
    }
    trim();
    if (mag_.empty()) neg_ = false;
}

std::size_t BigInt::bit_length() const {
    if (mag_.empty()) return 0;
    return 64 * mag_.size() - static_cast<std::size_t>(__builtin_clzll(mag_.back()));
}

bool BigInt::fits_i64() const {
    if (mag_.size() > 1) return false;
    if (mag_.empty()) return true;
    return neg_ ? mag_[0] <= (std::uint64_t{1} << 63) : mag_[0] < (std::uint64_t{1} << 63);
}

std::int64_t BigInt::to_i64() const {
    if (mag_.empty()) return 0;
    return neg_ ? static_cast<std::int64_t>(0 - mag_[0]) : static_cast<std::int64_t>(mag_[0]);
}

int compare(const BigInt& a, const BigInt& b) {
    if (a.neg_ != b.neg_) return a.neg_ ? -1 : 1;
    const int c = compare_mag(a.mag_, b.mag_);
    return a.neg_ ? -c : c;
}

void BigInt::add_signed(BigInt& out, const BigInt& a, const BigInt& b, bool b_neg) {
    if (b.mag_.empty()) {
        if (&out != &a) out = a;
        return;
    }
    if (a.neg_ == b_neg) {
        const bool neg = b_neg;
        add_mag(out.mag_, a.mag_, b.mag_);
        out.neg_ = neg;
        out.trim();
        return;
    }
    const int c = compare_mag(a.mag_, b.mag_);
    if (c == 0) {
        out.set_zero();
    } else if (c > 0) {
        const bool neg = a.neg_;
        sub_mag(out.mag_, a.mag_, b.mag_);
        out.neg_ = neg;
    } else {
        sub_mag(out.mag_, b.mag_, a.mag_);
        out.neg_ = b_neg;
    }
    out.trim();
}

void BigInt::add_into(BigInt& out, const BigInt& a, const BigInt& b) {
    add_signed(out, a, b, b.neg_);
}

void BigInt::sub_into(BigInt& out, const BigInt& a, const BigInt& b) {
    add_signed(out, a, b, !b.neg_);
}

void BigInt::mul_into(BigInt& out, const BigInt& a, const BigInt& b) {
    if (a.mag_.empty() || b.mag_.empty()) {
        out.set_zero();
        return;
    }
    const bool neg = a.neg_ != b.neg_;
    const std::size_t na = a.mag_.size(), nb = b.mag_.size();
    if (na == 1 && nb == 1) {
        const UWide p = static_cast<UWide>(a.mag_[0]) * b.mag_[0];
        out.mag_.resize(2);
        out.mag_[0] = static_cast<std::uint64_t>(p);
        out.mag_[1] = static_cast<std::uint64_t>(p >> 64);
        out.neg_ = neg;
        out.trim();
        return;
    }
    if (&out == &a || &out == &b) {
        BigInt tmp;
        mul_into(tmp, a, b);
        out = std::move(tmp);
        return;
    }
    out.mag_.resize(na + nb);
    // The longer operand runs in the inner loop: fewer, longer rows.
    if (na >= nb) {
        mul_mag(out.mag_.data(), a.mag_.data(), na, b.mag_.data(), nb);
    } else {
        mul_mag(out.mag_.data(), b.mag_.data(), nb, a.mag_.data(), na);
    }
    out.neg_ = neg;
    out.trim();
}

void BigInt::mul_add_signed(BigInt& out, const BigInt& a, const BigInt& b, bool subtract) {
    if (a.mag_.empty() || b.mag_.empty()) return;
    if (&out == &a || &out == &b) {
        BigInt p;
        mul_into(p, a, b);
        add_signed(out, out, p, p.neg_ != subtract);
        return;
    }
    if (out.mag_.empty()) {
        // Into out's own storage: a zero keeps the capacity it had.
        mul_into(out, a, b);
        if (subtract) out.negate();
        return;
    }
    const bool product_neg = (a.neg_ != b.neg_) != subtract;
    const Limbs& x = a.mag_.size() >= b.mag_.size() ? a.mag_ : b.mag_;
    const Limbs& y = a.mag_.size() >= b.mag_.size() ? b.mag_ : a.mag_;
    const std::size_t nx = x.size(), ny = y.size();
    // Row i of the product lands on limbs i .. i + nx and carries above;
    // the width bounds the result, so a carry never leaves it.
    const bool same = out.neg_ == product_neg;
    const std::size_t width = std::max(out.mag_.size(), nx + ny) + (same ? 1 : 0);
    out.mag_.resize(width, 0);
    Limb* r = out.mag_.data();
    if (mul_add_rows(r, width, x.data(), nx, y.data(), ny, same)) {
        // The product was the larger: the limbs hold its excess in two's
        // complement (the value only falls, so it crossed zero once).
        Limb carry = 1;
        for (std::size_t k = 0; k < width; ++k) {
            const Limb v = ~r[k] + carry;
            carry = v < carry;
            r[k] = v;
        }
        out.neg_ = !out.neg_;
    }
    out.trim();
}

std::size_t BigInt::trailing_zero_bits() const {
    for (std::size_t i = 0; i < mag_.size(); ++i) {
        if (mag_[i] != 0) return 64 * i + static_cast<std::size_t>(__builtin_ctzll(mag_[i]));
    }
    return 0;
}

void BigInt::shift_right(std::size_t bits) {
    if (bits == 0) return;
    const std::size_t limbs = bits / 64, rem = bits % 64;
    if (limbs >= mag_.size()) {
        set_zero();
        return;
    }
    const std::size_t n = mag_.size() - limbs;
    for (std::size_t i = 0; i < n; ++i) {
        std::uint64_t v = mag_[i + limbs] >> rem;
        if (rem != 0 && i + limbs + 1 < mag_.size()) v |= mag_[i + limbs + 1] << (64 - rem);
        mag_[i] = v;
    }
    mag_.resize(n);
    trim();
}

void BigInt::shift_left(std::size_t bits) {
    if (mag_.empty()) return;
    const std::size_t limbs = bits / 64, rem = bits % 64;
    const std::size_t n = mag_.size();
    mag_.resize(n + limbs + 1, 0);
    for (std::size_t i = n + limbs + 1; i-- > limbs;) {
        const std::size_t src = i - limbs;
        std::uint64_t v = src < n ? mag_[src] << rem : 0;
        if (rem != 0 && src >= 1 && src - 1 < n) v |= mag_[src - 1] >> (64 - rem);
        mag_[i] = v;
    }
    for (std::size_t i = 0; i < limbs; ++i) mag_[i] = 0;
    trim();
}

ExactDivisor::ExactDivisor(const BigInt& d) : odd(d) {
    if (d.is_zero()) throw InternalFailure("Rational denominator cannot be zero");
    negative = d.is_negative();
    odd.neg_ = false;
    shift = odd.trailing_zero_bits();
    odd.shift_right(shift);
    inverse = inverse_mod_2_64(odd.mag_[0]);
}

void BigInt::divexact_into(BigInt& out, const BigInt& a, const BigInt& d) {
    divexact_into(out, a, ExactDivisor(d));
}

void BigInt::divexact_into(BigInt& out, const BigInt& a, const ExactDivisor& d) {
    const bool neg = a.neg_ != d.negative;
    if (&out != &a) {
        shifted_copy(out.mag_, a.mag_, d.shift);
    } else {
        out.shift_right(d.shift);
    }
    const std::size_t nd = d.odd.mag_.size();
    if (out.mag_.size() < nd) {
        out.set_zero();
        return;
    }
    if (nd == 1 && d.odd.mag_[0] == 1) {
        out.neg_ = neg;
        out.trim();
        return;
    }
    const std::size_t nq = out.mag_.size() - nd + 1;
    hensel_rows(out.mag_.data(), nq, d.odd.mag_.data(), nd, d.inverse);
    out.mag_.resize(nq);
    out.neg_ = neg;
    out.trim();
}

void BigInt::divexact_sum_into(BigInt& out, std::span<const Product> terms, const ExactDivisor& d) {
    std::size_t top = 0, count = 0;
    for (const Product& t : terms) {
        if (t.a->is_zero() || t.b->is_zero()) continue;
        ++count;
        top = std::max(top, t.a->bit_length() + t.b->bit_length());
    }
    // |sum| < count 2^top <= 2^(top + log) and |d| >= 2^(dbits - 1), so the
    // quotient and its sign fit in 64 L bits.
    const std::size_t log = static_cast<std::size_t>(std::bit_width(count > 0 ? count - 1 : 0));
    const std::size_t dbits = d.odd.bit_length() + d.shift;
    if (count == 0 || top + log + 2 <= dbits) {
        out.set_zero();  // |sum| < |d|, and d divides it
        return;
    }
    const std::size_t limbs = (top + log + 2 - dbits + 63) / 64;
    const std::size_t width = limbs + (d.shift + 63) / 64;
    // The sum modulo 2^(64 width) in two's complement.
    thread_local Limbs acc;
    acc.assign(width, 0);
    Limb* r = acc.data();
    for (const Product& t : terms) {
        if (t.a->is_zero() || t.b->is_zero()) continue;
        const Limbs& x = t.a->mag_.size() >= t.b->mag_.size() ? t.a->mag_ : t.b->mag_;
        const Limbs& y = t.a->mag_.size() >= t.b->mag_.size() ? t.b->mag_ : t.a->mag_;
        const bool add = (t.a->neg_ != t.b->neg_) == t.subtract;
        mul_add_low(r, width, x.data(), x.size(), y.data(), y.size(), add);
    }
    // Bits from d.shift up: the sum over the power of two, modulo 2^(64 L).
    const std::size_t skip = d.shift / 64, rem = d.shift % 64;
    for (std::size_t i = 0; i < limbs; ++i) {
        Limb v = r[i + skip] >> rem;
        if (rem != 0 && i + skip + 1 < width) v |= r[i + skip + 1] << (64 - rem);
        r[i] = v;
    }
    if (d.odd.mag_.size() != 1 || d.odd.mag_[0] != 1)
        hensel_rows(r, limbs, d.odd.mag_.data(), d.odd.mag_.size(), d.inverse);
    bool neg = (r[limbs - 1] >> 63) != 0;
    if (neg) {
        Limb carry = 1;
        for (std::size_t k = 0; k < limbs; ++k) {
            const Limb v = ~r[k] + carry;
            carry = v < carry;
            r[k] = v;
        }
    }
    out.mag_.assign(r, r + limbs);
    out.neg_ = neg != d.negative;
    out.trim();
}

BigInt BigInt::gcd(const BigInt& a, const BigInt& b) {
    if (a.mag_.empty()) {
        BigInt r = b;
        r.neg_ = false;
        return r;
    }
    if (b.mag_.empty()) {
        BigInt r = a;
        r.neg_ = false;
        return r;
    }
    if (a.mag_.size() == 1 && a.mag_[0] == 1) return BigInt(1);
    if (b.mag_.size() == 1 && b.mag_[0] == 1) return BigInt(1);
    BigInt x = a, y = b;
    x.neg_ = y.neg_ = false;
    const std::size_t tx = x.trailing_zero_bits(), ty = y.trailing_zero_bits();
    const std::size_t shift = std::min(tx, ty);
    x.shift_right(tx);
    y.shift_right(ty);
    // Lehmer's method: the quotients that the leading 62 bits decide are
    // applied to the whole numbers at once. Factors of two are dropped as
    // they appear: the gcd left is odd.
    Limbs t1, t2, scratch;
    for (;;) {
        if (x.mag_.size() <= 2 && y.mag_.size() <= 2) {
            UWide ux = x.mag_.empty() ? 0 : x.mag_[0], uy = y.mag_.empty() ? 0 : y.mag_[0];
            if (x.mag_.size() == 2) ux |= static_cast<UWide>(x.mag_[1]) << 64;
            if (y.mag_.size() == 2) uy |= static_cast<UWide>(y.mag_[1]) << 64;
            BigInt g = from_u128(gcd_u128(ux, uy));
            g.shift_left(shift);
            return g;
        }
        if (compare_mag(x.mag_, y.mag_) < 0) std::swap(x, y);
        const std::size_t n = x.bit_length();
        const std::size_t s = n > 62 ? n - 62 : 0;
        Wide a = bits_from(x.mag_, s), b = bits_from(y.mag_, s);
        Wide ca = 1, cb = 0, cc = 0, cd = 1;
        while (b + cc > 0 && b + cd > 0) {
            const Wide q = (a + ca) / (b + cc);
            if (q != (a + cb) / (b + cd)) break;
            Wide t = ca - q * cc;
            ca = cc;
            cc = t;
            t = cb - q * cd;
            cb = cd;
            cd = t;
            t = a - q * b;
            a = b;
            b = t;
        }
        const std::size_t m = y.bit_length();
        if (cb == 0 && n >= m + 40) {
            // y is much shorter: subtract a multiple of it that the leading
            // bits bound from below, some 30 bits at a time.
            const std::size_t ys = m > 32 ? m - 32 : 0;
            const std::uint64_t q = bits_from(x.mag_, n - 64) / (bits_from(y.mag_, ys) + 1);
            BigInt t;
            mul_small(t.mag_, y.mag_, q);
            t.shift_left(n - 64 - ys);
            sub_mag(x.mag_, x.mag_, t.mag_);
        } else if (cb == 0) {
            // The leading bits decide nothing: one subtraction.
            sub_mag(x.mag_, x.mag_, y.mag_);
        } else {
            combine(t1, scratch, x.mag_, y.mag_, ca, cb);
            combine(t2, scratch, x.mag_, y.mag_, cc, cd);
            x.mag_.swap(t1);
            y.mag_.swap(t2);
        }
        if (x.mag_.empty() || y.mag_.empty()) break;
        x.shift_right(x.trailing_zero_bits());
        y.shift_right(y.trailing_zero_bits());
    }
    BigInt g = x.mag_.empty() ? y : x;
    g.shift_left(shift);
    return g;
}

double BigInt::to_double() const {
    return nearest_double(neg_, mag_);
}

double BigInt::ratio_to_double(const BigInt& num, const BigInt& den) {
    if (den.is_zero()) throw InternalFailure("Rational denominator cannot be zero");
    if (num.is_zero()) return 0.0;
    // Scale so that the integer quotient q has 64 or 65 bits, then divide
    // bit by bit: q and a sticky bit for the remainder round like the
    // exact fraction.
    BigInt a = num, b = den;
    a.neg_ = b.neg_ = false;
    const auto shift =
        static_cast<std::int64_t>(b.bit_length()) - static_cast<std::int64_t>(a.bit_length()) + 64;
    if (shift >= 0) {
        a.shift_left(static_cast<std::size_t>(shift));
    } else {
        b.shift_left(static_cast<std::size_t>(-shift));
    }
    b.shift_left(64);
    UWide q = 0;
    for (int bit = 64; bit >= 0; --bit) {
        q <<= 1;
        if (compare_mag(a.mag_, b.mag_) >= 0) {
            sub_mag(a.mag_, a.mag_, b.mag_);
            q |= 1;
        }
        b.shift_right(1);
    }
    bool sticky = !a.mag_.empty();
    std::int64_t exponent = -shift;
    if ((q >> 64) != 0) {
        sticky = sticky || (q & 1) != 0;
        q >>= 1;
        ++exponent;
    }
    return scaled_to_double(static_cast<std::uint64_t>(q) | (sticky ? 1 : 0), exponent,
                            num.neg_ != den.neg_);
}

double BigInt::approx_ratio(const BigInt& num, const BigInt& den) {
    if (den.is_zero()) throw InternalFailure("Rational denominator cannot be zero");
    if (num.is_zero()) return 0.0;
    // Each operand truncated to 64 bits (relative error below 2^-63) and
    // rounded to a double; the quotient rounds once more, ldexp is exact
    // but below the normal range.
    const auto leading = [](const Limbs& x, int& exponent) {
        const std::size_t bits =
            64 * x.size() - static_cast<std::size_t>(__builtin_clzll(x.back()));
        const std::size_t s = bits > 64 ? bits - 64 : 0;
        exponent = static_cast<int>(s);
        return static_cast<double>(bits_from(x, s));
    };
    int en = 0, ed = 0;
    const double q = leading(num.mag_, en) / leading(den.mag_, ed);
    const double v = std::ldexp(q, en - ed);
    return num.neg_ != den.neg_ ? -v : v;
}

BigInt BigInt::from_double(double v) {
    return round_scaled(v, 1);
}

BigInt BigInt::round_scaled(double v, std::uint64_t scale) {
    BigInt r;
    if (v == 0.0 || scale == 0) return r;
    // |v| = m * 2^e with an integral 53-bit m: the product is m * scale * 2^e,
    // rounded by adding half of 2^-e before the shift.
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(v), &exponent);
    const auto m = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    r = from_u128(static_cast<UWide>(m) * scale);
    exponent -= 53;
    if (exponent >= 0) {
        r.shift_left(static_cast<std::size_t>(exponent));
    } else {
        const auto drop = static_cast<std::size_t>(-exponent);
        BigInt half(1);
        half.shift_left(drop - 1);
        add_mag(r.mag_, r.mag_, half.mag_);
        r.shift_right(drop);
    }
    r.neg_ = v < 0 && !r.mag_.empty();
    return r;
}

std::string BigInt::to_string() const {
    return decimal_text(neg_, mag_);
}

}  // namespace nemox::linear
