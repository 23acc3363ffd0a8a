#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "linear/expr.hpp"

namespace nemox::linear {

enum class CmpOp : std::uint8_t { Eq = 0, Le = 1, Ge = 2 };

// `expr` op 0: a constraint's right side is folded, negated, into the constant.
template <class N>
struct LinearConstraintT {
    LinearExprT<N> expr;
    std::optional<std::string> name;
    CmpOp op = CmpOp::Eq;

    bool operator==(const LinearConstraintT&) const = default;
};

using LinearConstraint = LinearConstraintT<Rational>;

}  // namespace nemox::linear
