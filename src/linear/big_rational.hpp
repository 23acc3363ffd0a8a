#pragma once

#include <compare>
#include <string>

#include "linear/bigint.hpp"
#include "linear/rational.hpp"

namespace nemox::linear {

// Exact fraction of arbitrary-precision integers in lowest terms with a
// positive denominator: the fallback of Rational once a value leaves the
// 64-bit range. Same operations, same results, no overflow.
class BigRational {
  public:
    BigRational() : den_(1) {}
    BigRational(const Rational& r) : num_(r.numerator), den_(r.denominator) {}  // NOLINT: widening
    // Normalising constructor; a zero denominator is an internal failure.
    BigRational(BigInt n, BigInt d);

    static BigRational zero() { return {}; }
    // Rational::from_f64, with values beyond the 64-bit range kept exactly
    // instead of saturated (infinities and NaN saturate as there).
    static BigRational from_f64(double v);
    // As Rational::to_f64 while both parts fit in 64 bits; beyond, the
    // double nearest to the exact fraction (never inf / inf).
    double to_f64() const;

    const BigInt& numerator() const { return num_; }
    const BigInt& denominator() const { return den_; }

    bool is_zero() const { return num_.is_zero(); }
    bool is_positive() const { return num_.is_positive(); }
    bool is_negative() const { return num_.is_negative(); }
    bool is_integer() const { return den_.is_one(); }

    friend BigRational operator+(const BigRational& a, const BigRational& b);
    friend BigRational operator-(const BigRational& a, const BigRational& b);
    friend BigRational operator*(const BigRational& a, const BigRational& b);
    friend BigRational operator/(const BigRational& a, const BigRational& b);
    BigRational operator-() const;

    friend bool operator==(const BigRational& a, const BigRational& b) {
        return a.num_ == b.num_ && a.den_ == b.den_;
    }
    friend std::strong_ordering operator<=>(const BigRational& a, const BigRational& b) {
        BigInt diff = a.num_ * b.den_;
        BigInt::submul_into(diff, b.num_, a.den_);
        const int c = diff.sign();
        return c < 0 ? std::strong_ordering::less
                     : (c > 0 ? std::strong_ordering::greater : std::strong_ordering::equal);
    }

    std::string text() const { return num_.to_string() + "/" + den_.to_string(); }

  private:
    struct Raw {};
    // Already in lowest terms with a positive denominator.
    BigRational(BigInt n, BigInt d, Raw) : num_(std::move(n)), den_(std::move(d)) {}

    BigInt num_;
    BigInt den_;
};

}  // namespace nemox::linear
