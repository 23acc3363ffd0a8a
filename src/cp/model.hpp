#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace nemox::cp {

// A variable is its 0-based declaration index.
using VarIndex = std::size_t;

struct VarDecl {
    std::string name;  // as written; several declarations may share it
    std::int64_t min = 0;
    std::int64_t max = 0;  // min > max is kept: an empty range

    bool operator==(const VarDecl&) const = default;
};

enum class LinearRel : std::uint8_t { Le = 0, Eq = 1, Ge = 2 };

struct LinearTerm {
    std::int64_t coeff = 0;
    VarIndex var = 0;

    bool operator==(const LinearTerm&) const = default;
};

// a = b
struct EqCon {
    VarIndex a = 0, b = 0;
    bool operator==(const EqCon&) const = default;
};
// a != b
struct NeqCon {
    VarIndex a = 0, b = 0;
    bool operator==(const NeqCon&) const = default;
};
// a < b
struct LtCon {
    VarIndex a = 0, b = 0;
    bool operator==(const LtCon&) const = default;
};
// a <= b + c
struct LeCon {
    VarIndex a = 0, b = 0;
    std::int64_t c = 0;
    bool operator==(const LeCon&) const = default;
};
// sum of coeff * var, rel, rhs; terms as written (zeros and repeats kept)
struct LinearCon {
    std::vector<LinearTerm> terms;
    std::int64_t rhs = 0;
    LinearRel rel = LinearRel::Le;
    bool operator==(const LinearCon&) const = default;
};
// pairwise different, positions as written (repeats kept)
struct AllDiffCon {
    std::vector<VarIndex> vars;
    bool operator==(const AllDiffCon&) const = default;
};

// Variants in the order Eq, Neq, Lt, Le, Linear, AllDiff.
using CpConstraint = std::variant<EqCon, NeqCon, LtCon, LeCon, LinearCon, AllDiffCon>;

struct CpProblem {
    std::vector<VarDecl> vars;
    std::vector<CpConstraint> constraints;
};

// The values lo..hi; empty when lo > hi, fixed when lo == hi.
struct Domain {
    std::int64_t lo = 0;
    std::int64_t hi = 0;

    bool empty() const { return lo > hi; }
    bool fixed() const { return lo == hi; }
    bool operator==(const Domain&) const = default;
};

}  // namespace nemox::cp
