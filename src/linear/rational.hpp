#pragma once

#include <compare>
#include <cstdint>
#include <string>

#include "core/wide_integer.hpp"

namespace nemox::linear {

// A value left the 64-bit range; the caller redoes the work in big arithmetic.
struct Overflow {};

// Exact fraction of two 64-bit integers in lowest terms, denominator > 0.
// Intermediates are computed in 128 bits; a normalised result that does not
// fit throws Overflow instead of wrapping.
struct Rational {
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;

    constexpr Rational() = default;
    // Normalising constructor; a zero denominator is an internal failure.
    Rational(std::int64_t n, std::int64_t d);

    static Rational zero() { return {}; }
    static Rational one() { return Rational(1, 1, Raw{}); }
    static Rational integer(std::int64_t n) { return Rational(n, 1, Raw{}); }
    // Rounds to the nearest multiple of 1e-9. Infinities and NaN saturate;
    // a finite value beyond the 64-bit range throws Overflow.
    static Rational from_f64(double v);
    double to_f64() const;

    bool is_zero() const { return numerator == 0; }
    bool is_positive() const { return numerator > 0; }
    bool is_negative() const { return numerator < 0; }
    bool is_integer() const { return denominator == 1; }

    // Integers that stay in range take the inline path; everything else,
    // overflow included, the general one.
    friend Rational operator+(const Rational& a, const Rational& b) {
        std::int64_t r;
        if (a.denominator == 1 && b.denominator == 1 &&
            !__builtin_add_overflow(a.numerator, b.numerator, &r)) {
            return Rational(r, 1, Raw{});
        }
        return add(a, b);
    }
    friend Rational operator-(const Rational& a, const Rational& b) {
        std::int64_t r;
        if (a.denominator == 1 && b.denominator == 1 &&
            !__builtin_sub_overflow(a.numerator, b.numerator, &r)) {
            return Rational(r, 1, Raw{});
        }
        return sub(a, b);
    }
    friend Rational operator*(const Rational& a, const Rational& b) {
        std::int64_t r;
        if (a.denominator == 1 && b.denominator == 1 &&
            !__builtin_mul_overflow(a.numerator, b.numerator, &r)) {
            return Rational(r, 1, Raw{});
        }
        return mul(a, b);
    }
    friend Rational operator/(const Rational& a, const Rational& b);
    Rational operator-() const;

    friend bool operator==(const Rational&, const Rational&) = default;
    friend std::strong_ordering operator<=>(const Rational& a, const Rational& b) {
        const Wide l = static_cast<Wide>(a.numerator) * b.denominator;
        const Wide r = static_cast<Wide>(b.numerator) * a.denominator;
        return l < r ? std::strong_ordering::less
                     : (l > r ? std::strong_ordering::greater : std::strong_ordering::equal);
    }

    std::string text() const;

    // Normalises a 128-bit fraction; throws Overflow when it does not fit.
    static Rational normalise(Wide n, Wide d);

  private:
    static Rational add(const Rational& a, const Rational& b);
    static Rational sub(const Rational& a, const Rational& b);
    static Rational mul(const Rational& a, const Rational& b);

    struct Raw {};
    constexpr Rational(std::int64_t n, std::int64_t d, Raw) : numerator(n), denominator(d) {}
};

std::uint64_t gcd_u64(std::uint64_t a, std::uint64_t b);
UWide gcd_u128(UWide a, UWide b);
// Saturating double to int64: NaN gives 0.
std::int64_t saturate_i64(double v);
// Integral double to int64; throws Overflow outside the range.
std::int64_t in_range_i64(double v);

}  // namespace nemox::linear
