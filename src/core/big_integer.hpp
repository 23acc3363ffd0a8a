#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace nemox {

// An integer beyond the 64-bit range, held exactly: sign and magnitude in
// 64-bit limbs, least significant first, no leading zero limb.
struct BigInteger {
    bool negative = false;
    std::vector<std::uint64_t> limbs;

    bool operator==(const BigInteger&) const = default;
};

// Decimal text of sign and magnitude ("-" and digits, "0" for no limbs).
std::string decimal_text(bool negative, std::span<const std::uint64_t> limbs);

// Lowercase hexadecimal digits of the magnitude, no prefix ("0" for no limbs).
std::string hex_digits(std::span<const std::uint64_t> limbs);

// The double nearest to top * 2^exponent (ties to even; 0 below the double
// range, infinite beyond it), negated when `negative`. `top` has its highest
// bit set, and its lowest bit is a sticky bit: set when anything nonzero was
// cut off below it, so that exact halves are told from values above them.
double scaled_to_double(std::uint64_t top, std::int64_t exponent, bool negative);

// The double nearest to the integer (ties to even).
double nearest_double(bool negative, std::span<const std::uint64_t> limbs);

inline std::string decimal_text(const BigInteger& v) {
    return decimal_text(v.negative, v.limbs);
}
inline double nearest_double(const BigInteger& v) {
    return nearest_double(v.negative, v.limbs);
}

}  // namespace nemox
