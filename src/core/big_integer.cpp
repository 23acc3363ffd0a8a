#include "core/big_integer.hpp"

#include <algorithm>
#include <cmath>

#include "core/wide_integer.hpp"

namespace nemox {

std::string decimal_text(bool negative, std::span<const std::uint64_t> limbs) {
    if (limbs.empty()) return "0";
    std::vector<std::uint64_t> work(limbs.begin(), limbs.end());
    std::vector<std::uint64_t> chunks;  // base 1e19, least significant first
    constexpr std::uint64_t kBase = 10000000000000000000ull;
    while (!work.empty()) {
        UWide rem = 0;
        for (std::size_t i = work.size(); i-- > 0;) {
            const UWide cur = (rem << 64) | work[i];
            work[i] = static_cast<std::uint64_t>(cur / kBase);
            rem = cur % kBase;
        }
        chunks.push_back(static_cast<std::uint64_t>(rem));
        while (!work.empty() && work.back() == 0) work.pop_back();
    }
    std::string out = negative ? "-" : "";
    out += std::to_string(chunks.back());
    for (std::size_t i = chunks.size() - 1; i-- > 0;) {
        const std::string part = std::to_string(chunks[i]);
        out.append(19 - part.size(), '0');
        out += part;
    }
    return out;
}

std::string hex_digits(std::span<const std::uint64_t> limbs) {
    if (limbs.empty()) return "0";
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(16 * limbs.size());
    for (std::size_t i = limbs.size(); i-- > 0;) {
        for (int shift = 60; shift >= 0; shift -= 4)
            out.push_back(kDigits[(limbs[i] >> shift) & 15]);
    }
    const std::size_t first = out.find_first_not_of('0');
    out.erase(0, std::min(first, out.size() - 1));
    return out;
}

double scaled_to_double(std::uint64_t top, std::int64_t exponent, bool negative) {
    // The result's unit in the last place: 53 significant bits for normal
    // values, a fixed 2^-1074 for subnormal ones. Rounding once, by hand, at
    // that place avoids the double rounding of a conversion followed by a
    // subnormal ldexp.
    constexpr std::int64_t kMinUlp = -1074;
    const std::int64_t ulp = std::max(exponent + 11, kMinUlp);
    double magnitude;
    if (ulp > 1024) {
        magnitude = INFINITY;
    } else {
        const std::int64_t drop = ulp - exponent;  // at least 11
        std::uint64_t kept = 0;
        if (drop <= 64) {
            const std::uint64_t rest = drop == 64 ? top : top & ((std::uint64_t{1} << drop) - 1);
            const std::uint64_t half = std::uint64_t{1} << (drop - 1);
            kept = drop == 64 ? 0 : top >> drop;
            if (rest > half || (rest == half && (kept & 1) != 0)) ++kept;
        }
        // kept <= 2^53 is exact; a carry past the largest double gives inf.
        magnitude = std::ldexp(static_cast<double>(kept), static_cast<int>(ulp));
    }
    return negative ? -magnitude : magnitude;
}

double nearest_double(bool negative, std::span<const std::uint64_t> limbs) {
    if (limbs.empty()) return 0.0;
    const std::size_t n = limbs.size();
    if (n == 1) {
        const double v = static_cast<double>(limbs[0]);
        return negative ? -v : v;
    }
    // The top 64 bits and a sticky bit for everything below them round like
    // the whole value.
    const int lead = __builtin_clzll(limbs[n - 1]);
    std::uint64_t top = limbs[n - 1] << lead;
    if (lead != 0) top |= limbs[n - 2] >> (64 - lead);
    bool sticky = lead != 0 && (limbs[n - 2] << lead) != 0;
    for (std::size_t i = 0; i + 2 < n && !sticky; ++i) sticky = limbs[i] != 0;
    const auto exponent = static_cast<std::int64_t>(64 * (n - 1)) - lead;
    return scaled_to_double(top | (sticky ? 1 : 0), exponent, negative);
}

}  // namespace nemox
