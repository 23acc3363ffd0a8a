#pragma once

#include <cstdint>

#include "core/failure.hpp"

namespace nemox::sat {

// A variable by its 0-based index: DIMACS variable k is Var{k - 1}.
struct Var {
    std::uint32_t index;

    friend bool operator==(Var, Var) = default;
};

// A literal as its code 2 * var + (positive ? 1 : 0): the code indexes the
// watch table and the literal states, and code ^ 1 is the complement.
struct Lit {
    std::uint32_t code;

    Var var() const { return Var{code >> 1}; }
    bool positive() const { return (code & 1u) != 0; }
    Lit operator~() const { return Lit{code ^ 1u}; }
    friend bool operator==(Lit, Lit) = default;
};

inline Lit make_lit(Var v, bool positive) {
    return Lit{2 * v.index + (positive ? 1u : 0u)};
}

// DIMACS k or -k is variable |k| - 1; the magnitude is taken unsigned, so
// -2147483648 is variable 2147483647. `d` is not 0: 2|d| - 1 for k, one less
// for -k, worked out modulo 2^32 without a branch.
inline Lit lit_from_nonzero_dimacs(std::int32_t d) {
    const std::uint32_t sign = d < 0 ? UINT32_MAX : 0;
    return Lit{((2 * static_cast<std::uint32_t>(d)) ^ sign) - 1};
}

inline Lit lit_from_dimacs(std::int32_t d) {
    if (d == 0) throw InternalFailure("DIMACS literal cannot be 0");
    return lit_from_nonzero_dimacs(d);
}

// Variable states, one byte each: False = 0, True = 1, Undef = 2.
enum LBool : std::uint8_t { False = 0, True = 1, Undef = 2 };

}  // namespace nemox::sat
