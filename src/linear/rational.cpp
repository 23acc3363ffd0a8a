#include "linear/rational.hpp"

#include <cmath>
#include <limits>

#include "core/failure.hpp"

namespace nemox::linear {

namespace {

constexpr std::int64_t kI64Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kI64Min = std::numeric_limits<std::int64_t>::min();

int ctz128(UWide x) {
    const auto lo = static_cast<std::uint64_t>(x);
    return lo != 0 ? __builtin_ctzll(lo)
                   : 64 + __builtin_ctzll(static_cast<std::uint64_t>(x >> 64));
}

[[noreturn]] void zero_denominator() {
    throw InternalFailure("Rational denominator cannot be zero");
}

}  // namespace

std::uint64_t gcd_u64(std::uint64_t a, std::uint64_t b) {
    if (a == 0) return b;
    if (b == 0) return a;
    const int shift = __builtin_ctzll(a | b);
    a >>= __builtin_ctzll(a);
    do {
        b >>= __builtin_ctzll(b);
        if (a > b) std::swap(a, b);
        b -= a;
    } while (b != 0);
    return a << shift;
}

UWide gcd_u128(UWide a, UWide b) {
    if ((a >> 64) == 0 && (b >> 64) == 0)
        return gcd_u64(static_cast<std::uint64_t>(a), static_cast<std::uint64_t>(b));
    if (a == 0) return b;
    if (b == 0) return a;
    const int shift = ctz128(a | b);
    a >>= ctz128(a);
    do {
        b >>= ctz128(b);
        if (a > b) std::swap(a, b);
        b -= a;
        if ((a >> 64) == 0 && (b >> 64) == 0)
            return static_cast<UWide>(
                       gcd_u64(static_cast<std::uint64_t>(a), static_cast<std::uint64_t>(b)))
                   << shift;
    } while (b != 0);
    return a << shift;
}

std::int64_t in_range_i64(double v) {
    if (!(v >= -9223372036854775808.0 && v < 9223372036854775808.0)) throw Overflow{};
    return static_cast<std::int64_t>(v);
}

std::int64_t saturate_i64(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 9223372036854775808.0) return kI64Max;
    if (v < -9223372036854775808.0) return kI64Min;
    return static_cast<std::int64_t>(v);
}

Rational Rational::normalise(Wide n, Wide d) {
    if (d == 0) zero_denominator();
    const UWide un = n < 0 ? -static_cast<UWide>(n) : static_cast<UWide>(n);
    UWide ud = d < 0 ? -static_cast<UWide>(d) : static_cast<UWide>(d);
    const bool negative = (n < 0) != (d < 0);
    UWide mag = un;
    if (un == 0) {
        return Rational();
    }
    const UWide g = gcd_u128(un, ud);
    if (g >= 2) {
        mag /= g;
        ud /= g;
    }
    if (ud > static_cast<UWide>(kI64Max)) throw Overflow{};
    if (negative) {
        if (mag > static_cast<UWide>(kI64Max) + 1) throw Overflow{};
        return Rational(static_cast<std::int64_t>(-static_cast<Wide>(mag)),
                        static_cast<std::int64_t>(ud), Raw{});
    }
    if (mag > static_cast<UWide>(kI64Max)) throw Overflow{};
    return Rational(static_cast<std::int64_t>(mag), static_cast<std::int64_t>(ud), Raw{});
}

Rational::Rational(std::int64_t n, std::int64_t d) {
    *this = normalise(n, d);
}

Rational Rational::from_f64(double v) {
    if (v == 0.0) return Rational();
    const double t = std::trunc(v);
    if (v - t == 0.0) return Rational(in_range_i64(v), 1, Raw{});
    const double scaled = std::round(v * 1000000000.0);
    // Infinities and NaN saturate; a finite value beyond the range is exact
    // only in big arithmetic.
    const std::int64_t n = std::isfinite(v) ? in_range_i64(scaled) : saturate_i64(scaled);
    const std::uint64_t un =
        n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
    const std::uint64_t g = un == 0 ? 1000000000u : gcd_u64(un, 1000000000u);
    if (g < 2) return Rational(n, 1000000000, Raw{});
    return Rational(n / static_cast<std::int64_t>(g), 1000000000 / static_cast<std::int64_t>(g),
                    Raw{});
}

double Rational::to_f64() const {
    return static_cast<double>(numerator) / static_cast<double>(denominator);
}

Rational Rational::add(const Rational& a, const Rational& b) {
    if (a.denominator == b.denominator) {
        if (a.denominator == 1) {
            std::int64_t sum;
            if (__builtin_add_overflow(a.numerator, b.numerator, &sum)) throw Overflow{};
            return Rational(sum, 1, Rational::Raw{});
        }
        return Rational::normalise(static_cast<Wide>(a.numerator) + b.numerator, a.denominator);
    }
    return Rational::normalise(static_cast<Wide>(a.numerator) * b.denominator +
                                   static_cast<Wide>(b.numerator) * a.denominator,
                               static_cast<Wide>(a.denominator) * b.denominator);
}

Rational Rational::sub(const Rational& a, const Rational& b) {
    if (a.denominator == b.denominator) {
        if (a.denominator == 1) {
            std::int64_t diff;
            if (__builtin_sub_overflow(a.numerator, b.numerator, &diff)) throw Overflow{};
            return Rational(diff, 1, Rational::Raw{});
        }
        return Rational::normalise(static_cast<Wide>(a.numerator) - b.numerator, a.denominator);
    }
    return Rational::normalise(static_cast<Wide>(a.numerator) * b.denominator -
                                   static_cast<Wide>(b.numerator) * a.denominator,
                               static_cast<Wide>(a.denominator) * b.denominator);
}

Rational Rational::mul(const Rational& a, const Rational& b) {
    if (a.denominator == 1 && b.denominator == 1) {
        std::int64_t prod;
        if (__builtin_mul_overflow(a.numerator, b.numerator, &prod)) throw Overflow{};
        return Rational(prod, 1, Rational::Raw{});
    }
    return Rational::normalise(static_cast<Wide>(a.numerator) * b.numerator,
                               static_cast<Wide>(a.denominator) * b.denominator);
}

Rational operator/(const Rational& a, const Rational& b) {
    if (b.numerator == 0) zero_denominator();
    return Rational::normalise(static_cast<Wide>(a.numerator) * b.denominator,
                               static_cast<Wide>(a.denominator) * b.numerator);
}

Rational Rational::operator-() const {
    if (numerator == kI64Min) throw Overflow{};
    return Rational(-numerator, denominator, Raw{});
}

std::string Rational::text() const {
    return std::to_string(numerator) + "/" + std::to_string(denominator);
}

}  // namespace nemox::linear
