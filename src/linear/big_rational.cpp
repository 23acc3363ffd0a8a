#include "linear/big_rational.hpp"

#include <cmath>
#include <utility>

#include "core/failure.hpp"

namespace nemox::linear {

BigRational::BigRational(BigInt n, BigInt d) : num_(std::move(n)), den_(std::move(d)) {
    if (den_.is_zero()) throw InternalFailure("Rational denominator cannot be zero");
    if (den_.is_negative()) {
        num_.negate();
        den_.negate();
    }
    if (num_.is_zero()) {
        den_ = BigInt(1);
        return;
    }
    const BigInt g = BigInt::gcd(num_, den_);
    if (!(g == BigInt(1))) {
        const ExactDivisor div(g);
        BigInt::divexact_into(num_, num_, div);
        BigInt::divexact_into(den_, den_, div);
    }
}

BigRational BigRational::from_f64(double v) {
    if (!std::isfinite(v)) return BigRational(Rational::from_f64(v));
    try {
        return BigRational(Rational::from_f64(v));
    } catch (const Overflow&) {
    }
    return BigRational(BigInt::round_scaled(v, 1000000000), BigInt(1000000000));
}

double BigRational::to_f64() const {
    if (num_.fits_i64() && den_.fits_i64())
        return static_cast<double>(num_.to_i64()) / static_cast<double>(den_.to_i64());
    if (den_ == BigInt(1)) return num_.to_double();
    return BigInt::ratio_to_double(num_, den_);
}

BigRational operator+(const BigRational& a, const BigRational& b) {
    if (a.den_ == b.den_) return BigRational(a.num_ + b.num_, a.den_);
    return BigRational(a.num_ * b.den_ + b.num_ * a.den_, a.den_ * b.den_);
}

BigRational operator-(const BigRational& a, const BigRational& b) {
    if (a.den_ == b.den_) return BigRational(a.num_ - b.num_, a.den_);
    return BigRational(a.num_ * b.den_ - b.num_ * a.den_, a.den_ * b.den_);
}

BigRational operator*(const BigRational& a, const BigRational& b) {
    return BigRational(a.num_ * b.num_, a.den_ * b.den_);
}

BigRational operator/(const BigRational& a, const BigRational& b) {
    if (b.is_zero()) throw InternalFailure("Rational denominator cannot be zero");
    return BigRational(a.num_ * b.den_, a.den_ * b.num_);
}

BigRational BigRational::operator-() const {
    BigRational r = *this;
    r.num_.negate();
    return r;
}

}  // namespace nemox::linear
