#include "linear/rational.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/failure.hpp"
#include "linear/big_rational.hpp"
#include "linear/bigint.hpp"

namespace nemox::linear {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

void expect_fraction(const Rational& r, std::int64_t n, std::int64_t d) {
    EXPECT_EQ(r.numerator, n) << r.text();
    EXPECT_EQ(r.denominator, d) << r.text();
}

TEST(Rational, NormalisingConstructor) {
    expect_fraction(Rational(6, 8), 3, 4);
    expect_fraction(Rational(4, -6), -2, 3);
    expect_fraction(Rational(-4, -6), 2, 3);
    expect_fraction(Rational(0, -5), 0, 1);
    expect_fraction(Rational(kMin, 2), kMin / 2, 1);
    expect_fraction(Rational(2, kMin), -1, std::int64_t{1} << 62);
    EXPECT_THROW(Rational(kMin, -1), Overflow);
    EXPECT_THROW(Rational(1, kMin), Overflow);
    try {
        Rational(3, 0);
        FAIL();
    } catch (const InternalFailure& e) {
        EXPECT_STREQ(e.what(), "Rational denominator cannot be zero");
    }
}

TEST(Rational, Arithmetic) {
    expect_fraction(Rational(1, 2) + Rational(1, 3), 5, 6);
    expect_fraction(Rational(1, 2) - Rational(1, 2), 0, 1);
    expect_fraction(Rational(2, 3) * Rational(3, 4), 1, 2);
    expect_fraction(Rational(1, 2) / Rational(1, 4), 2, 1);
    expect_fraction(-Rational(3, 7), -3, 7);
    expect_fraction(Rational(3, 10) + Rational(7, 10), 1, 1);
    EXPECT_THROW(Rational(1, 2) / Rational::zero(), InternalFailure);
}

TEST(Rational, OverflowAtTheEdges) {
    const Rational max = Rational::integer(kMax), min = Rational::integer(kMin);
    expect_fraction(max + Rational::zero(), kMax, 1);
    expect_fraction(min + Rational::integer(0), kMin, 1);
    expect_fraction(Rational::integer(kMax - 1) + Rational::one(), kMax, 1);
    expect_fraction(min - Rational::integer(-1), kMin + 1, 1);
    EXPECT_THROW(max + Rational::one(), Overflow);
    EXPECT_THROW(min - Rational::one(), Overflow);
    EXPECT_THROW(-min, Overflow);
    EXPECT_THROW(max * Rational::integer(2), Overflow);
    EXPECT_THROW(Rational(1, kMax) * Rational(1, 2), Overflow);
    EXPECT_THROW(Rational(1, 3037000500) * Rational(1, 3037000500), Overflow);
    expect_fraction(Rational(1, 3037000499) * Rational(1, 3037000499), 1,
                    3037000499LL * 3037000499LL);
    // Products beyond 64 bits that cancel back into range are fine.
    expect_fraction(Rational(kMax, 3) * Rational(3, kMax), 1, 1);
    expect_fraction(Rational(kMax - 1, kMax) + Rational(1, kMax), 1, 1);
    expect_fraction(min / min, 1, 1);
    expect_fraction(min * Rational(-1, 2), std::int64_t{1} << 62, 1);
}

TEST(Rational, Comparison) {
    EXPECT_LT(Rational(1, 3), Rational(1, 2));
    EXPECT_LT(Rational(-1, 2), Rational::zero());
    EXPECT_EQ(Rational(2, 4), Rational(1, 2));
    // Cross products beyond 64 bits compare exactly.
    EXPECT_GT(Rational(kMax - 1, kMax), Rational(kMax - 2, kMax - 1));
    EXPECT_LT(Rational(kMax - 2, kMax - 1), Rational(kMax - 1, kMax));
    EXPECT_GT(Rational(kMax, 1), Rational(kMax - 1, 1));
    EXPECT_LT(Rational(kMin, 1), Rational(kMin + 1, 1));
}

TEST(Rational, FromF64) {
    struct Case {
        double v;
        std::int64_t n, d;
    };
    const Case cases[] = {
        {0.1, 1, 10},
        {2.5, 5, 2},
        {-0.0, 0, 1},
        {1.0 / 3.0, 333333333, 1000000000},
        {2.9999999999, 3, 1},
        {0.0000000004, 0, 1},
        {0.0000000005, 1, 1000000000},
        {-0.0000000005, -1, 1000000000},
        {-9223372036854775808.0, kMin, 1},
        {std::nan(""), 0, 1},
        {INFINITY, kMax, 1000000000},
        {-INFINITY, -18014398509481984, 1953125},
        {-12.125, -97, 8},
        {0.000000001, 1, 1000000000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.v);
        expect_fraction(Rational::from_f64(c.v), c.n, c.d);
    }
}

// Finite values beyond the 64-bit range are not cut to its edge: the
// 64-bit conversion refuses them, and the big one rounds the double's exact
// value to the nearest multiple of 1e-9.
TEST(Rational, FromF64BeyondTheRangeIsExactInBigArithmetic) {
    struct Case {
        double v;
        const char* text;
    };
    const Case cases[] = {
        {1e300, nullptr},
        {-1e19, "-10000000000000000000/1"},
        {9223372036854775808.0, "9223372036854775808/1"},
        {10000000000.5, "20000000001/2"},
        {-9300000000.123, "-9300000000122999191/1000000000"},
        {10000000000.1, "10000000000100000381/1000000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.v);
        EXPECT_THROW(Rational::from_f64(c.v), Overflow);
        const BigRational big = BigRational::from_f64(c.v);
        if (c.text != nullptr) {
            EXPECT_EQ(big.text(), c.text);
        }
        EXPECT_EQ(big.to_f64(), c.v);
    }
    // 1e300 is an integer of 997 bits whose double is 1e300 itself.
    EXPECT_EQ(BigRational::from_f64(1e300).numerator(), BigInt::from_double(1e300));
    EXPECT_EQ(BigRational::from_f64(1e300).numerator().bit_length(), 997u);
}

TEST(Rational, ToF64) {
    EXPECT_EQ(Rational(1, 3).to_f64(), 1.0 / 3.0);
    EXPECT_EQ(Rational(-5, 2).to_f64(), -2.5);
    EXPECT_EQ(Rational(kMax, 1000000000).to_f64(), 9223372036854775807.0 / 1e9);
}

TEST(BigInt, ArithmeticAgainstInt128) {
    std::uint64_t state = 42;
    auto next = [&] {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<std::int64_t>(state) >> (state % 60);
    };
    for (int k = 0; k < 20000; ++k) {
        const std::int64_t a = next(), b = next();
        const BigInt x(a), y(b);
        const Wide sum = static_cast<Wide>(a) + b, diff = static_cast<Wide>(a) - b,
                     prod = static_cast<Wide>(a) * b;
        auto as_big = [](Wide v) {
            BigInt r =
                BigInt::from_u128(v < 0 ? -static_cast<UWide>(v) : static_cast<UWide>(v));
            return v < 0 ? -r : r;
        };
        ASSERT_EQ(x + y, as_big(sum));
        ASSERT_EQ(x - y, as_big(diff));
        ASSERT_EQ(x * y, as_big(prod));
        ASSERT_EQ(compare(x, y), a < b ? -1 : (a > b ? 1 : 0));
        if (b != 0) {
            ASSERT_EQ(BigInt::divexact(x * y, y), x);
        }
        const std::uint64_t ua =
            a < 0 ? 0 - static_cast<std::uint64_t>(a) : static_cast<std::uint64_t>(a);
        const std::uint64_t ub =
            b < 0 ? 0 - static_cast<std::uint64_t>(b) : static_cast<std::uint64_t>(b);
        ASSERT_EQ(BigInt::gcd(x, y), BigInt::from_u128(gcd_u64(ua, ub)));
        ASSERT_EQ(x.to_double(), static_cast<double>(a));
    }
}

TEST(BigInt, LargeValues) {
    // (2^64 + 3)^5 / (2^64 + 3)^2 and back, decimal text, doubles.
    BigInt base = BigInt::from_u128((static_cast<UWide>(1) << 64) + 3);
    BigInt p = base * base * base * base * base;
    EXPECT_EQ(BigInt::divexact(p, base * base), base * base * base);
    EXPECT_EQ(BigInt::gcd(p * BigInt(12), base * base * BigInt(-18)), base * base * BigInt(6));
    EXPECT_EQ(base.to_string(), "18446744073709551619");
    EXPECT_EQ((-(base * base)).to_string(), "-340282366920938463574055071874025521161");
    EXPECT_EQ(BigInt(0).to_string(), "0");
    EXPECT_EQ(BigInt(std::numeric_limits<std::int64_t>::min()).to_string(), "-9223372036854775808");
    EXPECT_EQ((base * base).to_double(), 18446744073709551619.0 * 18446744073709551619.0);
    // Ties round to even: 2^64 + 2^11 is halfway between two doubles.
    const BigInt tie = BigInt::from_u128((static_cast<UWide>(1) << 64) + (1u << 11));
    EXPECT_EQ(tie.to_double(), 18446744073709551616.0);
    const BigInt above = BigInt::from_u128((static_cast<UWide>(1) << 64) + (1u << 11) + 1);
    EXPECT_EQ(above.to_double(), 18446744073709555712.0);
    BigInt huge(1);
    for (int i = 0; i < 40; ++i) huge = huge * BigInt(std::int64_t{1} << 40);
    EXPECT_TRUE(std::isinf(huge.to_double()));
    EXPECT_TRUE(BigInt(std::numeric_limits<std::int64_t>::min()).fits_i64());
    EXPECT_FALSE((-BigInt(std::numeric_limits<std::int64_t>::min())).fits_i64());
}

TEST(BigRational, AgreesWithRationalInRange) {
    const Rational values[] = {Rational(1, 2),  Rational(-7, 3),          Rational(0, 1),
                               Rational(22, 7), Rational(-1, 1000000000), Rational(5, 1)};
    for (const Rational& a : values) {
        for (const Rational& b : values) {
            EXPECT_EQ(BigRational(a) + BigRational(b), BigRational(a + b));
            EXPECT_EQ(BigRational(a) - BigRational(b), BigRational(a - b));
            EXPECT_EQ(BigRational(a) * BigRational(b), BigRational(a * b));
            if (!b.is_zero()) {
                EXPECT_EQ(BigRational(a) / BigRational(b), BigRational(a / b));
            }
            EXPECT_EQ(BigRational(a) < BigRational(b), a < b);
        }
    }
    const BigRational big =
        BigRational(Rational::integer(kMax)) * BigRational(Rational::integer(kMax));
    EXPECT_EQ((big / big), BigRational(Rational::one()));
    EXPECT_EQ(BigRational(BigInt(6), BigInt(-4)), BigRational(Rational(-3, 2)));
    EXPECT_THROW(BigRational(BigInt(1), BigInt(0)), InternalFailure);
}

}  // namespace
}  // namespace nemox::linear
