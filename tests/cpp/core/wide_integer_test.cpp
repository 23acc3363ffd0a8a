// Floor and ceiling quotients on their fast paths (unit divisors, 64-bit
// operands) against the plain 128-bit definition, at the ends of the ranges.

#include "core/wide_integer.hpp"

#include <gtest/gtest.h>

#include <limits>

namespace nemox {
namespace {

Wide plain_floor(Wide n, Wide d) {
    const Wide q = n / d;
    return (n % d != 0 && (n < 0) != (d < 0)) ? q - 1 : q;
}

TEST(WideInteger, QuotientsAgreeWithThePlainDefinition) {
    constexpr Wide kMin = std::numeric_limits<std::int64_t>::min();
    constexpr Wide kMax = std::numeric_limits<std::int64_t>::max();
    const Wide numerators[] = {kMin - 1, kMin,           kMin + 1,         -7, -1, 0, 1, 6, 7, kMax,
                               kMax + 1, Wide{1} << 100, -(Wide{1} << 100)};
    const Wide divisors[] = {1, -1, 2, -2, 3, -3, kMax, kMin, kMax + 1, -(Wide{1} << 70)};
    for (const Wide n : numerators) {
        for (const Wide d : divisors) {
            EXPECT_EQ(floor_div(n, d), plain_floor(n, d))
                << static_cast<double>(n) << " / " << static_cast<double>(d);
            // ceil(n / d) = -floor(-n / d)
            EXPECT_EQ(ceil_div(n, d), -plain_floor(-n, d));
        }
    }
}

}  // namespace
}  // namespace nemox
