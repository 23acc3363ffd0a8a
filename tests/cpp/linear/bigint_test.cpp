#include "linear/bigint.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "core/big_integer.hpp"
#include "core/failure.hpp"
#include "linear/big_rational.hpp"
#include "linear/bigint_kernels.hpp"

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

// A slow reference in 32-bit limbs, written apart from the 64-bit code it
// checks: sign and magnitude, least significant limb first, no leading zeros.
struct Ref {
    bool neg = false;
    std::vector<std::uint32_t> mag;
    friend bool operator==(const Ref&, const Ref&) = default;
};

void trim(Ref& r) {
    while (!r.mag.empty() && r.mag.back() == 0) r.mag.pop_back();
    if (r.mag.empty()) r.neg = false;
}

Ref ref_of_limbs(const std::uint64_t* limbs, std::size_t n, bool neg = false) {
    Ref r{neg, {}};
    for (std::size_t i = 0; i < n; ++i) {
        r.mag.push_back(static_cast<std::uint32_t>(limbs[i]));
        r.mag.push_back(static_cast<std::uint32_t>(limbs[i] >> 32));
    }
    trim(r);
    return r;
}

Ref ref_of(const BigInt& v) {
    return ref_of_limbs(v.magnitude().data(), v.magnitude().size(), v.is_negative());
}

int ref_cmp_mag(const Ref& a, const Ref& b) {
    if (a.mag.size() != b.mag.size()) return a.mag.size() < b.mag.size() ? -1 : 1;
    for (std::size_t i = a.mag.size(); i-- > 0;)
        if (a.mag[i] != b.mag[i]) return a.mag[i] < b.mag[i] ? -1 : 1;
    return 0;
}

Ref ref_mul(const Ref& a, const Ref& b) {
    Ref r{a.neg != b.neg, std::vector<std::uint32_t>(a.mag.size() + b.mag.size(), 0)};
    for (std::size_t i = 0; i < a.mag.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < b.mag.size(); ++j) {
            carry += static_cast<std::uint64_t>(a.mag[i]) * b.mag[j] + r.mag[i + j];
            r.mag[i + j] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        r.mag[i + b.mag.size()] = static_cast<std::uint32_t>(carry);
    }
    trim(r);
    return r;
}

Ref ref_add(const Ref& a, const Ref& b) {
    const bool same = a.neg == b.neg;
    const bool a_larger = ref_cmp_mag(a, b) >= 0;
    const Ref& hi = a_larger ? a : b;
    const Ref& lo = a_larger ? b : a;
    Ref r{same ? a.neg : hi.neg, {}};
    std::int64_t carry = 0;
    for (std::size_t i = 0; i < hi.mag.size(); ++i) {
        const std::int64_t l = i < lo.mag.size() ? lo.mag[i] : 0;
        carry += static_cast<std::int64_t>(hi.mag[i]) + (same ? l : -l);
        r.mag.push_back(static_cast<std::uint32_t>(carry));
        carry = carry >> 32;  // arithmetic: a borrow is -1
    }
    if (carry != 0) r.mag.push_back(static_cast<std::uint32_t>(carry));
    trim(r);
    return r;
}

Ref ref_neg(Ref r) {
    if (!r.mag.empty()) r.neg = !r.neg;
    return r;
}

Ref ref_shifted(Ref r, std::size_t limbs64) {  // r * 2^(64 * limbs64)
    if (!r.mag.empty()) r.mag.insert(r.mag.begin(), 2 * limbs64, 0);
    return r;
}

// Limbs where carries and borrows hide: zeros, all ones, the top bit alone.
std::uint64_t awkward_limb(std::mt19937_64& rng) {
    switch (rng() % 5) {
        case 0:
            return 0;
        case 1:
            return ~std::uint64_t{0};
        case 2:
            return std::uint64_t{1} << 63;
        default:
            return rng();
    }
}

using kernels::Kernel;

// Every kernel this processor runs, on every length across the four-limb
// blocks: what it leaves in r and the limb it returns make up a * m exactly.
TEST(BigIntKernels, EachKernelAgainstTheReference) {
    std::mt19937_64 rng(23);
    const std::uint64_t multipliers[] = {0, 1, ~std::uint64_t{0}, std::uint64_t{1} << 63};
    int ran = 0;
    for (const Kernel k : {Kernel::Portable, Kernel::Mulq, Kernel::Mulx, Kernel::Adx}) {
        if (!kernels::available(k)) continue;
        ++ran;
        for (std::size_t n = 0; n <= 41; ++n) {
            for (int trial = 0; trial < 40; ++trial) {
                std::vector<std::uint64_t> a(n), r(n);
                for (auto& v : a) v = awkward_limb(rng);
                for (auto& v : r) v = awkward_limb(rng);
                const std::uint64_t m = trial < 4 ? multipliers[trial] : awkward_limb(rng);
                const Ref product = ref_mul(ref_of_limbs(a.data(), n), ref_of_limbs(&m, 1));
                const Ref before = ref_of_limbs(r.data(), n);
                SCOPED_TRACE(testing::Message() << "kernel " << static_cast<int>(k) << " n=" << n);
                auto out = r;
                std::uint64_t c = 0;
                switch (k) {
                    case Kernel::Portable:
                        c = kernels::mul_1<Kernel::Portable>(out.data(), a.data(), n, m);
                        break;
                    case Kernel::Mulq:
                        c = kernels::mul_1<Kernel::Mulq>(out.data(), a.data(), n, m);
                        break;
                    case Kernel::Mulx:
                        c = kernels::mul_1<Kernel::Mulx>(out.data(), a.data(), n, m);
                        break;
                    case Kernel::Adx:
                        c = kernels::mul_1<Kernel::Adx>(out.data(), a.data(), n, m);
                        break;
                }
                // mul: out + c B^n = a m
                ASSERT_EQ(ref_add(ref_of_limbs(out.data(), n), ref_shifted(ref_of_limbs(&c, 1), n)),
                          product);
                out = r;
                switch (k) {
                    case Kernel::Portable:
                        c = kernels::addmul_1<Kernel::Portable>(out.data(), a.data(), n, m);
                        break;
                    case Kernel::Mulq:
                        c = kernels::addmul_1<Kernel::Mulq>(out.data(), a.data(), n, m);
                        break;
                    case Kernel::Mulx:
                        c = kernels::addmul_1<Kernel::Mulx>(out.data(), a.data(), n, m);
                        break;
                    case Kernel::Adx:
                        c = kernels::addmul_1<Kernel::Adx>(out.data(), a.data(), n, m);
                        break;
                }
                // addmul: out + c B^n = r + a m
                ASSERT_EQ(ref_add(ref_of_limbs(out.data(), n), ref_shifted(ref_of_limbs(&c, 1), n)),
                          ref_add(before, product));
                out = r;
                switch (k) {
                    case Kernel::Portable:
                        c = kernels::submul_1<Kernel::Portable>(out.data(), a.data(), n, m);
                        break;
                    case Kernel::Mulq:
                        c = kernels::submul_1<Kernel::Mulq>(out.data(), a.data(), n, m);
                        break;
                    case Kernel::Mulx:
                        c = kernels::submul_1<Kernel::Mulx>(out.data(), a.data(), n, m);
                        break;
                    case Kernel::Adx:
                        c = kernels::submul_1<Kernel::Adx>(out.data(), a.data(), n, m);
                        break;
                }
                // submul: out - c B^n = r - a m
                ASSERT_EQ(ref_add(ref_of_limbs(out.data(), n), product),
                          ref_add(before, ref_shifted(ref_of_limbs(&c, 1), n)));
            }
        }
    }
    EXPECT_GE(ran, 1);
}

// The operations against the reference, on sizes from one limb to past the
// largest numbers the exact simplex meets, with signs mixed so that sums
// cross zero and cancel exactly.
TEST(BigIntProperty, ArithmeticAgainstTheReference) {
    Limbs gen(29);
    for (int k = 0; k < 1500; ++k) {
        const std::size_t top = k % 3 == 0 ? 80 : 24;
        const BigInt a = gen.value(1, top), b = gen.value(1, top);
        BigInt c = gen.value(1, top);
        if (k % 7 == 0) c = a * b;  // c - a * b cancels to zero
        if (k % 11 == 0) c = BigInt();
        const Ref ra = ref_of(a), rb = ref_of(b), rc = ref_of(c);
        const Ref product = ref_mul(ra, rb);
        ASSERT_EQ(ref_of(a * b), product);
        ASSERT_EQ(ref_of(a + b), ref_add(ra, rb));
        ASSERT_EQ(ref_of(a - b), ref_add(ra, ref_neg(rb)));
        BigInt acc = c;
        BigInt::addmul_into(acc, a, b);
        ASSERT_EQ(ref_of(acc), ref_add(rc, product));
        acc = c;
        BigInt::submul_into(acc, a, b);
        ASSERT_EQ(ref_of(acc), ref_add(rc, ref_neg(product)));
        // The accumulator as an operand of its own product.
        acc = a;
        BigInt::submul_into(acc, acc, b);
        ASSERT_EQ(ref_of(acc), ref_add(ra, ref_neg(product)));
        acc = b;
        BigInt::addmul_into(acc, a, acc);
        ASSERT_EQ(ref_of(acc), ref_add(rb, product));
        // Exact division of a product by either factor, the divisor with
        // factors of two as well.
        const BigInt d = b * Limbs::pow2(static_cast<int>(gen.next() % 130));
        const BigInt ad = a * d;
        ASSERT_EQ(ref_of(ad), ref_mul(ra, ref_of(d)));
        ASSERT_EQ(BigInt::divexact(ad, d), a);
        ASSERT_EQ(BigInt::divexact(ad, a), d);
        BigInt in_place = ad;
        BigInt::divexact_into(in_place, in_place, ExactDivisor(d));
        ASSERT_EQ(in_place, a);
    }
}

// A sum of products divided exactly, against the sum formed whole: random
// counts, sizes (unbalanced ones too) and signs, divisors with factors of
// two and of either sign, sums that cancel to zero, quotients whose top limb
// is all ones or the top bit alone (where the sign bit of the low limbs
// lies), and the output as one of the operands.
TEST(BigIntProperty, DividedSumAgainstTheWholeSum) {
    Limbs gen(41);
    std::mt19937_64 rng(43);
    for (int k = 0; k < 3000; ++k) {
        const std::size_t top = k % 4 == 0 ? 90 : 30;
        BigInt d =
            gen.value(1, k % 5 == 0 ? 2 : top) * Limbs::pow2(static_cast<int>(gen.next() % 140));
        const ExactDivisor div(d);
        const std::size_t count = 1 + gen.next() % 5;
        std::vector<BigInt> a, b;
        std::vector<char> sub;
        BigInt sum;
        for (std::size_t t = 0; t < count; ++t) {
            a.push_back(gen.value(1, top));
            b.push_back(gen.value(1, 1 + gen.next() % top));
            if (gen.next() % 9 == 0) a.back() = BigInt();
            sub.push_back(static_cast<char>(gen.next() % 2));
        }
        // Make the sum a multiple of d: the last term's a absorbs the rest.
        a.back() = a.back() * d;
        b.back() = d;
        for (std::size_t t = 0; t + 1 < count; ++t) {
            a[t] = a[t] * d;
            if (k % 3 == 0) b[t] = BigInt(1);
        }
        switch (k % 6) {
            case 0: {  // the terms cancel
                a.push_back(a[0]);
                b.push_back(b[0]);
                sub.push_back(static_cast<char>(!sub[0]));
                break;
            }
            case 1: {  // a quotient of all-one limbs, or of the top bit alone
                const int limbs = 1 + static_cast<int>(rng() % 30);
                BigInt q = (rng() & 1) != 0 ? Limbs::pow2(64 * limbs) - BigInt(1)
                                            : Limbs::pow2(64 * limbs - 1);
                if ((rng() & 1) != 0) q = -q;
                a.assign({q * d});
                b.assign({BigInt(1)});
                sub.assign({0});
                break;
            }
            default:
                break;
        }
        for (std::size_t t = 0; t < a.size(); ++t) {
            BigInt p = a[t] * b[t];
            sum = sub[t] ? sum - p : sum + p;
        }
        std::vector<Product> terms;
        for (std::size_t t = 0; t < a.size(); ++t) terms.push_back({&a[t], &b[t], sub[t] != 0});
        const BigInt want = BigInt::divexact(sum, d);
        ASSERT_EQ(BigInt::divexact(want * d, d), want);
        BigInt got;
        BigInt::divexact_sum_into(got, terms, div);
        ASSERT_EQ(got, want) << "k=" << k;
        BigInt::divexact_sum_into(a[0], terms, div);
        ASSERT_EQ(a[0], want) << "k=" << k;
    }
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

TEST(BigIntProperty, ApproximateRatioStaysWithinItsBound) {
    // Against the nearest double r: |approx - exact| <= (3u + 2^-62)|exact|
    // and |r - exact| <= u|exact|, so |approx - r| <= 4.01u|r|. Lengths run
    // well past 1024 bits, where a double of either operand alone is infinite.
    Limbs gen(31);
    const double u = 0x1p-53;
    for (int k = 0; k < 2000; ++k) {
        const BigInt num = gen.value(1, 40), den = gen.value(1, 40);
        const double r = BigInt::ratio_to_double(num, den);
        const double a = BigInt::approx_ratio(num, den);
        SCOPED_TRACE(testing::Message() << "k=" << k << " r=" << r << " a=" << a);
        if (r == 0.0 || std::isinf(r) || std::fabs(r) < std::numeric_limits<double>::min()) {
            // Outside the normal range only the side of it is promised.
            ASSERT_EQ(std::signbit(a), std::signbit(r));
            ASSERT_EQ(std::isinf(a) || std::fabs(a) > 1e300, std::isinf(r));
            continue;
        }
        ASSERT_LE(std::fabs(a - r), 4.01 * u * std::fabs(r));
    }
    const BigInt one(1);
    EXPECT_EQ(BigInt::approx_ratio(BigInt(), Limbs::pow2(3000)), 0.0);
    EXPECT_EQ(BigInt::approx_ratio(-Limbs::pow2(2000), Limbs::pow2(1999)), -2.0);
    EXPECT_EQ(BigInt::approx_ratio(Limbs::pow2(5000), one), INFINITY);
    EXPECT_EQ(BigInt::approx_ratio(one, Limbs::pow2(1200)), 0.0);
    const BigInt huge = Limbs::pow2(3000) + one;
    EXPECT_EQ(BigInt::approx_ratio(huge * BigInt(7), huge * BigInt(-2)), -3.5);
    EXPECT_THROW(BigInt::approx_ratio(one, BigInt()), InternalFailure);
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
