#include "linear/bigint.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "core/big_integer.hpp"
#include "linear/big_rational.hpp"

namespace nemox::linear {
namespace {

// Random values of 2 to 40 limbs, with runs of all-zero and all-one limbs
// where carries and borrows hide.
class Limbs {
  public:
    explicit Limbs(std::uint64_t seed) : rng_(seed) {}

    BigInt value(std::size_t min_limbs = 2, std::size_t max_limbs = 40) {
        const std::size_t n =
            std::uniform_int_distribution<std::size_t>(min_limbs, max_limbs)(rng_);
        BigInt r;
        const BigInt shift = pow2(64);
        for (std::size_t i = 0; i < n; ++i) {
            std::uint64_t limb = rng_();
            switch (rng_() % 4) {
                case 0:
                    limb = 0;
                    break;
                case 1:
                    limb = ~std::uint64_t{0};
                    break;
                default:
                    break;
            }
            if (i == 0 && limb == 0) limb = 1;
            r = r * shift + BigInt::from_u128(limb);
        }
        return (rng_() & 1) != 0 ? -r : r;
    }
    std::uint64_t next() { return rng_(); }

    static BigInt pow2(int k) {
        BigInt r(1);
        for (; k >= 62; k -= 62) r = r * BigInt(std::int64_t{1} << 62);
        return r * BigInt(std::int64_t{1} << k);
    }

  private:
    std::mt19937_64 rng_;
};

BigInt abs_of(const BigInt& v) {
    return v.is_negative() ? -v : v;
}

TEST(BigIntProperty, RingIdentitiesAndGcd) {
    Limbs gen(7);
    for (int k = 0; k < 3000; ++k) {
        const BigInt a = gen.value(), b = gen.value(), c = abs_of(gen.value(1, 20));
        ASSERT_EQ((a + b) - b, a);
        ASSERT_EQ((a - b) + b, a);
        ASSERT_EQ(a + b, b + a);
        ASSERT_EQ(a * b, b * a);
        ASSERT_EQ(BigInt::divexact(a * b, b), a);
        ASSERT_EQ(a * (b + c), a * b + a * c);
        ASSERT_EQ(BigInt::gcd(a * c, b * c), c * BigInt::gcd(a, b));
        const BigInt g = BigInt::gcd(a, b);
        ASSERT_EQ(BigInt::gcd(BigInt::divexact(a, g), BigInt::divexact(b, g)), BigInt(1));
        ASSERT_EQ(compare(a, a + c), -1);
        ASSERT_EQ(BigInt::from_u128(0) - a, -a);
    }
}

TEST(BigIntProperty, DecimalAndHexTextsRoundTrip) {
    Limbs gen(11);
    for (int k = 0; k < 300; ++k) {
        const BigInt a = gen.value();
        // Rebuild from the texts digit by digit.
        BigInt from_dec, from_hex;
        const std::string dec = a.to_string(), hex = hex_digits(a.magnitude());
        for (const char ch : dec.substr(a.is_negative() ? 1 : 0))
            from_dec = from_dec * BigInt(10) + BigInt(ch - '0');
        for (const char ch : hex)
            from_hex = from_hex * BigInt(16) + BigInt(ch <= '9' ? ch - '0' : ch - 'a' + 10);
        ASSERT_EQ(from_dec, abs_of(a));
        ASSERT_EQ(from_hex, abs_of(a));
        ASSERT_NE(hex.front(), '0');
    }
    EXPECT_EQ(hex_digits({}), "0");
}

// x = (2m + 1) * 2^(e - 1) lies exactly halfway between m * 2^e and
// (m + 1) * 2^e. Written as a fraction with a random big factor on both
// sides, it must round to the even neighbour, and a hair above or below it
// to the upper or lower one.
struct Halfway {
    BigInt num, den;
};

Halfway halfway(std::uint64_t m, int e, const BigInt& factor) {
    BigInt num = BigInt::from_u128(2 * static_cast<UWide>(m) + 1) * factor;
    BigInt den = factor;
    if (e - 1 >= 0) {
        num = num * Limbs::pow2(e - 1);
    } else {
        den = den * Limbs::pow2(1 - e);
    }
    return {num, den};
}

TEST(BigIntProperty, RatioRoundsToNearestWithTiesToEven) {
    Limbs gen(13);
    // Exponents of the last place: subnormal, around 1, large, the top.
    const int exponents[] = {-1074, -1000, -60, -52, 0, 10, 500, 971};
    for (int k = 0; k < 400; ++k) {
        const int e = exponents[k % std::size(exponents)];
        const bool subnormal = e == -1074;
        std::uint64_t m = gen.next() >> 11;  // 53 bits
        if (!subnormal) m |= std::uint64_t{1} << 52;
        if (subnormal) m &= (std::uint64_t{1} << 52) - 1;
        if (m + 1 == std::uint64_t{1} << 53 && e == 971) --m;  // keep m + 1 finite
        const BigInt factor = abs_of(gen.value(1, 30));
        const auto [num, den] = halfway(m, e, factor);
        const double lower = std::ldexp(static_cast<double>(m), e);
        const double upper = std::ldexp(static_cast<double>(m + 1), e);
        SCOPED_TRACE(testing::Message() << "m=" << m << " e=" << e);
        ASSERT_EQ(BigInt::ratio_to_double(num, den), (m & 1) == 0 ? lower : upper);
        ASSERT_EQ(BigInt::ratio_to_double(num + BigInt(1), den), upper);
        ASSERT_EQ(BigInt::ratio_to_double(num - BigInt(1), den), lower);
        ASSERT_EQ(BigInt::ratio_to_double(-num, den), -BigInt::ratio_to_double(num, den));
        // An exact double divided out again comes back unchanged.
        const BigInt exact_num = BigInt::from_u128(m) * factor;
        const BigInt exact_den = e >= 0 ? factor : factor * Limbs::pow2(-e);
        const BigInt scaled_num = e >= 0 ? exact_num * Limbs::pow2(e) : exact_num;
        ASSERT_EQ(BigInt::ratio_to_double(scaled_num, exact_den), lower);
    }
}

TEST(BigIntProperty, RatioAtTheEdgesOfTheDoubleRange) {
    const BigInt one(1);
    const double max = std::numeric_limits<double>::max();
    const double tiny = std::numeric_limits<double>::denorm_min();
    // Half the smallest subnormal rounds to zero (even), a hair more to it.
    EXPECT_EQ(BigInt::ratio_to_double(one, Limbs::pow2(1075)), 0.0);
    EXPECT_EQ(BigInt::ratio_to_double(one + Limbs::pow2(2000), Limbs::pow2(3075)), tiny);
    EXPECT_TRUE(std::signbit(BigInt::ratio_to_double(-one, Limbs::pow2(1100))));
    // The largest double plus half its last place is a tie that rounds up
    // to infinity; just below it stays at the largest double.
    const BigInt top = BigInt::from_u128((std::uint64_t{1} << 54) - 1) * Limbs::pow2(970);
    EXPECT_EQ(BigInt::ratio_to_double(top, one), INFINITY);
    EXPECT_EQ(BigInt::ratio_to_double(top - one, one), max);
    EXPECT_EQ(BigInt::ratio_to_double(Limbs::pow2(5000), Limbs::pow2(3976)), INFINITY);
    EXPECT_EQ(BigInt::ratio_to_double(Limbs::pow2(5000), Limbs::pow2(3977)), std::ldexp(1.0, 1023));
    // Both sides far beyond the double range: the quotient is still exact.
    const BigInt huge = Limbs::pow2(3000) + one;
    EXPECT_EQ(BigInt::ratio_to_double(huge * BigInt(7), huge * BigInt(-2)), -3.5);
}

TEST(BigIntProperty, NearestDoubleOfIntegers) {
    Limbs gen(17);
    for (int k = 0; k < 400; ++k) {
        const BigInt a = gen.value(1, 15);
        ASSERT_EQ(a.to_double(), BigInt::ratio_to_double(a, BigInt(1)));
        ASSERT_EQ(BigInt::from_double(a.to_double()).to_double(), a.to_double());
    }
    EXPECT_EQ(Limbs::pow2(1024).to_double(), INFINITY);
    EXPECT_EQ((-Limbs::pow2(1023)).to_double(), -std::ldexp(1.0, 1023));
}

TEST(BigIntProperty, RoundScaledIsExact) {
    // The nearest integer to v * 1e9, halves away from zero, from the
    // double's exact value rather than from a rounded product.
    EXPECT_EQ(BigInt::round_scaled(10000000000.5, 1000000000).to_string(), "10000000000500000000");
    EXPECT_EQ(BigInt::round_scaled(-0.5, 1).to_string(), "-1");
    EXPECT_EQ(BigInt::round_scaled(2.5, 1).to_string(), "3");
    EXPECT_EQ(BigInt::round_scaled(0.4999999999999999, 1).to_string(), "0");
    EXPECT_EQ(BigInt::round_scaled(1e300, 1), BigInt::from_double(1e300));
    EXPECT_EQ(BigInt::round_scaled(std::numeric_limits<double>::denorm_min(), 1000000000),
              BigInt(0));
}

TEST(BigIntProperty, RoundScaledAgainstTheExactProduct) {
    // R = round_scaled(v, 1e9) for |v| = m * 2^-k: the distance |m * 1e9 -
    // R * 2^k| is at most half of 2^k, and an exact half rounds away from zero.
    std::mt19937_64 rng(19);
    const BigInt scale(1000000000);
    for (int i = 0; i < 20000; ++i) {
        const int exponent = static_cast<int>(rng() % 140) - 70;
        const double v = std::ldexp(static_cast<double>(rng() >> 11), exponent - 53) *
                         ((rng() & 1) != 0 ? -1.0 : 1.0);
        if (v == std::trunc(v)) continue;
        int e = 0;
        const double fraction = std::frexp(std::fabs(v), &e);
        const BigInt m = BigInt::from_double(std::ldexp(fraction, 53));
        const int k = 53 - e;  // |v| = m * 2^-k with k > 0 for non-integral v
        const BigInt r = BigInt::round_scaled(v, 1000000000);
        ASSERT_EQ(r.is_negative(), v < 0 && !r.is_zero());
        const BigInt diff = m * scale - abs_of(r) * Limbs::pow2(k);
        const BigInt half = Limbs::pow2(k - 1);
        ASSERT_LE(compare(abs_of(diff), half), 0) << v;
        if (abs_of(diff) == half) {
            ASSERT_TRUE(diff.is_negative()) << v;
        }
    }
}

}  // namespace
}  // namespace nemox::linear
