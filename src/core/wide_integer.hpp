#pragma once

#include <cstdint>

namespace nemox {

// 128-bit integers: products of two 64-bit values and their neighbours fit,
// so bound arithmetic never wraps around.
__extension__ typedef __int128 Wide;

// floor(n / d) and ceil(n / d) for any signs; d != 0, n / d does not overflow.
// Most quotients have a unit divisor or fit in 64 bits, where no 128-bit
// division (a library call) is needed.
inline bool fits_64(Wide v) {
    return v == static_cast<std::int64_t>(v);
}
inline Wide floor_div(Wide n, Wide d) {
    if (d == 1) return n;
    if (d == -1) return -n;
    if (fits_64(n) && fits_64(d)) {
        const auto a = static_cast<std::int64_t>(n);
        const auto b = static_cast<std::int64_t>(d);
        std::int64_t q = a / b;  // b is not -1: no overflow
        if (a % b != 0 && ((a < 0) != (b < 0))) --q;
        return q;
    }
    Wide q = n / d;
    if (n % d != 0 && ((n < 0) != (d < 0))) --q;
    return q;
}
inline Wide ceil_div(Wide n, Wide d) {
    if (d == 1) return n;
    if (d == -1) return -n;
    if (fits_64(n) && fits_64(d)) {
        const auto a = static_cast<std::int64_t>(n);
        const auto b = static_cast<std::int64_t>(d);
        std::int64_t q = a / b;
        if (a % b != 0 && ((a < 0) == (b < 0))) ++q;
        return q;
    }
    Wide q = n / d;
    if (n % d != 0 && ((n < 0) == (d < 0))) ++q;
    return q;
}

__extension__ typedef unsigned __int128 UWide;

// Signed 256-bit integer, two's complement in four limbs: wide enough for
// exact sums of products of a combined coefficient (below 2^127) and a
// 64-bit bound, however many terms there are.
class Int256 {
  public:
    Int256() = default;
    explicit Int256(Wide v) {
        const auto u = static_cast<UWide>(v);
        limb_[0] = static_cast<std::uint64_t>(u);
        limb_[1] = static_cast<std::uint64_t>(u >> 64);
        limb_[2] = limb_[3] = v < 0 ? ~std::uint64_t{0} : 0;
    }

    // Exact product of two values below 2^127 in magnitude.
    static Int256 product(Wide a, Wide b) {
        const bool negative = (a < 0) != (b < 0);
        const UWide ua = a < 0 ? -static_cast<UWide>(a) : static_cast<UWide>(a);
        const UWide ub = b < 0 ? -static_cast<UWide>(b) : static_cast<UWide>(b);
        const std::uint64_t a0 = static_cast<std::uint64_t>(ua),
                            a1 = static_cast<std::uint64_t>(ua >> 64);
        const std::uint64_t b0 = static_cast<std::uint64_t>(ub),
                            b1 = static_cast<std::uint64_t>(ub >> 64);
        Int256 r;
        r.add_at(0, static_cast<UWide>(a0) * b0);
        r.add_at(1, static_cast<UWide>(a0) * b1);
        r.add_at(1, static_cast<UWide>(a1) * b0);
        r.add_at(2, static_cast<UWide>(a1) * b1);
        return negative ? -r : r;
    }

    Int256& operator+=(const Int256& o) {
        std::uint64_t carry = 0;
        for (int i = 0; i < 4; ++i) {
            const UWide s = static_cast<UWide>(limb_[i]) + o.limb_[i] + carry;
            limb_[i] = static_cast<std::uint64_t>(s);
            carry = static_cast<std::uint64_t>(s >> 64);
        }
        return *this;
    }
    Int256 operator-() const {
        Int256 r;
        for (int i = 0; i < 4; ++i) r.limb_[i] = ~limb_[i];
        r += Int256(Wide{1});
        return r;
    }
    Int256& operator-=(const Int256& o) { return *this += -o; }
    void add(Wide v) { *this += Int256(v); }
    void sub(Wide v) { *this -= Int256(v); }

    bool negative() const { return (limb_[3] >> 63) != 0; }
    bool operator==(const Int256&) const = default;
    bool operator<(const Int256& o) const {
        if (negative() != o.negative()) return negative();
        for (int i = 3; i >= 0; --i) {
            if (limb_[i] != o.limb_[i]) return limb_[i] < o.limb_[i];
        }
        return false;
    }
    bool operator<=(const Int256& o) const { return !(o < *this); }

    // The value limited to +-far (far below 2^127).
    Wide clamped(Wide far) const {
        const std::uint64_t ext = (limb_[1] >> 63) != 0 ? ~std::uint64_t{0} : 0;
        if (limb_[2] != ext || limb_[3] != ext) return negative() ? -far : far;
        const auto v = static_cast<Wide>((static_cast<UWide>(limb_[1]) << 64) | limb_[0]);
        return v > far ? far : (v < -far ? -far : v);
    }

  private:
    // Adds an unsigned 128-bit value at limb position `at`.
    void add_at(int at, UWide v) {
        UWide carry = v;
        for (int i = at; i < 4 && carry != 0; ++i) {
            const UWide s = static_cast<UWide>(limb_[i]) + static_cast<std::uint64_t>(carry);
            limb_[i] = static_cast<std::uint64_t>(s);
            carry = (carry >> 64) + (s >> 64);
        }
    }

    std::uint64_t limb_[4] = {0, 0, 0, 0};
};

}  // namespace nemox
