#pragma once

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <utility>
#include <variant>
#include <vector>

#include "linear/constraint.hpp"

namespace nemox::linear {

enum class Sense : std::uint8_t { Minimize = 0, Maximize = 1 };

struct VarInfo {
    std::uint64_t index = 0;
    bool is_integer = false;

    bool operator==(const VarInfo&) const = default;
};

// Objective, constraints and the variable registry. Copies are deep.
template <class N>
struct LinearSystemT {
    std::optional<std::pair<Sense, LinearExprT<N>>> objective;
    std::vector<std::uint64_t> variables;
    std::vector<LinearConstraintT<N>> constraints;
    std::unordered_map<std::uint64_t, VarInfo> var_info;
    std::uint64_t next_var = 0;

    std::uint64_t new_variable() {
        const std::uint64_t v = next_var++;
        variables.push_back(v);
        var_info.emplace(v, VarInfo{v, false});
        return v;
    }
    void mark_integer(std::uint64_t v) {
        const auto it = var_info.find(v);
        if (it != var_info.end()) it->second.is_integer = true;
    }
    void set_objective(Sense sense, LinearExprT<N> expr) {
        objective.emplace(sense, std::move(expr));
    }
    void add_constraint(LinearConstraintT<N> c) { constraints.push_back(std::move(c)); }

    bool operator==(const LinearSystemT&) const = default;
};

using LinearSystem = LinearSystemT<Rational>;
using BigLinearSystem = LinearSystemT<BigRational>;

// A system in 64-bit fractions when its values fit, otherwise in big ones.
using ExactSystem = std::variant<LinearSystem, BigLinearSystem>;

// The same system in big arithmetic (exact, nothing rounded).
BigLinearSystem widen(const LinearSystem& system);
LinearExprT<BigRational> widen(const LinearExpr& expr);
LinearConstraintT<BigRational> widen(const LinearConstraint& c);
BigLinearSystem widen(const ExactSystem& system);

}  // namespace nemox::linear
