#pragma once

#include <cstdint>

#include "core/failure.hpp"

namespace nemox::sat {

// A literal as its code 2 * var + (positive ? 1 : 0); the code indexes the
// watch table, and code ^ 1 is the complement.
using Lit = std::uint32_t;

inline Lit make_lit(std::uint32_t var, bool positive) {
    return 2 * var + (positive ? 1u : 0u);
}
inline std::uint32_t lit_var(Lit l) {
    return l >> 1;
}
inline bool lit_positive(Lit l) {
    return (l & 1u) != 0;
}

// DIMACS k or -k is variable |k| - 1; the magnitude is taken unsigned, so
// -2147483648 is variable 2147483647.
inline Lit lit_from_dimacs(std::int32_t d) {
    if (d == 0) throw InternalFailure("DIMACS literal cannot be 0");
    const std::uint32_t magnitude =
        d < 0 ? std::uint32_t{0} - static_cast<std::uint32_t>(d) : static_cast<std::uint32_t>(d);
    return make_lit(magnitude - 1, d > 0);
}

// Variable states, one byte each: False = 0, True = 1, Undef = 2.
enum LBool : std::uint8_t { False = 0, True = 1, Undef = 2 };

}  // namespace nemox::sat
