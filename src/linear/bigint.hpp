#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "linear/rational.hpp"

namespace nemox::linear {

class BigInt;
struct ExactDivisor;

// A term a * b of a sum, subtracted when `subtract` is set.
struct Product {
    const BigInt* a;
    const BigInt* b;
    bool subtract;
};

// Arbitrary-precision signed integer: sign and magnitude, 64-bit limbs,
// least significant first, no leading zero limbs (zero has no limbs).
// The *_into forms write into an existing value and reuse its storage, so
// that hot loops allocate only while numbers grow.
class BigInt {
  public:
    BigInt() = default;
    BigInt(std::int64_t v) { assign(v); }  // NOLINT: implicit like the built-in integers

    void assign(std::int64_t v);
    static BigInt from_u128(UWide v);

    bool is_zero() const { return mag_.empty(); }
    bool is_negative() const { return neg_; }
    bool is_positive() const { return !neg_ && !mag_.empty(); }
    bool is_one() const { return !neg_ && mag_.size() == 1 && mag_[0] == 1; }
    int sign() const { return neg_ ? -1 : (mag_.empty() ? 0 : 1); }
    std::size_t limbs() const { return mag_.size(); }
    std::size_t bit_length() const;
    bool fits_i64() const;
    std::int64_t to_i64() const;  // only when fits_i64()

    void negate() {
        if (!mag_.empty()) neg_ = !neg_;
    }
    void set_zero() {
        mag_.clear();
        neg_ = false;
    }

    friend int compare(const BigInt& a, const BigInt& b);
    friend bool operator==(const BigInt& a, const BigInt& b) {
        return a.neg_ == b.neg_ && a.mag_ == b.mag_;
    }
    friend bool operator<(const BigInt& a, const BigInt& b) { return compare(a, b) < 0; }

    static void add_into(BigInt& out, const BigInt& a, const BigInt& b);
    static void sub_into(BigInt& out, const BigInt& a, const BigInt& b);
    static void mul_into(BigInt& out, const BigInt& a, const BigInt& b);
    // out += a * b and out -= a * b, the product added row by row into out's
    // limbs instead of being formed apart.
    static void addmul_into(BigInt& out, const BigInt& a, const BigInt& b) {
        mul_add_signed(out, a, b, false);
    }
    static void submul_into(BigInt& out, const BigInt& a, const BigInt& b) {
        mul_add_signed(out, a, b, true);
    }
    // out = a / d where d divides a exactly and d is not zero.
    // *this <- *this * m + d: Horner's step of a number given by digits.
    void mul_small_add(std::uint64_t m, std::int64_t d);
    static void divexact_into(BigInt& out, const BigInt& a, const BigInt& d);
    static void divexact_into(BigInt& out, const BigInt& a, const ExactDivisor& d);
    // out = (sum of the terms) / d, where d divides the sum exactly. The
    // quotient's length is bounded from the operands' lengths, and only
    // that many low limbs of the sum are formed: about half the limb
    // products of forming the sum and dividing it. out may be an operand.
    static void divexact_sum_into(BigInt& out, std::span<const Product> terms,
                                  const ExactDivisor& d);

    friend BigInt operator+(const BigInt& a, const BigInt& b) {
        BigInt r;
        add_into(r, a, b);
        return r;
    }
    friend BigInt operator-(const BigInt& a, const BigInt& b) {
        BigInt r;
        sub_into(r, a, b);
        return r;
    }
    friend BigInt operator*(const BigInt& a, const BigInt& b) {
        BigInt r;
        mul_into(r, a, b);
        return r;
    }
    BigInt operator-() const {
        BigInt r = *this;
        r.negate();
        return r;
    }
    static BigInt divexact(const BigInt& a, const BigInt& d) {
        BigInt r;
        divexact_into(r, a, d);
        return r;
    }
    // Greatest common divisor of the magnitudes (non-negative).
    static BigInt gcd(const BigInt& a, const BigInt& b);
    // Least common multiple of two positive values.
    static BigInt lcm(const BigInt& a, const BigInt& b) {
        if (a.is_one()) return b;
        if (b.is_one()) return a;
        return divexact(a, gcd(a, b)) * b;
    }

    // Nearest double, ties to even; infinite beyond the double range.
    double to_double() const;
    // The double nearest to num / den (ties to even; 0 below the double
    // range, infinite beyond it).
    static double ratio_to_double(const BigInt& num, const BigInt& den);
    // num / den from their leading 64 bits, in constant time: in the normal
    // range within 3u + 2^-62 of the exact fraction relative to it
    // (u = 2^-53), for screens that carry an error bound.
    static double approx_ratio(const BigInt& num, const BigInt& den);
    // The integer value of a finite integral double, exactly.
    static BigInt from_double(double v);
    // The integer nearest to v * scale for a finite v, halves away from
    // zero, computed exactly.
    static BigInt round_scaled(double v, std::uint64_t scale);
    std::span<const std::uint64_t> magnitude() const { return mag_; }
    std::string to_string() const;

  private:
    friend struct ExactDivisor;
    static void add_signed(BigInt& out, const BigInt& a, const BigInt& b, bool b_neg);
    static void mul_add_signed(BigInt& out, const BigInt& a, const BigInt& b, bool subtract);
    void trim() {
        while (!mag_.empty() && mag_.back() == 0) mag_.pop_back();
        if (mag_.empty()) neg_ = false;
    }
    void shift_right(std::size_t bits);
    void shift_left(std::size_t bits);
    std::size_t trailing_zero_bits() const;

    std::vector<std::uint64_t> mag_;
    bool neg_ = false;
};

// A divisor prepared once for many exact divisions: odd part, power of two
// and the inverse of the lowest limb modulo 2^64.
struct ExactDivisor {
    explicit ExactDivisor(const BigInt& d);
    BigInt odd;
    std::size_t shift = 0;
    std::uint64_t inverse = 0;
    bool negative = false;
};

}  // namespace nemox::linear
