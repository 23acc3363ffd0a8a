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

// The operations keep the terms small with the usual gcd shortcuts: a
// product cancels across (numerator, other denominator) pairs, and a sum
// only needs the gcd of the denominators, and of that with the new numerator.
BigRational operator+(const BigRational& a, const BigRational& b) {
    if (a.is_zero()) return b;
    if (b.is_zero()) return a;
    if (a.den_.is_one() && b.den_.is_one())
        return BigRational(a.num_ + b.num_, a.den_, BigRational::Raw{});
    const BigInt g = BigInt::gcd(a.den_, b.den_);
    if (g.is_one()) {
        BigInt n = a.num_ * b.den_;
        BigInt::addmul_into(n, b.num_, a.den_);
        return BigRational(std::move(n), a.den_ * b.den_, BigRational::Raw{});
    }
    const ExactDivisor gd(g);
    BigInt a_rest, b_rest;  // a.den / g, b.den / g
    BigInt::divexact_into(a_rest, a.den_, gd);
    BigInt::divexact_into(b_rest, b.den_, gd);
    BigInt t = a.num_ * b_rest;
    BigInt::addmul_into(t, b.num_, a_rest);
    if (t.is_zero()) return BigRational();
    const BigInt g2 = BigInt::gcd(t, g);
    if (g2.is_one()) return BigRational(std::move(t), a_rest * b.den_, BigRational::Raw{});
    const ExactDivisor g2d(g2);
    BigInt::divexact_into(t, t, g2d);
    BigInt b_den;
    BigInt::divexact_into(b_den, b.den_, g2d);
    return BigRational(std::move(t), a_rest * b_den, BigRational::Raw{});
}

BigRational operator-(const BigRational& a, const BigRational& b) {
    return a + (-b);
}

namespace {

// n / d with the common factor g of both removed (g may be 1).
void cancel(BigInt& out, const BigInt& v, const BigInt& g) {
    if (g.is_one()) {
        out = v;
    } else {
        BigInt::divexact_into(out, v, g);
    }
}

}  // namespace

BigRational operator*(const BigRational& a, const BigRational& b) {
    if (a.is_zero() || b.is_zero()) return BigRational();
    if (a.den_.is_one() && b.den_.is_one())
        return BigRational(a.num_ * b.num_, a.den_, BigRational::Raw{});
    const BigInt g1 = BigInt::gcd(a.num_, b.den_);
    const BigInt g2 = BigInt::gcd(b.num_, a.den_);
    BigInt an, ad, bn, bd;
    cancel(an, a.num_, g1);
    cancel(bd, b.den_, g1);
    cancel(bn, b.num_, g2);
    cancel(ad, a.den_, g2);
    return BigRational(an * bn, ad * bd, BigRational::Raw{});
}

BigRational operator/(const BigRational& a, const BigRational& b) {
    if (b.is_zero()) throw InternalFailure("Rational denominator cannot be zero");
    BigInt n = b.den_, d = b.num_;
    if (d.is_negative()) {
        d.negate();
        n.negate();
    }
    return a * BigRational(std::move(n), std::move(d), BigRational::Raw{});
}

BigRational BigRational::operator-() const {
    BigRational r = *this;
    r.num_.negate();
    return r;
}

}  // namespace nemox::linear
